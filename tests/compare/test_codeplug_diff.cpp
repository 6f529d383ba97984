// Two codeplugs compared field by field: each kind of difference as the line a person reads.
#include <QtTest>
#include <functional>

#include "compare/codeplug_diff.h"
#include "storage/new_codeplug.h"
#include "support/codeplug_fixtures.h"
#include "support/recording_reporter.h"

using namespace torvik;

namespace {

using Change = std::function<void(Codeplug&)>;

ChannelRecord& Channel(Codeplug& c, int number) {
    if (ChannelRecord* found = c.channels.find(number)) return *found;
    ChannelRecord& r = *AppendChannel(c.channels);
    r = test::UsedChannel(number, {.rx = "014550000"});
    return r;
}

Codeplug Base() {
    Codeplug c;
    c.band.setCode(3);
    NewCodeplug(c, {});
    Channel(c, 5);
    Channel(c, kChannelPA).Name = FixedText<7>::Value("GATE");
    return c;
}

test::RecordingReporter Texts() {
    test::RecordingReporter texts;
    texts.texts = {{1206, "None"}, {5023, "DTMF"},   {2400, "Scan"},
                   {1204, "High"}, {1221, "Medium"}, {1205, "Low"}};
    return texts;
}

}  // namespace

class CodeplugDiffTest : public QObject {
    Q_OBJECT

  private slots:
    void sameCodeplugsHaveNoDifference() {
        const Codeplug a = Base();
        QVERIFY(CompareCodeplugs(a, a, Texts()).empty());
    }

    void differenceLines_data() {
        QTest::addColumn<Change>("change");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("receive frequency, by its row label; the transmit column follows")
            << Change([](Codeplug& c) { Channel(c, 5).RxFreq = FixedText<9>::Raw("014552500"); })
            << QStringList{"channel 4 RxFreq: 145.50000 -> 145.52500",
                           "channel 4 TxFreq: 145.50000 -> 145.52500"};
        QTest::newRow("shift shows as the transmit frequency") << Change([](Codeplug& c) {
            Channel(c, 5).ShiftDir = 2;
            Channel(c, 5).Offset = FixedText<9>::Raw("000060000");
        }) << QStringList{"channel 4 TxFreq: 145.50000 -> 146.10000"};
        QTest::newRow("tone as shown in the list") << Change([](Codeplug& c) {
            Channel(c, 5).TxToneType = 2;
            Channel(c, 5).TxDcs = 023;
        }) << QStringList{"channel 4 TxTone: None -> D023N"};
        QTest::newRow("a stored value the list does not show") << Change([](Codeplug& c) {
            Channel(c, 5).RxCtcss = 7;
            Channel(c, 5).Scrambler = 1;
        }) << QStringList{"channel 4 RxCtcss: 0 -> 7", "channel 4 Scrambler: 0 -> 1"};
        QTest::newRow("power and name of PA") << Change([](Codeplug& c) {
            Channel(c, kChannelPA).TxPower = 2;
            Channel(c, kChannelPA).Name = FixedText<7>::Value("DOOR");
        }) << QStringList{"channel PA Name: GATE -> DOOR", "channel PA Power: High -> Low"};
        QTest::newRow("a channel on one side only") << Change([](Codeplug& c) {
            ChannelRecord& r = Channel(c, 200);
            r.RxFreq = FixedText<9>::Raw("014600000");
            r.Name = FixedText<7>::Value("BASE");
        }) << QStringList{"channel 199: (None) -> 146.00000 \"BASE\""};
        QTest::newRow("function settings by area and field") << Change([](Codeplug& c) {
            c.record.dtmf.dtmfId = FixedText<3>::Value("123");
            c.record.dtmf.memoryCodes[2].length = 4;
        }) << QStringList{"DTMF memoryCodes[2].length: 0 -> 4", "DTMF dtmfId: \"000\" -> \"123\""};
        QTest::newRow("text padding only, as bytes") << Change([](Codeplug& c) {
            Channel(c, kChannelPA).Name = FixedText<7>::Raw("GATE   ");
        }) << QStringList{"channel PA Name: 47415445002020 -> 47415445202020"};
    }
    void differenceLines() {
        QFETCH(Change, change);
        QFETCH(QStringList, lines);
        const Codeplug a = Base();
        Codeplug b = a;
        change(b);
        QStringList got;
        for (const Difference& d : CompareCodeplugs(a, b, Texts())) {
            got << QString::fromStdString(DifferenceLine(d));
        }
        QCOMPARE(got, lines);
    }

    void aFileComparesWithARadioAsItWouldBeWritten() {
        // What travels only in files (a spare field) is no difference from a radio.
        Codeplug file = Base();
        Channel(file, 5).Spare2 = 9;
        test::RecordingReporter texts = Texts();
        const std::optional<Codeplug> written = AsWrittenToRadio(file, texts);
        QVERIFY(written);
        Codeplug radio = *written;
        QVERIFY(CompareCodeplugs(*written, radio, texts).empty());
        QVERIFY(!CompareCodeplugs(file, radio, texts).empty());
    }
};

QTEST_GUILESS_MAIN(CodeplugDiffTest)
#include "test_codeplug_diff.moc"
