// The emergency-alarm section: the alarm editor's rows (without the channel group) and the
// lone-worker frame, as the editor's lists show them.
#include <array>
#include <vector>

#include "functions/emergency/channel_refs.h"
#include "functions/emergency/emergency_keys.h"
#include "functions/emergency/emergency_rules.h"
#include "report/report_sections.h"

namespace torvik {
namespace {

constexpr int kMaxSeconds = 255;
constexpr int kMaxPreAlert = 254;
constexpr int kFirstLoneWorkerTime = 5;

constexpr double kLabelX = 0.10;
constexpr double kValueX = 0.45;
constexpr double kLoneLabelX = 0.15;
constexpr double kLoneValueX = 0.50;

// The entry with this text, else the first entry, else nothing: how the editor shows a
// number its list may lack.
std::string TextOrFirst(const std::vector<std::string>& list, const std::string& text) {
    for (const std::string& entry : list) {
        if (entry == text) return entry;
    }
    return list.empty() ? std::string() : list.front();
}

std::string IdCodeText(const Codeplug& codeplug, const EmergencySettings& alarm) {
    std::vector<std::string> items;
    std::string stored;
    const int type = alarm.idCodeType <= kIdCodeFiveTone ? alarm.idCodeType : kIdCodeNone;
    if (type == kIdCodeDtmf) {
        std::vector<std::int16_t> lengths;
        for (const auto& code : codeplug.record.dtmf.memoryCodes) lengths.push_back(code.length);
        for (const int memory : DtmfIdCodeChoices(lengths)) items.push_back(DtmfIdCodeText(memory));
        stored = DtmfIdCodeText(alarm.idCode);
    } else if (type == kIdCodeFiveTone) {
        std::array<bool, kFiveToneEntryCount> inUse{};
        const auto& table = codeplug.record.fiveTone.codeTable;
        for (std::size_t i = 0; i < table.size(); ++i) inUse[i] = table[i].empty == 0;
        for (const int number : FiveToneIdCodeChoices(inUse))
            items.push_back(std::to_string(number));
        stored = std::to_string(alarm.idCode);
    }
    return TextOrFirst(items, stored);
}

}  // namespace

void PrintEmergencySection(SectionPrinter& p) {
    const ReportWords& w = p.words;
    const EmergencySettings& a = p.codeplug.record.emergency;
    const std::vector<std::string> seconds = NumberTexts(1, kMaxSeconds);
    std::vector<std::string> channels;
    for (const int n : MemoryChannelChoices(p.codeplug.channels)) {
        channels.push_back(std::to_string(n - 1));
    }
    std::vector<std::string> cycles = seconds;
    cycles.insert(cycles.begin(), w.key(kKeyEmergencyContinuous));
    const std::pair<int, std::string> rows[] = {
        {kKeyEmergencyAlarmMode,
         EntryOrFirst(KeyTexts(w, {kKeyEmergencyLocalAlarm, kKeyEmergencyRemoteAlarm,
                                   kKeyEmergencyLocalAndRemoteAlarm, kKeyEmergencySilentAlarm}),
                      a.alarmMode)},
        {kKeyEmergencyIdCodeType,
         EntryOrFirst({w.key(kKeyEmergencyIdNone), "DTMF", "5Tone"}, a.idCodeType)},
        {kKeyEmergencyIdCode, IdCodeText(p.codeplug, a)},
        {kKeyEmergencyAlarmTime, EntryOrFirst(seconds, a.alarmTime - 1)},
        {kKeyEmergencyTxTime, EntryOrFirst(seconds, a.txTime - 1)},
        {kKeyEmergencyRxTime, EntryOrFirst(seconds, a.rxTime - 1)},
        {kKeyEmergencyChannelSelect,
         EntryOrFirst(KeyTexts(w, {kKeyEmergencyAssignedChannel, kKeyEmergencyCurrentChannel}),
                      a.channelSelect)},
        {kKeyEmergencyChannel, TextOrFirst(channels, std::to_string(a.emergencyChannel - 1))},
        {kKeyEmergencyCycles, EntryOrFirst(cycles, a.cycles)},
    };
    p.out.beginPage();
    p.out.heading(w.key(kKeyEmergencyCaption));
    for (const auto& [key, value] : rows) p.out.pair({{kLabelX, w.key(key)}, {kValueX, value}});
    p.out.text(kLabelX, w.key(kKeyEmergencyLoneWorker));
    const int autoCheck = a.loneWorkerAutoCheck == 1 ? 1 : 0;
    p.out.pair({{kLoneLabelX, w.key(kKeyEmergencyAutoCheck)}, {kLoneValueX, w.onOff(autoCheck)}});
    p.out.pair(
        {{kLoneLabelX, w.key(kKeyEmergencyPreAlertTime)},
         {kLoneValueX, TextOrFirst(NumberTexts(1, kMaxPreAlert), std::to_string(a.preAlertTime))}});
    p.out.pair({{kLoneLabelX, w.key(kKeyEmergencyLoneWorkerTime)},
                {kLoneValueX, TextOrFirst(NumberTexts(kFirstLoneWorkerTime, kMaxSeconds),
                                          std::to_string(a.loneWorkerTime))}});
    p.out.endPage();
}

}  // namespace torvik
