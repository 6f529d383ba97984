#include "channel_edit/channel_texts.h"

#include "channel_edit/channel_keys.h"
#include "codeplug/tones.h"

namespace torvik {

std::string ChannelToneText(int toneType, int ctcss, int dcs, int dcsInvert,
                            const Reporter& texts) {
    if (toneType == kToneCtcss) {
        const int index = ctcss >= 0 && ctcss < kCtcssCount ? ctcss : 0;
        return std::string(CtcssTable[static_cast<std::size_t>(index)]);
    }
    if (toneType == kToneDcs) {
        const int code = dcs >= 0 && dcs < kDcsCodeCount ? dcs : 0;
        return DcsText(code, dcsInvert >= 1);
    }
    return texts.langText(kKeyChannelNone);
}

std::string ChannelSignalingText(const ChannelRecord& channel, const Reporter& texts) {
    switch (channel.Signaling) {
        case kSignalingDtmf:
            return "DTMF M" + std::to_string(channel.DtmfCodeNo + 1);
        case kSignalingTwoTone:
            return "2tone " + std::to_string(channel.TwoToneNo);
        case kSignalingFiveTone:
            return "5tone " + std::to_string(channel.FiveToneNo);
        default:
            return texts.langText(kKeyChannelNone);
    }
}

}  // namespace torvik
