#include "channel_edit/channel_find.h"

#include <regex>

#include "channel_edit/channel_rows.h"

namespace torvik {

struct CellMatcher::Compiled {
    std::regex regex;
};

namespace {

// `text` as a regular expression that matches exactly it.
std::string Escaped(const std::string& text) {
    static const std::string special = R"(\^$.|?*+()[]{})";
    std::string escaped;
    for (const char c : text) {
        if (special.find(c) != std::string::npos) escaped += '\\';
        escaped += c;
    }
    return escaped;
}

// `text` as a replacement format that gives exactly it.
std::string LiteralFormat(const std::string& text) {
    std::string format;
    for (const char c : text) {
        format += c;
        if (c == '$') format += '$';
    }
    return format;
}

}  // namespace

CellMatcher::CellMatcher(const FindQuery& query) : query_(query) {
    if (query.text.empty()) return;  // matches nothing
    std::string pattern = query.regularExpression ? query.text : Escaped(query.text);
    if (query.wholeCell) pattern = "^(?:" + pattern + ")$";
    auto flags = std::regex::ECMAScript;
    if (!query.matchCase) flags |= std::regex::icase;
    try {
        compiled_ = std::make_unique<Compiled>(Compiled{std::regex(pattern, flags)});
    } catch (const std::regex_error& e) {
        error_ = e.what();
    }
}

CellMatcher::~CellMatcher() = default;
CellMatcher::CellMatcher(CellMatcher&&) noexcept = default;
CellMatcher& CellMatcher::operator=(CellMatcher&&) noexcept = default;

bool CellMatcher::matches(const std::string& text) const {
    return compiled_ && std::regex_search(text, compiled_->regex);
}

std::optional<std::string> CellMatcher::replace(const std::string& text,
                                                const std::string& replacement) const {
    if (!matches(text)) return std::nullopt;
    const std::string format = query_.regularExpression ? replacement : LiteralFormat(replacement);
    const auto flags = query_.wholeCell ? std::regex_constants::format_first_only
                                        : std::regex_constants::format_default;
    return std::regex_replace(text, compiled_->regex, format, flags);
}

std::vector<int> SearchedColumns(int column) {
    if (column != kEveryColumn) return {column};
    std::vector<int> columns;
    for (int c = 1; c < kChannelListColumns; ++c) {
        if (c != kHiddenChannelColumn) columns.push_back(c);
    }
    return columns;
}

std::optional<FoundCell> FindNextCell(const Codeplug& codeplug, const CellMatcher& matcher,
                                      CellPosition from, const Reporter& texts) {
    if (!matcher.valid()) return std::nullopt;
    const std::vector<int> columns = SearchedColumns(matcher.query().column);
    const auto after = [&from](int row, int column) {
        return row > from.row || (row == from.row && column > from.column);
    };
    // Two rounds: from the cell after `from` to the end, then from the top to `from`.
    for (const bool wrapped : {false, true}) {
        for (int row = 1; row <= kChannelListRows; ++row) {
            if (codeplug.channels.find(row) == nullptr) continue;
            const ChannelCells cells = ListRowTexts(codeplug, row, texts);
            for (const int column : columns) {
                if (after(row, column) == wrapped) continue;
                if (matcher.matches(cells[static_cast<std::size_t>(column)])) {
                    return FoundCell{{row, column}, wrapped};
                }
            }
        }
    }
    return std::nullopt;
}

ReplaceOutcome ReplaceNames(const Codeplug& codeplug, const FeatureFlags& features,
                            const CellMatcher& matcher, const std::string& replacement,
                            const std::vector<int>& rows, const Reporter& texts) {
    ReplaceOutcome outcome;
    outcome.codeplug = codeplug;
    std::vector<int> all;
    if (rows.empty()) {
        for (int row = 1; row <= kChannelListRows; ++row) all.push_back(row);
    }
    for (const int row : rows.empty() ? all : rows) {
        if (outcome.codeplug.channels.find(row) == nullptr) continue;
        const std::string before = ListCellText(outcome.codeplug, row, kColumnName, texts);
        const std::optional<std::string> replaced = matcher.replace(before, replacement);
        if (!replaced || *replaced == before) continue;
        NameChange change{row, before, CutToNameLength(*replaced), false};
        change.cut = change.after.size() < replaced->size();
        if (auto refused = ApplyCellValue(outcome.codeplug, features, row, kColumnName,
                                          change.after, texts, &outcome.changed)) {
            outcome.refusals.push_back(std::move(*refused));
            continue;
        }
        change.after = ListCellText(outcome.codeplug, row, kColumnName, texts);
        outcome.changes.push_back(std::move(change));
    }
    return outcome;
}

}  // namespace torvik
