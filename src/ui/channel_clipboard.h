// The channel list's clipboard is the desktop's: copied rows go to other windows of the program
// and to spreadsheets. They are put there twice: in the program's own form (every field of each
// slot, empty slots too, with the band they were made for), and as tab-separated text with the
// list's titles and cells.
#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "aggregate/codeplug.h"
#include "channel_edit/channel_slots.h"

class QMimeData;

namespace torvik {

class Reporter;

enum class ClipboardCommand { Copy, Cut, Paste, Delete };

inline constexpr const char* kChannelSlotsMimeType = "application/x-torvik-channel-slots";

// The rows `rows` (channel numbers) in both forms.
QMimeData* ChannelRowsMimeData(const Codeplug& codeplug, const std::vector<int>& rows,
                               Reporter& texts);

struct CopiedSlots {
    std::int16_t bandCode = 0;
    std::vector<ChannelSlot> channels;  // an empty slot where a row was empty
};

// The program's own form, when `mime` holds it and every field in it is sound.
std::optional<CopiedSlots> CopiedChannelSlots(const QMimeData& mime);

}  // namespace torvik
