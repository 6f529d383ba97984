#include "codeplug/fixed_text.h"

namespace torvik {

std::string CutAtNul(std::string_view text) {
    return std::string(CutAtNulView(text));
}

}  // namespace torvik
