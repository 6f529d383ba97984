// The fleet roster: reading one (pins, refusals, values that must differ between units) and
// making one (the counting rule).
#include <QtTest>

#include "fleet/roster.h"
#include "fleet/roster_series.h"

using namespace torvik;

namespace {

QString Refusals(const Roster& roster) {
    QStringList out;
    for (const RosterRefusal& r : roster.refused)
        out << QString::fromStdString(RosterRefusalText(r));
    return out.join(" | ");
}

}  // namespace

class RosterTest : public QObject {
    Q_OBJECT

  private slots:
    void readsUnitsPinsAndValues() {
        const Roster roster = ReadRoster(
            "Message,Unit,Serial,Device,FiveToneId,ChannelTable[3].Name\r\n"
            "A-1, 1 ,SN100,/dev/ttyUSB0,00017,\r\n"
            "\r\n"
            "A-2,2,,3,00018,\"N,1\"\r\n");
        QVERIFY2(roster.refused.empty(), qPrintable(Refusals(roster)));
        QCOMPARE(roster.units.size(), std::size_t{2});
        const RosterUnit& first = roster.units[0];
        QCOMPARE(first.line, 2);
        QCOMPARE(QString::fromStdString(first.unit), QString("1"));  // cells are trimmed
        QCOMPARE(QString::fromStdString(first.serial), QString("SN100"));
        QCOMPARE(QString::fromStdString(first.device), QString("/dev/ttyUSB0"));
        QCOMPARE(first.values.size(), std::size_t{2});  // the empty cell keeps the template's
        const RosterUnit& second = roster.units[1];
        QCOMPARE(second.line, 4);
        QCOMPARE(QString::fromStdString(second.device), QString("3"));
        QCOMPARE(QString::fromStdString(second.values.back().column),
                 QString("ChannelTable[3].Name"));
        QCOMPARE(QString::fromStdString(second.values.back().value), QString("N,1"));
    }

    void refusals_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("unique");
        QTest::addColumn<QString>("refused");
        QTest::newRow("no Unit column") << "Serial\nSN1\n"
                                        << QStringList{} << "1: Unit: is missing";
        QTest::newRow("empty unit") << "Unit,DtmfId\n,123\n"
                                    << QStringList{} << "2: Unit: is empty";
        QTest::newRow("unit twice") << "Unit\nA\nB\nA\n"
                                    << QStringList{} << "4: Unit: repeats unit 'A' of line 2";
        QTest::newRow("5-Tone ID twice")
            << "Unit,FiveToneId\n1,00017\n2,00018\n3,00017\n"
            << QStringList{} << "4: FiveToneId: repeats '00017' of line 2";
        QTest::newRow("DTMF ID twice") << "Unit,DtmfId\n1,101\n2,101\n"
                                       << QStringList{} << "3: DtmfId: repeats '101' of line 2";
        QTest::newRow("--unique column twice")
            << "Unit,Message\n1,HELLO\n2,HELLO\n"
            << QStringList{"Message"} << "3: Message: repeats 'HELLO' of line 2";
        QTest::newRow("--unique column missing")
            << "Unit\n1\n"
            << QStringList{"Message"} << "1: Message: is not a column of the roster";
        QTest::newRow("column twice") << "Unit,DtmfId,DtmfId\n1,2,3\n"
                                      << QStringList{} << "1: DtmfId: names this column twice";
        QTest::newRow("too many cells")
            << "Unit\n1,2\n"
            << QStringList{} << "2: has 2 cells, more than the header's 1";
        QTest::newRow("no units") << "Unit\n" << QStringList{} << "0: holds no unit";
        QTest::newRow("empty file") << "" << QStringList{} << "0: holds no header line";
    }
    void refusals() {
        QFETCH(QString, text);
        QFETCH(QStringList, unique);
        QFETCH(QString, refused);
        std::vector<std::string> columns;
        for (const QString& c : unique) columns.push_back(c.toStdString());
        QCOMPARE(Refusals(ReadRoster(text.toStdString(), columns)), refused);
    }

    void counting_data() {
        QTest::addColumn<QString>("set");
        QTest::addColumn<QStringList>("values");  // units 1, 2, 3 and 100
        QTest::newRow("five digits")
            << "FiveToneId=00017" << QStringList{"00017", "00018", "00019", "00116"};
        QTest::newRow("text and digits")
            << "Message=UNIT-01" << QStringList{"UNIT-01", "UNIT-02", "UNIT-03", "UNIT-100"};
        QTest::newRow("last run counts")
            << "Message=A1B07x" << QStringList{"A1B07x", "A1B08x", "A1B09x", "A1B106x"};
        QTest::newRow("step") << "DtmfId=100+5" << QStringList{"100", "105", "110", "595"};
        QTest::newRow("no digits")
            << "Message=HELLO" << QStringList{"HELLO", "HELLO", "HELLO", "HELLO"};
        QTest::newRow("plus as text") << "Message=A+B" << QStringList{"A+B", "A+B", "A+B", "A+B"};
    }
    void counting() {
        QFETCH(QString, set);
        QFETCH(QStringList, values);
        const std::optional<RosterSeries> series = ParseRosterSeries(set.toStdString());
        QVERIFY(series);
        QStringList got;
        for (const long long unit : {0, 1, 2, 99}) {
            got << QString::fromStdString(SeriesValue(*series, unit).value_or("(none)"));
        }
        QCOMPARE(got, values);
    }

    void madeRosterReadsBack() {
        const RosterText made = MakeRoster(
            3, {*ParseRosterSeries("FiveToneId=00017"), *ParseRosterSeries("Message=UNIT-01")});
        QVERIFY(made.refusal.empty());
        QCOMPARE(QString::fromStdString(made.text),
                 QString("Unit,FiveToneId,Message\n1,00017,UNIT-01\n2,00018,UNIT-02\n"
                         "3,00019,UNIT-03\n"));
        const Roster roster = ReadRoster(made.text);
        QVERIFY2(roster.refused.empty(), qPrintable(Refusals(roster)));
        QCOMPARE(roster.units.size(), std::size_t{3});
        QVERIFY(!ParseRosterSeries("=5"));
        QVERIFY(!ParseRosterSeries("Message"));
        QVERIFY(!MakeRoster(3, {*ParseRosterSeries("DtmfId=1+-1")}).refusal.empty());
    }
};

QTEST_GUILESS_MAIN(RosterTest)
#include "test_roster.moc"
