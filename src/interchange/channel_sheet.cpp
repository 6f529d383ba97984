#include "interchange/channel_sheet.h"

#include <algorithm>
#include <map>
#include <optional>
#include <set>

#include "channel_edit/channel_cells.h"
#include "interchange/channel_csv.h"
#include "interchange/channel_csv_values.h"
#include "interchange/csv_text.h"
#include "platform/built_in_texts.h"

namespace torvik {
namespace {

constexpr char kTab = '\t';

// The list's shown columns, in their order; the label column comes first in a copy.
constexpr int kShownColumns[] = {kColumnRxFreq, kColumnTxFreq,    kColumnName,
                                 kColumnStep,   kColumnBandwidth, kColumnTxPower,
                                 kColumnRxTone, kColumnTxTone,    kColumnSignaling};
constexpr int kLabelColumn = 0;

// A title as a header row holds it: a two-line title on one line, spaces tidied, ASCII
// letters in one case. Spreadsheets keep a title's line break, or a user types a space.
std::string TitleKey(std::string_view text) {
    std::string key;
    bool space = false;
    for (const char c : text) {
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
            space = !key.empty();
            continue;
        }
        if (space) key += ' ';
        space = false;
        key += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return key;
}

std::string OneLine(std::string_view title) {
    std::string line;
    for (const char c : title) {
        if (c == '\r') continue;
        line += c == '\n' ? ' ' : c;
    }
    return line;
}

std::string Text(TextId id, const Reporter& texts) {
    return std::string(BuiltInText(id, texts.language()));
}

// A value without case, spaces or a trailing "Hz": the list shows "25K" where the editor's
// entry reads "25KHz".
std::string EntryKey(std::string_view text) {
    std::string key = TitleKey(text);
    if (key.ends_with("hz")) key.resize(key.size() - 2);
    return key;
}

// A pasted cell of a list column: the entry it names, the editor's words first, then the
// words as the list shows them or a spreadsheet tidied them.
std::optional<int> EntryPosition(const std::vector<std::string>& entries, std::string_view value) {
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (entries[i] == value) return static_cast<int>(i);
    }
    const std::string key = EntryKey(value);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (EntryKey(entries[i]) == key) return static_cast<int>(i);
    }
    return std::nullopt;
}

class Paster {
  public:
    Paster(Codeplug codeplug, const FeatureFlags& features, const Reporter& texts)
        : features_(features), texts_(texts) {
        paste_.result = std::move(codeplug);
    }

    // One value into the cell of `row`, `column` through the channel editor's rules.
    void cell(int row, int column, std::string value) {
        if (value.empty()) return;
        // A name longer than the radio keeps is cut to its length, as the CSV import does.
        if (column == kColumnName &&
            static_cast<int>(value.size()) > ChannelCellTextLength(column)) {
            value.resize(static_cast<std::size_t>(ChannelCellTextLength(column)));
        }
        const ChannelCellStart start =
            StartChannelCell(paste_.result, features_, row, column, texts_);
        ChannelCellValue edit;
        switch (start.editor) {
            case CellEditor::Text:
                if (start.text == value) return;
                edit = value;
                break;
            case CellEditor::List: {
                const std::optional<int> position = EntryPosition(start.choices.entries, value);
                if (!position) {
                    refuse(row, column, value, Text(TextId::SheetNotAnEntry, texts_));
                    return;
                }
                if (*position == start.choices.current) return;
                edit = *position;
                break;
            }
            case CellEditor::None:
                refuse(row, column, value,
                       Text(ChannelExists(paste_.result.channels, row) ? TextId::SheetFixedColumn
                                                                       : TextId::SheetNoChannel,
                            texts_));
                return;
        }
        const ChannelCellEdit result =
            EditChannelCell(paste_.result, features_, row, column, edit, texts_);
        if (!result.refusal.empty()) {
            refuse(row, column, value, result.refusal);
        } else if (result.changed) {
            changed_.insert(row);
        }
    }

    // A line's fields by column, the receive frequency first so a line can make a channel.
    void line(int row, const std::vector<std::pair<int, std::string>>& cells) {
        if (row > kChannelSlots) {
            for (const auto& [column, value] : cells) {
                if (!value.empty()) {
                    refuse(0, column, value, Text(TextId::SheetPastLastRow, texts_));
                }
            }
            return;
        }
        for (const auto& [column, value] : cells) {
            if (column == kColumnRxFreq) cell(row, column, value);
        }
        for (const auto& [column, value] : cells) {
            if (column == kColumnRxFreq || column == kLabelColumn) continue;
            if (column < 0) {
                if (!value.empty()) refuse(row, 0, value, Text(TextId::SheetNoColumn, texts_));
                continue;
            }
            cell(row, column, value);
        }
    }

    void refuse(int row, int column, std::string value, std::string reason) {
        paste_.refused.push_back({row, column, std::move(value), std::move(reason)});
    }
    void changed(int row) { changed_.insert(row); }
    Codeplug& codeplug() { return paste_.result; }

    SheetPaste finish() {
        paste_.changedRows.assign(changed_.begin(), changed_.end());
        return std::move(paste_);
    }

  private:
    const FeatureFlags& features_;
    const Reporter& texts_;
    SheetPaste paste_;
    std::set<int> changed_;
};

// The list column each header field names (-1: none), when every field names one.
std::optional<std::vector<int>> ListHeader(const CsvLine& line,
                                           const std::vector<ChannelCells>& titleSets) {
    std::vector<int> columns;
    bool named = false;
    for (const std::string& field : line.fields) {
        const std::string key = TitleKey(field);
        if (key.empty()) {
            columns.push_back(-1);
            continue;
        }
        std::optional<int> column;
        for (const ChannelCells& titles : titleSets) {
            for (const int c : kShownColumns) {
                if (TitleKey(titles[static_cast<std::size_t>(c)]) == key) column = c;
            }
            if (TitleKey(titles[kLabelColumn]) == key) column = kLabelColumn;
        }
        if (!column) return std::nullopt;
        columns.push_back(*column);
        named = true;
    }
    if (!named) return std::nullopt;
    return columns;
}

bool CsvHeader(const CsvLine& line) {
    bool frequency = false;
    for (const std::string& field : line.fields) {
        const std::string key = TitleKey(field);
        if (key.empty()) continue;
        const bool known =
            std::any_of(kChannelCsvColumns.begin(), kChannelCsvColumns.end(),
                        [&](std::string_view name) { return TitleKey(name) == key; });
        if (!known) return false;
        frequency = frequency || key == "frequency";
    }
    return frequency;
}

// Lines in the channel CSV's columns: each line is read as a CSV row whose Location is the
// target row's, so the CSV's own reading of tones, offsets and power applies.
void PasteCsvLines(Paster& paster, const std::vector<CsvLine>& lines, int firstRow,
                   const Reporter& texts) {
    std::vector<std::string> header = lines[0].fields;
    std::size_t location = header.size();
    for (std::size_t i = 0; i < header.size(); ++i) {
        if (TitleKey(header[i]) == "location") location = i;
    }
    if (location == header.size()) header.emplace_back("Location");
    header[location] = "Location";

    std::string csv = CsvRecord(header) + "\n";
    std::map<int, int> rowOfLine;  // CSV line number -> channel number
    int csvLine = 2;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const int row = firstRow + lines[i].lineNumber - lines[0].lineNumber - 1;
        if (row > kMemoryChannels) {
            paster.refuse(row > kChannelSlots ? 0 : row, 0, "",
                          Text(TextId::SheetNotMemoryRow, texts));
            continue;
        }
        std::vector<std::string> fields = lines[i].fields;
        fields.resize(header.size());
        fields[location] = std::to_string(row - 1);
        csv += CsvRecord(fields) + "\n";
        rowOfLine[csvLine++] = row;
    }
    Codeplug& codeplug = paster.codeplug();
    const ChannelCsvImport read = ChannelsFromCsv(csv, codeplug.band, codeplug.channels);
    for (const CsvLineMessage& refused : read.refused) {
        const auto row = rowOfLine.find(refused.line);
        paster.refuse(row == rowOfLine.end() ? 0 : row->second, 0, "", refused.text);
    }
    for (const ChannelRecord& channel : read.channels) {
        ChannelRecord* slot = codeplug.channels.find(channel.Number);
        if (slot && *slot == channel) continue;
        if (!slot) slot = AppendChannel(codeplug.channels);
        if (!slot) {
            paster.refuse(channel.Number, 0, "", Text(TextId::SheetTableFull, texts));
            continue;
        }
        *slot = channel;
        paster.changed(channel.Number);
    }
}

}  // namespace

std::string ChannelRowsAsSheet(const Codeplug& codeplug, const std::vector<int>& rows,
                               Reporter& texts) {
    const ChannelCells titles = ChannelListHeaders(texts);
    std::vector<std::string> fields{OneLine(titles[kLabelColumn])};
    for (const int c : kShownColumns)
        fields.push_back(OneLine(titles[static_cast<std::size_t>(c)]));
    std::string text = SeparatedRecord(fields, kTab) + "\n";
    for (const int row : rows) {
        fields.assign(1, ChannelLabel(row));
        const ChannelRecord* channel = codeplug.channels.find(row);
        const ChannelCells cells =
            channel ? ChannelRowCells(*channel, codeplug.band, texts, GridRefresh::OneRow)
                    : ChannelCells{};
        for (const int c : kShownColumns) fields.push_back(cells[static_cast<std::size_t>(c)]);
        text += SeparatedRecord(fields, kTab) + "\n";
    }
    return text;
}

SheetPaste PasteSheet(Codeplug codeplug, const FeatureFlags& features, std::string_view text,
                      const SheetTarget& target, const Reporter& texts) {
    Paster paster(std::move(codeplug), features, texts);
    const std::vector<CsvLine> lines = ParseSeparated(text, kTab);
    if (lines.empty()) return paster.finish();

    if (CsvHeader(lines[0]) && !ListHeader(lines[0], target.titleSets)) {
        PasteCsvLines(paster, lines, target.row, texts);
        return paster.finish();
    }

    std::vector<int> columns;
    std::size_t first = 0;
    if (const auto header = ListHeader(lines[0], target.titleSets)) {
        columns = *header;
        first = 1;
    } else {
        const int* start =
            std::find(std::begin(kShownColumns), std::end(kShownColumns), target.column);
        if (start == std::end(kShownColumns)) start = std::begin(kShownColumns);
        columns.assign(start, std::end(kShownColumns));
    }
    // A blank line is a row left alone, as a spreadsheet's empty row is.
    const int firstLine = first == 1 ? lines[0].lineNumber + 1 : 1;
    for (std::size_t i = first; i < lines.size(); ++i) {
        const int row = target.row + lines[i].lineNumber - firstLine;
        std::vector<std::pair<int, std::string>> cells;
        const std::vector<std::string>& fields = lines[i].fields;
        for (std::size_t f = 0; f < fields.size(); ++f) {
            cells.emplace_back(f < columns.size() ? columns[f] : -1, fields[f]);
        }
        paster.line(row, cells);
    }
    return paster.finish();
}

}  // namespace torvik
