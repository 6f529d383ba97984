// The 5-Tone area of the radio image.
//
//   800  headerByte      801  decodeResponse  802  standard        803  ownIdLength
//   804  duration
//   805..809  own ID, one digit value 0..9 per byte (0 beyond its length)
//   810  not written
//   811  preSendDelay    812  postSendDelay   813  interCodePause  814  autoResetTime
//   815  firstDigitDelay 816  sideTone        817  aniSeparator    818  pauseCodeRange
//   819  pauseTime       (these five 16-bit fields as one byte each, 0..255)
//   820  decodeTime
//   864  pttIdBegin code block (16 bytes)     880  pttIdEnd code block (16 bytes)
//   912..924  code-table entry bitmap, entry k = bit (k mod 8) of 912 + k div 8, 1 = empty
//   1280 + 32 i   information code i + 1, i = 0..7
//   3328 + 32 k   code-table entry k, k = 0..99
//
//   code block at b    b+1 standard, b+2 length, b+3 duration (3..10; else 7),
//                      b+4.. symbols two per byte, first in the high nibble, an odd count
//                      completed with "E"; b+24..b+30 name (code table only)
//   info code at b     b+0 function, b+1 response, b+2 length (each 0xFF reads as 0),
//                      b+3.. one symbol value 0..15 per byte, b+16..b+22 name
//   names              the text, blank-padded to 7; an empty name is seven 0x00 bytes
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "calling/fivetone/five_tone_settings.h"
#include "codeplug/radio_image.h"

namespace torvik {

struct FiveToneLayout {
    // A field of `Record` at `offset`: from the image start for the area's own fields, from
    // the start of its block for a code's or an information code's.
    template <class Record, class Value>
    struct Field {
        std::size_t offset;
        Value Record::*member;
    };

    // Bytes that hold one field each, as its value.
    static constexpr std::array<Field<FiveToneSettings, std::uint8_t>, 9> kByteFields{{
        {800, &FiveToneSettings::headerByte},
        {801, &FiveToneSettings::decodeResponse},
        {802, &FiveToneSettings::standard},
        {803, &FiveToneSettings::ownIdLength},
        {804, &FiveToneSettings::duration},
        {811, &FiveToneSettings::preSendDelay},
        {812, &FiveToneSettings::postSendDelay},
        {813, &FiveToneSettings::interCodePause},
        {814, &FiveToneSettings::autoResetTime},
    }};
    // 16-bit fields held as one byte each; a value outside 0..255 cannot be written.
    static constexpr std::array<Field<FiveToneSettings, std::int16_t>, 5> kCheckedByteFields{{
        {815, &FiveToneSettings::firstDigitDelay},
        {816, &FiveToneSettings::sideTone},
        {817, &FiveToneSettings::aniSeparator},
        {818, &FiveToneSettings::pauseCodeRange},
        {819, &FiveToneSettings::pauseTime},
    }};
    static constexpr std::size_t kOwnId = 805;
    static constexpr std::size_t kOwnIdDigits = 5;
    static constexpr std::size_t kDecodeTime = 820;

    // The two PTT-ID codes, each a code block without a name.
    static constexpr std::size_t kPttIdBlockSize = 16;
    static constexpr std::array<Field<FiveToneSettings, FiveToneCode>, 2> kPttIdBlocks{{
        {864, &FiveToneSettings::pttIdBegin},
        {880, &FiveToneSettings::pttIdEnd},
    }};

    static constexpr std::size_t kEntryBitmap = 912;

    static constexpr std::size_t kInfoCodeArea = 1280;
    static constexpr std::size_t kInfoCodeBlockSize = 32;
    static constexpr std::size_t kCodeTableArea = 3328;
    static constexpr std::size_t kCodeBlockSize = 32;

    // Bytes inside a code block.
    static constexpr std::array<Field<FiveToneCode, std::uint8_t>, 3> kCodeByteFields{{
        {1, &FiveToneCode::standard},
        {2, &FiveToneCode::length},
        {3, &FiveToneCode::duration},
    }};
    static constexpr std::size_t kCodeSymbols = 4;
    static constexpr std::size_t kCodeName = 24;

    // Bytes inside an information-code block.
    static constexpr std::array<Field<InfoCode, std::uint8_t>, 3> kInfoByteFields{{
        {0, &InfoCode::function},
        {1, &InfoCode::response},
        {2, &InfoCode::length},
    }};
    static constexpr std::size_t kInfoSymbols = 3;
    static constexpr std::size_t kInfoName = 16;

    static constexpr std::size_t kNameBytes = 7;

    // Symbols that fit between the start of the symbols and what follows them: the end of
    // a PTT-ID block, the name of a code-table entry.
    static constexpr std::size_t kPttIdSymbolCapacity = 2 * (kPttIdBlockSize - kCodeSymbols);
    static constexpr std::size_t kCodeSymbolCapacity = 2 * (kCodeName - kCodeSymbols);

    static constexpr std::size_t InfoCodeBase(int i) {
        return kInfoCodeArea + kInfoCodeBlockSize * static_cast<std::size_t>(i);
    }
    static constexpr std::size_t CodeTableBase(int k) {
        return kCodeTableArea + kCodeBlockSize * static_cast<std::size_t>(k);
    }
};

static_assert(FiveToneLayout::kPttIdSymbolCapacity == kPttIdCodeSymbols);
static_assert(FiveToneLayout::kCodeSymbolCapacity == kFiveToneCodeSymbols);
static_assert(FiveToneLayout::kInfoSymbols + kInfoCodeSymbols <= FiveToneLayout::kInfoName);
static_assert(FiveToneLayout::kPttIdBlocks[0].offset + FiveToneLayout::kPttIdBlockSize ==
              FiveToneLayout::kPttIdBlocks[1].offset);

// Writes the settings and decodeTime into a prefilled image. A code-block duration outside
// 3..10 is set to 7 in the record first. Throws EncodeError on anything the layout cannot
// hold: a symbol that is not a hexadecimal digit, an own-ID character that is not a decimal
// digit, a 16-bit field outside 0..255, or a code longer than its block's symbol bytes
// (24 symbols for the PTT-ID codes, 40 for code-table entries, 12 for information codes).
void PackFiveTone(FiveToneSettings& settings, std::uint8_t decodeTime, RadioImage& image);

// Reads the settings and decodeTime back. The PTT-ID codes keep their `empty` and `name`,
// every record keeps its `spare`. A code length the block cannot hold reads as 0.
void UnpackFiveTone(const RadioImage& image, FiveToneSettings& settings, std::uint8_t& decodeTime);

}  // namespace torvik
