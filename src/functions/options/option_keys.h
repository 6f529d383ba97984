// The language-file keys of the option editor's caption, labels and list entries, shared by
// the editor and the printed report.
#pragma once

namespace torvik {

inline constexpr int kKeyOptionCaption = 1701;
inline constexpr int kKeyOptionFirstRowLabel = 1702;  // row k: 1702 + k
inline constexpr int kKeyOptionFirstSwitch = 1730;    // switch j: 1730 + j
inline constexpr int kKeyOptionPasswordSwitch = 1737;
inline constexpr int kKeyOptionPasswordLabel = 1738;
inline constexpr int kKeyOptionWelcomeLabel = 1739;
inline constexpr int kKeyOptionOff = 1755;
inline constexpr int kKeyOptionSeconds = 1782;

}  // namespace torvik
