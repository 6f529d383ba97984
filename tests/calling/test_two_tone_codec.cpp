// The 2-Tone area and record: image rows and data-file rows written from the documented
// offsets (the two forms turn every 16-bit pair round), decoding rules, defaults.
#include <QtTest>

#include "calling/twotone/two_tone_codec.h"
#include "codeplug/record_bytes.h"
#include "support/image_bytes.h"

using namespace torvik;
using namespace torvik::test;

static_assert(SerializedSize<TwoToneSettings> == 568);

namespace {

constexpr std::size_t kHeader = 768;
constexpr std::size_t kBitmap = 896;
constexpr std::size_t kCode0 = 2816;

TwoToneSettings AllEmpty() {
    TwoToneSettings s;
    for (TwoToneCode& code : s.codes) {
        code.empty = 1;
        code.name = FixedText<7>::Value("");
    }
    return s;
}

TwoToneSettings Header() {
    TwoToneSettings s = AllEmpty();
    s.callTone1.value = 0x1234;
    s.callTone2.value = 0x5678;
    s.callDivider1.value = 0x9ABC;
    s.callDivider2.value = 0xDEF0;
    s.decodeResponse = 2;
    s.firstToneTime = 7;
    s.secondToneTime = 8;
    s.longToneTime = 9;
    s.toneInterval = 20;
    s.autoResetTime = 250;
    s.sideTone = 1;
    s.callFormat = 14;
    s.toneA.value = 3217;
    s.toneB.value = 9281;
    s.toneC.value = 6265;
    s.toneD.value = 20438;
    return s;
}

// A full area as a radio holds it, laid down byte by byte.
RadioImage RealisticArea() {
    RadioImage image = Prefilled();
    Put(image, kHeader,
        QByteArray::fromHex("910C 4124 483A 3314 01 05 05 0A 0A 64 01 05 0C91 2441 1879 4FD6"));
    Put(image, kBitmap, QByteArray::fromHex("F8 FF FF 7F"));  // codes 0, 1, 2 and 31 stored
    Put(image, kCode0, QByteArray::fromHex("4907 8602 910C 4124") + "GATE   ");
    Put(image, kCode0 + 16, QByteArray::fromHex("5802 2C01 1027 204E") + "DEPOT01");
    Put(image, kCode0 + 32, QByteArray::fromHex("5307 0000 800C 0000") + "SITE B ");
    Put(image, kCode0 + 31 * 16, QByteArray::fromHex("C000 0000 B879 0000") + "HQ     ");
    // An empty code whose values a radio left behind: still written back as read.
    Put(image, kCode0 + 5 * 16, QByteArray::fromHex("1111 2222 3333 4444") + "OLD    ");
    return image;
}

}  // namespace

class TwoToneCodecTest : public QObject {
    Q_OBJECT

  private slots:
    void headerBytes() {
        RadioImage image = Prefilled();
        PackTwoTone(Header(), image);
        // Call tones and dividers low byte first, the tone table high byte first.
        QCOMPARE(Bytes(image, kHeader, 24),
                 QByteArray::fromHex("3412 7856 BC9A F0DE 02 07 08 09 14 FA 01 0E "
                                     "0C91 2441 1879 4FD6"));
        QCOMPARE(Bytes(image, kBitmap, 4), QByteArray::fromHex("FFFFFFFF"));
    }

    void codeBytesAndBitmap() {
        TwoToneSettings s = AllEmpty();
        for (int k : {0, 9, 31}) s.codes[k].empty = 0;
        TwoToneCode& code = s.codes[9];
        code.divider1.value = 600;
        code.divider2.value = 0x1234;
        code.tone1.value = 10000;
        code.tone2.value = 0xABCD;
        code.name = FixedText<7>::Value("AB");
        s.codes[10].name = FixedText<7>::Value("XYZ");  // empty code: written, bit stays set

        RadioImage image = Prefilled();
        image.at(kCode0 + 9 * 16 + 15) = 0x55;
        PackTwoTone(s, image);
        QCOMPARE(Bytes(image, kBitmap, 4), QByteArray::fromHex("FE FD FF 7F"));
        QCOMPARE(Bytes(image, kCode0 + 9 * 16, 16),
                 QByteArray::fromHex("5802 3412 1027 CDAB") + "AB     " + "\x55");
        QCOMPARE(Bytes(image, kCode0 + 10 * 16 + 8, 7), QByteArray("XYZ    "));
    }

    void names_data() {
        QTest::addColumn<QByteArray>("raw");
        QTest::addColumn<QByteArray>("image");
        QTest::newRow("short") << QByteArray("AB\0    ", 7) << QByteArray("AB     ");
        QTest::newRow("full") << QByteArray("ABCDEFG") << QByteArray("ABCDEFG");
        QTest::newRow("inner blank") << QByteArray("A B\0   ", 7) << QByteArray("A B    ");
        QTest::newRow("empty") << QByteArray("\0      ", 7) << QByteArray(7, '\0');
        QTest::newRow("blanks only") << QByteArray("       ") << QByteArray(7, '\0');
    }
    void names() {
        QFETCH(QByteArray, raw);
        QFETCH(QByteArray, image);
        TwoToneSettings s = AllEmpty();
        s.codes[3].name = FixedText<7>::Raw(raw.toStdString());
        RadioImage out = Prefilled();
        PackTwoTone(s, out);
        QCOMPARE(Bytes(out, kCode0 + 3 * 16 + 8, 7), image);
    }

    void decodeRules_data() {
        QTest::addColumn<QByteArray>("nameBytes");
        QTest::addColumn<QByteArray>("rawName");
        QTest::newRow("blank filled, blanks kept")
            << QByteArray("AB     ") << QByteArray("AB     ");
        QTest::newRow("ends at 0x00") << QByteArray("AB\0CDEF", 7) << QByteArray("AB\0    ", 7);
        QTest::newRow("ends at 0xFF") << QByteArray(
                                             "AB\xFF"
                                             "CDEF")
                                      << QByteArray("AB\0    ", 7);
        QTest::newRow("erased") << QByteArray(7, '\xFF') << QByteArray("\0      ", 7);
    }
    void decodeRules() {
        QFETCH(QByteArray, nameBytes);
        QFETCH(QByteArray, rawName);
        RadioImage image = Prefilled();
        Put(image, kCode0 + 8, nameBytes);
        TwoToneSettings s;
        UnpackTwoTone(image, s);
        QCOMPARE(QByteArray(s.codes[0].name.raw().data(), 7), rawName);
    }

    void callFormatAbove14ReadsAsAB() {
        RadioImage image = Prefilled();
        TwoToneSettings s;
        image.at(kHeader + 15) = 20;
        UnpackTwoTone(image, s);
        QCOMPARE(s.callFormat, 0);
        image.at(kHeader + 15) = 14;
        UnpackTwoTone(image, s);
        QCOMPARE(s.callFormat, 14);
    }

    void prefilledImageHasNoCodes() {
        TwoToneSettings s;
        UnpackTwoTone(Prefilled(), s);
        for (const TwoToneCode& code : s.codes) QCOMPARE(code.empty, 1);
        RadioImage image = Prefilled();
        PackTwoTone(s, image);
        QCOMPARE(Bytes(image, kBitmap, 4), QByteArray::fromHex("FFFFFFFF"));
    }

    void roundTripRealisticArea() {
        const RadioImage original = RealisticArea();
        TwoToneSettings s;
        UnpackTwoTone(original, s);
        // Values from the hand-written rows, so a pair turned the wrong way cannot hide.
        QCOMPARE(s.callTone1.value, 3217);
        QCOMPARE(s.callDivider1.value, 14920);
        QCOMPARE(s.callDivider2.value, 5171);
        QCOMPARE(s.toneA.value, 3217);
        QCOMPARE(s.toneD.value, 20438);
        QCOMPARE(s.decodeResponse, 1);
        QCOMPARE(s.toneInterval, 10);
        QCOMPARE(s.autoResetTime, 100);
        QCOMPARE(s.callFormat, 5);
        QCOMPARE(s.codes[1].tone2.value, 20000);
        QCOMPARE(s.codes[1].divider1.value, 600);
        QCOMPARE(s.codes[1].name.text(), std::string("DEPOT01"));
        QCOMPARE(s.codes[31].name.text(), std::string("HQ"));
        QCOMPARE(s.codes[0].empty, 0);
        QCOMPARE(s.codes[5].empty, 1);
        QCOMPARE(s.codes[31].empty, 0);

        RadioImage encoded = Prefilled();
        PackTwoTone(s, encoded);
        QVERIFY(encoded == original);
    }

    void dataFileForm() {
        TwoToneSettings s = Header();
        s.codes[0].empty = 0;
        s.codes[0].divider1.value = 0x0258;
        s.codes[0].divider2.value = 0x1234;
        s.codes[0].tone1.value = 0x2710;
        s.codes[0].tone2.value = 0xABCD;
        s.codes[0].name = FixedText<7>::Value("AB");
        s.codes[1].empty = 1;
        const QByteArray file = ToQByteArray(ToBytes(s));
        QCOMPARE(file.size(), 568);
        // The call values high byte first, the tone table low byte first: turned round from
        // the image.
        QCOMPARE(file.mid(0, 24), QByteArray::fromHex("1234 5678 0E 9ABC DEF0 FA 02 01 "
                                                      "910C 4124 7918 D64F 07 08 09 14"));
        QCOMPARE(file.mid(24, 17),
                 QByteArray::fromHex("0000 0258 1234 2710 ABCD") + QByteArray("AB\0    ", 7));
        QCOMPARE(file.mid(41, 2), QByteArray::fromHex("0100"));
        QCOMPARE(file.mid(24 + 31 * 17, 2), QByteArray::fromHex("0100"));

        const std::vector<std::uint8_t> bytes = ToBytes(s);
        QVERIFY(FromBytes<TwoToneSettings>(bytes) == s);
    }

    void defaults() {
        TwoToneSettings s = Header();
        s.codes[0].name = FixedText<7>::Value("KEEP0");
        s.codes[7].name = FixedText<7>::Value("KEEP7");
        s.codes[7].empty = 0;
        s.codes[7].tone1.value = 1234;
        ResetTwoTone(s);
        QCOMPARE(s.callTone1.value, 3217);
        QCOMPARE(s.callTone2.value, 9281);
        QCOMPARE(s.callFormat, 0);
        QCOMPARE(s.callDivider1.value, 14920);
        QCOMPARE(s.callDivider2.value, 5172);
        QCOMPARE(s.autoResetTime, 0);
        QCOMPARE(s.decodeResponse, 0);
        QCOMPARE(s.sideTone, 0);
        QCOMPARE(s.toneA.value, 3217);
        QCOMPARE(s.toneB.value, 9281);
        QCOMPARE(s.toneC.value, 6265);
        QCOMPARE(s.toneD.value, 20438);
        QCOMPARE(s.firstToneTime, 5);
        QCOMPARE(s.secondToneTime, 5);
        QCOMPARE(s.longToneTime, 10);
        QCOMPARE(s.toneInterval, 0);
        QCOMPARE(s.codes[0].empty, 0);
        QCOMPARE(s.codes[0].divider1.value, 14920);
        QCOMPARE(s.codes[0].divider2.value, 5172);
        QCOMPARE(s.codes[0].tone1.value, 3217);
        QCOMPARE(s.codes[0].tone2.value, 9281);
        for (int k = 1; k < kTwoToneCodes; ++k) {
            const TwoToneCode& code = s.codes[k];
            QCOMPARE(code.empty, 1);
            QVERIFY(code.divider1.value == 0 && code.divider2.value == 0);
            QVERIFY(code.tone1.value == 0 && code.tone2.value == 0);
        }
        QCOMPARE(s.codes[0].name.text(), std::string("KEEP0"));
        QCOMPARE(s.codes[7].name.text(), std::string("KEEP7"));
    }
};

QTEST_APPLESS_MAIN(TwoToneCodecTest)
#include "test_two_tone_codec.moc"
