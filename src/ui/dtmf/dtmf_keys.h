// The language-file keys of the DTMF editor and its special-call dialog.
#pragma once

namespace torvik {

// Section "OTHER".
inline constexpr int kKeyDtmfCodes = 1602;
inline constexpr int kKeyDtmfInputHint = 1603;
inline constexpr int kKeyDtmfSeparator = 1604;
inline constexpr int kKeyDtmfGroup = 1605;
inline constexpr int kKeyDtmfDecodeResponse = 1606;
inline constexpr int kKeyDtmfFirstDigitDelay = 1607;
inline constexpr int kKeyDtmfPreSendDelay = 1608;
inline constexpr int kKeyDtmfResetTime = 1609;
inline constexpr int kKeyDtmfPostSendDelay = 1610;
inline constexpr int kKeyDtmfPauseTime = 1611;
inline constexpr int kKeyDtmfSideTone = 1612;
inline constexpr int kKeyDtmfResponseNone = 1650;
inline constexpr int kKeyDtmfResponseRing = 1651;
inline constexpr int kKeyDtmfResponseReply = 1653;
inline constexpr int kKeyDtmfAni = 1740;
inline constexpr int kKeyDtmfDigitDuration = 1741;
inline constexpr int kKeyDtmfPttIdMode = 1743;
inline constexpr int kKeyDtmfOff = 1755;
inline constexpr int kKeyDtmfOn = 1756;
inline constexpr int kKeyDtmfPttBegin = 1765;
inline constexpr int kKeyDtmfPttEnd = 1766;
inline constexpr int kKeyDtmfPttBoth = 1767;
inline constexpr int kKeyDtmfMilliseconds = 1780;
inline constexpr int kKeyDtmfRemoteCodesClash = 3001;
inline constexpr int kKeyDtmfId = 3002;
inline constexpr int kKeyDtmfSpecial = 3003;

// Section "OPTION".
inline constexpr const char* kOptionSection = "OPTION";
inline constexpr const char* kOptionPttIdBegin = "60302";
inline constexpr const char* kOptionPttIdEnd = "60303";
inline constexpr const char* kOptionRemoteKill = "60069";
inline constexpr const char* kOptionRemoteStun = "60093";
inline constexpr const char* kOptionCallType = "60064";
inline constexpr const char* kOptionCalledId = "60076";

}  // namespace torvik
