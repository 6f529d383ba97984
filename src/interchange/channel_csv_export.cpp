// Writing the channel CSV, and the replacement of the memory channels by imported ones.
#include <algorithm>
#include <set>

#include "codeplug/fixed_text.h"
#include "interchange/channel_csv.h"
#include "interchange/channel_csv_values.h"
#include "interchange/csv_text.h"
#include "platform/gbk.h"

namespace torvik {
namespace {

struct ToneColumns {
    std::string tone, crossMode;
};

// The Tone and CrossMode columns of a channel's two tone sides.
ToneColumns ToneModeOf(const ChannelRecord& c) {
    const int tx = c.TxToneType, rx = c.RxToneType;
    const bool txTone = tx == kToneCtcss, txDcs = tx == kToneDcs;
    const bool rxTone = rx == kToneCtcss, rxDcs = rx == kToneDcs;
    const bool txNone = !txTone && !txDcs, rxNone = !rxTone && !rxDcs;
    if (txNone && rxNone) return {"", "Tone->Tone"};
    if (txTone && rxNone) return {"Tone", "Tone->Tone"};
    if (txTone && rxTone && c.TxCtcss == c.RxCtcss) return {"TSQL", "Tone->Tone"};
    if (txDcs && rxDcs && c.TxDcs == c.RxDcs) return {"DTCS", "Tone->Tone"};
    const char* from = txTone ? "Tone" : txDcs ? "DTCS" : "";
    const char* to = rxTone ? "Tone" : rxDcs ? "DTCS" : "";
    return {"Cross", std::string(from) + "->" + to};
}

std::string DuplexOf(const ChannelRecord& c) {
    if (c.TxInhibit) return "off";
    if (c.ShiftDir == 1) return "-";
    if (c.ShiftDir == 2) return "+";
    return "";
}

}  // namespace

ChannelCsvExport ChannelsToCsv(const ChannelTable& table, const Band& band) {
    std::vector<const ChannelRecord*> memory;
    std::vector<std::string> special;
    for (const ChannelRecord& c : table.used()) {
        if (c.Number >= 1 && c.Number <= kMemoryChannels) {
            memory.push_back(&c);
        } else {
            special.push_back(ChannelLabel(c.Number));
        }
    }
    std::stable_sort(
        memory.begin(), memory.end(),
        [](const ChannelRecord* a, const ChannelRecord* b) { return a->Number < b->Number; });
    ChannelCsvExport out;
    out.text = CsvRecord({kChannelCsvColumns.begin(), kChannelCsvColumns.end()}) + "\r\n";
    for (const ChannelRecord* c : memory) {
        const std::string label = ChannelLabel(c->Number);
        const std::optional<std::string> rx = MhzTextOfCode(c->RxFreq.raw());
        if (!rx) {
            out.notes.push_back("channel " + label + " has no valid frequency and is left out");
            continue;
        }
        const ToneColumns tone = ToneModeOf(*c);
        const std::string polarity =
            std::string(c->TxDcsInvert ? "R" : "N") + (c->RxDcsInvert ? "R" : "N");
        std::vector<std::string> row{label,
                                     GbkToUtf8Lossy(c->Name.text()),
                                     *rx,
                                     DuplexOf(*c),
                                     c->TxInhibit || c->ShiftDir == 0
                                         ? std::string("0.000000")
                                         : MhzTextOfCode(c->Offset.raw()).value_or("0.000000"),
                                     tone.tone,
                                     CtcssCsvText(c->TxCtcss),
                                     CtcssCsvText(c->RxCtcss),
                                     DcsCsvText(c->TxDcs),
                                     polarity,
                                     DcsCsvText(c->RxDcs),
                                     tone.crossMode,
                                     c->Bandwidth == 2 ? "NFM" : "FM",
                                     StepCsvText(c->Step, band.code()),
                                     c->ScanSkip ? "S" : "",
                                     PowerCsvText(c->TxPower == 3 ? 2 : c->TxPower),
                                     "",
                                     "",
                                     "",
                                     "",
                                     ""};
        out.text += CsvRecord(row) + "\r\n";
    }
    if (!special.empty()) {
        std::string names;
        for (const std::string& s : special) names += (names.empty() ? "" : ", ") + s;
        out.notes.push_back(names + " not exported: the CSV holds memory channels only");
    }
    return out;
}

ChannelTable ReplaceMemoryChannels(const ChannelTable& table,
                                   const std::vector<ChannelRecord>& channels) {
    auto isMemory = [](int number) { return number >= 1 && number <= kMemoryChannels; };
    auto imported = [&](int number) -> const ChannelRecord* {
        for (const ChannelRecord& c : channels)
            if (c.Number == number) return &c;
        return nullptr;
    };
    ChannelTable out;
    out.records.fill(NewChannelRecord(0));
    std::size_t count = 0;
    std::set<int> placed;
    auto put = [&](const ChannelRecord& c) {
        if (count < out.records.size()) out.records[count++] = c;
        placed.insert(c.Number);
    };
    for (const ChannelRecord& c : table.used()) {
        if (!isMemory(c.Number)) {
            put(c);
        } else if (const ChannelRecord* replacement = imported(c.Number)) {
            if (!placed.contains(c.Number)) put(*replacement);
        }
    }
    std::vector<ChannelRecord> added;
    for (const ChannelRecord& c : channels)
        if (isMemory(c.Number) && !placed.contains(c.Number)) added.push_back(c);
    std::stable_sort(
        added.begin(), added.end(),
        [](const ChannelRecord& a, const ChannelRecord& b) { return a.Number < b.Number; });
    for (const ChannelRecord& c : added) put(c);
    out.ChannelCount = static_cast<std::int16_t>(count);
    return out;
}

}  // namespace torvik
