// The DTMF section: the DTMF editor's settings and its twenty code boxes.
#include "calling/dtmf/dtmf_choices.h"
#include "calling/dtmf/dtmf_form.h"
#include "report/report_sections.h"

namespace torvik {
namespace {

constexpr int kKeyOff = 1755;
constexpr int kKeyMilliseconds = 1780;
constexpr int kKeySideTone = 1612;
// Section "OPTION": the labels of the PTT-ID and remote-control code boxes.
constexpr int kCodeBoxLabels[] = {60302, 60303, 60069, 60093};

constexpr double kLabelX = 0.10;
constexpr double kValueX = 0.50;
constexpr double kCodeValueX = 0.35;

std::vector<std::string> WithOff(std::string off, std::vector<std::string> entries) {
    entries.insert(entries.begin(), std::move(off));
    return entries;
}

}  // namespace

void PrintDtmfSection(SectionPrinter& p) {
    const ReportWords& w = p.words;
    const DtmfForm form = DtmfFormOf(p.codeplug.record.dtmf);
    const std::string off = w.key(kKeyOff);
    std::vector<std::string> durations;
    for (const int ms : kDtmfDigitDurationsMs) {
        durations.push_back(std::to_string(ms) + w.key(kKeyMilliseconds));
    }
    const std::pair<int, std::string> settings[] = {
        {1740, Entry(KeyTexts(w, {kKeyOff, 1756}), form.ani)},
        {1741, Entry(durations, form.digitDuration)},
        {3002, form.dtmfId},
        {1604, Entry(DtmfSymbolTexts(), form.separator)},
        {1605, Entry(WithOff(off, DtmfSymbolTexts()), form.group)},
        {1606, Entry(KeyTexts(w, {1650, 1651, 1653}), form.decodeResponse)},
        {1607, Entry(DtmfFirstDigitDelayTexts(), form.firstDigitDelay)},
        {1608, Entry(DtmfSendDelayTexts(), form.preSendDelay)},
        {1609, Entry(DtmfResetTimeTexts(), form.resetTime)},
        {1610, Entry(DtmfSendDelayTexts(), form.postSendDelay)},
        {1611, Entry(WithOff(off, DtmfPauseTimeTexts()), form.pauseTime)},
        {kKeySideTone, w.onOff(form.sideTone ? 1 : 0)},
    };
    p.out.beginPage();
    p.out.heading("DTMF");
    for (const auto& [key, value] : settings) {
        p.out.pair({{kLabelX, w.key(key)}, {kValueX, value}});
    }
    for (int box = 0; box < kDtmfCodeBoxes; ++box) {
        const std::string label = box < kDtmfBeginBox
                                      ? "M" + std::to_string(box + 1)
                                      : w.option(kCodeBoxLabels[box - kDtmfBeginBox]);
        p.out.pair({{kLabelX, label}, {kCodeValueX, form.codes[static_cast<std::size_t>(box)]}});
    }
    p.out.endPage();
}

}  // namespace torvik
