#include "codeplug/byte_fields.h"

namespace torvik {

namespace {

std::string NamedValue(std::string_view name, long value) {
    const std::string number = std::to_string(value);
    return name.empty() ? "value " + number : std::string(name) + " = " + number;
}

}  // namespace

void ThrowByteRange(long value, std::string_view name) {
    throw EncodeError(NamedValue(name, value) + " does not fit in a byte");
}

void ThrowFieldRange(std::string_view name, long value, int width) {
    throw EncodeError(NamedValue(name, value) + " does not fit " + std::to_string(width) +
                      (width == 1 ? " bit" : " bits"));
}

void ThrowSharedByte(std::string_view name) {
    throw std::logic_error(std::string(name) + " does not share its byte cleanly");
}

void ThrowNotHexDigit(char c) {
    throw EncodeError(std::string("not a hexadecimal digit: '") + c + "'");
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

}  // namespace torvik
