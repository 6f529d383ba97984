#include "calling/twotone/two_tone_settings.h"

#include "codeplug/record_bytes.h"

namespace torvik {

static_assert(SerializedSize<TwoToneCode> == 17);
static_assert(SerializedSize<TwoToneSettings> == 568);

namespace {

bool IsStored(const TwoToneSettings& settings, int number) {
    return number >= 0 && number < kTwoToneCodes && settings.codes[number].empty == 0;
}

}  // namespace

void ResetTwoTone(TwoToneSettings& s) {
    s.callTone1.value = 3217;
    s.callTone2.value = 9281;
    s.callFormat = 0;
    // The counts new codeplugs have always carried; 5172 is one above what the divider rule
    // gives for 928.1 Hz, and the editor's first commit recomputes both.
    s.callDivider1.value = 14920;
    s.callDivider2.value = 5172;
    s.autoResetTime = 0;
    s.decodeResponse = 0;
    s.sideTone = 0;
    s.toneA.value = 3217;
    s.toneB.value = 9281;
    s.toneC.value = 6265;
    s.toneD.value = 20438;
    s.firstToneTime = 5;
    s.secondToneTime = 5;
    s.longToneTime = 10;
    s.toneInterval = 0;
    for (TwoToneCode& code : s.codes) {
        code.empty = 1;
        code.divider1.value = 0;
        code.divider2.value = 0;
        code.tone1.value = 0;
        code.tone2.value = 0;
    }
    // Code 0 carries the transmit-call counts as its dividers, not the receive-code ones;
    // kept as new codeplugs have always had them. Storing a tone in the editor recomputes them.
    TwoToneCode& first = s.codes[0];
    first.empty = 0;
    first.divider1.value = 14920;
    first.divider2.value = 5172;
    first.tone1.value = 3217;
    first.tone2.value = 9281;
}

int FirstStoredTwoToneEntry(const TwoToneSettings& settings, int number) {
    if (IsStored(settings, number)) return number;
    for (int k = 0; k < kTwoToneCodes; ++k) {
        if (IsStored(settings, k)) return k;
    }
    return 0;
}

void CorrectTwoToneChannels(ChannelTable& table, const TwoToneSettings& settings) {
    for (ChannelRecord& channel : table.used()) {
        if (channel.Signaling != kSignalingTwoTone) continue;
        channel.TwoToneNo =
            static_cast<std::int16_t>(FirstStoredTwoToneEntry(settings, channel.TwoToneNo));
    }
}

}  // namespace torvik
