// The 2-Tone section: the 2-Tone editor's two tabs and its stored receive codes, from the
// record as the editor would show it.
#include <vector>

#include "calling/option_section_keys.h"
#include "calling/twotone/two_tone_tones.h"
#include "report/report_sections.h"

namespace torvik {
namespace {

// Section "OPTION".

constexpr double kTabX = 0.05;
constexpr double kFirstLabelX = 0.10;
constexpr double kFirstValueX = 0.35;
constexpr double kSecondLabelX = 0.55;
constexpr double kSecondValueX = 0.75;
// Number, tone 1, tone 2 and name of the first and the second code of a line.
constexpr double kCodeX[2][4] = {{0.10, 0.13, 0.20, 0.27}, {0.55, 0.58, 0.65, 0.72}};

// A tenths value "0.5" when `first` <= value <= `last`, else the text of `fallback`.
std::string Tenths(int value, int first, int last, int fallback) {
    const int v = value >= first && value <= last ? value : fallback;
    return std::to_string(v / 10) + "." + std::to_string(v % 10);
}

}  // namespace

void PrintTwoToneSection(SectionPrinter& p) {
    const ReportWords& w = p.words;
    TwoToneSettings s = p.codeplug.record.twoTone;
    FillUnsetTwoToneTones(s);
    auto two = [&](std::string label1, std::string value1, std::string label2, std::string value2) {
        p.out.pair({{kFirstLabelX, std::move(label1)},
                    {kFirstValueX, std::move(value1)},
                    {kSecondLabelX, std::move(label2)},
                    {kSecondValueX, std::move(value2)}});
    };
    auto tone = [&](char letter, std::uint16_t value) {
        return std::pair(w.option(kOptionToneLabel) + letter, ToneText(value));
    };
    p.out.beginPage();
    p.out.heading(w.option(kOptionTwoToneCaption));

    p.out.text(kTabX, w.option(kOptionTwoToneCallTab));
    two(w.option(kOptionCallFormat), std::string(CallFormatName(s.callFormat)),
        w.option(kOptionTwoToneDecodeResponse),
        EntryOrFirst(OptionTexts(w, {kOptionResponseNone, kOptionResponseAlertTone,
                                     kOptionResponseAutoReply}),
                     s.decodeResponse));
    const auto [labelA, toneA] = tone('A', s.toneA.value);
    const auto [labelB, toneB] = tone('B', s.toneB.value);
    const auto [labelC, toneC] = tone('C', s.toneC.value);
    const auto [labelD, toneD] = tone('D', s.toneD.value);
    two(labelA, toneA, labelB, toneB);
    two(labelC, toneC, labelD, toneD);

    p.out.text(kTabX, w.option(kOptionTwoToneTimingTab));
    two(w.option(kOptionFirstToneTime), Tenths(s.firstToneTime, 5, 100, 5),
        w.option(kOptionSecondToneTime), Tenths(s.secondToneTime, 5, 100, 5));
    two(w.option(kOptionLongToneTime), Tenths(s.longToneTime, 5, 100, 10),
        w.option(kOptionToneInterval),
        std::to_string((s.toneInterval <= 20 ? s.toneInterval : 10) * 100));
    two(w.option(kOptionAutoResetTime), Tenths(s.autoResetTime, 0, 250, 0),
        w.option(kOptionSideTone), w.onOff(s.sideTone == 1 ? 1 : 0));

    // The grid's rows whose tone-1 cell shows a tone, two to a line.
    std::vector<int> shown;
    for (int k = 0; k < kTwoToneCodes; ++k) {
        const TwoToneCode& code = s.codes[static_cast<std::size_t>(k)];
        if (code.empty == 0 && code.tone1.value != 0) shown.push_back(k);
    }
    for (std::size_t i = 0; i < shown.size(); i += 2) {
        ReportLine line;
        for (std::size_t j = i; j < std::min(i + 2, shown.size()); ++j) {
            const TwoToneCode& code = s.codes[static_cast<std::size_t>(shown[j])];
            const auto& x = kCodeX[j - i];
            line.cells.push_back({x[0], std::to_string(shown[j])});
            line.cells.push_back({x[1], ToneText(code.tone1.value)});
            line.cells.push_back(
                {x[2], code.tone2.value != 0 ? ToneText(code.tone2.value) : std::string()});
            line.cells.push_back({x[3], code.name.text()});
        }
        p.out.line(std::move(line));
    }
    p.out.endPage();
}

}  // namespace torvik
