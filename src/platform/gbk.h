// Conversion between the radio's text (GBK code page: ASCII plus double-byte Chinese) and
// the UTF-8 the rest of the program uses.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace torvik {

// GBK bytes as UTF-8; nothing when the bytes are not valid GBK.
std::optional<std::string> GbkToUtf8(std::string_view gbk);

// UTF-8 text as GBK bytes; nothing when a character has no GBK form.
std::optional<std::string> Utf8ToGbk(std::string_view utf8);

// For display of bytes from the radio or a file: invalid sequences become "?" rather than
// losing the whole text.
std::string GbkToUtf8Lossy(std::string_view gbk);

}  // namespace torvik
