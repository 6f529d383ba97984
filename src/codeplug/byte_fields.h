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

// Runs `write`; an encoding error it raises is raised again with "`context`: " in front, so
// the message says which field or record could not be written.
template <class Write>
void WithContext(std::string_view context, Write&& write) {
    try {
        write();
    } catch (const EncodeError& error) {
        throw EncodeError(std::string(context) + ": " + error.what());
    }
}

// The name of an array element in those messages: "codeTable[3]".
inline std::string IndexedName(std::string_view array, int index) {
    return std::string(array) + "[" + std::to_string(index) + "]";
}

// The same for an array element: its name ("codeTable[3]") is made only for a message.
template <class Write>
void WithContext(std::string_view array, int index, Write&& write) {
    try {
        write();
    } catch (const EncodeError& error) {
        throw EncodeError(IndexedName(array, index) + ": " + error.what());
    }
}

// The encoding errors of the helpers below, raised out of line so the helpers stay small
// enough to inline: the codecs call them for every field of every record.
[[noreturn]] void ThrowByteRange(long value, std::string_view name);
[[noreturn]] void ThrowFieldRange(std::string_view name, long value, int width);
[[noreturn]] void ThrowSharedByte(std::string_view name);
[[noreturn]] void ThrowNotHexDigit(char c);

// `value` as a byte; anything outside 0..255 is an encoding error, naming the field when
// `name` is given.
inline std::uint8_t CheckedByte(long value, std::string_view name = {}) {
    if (value < 0 || value > 255) ThrowByteRange(value, name);
    return static_cast<std::uint8_t>(value);
}

// A bit field of an image layout: `width` bits from bit `shift` of the byte at `offset`
// (from the start of its record, or of the image for an area at a fixed address). Each
// field is declared once, beside its area's codec, and both the encoder and the decoder go
// through that declaration, so a field's place is written down in one spot only. `name` is
// how an encoding error names the field.
struct BitField {
    std::string_view name;
    std::size_t offset;
    int shift;
    int width;

    constexpr BitField(std::string_view fieldName, std::size_t byteOffset, int firstBit,
                       int bitCount)
        : name(fieldName), offset(byteOffset), shift(firstBit), width(bitCount) {
        // A layout constant whose bits leave its byte does not compile.
        if (bitCount < 1 || firstBit < 0 || firstBit + bitCount > 8) {
            throw std::logic_error("bit field outside its byte");
        }
    }

    // The largest value the field holds.
    constexpr long maxValue() const { return (1L << width) - 1; }
};

// A value for a bit field, as written by PutFields.
struct FieldValue {
    BitField field;
    long value;
};

// Writes the byte the fields share, at base + their offset: each value in its own bits, every
// bit that no field covers 0. A value that does not fit its bits is an encoding error naming
// the field and the value: summing it in would silently change the neighbouring field.
// Fields of different bytes, or with bits in common, are a mistake of the layout
// (std::logic_error).
inline void PutFields(RadioImage& image, std::size_t base,
                      std::initializer_list<FieldValue> fields) {
    if (fields.size() == 0) return;
    const std::size_t offset = fields.begin()->field.offset;
    long byte = 0;
    long used = 0;
    for (const auto& [field, value] : fields) {
        const long mask = field.maxValue() << field.shift;
        if (field.offset != offset || (used & mask) != 0) ThrowSharedByte(field.name);
        if (value < 0 || value > field.maxValue()) ThrowFieldRange(field.name, value, field.width);
        used |= mask;
        byte |= value << field.shift;
    }
    image.at(base + offset) = CheckedByte(byte);
}

// Reads a bit field of the record at `base`.
inline int GetField(const RadioImage& image, std::size_t base, const BitField& field) {
    return static_cast<int>((image.at(base + field.offset) >> field.shift) & field.maxValue());
}

// The same for an area whose fields have fixed image addresses.
inline void PutFields(RadioImage& image, std::initializer_list<FieldValue> fields) {
    PutFields(image, 0, fields);
}
inline int GetField(const RadioImage& image, const BitField& field) {
    return GetField(image, 0, field);
}

// Entry bitmaps: entry j is bit (j mod 8) of byte base + j div 8.
inline bool EntryBit(const RadioImage& image, std::size_t base, int entry) {
    return ((image.at(base + static_cast<std::size_t>(entry / 8)) >> (entry % 8)) & 1) != 0;
}
// Marks `entry` as present (or not skipped) by clearing its bit. Clearing an already clear
// bit changes nothing, so a duplicate entry cannot disturb its neighbours.
inline void ClearEntryBit(RadioImage& image, std::size_t base, int entry) {
    std::uint8_t& byte = image.at(base + static_cast<std::size_t>(entry / 8));
    byte = static_cast<std::uint8_t>(byte & ~(1U << (entry % 8)));
}

// A hexadecimal digit character as its value; anything else is an encoding error.
inline int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    ThrowNotHexDigit(c);
}
// Two characters read as one hexadecimal byte ("43" gives 0x43, so decimal pairs give BCD).
inline std::uint8_t HexPairToByte(char high, char low) {
    return static_cast<std::uint8_t>(HexDigitValue(high) * 16 + HexDigitValue(low));
}

// The upper-case hexadecimal digit of a value 0..15.
constexpr char HexDigit(int value) {
    return "0123456789ABCDEF"[value];
}

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
// A view of the image's bytes, valid while the image is: the codecs copy it into a record.
inline std::string_view GetImageName(std::span<const std::uint8_t> in) {
    std::size_t length = 0;
    while (length < in.size() && in[length] != 0x00 && in[length] != 0xFF) ++length;
    return {reinterpret_cast<const char*>(in.data()), length};
}

// True when `text` is non-empty and holds decimal digits only.
inline bool IsDecimalDigits(std::string_view text) {
    if (text.empty()) return false;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
    }
    return true;
}

}  // namespace torvik
