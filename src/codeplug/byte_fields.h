// Typed helpers for the shapes that recur in the image layouts: checked bytes, bit fields,
// entry bitmaps, hex digits and 16-bit values. Every conversion that could lose a value
// raises EncodeError instead, so an encoder fails loudly rather than writing a wrapped byte.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

#include "codeplug/radio_image.h"

namespace torvik {

// A value that cannot be written into the image as the layout requires.
class EncodeError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// `value` as a byte; anything outside 0..255 is an encoding error.
std::uint8_t CheckedByte(long value);

// One bit field of a packed byte: `value` in `width` bits starting at bit `shift`.
struct BitField {
    long value;
    int shift;
    int width = 1;
};

// Packs the fields into one byte. A value that does not fit its own bits is an encoding
// error: summing it in would silently change the neighbouring field.
std::uint8_t PackBits(std::initializer_list<BitField> fields);

// Reads `width` bits starting at `shift`.
constexpr int BitsOf(std::uint8_t byte, int shift, int width = 1) {
    return (byte >> shift) & ((1 << width) - 1);
}

// Entry bitmaps: entry j is bit (j mod 8) of byte base + j div 8.
bool EntryBit(const RadioImage& image, std::size_t base, int entry);
// Marks `entry` as present (or not skipped) by clearing its bit. Clearing an already clear
// bit changes nothing, so a duplicate entry cannot disturb its neighbours.
void ClearEntryBit(RadioImage& image, std::size_t base, int entry);

// A hexadecimal digit character as its value; anything else is an encoding error.
int HexDigitValue(char c);
// Two characters read as one hexadecimal byte ("43" gives 0x43, so decimal pairs give BCD).
std::uint8_t HexPairToByte(char high, char low);

// Two upper-case, zero-padded hexadecimal digits.
std::string ByteToHex2(std::uint8_t value);

// 16-bit values in the two byte orders the layouts use.
void PutLittleEndian16(RadioImage& image, std::size_t address, std::uint16_t value);
std::uint16_t GetLittleEndian16(const RadioImage& image, std::size_t address);
void PutBigEndian16(RadioImage& image, std::size_t address, std::uint16_t value);
std::uint16_t GetBigEndian16(const RadioImage& image, std::size_t address);

// A 1-based choice (0 = none) is stored as a 0-based byte (0xFF = none): the byte is
// ClampToByte(v - 1) and loading gives ClampToByte(byte + 1).
constexpr std::int16_t ClampToByte(int value) {
    if (value < 0) return 255;
    if (value > 255) return 0;
    return static_cast<std::int16_t>(value);
}

// A name in the image: an empty name is all zeros, any other its bytes filled with blanks.
void PutImageName(std::string_view text, std::span<std::uint8_t> out);
// A name read up to the first 0x00 or 0xFF (erased memory); the blanks that fill it stay.
std::string GetImageName(std::span<const std::uint8_t> in);

// True when `text` is non-empty and holds decimal digits only.
bool IsDecimalDigits(std::string_view text);

}  // namespace torvik
