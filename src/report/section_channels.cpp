// The channel section: five channels to a page in number order, each in eleven lines with
// the channel editor's labels and list texts.
#include <algorithm>
#include <vector>

#include "channel_edit/channel_keys.h"
#include "channel_edit/channel_texts.h"
#include "codeplug/freq_code.h"
#include "codeplug/tones.h"
#include "platform/gbk.h"
#include "report/report_sections.h"

namespace torvik {
namespace {

// The section's heading, "Channel information".
constexpr int kKeyHeading = 3009;

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
        p_.out.text(kNumberX, w_.key(kKeyChannelWord) + " " + ChannelLabel(c.Number));
        const std::string mhz = " MHz";
        line(kKeyChannelRxFreq, FreqCodeToText(c.RxFreq.raw(), p_.codeplug.band.limits(), w_) + mhz,
             kKeyChannelOffset,
             Entry({w_.key(kKeyChannelNoShift), "-", "+"}, c.ShiftDir) + " " +
                 FreqCodeToPlainText(c.Offset.raw(), w_) + mhz);
        line(kKeyChannelName, GbkToUtf8Lossy(c.Name.text()), kKeyChannelStep,
             Entry(Steps(), c.Step));
        line(
            kKeyChannelBandwidth, Entry({"25KHz", "20KHz", "12.5KHz"}, c.Bandwidth),
            kKeyChannelPower,
            Entry(KeyTexts(w_, {kKeyChannelPowerHigh, kKeyChannelPowerMedium, kKeyChannelPowerLow}),
                  c.TxPower));
        p_.out.pair(
            {{kLeftLabelX, w_.key(kKeyChannelToneType) + " " + w_.key(kKeyChannelDecode)},
             {kLeftValueX, ChannelToneText(c.RxToneType, c.RxCtcss, c.RxDcs, c.RxDcsInvert, w_)},
             {kRightLabelX, w_.key(kKeyChannelToneType) + " " + w_.key(kKeyChannelEncode)},
             {kRightValueX, ChannelToneText(c.TxToneType, c.TxCtcss, c.TxDcs, c.TxDcsInvert, w_)}});
        std::vector<std::string> squelch;
        for (int mode = 0; mode < 5; ++mode)
            squelch.push_back(w_.key(kKeyChannelFirstSquelchMode + mode));
        line(kKeyChannelSignaling, ChannelSignalingText(c, w_), kKeyChannelSquelch,
             Entry(squelch, c.SquelchMode));
        const std::vector<std::string> pttId = KeyTexts(
            w_, {kKeyChannelOff, kKeyChannelPttBegin, kKeyChannelPttEnd, kKeyChannelPttBoth});
        line(kKeyChannelDtmfPttId, Entry(pttId, c.DtmfPttId), kKeyChannelFiveTonePttId,
             Entry(pttId, c.FiveTonePttId));
        line(kKeyChannelBusyLock, Entry({w_.key(kKeyChannelOff), "Repeater", "Busy"}, c.BusyLock),
             kKeyChannelScrambler,
             Entry(KeyTexts(w_, {kKeyChannelOff, kKeyChannelOn}), c.Scrambler));
        line(kKeyChannelTxInhibit, w_.onOff(c.TxInhibit), kKeyChannelCompander,
             w_.onOff(c.Compander));
        line(kKeyChannelReverse, w_.onOff(c.Reverse), kKeyChannelTalkaround,
             w_.onOff(c.Talkaround));
        p_.out.pair(
            {{kLeftLabelX, w_.key(kKeyChannelScanSkip)}, {kLeftValueX, w_.onOff(c.ScanSkip)}});
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
