// Channel rows copied as tab-separated text and pasted back: through the list's titles in
// either language, without a header, in the channel CSV's columns, and what is refused.
#include <QtTest>

#include "channel_edit/channel_cells.h"
#include "interchange/channel_sheet.h"
#include "support/codeplug_fixtures.h"
#include "support/data_texts.h"

using namespace torvik;

namespace {

// The language file's words as a Reporter that shows nothing.
class Words : public Reporter {
  public:
    explicit Words(Language language) : texts_(test::DataTexts(language)) {}
    Language language() const override { return texts_.language(); }
    std::string langText(int key) const override { return texts_.langText(key); }
    void show(Severity, std::string_view, std::string_view) override {}
    Answer ask(Severity, std::string_view, Buttons, std::string_view) override {
        return Answer::Cancel;
    }

  private:
    LanguageTexts texts_;
};

const FeatureFlags kFeatures{};

// Channels 1..3 that differ in every shown column.
Codeplug Sample(Words& words) {
    Codeplug c = test::CodeplugWithChannels({1, 2, 3});
    auto set = [&](int row, int column, ChannelCellValue value) {
        const ChannelCellEdit edit = EditChannelCell(c, kFeatures, row, column, value, words);
        QVERIFY2(edit.refusal.empty(), edit.refusal.c_str());
    };
    set(1, kColumnName, std::string("ALPHA"));
    set(2, kColumnName, std::string("B 2"));
    set(2, kColumnRxFreq, std::string("146.5"));
    set(2, kColumnTxPower, 2);
    set(3, kColumnRxTone, 5);
    set(3, kColumnTxTone, 60);
    set(3, kColumnBandwidth, 2);
    set(3, kColumnStep, 1);
    return c;
}

std::vector<ChannelCells> BothTitleSets() {
    Words english(Language::English);
    Words chinese(Language::Chinese);
    return {ChannelListHeaders(english), ChannelListHeaders(chinese)};
}

// The sheet line of one row without its label.
std::string Cells(const Codeplug& c, int row, Words& words) {
    const std::string sheet = ChannelRowsAsSheet(c, {row}, words);
    const std::string line = sheet.substr(sheet.find('\n') + 1);
    return line.substr(line.find('\t') + 1);
}

std::string Reasons(const SheetPaste& paste) {
    std::string all;
    for (const SheetRefusal& r : paste.refused) {
        all += std::to_string(r.row) + "/" + std::to_string(r.column) + " " + r.value + ": " +
               r.reason + "\n";
    }
    return all;
}

}  // namespace

class TestChannelSheet : public QObject {
    Q_OBJECT

  private slots:
    // Copy, then paste the text at other rows: the same channels, in either language's titles.
    void copiedRowsPasteBackWhole_data() { test::LanguageRows(); }
    void copiedRowsPasteBackWhole() {
        QFETCH(int, language);
        Words words(static_cast<Language>(language));
        const Codeplug c = Sample(words);
        const std::string sheet = ChannelRowsAsSheet(c, {1, 2, 3, 4}, words);
        QCOMPARE(std::count(sheet.begin(), sheet.end(), '\n'), 5);
        QVERIFY(sheet.find("ALPHA") != std::string::npos);

        const SheetPaste paste = PasteSheet(c, kFeatures, sheet, {10, 1, BothTitleSets()}, words);
        QVERIFY2(paste.refused.empty(), Reasons(paste).c_str());
        QCOMPARE(paste.changedRows, (std::vector<int>{10, 11, 12}));
        for (int row = 1; row <= 3; ++row) {
            ChannelRecord expected = *c.channels.find(row);
            expected.Number = static_cast<std::int16_t>(row + 9);
            const ChannelRecord* pasted = paste.result.channels.find(row + 9);
            QVERIFY(pasted);
            QCOMPARE(Cells(paste.result, row + 9, words), Cells(c, row, words));
            QCOMPARE(pasted->RxFreq.raw(), expected.RxFreq.raw());
            QCOMPARE(pasted->Name.raw(), expected.Name.raw());
            QCOMPARE(pasted->RxCtcss, expected.RxCtcss);
        }
        QVERIFY(!paste.result.channels.find(13));  // the copied empty row stays empty
    }

    // Text without a header row fills the shown columns from the current one; a blank line
    // is a row left alone.
    void textWithoutHeaderFillsFromTheCurrentColumn_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("row1");
        QTest::addColumn<QString>("row3");
        QTest::newRow("one column") << "N1\n\nN3\n"
                                    << int(kColumnName) << "N1"
                                    << "N3";
        QTest::newRow("name and step") << "N1\t5K\n\nN3\t6.25K" << int(kColumnName) << "N1"
                                       << "N3";
        QTest::newRow("windows line ends") << "N1\r\n\r\nN3\r\n"
                                           << int(kColumnName) << "N1"
                                           << "N3";
        QTest::newRow("a long name is cut to seven bytes") << "SEVENPLUS\n\nN3\n"
                                                           << int(kColumnName) << "SEVENPL"
                                                           << "N3";
    }
    void textWithoutHeaderFillsFromTheCurrentColumn() {
        QFETCH(QString, text);
        QFETCH(int, column);
        QFETCH(QString, row1);
        QFETCH(QString, row3);
        Words words(Language::English);
        const Codeplug c = Sample(words);
        const SheetPaste paste =
            PasteSheet(c, kFeatures, text.toStdString(), {1, column, BothTitleSets()}, words);
        QVERIFY2(paste.refused.empty(), Reasons(paste).c_str());
        QCOMPARE(QString::fromStdString(paste.result.channels.find(1)->Name.text()).trimmed(),
                 row1);
        QCOMPARE(QString::fromStdString(paste.result.channels.find(3)->Name.text()).trimmed(),
                 row3);
        QCOMPARE(paste.result.channels.find(2)->Name.raw(), c.channels.find(2)->Name.raw());
    }

    // The channel CSV's columns: each line read as a CSV row at the target row.
    void csvColumnsAreReadAsTheChannelCsv() {
        Words words(Language::English);
        const Codeplug c = Sample(words);
        const std::string text =
            "Location\tName\tFrequency\tDuplex\tOffset\tTone\trToneFreq\tcToneFreq\n"
            "7\tRPT\t145.600000\t-\t0.600000\tTone\t88.5\t88.5\n"
            "8\tSIMPLEX\t146.520000\t\t0.000000\t\t88.5\t88.5\n";
        const SheetPaste paste = PasteSheet(c, kFeatures, text, {20, 1, BothTitleSets()}, words);
        QVERIFY2(paste.refused.empty(), Reasons(paste).c_str());
        QCOMPARE(paste.changedRows, (std::vector<int>{20, 21}));
        const ChannelRecord* repeater = paste.result.channels.find(20);
        QVERIFY(repeater);
        QCOMPARE(QString::fromStdString(repeater->Name.text()).trimmed(), QString("RPT"));
        QCOMPARE(repeater->ShiftDir, std::int16_t(1));
        QVERIFY(!paste.result.channels.find(8));  // the Location does not place the row
    }

    // What the rules refuse is listed with its row, column and value; the rest is taken.
    void refusedValuesAreListed() {
        Words words(Language::English);
        const Codeplug c = Sample(words);
        const std::string text =
            "999.5\t\tFAR\n"        // row 3: a frequency outside the band; the name is taken
            "\t\tNOBODY\n"          // row 4: no channel to name
            "146.0\t\tOK\tlots\n";  // row 5: a new channel, a step that is not an entry
        const SheetPaste paste =
            PasteSheet(c, kFeatures, text, {3, kColumnRxFreq, BothTitleSets()}, words);
        QVERIFY2(paste.refused.size() == 3, Reasons(paste).c_str());
        QCOMPARE(paste.refused[0].row, 3);
        QCOMPARE(paste.refused[0].column, int(kColumnRxFreq));
        QCOMPARE(paste.refused[0].value, std::string("999.5"));
        QCOMPARE(paste.refused[1].row, 4);
        QCOMPARE(paste.refused[1].column, int(kColumnName));
        QCOMPARE(paste.refused[2].row, 5);
        QCOMPARE(paste.refused[2].value, std::string("lots"));
        QCOMPARE(paste.refused[2].column, int(kColumnStep));
        QCOMPARE(QString::fromStdString(paste.result.channels.find(3)->Name.text()).trimmed(),
                 QString("FAR"));
        QVERIFY(!paste.result.channels.find(4));
        QCOMPARE(QString::fromStdString(paste.result.channels.find(5)->Name.text()).trimmed(),
                 QString("OK"));
        QCOMPARE(paste.changedRows, (std::vector<int>{3, 5}));
    }

    void linesPastTheLastRowAreRefused() {
        Words words(Language::English);
        const Codeplug c = Sample(words);
        const SheetPaste paste = PasteSheet(c, kFeatures, "A\nB\nC\n",
                                            {kChannelVFO, kColumnName, BothTitleSets()}, words);
        // The VFO row has no channel here; the lines below it have no row at all.
        QVERIFY2(paste.refused.size() == 3, Reasons(paste).c_str());
        QCOMPARE(paste.refused[0].row, kChannelVFO);
        QCOMPARE(paste.refused[1].row, 0);
        QCOMPARE(paste.refused[2].value, std::string("C"));
    }
};

QTEST_GUILESS_MAIN(TestChannelSheet)
#include "test_channel_sheet.moc"
