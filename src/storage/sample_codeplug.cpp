#include "storage/sample_codeplug.h"

#include <string>

#include "calling/dtmf/dtmf_text.h"
#include "calling/twotone/two_tone_tones.h"
#include "codeplug/freq_code.h"
#include "platform/number_text.h"

namespace torvik {
namespace {

std::string Padded(int value, int width) {
    std::string text = std::to_string(value);
    if (static_cast<int>(text.size()) < width) text.insert(0, width - text.size(), '0');
    return text;
}

ChannelRecord SampleChannel(int number, const Band& band) {
    const BandLimits& limits = band.limits();
    ChannelRecord r = NewChannelRecord(number);
    r.Used = 1;
    // Channels climb in 12.5 kHz steps from the bottom of the transmit range.
    const double mhz = SnapRxFrequency(limits.TxLow + 0.0125 * (number % 64), band);
    r.RxFreq = FixedText<9>::Raw(FreqTextToCode(FormatFrequency(mhz)));
    r.ShiftDir = static_cast<std::int16_t>(number % 3);
    r.Offset = FixedText<9>::Raw(r.ShiftDir == 0 ? "000000000" : "000060000");
    r.Name = FixedText<7>::Value("CH" + Padded(number, 3));
    r.Step = static_cast<std::int16_t>(number % 9);
    r.TxInhibit = static_cast<std::int16_t>(number % 17 == 0);
    r.Bandwidth = static_cast<std::int16_t>(number % 3);
    r.TxPower = static_cast<std::int16_t>(number % 3);
    r.Talkaround = static_cast<std::int16_t>(number % 11 == 0);
    r.Compander = static_cast<std::int16_t>(number % 5 == 0);
    r.TxToneType = static_cast<std::int16_t>(number % 3);
    r.RxToneType = static_cast<std::int16_t>((number / 3) % 3);
    r.TxCtcss = static_cast<std::int16_t>(number % 51);
    r.RxCtcss = static_cast<std::int16_t>((number * 7) % 51);
    r.TxDcs = static_cast<std::int16_t>((number * 37) % 512);
    r.RxDcs = static_cast<std::int16_t>((number * 53) % 512);
    r.TxDcsBit8 = static_cast<std::int16_t>(r.TxDcs / 256);
    r.RxDcsBit8 = static_cast<std::int16_t>(r.RxDcs / 256);
    r.TxDcsInvert = static_cast<std::int16_t>(number % 2);
    r.RxDcsInvert = static_cast<std::int16_t>((number / 2) % 2);
    r.Signaling = static_cast<std::int16_t>(number % 4);
    r.TwoToneNo = static_cast<std::int16_t>(number % 32);
    r.FiveToneNo = static_cast<std::int16_t>(number % 100);
    r.DtmfCodeNo = static_cast<std::int16_t>(number % 16);
    r.DtmfPttId = static_cast<std::int16_t>(number % 4);
    r.FiveTonePttId = static_cast<std::int16_t>((number / 4) % 4);
    r.PttIdDecode = static_cast<std::int16_t>(number % 2);
    r.SquelchMode = static_cast<std::int16_t>(number % 3);
    r.Scrambler = static_cast<std::int16_t>(number % 9);
    r.BusyLock = static_cast<std::int16_t>(number % 3);
    // The VFO has no scan-skip bit in the image; it keeps what its record held.
    r.ScanSkip = static_cast<std::int16_t>(number < kChannelVFO && number % 7 == 0);
    if (number <= kMemoryChannels) r.PttIdCode = FixedText<5>::Raw(Padded(number * 41 % 100000, 5));
    return r;
}

}  // namespace

void FillSampleCodeplug(Codeplug& codeplug) {
    ResetFunctionSettings(codeplug.record);
    CodeplugRecord& record = codeplug.record;

    codeplug.channels.ChannelCount = 0;
    for (int number = 1; number <= kChannelSlots; ++number) {
        *AppendChannel(codeplug.channels) = SampleChannel(number, codeplug.band);
    }

    for (int k = 0; k < kTwoToneCodes; ++k) {
        TwoToneCode& code = record.twoTone.codes[static_cast<std::size_t>(k)];
        const double tone1 = 300.0 + 25 * k;
        const double tone2 = 1200.0 + 40 * k;
        code.empty = 0;
        code.tone1.value = ToneValueFromHz(tone1);
        code.tone2.value = ToneValueFromHz(tone2);
        code.divider1.value = CodeDividerFromHz(tone1);
        code.divider2.value = CodeDividerFromHz(tone2);
        code.name = FixedText<7>::Value("TT" + Padded(k, 2));
    }

    for (int k = 0; k < kFiveToneEntryCount; ++k) {
        FiveToneCode& entry = record.fiveTone.codeTable[static_cast<std::size_t>(k)];
        const std::string code = Padded(10000 + 137 * k, 5);
        entry.empty = 0;
        entry.standard = static_cast<std::uint8_t>(k % 14);
        entry.length = static_cast<std::uint8_t>(code.size());
        entry.duration = static_cast<std::uint8_t>(3 + k % 8);
        entry.code = FixedText<40>::Value(code);
        entry.name = FixedText<7>::Value("FT" + Padded(k, 2));
    }
    record.fiveTone.ownId = FixedText<6>::Value("12345");
    record.fiveTone.ownIdLength = 5;

    for (int m = 0; m < kDtmfMemoryCodes; ++m) {
        StoreShownCode(record.dtmf.memoryCodes[static_cast<std::size_t>(m)],
                       std::to_string(100 + m) + "*" + std::to_string(m));
    }
    StoreShownCode(record.dtmf.pttIdBeginCode, "123");
    StoreShownCode(record.dtmf.pttIdEndCode, "456#");

    for (int k = 0; k < kCommBookEntries; ++k) {
        CommBookEntry& entry = record.commBook[static_cast<std::size_t>(k)];
        entry.callId = FixedText<5>::Value(Padded(20000 + k, 5));
        entry.name = FixedText<7>::Value("UNIT" + Padded(k, 3));
    }
}

}  // namespace torvik
