#include "link/link_messages.h"

#include <cstdio>
#include <string_view>

#include "platform/built_in_texts.h"

namespace torvik {
namespace {

// `text` with every "%<n>" replaced by `values[n - 1]`.
std::string FillIn(std::string_view text, const std::string (&values)[2]) {
    std::string filled;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && (text[i + 1] == '1' || text[i + 1] == '2')) {
            filled += values[text[i + 1] - '1'];
            ++i;
        } else {
            filled += text[i];
        }
    }
    return filled;
}

}  // namespace

std::string RepeatLimitText(std::uint16_t address, int limit, Language language) {
    char hex[5];
    std::snprintf(hex, sizeof hex, "%04X", address);
    return FillIn(BuiltInText(TextId::RepeatLimit, language), {hex, std::to_string(limit)});
}

}  // namespace torvik
