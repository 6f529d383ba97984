#include "platform/gbk.h"

#include <iconv.h>

#include <cerrno>
#include <memory>

namespace torvik {
namespace {

bool IsAscii(std::string_view text) {
    for (unsigned char c : text) {
        if (c > 0x7F) return false;
    }
    return true;
}

// Converts the whole of `in`, or nothing. With `lossy`, each unconvertible byte gives "?".
std::optional<std::string> Convert(const char* to, const char* from, std::string_view in,
                                   bool lossy) {
    if (IsAscii(in)) return std::string(in);  // ASCII is the same in both
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
    std::unique_ptr<void, int (*)(iconv_t)> guard(cd, iconv_close);

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
    return Convert("UTF-8", "GBK", gbk, false);
}

std::optional<std::string> Utf8ToGbk(std::string_view utf8) {
    return Convert("GBK", "UTF-8", utf8, false);
}

std::string GbkToUtf8Lossy(std::string_view gbk) {
    return Convert("UTF-8", "GBK", gbk, true).value_or(std::string());
}

}  // namespace torvik
