// The programming report as placed text: which pages the sections make, what their lines
// say in either language, that no page runs into its footer and that no label runs into
// its value.
#include <QtTest>
#include <algorithm>
#include <map>

#include "report/compose_report.h"
#include "report/fit_columns.h"
#include "report/report_sections.h"
#include "report_test_support.h"
#include "support/data_texts.h"

using namespace torvik;
using torvik::test::CodeplugWithChannelCount;
using torvik::test::CodeplugWithChannels;
using torvik::test::LineText;
using torvik::test::PageLines;

namespace {

// An A4 page with 10 mm margins, and a common sans-serif font's own line spacing.
constexpr double kA4PrintableHeight = 785.2;
constexpr double kNaturalLineFactor = 1.16;

ReportGeometry A4() {
    return {kA4PrintableHeight, FittingLineFactor(kA4PrintableHeight, kNaturalLineFactor)};
}

PrintFlags Only(std::initializer_list<PrintItem> items) {
    PrintFlags flags{};
    for (const PrintItem item : items) flags[static_cast<std::size_t>(item)] = true;
    return flags;
}

Report Compose(const Codeplug& codeplug, const PrintFlags& flags,
               Language language = Language::English, ReportGeometry geometry = A4()) {
    static const LanguageTexts english = test::DataTexts(Language::English);
    static const LanguageTexts chinese = test::DataTexts(Language::Chinese);
    const ReportSource source{codeplug, language == Language::Chinese ? chinese : english,
                              "10/12/2026    16:00"};
    return ComposeReport(source, flags, geometry);
}

// The lines of a page below its header, where the section begins.
QStringList Body(const ReportPage& page) {
    return PageLines(page).mid(8);
}

// Where the last line of a page ends, as a fraction of the page height.
double PageBottom(const ReportPage& page, const ReportGeometry& g) {
    double y = kTopMargin * g.pageHeightPoints;
    for (const ReportLine& line : page.lines) y += line.pointSize * g.lineFactor;
    return y / g.pageHeightPoints;
}

// A text's printed width as a fraction of an A4 page's printable width in a common
// sans-serif font: a Chinese character about twice as wide as a Latin one.
double PrintedWidth(const ReportLine& line, const std::string& text) {
    double ems = 0;
    for (const QChar c : QString::fromStdString(text)) ems += c.unicode() >= 0x2E80 ? 1.0 : 0.56;
    return ems * line.pointSize / 523.0;
}

constexpr double kGap = 0.01;

QString Key(int key) {
    static const LanguageTexts english = test::DataTexts(Language::English);
    return QString::fromStdString(english.langText(key));
}

}  // namespace

class ComposeReportTest : public QObject {
    Q_OBJECT

  private slots:
    void pageHeaderAndFooter() {
        Codeplug c = CodeplugWithChannelCount(1);
        c.file.CurrentFile = "radio.dat";
        const Report report = Compose(c, Only({PrintItem::Dtmf}));
        QCOMPARE(report.pages.size(), std::size_t{1});
        const QStringList lines = PageLines(report.pages[0]);
        QCOMPARE(lines[0], "TORVIK Radio Programming Information");
        QVERIFY(report.pages[0].lines[0].cells[0].centred);
        QCOMPARE(report.pages[0].lines[0].pointSize, kTitlePointSize);
        QCOMPARE(lines[2], "10/12/2026    16:00");
        QCOMPARE(lines[4], "Model Type | TORVIK");
        QVERIFY(lines[5].startsWith("Frequency | Rx("));
        QCOMPARE(lines[6], "File Name | radio.dat");
        for (int i = 0; i < 8; ++i)
            QVERIFY(report.pages[0].lines[static_cast<std::size_t>(i)].bold);
        QCOMPARE(Body(report.pages[0]).first(), "DTMF");
        QVERIFY(!report.pages[0].lines[8].bold);
        QCOMPARE(report.pages[0].footer, "- 1 -");
    }

    void channelPages_data() {
        QTest::addColumn<int>("channels");
        QTest::addColumn<QList<int>>("perPage");
        QTest::newRow("none") << 0 << QList<int>{0};
        QTest::newRow("one page full") << 5 << QList<int>{5};
        QTest::newRow("twelve") << 12 << QList<int>{5, 5, 2};
    }
    void channelPages() {
        QFETCH(int, channels);
        QFETCH(QList<int>, perPage);
        const Report report =
            Compose(CodeplugWithChannelCount(channels), Only({PrintItem::Channels}));
        QCOMPARE(report.pages.size(), static_cast<std::size_t>(perPage.size()));
        for (qsizetype p = 0; p < perPage.size(); ++p) {
            const QStringList body = Body(report.pages[static_cast<std::size_t>(p)]);
            QCOMPARE(body.first(), Key(3009));
            QCOMPARE(body.filter(QRegularExpression("^" + Key(1751) + " \\d+$")).size(),
                     perPage[p]);
            QCOMPARE(report.pages[static_cast<std::size_t>(p)].footer,
                     QString("- %1 -").arg(p + 1).toStdString());
        }
        if (channels == 0) QCOMPARE(Body(report.pages[0]), (QStringList{Key(3009), ""}));
    }

    void channelsPrintInNumberOrder() {
        const Report report =
            Compose(CodeplugWithChannels({203, 5, 201}), Only({PrintItem::Channels}));
        const QStringList numbers =
            Body(report.pages[0])
                .filter(QRegularExpression("^" + Key(1751) + " (\\d+|PA|PB|VFO)$"));
        QCOMPARE(numbers, (QStringList{Key(1751) + " 4", Key(1751) + " PA", Key(1751) + " VFO"}));
    }

    void channelLines() {
        Codeplug c = CodeplugWithChannels({1});
        ChannelRecord& r = c.channels.records[0];
        r.ShiftDir = 2;
        r.Offset = FixedText<9>::Raw("000060000");
        r.RxToneType = kToneDcs;
        r.RxDcs = 19;
        r.RxDcsInvert = 1;
        r.TxToneType = kToneCtcss;
        r.TxCtcss = 12;
        r.Signaling = kSignalingDtmf;
        r.DtmfCodeNo = 2;
        r.BusyLock = 2;
        r.Bandwidth = 7;  // outside its list: empty
        r.ScanSkip = 1;
        const QStringList body = Body(Compose(c, Only({PrintItem::Channels})).pages[0]);
        QCOMPARE(body.size(), 3 + 11);
        QCOMPARE(body[3], Key(1751) + " 0");
        QCOMPARE(body[4], Key(1101) + " | 145.00000 MHz | " + Key(1102) + " | + 0.60000 MHz");
        QCOMPARE(body[6], Key(1106) + " |  | " + Key(1109) + " | " + Key(1204));
        QCOMPARE(body[7], Key(1107) + " " + Key(1112) + " | D023I | " + Key(1107) + " " +
                              Key(1113) + " | 97.4");
        QVERIFY(body[8].startsWith(Key(1110) + " | DTMF M3 | "));
        QVERIFY(body[10].startsWith(Key(1717) + " | Busy | "));
        QCOMPARE(body[13], Key(1111) + " | ON");
    }

    void bookLines() {
        Codeplug c = CodeplugWithChannelCount(0);
        StoreBookCallId(c.record.commBook[30], "12345");
        StoreBookName(c.record.commBook[30], "ALPHA");
        StoreBookCallId(c.record.commBook[127], "777");
        const Report report = Compose(c, Only({PrintItem::CommBook}));
        QCOMPARE(report.pages.size(), std::size_t{1});
        const QStringList body = Body(report.pages[0]);
        QCOMPARE(body[0], "Communication Book");
        QCOMPARE(body[3], Key(3007) + " | Call ID | Name | " + Key(3007) + " | Call ID | Name | " +
                              Key(3007) + " | Call ID | Name");
        QCOMPARE(body.size(), 4 + 50);
        QCOMPARE(body[4 + 30], "30 | 12345 | ALPHA | 80 |  | ");
        QCOMPARE(body[4 + 27], "27 |  |  | 77 |  |  | 127 | 777 | ");
        QCOMPARE(report.pages[0].lines[8 + 4 + 30].cells[3].x, 0.38);
    }

    void sectionsInFixedOrderOnePerPage() {
        const Report report = Compose(CodeplugWithChannelCount(1),
                                      Only({PrintItem::EmbeddedMessage, PrintItem::Options}));
        QCOMPARE(report.pages.size(), std::size_t{2});
        QCOMPARE(Body(report.pages[0]).first(), Key(1701));
        QCOMPARE(Body(report.pages[1]).first(), "Embedded Message");
        QCOMPARE(Body(report.pages[1])[3], "Area Code | ");
        QVERIFY(Body(report.pages[1]).contains("Version | V1.00"));
        QCOMPARE(report.pages[1].footer, "- 2 -");
    }

    void hiddenItemsPrintNothing() {
        const Codeplug c = CodeplugWithChannelCount(3);
        PrintFlags all{};
        all.fill(true);
        const PrintFlags shown = Only({PrintItem::Channels, PrintItem::Options, PrintItem::Dtmf,
                                       PrintItem::TwoTone, PrintItem::FiveTone, PrintItem::CommBook,
                                       PrintItem::EmbeddedMessage, PrintItem::EmergencyAlarm});
        const Report a = Compose(c, all);
        const Report b = Compose(c, shown);
        QCOMPARE(a.pages.size(), std::size_t{8});
        QCOMPARE(a.pages.size(), b.pages.size());
        for (std::size_t p = 0; p < a.pages.size(); ++p)
            QCOMPARE(PageLines(a.pages[p]), PageLines(b.pages[p]));
        QVERIFY(Compose(c, Only({PrintItem::VhfChannels, PrintItem::RadioChannels})).pages.empty());
    }

    void optionsDtmfAndAlarmShowTheEditorsTexts() {
        Codeplug c = CodeplugWithChannelCount(2);
        c.record.options.displayMode = 1;
        c.record.options.channelDisplayExtra = 1;
        c.record.options.initKey = 1;
        c.record.dtmf.memoryCodes[2].code = FixedText<24>::Value("12E");
        c.record.dtmf.memoryCodes[2].length = 3;
        c.record.emergency.idCodeType = 1;
        c.record.emergency.idCode = 2;
        c.record.emergency.emergencyChannel = 2;
        const Report report =
            Compose(c, Only({PrintItem::Options, PrintItem::Dtmf, PrintItem::EmergencyAlarm}));
        const QStringList options = Body(report.pages[0]);
        QCOMPARE(options[4], Key(1702) + " | " + Key(1751) + Key(1797));
        QVERIFY(options.contains(Key(1732) + " | ON"));
        QVERIFY(options.contains(Key(1720) + " | "));
        QVERIFY(options[3].endsWith(" | Welcome"));
        const QStringList dtmf = Body(report.pages[1]);
        QVERIFY(dtmf.contains("M3 | 12*"));
        QCOMPARE(dtmf.size(), 3 + 12 + 20);
        const QStringList alarm = Body(report.pages[2]);
        QVERIFY(alarm.contains(Key(2604) + " | M3"));
        QVERIFY(alarm.contains(Key(2610) + " | 1"));
        QCOMPARE(alarm.filter(Key(2609)).size(), 0);
    }

    void twoToneCodesTwoToALine() {
        Codeplug c = CodeplugWithChannelCount(0);
        TwoToneCode& code = c.record.twoTone.codes[5];
        code.empty = 0;
        code.tone1.value = 10000;
        code.name = FixedText<7>::Value("GATE");
        const QStringList body = Body(Compose(c, Only({PrintItem::TwoTone})).pages[0]);
        QCOMPARE(body.last(), "0 | 321.7 | 928.1 |  | 5 | 1000.0 |  | GATE");
    }

    void fiveToneListGoesOnOverPages() {
        Codeplug c = CodeplugWithChannelCount(0);
        for (auto& entry : c.record.fiveTone.codeTable) {
            entry.empty = 0;
            entry.code = FixedText<40>::Value("12345");
            entry.length = 5;
        }
        const ReportGeometry g = A4();
        const Report report = Compose(c, Only({PrintItem::FiveTone}), Language::English, g);
        QVERIFY(report.pages.size() >= 2);
        int entries = 0;
        for (std::size_t p = 0; p < report.pages.size(); ++p) {
            QVERIFY(PageBottom(report.pages[p], g) < kFooterY);
            const QStringList body = Body(report.pages[p]);
            entries +=
                body.filter(QRegularExpression("^\\d+ \\| 12345 \\| ZVEI1 \\| 70 \\| ")).size();
            if (p > 0) {
                QCOMPARE(body[1], "");
                QVERIFY(body[2].contains("ZVEI1") == false);
                QCOMPARE(body[0], Body(report.pages[0])[0]);
            }
        }
        QCOMPARE(entries, kFiveToneEntryCount);
    }

    // Five channels with header and footer, and the fifty book lines, fit on one A4 page.
    void fixedPagesFitTheirPage() {
        const ReportGeometry g = A4();
        QVERIFY(g.lineFactor > 1.0);
        const Report report =
            Compose(CodeplugWithChannelCount(5), Only({PrintItem::Channels, PrintItem::CommBook}));
        for (const ReportPage& page : report.pages) QVERIFY(PageBottom(page, g) <= kOverflowY);
    }

    void chineseTexts() {
        const Report report =
            Compose(CodeplugWithChannelCount(1),
                    Only({PrintItem::Channels, PrintItem::EmbeddedMessage}), Language::Chinese);
        QCOMPARE(PageLines(report.pages[0])[0], QStringLiteral("TORVIK 对讲机编程信息"));
        QVERIFY(PageLines(report.pages[0])[4].startsWith(QStringLiteral("机型类型")));
        QCOMPARE(Body(report.pages[0])[0], QStringLiteral("信道信息"));
        QCOMPARE(Body(report.pages[1])[0], QStringLiteral("嵌入信息"));
        QVERIFY(Body(report.pages[1]).contains(QStringLiteral("维修原因 | ")));
    }

    // However wide a label prints, it ends before the text after it on its line begins;
    // texts that shared a left edge in a block of lines still do (a long label moves its
    // whole value column), and every text stays on the page. In both languages, over every
    // section.
    void labelsNeverReachTheirValues_data() { test::LanguageRows(); }
    void labelsNeverReachTheirValues() {
        QFETCH(int, language);
        Codeplug c = CodeplugWithChannelCount(3);
        c.file.CurrentFile = "radio.dat";
        PrintFlags all{};
        for (const PrintItem item : kPrintedItems) all[static_cast<std::size_t>(item)] = true;
        Report report = Compose(c, all, Language(language));
        for (ReportPage& page : report.pages) {
            const ReportPage placed = page;
            FitColumns(page, PrintedWidth, kGap);
            std::map<double, double> columns;  // a left edge before, and after, in a block
            for (std::size_t l = 0; l < page.lines.size(); ++l) {
                const ReportLine& line = page.lines[l];
                if (std::all_of(line.cells.begin(), line.cells.end(),
                                [](const ReportCell& cell) { return cell.text.empty(); })) {
                    columns.clear();  // an empty line ends a block
                }
                double end = 0;
                for (std::size_t i = 0; i < line.cells.size(); ++i) {
                    const ReportCell& cell = line.cells[i];
                    if (cell.centred || cell.text.empty()) continue;
                    const double was = placed.lines[l].cells[i].x;
                    QVERIFY2(cell.x >= was, cell.text.c_str());
                    QVERIFY2(cell.x >= end + kGap - 1e-9 || end == 0, cell.text.c_str());
                    const auto [column, added] = columns.emplace(was, cell.x);
                    QVERIFY2(added || column->second == cell.x, cell.text.c_str());
                    end = cell.x + PrintedWidth(line, cell.text);
                    QVERIFY2(end <= 1.0, cell.text.c_str());
                }
            }
        }
    }
};

QTEST_APPLESS_MAIN(ComposeReportTest)
#include "test_compose_report.moc"
