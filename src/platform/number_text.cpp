#include "platform/number_text.h"

#include <charconv>
#include <cmath>

namespace torvik {

std::optional<double> ParseDecimal(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return std::nullopt;
    text = text.substr(first, text.find_last_not_of(' ') - first + 1);

    bool negative = false;
    if (text.front() == '+' || text.front() == '-') {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    int digits = 0;
    int points = 0;
    for (char c : text) {
        if (c >= '0' && c <= '9') {
            ++digits;
        } else if (c == '.') {
            ++points;
        } else {
            return std::nullopt;
        }
    }
    if (digits == 0 || points > 1) return std::nullopt;

    double value = 0;
    const auto [end, ec] =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    if (ec != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    return negative ? -value : value;
}

std::string FormatFixed(double value, int minIntDigits, int decimals) {
    char buffer[64];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                         std::chars_format::fixed, decimals);
    std::string text = ec == std::errc{} ? std::string(buffer, end) : std::string("0");
    const std::size_t point = text.find('.');
    const std::size_t intDigits = point == std::string::npos ? text.size() : point;
    if (intDigits < static_cast<std::size_t>(minIntDigits)) {
        text.insert(0, static_cast<std::size_t>(minIntDigits) - intDigits, '0');
    }
    // A value that rounds to zero shows no sign.
    if (value < 0 && text.find_first_not_of("0.") != std::string::npos) text.insert(0, 1, '-');
    return text;
}

}  // namespace torvik
