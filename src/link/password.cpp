#include "link/password.h"

#include "codeplug/fixed_text.h"
#include "link/frames.h"

namespace torvik {

std::string AcceptTypedPassword(std::string_view typed) {
    return CutAtNul(typed.substr(0, kPasswordMaxLength));
}

bool PasswordMatches(std::span<const std::uint8_t> passwordBlockData,
                     std::string_view sessionPassword) {
    if (passwordBlockData.size() < kBlockSize) return false;
    return RadioPassword(passwordBlockData) == sessionPassword;
}

}  // namespace torvik
