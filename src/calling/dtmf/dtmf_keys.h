// The language-file keys of the DTMF settings and code boxes, shared by the DTMF editor and
// the printed report.
#pragma once

#include <array>
#include <string_view>

namespace torvik {

// Section "OTHER": the settings' labels.
inline constexpr int kKeyDtmfSeparator = 1604;
inline constexpr int kKeyDtmfGroup = 1605;
inline constexpr int kKeyDtmfDecodeResponse = 1606;
inline constexpr int kKeyDtmfFirstDigitDelay = 1607;
inline constexpr int kKeyDtmfPreSendDelay = 1608;
inline constexpr int kKeyDtmfResetTime = 1609;
inline constexpr int kKeyDtmfPostSendDelay = 1610;
inline constexpr int kKeyDtmfPauseTime = 1611;
inline constexpr int kKeyDtmfSideTone = 1612;
inline constexpr int kKeyDtmfAni = 1740;
inline constexpr int kKeyDtmfDigitDuration = 1741;
inline constexpr int kKeyDtmfId = 3002;

// Section "OTHER": list entries.
inline constexpr int kKeyDtmfResponseNone = 1650;
inline constexpr int kKeyDtmfResponseRing = 1651;
inline constexpr int kKeyDtmfResponseReply = 1653;
inline constexpr int kKeyDtmfOff = 1755;
inline constexpr int kKeyDtmfOn = 1756;
inline constexpr int kKeyDtmfMilliseconds = 1780;

// Section "OPTION": the labels of the PTT-ID and remote-control code boxes.
inline constexpr std::string_view kOptionDtmfPttIdBegin = "60302";
inline constexpr std::string_view kOptionDtmfPttIdEnd = "60303";
inline constexpr std::string_view kOptionDtmfRemoteKill = "60069";
inline constexpr std::string_view kOptionDtmfRemoteStun = "60093";
// The same in the order of the boxes, from the PTT-ID begin box on.
inline constexpr std::array kOptionDtmfCodeBoxLabels{kOptionDtmfPttIdBegin, kOptionDtmfPttIdEnd,
                                                     kOptionDtmfRemoteKill, kOptionDtmfRemoteStun};

}  // namespace torvik
