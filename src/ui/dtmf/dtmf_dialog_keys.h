// The language-file keys only the DTMF editor's windows use; the keys of the settings and
// code boxes are shared with the printed report (calling/dtmf/dtmf_keys.h).
#pragma once

#include <string_view>

#include "calling/dtmf/dtmf_keys.h"

namespace torvik {

// Section "OTHER".
inline constexpr int kKeyDtmfCodes = 1602;
inline constexpr int kKeyDtmfInputHint = 1603;
inline constexpr int kKeyDtmfPttIdMode = 1743;
inline constexpr int kKeyDtmfPttBegin = 1765;
inline constexpr int kKeyDtmfPttEnd = 1766;
inline constexpr int kKeyDtmfPttBoth = 1767;
inline constexpr int kKeyDtmfRemoteCodesClash = 3001;
inline constexpr int kKeyDtmfSpecial = 3003;

// Section "OPTION": the special-call dialog's labels.
inline constexpr std::string_view kOptionDtmfCallType = "60064";
inline constexpr std::string_view kOptionDtmfCalledId = "60076";

}  // namespace torvik
