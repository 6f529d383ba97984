// The 16 KB configuration image exchanged with the radio, its fill pattern, and the
// checked access every area codec goes through.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>

namespace torvik {

// Raised when code addresses a byte outside the image: a program error, never a wrap.
class ImageRangeError : public std::logic_error {
  public:
    using std::logic_error::logic_error;
};

class RadioImage {
  public:
    static constexpr std::size_t kSize = 16384;
    // The factory test-data block at the start of the image; prefill and the normal
    // transfers leave it alone.
    static constexpr std::size_t kTestDataEnd = 16;

    RadioImage() { bytes_.fill(0); }

    std::uint8_t at(std::size_t address) const { return bytes_[checked(address, 1)]; }
    std::uint8_t& at(std::size_t address) { return bytes_[checked(address, 1)]; }

    // A run of `length` bytes starting at `address`, checked as a whole.
    std::span<const std::uint8_t> block(std::size_t address, std::size_t length) const {
        return {bytes_.data() + checked(address, length), length};
    }
    std::span<std::uint8_t> block(std::size_t address, std::size_t length) {
        return {bytes_.data() + checked(address, length), length};
    }

    // Sets bytes first..last (inclusive) to `value`.
    void fill(std::size_t first, std::size_t last, std::uint8_t value);

    const std::array<std::uint8_t, kSize>& bytes() const { return bytes_; }

    bool operator==(const RadioImage&) const = default;

  private:
    static std::size_t checked(std::size_t address, std::size_t length) {
        if (address >= kSize || length > kSize - address) {
            throw ImageRangeError("radio image address out of range");
        }
        return address;
    }

    std::array<std::uint8_t, kSize> bytes_;
};

// Lays down the fill pattern every transfer starts from: zeros everywhere except the
// "entry is empty" bitmaps and the reserved block, which are 0xFF. Bytes 0..15 are kept.
void PrefillImage(RadioImage& image);

}  // namespace torvik
