// Unsigned 16-bit values whose data-file form has its own byte order. The 2-Tone record
// keeps some values high byte first and others low byte first, and the files written so
// far rely on that, so each order is its own small type with its own file form.
#pragma once

#include <cstddef>
#include <cstdint>

#include "codeplug/record_bytes.h"

namespace torvik {

// Held high byte first in the data file.
struct HighByteFirst16 {
    std::uint16_t value = 0;
    bool operator==(const HighByteFirst16&) const = default;
};

// Held low byte first in the data file; unsigned, unlike the ordinary 16-bit fields.
struct LowByteFirst16 {
    std::uint16_t value = 0;
    bool operator==(const LowByteFirst16&) const = default;
};

constexpr std::size_t SerializedSizeOf(const HighByteFirst16*) {
    return 2;
}
constexpr std::size_t SerializedSizeOf(const LowByteFirst16*) {
    return 2;
}

inline void WriteValue(ByteWriter& w, HighByteFirst16 v) {
    w.byte(static_cast<std::uint8_t>(v.value >> 8));
    w.byte(static_cast<std::uint8_t>(v.value & 0xFF));
}
inline void WriteValue(ByteWriter& w, LowByteFirst16 v) {
    w.byte(static_cast<std::uint8_t>(v.value & 0xFF));
    w.byte(static_cast<std::uint8_t>(v.value >> 8));
}

inline void ReadValue(ByteReader& r, HighByteFirst16& v) {
    const std::uint8_t high = r.byte();
    v.value = static_cast<std::uint16_t>((high << 8) | r.byte());
}
inline void ReadValue(ByteReader& r, LowByteFirst16& v) {
    const std::uint8_t low = r.byte();
    v.value = static_cast<std::uint16_t>(low | (r.byte() << 8));
}

}  // namespace torvik
