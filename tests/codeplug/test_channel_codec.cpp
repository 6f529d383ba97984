// Channel records in the image: byte rows written from the documented layout, and the
// decoder's repairs and rebuilt digits.
#include <QtTest>

#include "codeplug/byte_fields.h"
#include "codeplug/channel_codec.h"
#include "support/channel_compare.h"
#include "support/codeplug_fixtures.h"

using namespace torvik;
using test::UsedChannel;

namespace {

constexpr std::size_t kChannel1 = 8192;

QByteArray Bytes(const RadioImage& image, std::size_t address, std::size_t length) {
    auto run = image.block(address, length);
    return QByteArray(reinterpret_cast<const char*>(run.data()), static_cast<int>(length));
}

RadioImage Encoded(std::initializer_list<ChannelRecord> records) {
    ChannelTable table;
    for (const ChannelRecord& r : records) table.records[table.ChannelCount++] = r;
    RadioImage image;
    PrefillImage(image);
    EncodeChannels(table, image);
    return image;
}

ChannelTable Decoded(RadioImage& image) {
    ChannelTable table;
    DecodeChannels(image, table);
    return table;
}

}  // namespace

class ChannelCodecTest : public QObject {
    Q_OBJECT

  private slots:
    void frequencyDigits_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("decoded");
        QTest::newRow("6.25 kHz") << "043500625" << QByteArray::fromHex("04350062") << "043500625";
        QTest::newRow("8.33 kHz") << "011800833" << QByteArray::fromHex("01180083") << "011800833";
        QTest::newRow("16.66 kHz") << "011801666" << QByteArray::fromHex("01180166") << "011801666";
        QTest::newRow("3.12 kHz loses 10 Hz")
            << "013600312" << QByteArray::fromHex("01360031") << "013600310";
        QTest::newRow("short code") << "0435" << QByteArray::fromHex("04350000") << "043500000";
    }
    void frequencyDigits() {
        QFETCH(QString, code);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, decoded);
        RadioImage image =
            Encoded({UsedChannel(1, {.rx = code.toLatin1().constData(), .offset = "000500000"})});
        QCOMPARE(Bytes(image, kChannel1, 4), bytes);
        QCOMPARE(Bytes(image, kChannel1 + 4, 4), QByteArray::fromHex("00050000"));
        const ChannelTable table = Decoded(image);
        QCOMPARE(table.ChannelCount, 1);
        QCOMPARE(QString::fromStdString(table.records[0].RxFreq.text()), decoded);
        QCOMPARE(QString::fromStdString(table.records[0].Offset.text()), QString("000500000"));
    }

    void fullRecordBytes() {
        ChannelRecord r = UsedChannel(1, {.rx = "043500625", .offset = "000500000"});
        r.Step = 3;
        r.TxInhibit = 1;
        r.Bandwidth = 2;
        r.TxDcs = 0754;  // 492: bit 8 set
        r.TxDcsInvert = 1;
        r.PttIdDecode = 1;
        r.ShiftDir = 2;
        r.TxPower = 1;
        r.RxDcs = 023;
        r.Compander = 1;
        r.TxToneType = 2;
        r.RxToneType = 1;
        r.DtmfCodeNo = 15;
        r.TxCtcss = 50;
        r.RxCtcss = 7;
        r.Signaling = 3;
        r.TwoToneNo = 4;
        r.FiveToneNo = 99;
        r.Name = FixedText<7>::Value("AB");
        r.BusyLock = 2;
        r.Byte27 = 0x5A;
        r.DtmfPttId = 3;
        r.FiveTonePttId = 2;
        r.SquelchMode = 1;
        r.Scrambler = 8;
        r.PttIdCode = FixedText<5>::Value("1F");
        RadioImage image = Encoded({r});

        QCOMPARE(Bytes(image, kChannel1, 32), QByteArray::fromHex("04350062"
                                                                  "00050000"
                                                                  "03"
                                                                  "79"
                                                                  "47"
                                                                  "F6"
                                                                  "32"
                                                                  "07"
                                                                  "EC"
                                                                  "13"
                                                                  "03"
                                                                  "04"
                                                                  "63"
                                                                  "41422020202020"
                                                                  "02"
                                                                  "5A"
                                                                  "23"
                                                                  "01"
                                                                  "08"
                                                                  "00"));
        QCOMPARE(Bytes(image, 1536, 5), QByteArray::fromHex("010F000000"));
        QCOMPARE(image.at(256), 0xFE);  // used
        QCOMPARE(image.at(288), 0xFE);  // not skipped

        ChannelTable table = Decoded(image);
        QCOMPARE(table.ChannelCount, 1);
        ChannelRecord expected = r;
        expected.TxDcsBit8 = 1;
        expected.PttIdCode = FixedText<5>::Raw("1F000");
        QCOMPARE(ChangedFields(kChannelRecordFields, table.records[0], expected),
                 std::vector<std::string_view>{});
    }

    void shiftDirection_data() {
        QTest::addColumn<int>("imageBits");
        QTest::addColumn<int>("shiftDir");
        QTest::newRow("0 simplex") << 0 << 0;
        QTest::newRow("1 read as simplex") << 1 << 0;
        QTest::newRow("2 minus") << 2 << 1;
        QTest::newRow("3 plus") << 3 << 2;
    }
    void shiftDirection() {
        QFETCH(int, imageBits);
        QFETCH(int, shiftDir);
        RadioImage image = Encoded({UsedChannel(1, {.rx = "043500000"})});
        image.at(kChannel1 + 10) = static_cast<std::uint8_t>(imageBits | 0x0C);  // power bits 3
        const ChannelTable table = Decoded(image);
        QCOMPARE(table.records[0].ShiftDir, shiftDir);
        QCOMPARE(table.records[0].TxPower, 2);
    }

    void namePadding_data() {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArray>("stored");
        QTest::newRow("short") << QByteArray("AB") << QByteArray::fromHex("41422020202020")
                               << QByteArray("AB\0    ", 7);
        QTest::newRow("empty") << QByteArray() << QByteArray(7, '\0') << QByteArray("\0      ", 7);
        QTest::newRow("full") << QByteArray("ABCDEFG") << QByteArray("ABCDEFG")
                              << QByteArray("ABCDEFG");
        QTest::newRow("Chinese GBK")
            << QByteArray("\xD6\xD0\xCE\xC4", 4) << QByteArray::fromHex("D6D0CEC4202020")
            << QByteArray("\xD6\xD0\xCE\xC4\0  ", 7);
    }
    void namePadding() {
        QFETCH(QByteArray, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QByteArray, stored);
        ChannelRecord r = UsedChannel(7, {.rx = "043500000"});
        r.Name = FixedText<7>::Value(name.toStdString());
        RadioImage image = Encoded({r});
        QCOMPARE(Bytes(image, kChannel1 + 6 * 32 + 19, 7), bytes);
        const ChannelTable table = Decoded(image);
        QCOMPARE(QByteArray(table.records[0].Name.raw().data(), 7), stored);
    }

    void specialChannelsAndBitmaps() {
        ChannelRecord skipped = UsedChannel(9, {.rx = "043500000"});
        skipped.ScanSkip = 1;
        ChannelRecord pa = UsedChannel(kChannelPA, {.rx = "043600000"});
        pa.PttIdCode = FixedText<5>::Raw("12345");  // PA has no code digits
        ChannelRecord vfo = UsedChannel(kChannelVFO, {.rx = "015500000"});
        RadioImage image = Encoded({skipped, pa, vfo});

        QCOMPARE(image.at(257), 0xFE);               // slot 8: used
        QCOMPARE(image.at(289), 0xFF);               // slot 8: skipped keeps its bit
        QCOMPARE(image.at(256 + 25), 0xFF & ~0x01);  // slot 200 (PA): bit 0 of byte 25
        QCOMPARE(image.at(288 + 25), 0xFF & ~0x01);
        QCOMPARE(Bytes(image, 640, 4), QByteArray::fromHex("04360000"));
        QCOMPARE(Bytes(image, 704, 4), QByteArray::fromHex("01550000"));
        QCOMPARE(Bytes(image, 1536 + 5 * 8, 5), QByteArray(5, '\0'));

        const ChannelTable table = Decoded(image);
        QCOMPARE(table.ChannelCount, 3);
        QCOMPARE(table.records[0].Number, 9);
        QCOMPARE(table.records[0].ScanSkip, 1);
        QCOMPARE(table.records[1].Number, kChannelPA);
        QCOMPARE(table.records[2].Number, kChannelVFO);
    }

    void emptySlotsAreSkipped() {
        RadioImage image = Encoded(
            {UsedChannel(5, {.rx = "043500000"}), UsedChannel(kChannelVFO, {.rx = "015500000"})});
        image.block(8192 + 4 * 32, 4)[0] = 0xFF;  // channel 5 marked used but no frequency
        std::fill_n(image.block(704, 4).begin(), 4, 0xFF);
        QCOMPARE(Decoded(image).ChannelCount, 0);

        RadioImage garbled = Encoded({UsedChannel(5, {.rx = "043500000"})});
        garbled.at(8192 + 4 * 32 + 1) = 0x3A;  // not BCD: treated as no frequency
        QCOMPARE(Decoded(garbled).ChannelCount, 0);
    }

    void codeAreaIsRepaired() {
        RadioImage image = Encoded({UsedChannel(1, {.rx = "043500000"})});
        image.at(1536) = 0x1F;
        image.at(1537) = 0x0C;
        const ChannelTable table = Decoded(image);
        QCOMPARE(QString::fromStdString(table.records[0].PttIdCode.text()), QString("0C000"));
        QCOMPARE(image.at(1536), 0x00);
    }

    void decoderKeepsFieldsTheImageDoesNotCarry() {
        RadioImage image = Encoded({UsedChannel(3, {.rx = "043500000"})});
        ChannelTable table;
        table.records[0].Spare2 = 7;
        table.records[0].ExtraDisplay = 1;
        DecodeChannels(image, table);
        QCOMPARE(table.records[0].Spare2, 7);
        QCOMPARE(table.records[0].ExtraDisplay, 1);
    }

    void valuesThatDoNotFitFail_data() {
        QTest::addColumn<int>("field");
        QTest::newRow("step above 255") << 0;
        QTest::newRow("bandwidth overflows its bits") << 1;
        QTest::newRow("negative CTCSS") << 2;
        QTest::newRow("non-hex PTT-ID code") << 3;
        QTest::newRow("non-hex frequency") << 4;
        QTest::newRow("channel number 0") << 5;
    }
    void valuesThatDoNotFitFail() {
        QFETCH(int, field);
        ChannelRecord r = UsedChannel(1, {.rx = "043500000"});
        switch (field) {
            case 0:
                r.Step = 256;
                break;
            case 1:
                r.Bandwidth = 4;
                break;
            case 2:
                r.TxCtcss = -1;
                break;
            case 3:
                r.PttIdCode = FixedText<5>::Raw("12G45");
                break;
            case 4:
                r.RxFreq = FixedText<9>::Raw("04350X000");
                break;
            case 5:
                r.Number = 0;
                break;
        }
        QVERIFY_THROWS_EXCEPTION(EncodeError, Encoded({r}));
    }

    void fullTableRoundTrip() {
        ChannelTable table;
        for (int n = 1; n <= kChannelSlots; ++n) {
            ChannelRecord r = UsedChannel(n, {.rx = "043500625", .offset = "000500000"});
            r.Name = FixedText<7>::Value("CH" + std::to_string(n));
            r.TxDcs = static_cast<std::int16_t>(n * 2);
            r.TxDcsBit8 = static_cast<std::int16_t>(r.TxDcs / 256);
            r.ScanSkip = static_cast<std::int16_t>(n < kChannelVFO ? n % 2 : 0);  // VFO: no bit
            r.PttIdCode = FixedText<5>::Raw(n <= kMemoryChannels ? "9A0B1" : "00000");
            table.records[table.ChannelCount++] = r;
        }
        RadioImage image;
        PrefillImage(image);
        EncodeChannels(table, image);
        ChannelTable decoded;  // fields the image lacks come from these blank records
        decoded.records.fill(NewChannelRecord(0));
        DecodeChannels(image, decoded);
        QCOMPARE(test::TableDifference(decoded, table), QString());
    }
};

QTEST_APPLESS_MAIN(ChannelCodecTest)
#include "test_channel_codec.moc"
