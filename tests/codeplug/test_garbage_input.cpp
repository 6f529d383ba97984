// Whatever a radio or a damaged file hands over: decoding never fails, and encoding the result
// either succeeds or fails with its area's message, never with a crash or an escaped error.
#include <QtTest>
#include <random>

#include "aggregate/image_codec.h"
#include "codeplug/record_bytes.h"
#include "support/recording_reporter.h"

using namespace torvik;
using test::RecordingReporter;

namespace {

constexpr int kRounds = 200;

}  // namespace

class GarbageInputTest : public QObject {
    Q_OBJECT

  private slots:
    void randomImages() {
        std::mt19937 random(20261210);
        std::uniform_int_distribution<int> byte(0, 255);
        int encoded = 0;
        for (int round = 0; round < kRounds; ++round) {
            Codeplug codeplug;
            for (std::size_t a = 0; a < RadioImage::kSize; ++a) {
                codeplug.image.at(a) = static_cast<std::uint8_t>(byte(random));
            }
            // Half the rounds look like a read radio: prefilled areas, random contents.
            if (round % 2 == 1) {
                for (std::size_t a = 256; a < 512; ++a) codeplug.image.at(a) &= 0x0F;
            }
            DecodeImage(codeplug);
            QVERIFY(codeplug.channels.ChannelCount >= 0);
            QVERIFY(codeplug.channels.ChannelCount <= kChannelSlots);
            RecordingReporter reporter;
            if (EncodeImage(codeplug, reporter)) {
                ++encoded;
                QVERIFY(reporter.shown.empty());
            } else {
                QCOMPARE(reporter.shown.size(), 1u);
            }
        }
        // A decoded radio is, as a rule, written back as it came.
        QVERIFY(encoded > kRounds / 2);
    }

    void randomDataFileRecords() {
        std::mt19937 random(7);
        std::uniform_int_distribution<int> byte(0, 255);
        for (int round = 0; round < kRounds; ++round) {
            std::vector<std::uint8_t> bytes(SerializedSize<CodeplugRecord>);
            for (auto& b : bytes) b = static_cast<std::uint8_t>(byte(random));
            Codeplug codeplug;
            codeplug.record = FromBytes<CodeplugRecord>(bytes);
            RecordingReporter reporter;
            const bool ok = EncodeImage(codeplug, reporter).has_value();
            QCOMPARE(reporter.shown.size(), ok ? 0u : 1u);
        }
    }
};

QTEST_APPLESS_MAIN(GarbageInputTest)
#include "test_garbage_input.moc"
