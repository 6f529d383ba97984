// A fully populated codeplug through the whole image and back: every area of the image.
#include <QtTest>

#include "aggregate/image_codec.h"
#include "storage/sample_codeplug.h"
#include "support/channel_compare.h"
#include "support/recording_reporter.h"

using namespace torvik;
using test::RecordingReporter;

class FullImageTest : public QObject {
    Q_OBJECT

  private slots:
    void imageRecordsImage() {
        Codeplug original;
        FillSampleCodeplug(original);
        RecordingReporter reporter;
        const auto first = EncodeImage(original, reporter);
        QVERIFY(first.has_value());
        QVERIFY(reporter.shown.empty());

        // What a read of that radio gives, written back again.
        Codeplug read;
        read.image = first->image();
        DecodeImage(read);
        QCOMPARE(test::TableDifference(read.channels, original.channels), QString());
        const auto second = EncodeImage(read, reporter);
        QVERIFY(second.has_value());
        for (std::size_t a = RadioImage::kTestDataEnd; a < RadioImage::kSize; ++a) {
            if (first->image().at(a) != second->image().at(a)) {
                QFAIL(qPrintable(QString("image byte %1 differs after a round trip").arg(a)));
            }
        }
        // And the records a read gives are stable through another write and read.
        Codeplug again;
        again.image = second->image();
        DecodeImage(again);
        QCOMPARE(ChangedFields(kCodeplugRecordFields, again.record, read.record),
                 std::vector<std::string_view>{});
        QCOMPARE(test::TableDifference(again.channels, read.channels), QString());
    }

    // The first failing area stops the run: later areas are not encoded and only its own
    // message is shown. (2-Tone and book fields cannot fail: they are bytes by construction.)
    void stopRule_data() {
        QTest::addColumn<int>("area");
        QTest::addColumn<QString>("message");
        QTest::newRow("channels") << 0 << "SetCommDataByFrequencyError";
        QTest::newRow("options") << 1 << "SetCommDataByOptionError";
        QTest::newRow("5-Tone") << 2 << "SetCommDataBy5ToneError";
        QTest::newRow("DTMF") << 3 << "SetCommDataByDTMFError";
    }
    void stopRule() {
        QFETCH(int, area);
        QFETCH(QString, message);
        Codeplug codeplug;
        FillSampleCodeplug(codeplug);
        switch (area) {
            case 0:
                codeplug.channels.records[0].Step = 999;
                break;
            case 1:
                codeplug.record.dtmf.digitDuration = 999;
                break;  // kept in the option area
            case 2:
                codeplug.record.fiveTone.codeTable[3].code = FixedText<40>::Value("12G45");
                break;
            case 3:
                codeplug.record.dtmf.preSendDelay = 300;
                break;
        }
        RecordingReporter reporter;
        QVERIFY(!EncodeImage(codeplug, reporter).has_value());
        QCOMPARE(reporter.shownTexts(), std::vector<std::string>{message.toStdString()});
    }

    // A failure keeps the encoder's reason beside the area's text: which record, which field,
    // which value.
    void failureReason_data() {
        QTest::addColumn<int>("change");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("detail");
        QTest::newRow("channel bit field")
            << 0 << "SetCommDataByFrequencyError"
            << "channel 5 (row label \"4\"): TxPower = 7 does not fit 2 bits";
        QTest::newRow("channel byte")
            << 1 << "SetCommDataByFrequencyError"
            << "channel 203 (row label \"VFO\"): Step = 999 does not fit in a byte";
        QTest::newRow("channel code") << 2 << "SetCommDataByFrequencyError"
                                      << "channel 201 (row label \"PA\"): RxFreq: not a "
                                         "hexadecimal digit: 'X'";
        QTest::newRow("option bit") << 3 << "SetCommDataByOptionError"
                                    << "initKey = 2 does not fit 1 bit";
        QTest::newRow("option byte") << 4 << "SetCommDataByOptionError"
                                     << "backlightTime = 300 does not fit in a byte";
        QTest::newRow("5-Tone entry") << 5 << "SetCommDataBy5ToneError"
                                      << "codeTable[3]: not a hexadecimal digit: 'G'";
        QTest::newRow("DTMF byte") << 6 << "SetCommDataByDTMFError"
                                   << "preSendDelay = 300 does not fit in a byte";
    }
    void failureReason() {
        QFETCH(int, change);
        QFETCH(QString, message);
        QFETCH(QString, detail);
        Codeplug codeplug;
        FillSampleCodeplug(codeplug);
        switch (change) {
            case 0:
                codeplug.channels.find(5)->TxPower = 7;
                break;
            case 1:
                codeplug.channels.find(kChannelVFO)->Step = 999;
                break;
            case 2:
                codeplug.channels.find(kChannelPA)->RxFreq = FixedText<9>::Raw("04350X000");
                break;
            case 3:
                codeplug.record.options.initKey = 2;
                break;
            case 4:
                codeplug.record.options.backlightTime = 300;
                break;
            case 5:
                codeplug.record.fiveTone.codeTable[3].code = FixedText<40>::Value("12G45");
                break;
            case 6:
                codeplug.record.dtmf.preSendDelay = 300;
                break;
        }
        RecordingReporter reporter;
        QVERIFY(!EncodeImage(codeplug, reporter).has_value());
        QCOMPARE(reporter.shown.size(), 1u);
        QCOMPARE(reporter.shown[0].severity, Severity::Error);
        QCOMPARE(QString::fromStdString(reporter.shown[0].text), message);
        QCOMPARE(QString::fromStdString(reporter.shown[0].detail), detail);
    }
};

QTEST_APPLESS_MAIN(FullImageTest)
#include "test_full_image.moc"
