// What the operations that edit many cells of the channel list at once share: a value the
// channel editor's rules refused, the list's text of a cell as the user sees and edits it,
// and a name cut to what a channel holds.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "aggregate/codeplug.h"
#include "channel_edit/channel_cells.h"
#include "channel_edit/channel_rows.h"
#include "platform/reporter.h"

namespace torvik {

// Why a frequency was refused: the rules' message alone does not say which of the two
// frequencies left the band when a new receive frequency takes the transmit one along.
enum class RefusalKind { Rules, ReceiveOutsideBand, TransmitOutsideBand };

// A value that was not taken: where (row 1..203, list column), what, and why in the rules'
// words. `corrected` is a frequency as the rules would have moved it (to the band limit).
struct RefusedValue {
    int row = 0;
    int column = 0;
    std::string value;
    std::string reason;
    std::string corrected;
    RefusalKind kind = RefusalKind::Rules;
};

// The cells of `row` as the list shows them (a name without its padding blanks); all empty
// for a row without a channel. `texts` gives the cells' words.
ChannelCells ListRowTexts(const Codeplug& codeplug, int row, const Reporter& texts);
// One cell of it: the cell of `row` and `column` as the list shows it (a name without its padding
// blanks); empty for a row without a channel. `texts` gives the cells' words.
std::string ListCellText(const Codeplug& codeplug, int row, int column, const Reporter& texts);

// At most the seven bytes a channel name holds, never cut inside a character.
std::string CutToNameLength(std::string_view name);

// Edits one cell as EditChannelCell does and, when the value is refused, says so as a
// RefusedValue (nothing when it was taken or changed nothing).
std::optional<RefusedValue> ApplyCellValue(Codeplug& codeplug, const FeatureFlags& features,
                                           int row, int column, const std::string& value,
                                           const Reporter& texts, bool* changed);

}  // namespace torvik
