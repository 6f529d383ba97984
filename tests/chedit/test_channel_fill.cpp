// Fill and find over the channel list without the window: a table of fills (frequency series
// with each channel's shift kept, snapping to the raster, the band's end refused, name
// patterns with a counter, one value of a list column), the next match with wrapping, and
// names replaced by text and by regular expression with the cut to seven bytes reported.
#include <QtTest>

#include "channel_edit/channel_fill.h"
#include "channel_edit/channel_find.h"
#include "support/codeplug_fixtures.h"
#include "support/recording_reporter.h"

using namespace torvik;
using test::RecordingReporter;

namespace {

// Band 3 (136..174 MHz) with channels 1, 2, 3 and 5 on 145 MHz named after their numbers
// ("K1"); channel 2 transmits 0.6 MHz above, row 4 is empty.
Codeplug Fixture() {
    Codeplug c;
    c.channels = test::TableOf({1, 2, 3, 5}, {.name = "K", .nameEndsWithNumber = true});
    ChannelRecord* two = c.channels.find(2);
    two->ShiftDir = 2;
    two->Offset = FixedText<9>::Raw("000060000");
    return c;
}

std::vector<int> Rows(const QList<int>& rows) {
    return {rows.begin(), rows.end()};
}

QString S(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

class ChannelFillTest : public QObject {
    Q_OBJECT

    RecordingReporter texts_;  // missing keys read as "#<key>"

  private slots:
    // Each row fills `column` of `rows`; `after` is each row's filled cell afterwards (with
    // the transmit frequency after a "/" for a receive-frequency fill), `refused` the rows
    // whose value the rules refused.
    void fills_data() {
        QTest::addColumn<int>("column");
        QTest::addColumn<QList<int>>("rows");
        QTest::addColumn<QString>("first");  // start frequency, name pattern or value
        QTest::addColumn<QString>("step");   // kHz, or the counter's start
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<QList<int>>("refused");
        QTest::newRow("frequency series keeps each shift")
            << int(kColumnRxFreq) << QList<int>{1, 2, 3} << "146"
            << "12.5"
            << QStringList{"146.00000/146.00000", "146.01250/146.61250", "146.02500/146.02500"}
            << QList<int>{};
        QTest::newRow("an empty row takes a channel")
            << int(kColumnRxFreq) << QList<int>{3, 4, 5} << "150"
            << "25"
            << QStringList{"150.00000/150.00000", "150.02500/150.02500", "150.05000/150.05000"}
            << QList<int>{};
        QTest::newRow("off the raster snaps")
            << int(kColumnRxFreq) << QList<int>{1} << "145.0031"
            << "0" << QStringList{"145.00250/145.00250"} << QList<int>{};
        QTest::newRow("running past the band's end is refused")
            << int(kColumnRxFreq) << QList<int>{1, 2, 3} << "173.95"
            << "50"
            << QStringList{"173.95000/173.95000", "145.00000/145.60000", "145.00000/145.00000"}
            << QList<int>{2, 3};
        QTest::newRow("counting down")
            << int(kColumnRxFreq) << QList<int>{1, 3} << "146"
            << "-25" << QStringList{"146.00000/146.00000", "145.97500/145.97500"} << QList<int>{};
        QTest::newRow("CH{n}") << int(kColumnName) << QList<int>{1, 2, 3} << "CH{n}"
                               << "1" << QStringList{"CH1", "CH2", "CH3"} << QList<int>{};
        QTest::newRow("{n:02} from 8, the empty row left alone")
            << int(kColumnName) << QList<int>{2, 3, 4, 5} << "R{n:02}"
            << "8" << QStringList{"R08", "R09", "", "R10"} << QList<int>{};
        QTest::newRow("a long name is cut to seven")
            << int(kColumnName) << QList<int>{1} << "CHANNEL{n}"
            << "1" << QStringList{"CHANNEL"} << QList<int>{};
        QTest::newRow("a name the rules refuse") << int(kColumnName) << QList<int>{1} << "A\\{n}"
                                                 << "1" << QStringList{"K1"} << QList<int>{1};
        QTest::newRow("one value of a list column")
            << int(kColumnBandwidth) << QList<int>{1, 4, 5} << "12.5KHz"
            << "" << QStringList{"12.5K", "", "12.5K"} << QList<int>{};
        QTest::newRow("one tone") << int(kColumnRxTone) << QList<int>{2, 3} << "D023I"
                                  << "" << QStringList{"D023I", "D023I"} << QList<int>{};
    }
    void fills() {
        QFETCH(int, column);
        QFETCH(QList<int>, rows);
        QFETCH(QString, first);
        QFETCH(QString, step);
        QFETCH(QStringList, after);
        QFETCH(QList<int>, refused);
        const Codeplug before = Fixture();
        FillRequest request;
        request.column = column;
        if (column == kColumnRxFreq) {
            request.start = first.toStdString();
            request.stepKhz = step.toStdString();
        } else if (column == kColumnName) {
            request.pattern = first.toStdString();
            request.counterStart = step.toInt();
        } else {
            request.value = first.toStdString();
        }
        const FillOutcome outcome = FillChannels(before, {1, 1, 1, 0}, Rows(rows), request, texts_);
        QVERIFY(outcome.error.empty());
        QStringList shown;
        QList<int> refusedRows;
        for (const FillRow& row : outcome.rows) {
            QString cell = S(row.after[static_cast<std::size_t>(column)]);
            if (column == kColumnRxFreq) cell += "/" + S(row.after[kColumnTxFreq]);
            shown << cell;
            if (row.action == FillAction::Refused) refusedRows << row.row;
        }
        QCOMPARE(shown, after);
        QCOMPARE(refusedRows, refused);
        QCOMPARE(int(outcome.refusals.size()), refused.size());
        for (const RefusedValue& r : outcome.refusals) {
            QCOMPARE(r.column, column);
            QVERIFY(!r.reason.empty());
            QVERIFY(!r.value.empty());
        }
        // The codeplug given stays as it was.
        QCOMPARE(ListCellText(before, 1, kColumnRxFreq, texts_), "145.00000");
        QVERIFY(!before.channels.find(4));
    }

    // A receive frequency inside the band is refused for the transmit frequency its shift
    // takes out of the band; the refusal says which of the two it was.
    void refusalSaysWhichFrequency() {
        FillRequest request;
        request.start = "173.9";
        const FillOutcome outcome = FillChannels(Fixture(), {}, {1, 2}, request, texts_);
        QCOMPARE(int(outcome.refusals.size()), 1);
        QCOMPARE(outcome.refusals[0].row, 2);
        QVERIFY(outcome.refusals[0].kind == RefusalKind::TransmitOutsideBand);
        request.start = "180";
        const FillOutcome above = FillChannels(Fixture(), {}, {1}, request, texts_);
        QCOMPARE(int(above.refusals.size()), 1);
        QVERIFY(above.refusals[0].kind == RefusalKind::ReceiveOutsideBand);
    }

    void patternsAndBadRequests() {
        QCOMPARE(ExpandNamePattern("CH{n}", 7), "CH7");
        QCOMPARE(ExpandNamePattern("{n:03}", 7), "007");
        QCOMPARE(ExpandNamePattern("{n:3}", 7), "  7");
        QCOMPARE(ExpandNamePattern("{x}{n", 7), "{x}{n");
        FillRequest request;
        request.start = "abc";
        QVERIFY(!FillChannels(Fixture(), {}, {1}, request, texts_).error.empty());
        request.start = "145";
        request.stepKhz = "x";
        QVERIFY(!FillChannels(Fixture(), {}, {1}, request, texts_).error.empty());
        request.column = kHiddenChannelColumn;
        QVERIFY(!FillChannels(Fixture(), {}, {1}, request, texts_).error.empty());
    }

    // The next match from a cell in the list's order, going on from the top after the end.
    void findsTheNextCellAndWraps_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("regex");
        QTest::addColumn<bool>("whole");
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("fromRow");
        QTest::addColumn<int>("fromColumn");
        QTest::addColumn<int>("row");  // 0: none
        QTest::addColumn<int>("foundColumn");
        QTest::addColumn<bool>("wrapped");
        const int name = kColumnName;
        QTest::newRow("next name") << "k" << false << false << name << 1 << 3 << 2 << name << false;
        QTest::newRow("wraps to the top")
            << "k" << false << false << name << 5 << 3 << 1 << name << true;
        QTest::newRow("the only match is the cell itself")
            << "K3" << false << true << name << 3 << 3 << 3 << name << true;
        QTest::newRow("whole name") << "K" << false << true << name << 0 << 0 << 0 << 0 << false;
        QTest::newRow("regex") << "^K[35]$" << true << false << name << 3 << 3 << 5 << name
                               << false;
        QTest::newRow("every column") << "145.6" << false << false << int(kEveryColumn) << 1 << 3
                                      << 2 << int(kColumnTxFreq) << false;
    }
    void findsTheNextCellAndWraps() {
        QFETCH(QString, text);
        QFETCH(bool, regex);
        QFETCH(bool, whole);
        QFETCH(int, column);
        QFETCH(int, fromRow);
        QFETCH(int, fromColumn);
        QFETCH(int, row);
        QFETCH(int, foundColumn);
        QFETCH(bool, wrapped);
        const CellMatcher matcher({text.toStdString(), regex, whole, false, column});
        QVERIFY(matcher.valid());
        const std::optional<FoundCell> found =
            FindNextCell(Fixture(), matcher, {fromRow, fromColumn}, texts_);
        QCOMPARE(found.has_value(), row != 0);
        if (!found) return;
        QCOMPARE(found->at.row, row);
        QCOMPARE(found->at.column, foundColumn);
        QCOMPARE(found->wrapped, wrapped);
    }

    void badRegularExpressionIsSaid() {
        const CellMatcher matcher({"K(", true, false, false, kColumnName});
        QVERIFY(!matcher.valid());
        QVERIFY(!matcher.error().empty());
        QVERIFY(!FindNextCell(Fixture(), matcher, {}, texts_));
    }

    // Every name, by plain text and by regular expression; a name longer than seven bytes is
    // cut and reported, and the other channels stay as they were.
    void replacesNames_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("regex");
        QTest::addColumn<QString>("replacement");
        QTest::addColumn<QStringList>("names");  // channels 1, 2, 3, 5 afterwards
        QTest::addColumn<QList<int>>("cut");
        QTest::newRow("plain text")
            << "K" << false << "CH" << QStringList{"CH1", "CH2", "CH3", "CH5"} << QList<int>{};
        QTest::newRow("plain text is not a pattern")
            << "K." << false << "X" << QStringList{"K1", "K2", "K3", "K5"} << QList<int>{};
        QTest::newRow("regex with a group")
            << "K([23])" << true << "R$1-$1" << QStringList{"K1", "R2-2", "R3-3", "K5"}
            << QList<int>{};
        QTest::newRow("cut to seven and reported")
            << "^K(\\d)$" << true << "REPEATER$1"
            << QStringList{"REPEATE", "REPEATE", "REPEATE", "REPEATE"} << QList<int>{1, 2, 3, 5};
    }
    void replacesNames() {
        QFETCH(QString, text);
        QFETCH(bool, regex);
        QFETCH(QString, replacement);
        QFETCH(QStringList, names);
        QFETCH(QList<int>, cut);
        const Codeplug before = Fixture();
        const CellMatcher matcher({text.toStdString(), regex, false, true, kColumnName});
        const ReplaceOutcome outcome =
            ReplaceNames(before, {}, matcher, replacement.toStdString(), {}, texts_);
        QStringList shown;
        for (const int row : {1, 2, 3, 5}) {
            shown << S(ListCellText(outcome.codeplug, row, kColumnName, texts_));
        }
        QCOMPARE(shown, names);
        QList<int> cutRows;
        for (const NameChange& change : outcome.changes) {
            if (change.cut) cutRows << change.row;
        }
        QCOMPARE(cutRows, cut);
        QVERIFY(outcome.refusals.empty());
        QCOMPARE(outcome.changed, names != QStringList({"K1", "K2", "K3", "K5"}));
        QCOMPARE(ListCellText(outcome.codeplug, 2, kColumnRxFreq, texts_), "145.00000");
    }
};

QTEST_GUILESS_MAIN(ChannelFillTest)
#include "test_channel_fill.moc"
