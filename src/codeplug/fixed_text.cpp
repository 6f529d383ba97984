#include "codeplug/fixed_text.h"

namespace torvik {

std::string CutAtNul(std::string_view text) {
    const std::size_t last = text.find_last_not_of(' ');
    text = last == std::string_view::npos ? std::string_view{} : text.substr(0, last + 1);
    return std::string(text.substr(0, text.find('\0')));
}

}  // namespace torvik
