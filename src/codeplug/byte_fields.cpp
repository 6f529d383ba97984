#include "codeplug/byte_fields.h"

namespace torvik {

namespace {

std::string NamedValue(std::string_view name, long value) {
    const std::string number = std::to_string(value);
    return name.empty() ? "value " + number : std::string(name) + " = " + number;
}

}  // namespace

std::uint8_t CheckedByte(long value, std::string_view name) {
    if (value < 0 || value > 255) {
        throw EncodeError(NamedValue(name, value) + " does not fit in a byte");
    }
    return static_cast<std::uint8_t>(value);
}

void PutFields(RadioImage& image, std::size_t base, std::initializer_list<FieldValue> fields) {
    if (fields.size() == 0) return;
    const std::size_t offset = fields.begin()->field.offset;
    long byte = 0;
    long used = 0;
    for (const auto& [field, value] : fields) {
        const long mask = field.maxValue() << field.shift;
        if (field.offset != offset || (used & mask) != 0) {
            throw std::logic_error(std::string(field.name) + " does not share its byte cleanly");
        }
        if (value < 0 || value > field.maxValue()) {
            throw EncodeError(NamedValue(field.name, value) + " does not fit " +
                              std::to_string(field.width) + (field.width == 1 ? " bit" : " bits"));
        }
        used |= mask;
        byte |= value << field.shift;
    }
    image.at(base + offset) = CheckedByte(byte);
}

int GetField(const RadioImage& image, std::size_t base, const BitField& field) {
    return static_cast<int>((image.at(base + field.offset) >> field.shift) & field.maxValue());
}

bool EntryBit(const RadioImage& image, std::size_t base, int entry) {
    return ((image.at(base + static_cast<std::size_t>(entry / 8)) >> (entry % 8)) & 1) != 0;
}

void ClearEntryBit(RadioImage& image, std::size_t base, int entry) {
    std::uint8_t& byte = image.at(base + static_cast<std::size_t>(entry / 8));
    byte = static_cast<std::uint8_t>(byte & ~(1U << (entry % 8)));
}

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    throw EncodeError(std::string("not a hexadecimal digit: '") + c + "'");
}

std::uint8_t HexPairToByte(char high, char low) {
    return static_cast<std::uint8_t>(HexDigitValue(high) * 16 + HexDigitValue(low));
}

std::string ByteToHex2(std::uint8_t value) {
    return {HexDigit(value >> 4), HexDigit(value & 0x0F)};
}

void PutLittleEndian16(RadioImage& image, std::size_t address, std::uint16_t value) {
    auto run = image.block(address, 2);
    run[0] = static_cast<std::uint8_t>(value & 0xFF);
    run[1] = static_cast<std::uint8_t>(value >> 8);
}

std::uint16_t GetLittleEndian16(const RadioImage& image, std::size_t address) {
    auto run = image.block(address, 2);
    return static_cast<std::uint16_t>(run[0] | (run[1] << 8));
}

void PutBigEndian16(RadioImage& image, std::size_t address, std::uint16_t value) {
    auto run = image.block(address, 2);
    run[0] = static_cast<std::uint8_t>(value >> 8);
    run[1] = static_cast<std::uint8_t>(value & 0xFF);
}

std::uint16_t GetBigEndian16(const RadioImage& image, std::size_t address) {
    auto run = image.block(address, 2);
    return static_cast<std::uint16_t>((run[0] << 8) | run[1]);
}

void PutImageName(std::string_view text, std::span<std::uint8_t> out) {
    const std::uint8_t fill = text.empty() ? 0x00 : 0x20;
    for (std::size_t i = 0; i < out.size(); ++i) {
        out[i] = i < text.size() ? static_cast<std::uint8_t>(text[i]) : fill;
    }
}

std::string GetImageName(std::span<const std::uint8_t> in) {
    std::string text;
    for (std::uint8_t byte : in) {
        if (byte == 0x00 || byte == 0xFF) break;
        text += static_cast<char>(byte);
    }
    return text;
}

bool IsDecimalDigits(std::string_view text) {
    if (text.empty()) return false;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
    }
    return true;
}

}  // namespace torvik
