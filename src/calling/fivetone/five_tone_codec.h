// The 5-Tone area of the radio image.
//
//   800  headerByte        801  decodeResponse   802  standard   803  ownIdLength
//   804  duration          805..809  own ID, one digit value 0..9 per byte (0 beyond length)
//   810  not written       811..814  preSendDelay, postSendDelay, interCodePause, autoResetTime
//   815  firstDigitDelay   816  sideTone   817  aniSeparator   818  pauseCodeRange
//   819  pauseTime         820  decodeTime        (the 16-bit fields as one byte, 0..255)
//   864  PTT-ID begin code block (16 bytes)     880  PTT-ID end code block (16 bytes)
//   912..924  code-table entry bitmap, entry k = bit (k mod 8) of 912 + k div 8, 1 = empty
//   1280 + 32 i   information code i + 1, i = 0..7
//   3328 + 32 k   code-table entry k, k = 0..99
//
//   code block at b    b+1 standard, b+2 length, b+3 duration (3..10),
//                      b+4.. symbols two per byte, first in the high nibble, an odd count
//                      completed with "E"; b+24..b+30 name (code table only)
//   info code at b     b+0 function, b+1 response, b+2 length,
//                      b+3.. one symbol value 0..15 per byte, b+16..b+22 name
//   names              the text, blank-padded to 7; an empty name is seven 0x00 bytes
#pragma once

#include <cstddef>
#include <cstdint>

#include "calling/fivetone/five_tone_settings.h"
#include "codeplug/radio_image.h"

namespace torvik {

struct FiveToneLayout {
    static constexpr std::size_t kHeaderByte = 800;
    static constexpr std::size_t kDecodeResponse = 801;
    static constexpr std::size_t kStandard = 802;
    static constexpr std::size_t kOwnIdLength = 803;
    static constexpr std::size_t kDuration = 804;
    static constexpr std::size_t kOwnId = 805;
    static constexpr std::size_t kOwnIdDigits = 5;
    static constexpr std::size_t kPreSendDelay = 811;
    static constexpr std::size_t kPostSendDelay = 812;
    static constexpr std::size_t kInterCodePause = 813;
    static constexpr std::size_t kAutoResetTime = 814;
    static constexpr std::size_t kFirstDigitDelay = 815;
    static constexpr std::size_t kSideTone = 816;
    static constexpr std::size_t kAniSeparator = 817;
    static constexpr std::size_t kPauseCodeRange = 818;
    static constexpr std::size_t kPauseTime = 819;
    static constexpr std::size_t kDecodeTime = 820;

    static constexpr std::size_t kPttIdBegin = 864;
    static constexpr std::size_t kPttIdEnd = 880;
    static constexpr std::size_t kPttIdBlockSize = 16;

    static constexpr std::size_t kEntryBitmap = 912;

    static constexpr std::size_t kInfoCodeArea = 1280;
    static constexpr std::size_t kInfoCodeBlockSize = 32;
    static constexpr std::size_t kCodeTableArea = 3328;
    static constexpr std::size_t kCodeBlockSize = 32;

    // Inside a code block.
    static constexpr std::size_t kCodeStandard = 1;
    static constexpr std::size_t kCodeLength = 2;
    static constexpr std::size_t kCodeDuration = 3;
    static constexpr std::size_t kCodeSymbols = 4;
    static constexpr std::size_t kCodeName = 24;

    // Inside an information-code block.
    static constexpr std::size_t kInfoFunction = 0;
    static constexpr std::size_t kInfoResponse = 1;
    static constexpr std::size_t kInfoLength = 2;
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
