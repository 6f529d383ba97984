// The band table, band limits and the identity checks made before a transfer.
#include <QtTest>

#include "codeplug/band.h"
#include "codeplug/channel_record.h"
#include "codeplug/identity.h"
#include "codeplug/tones.h"
#include "support/recording_reporter.h"

using namespace torvik;
using test::RecordingReporter;

class BandIdentityTest : public QObject {
    Q_OBJECT

  private slots:
    void bandTexts() {
        QCOMPARE(BandTextFromCode(7), BandTextFromCode(3));
        QCOMPARE(BandTextFromCode(12), BandTextFromCode(48));
        QCOMPARE(BandTextFromCode(60), BandTextFromCode(48));
        QCOMPARE(BandTextFromCode(3),
                 std::string_view("Rx(136 - 173.99750 MHz) Tx(136 - 173.99750 MHz)"));
        for (int index = 0; index < kBandListSize; ++index) {
            QCOMPARE(ListIndexFromBandCode(BandCodeFromListIndex(index)), index);
        }
        QCOMPARE(BandCodeFromListIndex(8), 16);
        QCOMPARE(BandCodeFromListIndex(31), 55);
    }

    void limits_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<double>("rxLow");
        QTest::addColumn<double>("rxHigh");
        QTest::addColumn<double>("txLow");
        QTest::addColumn<double>("txHigh");
        QTest::newRow("3") << 3 << 136.0 << 173.9975 << 136.0 << 173.9975;
        QTest::newRow("2 split") << 2 << 136.0 << 173.9975 << 144.0 << 145.9975;
        QTest::newRow("16") << 16 << 245.0 << 245.9875 << 245.0 << 245.9875;
        QTest::newRow("52 split") << 52 << 350.0 << 511.995 << 400.0 << 489.995;
    }
    void limits() {
        QFETCH(int, code);
        QFETCH(double, rxLow);
        QFETCH(double, rxHigh);
        QFETCH(double, txLow);
        QFETCH(double, txHigh);
        const BandLimits limits = ParseBandLimits(BandTextFromCode(code));
        QCOMPARE(limits, (BandLimits{rxLow, rxHigh, txLow, txHigh}));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, ParseBandLimits("Rx(136 MHz)"));
    }

    void radioBandByte() {
        QCOMPARE(NormalizeRadioBand(0x3A), 48);
        QCOMPARE(NormalizeRadioBand(0x40), 48);
        QCOMPARE(NormalizeRadioBand(0x33), 0x33);
        QCOMPARE(NormalizeRadioBand(7), 7);
    }

    void stepsAndTones() {
        QCOMPARE(StepList(3).front(), std::string_view("2.5K"));
        QCOMPARE(StepList(3).size(), 10u);
        QCOMPARE(StepList(48).front(), std::string_view("5K"));
        QCOMPARE(StepList(1).size(), 9u);
        QCOMPARE(CtcssTable[0], std::string_view("62.5"));
        QCOMPARE(CtcssTable[13], std::string_view("100.0"));
        QCOMPARE(CtcssTable[50], std::string_view("254.1"));
        QCOMPARE(DcsText(19, false), std::string("D023N"));
        QCOMPARE(DcsText(0754, true), std::string("D754I"));
    }

    void identity_data() {
        QTest::addColumn<bool>("write");
        QTest::addColumn<QString>("model");
        QTest::addColumn<QString>("version");
        QTest::addColumn<int>("radioBand");
        QTest::addColumn<int>("flags");  // 1 killed, 2 stunned
        QTest::addColumn<bool>("good");
        QTest::addColumn<QStringList>("messages");
        const QString model = QString::fromLatin1(ModelId.data(), ModelId.size());
        QTest::newRow("read ok") << false << model << "V100" << 48 << 0 << true << QStringList{};
        QTest::newRow("read, other version") << false << model << "V101" << 3 << 0 << false
                                             << QStringList{"Version is wrong. Overwrite?"};
        QTest::newRow("read, other model")
            << false << "OTHER1"
            << "V100" << 3 << 0 << false << QStringList{"Model type is wrong. Overwrite?"};
        QTest::newRow("write band 7 to 3")
            << true << model << "V100" << 7 << 0 << true << QStringList{};
        QTest::newRow("write band 2 to 3")
            << true << model << "V100" << 2 << 0 << false << QStringList{"Frequencys is wrong!"};
        QTest::newRow("write wrong model and band")
            << true << "OTHER1"
            << "V100" << 2 << 0 << false
            << QStringList{"Model type is wrong. Overwrite?", "Frequencys is wrong!"};
        QTest::newRow("write killed") << true << model << "V100" << 3 << 3 << false
                                      << QStringList{"Radio is killed,can't be written!"};
        QTest::newRow("write stunned") << true << model << "V100" << 3 << 2 << false
                                       << QStringList{"Radio is fainted,can't be written!"};
        QTest::newRow("read ignores killed")
            << false << model << "V100" << 3 << 1 << true << QStringList{};
    }
    void identity() {
        QFETCH(bool, write);
        QFETCH(QString, model);
        QFETCH(QString, version);
        QFETCH(int, radioBand);
        QFETCH(int, flags);
        QFETCH(bool, good);
        QFETCH(QStringList, messages);
        RadioIdentity radio;
        radio.RadioModel = model.toStdString();
        radio.RadioVersion = version.toStdString();
        radio.RadioBandCode = static_cast<std::int16_t>(radioBand);
        radio.RadioKilled = (flags & 1) != 0;
        radio.RadioStunned = (flags & 2) != 0;
        RecordingReporter reporter;
        QCOMPARE(
            CheckIdentity(write ? TransferMode::Write : TransferMode::Read, radio, 3, reporter),
            good);
        QStringList shown;
        for (const auto& s : reporter.shown) shown << QString::fromStdString(s.text);
        QCOMPARE(shown, messages);
    }

    void identityInChinese() {
        RadioIdentity radio;
        radio.RadioVersion = "V200";
        RecordingReporter reporter;
        reporter.lang = Language::Chinese;
        QVERIFY(!CheckIdentity(TransferMode::Read, radio, 3, reporter));
        QCOMPARE(reporter.shownTexts(), std::vector<std::string>{"版本错误。"});
    }

    void productName() {
        RadioIdentity radio;
        QCOMPARE(ProductName(radio), std::string("TORVIK"));
        radio.RadioModel = std::string(ModelId) + std::string(1, '\0') + "  ";
        QCOMPARE(ProductName(radio), std::string("TORVIK"));
        radio.RadioModel = "OTHER1";
        QCOMPARE(ProductName(radio), std::string("Unknown"));
    }

    void channelReferences() {
        ChannelTable table;
        for (int number : {5, 12, kChannelPA, 9, kChannelVFO}) {
            ChannelRecord r = NewChannelRecord(number);
            r.Used = 1;
            table.records[table.ChannelCount++] = r;
        }
        QVERIFY(ChannelExists(table, 12));
        QVERIFY(!ChannelExists(table, 13));
        QCOMPARE(ValidChannelRef(table, 12), 12);
        QCOMPARE(ValidChannelRef(table, 13), 9);  // last memory channel in table order
        QCOMPARE(ValidChannelRef(table, 0), 9);
        QCOMPARE(ValidChannelRef(table, kChannelPA), 9);
        ChannelTable none;
        QCOMPARE(ValidChannelRef(none, 4), 0);
    }

    void defaultVfo() {
        ChannelTable table;
        table.ChannelCount = 1;
        DefaultVfoChannel(table, ParseBandLimits(BandTextFromCode(3)));
        const ChannelRecord& vfo = table.records[0];
        QCOMPARE(vfo.Number, kChannelVFO);
        QCOMPARE(vfo.ScanSkip, 1);
        QCOMPARE(QString::fromStdString(vfo.RxFreq.text()), QString("015500000"));
        QCOMPARE(QByteArray(vfo.Name.raw().data(), 7), QByteArray("\0      ", 7));
        QCOMPARE(vfo.TxCtcss, 20);
        QCOMPARE(QString::fromStdString(vfo.PttIdCode.text()), QString("00000"));
        DefaultVfoChannel(table, ParseBandLimits(BandTextFromCode(48)));
        QCOMPARE(QString::fromStdString(table.records[0].RxFreq.text()), QString("043500000"));
    }
};

QTEST_APPLESS_MAIN(BandIdentityTest)
#include "test_band_identity.moc"
