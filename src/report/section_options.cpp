// The optional-function section: the option editor's rows, switches and power-on message as
// the editor shows them.
#include <vector>

#include "functions/options/option_keys.h"
#include "functions/options/option_rules.h"
#include "report/report_sections.h"

namespace torvik {
namespace {

constexpr int kFirstHiddenRow = 19;
constexpr int kLastHiddenRow = 23;

constexpr double kLabelX = 0.10;
constexpr double kValueX = 0.50;
constexpr double kWelcomeValueX = 0.35;
constexpr double kSwitchValueX = 0.55;

// The text each shown row's list shows for the record.
std::string RowText(int row, const OptionSettings& o, const ChannelTable& channels,
                    const ReportWords& w) {
    switch (row) {
        case 0:
            return Entry(KeyTexts(w, {kKeyOptionDisplayFrequency, kKeyOptionDisplayChannel,
                                      kKeyOptionDisplayName}),
                         o.displayMode);
        case 1:
            return Entry(KeyTexts(w, {kKeyOptionFrequencyMode, kKeyOptionChannelMode}), o.workMode);
        case 2: {
            const std::vector<OptionChannelChoice> choices = OptionChannelChoices(channels);
            const int position = OptionChannelPosition(choices, o.powerOnChannel);
            return choices.empty() ? std::string()
                                   : choices[static_cast<std::size_t>(position)].text;
        }
        case 3:
            return EntryOrFirst(NumberTexts(0, 20), o.squelchLevel);
        case 5:
            return EntryOrFirst(
                KeyTexts(w, {kKeyOptionVoiceOff, kKeyOptionVoiceChinese, kKeyOptionVoiceEnglish}),
                o.voicePrompt);
        case 8:
            return EntryOrFirst(NumberTexts(1, 32), o.currentGroup);
        case 9:
            return EntryOrFirst({"1750Hz", "2100Hz", "1000Hz", "1450Hz"}, o.toneBurstFrequency);
        case 10: {
            std::vector<std::string> times{w.key(kKeyOptionOff)};
            for (int n = 1; n <= 30; ++n)
                times.push_back(std::to_string(n) + w.key(kKeyOptionSeconds));
            return EntryOrFirst(times, o.timeOutTimer);
        }
        case 11:
            return EntryOrFirst(
                KeyTexts(w, {kKeyOptionOff, kKeyOptionBatterySaveOneToOne,
                             kKeyOptionBatterySaveOneToTwo, kKeyOptionBatterySaveOneToFour}),
                o.batterySave);
        case 12:
            return EntryOrFirst(KeyTexts(w, {kKeyOptionKeyLockManual, kKeyOptionKeyLockAutomatic}),
                                o.keyLock);
        case 14:
            return EntryOrFirst(KeyTexts(w, {kKeyOptionKeyBeepOff, kKeyOptionKeyBeepOn}),
                                o.keyBeep);
        case 16: {
            std::vector<std::string> phases =
                KeyTexts(w, {kKeyOptionOff, kKeyOptionTailPhase120, kKeyOptionTailPhase180});
            const char* builtIn[] = {"off", "120°", "180°"};
            for (std::size_t i = 0; i < phases.size(); ++i) {
                if (phases[i].empty()) phases[i] = builtIn[i];
            }
            return EntryOrFirst(phases, o.tailPhase);
        }
        case 17:
            return EntryOrFirst(KeyTexts(w, {kKeyOptionSideKeyMonitor, kKeyOptionSideKeyScan}),
                                o.sideKey);
        case 18:
            return Entry(KeyTexts(w, {kKeyOptionExtraFrequency, kKeyOptionExtraName}),
                         o.channelDisplayExtra);
        default:
            return {};  // rows the editor hides with empty lists
    }
}

}  // namespace

void PrintOptionSection(SectionPrinter& p) {
    const OptionSettings& o = p.codeplug.record.options;
    const ChannelTable& channels = p.codeplug.channels;
    const ReportWords& w = p.words;
    auto row = [&](int r, int labelKey) {
        p.out.pair({{kLabelX, w.key(labelKey)}, {kValueX, RowText(r, o, channels, w)}});
    };
    p.out.beginPage();
    p.out.heading(w.key(kKeyOptionCaption));
    p.out.pair(
        {{kLabelX, w.key(kKeyOptionWelcomeLabel)}, {kWelcomeValueX, WelcomeMessageBoxes(o)}});
    std::string row0 = RowText(0, o, channels, w);
    if (ChannelDisplayExtraShown(o)) row0 += RowText(18, o, channels, w);
    p.out.pair({{kLabelX, w.key(kKeyOptionFirstRowLabel)}, {kValueX, row0}});
    for (const int r : {1, 2, 3, 5, 8, 9, 10, 11, 12, 14, 16, 17})
        row(r, kKeyOptionFirstRowLabel + r);
    for (int r = kFirstHiddenRow; r <= kLastHiddenRow; ++r) {
        row(r, kKeyOptionFirstHiddenRowLabel + r - kFirstHiddenRow);
    }
    const std::int16_t switches[] = {o.internalFunctionOperation, o.initKey, o.tailElimination};
    for (int j = 1; j <= 3; ++j) {
        p.out.pair({{kLabelX, w.key(kKeyOptionFirstSwitch + j)},
                    {kSwitchValueX, w.onOff(switches[j - 1] != 0 ? 1 : 0)}});
    }
    p.out.endPage();
}

}  // namespace torvik
