#include "platform/gbk.h"

#include <iconv.h>

#include <cerrno>

namespace torvik {
namespace {

bool IsAscii(std::string_view text) {
    for (unsigned char c : text) {
        if (c > 0x7F) return false;
    }
    return true;
}

enum class Direction { GbkToUtf8, Utf8ToGbk };

// Opening a converter loads its tables, which costs far more than converting a short text, so
// each thread keeps one per direction and puts it back into its initial state for each use.
iconv_t ConverterFor(Direction direction) {
    struct Converters {
        iconv_t fromGbk = iconv_open("UTF-8", "GBK");
        iconv_t toGbk = iconv_open("GBK", "UTF-8");
        ~Converters() {
            for (iconv_t cd : {fromGbk, toGbk}) {
                if (cd != reinterpret_cast<iconv_t>(-1)) iconv_close(cd);
            }
        }
    };
    thread_local Converters converters;
    const iconv_t cd = direction == Direction::GbkToUtf8 ? converters.fromGbk : converters.toGbk;
    if (cd != reinterpret_cast<iconv_t>(-1)) iconv(cd, nullptr, nullptr, nullptr, nullptr);
    return cd;
}

// Converts the whole of `in`, or nothing. With `lossy`, each unconvertible byte gives "?".
std::optional<std::string> Convert(Direction direction, std::string_view in, bool lossy) {
    if (IsAscii(in)) return std::string(in);  // ASCII is the same in both
    const iconv_t cd = ConverterFor(direction);
    if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;

    std::string out;
    std::string input(in);
    char* src = input.data();
    std::size_t srcLeft = input.size();
    char buffer[256];
    while (srcLeft > 0) {
        char* dst = buffer;
        std::size_t dstLeft = sizeof buffer;
        const std::size_t rc = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
        out.append(buffer, static_cast<std::size_t>(dst - buffer));
        if (rc == static_cast<std::size_t>(-1) && errno != E2BIG) {
            if (!lossy) return std::nullopt;
            out += '?';
            ++src;
            --srcLeft;
        }
    }
    return out;
}

}  // namespace

std::optional<std::string> GbkToUtf8(std::string_view gbk) {
    return Convert(Direction::GbkToUtf8, gbk, false);
}

std::optional<std::string> Utf8ToGbk(std::string_view utf8) {
    return Convert(Direction::Utf8ToGbk, utf8, false);
}

std::string GbkToUtf8Lossy(std::string_view gbk) {
    return Convert(Direction::GbkToUtf8, gbk, true).value_or(std::string());
}

}  // namespace torvik
