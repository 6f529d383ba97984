// Reading the channel CSV: columns found by their header name, one channel per row, each
// row taken whole or refused with the reason.
#include <algorithm>
#include <cctype>
#include <cmath>
#include <map>
#include <optional>

#include "channel_edit/channel_edit_rules.h"
#include "codeplug/freq_code.h"
#include "interchange/channel_csv.h"
#include "interchange/channel_csv_values.h"
#include "interchange/csv_text.h"
#include "platform/gbk.h"

namespace torvik {
namespace {

constexpr std::size_t kNameWidth = 7;

std::string Lower(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

std::string Trimmed(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
        text.remove_suffix(1);
    return std::string(text);
}

std::string MhzText(std::int64_t tenHz) {
    return MhzTextOfCode(CodeOfTenHz(tenHz)).value_or("?");
}

std::int64_t TenHz(double mhz) {
    return std::llround(mhz * 100000.0);
}

// A row that cannot become a channel; what() is the reason shown beside its line number.
struct Refusal {
    std::string reason;
};

// One row with its cells looked up by column name.
class CsvRow {
  public:
    CsvRow(const std::map<std::string, std::size_t>& columns, const CsvLine& line)
        : columns_(columns), line_(line) {}
    bool has(std::string_view column) const { return columns_.contains(Lower(column)); }
    std::string get(std::string_view column) const {
        const auto it = columns_.find(Lower(column));
        if (it == columns_.end() || it->second >= line_.fields.size()) return {};
        return Trimmed(line_.fields[it->second]);
    }

  private:
    const std::map<std::string, std::size_t>& columns_;
    const CsvLine& line_;
};

// Everything the row and its channel are built from.
struct RowContext {
    const CsvRow& row;
    const Band& band;
    std::vector<std::string>& notes;
};

int ParseLocation(const std::string& text) {
    if (text.empty()) throw Refusal{"no Location"};
    if (text.size() > 6 ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        throw Refusal{"Location '" + text + "' is not a whole number"};
    }
    const int location = std::stoi(text);
    if (location >= kMemoryChannels) {
        throw Refusal{"Location " + text + " is outside 0..199"};
    }
    return location;
}

void ReadName(RowContext& c, ChannelRecord& channel) {
    if (!c.row.has("Name")) return;
    const std::string text = c.row.get("Name");
    const std::optional<std::string> gbk = Utf8ToGbk(text);
    if (!gbk) throw Refusal{"the name '" + text + "' has characters the radio cannot show"};
    // Cut at the width without splitting a double-byte character.
    std::size_t width = 0;
    while (width < gbk->size()) {
        const std::size_t next =
            width + (static_cast<unsigned char>((*gbk)[width]) >= 0x80 ? 2 : 1);
        if (next > kNameWidth) break;
        width = next;
    }
    const std::string name = gbk->substr(0, width);
    if (width < gbk->size()) {
        c.notes.push_back("name '" + text + "' shortened to '" + GbkToUtf8Lossy(name) + "'");
    }
    // A name that did not change keeps the bytes it was stored with.
    if (channel.Name.text() == CutAtNul(name)) return;
    channel.Name = FixedText<kNameWidth>::Raw(name + std::string(kNameWidth - width, ' '));
}

std::int64_t ReadReceive(RowContext& c, ChannelRecord& channel) {
    const std::string text = c.row.get("Frequency");
    if (text.empty()) throw Refusal{"no Frequency"};
    const std::optional<std::int64_t> rx = TenHzOfMhzText(text);
    if (!rx) throw Refusal{"Frequency '" + text + "' is not a number of MHz"};
    const BandLimits& limits = c.band.limits();
    if (*rx < TenHz(limits.RxLow) || *rx > TenHz(limits.RxHigh)) {
        throw Refusal{"frequency " + MhzText(*rx) + " MHz is outside the band's receive range " +
                      MhzText(TenHz(limits.RxLow)) + " - " + MhzText(TenHz(limits.RxHigh)) +
                      " MHz"};
    }
    const std::int64_t snapped = TenHz(SnapRxFrequency(static_cast<double>(*rx) / 1e5, c.band));
    if (snapped != *rx) {
        c.notes.push_back("frequency " + MhzText(*rx) + " MHz snapped to " + MhzText(snapped) +
                          " MHz");
    }
    channel.RxFreq = FixedText<9>::Raw(CodeOfTenHz(snapped));
    return snapped;
}

void ReadDuplex(RowContext& c, ChannelRecord& channel, std::int64_t rx) {
    if (!c.row.has("Duplex")) return;
    const std::string duplex = Lower(c.row.get("Duplex"));
    if (duplex == "off") {
        // The shift stays as it was; it counts again once transmitting is allowed.
        channel.TxInhibit = 1;
        return;
    }
    std::int64_t tx = rx;
    if (duplex == "+" || duplex == "-" || duplex == "split") {
        const std::string text = c.row.get("Offset");
        const std::optional<std::int64_t> value = TenHzOfMhzText(text.empty() ? "0" : text);
        if (!value) throw Refusal{"Offset '" + text + "' is not a number of MHz"};
        tx = duplex == "+" ? rx + *value : duplex == "-" ? rx - *value : *value;
    } else if (!duplex.empty()) {
        throw Refusal{"Duplex '" + c.row.get("Duplex") + "' is not one of +, -, split, off"};
    }
    const BandLimits& limits = c.band.limits();
    if (tx < TenHz(limits.TxLow) || tx > TenHz(limits.TxHigh)) {
        throw Refusal{"transmit frequency " + MhzText(tx) +
                      " MHz is outside the band's transmit range " + MhzText(TenHz(limits.TxLow)) +
                      " - " + MhzText(TenHz(limits.TxHigh)) +
                      " MHz (Duplex off makes a receive-only channel)"};
    }
    const std::int64_t snapped = TenHz(SnapTxFrequency(static_cast<double>(tx) / 1e5, c.band));
    if (snapped != tx) {
        c.notes.push_back("transmit frequency " + MhzText(tx) + " MHz snapped to " +
                          MhzText(snapped) + " MHz");
    }
    channel.TxInhibit = 0;
    channel.ShiftDir = static_cast<std::int16_t>(snapped < rx ? 1 : snapped > rx ? 2 : 0);
    channel.Offset = FixedText<9>::Raw(CodeOfTenHz(snapped < rx ? rx - snapped : snapped - rx));
}

enum class ToneKind { None, Ctcss, Dcs };

ToneKind ToneKindOf(std::string_view text, bool& known) {
    known = true;
    if (text == "Tone") return ToneKind::Ctcss;
    if (text == "DTCS") return ToneKind::Dcs;
    known = text.empty();
    return ToneKind::None;
}

std::int16_t ToneTypeOf(ToneKind kind) {
    return static_cast<std::int16_t>(kind == ToneKind::Ctcss ? kToneCtcss
                                     : kind == ToneKind::Dcs ? kToneDcs
                                                             : kToneNone);
}

int ActiveCtcss(RowContext& c, std::string_view column) {
    const std::string text = c.row.get(column);
    const std::optional<int> index = CtcssIndexOfText(text);
    if (!index)
        throw Refusal{"CTCSS tone '" + text + "' (" + std::string(column) +
                      ") is not one the radio has"};
    return *index;
}

int ActiveDcs(RowContext& c, std::string_view column) {
    const std::string text = c.row.get(column);
    const std::optional<int> code = DcsCodeOfText(text);
    if (!code)
        throw Refusal{"DCS code '" + text + "' (" + std::string(column) +
                      ") is not one the radio has"};
    return *code;
}

void ReadTones(RowContext& c, ChannelRecord& channel) {
    if (!c.row.has("Tone")) return;
    // The values of the sides not in use are kept as well, as the editor keeps them.
    if (auto v = CtcssIndexOfText(c.row.get("rToneFreq")))
        channel.TxCtcss = static_cast<std::int16_t>(*v);
    if (auto v = CtcssIndexOfText(c.row.get("cToneFreq")))
        channel.RxCtcss = static_cast<std::int16_t>(*v);
    if (auto v = DcsCodeOfText(c.row.get("DtcsCode")))
        channel.TxDcs = static_cast<std::int16_t>(*v);
    // Files without a RxDtcsCode column (older CHIRP versions write none) mean the DtcsCode
    // for both sides.
    const std::string_view rxDcsColumn = c.row.has("RxDtcsCode") ? "RxDtcsCode" : "DtcsCode";
    if (auto v = DcsCodeOfText(c.row.get(rxDcsColumn)))
        channel.RxDcs = static_cast<std::int16_t>(*v);

    const std::string mode = c.row.get("Tone");
    ToneKind tx = ToneKind::None, rx = ToneKind::None;
    std::string_view txColumn = "rToneFreq", rxColumn = "cToneFreq";
    if (mode == "Tone") {
        tx = ToneKind::Ctcss;
    } else if (mode == "TSQL") {
        tx = rx = ToneKind::Ctcss;
        txColumn = "cToneFreq";
    } else if (mode == "DTCS") {
        tx = rx = ToneKind::Dcs;
        txColumn = rxColumn = "DtcsCode";
    } else if (mode == "Cross") {
        // Without a CrossMode column a cross tone is CHIRP's default, Tone->Tone.
        const std::string cross = c.row.has("CrossMode") ? c.row.get("CrossMode") : "Tone->Tone";
        const std::size_t arrow = cross.find("->");
        bool knownTx = false, knownRx = false;
        if (arrow != std::string::npos) {
            tx = ToneKindOf(std::string_view(cross).substr(0, arrow), knownTx);
            rx = ToneKindOf(std::string_view(cross).substr(arrow + 2), knownRx);
        }
        if (!knownTx || !knownRx || (tx == ToneKind::None && rx == ToneKind::None)) {
            throw Refusal{"CrossMode '" + cross + "' is not one the radio can use"};
        }
        if (tx == ToneKind::Dcs) txColumn = "DtcsCode";
        if (rx == ToneKind::Dcs) rxColumn = rxDcsColumn;
    } else if (!mode.empty()) {
        throw Refusal{"Tone '" + mode + "' is not one of Tone, TSQL, DTCS, Cross"};
    }
    if (tx == ToneKind::Ctcss)
        channel.TxCtcss = static_cast<std::int16_t>(ActiveCtcss(c, txColumn));
    if (tx == ToneKind::Dcs) channel.TxDcs = static_cast<std::int16_t>(ActiveDcs(c, txColumn));
    if (rx == ToneKind::Ctcss)
        channel.RxCtcss = static_cast<std::int16_t>(ActiveCtcss(c, rxColumn));
    if (rx == ToneKind::Dcs) channel.RxDcs = static_cast<std::int16_t>(ActiveDcs(c, rxColumn));
    channel.TxToneType = ToneTypeOf(tx);
    channel.RxToneType = ToneTypeOf(rx);

    const std::string polarity = c.row.get("DtcsPolarity");
    auto invert = [](char p) -> std::optional<std::int16_t> {
        if (p == 'N') return 0;
        if (p == 'R') return 1;
        return std::nullopt;
    };
    const auto txInvert = polarity.size() == 2 ? invert(polarity[0]) : std::nullopt;
    const auto rxInvert = polarity.size() == 2 ? invert(polarity[1]) : std::nullopt;
    if (txInvert && rxInvert) {
        channel.TxDcsInvert = *txInvert;
        channel.RxDcsInvert = *rxInvert;
    } else if ((tx == ToneKind::Dcs || rx == ToneKind::Dcs) && !polarity.empty()) {
        throw Refusal{"DtcsPolarity '" + polarity + "' is not one of NN, NR, RN, RR"};
    }
}

void ReadMode(RowContext& c, ChannelRecord& channel) {
    const std::string mode = c.row.get("Mode");
    if (mode.empty()) return;
    if (mode == "NFM") {
        channel.Bandwidth = 2;
    } else if (mode == "FM") {
        // FM is 25 kHz; a channel that had 20 kHz keeps it, the CSV has no name for it.
        if (channel.Bandwidth != 1) channel.Bandwidth = 0;
    } else {
        throw Refusal{"Mode '" + mode + "' is not one the radio has (FM or NFM)"};
    }
}

void ReadStep(RowContext& c, ChannelRecord& channel) {
    const std::string text = c.row.get("TStep");
    if (text.empty()) return;
    bool exact = false;
    const std::optional<int> step = StepOfText(text, c.band.code(), exact);
    if (!step) throw Refusal{"TStep '" + text + "' is not a number of kHz"};
    if (!exact) {
        c.notes.push_back("step " + text + " kHz is not one of the band's; " +
                          StepCsvText(*step, c.band.code()) + " kHz taken");
    }
    channel.Step = static_cast<std::int16_t>(*step);
}

void ReadPower(RowContext& c, ChannelRecord& channel) {
    const std::string text = c.row.get("Power");
    if (text.empty()) return;
    const std::optional<int> level = PowerLevelOfText(text);
    if (!level) throw Refusal{"Power '" + text + "' is not a wattage such as 5.0W"};
    if (TxPowerEntry(channel.TxPower) != *level)
        channel.TxPower = static_cast<std::int16_t>(*level);
}

ChannelRecord ReadChannel(RowContext& c, int number, const ChannelTable& base) {
    const ChannelRecord* existing = base.find(number);
    ChannelRecord channel = existing ? *existing : NewChannelRecord(number);
    channel.Number = static_cast<std::int16_t>(number);
    channel.Used = 1;
    ReadName(c, channel);
    const std::int64_t rx = ReadReceive(c, channel);
    ReadDuplex(c, channel, rx);
    ReadTones(c, channel);
    ReadMode(c, channel);
    ReadStep(c, channel);
    if (c.row.has("Skip")) channel.ScanSkip = Lower(c.row.get("Skip")) == "s" ? 1 : 0;
    ReadPower(c, channel);
    return channel;
}

}  // namespace

ChannelCsvImport ChannelsFromCsv(std::string_view text, const Band& band,
                                 const ChannelTable& base) {
    ChannelCsvImport result;
    const std::vector<CsvLine> lines = ParseCsv(text);
    if (lines.empty()) {
        result.refused.push_back({0, "the file holds no header line"});
        return result;
    }
    std::map<std::string, std::size_t> columns;
    for (std::size_t i = 0; i < lines[0].fields.size(); ++i)
        columns.emplace(Lower(Trimmed(lines[0].fields[i])), i);
    for (const char* required : {"Location", "Frequency"}) {
        if (!columns.contains(Lower(required))) {
            result.refused.push_back(
                {lines[0].lineNumber, std::string("the header has no '") + required + "' column"});
        }
    }
    if (!result.refused.empty()) return result;

    std::map<int, int> lineOfLocation;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const CsvLine& line = lines[i];
        const CsvRow row(columns, line);
        std::vector<std::string> notes;
        RowContext context{row, band, notes};
        try {
            const int location = ParseLocation(row.get("Location"));
            if (const auto seen = lineOfLocation.find(location); seen != lineOfLocation.end()) {
                throw Refusal{"Location " + std::to_string(location) + " is already on line " +
                              std::to_string(seen->second)};
            }
            ChannelRecord channel = ReadChannel(context, location + 1, base);
            lineOfLocation.emplace(location, line.lineNumber);
            result.channels.push_back(channel);
            for (std::string& note : notes)
                result.notes.push_back({line.lineNumber, std::move(note)});
        } catch (const Refusal& refusal) {
            result.refused.push_back({line.lineNumber, refusal.reason});
        }
    }
    std::stable_sort(
        result.channels.begin(), result.channels.end(),
        [](const ChannelRecord& a, const ChannelRecord& b) { return a.Number < b.Number; });
    return result;
}

}  // namespace torvik
