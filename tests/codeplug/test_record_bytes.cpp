// The data-file form of a channel record, checked against its documented 108-byte layout.
#include <QtTest>

#include "codeplug/channel_record.h"
#include "codeplug/record_bytes.h"

using namespace torvik;

static_assert(SerializedSize<ChannelRecord> == 108);

class RecordBytesTest : public QObject {
    Q_OBJECT

  private slots:
    void channelRecordLayout() {
        ChannelRecord r = NewChannelRecord(201);
        r.Used = 1;
        r.RxFreq = FixedText<9>::Raw("043500625");
        r.Name = FixedText<7>::Value("AB");
        r.Step = 0x0102;
        r.TxDcs = 492;
        r.ExtraDisplay = -1;
        r.PttIdDecode = 1;
        r.PttIdCode = FixedText<5>::Raw("1F000");
        const std::vector<std::uint8_t> bytes = ToBytes(r);
        QCOMPARE(bytes.size(), 108u);

        // Offsets as the channel file documents them.
        QByteArray file(reinterpret_cast<const char*>(bytes.data()), 108);
        QCOMPARE(file.mid(0, 2), QByteArray::fromHex("C900"));
        QCOMPARE(file.mid(2, 2), QByteArray::fromHex("0100"));
        QCOMPARE(file.mid(6, 9), QByteArray("043500625"));
        QCOMPARE(file.mid(15, 9), QByteArray("000000000"));
        QCOMPARE(file.mid(24, 7), QByteArray("AB\0    ", 7));
        QCOMPARE(file.mid(31, 2), QByteArray::fromHex("0201"));
        QCOMPARE(file.mid(69, 2), QByteArray::fromHex("EC01"));
        QCOMPARE(file.mid(95, 2), QByteArray::fromHex("FFFF"));
        QCOMPARE(file.mid(101, 2), QByteArray::fromHex("0100"));
        QCOMPARE(file.mid(103, 5), QByteArray("1F000"));

        QCOMPARE(ChangedFields(kChannelRecordFields, FromBytes<ChannelRecord>(bytes), r),
                 std::vector<std::string_view>{});
        QVERIFY_THROWS_EXCEPTION(ShortInputError,
                                 FromBytes<ChannelRecord>(std::span(bytes).first(107)));
    }
};

QTEST_APPLESS_MAIN(RecordBytesTest)
#include "test_record_bytes.moc"
