// Fixed-width single-byte text fields as the data files and the image hold them: exactly
// N bytes, blank-padded; a shorter value is stored as its text, one NUL, then blanks.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace torvik {

// Trailing blanks removed, then everything from the first NUL on.
std::string CutAtNul(std::string_view text);

// The same text, as a view into `text`: for the codecs, which read every field of every
// record and need no copy.
inline std::string_view CutAtNulView(std::string_view text) {
    const std::size_t last = text.find_last_not_of(' ');
    text = last == std::string_view::npos ? std::string_view{} : text.substr(0, last + 1);
    return text.substr(0, text.find('\0'));
}

template <std::size_t N>
struct FixedText {
    static constexpr std::size_t kWidth = N;

    std::array<char, N> bytes = Blank();

    // The raw bytes, as stored.
    static FixedText Raw(std::string_view raw) {
        FixedText t;
        std::copy_n(raw.begin(), std::min(raw.size(), N), t.bytes.begin());
        return t;
    }

    // `text` as a field value: the text, then one NUL when it is shorter than the field
    // (so CutAtNul gives the text back even if it ends in blanks), then blanks. Longer
    // text is cut to the width.
    static FixedText Value(std::string_view text) {
        FixedText t;
        const std::size_t n = std::min(text.size(), N);
        std::copy_n(text.begin(), n, t.bytes.begin());
        if (n < N) t.bytes[n] = '\0';
        return t;
    }

    std::string_view raw() const { return {bytes.data(), N}; }
    // The value as CutAtNul reads it.
    std::string text() const { return CutAtNul(raw()); }
    // The same without a copy; valid while this value lives.
    std::string_view view() const { return CutAtNulView(raw()); }

    bool operator==(const FixedText&) const = default;

  private:
    static constexpr std::array<char, N> Blank() {
        std::array<char, N> a{};
        a.fill(' ');
        return a;
    }
};

}  // namespace torvik
