// The data-file form of records: fields in declaration order, nothing between them, 16-bit
// integers little-endian, single bytes as they are, fixed-width text as its N bytes, arrays
// and nested records element by element.
//
// A record type takes part by offering its field list through an ADL-visible function
//     constexpr const auto& FieldsOf(const MyRecord*) { return kMyRecordFields; }
// A field of a type with its own byte form (a big-endian pair, say) adds overloads of
// WriteValue / ReadValue / SerializedSizeOf for that type in namespace torvik.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <tuple>
#include <type_traits>
#include <vector>

#include "codeplug/fixed_text.h"

namespace torvik {

// Input that ends before the record does.
class ShortInputError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

class ByteWriter {
  public:
    explicit ByteWriter(std::vector<std::uint8_t>& out) : out_(out) {}
    void byte(std::uint8_t b) { out_.push_back(b); }
    void bytes(std::span<const std::uint8_t> run) {
        out_.insert(out_.end(), run.begin(), run.end());
    }

  private:
    std::vector<std::uint8_t>& out_;
};

class ByteReader {
  public:
    explicit ByteReader(std::span<const std::uint8_t> in) : in_(in) {}
    std::uint8_t byte() {
        if (pos_ >= in_.size()) throw ShortInputError("record data ends early");
        return in_[pos_++];
    }
    std::size_t position() const { return pos_; }

  private:
    std::span<const std::uint8_t> in_;
    std::size_t pos_ = 0;
};

template <class T>
concept HasFieldList = requires(const T* p) {
    FieldsOf(p);
};

// --- sizes ---------------------------------------------------------------------------------

constexpr std::size_t SerializedSizeOf(const std::int16_t*) {
    return 2;
}
constexpr std::size_t SerializedSizeOf(const std::uint8_t*) {
    return 1;
}
template <std::size_t N>
constexpr std::size_t SerializedSizeOf(const FixedText<N>*) {
    return N;
}
template <class T, std::size_t N>
constexpr std::size_t SerializedSizeOf(const std::array<T, N>*) {
    return N * SerializedSizeOf(static_cast<const T*>(nullptr));
}
template <HasFieldList R>
constexpr std::size_t SerializedSizeOf(const R* p) {
    return std::apply(
        [](const auto&... f) {
            return (std::size_t{0} + ... +
                    SerializedSizeOf(
                        static_cast<
                            const std::remove_cvref_t<decltype(std::declval<R>().*(f.member))>*>(
                            nullptr)));
        },
        FieldsOf(p));
}

// The byte count of T's data-file form, usable in static_assert.
template <class T>
constexpr std::size_t SerializedSize = SerializedSizeOf(static_cast<const T*>(nullptr));

// --- writing -------------------------------------------------------------------------------

inline void WriteValue(ByteWriter& w, std::int16_t v) {
    const auto u = static_cast<std::uint16_t>(v);
    w.byte(static_cast<std::uint8_t>(u & 0xFF));
    w.byte(static_cast<std::uint8_t>(u >> 8));
}
inline void WriteValue(ByteWriter& w, std::uint8_t v) {
    w.byte(v);
}
template <std::size_t N>
void WriteValue(ByteWriter& w, const FixedText<N>& t) {
    for (char c : t.bytes) w.byte(static_cast<std::uint8_t>(c));
}
template <class T, std::size_t N>
void WriteValue(ByteWriter& w, const std::array<T, N>& a) {
    for (const T& e : a) WriteValue(w, e);
}
template <HasFieldList R>
void WriteValue(ByteWriter& w, const R& r) {
    std::apply([&](const auto&... f) { (WriteValue(w, r.*(f.member)), ...); }, FieldsOf(&r));
}

// --- reading -------------------------------------------------------------------------------

inline void ReadValue(ByteReader& r, std::int16_t& v) {
    const std::uint8_t low = r.byte();
    v = static_cast<std::int16_t>(low | (r.byte() << 8));
}
inline void ReadValue(ByteReader& r, std::uint8_t& v) {
    v = r.byte();
}
template <std::size_t N>
void ReadValue(ByteReader& r, FixedText<N>& t) {
    for (char& c : t.bytes) c = static_cast<char>(r.byte());
}
template <class T, std::size_t N>
void ReadValue(ByteReader& r, std::array<T, N>& a) {
    for (T& e : a) ReadValue(r, e);
}
template <HasFieldList R>
void ReadValue(ByteReader& r, R& rec) {
    std::apply([&](const auto&... f) { (ReadValue(r, rec.*(f.member)), ...); }, FieldsOf(&rec));
}

// A whole record as bytes, and back. FromBytes throws ShortInputError on short input.
template <class T>
std::vector<std::uint8_t> ToBytes(const T& value) {
    std::vector<std::uint8_t> out;
    out.reserve(SerializedSize<T>);
    ByteWriter w(out);
    WriteValue(w, value);
    return out;
}

template <class T>
T FromBytes(std::span<const std::uint8_t> in) {
    T value{};
    ByteReader r(in);
    ReadValue(r, value);
    return value;
}

}  // namespace torvik
