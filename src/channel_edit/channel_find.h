// Find and replace over the channel list: a text or a regular expression matched against the
// cells as the list shows them (the whole cell or a part of it), the next matching cell from
// a position with wrapping at the end of the list, and names replaced through the channel
// editor's rules (cut to the seven bytes a name holds) on one channel or all at once.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "aggregate/codeplug.h"
#include "channel_edit/channel_batch.h"
#include "codeplug/feature_flags.h"
#include "platform/reporter.h"

namespace torvik {

// Search every shown column of the list instead of one.
inline constexpr int kEveryColumn = 0;

struct FindQuery {
    std::string text;
    bool regularExpression = false;
    bool wholeCell = false;  // the whole name (cell) must match, not a part of it
    bool matchCase = false;
    int column = kColumnName;  // a list column, or kEveryColumn
};

// The query made ready to match; a regular expression that does not compile leaves it
// invalid with the reason.
class CellMatcher {
  public:
    explicit CellMatcher(const FindQuery& query);
    ~CellMatcher();
    CellMatcher(CellMatcher&&) noexcept;
    CellMatcher& operator=(CellMatcher&&) noexcept;

    const FindQuery& query() const { return query_; }
    bool valid() const { return error_.empty(); }
    const std::string& error() const { return error_; }
    bool matches(const std::string& text) const;
    // `text` with each match (the whole text, for a whole-cell query) replaced by
    // `replacement`; in a regular expression "$1" and "$&" name what was matched. Nothing
    // when there is no match.
    std::optional<std::string> replace(const std::string& text,
                                       const std::string& replacement) const;

  private:
    struct Compiled;
    FindQuery query_;
    std::string error_;
    std::unique_ptr<Compiled> compiled_;
};

struct CellPosition {
    int row = 0;  // 1..203; 0: before the first row
    int column = 0;
    bool operator==(const CellPosition&) const = default;
};

struct FoundCell {
    CellPosition at;
    bool wrapped = false;  // the search went past the end of the list and on from its top
};

// The list columns a query searches, in the list's order (the hidden one never).
std::vector<int> SearchedColumns(int column);

// The first matching cell after `from` in the list's order (row by row, left to right),
// going on from the top after the last row; `from` itself comes last. Rows without a
// channel hold nothing to find.
std::optional<FoundCell> FindNextCell(const Codeplug& codeplug, const CellMatcher& matcher,
                                      CellPosition from, const Reporter& texts);

// One name as Replace changes it.
struct NameChange {
    int row = 0;
    std::string before;
    std::string after;  // as stored: cut to seven bytes
    bool cut = false;   // the replacement gave more than seven bytes
};

struct ReplaceOutcome {
    Codeplug codeplug;
    bool changed = false;
    std::vector<NameChange> changes;
    std::vector<RefusedValue> refusals;  // names the rules did not take
};

// Replaces the matches in the names of the channels `rows` (every channel when empty);
// each name goes through the channel editor's rules.
ReplaceOutcome ReplaceNames(const Codeplug& codeplug, const FeatureFlags& features,
                            const CellMatcher& matcher, const std::string& replacement,
                            const std::vector<int>& rows, const Reporter& texts);

}  // namespace torvik
