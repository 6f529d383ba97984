// The radio's programming password: compared on the PC with the one the user typed in this
// run before any block is transferred. The radio never receives the typed password.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace torvik {

inline constexpr std::size_t kPasswordMaxLength = 4;

// The password dialog's text as it is kept: at most four characters, trailing blanks and
// everything from a NUL on removed.
std::string AcceptTypedPassword(std::string_view typed);

// Whether the password carried by the 16 data bytes of block 0x0040 equals the session's
// password, exactly (case-sensitive). An empty radio password matches an empty session one.
bool PasswordMatches(std::span<const std::uint8_t> passwordBlockData,
                     std::string_view sessionPassword);

}  // namespace torvik
