// The DTMF section: the DTMF editor's settings and its twenty code boxes.
#include "calling/dtmf/dtmf_choices.h"
#include "calling/dtmf/dtmf_form.h"
#include "calling/dtmf/dtmf_keys.h"
#include "report/report_sections.h"

namespace torvik {
namespace {

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
    const std::string off = w.key(kKeyDtmfOff);
    std::vector<std::string> durations;
    for (const int ms : kDtmfDigitDurationsMs) {
        durations.push_back(std::to_string(ms) + w.key(kKeyDtmfMilliseconds));
    }
    const std::pair<int, std::string> settings[] = {
        {kKeyDtmfAni, Entry(KeyTexts(w, {kKeyDtmfOff, kKeyDtmfOn}), form.ani)},
        {kKeyDtmfDigitDuration, Entry(durations, form.digitDuration)},
        {kKeyDtmfId, form.dtmfId},
        {kKeyDtmfSeparator, Entry(DtmfSymbolTexts(), form.separator)},
        {kKeyDtmfGroup, Entry(WithOff(off, DtmfSymbolTexts()), form.group)},
        {kKeyDtmfDecodeResponse,
         Entry(KeyTexts(w, {kKeyDtmfResponseNone, kKeyDtmfResponseRing, kKeyDtmfResponseReply}),
               form.decodeResponse)},
        {kKeyDtmfFirstDigitDelay, Entry(DtmfFirstDigitDelayTexts(), form.firstDigitDelay)},
        {kKeyDtmfPreSendDelay, Entry(DtmfSendDelayTexts(), form.preSendDelay)},
        {kKeyDtmfResetTime, Entry(DtmfResetTimeTexts(), form.resetTime)},
        {kKeyDtmfPostSendDelay, Entry(DtmfSendDelayTexts(), form.postSendDelay)},
        {kKeyDtmfPauseTime, Entry(WithOff(off, DtmfPauseTimeTexts()), form.pauseTime)},
        {kKeyDtmfSideTone, w.onOff(form.sideTone ? 1 : 0)},
    };
    p.out.beginPage();
    p.out.heading("DTMF");
    for (const auto& [key, value] : settings) {
        p.out.pair({{kLabelX, w.key(key)}, {kValueX, value}});
    }
    for (int box = 0; box < kDtmfCodeBoxes; ++box) {
        const std::string label =
            box < kDtmfBeginBox
                ? "M" + std::to_string(box + 1)
                : w.option(kOptionDtmfCodeBoxLabels[static_cast<std::size_t>(box - kDtmfBeginBox)]);
        p.out.pair({{kLabelX, label}, {kCodeValueX, form.codes[static_cast<std::size_t>(box)]}});
    }
    p.out.endPage();
}

}  // namespace torvik
