#include "textform/codeplug_summary.h"

#include <cstdio>

#include "codeplug/channel_record.h"
#include "codeplug/freq_code.h"
#include "codeplug/tones.h"
#include "platform/gbk.h"

namespace torvik {
namespace {

std::string ToneText(int type, int ctcss, int dcs, int inverted) {
    if (type == kToneCtcss) {
        return ctcss >= 0 && ctcss < kCtcssCount ? std::string(CtcssTable[ctcss]) : "?";
    }
    if (type == kToneDcs) return DcsText(dcs, inverted != 0);
    return "-";
}

}  // namespace

std::string CodeplugSummary(const Codeplug& codeplug, Reporter& reporter) {
    std::string out;
    out += "Band:     " + std::to_string(codeplug.band.code()) + "  " + codeplug.band.text() + "\n";
    out += "Channels: " + std::to_string(codeplug.channels.ChannelCount) + "\n\n";
    char line[160];
    std::snprintf(line, sizeof line, "%-4s %-10s %-10s %-5s %-7s %-7s %s\n", "CH", "RX MHz",
                  "OFFSET", "SHIFT", "TX TONE", "RX TONE", "NAME");
    out += line;
    for (const ChannelRecord& r : codeplug.channels.used()) {
        const std::string rx = FreqCodeToText(r.RxFreq.text(), codeplug.band.limits(), reporter);
        const std::string offset =
            FreqCodeToText(r.Offset.text(), codeplug.band.limits(), reporter);
        const char* shift = r.ShiftDir == 1 ? "-" : r.ShiftDir == 2 ? "+" : "";
        std::snprintf(line, sizeof line, "%-4s %-10s %-10s %-5s %-7s %-7s %s\n",
                      ChannelLabel(r.Number).c_str(), rx.c_str(), offset.c_str(), shift,
                      ToneText(r.TxToneType, r.TxCtcss, r.TxDcs, r.TxDcsInvert).c_str(),
                      ToneText(r.RxToneType, r.RxCtcss, r.RxDcs, r.RxDcsInvert).c_str(),
                      GbkToUtf8Lossy(r.Name.text()).c_str());
        out += line;
    }
    return out;
}

}  // namespace torvik
