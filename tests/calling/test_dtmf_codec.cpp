// The DTMF areas and record: image rows and data-file rows written from the documented
// offsets, nibble packing, the encoder's corrections and failures, the decoder's repairs.
#include <QtTest>

#include "calling/dtmf/dtmf_codec.h"
#include "calling/dtmf/dtmf_text.h"
#include "codeplug/byte_fields.h"
#include "codeplug/record_bytes.h"
#include "support/image_bytes.h"

using namespace torvik;
using namespace torvik::test;

static_assert(SerializedSize<DtmfSettings> == 527);

namespace {

constexpr std::size_t kHeader = 736;

// Code boxes by their editor index: 0..15 memories, 16 begin, 17 end, 18 kill, 19 stun.
void SetCode(DtmfSettings& s, int index, const std::string& held, int length) {
    const auto len = static_cast<std::int16_t>(length);
    if (index < 16) {
        s.memoryCodes[index] = {FixedText<24>::Value(held), len};
    } else if (index == 16) {
        s.pttIdBeginCode = {FixedText<24>::Value(held), len};
    } else if (index == 17) {
        s.pttIdEndCode = {FixedText<24>::Value(held), len};
    } else if (index == 18) {
        s.remoteKillCode = {FixedText<14>::Value(held), len};
    } else {
        s.remoteStunCode = {FixedText<14>::Value(held), len};
    }
}

DtmfSettings Defaults() {
    DtmfSettings s;
    ResetDtmf(s);
    return s;
}

// A full area as a radio holds it, laid down byte by byte.
RadioImage RealisticArea() {
    RadioImage image = Prefilled();
    Put(image, kHeader, QByteArray::fromHex("0E 0A 01 05 0A 0F 00 01 02 03 00 00 00 01 05 0A"));
    Put(image, 752, QByteArray::fromHex("12 34 50 00 00 00 00 05"));                 // kill 12345
    Put(image, 760, QByteArray::fromHex("12 34 56 70 00 00 00 07"));                 // stun 1234567
    Put(image, 832, QByteArray::fromHex("E1 23 00 00 00 00 00 00 00 00 00 00 04"));  // *123
    Put(image, 848, QByteArray::fromHex("AB CD EF 10 00 00 00 00 00 00 00 00 07"));
    Put(image, 1024, QByteArray::fromHex("55 5E 12 30 00 00 00 00 00 00 00 00 07"));  // 555*123
    Put(image, 1040, QByteArray::fromHex("10 00 00 00 00 00 00 00 00 00 00 00 01"));
    Put(image, 1264, QByteArray::fromHex("01 23 45 67 89 AB CD EF 01 23 45 67 18"));
    return image;
}

using IntField = std::int16_t DtmfSettings::*;

IntField FieldNamed(const QString& name) {
    static const std::map<QString, IntField> fields{
        {"decodeResponse", &DtmfSettings::decodeResponse},
        {"firstDigitDelay", &DtmfSettings::firstDigitDelay},
        {"preSendDelay", &DtmfSettings::preSendDelay},
        {"resetTime", &DtmfSettings::resetTime},
        {"postSendDelay", &DtmfSettings::postSendDelay},
        {"pauseTime", &DtmfSettings::pauseTime},
        {"sideTone", &DtmfSettings::sideTone},
    };
    return fields.at(name);
}

}  // namespace

class DtmfCodecTest : public QObject {
    Q_OBJECT

  private slots:
    void headerBytes() {
        DtmfSettings s = Defaults();
        s.separatorCode = 11;
        s.groupCode = 13;
        s.decodeResponse = 2;
        s.preSendDelay = 30;
        s.firstDigitDelay = 250;
        s.resetTime = 100;
        s.dtmfId = FixedText<3>::Value("123");
        s.sideTone = 1;
        s.postSendDelay = 40;
        s.pauseTime = 75;
        RadioImage image = Prefilled();
        PackDtmf(s, image);
        QCOMPARE(Bytes(image, kHeader, 16),
                 QByteArray::fromHex("0B 0D 02 1E FA 64 00 01 02 03 00 00 00 01 28 4B"));
        // The ANI switch and the send time belong to the option area.
        QCOMPARE(Bytes(image, 560, 3), QByteArray(3, '\0'));
    }

    void headerCorrections_data() {
        QTest::addColumn<int>("separator");
        QTest::addColumn<int>("group");
        QTest::addColumn<int>("response");
        QTest::addColumn<int>("firstDelay");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("in range") << 15 << 10 << 2 << 250 << QByteArray::fromHex("0F 0A 02 14 FA");
        QTest::newRow("group off") << 14 << 9 << 0 << 0 << QByteArray::fromHex("0E FF 00 14 00");
        QTest::newRow("below") << 9 << 0 << 0 << 0 << QByteArray::fromHex("0E FF 00 14 00");
        QTest::newRow("above") << 16 << 255 << 3 << 251 << QByteArray::fromHex("0E FF 00 14 00");
    }
    void headerCorrections() {
        QFETCH(int, separator);
        QFETCH(int, group);
        QFETCH(int, response);
        QFETCH(int, firstDelay);
        QFETCH(QByteArray, bytes);
        DtmfSettings s = Defaults();
        s.separatorCode = static_cast<std::int16_t>(separator);
        s.groupCode = static_cast<std::int16_t>(group);
        s.decodeResponse = static_cast<std::int16_t>(response);
        s.firstDigitDelay = static_cast<std::int16_t>(firstDelay);
        const DtmfSettings before = s;
        RadioImage image = Prefilled();
        PackDtmf(s, image);
        QCOMPARE(Bytes(image, kHeader, 5), bytes);
        QVERIFY(s == before);  // corrected in the image only
    }

    void dtmfId_data() {
        QTest::addColumn<QByteArray>("raw");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("stored");
        QTest::newRow("three digits")
            << QByteArray("123") << QByteArray::fromHex("010203") << "123";
        QTest::newRow("one digit")
            << QByteArray("7\0 ", 3) << QByteArray::fromHex("070000") << "700";
        QTest::newRow("trailing blank")
            << QByteArray("12 ") << QByteArray::fromHex("010200") << "120";
        QTest::newRow("letter") << QByteArray("12a") << QByteArray::fromHex("000000") << "000";
        QTest::newRow("inner blank") << QByteArray("1 2") << QByteArray::fromHex("000000") << "000";
        QTest::newRow("blank") << QByteArray("   ") << QByteArray::fromHex("000000") << "000";
    }
    void dtmfId() {
        QFETCH(QByteArray, raw);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, stored);
        DtmfSettings s = Defaults();
        s.dtmfId = FixedText<3>::Raw(raw.toStdString());
        RadioImage image = Prefilled();
        PackDtmf(s, image);
        QCOMPARE(Bytes(image, 743, 3), bytes);
        // The ID the radio was given is what the record now holds.
        QCOMPARE(QByteArray(s.dtmfId.raw().data(), 3), stored.toLatin1());
    }

    void codePacking_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("held");
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("address");
        QTest::addColumn<QByteArray>("bytes");  // the code field and its length byte
        const QByteArray zeros12(12, '\0');
        QTest::newRow("M1 1*#") << 0 << "1EF" << 3 << 1024
                                << QByteArray::fromHex("1EF0 0000 0000 0000 0000 0000 03");
        QTest::newRow("begin padded to length")
            << 16 << "12" << 4 << 832 << QByteArray::fromHex("1200 0000 0000 0000 0000 0000 04");
        QTest::newRow("end odd") << 17 << "ABCDE" << 5 << 848
                                 << QByteArray::fromHex("ABCD E000 0000 0000 0000 0000 05");
        QTest::newRow("M16 full") << 15 << "0123456789ABCDEF01234567" << 24 << 1264
                                  << QByteArray::fromHex("0123 4567 89AB CDEF 0123 4567 18");
        QTest::newRow("length decides, not text")
            << 2 << "123456" << 3 << 1056
            << QByteArray::fromHex("1234 0000 0000 0000 0000 0000 03");
        QTest::newRow("M2 length above 24") << 1 << "1234" << 25 << 1040 << zeros12 + '\0';
        QTest::newRow("empty") << 3 << "" << 0 << 1072 << zeros12 + '\0';
        QTest::newRow("kill not padded")
            << 18 << "123" << 3 << 752 << QByteArray::fromHex("1230 0000 0000 00 03");
        QTest::newRow("stun full")
            << 19 << "ABCD0123456789" << 14 << 760 << QByteArray::fromHex("ABCD 0123 4567 89 0E");
        QTest::newRow("kill length above 14") << 18 << "1234" << 15 << 752 << QByteArray(8, '\0');
    }
    void codePacking() {
        QFETCH(int, index);
        QFETCH(QString, held);
        QFETCH(int, length);
        QFETCH(int, address);
        QFETCH(QByteArray, bytes);
        DtmfSettings s = Defaults();
        SetCode(s, index, held.toStdString(), length);
        RadioImage image = Prefilled();
        PackDtmf(s, image);
        QCOMPARE(Bytes(image, static_cast<std::size_t>(address), bytes.size()), bytes);
    }

    void outOfRangeFieldsFail_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("value");
        QTest::newRow("preSendDelay 256") << "preSendDelay" << 256;
        QTest::newRow("resetTime -1") << "resetTime" << -1;
        QTest::newRow("postSendDelay -1") << "postSendDelay" << -1;
        QTest::newRow("pauseTime 300") << "pauseTime" << 300;
        QTest::newRow("sideTone 256") << "sideTone" << 256;
        QTest::newRow("decodeResponse -1") << "decodeResponse" << -1;
        QTest::newRow("firstDigitDelay -1") << "firstDigitDelay" << -1;
    }
    void outOfRangeFieldsFail() {
        QFETCH(QString, field);
        QFETCH(int, value);
        DtmfSettings s = Defaults();
        s.*FieldNamed(field) = static_cast<std::int16_t>(value);
        RadioImage image = Prefilled();
        QVERIFY_THROWS_EXCEPTION(EncodeError, PackDtmf(s, image));
    }

    void badCodesFail_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("held");
        QTest::addColumn<int>("length");
        QTest::newRow("not a symbol") << 0 << "12G" << 3;
        QTest::newRow("blank inside") << 5 << "1 2" << 3;
        QTest::newRow("negative length") << 16 << "12" << -1;
        QTest::newRow("short code shorter than its length") << 18 << "12" << 5;
    }
    void badCodesFail() {
        QFETCH(int, index);
        QFETCH(QString, held);
        QFETCH(int, length);
        DtmfSettings s = Defaults();
        SetCode(s, index, held.toStdString(), length);
        RadioImage image = Prefilled();
        QVERIFY_THROWS_EXCEPTION(EncodeError, PackDtmf(s, image));
    }

    void decoderRepairs() {
        RadioImage image = RealisticArea();
        Put(image, kHeader, QByteArray::fromHex("00 FF 05 14 FB 00 00 01 02 0A"));
        image.at(1036) = 25;  // M1 length above its width
        image.at(767) = 15;   // stun length above its width
        DtmfSettings s = Defaults();
        s.aniEnabled = 1;
        s.digitDuration = 4;
        s.pttIdMode = 2;
        UnpackDtmf(image, s);
        QCOMPARE(s.separatorCode, 14);
        QCOMPARE(s.groupCode, 9);
        QCOMPARE(s.decodeResponse, 0);
        QCOMPARE(image.at(738), 0);
        QCOMPARE(s.firstDigitDelay, 0);
        QCOMPARE(image.at(740), 0);
        QCOMPARE(s.dtmfId.text(), std::string("000"));
        QVERIFY(s.memoryCodes[0] == (LongDtmfCode{FixedText<24>::Value(""), 0}));
        QVERIFY(s.remoteStunCode == (ShortDtmfCode{FixedText<14>::Value(""), 0}));
        // Kept: not in these areas.
        QCOMPARE(s.aniEnabled, 1);
        QCOMPARE(s.digitDuration, 4);
        QCOMPARE(s.pttIdMode, 2);
    }

    void roundTripRealisticArea() {
        RadioImage original = RealisticArea();
        DtmfSettings s = Defaults();
        UnpackDtmf(original, s);
        QCOMPARE(s.separatorCode, 14);
        QCOMPARE(s.groupCode, 10);
        QCOMPARE(s.decodeResponse, 1);
        QCOMPARE(s.preSendDelay, 5);
        QCOMPARE(s.firstDigitDelay, 10);
        QCOMPARE(s.resetTime, 15);
        QCOMPARE(s.dtmfId.text(), std::string("123"));
        QCOMPARE(s.sideTone, 1);
        QCOMPARE(s.postSendDelay, 5);
        QCOMPARE(s.pauseTime, 10);
        QCOMPARE(ShownCode(s.memoryCodes[0]), std::string("555*123"));
        QCOMPARE(s.memoryCodes[0].length, 7);
        QCOMPARE(QByteArray(s.memoryCodes[1].code.raw().data(), 3), QByteArray("1\0 ", 3));
        QCOMPARE(ShownCode(s.pttIdBeginCode), std::string("*123"));
        QCOMPARE(ShownCode(s.pttIdEndCode), std::string("ABCD*#1"));
        QCOMPARE(s.remoteKillCode.code.text(), std::string("12345"));
        QCOMPARE(s.remoteStunCode.length, 7);
        QCOMPARE(s.memoryCodes[15].code.text(), std::string("0123456789ABCDEF01234567"));

        RadioImage encoded = Prefilled();
        PackDtmf(s, encoded);
        QVERIFY(encoded == original);
    }

    void dataFileForm() {
        DtmfSettings s = Defaults();
        SetCode(s, 0, "1EF", 3);
        SetCode(s, 15, "ABCD", 4);
        SetCode(s, 16, "12", 2);
        SetCode(s, 18, "123", 3);
        SetCode(s, 19, "0123456789ABCD", 14);
        s.aniEnabled = 1;
        s.digitDuration = 5;
        s.groupCode = 0x0102;
        s.resetTime = 0x0100;
        s.sideTone = 1;
        const QByteArray file = ToQByteArray(ToBytes(s));
        QCOMPARE(file.size(), 527);
        QCOMPARE(file.mid(0, 26),
                 QByteArray("1EF\0", 4) + QByteArray(20, ' ') + QByteArray::fromHex("0300"));
        QCOMPARE(file.mid(26, 26),
                 QByteArray("\0", 1) + QByteArray(23, ' ') + QByteArray::fromHex("0000"));
        QCOMPARE(file.mid(390, 26),
                 QByteArray("ABCD\0", 5) + QByteArray(19, ' ') + QByteArray::fromHex("0400"));
        QCOMPARE(file.mid(416, 4), QByteArray("12\0 ", 4));
        QCOMPARE(file.mid(440, 2), QByteArray::fromHex("0200"));
        QCOMPARE(file.mid(468, 16),
                 QByteArray("123\0", 4) + QByteArray(10, ' ') + QByteArray::fromHex("0300"));
        QCOMPARE(file.mid(484, 16), QByteArray("0123456789ABCD") + QByteArray::fromHex("0E00"));
        QCOMPARE(file.mid(500, 27), QByteArray::fromHex("0100 0500 0300") + QByteArray("000") +
                                        QByteArray::fromHex("0E00 0201 0000 1400 1400 0001 "
                                                            "1400 0A00 0100"));
        QVERIFY(FromBytes<DtmfSettings>(ToBytes(s)) == s);
    }

    void defaults() {
        DtmfSettings s;
        SetCode(s, 7, "123", 3);
        s.aniEnabled = 1;
        s.sideTone = 1;
        ResetDtmf(s);
        const LongDtmfCode emptyLong{FixedText<24>::Value(""), 0};
        const ShortDtmfCode emptyShort{FixedText<14>::Value(""), 0};
        for (const LongDtmfCode& code : s.memoryCodes) QVERIFY(code == emptyLong);
        QVERIFY(s.pttIdBeginCode == emptyLong && s.pttIdEndCode == emptyLong);
        QVERIFY(s.remoteKillCode == emptyShort && s.remoteStunCode == emptyShort);
        QCOMPARE(s.aniEnabled, 0);
        QCOMPARE(s.digitDuration, 1);
        QCOMPARE(s.pttIdMode, 3);
        QCOMPARE(QByteArray(s.dtmfId.raw().data(), 3), QByteArray("000"));
        QCOMPARE(s.separatorCode, 14);
        QCOMPARE(s.groupCode, 10);
        QCOMPARE(s.decodeResponse, 0);
        QCOMPARE(s.firstDigitDelay, 20);
        QCOMPARE(s.preSendDelay, 20);
        QCOMPARE(s.resetTime, 0);
        QCOMPARE(s.postSendDelay, 20);
        QCOMPARE(s.pauseTime, 10);
        QCOMPARE(s.sideTone, 0);
    }
};

QTEST_APPLESS_MAIN(DtmfCodecTest)
#include "test_dtmf_codec.moc"
