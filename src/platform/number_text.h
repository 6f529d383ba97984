// Number text with "." as the decimal separator whatever the user's locale: the formats
// and files of the radio are defined that way, and printf/strtod follow the C locale that
// a Qt application inherits from the user.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace torvik {

// Parses a plain decimal number (surrounding blanks, an optional sign, digits with at most
// one "."); anything else, exponents included, gives nothing.
std::optional<double> ParseDecimal(std::string_view text);

// `value` rounded to `decimals` places, with at least `minIntDigits` integer digits
// (zero-padded): FormatFixed(435.00625, 3, 5) is "435.00625", FormatFixed(5, 3, 5) "005.00000".
std::string FormatFixed(double value, int minIntDigits, int decimals);

}  // namespace torvik
