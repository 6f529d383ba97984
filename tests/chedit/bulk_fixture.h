// The channels the tests of the editor of several channels start from.
#pragma once

#include <string_view>
#include <vector>

#include "support/codeplug_fixtures.h"

namespace torvik::test {

// A codeplug as File > New makes it (band 3, 136..174 MHz, and the VFO channel) with three
// channels that share some fields and not others. 1 and 5 have CTCSS both ways, DTMF
// signalling and the squelch mode that needs both; 2 has neither, so its squelch list holds
// F0 only. 1 has talkaround on; 2 a frequency outside the band, 12.5 kHz and the 5-Tone PTT-ID
// on; 5 values the editor would store otherwise (a step outside its list, additional display
// 3, a short PTT-ID code). The names are "ALPHA", "ALTO" and "ALPHA". Row 3 is empty.
inline Codeplug BulkFixture() {
    Codeplug c = NewTestCodeplug();
    ChannelRecord one = UsedChannel(1, {.name = "ALPHA"});
    ChannelRecord two = UsedChannel(2, {.rx = "009900000", .name = "ALTO"});
    ChannelRecord five = UsedChannel(5, {.name = "ALPHA"});
    for (ChannelRecord* r : {&one, &five}) {
        r->RxToneType = kToneCtcss;
        r->RxCtcss = 12;
        r->TxToneType = kToneCtcss;
        r->TxCtcss = 12;
        r->Signaling = kSignalingDtmf;
        r->DtmfCodeNo = 2;
        r->SquelchMode = 4;
    }
    one.Talkaround = 1;
    two.Bandwidth = 2;
    two.FiveTonePttId = 1;
    five.Step = 40;
    five.ExtraDisplay = 3;
    five.PttIdCode = FixedText<5>::Raw(std::string_view("12\0\0\0", 5));
    for (const ChannelRecord& r : {one, two, five}) *AppendChannel(c.channels) = r;
    return c;
}

// The rows selected: the three channels and the empty row 3.
inline const std::vector<int> kBulkSelection{1, 2, 3, 5};
inline const std::vector<int> kBulkChannels{1, 2, 5};

}  // namespace torvik::test
