#include "compare/codeplug_diff.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <set>
#include <string_view>

#include "aggregate/area_keys.h"
#include "aggregate/image_codec.h"
#include "channel_edit/channel_keys.h"
#include "channel_edit/channel_rows.h"
#include "codeplug/record_fields.h"
#include "platform/gbk.h"

namespace torvik {
namespace {

// The words of the comparison: the language's, else (no language file found) built-in
// English ones, so a line never loses its area or value. Messages of the list's rules (a
// stored frequency that is no number) are not shown here.
class DiffTexts final : public Reporter {
  public:
    explicit DiffTexts(const Reporter& texts) : texts_(texts) {}
    Language language() const override { return texts_.language(); }
    std::string langText(int key) const override {
        std::string text = texts_.langText(key);
        if (!text.empty()) return text;
        static constexpr std::pair<int, std::string_view> kWords[] = {
            {kKeyChannelPowerHigh, "High"},
            {kKeyChannelPowerMedium, "Medium"},
            {kKeyChannelPowerLow, "Low"},
            {kKeyChannelNone, "None"},
            {kKeyAreaOptions, "Optional functions"},
            {kKeyAreaDtmf, "DTMF"},
            {kKeyAreaTwoTone, "2Tone"},
            {kKeyAreaFiveTone, "5Tone"},
            {kKeyAreaScan, "Scan"},
            {kKeyAreaEmergency, "Emergency alarm"},
            {kKeyAreaCommBook, "Communication book"},
            {kKeyChannelRelationPrefix, "Rel."},
        };
        for (const auto& [wordKey, word] : kWords) {
            if (wordKey == key) return std::string(word);
        }
        return text;
    }
    void show(Severity, std::string_view, std::string_view) override {}
    Answer ask(Severity, std::string_view, Buttons, std::string_view) override {
        return Answer::Cancel;
    }

  private:
    const Reporter& texts_;
};

// --- stored values, field by field --------------------------------------------------------

std::string HexBytes(std::string_view raw) {
    std::string hex;
    char pair[3];
    for (const char c : raw) {
        std::snprintf(pair, sizeof pair, "%02X", static_cast<unsigned char>(c));
        hex += pair;
    }
    return hex;
}

struct Change {
    std::string path;
    std::string before;
    std::string after;
};

std::string Joined(const std::string& path, std::string_view name) {
    return path.empty() ? std::string(name) : path + "." + std::string(name);
}

void CompareValues(const std::string& path, std::int16_t a, std::int16_t b,
                   std::vector<Change>& out) {
    if (a != b) out.push_back({path, std::to_string(a), std::to_string(b)});
}

void CompareValues(const std::string& path, std::uint8_t a, std::uint8_t b,
                   std::vector<Change>& out) {
    if (a != b) out.push_back({path, std::to_string(a), std::to_string(b)});
}

// Numbers with a byte order of their own in the files.
template <class T>
requires requires(const T& t) {
    static_cast<int>(t.value);
}
void CompareValues(const std::string& path, const T& a, const T& b, std::vector<Change>& out) {
    if (a.value != b.value) {
        out.push_back({path, std::to_string(static_cast<int>(a.value)),
                       std::to_string(static_cast<int>(b.value))});
    }
}

// Texts as the user typed them; when only the padding behind the text differs, the bytes.
template <std::size_t N>
void CompareValues(const std::string& path, const FixedText<N>& a, const FixedText<N>& b,
                   std::vector<Change>& out) {
    if (a == b) return;
    const std::string before = GbkToUtf8Lossy(a.text());
    const std::string after = GbkToUtf8Lossy(b.text());
    if (before == after) {
        out.push_back({path, HexBytes(a.raw()), HexBytes(b.raw())});
    } else {
        out.push_back({path, '"' + before + '"', '"' + after + '"'});
    }
}

template <class T, std::size_t N>
void CompareValues(const std::string& path, const std::array<T, N>& a, const std::array<T, N>& b,
                   std::vector<Change>& out) {
    for (std::size_t i = 0; i < N; ++i) {
        if (a[i] == b[i]) continue;
        CompareValues(path + "[" + std::to_string(i) + "]", a[i], b[i], out);
    }
}

template <HasFieldList R>
void CompareValues(const std::string& path, const R& a, const R& b, std::vector<Change>& out) {
    std::apply(
        [&](const auto&... f) {
            ((a.*(f.member) == b.*(f.member)
                  ? void()
                  : CompareValues(Joined(path, f.name), a.*(f.member), b.*(f.member), out)),
             ...);
        },
        FieldsOf(&a));
}

// --- channels ------------------------------------------------------------------------------

// A column of the channel list and the stored fields whose values it shows.
struct ChannelColumn {
    std::string_view field;
    int cell;
    std::array<std::string_view, 5> shows;
};
constexpr ChannelColumn kChannelColumns[] = {
    {"RxFreq", 1, {"RxFreq"}},
    {"TxFreq", 2, {"Offset", "ShiftDir"}},
    {"Name", 3, {"Name"}},
    {"Step", 4, {"Step"}},
    {"Bandwidth", 5, {"Bandwidth"}},
    {"Power", 7, {"TxPower"}},
    {"RxTone", 8, {"RxToneType", "RxCtcss", "RxDcs", "RxDcsInvert", "RxDcsBit8"}},
    {"TxTone", 9, {"TxToneType", "TxCtcss", "TxDcs", "TxDcsInvert", "TxDcsBit8"}},
    {"Signaling", 10, {"Signaling", "TwoToneNo", "FiveToneNo", "DtmfCodeNo"}},
};

std::string ChannelSummary(const ChannelRecord& channel, const Band& band, Reporter& quiet) {
    const ChannelCells cells = ChannelRowCells(channel, band, quiet, GridRefresh::Full);
    return cells[3].empty() ? cells[1] : cells[1] + " \"" + cells[3] + '"';
}

void CompareChannel(const std::string& place, int number, const ChannelRecord& a, const Band& bandA,
                    const ChannelRecord& b, const Band& bandB, Reporter& quiet,
                    std::vector<Difference>& out) {
    const ChannelCells left = ChannelRowCells(a, bandA, quiet, GridRefresh::Full);
    const ChannelCells right = ChannelRowCells(b, bandB, quiet, GridRefresh::Full);
    std::set<std::string_view> shown;
    for (const ChannelColumn& column : kChannelColumns) {
        const auto cell = static_cast<std::size_t>(column.cell);
        if (left[cell] == right[cell]) continue;
        out.push_back({place, number, std::string(column.field), left[cell], right[cell]});
        for (const std::string_view field : column.shows) {
            if (!field.empty()) shown.insert(field);
        }
    }
    // What the list does not show (or shows alike) by its stored value.
    std::vector<Change> changes;
    CompareValues("", a, b, changes);
    for (Change& change : changes) {
        if (shown.count(change.path)) continue;
        out.push_back({place, number, std::move(change.path), std::move(change.before),
                       std::move(change.after)});
    }
}

void CompareChannels(const Codeplug& a, const Codeplug& b, Reporter& quiet,
                     std::vector<Difference>& out) {
    std::set<int> numbers;
    for (const ChannelRecord& channel : a.channels.used()) numbers.insert(channel.Number);
    for (const ChannelRecord& channel : b.channels.used()) numbers.insert(channel.Number);
    const std::string none = "(" + quiet.langText(kKeyChannelNone) + ")";
    for (const int number : numbers) {
        const ChannelRecord* left = a.channels.find(number);
        const ChannelRecord* right = b.channels.find(number);
        const std::string place = "channel " + ChannelLabel(number);
        if (!left) {
            out.push_back({place, number, {}, none, ChannelSummary(*right, b.band, quiet)});
        } else if (!right) {
            out.push_back({place, number, {}, ChannelSummary(*left, a.band, quiet), none});
        } else if (!(*left == *right)) {
            CompareChannel(place, number, *left, a.band, *right, b.band, quiet, out);
        }
    }
}

// --- function settings ---------------------------------------------------------------------

// The area each top-level field of the record belongs to, by the language key of its tree
// node. The band and the channel count are the channel table's business.
struct SettingsArea {
    std::string_view field;
    int key;
};
constexpr SettingsArea kSettingsAreas[] = {
    {"DtmfSettings", kKeyAreaDtmf},         {"TwoToneSettings", kKeyAreaTwoTone},
    {"FiveToneSettings", kKeyAreaFiveTone}, {"OptionSettings", kKeyAreaOptions},
    {"ScanSettings", kKeyAreaScan},         {"EmergencySettings", kKeyAreaEmergency},
    {"CommBook", kKeyAreaCommBook},         {"decodeTime", kKeyAreaFiveTone},
    {"squelchOffInhibit", kKeyAreaOptions},
};

void CompareSettings(const CodeplugRecord& a, const CodeplugRecord& b, const Reporter& texts,
                     std::vector<Difference>& out) {
    std::vector<Change> changes;
    CompareValues("", a, b, changes);
    for (Change& change : changes) {
        const std::size_t dot = change.path.find_first_of(".[");
        const std::string_view top = std::string_view(change.path).substr(0, dot);
        const auto area = std::find_if(std::begin(kSettingsAreas), std::end(kSettingsAreas),
                                       [&](const SettingsArea& s) { return s.field == top; });
        if (area == std::end(kSettingsAreas)) continue;
        // A field of its own names itself; a field inside an area's record goes without the
        // record's name, which the area already says.
        std::string field = dot == std::string::npos || change.path[dot] == '['
                                ? change.path
                                : change.path.substr(dot + 1);
        out.push_back({texts.langText(area->key), 0, std::move(field), std::move(change.before),
                       std::move(change.after)});
    }
}

}  // namespace

std::vector<Difference> CompareCodeplugs(const Codeplug& a, const Codeplug& b,
                                         const Reporter& texts) {
    DiffTexts quiet(texts);
    std::vector<Difference> out;
    if (a.band.code() != b.band.code()) {
        out.push_back({"band",
                       0,
                       {},
                       std::string(BandTextFromCode(a.band.code())),
                       std::string(BandTextFromCode(b.band.code()))});
    }
    CompareChannels(a, b, quiet, out);
    CompareSettings(a.record, b.record, quiet, out);
    return out;
}

std::string DifferenceLine(const Difference& difference) {
    std::string line = difference.place;
    if (!difference.field.empty()) line += " " + difference.field;
    return line + ": " + difference.before + " -> " + difference.after;
}

std::optional<Codeplug> AsWrittenToRadio(const Codeplug& file, Reporter& reporter) {
    Codeplug radio = file;
    if (!EncodeImage(radio, reporter)) return std::nullopt;
    DecodeImage(radio);
    return radio;
}

}  // namespace torvik
