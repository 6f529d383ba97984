// A unit's roster values put into the template: the identity columns as their editors take
// them, other columns by their JSON path; a refusal names line, column and reason and leaves
// the codeplug as it was.
#include <QtTest>

#include "fleet/unit_values.h"

using namespace torvik;

namespace {

// Own ID 22222 with an ANI call made for it in entry 0 and a PTT-ID call in the begin code.
Codeplug Template() {
    Codeplug c;
    FiveToneSettings& s = c.record.fiveTone;
    s.ownId = FixedText<6>::Value("22222");
    s.ownIdLength = 5;
    s.codeTable[0].empty = 0;
    s.codeTable[0].code = FixedText<40>::Value("1E1E1A2E2E2");
    s.codeTable[0].length = 11;
    s.pttIdBegin.code = FixedText<40>::Value("E62E2E2");
    s.pttIdBegin.length = 7;
    ChannelRecord& channel = *AppendChannel(c.channels);
    channel = NewChannelRecord(1);
    channel.Used = 1;
    return c;
}

RosterUnit Unit(const QString& column, const QString& value) {
    return {7, "U1", "", "", {{column.toStdString(), value.toStdString()}}};
}

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

class UnitValuesTest : public QObject {
    Q_OBJECT

  private slots:
    void fiveToneIdRetargetsItsCalls() {
        Codeplug c = Template();
        QVERIFY(ApplyUnitValues(Unit("FiveToneId", "33333"), c).empty());
        QCOMPARE(Text(c.record.fiveTone.ownId.text()), QString("33333"));
        QCOMPARE(Text(c.record.fiveTone.codeTable[0].code.text()), QString("1E1E1A3E3E3"));
        QCOMPARE(Text(c.record.fiveTone.pttIdBegin.code.text()), QString("E63E3E3"));
    }

    void takenValues_data() {
        QTest::addColumn<QString>("column");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("shown");  // what the record then holds, read back
        QTest::newRow("DTMF ID padded as the editor pads it") << "DtmfId"
                                                              << "7"
                                                              << "700";
        QTest::newRow("message") << "Message"
                                 << "UNIT-01"
                                 << "UNIT-01";
        QTest::newRow("password switches itself on") << "PowerOnPassword"
                                                     << "1234"
                                                     << "1234 on";
        QTest::newRow("number by path") << "ScanSettings.scanMode"
                                        << "1"
                                        << "1";
        QTest::newRow("text by path") << "ChannelTable[0].Name"
                                      << "ABCDEFG"
                                      << "ABCDEFG";
    }
    void takenValues() {
        QFETCH(QString, column);
        QFETCH(QString, value);
        QFETCH(QString, shown);
        Codeplug c = Template();
        const auto refused = ApplyUnitValues(Unit(column, value), c);
        QVERIFY2(refused.empty(), refused.empty() ? "" : refused.front().reason.c_str());
        const CodeplugRecord& r = c.record;
        QString got;
        if (column == "DtmfId") got = Text(r.dtmf.dtmfId.text());
        if (column == "Message") got = Text(r.options.welcomeMessage.text());
        if (column == "PowerOnPassword") {
            got = Text(r.options.powerOnPassword.text()) +
                  (r.options.powerOnPasswordEnabled ? " on" : " off");
        }
        if (column.startsWith("ScanSettings")) got = QString::number(r.scan.scanMode);
        if (column.startsWith("ChannelTable")) got = Text(c.channels.records[0].Name.text());
        QCOMPARE(got, shown);
    }

    void refusals_data() {
        QTest::addColumn<QString>("column");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("short own ID") << "FiveToneId"
                                      << "1234"
                                      << "7: FiveToneId: is not 5 digits";
        QTest::newRow("letters in the DTMF ID") << "DtmfId"
                                                << "1a"
                                                << "7: DtmfId: is not 1 to 3 digits";
        QTest::newRow("long message") << "Message"
                                      << "TOO-LONG"
                                      << "7: Message: is longer than 7 characters";
        QTest::newRow("message character") << "Message"
                                           << "A~B"
                                           << "7: Message: holds '~', which the radio cannot show";
        QTest::newRow("password letters") << "PowerOnPassword"
                                          << "12a"
                                          << "7: PowerOnPassword: is not digits only";
        QTest::newRow("unknown field") << "ScanSettings.nothing"
                                       << "1"
                                       << "7: ScanSettings.nothing: names no field";
        QTest::newRow("channel beyond the table") << "ChannelTable[9].Name"
                                                  << "A"
                                                  << "7: ChannelTable[9].Name: names no field";
        QTest::newRow("not a number") << "ScanSettings.scanMode"
                                      << "x"
                                      << "7: ScanSettings.scanMode: 'x' is not a whole number";
        QTest::newRow("beyond its byte")
            << "ScanSettings.scanMode"
            << "300"
            << "7: ScanSettings.scanMode: is not a whole number in 0..255";
        QTest::newRow("whole record") << "ScanSettings"
                                      << "1"
                                      << "7: ScanSettings: is not a single value";
    }
    void refusals() {
        QFETCH(QString, column);
        QFETCH(QString, value);
        QFETCH(QString, refusal);
        Codeplug c = Template();
        const Codeplug before = c;
        const auto refused = ApplyUnitValues(Unit(column, value), c);
        QCOMPARE(refused.size(), std::size_t{1});
        QCOMPARE(Text(RosterRefusalText(refused.front())), refusal);
        QVERIFY(c.record == before.record);
        QVERIFY(c.channels == before.channels);
    }
};

QTEST_GUILESS_MAIN(UnitValuesTest)
#include "test_unit_values.moc"
