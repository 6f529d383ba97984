#include "codeplug/channel_codec.h"

#include <algorithm>
#include <string>
#include <utility>

#include "codeplug/byte_fields.h"
#include "codeplug/freq_code.h"

namespace torvik {
namespace {

using L = ChannelLayout;

bool HasBitmapBits(int slot) {
    return slot < L::kBitmapSlots;
}
bool HasCodeDigits(int slot) {
    return slot < kMemoryChannels;
}

// A code as 4 BCD bytes: the first 8 characters, padded with "0", as hex pairs.
void PutFreqCode(RadioImage& image, std::size_t address, std::string_view code) {
    const auto digit = [code](std::size_t i) { return i < code.size() ? code[i] : '0'; };
    auto out = image.block(address, L::kFreqBytes);
    for (std::size_t i = 0; i < L::kFreqBytes; ++i)
        out[i] = HexPairToByte(digit(2 * i), digit(2 * i + 1));
}

// The 8 digits of 4 BCD bytes, or `fallback` when they are not all decimal, followed by the
// rebuilt 10 Hz digit: the image holds 100 Hz units, and only the 2.5, 6.25 and 8.33 kHz
// rasters have a 10 Hz digit that follows from the 100 Hz one.
FixedText<9> GetFreqCode(const RadioImage& image, std::size_t address, std::string_view fallback) {
    FixedText<9> code;
    auto& digits = code.bytes;
    bool decimal = true;
    const auto in = image.block(address, L::kFreqBytes);
    for (std::size_t i = 0; i < L::kFreqBytes; ++i) {
        const int high = in[i] >> 4;
        const int low = in[i] & 0x0F;
        decimal = decimal && high <= 9 && low <= 9;
        digits[2 * i] = HexDigit(high);
        digits[2 * i + 1] = HexDigit(low);
    }
    if (!decimal) std::copy_n(fallback.begin(), 8, digits.begin());
    switch (digits[7]) {
        case '2':
        case '7':
            digits[8] = '5';
            break;
        case '3':
            digits[8] = '3';
            break;
        case '6':
            digits[8] = '6';
            break;
        default:
            digits[8] = '0';
            break;
    }
    return code;
}

// The radio has three power levels; a stored 3 reads as the highest.
constexpr std::int16_t kHighestTxPower = 2;

// Byte 10 stores simplex as 0 and the two shift directions as 2 and 3.
long ShiftToImage(int shiftDir) {
    return shiftDir == 0 ? 0 : shiftDir + 1;
}
std::int16_t ShiftFromImage(int bits) {
    return static_cast<std::int16_t>(bits < 2 ? 0 : bits - 1);
}

void EncodeChannel(ChannelRecord& r, RadioImage& image) {
    if (r.Number < 1 || r.Number > kChannelSlots) {
        throw EncodeError("Number = " + std::to_string(r.Number) + " is not a channel number 1.." +
                          std::to_string(kChannelSlots));
    }
    const int slot = r.Number - 1;
    const std::size_t base = L::RecordBase(r.Number);

    if (HasBitmapBits(slot)) {
        if (r.Used != 0) ClearEntryBit(image, L::kEmptyBitmap, slot);
        if (r.ScanSkip == 0) ClearEntryBit(image, L::kScanSkipBitmap, slot);
    }

    const std::string_view rx = r.RxFreq.view();
    WithContext("RxFreq", [&] {
        PutFreqCode(image, base + L::kRxFreq, rx.empty() ? std::string_view("FFFFFFFF") : rx);
    });
    WithContext("Offset", [&] { PutFreqCode(image, base + L::kOffset, r.Offset.view()); });

    for (auto [name, dcs] : {std::pair{"TxDcs", r.TxDcs}, std::pair{"RxDcs", r.RxDcs}}) {
        if (dcs < 0) {
            throw EncodeError(std::string(name) + " = " + std::to_string(dcs) + " is negative");
        }
    }
    r.TxDcsBit8 = static_cast<std::int16_t>(r.TxDcs / 256);
    r.RxDcsBit8 = static_cast<std::int16_t>(r.RxDcs / 256);

    image.at(base + L::kStep) = CheckedByte(r.Step, "Step");
    PutFields(image, base,
              {{L::kTxInhibit, r.TxInhibit},
               {L::kReverse, r.Reverse},
               {L::kBandwidth, r.Bandwidth},
               {L::kTxDcsInvert, r.TxDcsInvert},
               {L::kTxDcsBit8, r.TxDcsBit8},
               {L::kPttIdDecode, r.PttIdDecode}});
    PutFields(image, base,
              {{L::kShift, ShiftToImage(r.ShiftDir)},
               {L::kTxPower, r.TxPower},
               {L::kRxDcsInvert, r.RxDcsInvert},
               {L::kRxDcsBit8, r.RxDcsBit8},
               {L::kCompander, r.Compander},
               {L::kTalkaround, r.Talkaround}});
    PutFields(image, base,
              {{L::kTxToneType, r.TxToneType},
               {L::kRxToneType, r.RxToneType},
               {L::kDtmfCodeNo, r.DtmfCodeNo}});
    image.at(base + L::kTxCtcss) = CheckedByte(r.TxCtcss, "TxCtcss");
    image.at(base + L::kRxCtcss) = CheckedByte(r.RxCtcss, "RxCtcss");
    image.at(base + L::kTxDcsLow) = CheckedByte(r.TxDcs % 256);
    image.at(base + L::kRxDcsLow) = CheckedByte(r.RxDcs % 256);
    image.at(base + L::kSignaling) = CheckedByte(r.Signaling, "Signaling");
    image.at(base + L::kTwoToneNo) = CheckedByte(r.TwoToneNo, "TwoToneNo");
    image.at(base + L::kFiveToneNo) = CheckedByte(r.FiveToneNo, "FiveToneNo");
    PutImageName(r.Name.view(), image.block(base + L::kName, L::kNameBytes));
    image.at(base + L::kBusyLock) = CheckedByte(r.BusyLock, "BusyLock");
    image.at(base + L::kByte27) = CheckedByte(r.Byte27, "Byte27");
    PutFields(image, base, {{L::kDtmfPttId, r.DtmfPttId}, {L::kFiveTonePttId, r.FiveTonePttId}});
    image.at(base + L::kSquelchMode) = CheckedByte(r.SquelchMode, "SquelchMode");
    image.at(base + L::kScrambler) = CheckedByte(r.Scrambler, "Scrambler");

    if (HasCodeDigits(slot)) {
        std::string code = r.PttIdCode.text();
        code.resize(L::kCodeDigits, '0');
        auto out = image.block(L::CodeBase(r.Number), L::kCodeDigits);
        WithContext("PttIdCode", [&] {
            for (std::size_t i = 0; i < L::kCodeDigits; ++i) {
                out[i] = static_cast<std::uint8_t>(HexDigitValue(code[i]));
            }
        });
    }
}

std::string DecodeCode(RadioImage& image, int number) {
    std::string code;
    for (std::uint8_t& digit : image.block(L::CodeBase(number), L::kCodeDigits)) {
        if (digit > 15) digit = 0;  // repaired in the image, so a write sends a valid code
        code += HexDigit(digit);
    }
    return code;
}

}  // namespace

std::size_t ChannelLayout::RecordBase(int number) {
    switch (number) {
        case kChannelPA:
            return kPABase;
        case kChannelPB:
            return kPBBase;
        case kChannelVFO:
            return kVfoBase;
        default:
            if (number < 1 || number > kMemoryChannels) {
                throw ImageRangeError("channel number out of range");
            }
            return kMemoryBase + kRecordSize * static_cast<std::size_t>(number - 1);
    }
}

void EncodeChannels(ChannelTable& table, RadioImage& image) {
    for (ChannelRecord& record : table.used()) {
        try {
            EncodeChannel(record, image);
        } catch (const EncodeError& error) {
            // Said as the user finds the channel: by its number and its row in the list.
            std::string where = "channel " + std::to_string(record.Number);
            if (record.Number >= 1 && record.Number <= kChannelSlots) {
                where += " (row label \"" + ChannelLabel(record.Number) + "\")";
            }
            throw EncodeError(where + ": " + error.what());
        }
    }
}

void DecodeChannels(RadioImage& image, ChannelTable& table) {
    table.ChannelCount = 0;
    for (int slot = 0; slot < kChannelSlots; ++slot) {
        if (HasBitmapBits(slot) && EntryBit(image, L::kEmptyBitmap, slot)) continue;
        const int number = slot + 1;
        const std::size_t base = L::RecordBase(number);

        const FixedText<9> rx = GetFreqCode(image, base + L::kRxFreq, "FFFFFFFF");
        // A slot without a frequency is empty. The VFO has no empty bit, so an all-zero
        // frequency (a prefilled, never-read VFO record) counts as none too.
        if (rx.raw().starts_with("FFFFFFFF") || rx.raw().starts_with("00000000")) continue;

        // Fields the image does not carry keep the values of the record already there.
        ChannelRecord* appended = AppendChannel(table);
        if (!appended) break;
        ChannelRecord& r = *appended;
        r.Number = static_cast<std::int16_t>(number);
        r.Used = 1;
        if (HasBitmapBits(slot)) r.ScanSkip = EntryBit(image, L::kScanSkipBitmap, slot) ? 1 : 0;
        r.RxFreq = rx;
        r.Offset = GetFreqCode(image, base + L::kOffset, "00000000");

        auto byte = [&](std::size_t offset) { return image.at(base + offset); };
        auto i16 = [](int v) { return static_cast<std::int16_t>(v); };
        r.Step = byte(L::kStep);
        auto field = [&](const BitField& f) { return i16(GetField(image, base, f)); };
        r.TxInhibit = field(L::kTxInhibit);
        r.Reverse = field(L::kReverse);
        r.Bandwidth = field(L::kBandwidth);
        r.TxDcsInvert = field(L::kTxDcsInvert);
        r.TxDcsBit8 = field(L::kTxDcsBit8);
        r.PttIdDecode = field(L::kPttIdDecode);
        r.ShiftDir = ShiftFromImage(GetField(image, base, L::kShift));
        r.TxPower = std::min(field(L::kTxPower), kHighestTxPower);
        r.RxDcsInvert = field(L::kRxDcsInvert);
        r.RxDcsBit8 = field(L::kRxDcsBit8);
        r.Compander = field(L::kCompander);
        r.Talkaround = field(L::kTalkaround);
        r.TxToneType = field(L::kTxToneType);
        r.RxToneType = field(L::kRxToneType);
        r.DtmfCodeNo = field(L::kDtmfCodeNo);
        r.TxCtcss = byte(L::kTxCtcss);
        r.RxCtcss = byte(L::kRxCtcss);
        r.TxDcs = i16(256 * r.TxDcsBit8 + byte(L::kTxDcsLow));
        r.RxDcs = i16(256 * r.RxDcsBit8 + byte(L::kRxDcsLow));
        r.Signaling = byte(L::kSignaling);
        r.TwoToneNo = byte(L::kTwoToneNo);
        r.FiveToneNo = byte(L::kFiveToneNo);
        const auto name = image.block(base + L::kName, L::kNameBytes);
        r.Name = FixedText<7>::Value(
            CutAtNul({reinterpret_cast<const char*>(name.data()), name.size()}));
        r.BusyLock = byte(L::kBusyLock);
        r.Byte27 = byte(L::kByte27);
        r.DtmfPttId = field(L::kDtmfPttId);
        r.FiveTonePttId = field(L::kFiveTonePttId);
        r.SquelchMode = byte(L::kSquelchMode);
        r.Scrambler = byte(L::kScrambler);
        if (HasCodeDigits(slot)) r.PttIdCode = FixedText<5>::Raw(DecodeCode(image, number));
    }
}

}  // namespace torvik
