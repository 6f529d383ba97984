#include "channel_edit/channel_fill.h"

#include <cmath>
#include <cstdlib>
#include <optional>

#include "channel_edit/channel_edit_rules.h"
#include "platform/built_in_texts.h"
#include "platform/number_text.h"

namespace torvik {
namespace {

constexpr long long kTenHzPerMhzUnits = 100000;
constexpr long long kTenHzPerKhzUnits = 100;

// The frequency of `tenHz` as a receive cell takes it typed: "145.12500".
std::string FrequencyText(long long tenHz) {
    return FormatFixed(static_cast<double>(tenHz) / kTenHzPerMhzUnits, 3, 5);
}

// "{n}", "{n:02}" or "{n:3}" at `at`: how long it is and what it gives for `counter`.
std::optional<std::pair<std::size_t, std::string>> CounterAt(const std::string& pattern,
                                                             std::size_t at, int counter) {
    if (pattern.compare(at, 3, "{n}") == 0)
        return std::pair<std::size_t, std::string>{3, std::to_string(counter)};
    if (pattern.compare(at, 3, "{n:") != 0) return std::nullopt;
    std::size_t pos = at + 3;
    const bool zeros = pos < pattern.size() && pattern[pos] == '0';
    if (zeros) ++pos;
    if (pos >= pattern.size() || pattern[pos] < '1' || pattern[pos] > '9') return std::nullopt;
    const auto width = static_cast<std::size_t>(pattern[pos] - '0');
    ++pos;
    if (pos >= pattern.size() || pattern[pos] != '}') return std::nullopt;
    const std::string magnitude = std::to_string(std::llabs(counter));
    const std::string sign = counter < 0 ? "-" : "";
    const std::size_t used = magnitude.size() + sign.size();
    const std::size_t pad = width > used ? width - used : 0;
    // Zeros go between the sign and the digits, blanks before the sign.
    const std::string text =
        zeros ? sign + std::string(pad, '0') + magnitude : std::string(pad, ' ') + sign + magnitude;
    return std::pair<std::size_t, std::string>{pos + 1 - at, text};
}

}  // namespace

bool IsFillableColumn(int column) {
    return ChannelCellEditor(column, true) != CellEditor::None;
}

std::string ExpandNamePattern(const std::string& pattern, int counter) {
    std::string name;
    for (std::size_t at = 0; at < pattern.size();) {
        if (pattern[at] == '{') {
            if (const auto counted = CounterAt(pattern, at, counter)) {
                name += counted->second;
                at += counted->first;
                continue;
            }
        }
        name += pattern[at++];
    }
    return name;
}

FillOutcome FillChannels(const Codeplug& codeplug, const FeatureFlags& features,
                         const std::vector<int>& rows, const FillRequest& request,
                         const Reporter& texts) {
    FillOutcome outcome;
    outcome.codeplug = codeplug;
    const Language language = texts.language();
    if (!IsFillableColumn(request.column)) {
        outcome.error = BuiltInText(TextId::FillColumnRefused, language);
        return outcome;
    }
    long long start = 0;
    long long step = 0;
    if (request.column == kColumnRxFreq) {
        const std::optional<double> first = ParseDecimal(request.start);
        if (!first || *first < 0) {
            outcome.error = BuiltInText(TextId::FillStartRefused, language);
            return outcome;
        }
        const std::optional<double> stepKhz =
            request.stepKhz.empty() ? std::optional<double>(0) : ParseDecimal(request.stepKhz);
        if (!stepKhz) {
            outcome.error = BuiltInText(TextId::FillStepRefused, language);
            return outcome;
        }
        start = std::llround(*first * kTenHzPerMhzUnits);
        step = std::llround(*stepKhz * kTenHzPerKhzUnits);
    }

    int counter = request.counterStart;
    long long position = 0;
    for (const int row : rows) {
        FillRow line;
        line.row = row;
        line.before = ListRowTexts(outcome.codeplug, row, texts);
        const bool exists = outcome.codeplug.channels.find(row) != nullptr;
        if (request.column == kColumnRxFreq) {
            line.value = FrequencyText(start + step * position++);
        } else if (!exists) {
            line.action = FillAction::NoChannel;
        } else if (request.column == kColumnName) {
            const std::string name = ExpandNamePattern(request.pattern, counter++);
            line.value = CutToNameLength(name);
            line.nameCut = line.value.size() < name.size();
        } else {
            line.value = request.value;
        }
        if (line.action != FillAction::NoChannel) {
            if (auto refused = ApplyCellValue(outcome.codeplug, features, row, request.column,
                                              line.value, texts, &outcome.changed)) {
                line.action = FillAction::Refused;
                outcome.refusals.push_back(std::move(*refused));
            }
        }
        line.after = ListRowTexts(outcome.codeplug, row, texts);
        outcome.rows.push_back(std::move(line));
    }
    return outcome;
}

}  // namespace torvik
