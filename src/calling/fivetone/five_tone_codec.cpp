#include "calling/fivetone/five_tone_codec.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

#include "calling/fivetone/five_tone_text.h"
#include "codeplug/byte_fields.h"

namespace torvik {
namespace {

using L = FiveToneLayout;

std::size_t ByteCountFor(std::size_t symbols) {
    return (symbols + 1) / 2;
}

std::uint8_t DurationOrDefault(std::uint8_t duration) {
    return duration < kMinToneDuration || duration > kMaxToneDuration ? kDefaultToneDuration
                                                                      : duration;
}

void CheckLength(std::size_t length, std::size_t capacity, std::string_view what) {
    if (length > capacity) {
        throw EncodeError(std::string(what) + " of " + std::to_string(length) +
                          " symbols does not fit its " + std::to_string(capacity));
    }
}

// The code text as `length` symbols: cut at NUL and trimmed, then filled up with the repeat
// symbol or cut, as the radio expects exactly `length` of them.
std::string SymbolsOf(std::string_view code, std::size_t length) {
    std::string symbols = CutAtNul(code);
    symbols.resize(length, kRepeatSymbol);
    return symbols;
}

void PutName(const FixedText<7>& name, RadioImage& image, std::size_t address) {
    PutImageName(name.view(), image.block(address, L::kNameBytes));
}

FixedText<7> GetName(const RadioImage& image, std::size_t address) {
    return FixedText<7>::Value(GetImageName(image.block(address, L::kNameBytes)));
}

void PutCodeBlock(FiveToneCode& code, RadioImage& image, std::size_t base, std::size_t capacity,
                  bool withName) {
    CheckLength(code.length, capacity, "5-Tone code");
    code.duration = DurationOrDefault(code.duration);
    for (const auto& field : L::kCodeByteFields) image.at(base + field.offset) = code.*field.member;

    // Two symbols to a byte; an odd count ends with the repeat symbol. A symbol past the
    // code's text (cut at NUL and trimmed) is the repeat symbol too.
    const std::string_view text = code.code.view();
    auto symbol = [&](std::size_t i) {
        return i < text.size() && i < code.length ? text[i] : kRepeatSymbol;
    };
    auto out = image.block(base + L::kCodeSymbols, ByteCountFor(code.length));
    for (std::size_t i = 0; i < out.size(); ++i) {
        out[i] = static_cast<std::uint8_t>(HexDigitValue(symbol(2 * i)) * 16 +
                                           HexDigitValue(symbol(2 * i + 1)));
    }
    if (withName) PutName(code.name, image, base + L::kCodeName);
}

void GetCodeBlock(const RadioImage& image, std::size_t base, std::size_t capacity, bool withName,
                  FiveToneCode& code) {
    for (const auto& field : L::kCodeByteFields) code.*field.member = image.at(base + field.offset);
    // A length the block cannot hold would run into the name or the next block: the
    // symbols there are not this code's, so the code reads as empty.
    if (code.length > capacity) code.length = 0;
    const std::size_t length = code.length;
    code.duration = DurationOrDefault(code.duration);

    // Each byte holds two symbols, high nibble first.
    std::array<char, kFiveToneCodeSymbols + 1> symbols{};
    const auto bytes = image.block(base + L::kCodeSymbols, ByteCountFor(length));
    for (std::size_t i = 0; i < length; ++i) {
        const std::uint8_t byte = bytes[i / 2];
        symbols[i] = HexDigit(i % 2 == 0 ? byte >> 4 : byte & 0x0F);
    }
    code.code = FixedText<40>::Value(std::string_view(symbols.data(), length));
    if (withName) code.name = GetName(image, base + L::kCodeName);
}

void PutInfoCode(const InfoCode& info, RadioImage& image, std::size_t base) {
    CheckLength(info.length, kInfoCodeSymbols, "information code");
    for (const auto& field : L::kInfoByteFields) image.at(base + field.offset) = info.*field.member;
    const std::string symbols = SymbolsOf(info.code.raw(), info.length);
    auto out = image.block(base + L::kInfoSymbols, symbols.size());
    for (std::size_t j = 0; j < out.size(); ++j) {
        out[j] = static_cast<std::uint8_t>(HexDigitValue(symbols[j]));
    }
    PutName(info.name, image, base + L::kInfoName);
}

// Erased memory reads 0xFF; for these fields it means "nothing set".
std::uint8_t ZeroIfErased(std::uint8_t byte) {
    return byte == 0xFF ? 0 : byte;
}

void GetInfoCode(const RadioImage& image, std::size_t base, InfoCode& info) {
    for (const auto& field : L::kInfoByteFields) {
        info.*field.member = ZeroIfErased(image.at(base + field.offset));
    }
    if (info.length > kInfoCodeSymbols) info.length = 0;  // would run into the name
    const std::size_t length = info.length;

    std::string symbols;
    for (std::uint8_t byte : image.block(base + L::kInfoSymbols, length)) {
        // One symbol per byte, written without a leading zero (0x0A gives "A").
        if (byte >= 16) symbols += HexDigit(byte >> 4);
        symbols += HexDigit(byte & 0x0F);
    }
    symbols.resize(length);
    info.code = FixedText<12>::Value(symbols);
    info.name = GetName(image, base + L::kInfoName);
}

std::uint8_t DecimalDigitValue(char c) {
    if (c < '0' || c > '9') {
        throw EncodeError(std::string("own 5-Tone ID holds a non-digit: '") + c + "'");
    }
    return static_cast<std::uint8_t>(c - '0');
}

}  // namespace

void PackFiveTone(FiveToneSettings& s, std::uint8_t decodeTime, RadioImage& image) {
    for (const auto& field : L::kByteFields) image.at(field.offset) = s.*field.member;
    auto ownId = image.block(L::kOwnId, L::kOwnIdDigits);
    for (std::size_t i = 0; i < ownId.size(); ++i) {
        ownId[i] = i < s.ownIdLength ? DecimalDigitValue(s.ownId.bytes[i]) : 0;
    }
    for (const auto& field : L::kCheckedByteFields) {
        image.at(field.offset) =
            CheckedByte(s.*field.member, FieldName(kFiveToneSettingsFields, field.member));
    }
    image.at(L::kDecodeTime) = decodeTime;

    for (const auto& block : L::kPttIdBlocks) {
        WithContext(FieldName(kFiveToneSettingsFields, block.member), [&] {
            PutCodeBlock(s.*block.member, image, block.offset, L::kPttIdSymbolCapacity, false);
        });
    }

    for (int i = 0; i < kInfoCodeCount; ++i) {
        WithContext("infoCodes", i, [&] {
            PutInfoCode(s.infoCodes[static_cast<std::size_t>(i)], image, L::InfoCodeBase(i));
        });
    }

    // Every block is written, stored or not; the prefilled bitmap marks all entries empty.
    for (int k = 0; k < kFiveToneEntryCount; ++k) {
        FiveToneCode& entry = s.codeTable[static_cast<std::size_t>(k)];
        if (entry.empty == 0) ClearEntryBit(image, L::kEntryBitmap, k);
        WithContext("codeTable", k, [&] {
            PutCodeBlock(entry, image, L::CodeTableBase(k), L::kCodeSymbolCapacity, true);
        });
    }
}

void UnpackFiveTone(const RadioImage& image, FiveToneSettings& s, std::uint8_t& decodeTime) {
    for (const auto& field : L::kByteFields) s.*field.member = image.at(field.offset);
    for (const auto& field : L::kCheckedByteFields) s.*field.member = image.at(field.offset);
    decodeTime = image.at(L::kDecodeTime);

    // The decimal text of each own-ID byte in use; only the five own-ID bytes are read.
    std::string ownId;
    const std::size_t digits = std::min<std::size_t>(s.ownIdLength, L::kOwnIdDigits);
    for (std::uint8_t byte : image.block(L::kOwnId, digits)) ownId += std::to_string(byte);
    s.ownId = FixedText<6>::Value(ownId);

    for (const auto& block : L::kPttIdBlocks) {
        GetCodeBlock(image, block.offset, L::kPttIdSymbolCapacity, false, s.*block.member);
    }

    for (int i = 0; i < kInfoCodeCount; ++i) {
        GetInfoCode(image, L::InfoCodeBase(i), s.infoCodes[static_cast<std::size_t>(i)]);
    }

    for (int k = 0; k < kFiveToneEntryCount; ++k) {
        FiveToneCode& entry = s.codeTable[static_cast<std::size_t>(k)];
        entry.empty = EntryBit(image, L::kEntryBitmap, k) ? 1 : 0;
        GetCodeBlock(image, L::CodeTableBase(k), L::kCodeSymbolCapacity, true, entry);
    }
}

}  // namespace torvik
