// The channel section: five channels to a page in number order, each in eleven lines with
// the channel editor's labels and list texts.
#include <algorithm>
#include <vector>

#include "channel_edit/channel_texts.h"
#include "codeplug/freq_code.h"
#include "codeplug/tones.h"
#include "platform/gbk.h"
#include "report/report_sections.h"

namespace torvik {
namespace {

constexpr int kKeyHeading = 3009;
constexpr int kKeyChannel = 1751;
constexpr int kKeyNoShift = 1210;
constexpr int kKeyOff = 1755;
constexpr int kKeyOn = 1756;
constexpr int kKeyFirstSquelchMode = 1784;

constexpr double kNumberX = 0.05;
constexpr double kLeftLabelX = 0.10;
constexpr double kLeftValueX = 0.30;
constexpr double kRightLabelX = 0.55;
constexpr double kRightValueX = 0.75;

// Lines of the page header and the heading block, in body lines (the title and the empty
// line after it are 2.5 body lines each).
constexpr double kHeaderBodyLines = 2 * kTitlePointSize / kBodyPointSize + 6;
constexpr double kHeadingBodyLines = 3;
constexpr int kLinesPerChannel = 11;

class ChannelLines {
  public:
    explicit ChannelLines(SectionPrinter& p) : p_(p), w_(p.words) {}

    void print(const ChannelRecord& c) {
        p_.out.text(kNumberX,
                    w_.key(kKeyChannel) + " " + ChannelLabel(c.Number, ChannelLabelBase::FromZero));
        const std::string mhz = " MHz";
        line(1101, FreqCodeToText(c.RxFreq.raw(), p_.codeplug.band.limits(), w_) + mhz, 1102,
             Entry({w_.key(kKeyNoShift), "-", "+"}, c.ShiftDir) + " " +
                 FreqCodeToPlainText(c.Offset.raw(), w_) + mhz);
        line(1103, GbkToUtf8Lossy(c.Name.text()), 1104, Entry(Steps(), c.Step));
        line(1106, Entry({"25KHz", "20KHz", "12.5KHz"}, c.Bandwidth), 1109,
             Entry(KeyTexts(w_, {1204, 1221, 1205}), c.TxPower));
        p_.out.pair(
            {{kLeftLabelX, w_.key(1107) + " " + w_.key(1112)},
             {kLeftValueX, ChannelToneText(c.RxToneType, c.RxCtcss, c.RxDcs, c.RxDcsInvert, w_)},
             {kRightLabelX, w_.key(1107) + " " + w_.key(1113)},
             {kRightValueX, ChannelToneText(c.TxToneType, c.TxCtcss, c.TxDcs, c.TxDcsInvert, w_)}});
        std::vector<std::string> squelch;
        for (int mode = 0; mode < 5; ++mode) squelch.push_back(w_.key(kKeyFirstSquelchMode + mode));
        line(1110, ChannelSignalingText(c, w_), 1745, Entry(squelch, c.SquelchMode));
        const std::vector<std::string> pttId = KeyTexts(w_, {kKeyOff, 1765, 1766, 1767});
        line(1743, Entry(pttId, c.DtmfPttId), 1744, Entry(pttId, c.FiveTonePttId));
        line(1717, Entry({w_.key(kKeyOff), "Repeater", "Busy"}, c.BusyLock), 1742,
             Entry(KeyTexts(w_, {kKeyOff, kKeyOn}), c.Scrambler));
        line(1105, w_.onOff(c.TxInhibit), 1746, w_.onOff(c.Compander));
        line(1207, w_.onOff(c.Reverse), 1114, w_.onOff(c.Talkaround));
        p_.out.pair({{kLeftLabelX, w_.key(1111)}, {kLeftValueX, w_.onOff(c.ScanSkip)}});
    }

  private:
    void line(int leftKey, std::string left, int rightKey, std::string right) {
        p_.out.pair({{kLeftLabelX, w_.key(leftKey)},
                     {kLeftValueX, std::move(left)},
                     {kRightLabelX, w_.key(rightKey)},
                     {kRightValueX, std::move(right)}});
    }

    std::vector<std::string> Steps() const {
        std::vector<std::string> steps;
        for (const std::string_view step : StepList(p_.codeplug.band.code())) {
            steps.emplace_back(step);
        }
        return steps;
    }

    SectionPrinter& p_;
    ReportWords& w_;
};

}  // namespace

double FullChannelPageExtent() {
    return (kHeaderBodyLines + kHeadingBodyLines + kChannelsPerPage * kLinesPerChannel) *
           kBodyPointSize;
}

void PrintChannelSection(SectionPrinter& p) {
    std::vector<const ChannelRecord*> channels;
    for (const ChannelRecord& record : p.codeplug.channels.used()) channels.push_back(&record);
    std::stable_sort(channels.begin(), channels.end(),
                     [](const auto* a, const auto* b) { return a->Number < b->Number; });
    if (channels.empty()) {
        p.out.beginPage();
        p.out.heading(p.words.key(kKeyHeading), 1);
        p.out.endPage();
        return;
    }
    ChannelLines lines(p);
    for (std::size_t first = 0; first < channels.size(); first += kChannelsPerPage) {
        p.out.beginPage();
        p.out.heading(p.words.key(kKeyHeading));
        const std::size_t last = std::min(channels.size(), first + kChannelsPerPage);
        for (std::size_t i = first; i < last; ++i) lines.print(*channels[i]);
        p.out.endPage();
    }
}

}  // namespace torvik
