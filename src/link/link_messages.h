// The link's own message about a radio that kept asking for the same frame. Its words are
// in the program's bilingual table (platform/built_in_texts.h), with those about how a
// connection was stopped by the person at the controls.
#pragma once

#include <cstdint>
#include <string>

#include "platform/language.h"

namespace torvik {

// The radio asked for the data frame at `address` again more than `limit` times.
std::string RepeatLimitText(std::uint16_t address, int limit, Language language);

}  // namespace torvik
