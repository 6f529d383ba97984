// The language-file keys (section "OTHER") of the names of the codeplug's areas: the main
// window's tree shows them, the comparison says with them where a difference lies, and the
// printed report heads the emergency alarm with its name.
#pragma once

namespace torvik {

inline constexpr int kKeyAreaOptions = 5021;
inline constexpr int kKeyAreaDtmf = 5023;
inline constexpr int kKeyAreaTwoTone = 5024;
inline constexpr int kKeyAreaFiveTone = 5025;
inline constexpr int kKeyAreaScan = 2400;
inline constexpr int kKeyAreaEmergency = 2600;
inline constexpr int kKeyAreaCommBook = 5804;

}  // namespace torvik
