// The optional functions: image rows written from the documented offsets, the data-file
// form, defaults, round trips and values the image cannot hold.
#include <QtTest>

#include "codeplug/byte_fields.h"
#include "functions/options/option_codec.h"
#include "support/image_bytes.h"

using namespace torvik;
using namespace torvik::test;

namespace {

OptionSettings Defaults() {
    OptionSettings o;
    o.squelchLevel = 9;  // something for the reset to undo
    std::uint8_t squelch = 1;
    ResetOptions(o, squelch);
    return o;
}

// Every image field at a different, non-default value.
OptionSettings Busy() {
    OptionSettings o = Defaults();
    o.displayMode = 2;
    o.workMode = 1;
    o.powerOnChannel = 200;  // PA
    o.squelchLevel = 20;
    o.voicePrompt = 2;
    o.channelDisplayExtra = 1;
    o.backlightTime = 4;
    o.currentGroup = 31;
    o.toneBurstFrequency = 3;
    o.timeOutTimer = 30;
    o.batterySave = 3;
    o.keyLock = 1;
    o.keyBeep = 1;
    o.tailElimination = 1;
    o.busyChannelLockout = 2;
    o.functionOperation = 1;
    o.internalFunctionOperation = 0;
    o.initKey = 1;
    o.tailPhase = 2;
    o.sideKey = 1;
    o.welcomeMessage = FixedText<7>::Value("AB  CD ");
    o.powerOnPasswordEnabled = 1;
    o.powerOnPassword = FixedText<6>::Value("12");
    return o;
}

}  // namespace

class OptionCodecTest : public QObject {
    Q_OBJECT

  private slots:
    void defaults() {
        std::uint8_t squelch = 1;
        OptionSettings o;
        o.tailPhase = 2;
        o.welcomeMessage = FixedText<7>::Value("x");
        o.powerOnPassword = FixedText<6>::Value("123456");
        ResetOptions(o, squelch);
        QCOMPARE(squelch, std::uint8_t{0});
        QCOMPARE(o.tailPhase, std::int16_t{0});
        QCOMPARE(o.welcomeMessage.raw(), std::string_view("Welcome"));
        QCOMPARE(o.powerOnPassword.raw(), std::string_view("\0     ", 6));
        QVERIFY(o == OptionSettings{});

        RadioImage image = Prefilled();
        PackOptions(o, squelch, {}, image);
        QCOMPARE(Bytes(image, 992, 7), QByteArray("Welcome"));
        QCOMPARE(Bytes(image, 528, 6), QByteArray(6, '\0'));
        QCOMPARE(image.at(568), std::uint8_t{0});
    }

    // Data-file form: 23 fields of 2 bytes, the message, the switch, the password.
    void fileForm() {
        static_assert(SerializedSize<OptionSettings> == 61);
        OptionSettings o = Defaults();
        o.displayMode = 0x0102;
        o.voxLevel = 25;
        o.rogerBeep = -1;
        o.powerOnPasswordEnabled = 1;
        o.powerOnPassword = FixedText<6>::Value("42");
        const QByteArray file = ToQByteArray(ToBytes(o));
        QCOMPARE(file.size(), 61);
        QCOMPARE(file.mid(0, 2), QByteArray::fromHex("0201"));
        QCOMPARE(file.mid(40, 2), QByteArray::fromHex("1900"));  // voxLevel, field 21
        QCOMPARE(file.mid(44, 2), QByteArray::fromHex("FFFF"));  // rogerBeep, field 23
        QCOMPARE(file.mid(46, 7), QByteArray("Welcome"));
        QCOMPARE(file.mid(53, 2), QByteArray::fromHex("0100"));
        QCOMPARE(file.mid(55, 6), QByteArray("42\0   ", 6));
        QVERIFY(FromBytes<OptionSettings>(ToBytes(o)) == o);
    }

    // Bytes written from the documented layout; the rest of an all-0x55 image stays 0x55.
    void encodeRow() {
        RadioImage image = Filled(0x55);
        PackOptions(Busy(), 1, {0, 5}, image);
        QCOMPARE(Bytes(image, 544, 25), QByteArray::fromHex("0201C814"
                                                            "55"  // 548 not written
                                                            "0201041F"
                                                            "0000"  // 553, 554
                                                            "031E"
                                                            "00"  // 557
                                                            "0301"
                                                            "43"  // 560: b0 + b1 + b6
                                                            "02"
                                                            "05"  // 562: digit duration
                                                            "09"  // 563: b0 + b3
                                                            "0201"
                                                            "5555"  // 566, 567
                                                            "01"));
        QCOMPARE(Bytes(image, 528, 6), QByteArray::fromHex("313200000000"));
        QCOMPARE(Bytes(image, 992, 7), QByteArray::fromHex("41422020434400"));
        for (std::size_t untouched : {527u, 534u, 543u, 569u, 991u, 999u}) {
            QCOMPARE(image.at(untouched), std::uint8_t{0x55});
        }
    }

    void dtmfBits() {
        RadioImage image = Prefilled();
        PackOptions(Defaults(), 0, {1, 0}, image);
        QCOMPARE(image.at(560), std::uint8_t{0x04});

        OptionSettings o;
        std::uint8_t squelch = 0;
        OptionAreaDtmf dtmf;
        Put(image, 560, QByteArray::fromHex("44"));
        Put(image, 562, QByteArray::fromHex("03"));
        UnpackOptions(image, o, squelch, dtmf);
        QCOMPARE(dtmf.aniEnabled, std::int16_t{1});
        QCOMPARE(dtmf.digitDuration, std::int16_t{3});
        QCOMPARE(squelch, std::uint8_t{1});
        QCOMPARE(o.keyBeep, std::int16_t{0});
    }

    void decodeRow() {
        RadioImage image = Prefilled();
        Put(image, 544, QByteArray::fromHex("01000713000102030400000506000708FF09FF0A0B00000001"));
        Put(image, 528, QByteArray("123456"));
        Put(image, 992, QByteArray::fromHex("4869FF78000000"));  // "Hi", 0xFF ends it

        OptionSettings o = Defaults();
        o.voxLevel = 7;
        o.backlight = 2;
        o.rogerBeep = 1;
        std::uint8_t squelch = 0;
        OptionAreaDtmf dtmf;
        UnpackOptions(image, o, squelch, dtmf);

        QCOMPARE(o.displayMode, std::int16_t{1});
        QCOMPARE(o.powerOnChannel, std::int16_t{7});
        QCOMPARE(o.squelchLevel, std::int16_t{19});
        QCOMPARE(o.voicePrompt, std::int16_t{1});
        QCOMPARE(o.channelDisplayExtra, std::int16_t{0});  // 550 = 2 is outside the list
        QCOMPARE(o.backlightTime, std::int16_t{3});
        QCOMPARE(o.currentGroup, std::int16_t{4});
        QCOMPARE(o.toneBurstFrequency, std::int16_t{5});
        QCOMPARE(o.timeOutTimer, std::int16_t{6});
        QCOMPARE(o.batterySave, std::int16_t{7});
        QCOMPARE(o.keyLock, std::int16_t{8});
        // 560 = 0xFF: only bits 0, 1, 2 and 6 mean anything.
        QCOMPARE(o.keyBeep, std::int16_t{1});
        QCOMPARE(o.tailElimination, std::int16_t{1});
        QCOMPARE(dtmf.aniEnabled, std::int16_t{1});
        QCOMPARE(squelch, std::uint8_t{1});
        QCOMPARE(o.busyChannelLockout, std::int16_t{9});
        QCOMPARE(dtmf.digitDuration, std::int16_t{255});
        // 563 = 0x0A: bits 1 and 3.
        QCOMPARE(o.functionOperation, std::int16_t{0});
        QCOMPARE(o.internalFunctionOperation, std::int16_t{1});
        QCOMPARE(o.initKey, std::int16_t{1});
        QCOMPARE(o.tailPhase, std::int16_t{11});
        QCOMPARE(o.sideKey, std::int16_t{0});
        QCOMPARE(o.powerOnPasswordEnabled, std::int16_t{1});
        QCOMPARE(o.powerOnPassword.raw(), std::string_view("123456"));
        QCOMPARE(o.welcomeMessage.raw(), std::string_view("Hi\0    ", 7));
        // Not in the image: kept.
        QCOMPARE(o.voxLevel, std::int16_t{7});
        QCOMPARE(o.backlight, std::int16_t{2});
        QCOMPARE(o.rogerBeep, std::int16_t{1});
    }

    void texts_data() {
        QTest::addColumn<QByteArray>("welcomeBytes");
        QTest::addColumn<QString>("welcome");
        QTest::newRow("full width") << QByteArray("Welcome") << "Welcome";
        QTest::newRow("0xFF first") << QByteArray::fromHex("FF414243444546") << "";
        QTest::newRow("inner blanks kept") << QByteArray::fromHex("41422020434400") << "AB  CD";
        QTest::newRow("leading blank kept") << QByteArray::fromHex("20410000000000") << " A";
        QTest::newRow("empty") << QByteArray(7, '\0') << "";
    }
    void texts() {
        QFETCH(QByteArray, welcomeBytes);
        QFETCH(QString, welcome);
        RadioImage image = Prefilled();
        Put(image, 992, welcomeBytes);
        OptionSettings o;
        std::uint8_t squelch = 0;
        OptionAreaDtmf dtmf;
        UnpackOptions(image, o, squelch, dtmf);
        QCOMPARE(QString::fromStdString(o.welcomeMessage.text()), welcome);

        RadioImage again = Prefilled();
        PackOptions(o, squelch, dtmf, again);
        QByteArray expected = welcome.toLatin1();
        expected.append(QByteArray(7 - expected.size(), '\0'));
        QCOMPARE(Bytes(again, 992, 7), expected);
    }

    // A realistic area read from a radio comes back byte for byte.
    void roundTrip() {
        RadioImage radio = Prefilled();
        Put(radio, 528, QByteArray::fromHex("393837000000"));
        Put(radio, 544,
            QByteArray::fromHex("0101C90A"
                                "00"  // 548
                                "02010305"
                                "0000"  // 553, 554
                                "0114"
                                "00"  // 557
                                "0201"
                                "47"  // 560: bits 0, 1, 2, 6
                                "0202"
                                "0B"  // 563: bits 0, 1, 3
                                "0201"
                                "0000"  // 566, 567
                                "01"));
        Put(radio, 992, QByteArray::fromHex("48692054564E00"));
        OptionSettings o;
        std::uint8_t squelch = 0;
        OptionAreaDtmf dtmf;
        UnpackOptions(radio, o, squelch, dtmf);
        QCOMPARE(o.powerOnChannel, std::int16_t{201});  // PB
        QCOMPARE(o.powerOnPassword.text(), std::string("987"));

        RadioImage encoded = Prefilled();
        PackOptions(o, squelch, dtmf, encoded);
        QVERIFY(encoded == radio);
    }

    void outOfRange_data() {
        QTest::addColumn<int>("field");
        QTest::addColumn<int>("value");
        // field: 0 squelchLevel, 1 powerOnChannel, 2 tailElimination, 3 squelchOffInhibit,
        // 4 aniEnabled, 5 digitDuration, 6 initKey, 7 powerOnPasswordEnabled, 8 keyBeep
        QTest::newRow("byte above 255") << 0 << 256;
        QTest::newRow("negative byte") << 1 << -1;
        QTest::newRow("bit 2") << 2 << 2;
        QTest::newRow("squelch-off inhibit 2") << 3 << 2;
        QTest::newRow("ani 2") << 4 << 2;
        QTest::newRow("digit duration 300") << 5 << 300;
        QTest::newRow("init key -1") << 6 << -1;
        QTest::newRow("password switch 256") << 7 << 256;
        QTest::newRow("row 14 negative") << 8 << -1;
    }
    void outOfRange() {
        QFETCH(int, field);
        QFETCH(int, value);
        OptionSettings o = Defaults();
        std::uint8_t squelch = 0;
        OptionAreaDtmf dtmf;
        const auto v16 = static_cast<std::int16_t>(value);
        switch (field) {
            case 0:
                o.squelchLevel = v16;
                break;
            case 1:
                o.powerOnChannel = v16;
                break;
            case 2:
                o.tailElimination = v16;
                break;
            case 3:
                squelch = static_cast<std::uint8_t>(value);
                break;
            case 4:
                dtmf.aniEnabled = v16;
                break;
            case 5:
                dtmf.digitDuration = v16;
                break;
            case 6:
                o.initKey = v16;
                break;
            case 7:
                o.powerOnPasswordEnabled = v16;
                break;
            case 8:
                o.keyBeep = v16;
                break;
        }
        RadioImage image = Prefilled();
        QVERIFY_THROWS_EXCEPTION(EncodeError, PackOptions(o, squelch, dtmf, image));
    }
};

QTEST_APPLESS_MAIN(OptionCodecTest)
#include "test_option_codec.moc"
