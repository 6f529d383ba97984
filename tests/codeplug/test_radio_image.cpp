// The image's fill pattern, its range checks and the encode/decode drivers.
#include <QtTest>

#include "aggregate/image_codec.h"
#include "codeplug/byte_fields.h"
#include "support/channel_compare.h"
#include "support/recording_reporter.h"

using namespace torvik;
using test::RecordingReporter;

namespace {

// The value each byte must hold after PrefillImage over an image of 0x55 bytes.
std::uint8_t PrefillValue(std::size_t address) {
    if (address < 16) return 0x55;
    if (address >= 256 && address < 512) return 0xFF;
    if (address >= 896 && address < 928) return 0xFF;
    if (address >= 1008 && address < 1024) return 0xFF;
    return 0x00;
}

Codeplug WithVfo() {
    Codeplug codeplug;
    codeplug.channels.ChannelCount = 1;
    DefaultVfoChannel(codeplug.channels, codeplug.band.limits());
    return codeplug;
}

}  // namespace

class RadioImageTest : public QObject {
    Q_OBJECT

  private slots:
    void prefillPattern() {
        RadioImage image;
        image.fill(0, RadioImage::kSize - 1, 0x55);
        PrefillImage(image);
        for (std::size_t a = 0; a < RadioImage::kSize; ++a) {
            if (image.at(a) != PrefillValue(a)) QFAIL(qPrintable(QString("byte %1").arg(a)));
        }
    }

    void outOfRangeIsAnError() {
        RadioImage image;
        QVERIFY_THROWS_EXCEPTION(ImageRangeError, image.at(RadioImage::kSize));
        QVERIFY_THROWS_EXCEPTION(ImageRangeError, image.block(RadioImage::kSize - 4, 5));
        QVERIFY_THROWS_EXCEPTION(ImageRangeError, image.fill(10, 9, 0));
        QCOMPARE(image.block(RadioImage::kSize - 4, 4).size(), 4u);
    }

    // Fields declared once and written together: each value in its own bits, the bits no
    // field covers 0, and a value wider than its field an error that names it.
    void bitFields_data() {
        QTest::addColumn<int>("low");
        QTest::addColumn<int>("high");
        QTest::addColumn<int>("byte");
        QTest::addColumn<QString>("error");
        QTest::newRow("both fit") << 1 << 3 << 0x31 << "";
        QTest::newRow("zeros clear the byte") << 0 << 0 << 0x00 << "";
        QTest::newRow("too wide") << 2 << 0 << -1 << "Low = 2 does not fit 1 bit";
        QTest::newRow("negative") << 0 << -1 << -1 << "High = -1 does not fit 2 bits";
    }
    void bitFields() {
        QFETCH(int, low);
        QFETCH(int, high);
        QFETCH(int, byte);
        QFETCH(QString, error);
        static constexpr BitField kLow{"Low", 3, 0, 1};
        static constexpr BitField kHigh{"High", 3, 4, 2};
        RadioImage image;
        image.fill(0, RadioImage::kSize - 1, 0xFF);
        try {
            PutFields(image, 100, {{kLow, low}, {kHigh, high}});
            QVERIFY(error.isEmpty());
        } catch (const EncodeError& e) {
            QCOMPARE(QString(e.what()), error);
            QCOMPARE(image.at(103), 0xFF);  // nothing written
            return;
        }
        QCOMPARE(int(image.at(103)), byte);
        QCOMPARE(GetField(image, 100, kLow), low);
        QCOMPARE(GetField(image, 100, kHigh), high);
    }

    void bitFieldsOfOneByteOnly() {
        RadioImage image;
        QVERIFY_THROWS_EXCEPTION(std::logic_error,
                                 PutFields(image, {{{"A", 1, 0, 2}, 0}, {{"B", 1, 1, 1}, 0}}));
        QVERIFY_THROWS_EXCEPTION(std::logic_error,
                                 PutFields(image, {{{"A", 1, 0, 1}, 0}, {{"B", 2, 1, 1}, 0}}));
    }

    void encodeWithoutEntriesLeavesBitmapsSet() {
        Codeplug codeplug;
        ResetFunctionSettings(codeplug.record);
        for (auto& code : codeplug.record.twoTone.codes) code.empty = 1;
        for (auto& entry : codeplug.record.fiveTone.codeTable) entry.empty = 1;
        RecordingReporter reporter;
        const auto encoded = EncodeImage(codeplug, reporter);
        QVERIFY(encoded.has_value());
        for (std::size_t a : {256u, 281u, 288u, 313u, 896u, 899u, 912u, 924u}) {
            QCOMPARE(encoded->image().at(a), 0xFF);
        }
        QVERIFY(reporter.shown.empty());
    }

    void encodeKeepsTestDataBlockAndPrefills() {
        Codeplug codeplug = WithVfo();
        codeplug.image.fill(0, RadioImage::kSize - 1, 0x55);
        RecordingReporter reporter;
        const auto encoded = EncodeImage(codeplug, reporter);
        QVERIFY(encoded.has_value());
        QCOMPARE(encoded->image().at(0), 0x55);
        QCOMPARE(encoded->image().at(20), 0x00);
        QCOMPARE(encoded->image().at(704), 0x01);  // VFO at 155 MHz
        QVERIFY(encoded->image() == codeplug.image);
    }

    void failingChannelEncoderStopsTheRun() {
        Codeplug codeplug = WithVfo();
        codeplug.channels.records[0].Step = 300;
        RecordingReporter reporter;
        const auto encoded = EncodeImage(codeplug, reporter);
        QVERIFY(!encoded.has_value());
        QCOMPARE(reporter.shownTexts(), std::vector<std::string>{"SetCommDataByFrequencyError"});
        // Nothing half-built is left behind in the codeplug's image either.
        RadioImage prefilled = codeplug.image;
        PrefillImage(prefilled);
        QVERIFY(codeplug.image == prefilled);
        QCOMPARE(codeplug.image.at(704), 0x00);
    }

    void decodeOfAPrefilledImageIsEmpty() {
        Codeplug codeplug = WithVfo();
        PrefillImage(codeplug.image);
        DecodeImage(codeplug);
        QCOMPARE(codeplug.channels.ChannelCount, 0);
    }

    void encodeDecodeRoundTrip() {
        Codeplug codeplug = WithVfo();
        RecordingReporter reporter;
        QVERIFY(EncodeImage(codeplug, reporter).has_value());
        const ChannelTable before = codeplug.channels;
        codeplug.channels.ChannelCount = 0;  // the VFO's scan flag is not in the image
        DecodeImage(codeplug);
        QCOMPARE(test::TableDifference(codeplug.channels, before), QString());
    }
};

QTEST_APPLESS_MAIN(RadioImageTest)
#include "test_radio_image.moc"
