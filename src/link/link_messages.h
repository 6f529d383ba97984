// The link's own bilingual messages about how a connection was stopped: by the person at the
// controls, or because the radio kept asking for the same frame.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/language.h"

namespace torvik {

enum class LinkMessage {
    ReadCancelled,        // nothing changed
    WriteCancelled,       // the radio holds a partly written codeplug
    WriteCancelledEarly,  // stopped before any data frame went out: the radio is unchanged
    InfoReadCancelled,
};

std::string_view LinkMessageText(LinkMessage message, Language language);

// The radio asked for the data frame at `address` again more than `limit` times.
std::string RepeatLimitText(std::uint16_t address, int limit, Language language);

}  // namespace torvik
