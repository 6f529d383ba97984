#include "calling/dtmf/dtmf_settings.h"

#include "codeplug/record_bytes.h"

namespace torvik {

static_assert(SerializedSize<LongDtmfCode> == 26);
static_assert(SerializedSize<ShortDtmfCode> == 16);
static_assert(SerializedSize<DtmfSettings> == 527);

namespace {

template <std::size_t Width>
void Clear(DtmfCode<Width>& code) {
    code.code = FixedText<Width>::Value("");
    code.length = 0;
}

}  // namespace

void ResetDtmf(DtmfSettings& s) {
    for (LongDtmfCode& code : s.memoryCodes) Clear(code);
    Clear(s.pttIdBeginCode);
    Clear(s.pttIdEndCode);
    Clear(s.remoteKillCode);
    Clear(s.remoteStunCode);
    s.aniEnabled = 0;
    s.digitDuration = 1;
    s.pttIdMode = 3;
    s.dtmfId = FixedText<3>::Value("000");
    s.separatorCode = kDtmfSymbolStar;
    s.groupCode = kDtmfSymbolA;
    s.decodeResponse = 0;
    s.firstDigitDelay = 20;
    s.preSendDelay = 20;
    s.resetTime = 0;
    s.postSendDelay = 20;
    s.pauseTime = 10;
    s.sideTone = 0;
}

}  // namespace torvik
