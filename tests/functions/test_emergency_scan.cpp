// The emergency and scan settings: image rows from the documented offsets, the 0-based
// channel bytes with 0xFF for none, the data-file form, defaults, round trips and the
// repair of their channel references.
#include <QtTest>

#include "functions/emergency/channel_refs.h"
#include "functions/emergency/emergency_codec.h"
#include "functions/scan/scan_codec.h"
#include "support/codeplug_fixtures.h"
#include "support/image_bytes.h"

using namespace torvik;
using namespace torvik::test;

class EmergencyScanTest : public QObject {
    Q_OBJECT

  private slots:
    void emergencyDefaults() {
        EmergencySettings e;
        e.alarmTime = 9;
        e.loneWorkerTime = 77;
        ResetEmergency(e);
        RadioImage image = Prefilled();
        PackEmergency(e, image);
        QCOMPARE(Bytes(image, 928, 13), QByteArray::fromHex("0000000000000000FF00000105"));
        QCOMPARE(ToQByteArray(ToBytes(e)), QByteArray::fromHex("000000000000000000000105"));
    }

    void emergencyRow() {
        EmergencySettings e;
        e.alarmMode = 3;
        e.idCodeType = 1;
        e.idCode = 15;
        e.alarmTime = 10;
        e.txTime = 20;
        e.rxTime = 255;
        e.channelSelect = 1;
        e.emergencyChannel = 5;
        e.cycles = 7;
        e.loneWorkerAutoCheck = 1;
        e.preAlertTime = 254;
        e.loneWorkerTime = 60;
        RadioImage image = Filled(0x55);
        PackEmergency(e, image);
        QCOMPARE(Bytes(image, 927, 15), QByteArray::fromHex("55"
                                                            "03010F0A14FF01"
                                                            "55"  // 935 not written
                                                            "04"  // channel 5 is 0-based 4
                                                            "0701FE3C"
                                                            "55"));
        // The data file keeps the channel number itself, in field order.
        QCOMPARE(ToQByteArray(ToBytes(e)), QByteArray::fromHex("03010F0A14FF01050701FE3C"));

        EmergencySettings back;
        UnpackEmergency(image, back);
        QVERIFY(back == e);
    }

    void channelByte_data() {
        QTest::addColumn<std::uint8_t>("channel");
        QTest::addColumn<std::uint8_t>("byte");
        QTest::newRow("none") << std::uint8_t{0} << std::uint8_t{0xFF};
        QTest::newRow("channel 1") << std::uint8_t{1} << std::uint8_t{0x00};
        QTest::newRow("channel 12") << std::uint8_t{12} << std::uint8_t{0x0B};
        QTest::newRow("channel 200") << std::uint8_t{200} << std::uint8_t{0xC7};
        QTest::newRow("largest") << std::uint8_t{255} << std::uint8_t{0xFE};
    }
    // The emergency channel and the scan's four references share the 0-based rule.
    void channelByte() {
        QFETCH(std::uint8_t, channel);
        QFETCH(std::uint8_t, byte);
        EmergencySettings e;
        e.emergencyChannel = channel;
        ScanSettings s;
        s.priorityGroup1 = s.priorityChannel1 = s.priorityGroup2 = s.priorityChannel2 = channel;
        RadioImage image = Prefilled();
        PackEmergency(e, image);
        PackScan(s, image);
        QCOMPARE(image.at(936), byte);
        QCOMPARE(Bytes(image, 954, 4), QByteArray(4, static_cast<char>(byte)));

        EmergencySettings e2;
        ScanSettings s2;
        UnpackEmergency(image, e2);
        UnpackScan(image, s2);
        QCOMPARE(e2.emergencyChannel, channel);
        QCOMPARE(s2.priorityChannel1, channel);
        QCOMPARE(s2.priorityGroup2, channel);
    }

    void scanDefaults() {
        ScanSettings s;
        s.scanBackTimeA = 0;
        s.priorityChannel2 = 3;
        ResetScan(s);
        RadioImage image = Prefilled();
        PackScan(s, image);
        QCOMPARE(Bytes(image, 944, 14), QByteArray::fromHex("00000005050000000000FFFFFFFF"));
        QCOMPARE(ToQByteArray(ToBytes(s)), QByteArray::fromHex("0000000505000000000000000000"));
    }

    void scanRow() {
        ScanSettings s;
        s.scanMode = 1;
        s.priorityMode = 3;
        s.revertChoice = 7;
        s.scanBackTimeA = 45;
        s.scanBackTimeB = 0;
        s.rxResumeDelay = 49;
        s.txResumeDelay = 2;
        s.scanType = 3;
        s.entryTone = 1;
        s.waitTime = 10;
        s.priorityGroup1 = 2;
        s.priorityChannel1 = 12;
        s.priorityGroup2 = 0;
        s.priorityChannel2 = 200;
        RadioImage image = Filled(0x55);
        PackScan(s, image);
        QCOMPARE(Bytes(image, 943, 16), QByteArray::fromHex("55"
                                                            "0103072D00310203010A"
                                                            "010BFFC7"
                                                            "55"));
        QCOMPARE(ToQByteArray(ToBytes(s)), QByteArray::fromHex("0103072D00310203010A020C00C8"));
        ScanSettings back;
        UnpackScan(image, back);
        QVERIFY(back == s);
    }

    // Whatever the radio holds in the two areas comes back byte for byte.
    void roundTrip() {
        RadioImage radio = Prefilled();
        Put(radio, 928, QByteArray::fromHex("010203141E28000013FF01780F"));
        Put(radio, 944, QByteArray::fromHex("0102061413090300010CFE31FFC6"));
        EmergencySettings e;
        ScanSettings s;
        UnpackEmergency(radio, e);
        UnpackScan(radio, s);
        QCOMPARE(e.emergencyChannel, std::uint8_t{0x14});
        QCOMPARE(e.cycles, std::uint8_t{0xFF});
        QCOMPARE(s.priorityGroup1, std::uint8_t{0xFF});
        QCOMPARE(s.priorityChannel1, std::uint8_t{0x32});
        QCOMPARE(s.priorityGroup2, std::uint8_t{0});

        RadioImage encoded = Prefilled();
        PackScan(s, encoded);
        PackEmergency(e, encoded);
        QVERIFY(encoded == radio);
        QVERIFY(FromBytes<EmergencySettings>(ToBytes(e)) == e);
        QVERIFY(FromBytes<ScanSettings>(ToBytes(s)) == s);
    }

    void repair_data() {
        QTest::addColumn<QList<int>>("channels");
        QTest::addColumn<int>("reference");
        QTest::addColumn<int>("repaired");
        QTest::newRow("still there") << QList<int>{3, 7, 201, 203} << 3 << 3;
        QTest::newRow("gone: last memory channel") << QList<int>{3, 7, 201, 203} << 5 << 7;
        QTest::newRow("none stays none") << QList<int>{3, 7} << 0 << 0;
        QTest::newRow("no memory channel left") << QList<int>{201, 203} << 5 << 0;
    }
    void repair() {
        QFETCH(QList<int>, channels);
        QFETCH(int, reference);
        QFETCH(int, repaired);
        ChannelTable table;
        for (int n : channels) {
            ChannelRecord r = NewChannelRecord(n);
            r.Used = 1;
            table.records[table.ChannelCount++] = r;
        }
        EmergencySettings e;
        ScanSettings s;
        e.emergencyChannel = s.priorityChannel1 = s.priorityChannel2 =
            static_cast<std::uint8_t>(reference);
        s.priorityGroup1 = 9;
        RepairChannelRefs(e, s, table);
        QCOMPARE(int(e.emergencyChannel), repaired);
        QCOMPARE(int(s.priorityChannel1), repaired);
        QCOMPARE(int(s.priorityChannel2), repaired);
        QCOMPARE(s.priorityGroup1, std::uint8_t{9});
    }

    void memoryChannelChoices() {
        const ChannelTable table = TableOf({203, 12, 3, 201, 12, 200});
        QCOMPARE(MemoryChannelChoices(table), (std::vector<int>{3, 12, 200}));
        QCOMPARE(MemoryChannelChoices(TableOf({})), std::vector<int>{});
    }
};

QTEST_APPLESS_MAIN(EmergencyScanTest)
#include "test_emergency_scan.moc"
