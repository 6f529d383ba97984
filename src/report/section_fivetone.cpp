// The 5-Tone section: the 5-Tone editor's settings, information codes, PTT-ID codes and the
// code list, from the record as the editor would show it. The code list goes on over as many
// pages as it needs.
#include <vector>

#include "calling/fivetone/tone_standards.h"
#include "calling/option_section_keys.h"
#include "platform/gbk.h"
#include "report/report_sections.h"

namespace torvik {
namespace {

// Section "OPTION" unless named a key.
constexpr int kKeyStandard = 3004;
constexpr int kKeyOff = 1755;
constexpr int kMaxCodeLength = 40;

constexpr double kFirstLabelX = 0.10;
constexpr double kFirstValueX = 0.35;
constexpr double kSecondLabelX = 0.55;
constexpr double kSecondValueX = 0.75;
constexpr double kInfoX[] = {0.10, 0.25, 0.40, 0.60, 0.80};
constexpr double kPttIdX[] = {0.10, 0.35, 0.65, 0.80};
constexpr double kListX[] = {0.10, 0.15, 0.55, 0.70, 0.92};

std::string StandardName(int standard) {
    if (standard < 0 || standard >= kToneStandardCount) return {};
    return std::string(ToneStandardTable[static_cast<std::size_t>(standard)].name);
}

// Tone length in ms as the duration lists show it.
std::string ToneLengthText(int duration) {
    return std::to_string(duration >= kMinToneDuration && duration <= kMaxToneDuration
                              ? duration * 10
                              : kDefaultToneDuration * 10);
}

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// A PTT-ID code box: the code cut to its length, or filled up to it with repeat symbols.
std::string PttIdBoxText(const FiveToneCode& code) {
    const std::size_t length = code.length <= kMaxCodeLength ? code.length : 0;
    std::string text = Trimmed(code.code.text());
    if (text.size() > length) text.resize(length);
    while (text.size() < length) text += 'E';
    return text;
}

std::string Times10(int value, int first, int last) {
    return value >= first && value <= last ? std::to_string(value * 10) : std::string();
}

void PrintCodeListCaptions(SectionPrinter& p) {
    ReportLine captions;
    const int texts[] = {kOptionCodeNumberColumn, kOptionCode, kOptionStandard, kOptionToneLength,
                         kOptionCodeTableNameColumn};
    for (std::size_t i = 0; i < std::size(texts); ++i) {
        captions.cells.push_back({kListX[i], p.words.option(texts[i])});
    }
    p.out.line(std::move(captions));
}

}  // namespace

void PrintFiveToneSection(SectionPrinter& p) {
    const ReportWords& w = p.words;
    const FiveToneSettings& s = p.codeplug.record.fiveTone;
    const std::string heading = w.option(kOptionFiveToneCaption);
    auto two = [&](std::string label1, std::string value1, std::string label2, std::string value2) {
        p.out.pair({{kFirstLabelX, std::move(label1)},
                    {kFirstValueX, std::move(value1)},
                    {kSecondLabelX, std::move(label2)},
                    {kSecondValueX, std::move(value2)}});
    };
    const std::vector<std::string> responses =
        OptionTexts(w, {kOptionResponseNone, kOptionResponseAlertTone, kOptionResponseAutoReply});
    const int ownDuration = s.duration == 0 ? kDefaultToneDuration : s.duration;

    p.out.beginPage();
    p.out.heading(heading);
    two(w.option(kOptionOwnId), Trimmed(s.ownId.text()), w.key(kKeyStandard),
        StandardName(s.standard));
    two(w.option(kOptionDecodeResponse), Entry(responses, s.decodeResponse),
        w.option(kOptionOwnToneLength), Times10(ownDuration, kMinToneDuration, kMaxToneDuration));
    two(w.option(kOptionPreSendDelay), Times10(s.preSendDelay, 1, 255),
        w.option(kOptionAutoResetTime),
        s.autoResetTime <= 250
            ? std::to_string(s.autoResetTime / 10) + "." + std::to_string(s.autoResetTime % 10)
            : std::string());
    two(w.option(kOptionPostSendDelay), Times10(s.postSendDelay, 1, 255),
        w.option(kOptionPauseTime),
        s.interCodePause > 4 && s.interCodePause <= 75 ? std::to_string(s.interCodePause)
                                                       : w.key(kKeyOff));
    two(w.option(kOptionFirstToneDelay), Times10(s.firstDigitDelay, 1, 255),
        w.option(kOptionPauseCodeDuration), Times10(s.pauseTime, 0, 255));
    p.out.pair({{kFirstLabelX, w.option(kOptionSideTone)}, {kFirstValueX, w.onOff(s.sideTone)}});

    p.out.text(kInfoX[0], w.option(kOptionInfoCode));
    const std::vector<std::string> functions = OptionTexts(
        w, {kOptionFunctionNone, kOptionFunctionIndividualCall, kOptionFunctionGroupCall,
            kOptionFunctionRemoteKill, kOptionFunctionRemoteStun, kOptionFunctionRemoteRevive,
            kOptionFunctionAllCall});
    p.out.pair({{kInfoX[1], w.option(kOptionInfoFunction)},
                {kInfoX[2], w.option(kOptionDecodeResponse)},
                {kInfoX[3], w.option(kOptionInfoCodeText)},
                {kInfoX[4], w.option(kOptionInfoName)}});
    for (int i = 0; i < kInfoCodeCount; ++i) {
        const InfoCode& info = s.infoCodes[static_cast<std::size_t>(i)];
        const std::string code = info.code.text();
        p.out.pair({{kInfoX[0], std::to_string(i + 1)},
                    {kInfoX[1], Entry(functions, info.function)},
                    {kInfoX[2], Entry(responses, info.response)},
                    {kInfoX[3], code.substr(0, std::min<std::size_t>(info.length, code.size()))},
                    {kInfoX[4], GbkToUtf8Lossy(info.name.text())}});
    }

    p.out.pair({{kPttIdX[1], w.option(kOptionCode)},
                {kPttIdX[2], w.option(kOptionStandard)},
                {kPttIdX[3], w.option(kOptionToneLength)}});
    const std::pair<int, const FiveToneCode*> pttIds[] = {{kOptionPttIdBegin, &s.pttIdBegin},
                                                          {kOptionPttIdEnd, &s.pttIdEnd}};
    for (const auto& [frame, code] : pttIds) {
        p.out.pair(
            {{kPttIdX[0], w.option(frame)},
             {kPttIdX[1], PttIdBoxText(*code)},
             {kPttIdX[2], StandardName(code->standard < kToneStandardCount ? code->standard : 0)},
             {kPttIdX[3], ToneLengthText(code->duration)}});
    }

    p.out.emptyLines();
    PrintCodeListCaptions(p);
    std::vector<int> listed;
    for (int n = 0; n < kFiveToneEntryCount; ++n) {
        const int length = s.codeTable[static_cast<std::size_t>(n)].length;
        if (length >= 1 && length <= kMaxCodeLength) listed.push_back(n);
    }
    for (std::size_t i = 0; i < listed.size(); ++i) {
        const FiveToneCode& entry = s.codeTable[static_cast<std::size_t>(listed[i])];
        p.out.pair({{kListX[0], std::to_string(listed[i])},
                    {kListX[1], Trimmed(entry.code.text())},
                    {kListX[2], StandardName(entry.standard)},
                    {kListX[3], ToneLengthText(entry.duration)},
                    {kListX[4], GbkToUtf8Lossy(entry.name.text())}});
        if (p.out.reached(kOverflowY) && i + 1 < listed.size()) {
            p.out.endPage();
            p.out.beginPage();
            p.out.heading(heading, 1);
            PrintCodeListCaptions(p);
        }
    }
    p.out.endPage();
}

}  // namespace torvik
