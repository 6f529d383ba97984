#include "calling/fivetone/five_tone_settings.h"

#include "codeplug/record_bytes.h"

namespace torvik {

// The record's share of the data file.
static_assert(SerializedSize<InfoCode> == 22);
static_assert(SerializedSize<FiveToneCode> == 53);
static_assert(SerializedSize<FiveToneSettings> == 5607);

void ResetFiveTone(FiveToneSettings& settings, std::uint8_t& decodeTime) {
    FiveToneSettings fresh;
    fresh.pttIdBegin = settings.pttIdBegin;
    fresh.pttIdEnd = settings.pttIdEnd;
    for (std::size_t i = 0; i < fresh.infoCodes.size(); ++i) {
        fresh.infoCodes[i].name = settings.infoCodes[i].name;
    }
    for (std::size_t k = 0; k < fresh.codeTable.size(); ++k) {
        fresh.codeTable[k].name = settings.codeTable[k].name;
    }
    settings = fresh;
    decodeTime = kDefaultDecodeTime;
}

bool IsStoredFiveToneEntry(const FiveToneSettings& settings, int n) {
    return n >= 0 && n < kFiveToneEntryCount &&
           settings.codeTable[static_cast<std::size_t>(n)].empty == 0;
}

int FirstStoredFiveToneEntry(const FiveToneSettings& settings, int n) {
    if (IsStoredFiveToneEntry(settings, n)) return n;
    for (int k = 0; k < kFiveToneEntryCount; ++k) {
        if (IsStoredFiveToneEntry(settings, k)) return k;
    }
    return 0;
}

}  // namespace torvik
