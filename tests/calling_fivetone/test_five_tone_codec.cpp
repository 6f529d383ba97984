// The 5-Tone area of the image: byte rows written from the documented layout, the entry
// bitmap, decoding rules, a full round trip, and the values the encoder must refuse.
#include <QtTest>
#include <functional>

#include "calling/fivetone/five_tone_codec.h"
#include "codeplug/byte_fields.h"

using namespace torvik;

using Mutate = std::function<void(FiveToneSettings&)>;
Q_DECLARE_METATYPE(Mutate)

namespace {

constexpr std::size_t kOwnId = 805;
constexpr std::size_t kPttIdBegin = 864;
constexpr std::size_t kPttIdEnd = 880;
constexpr std::size_t kBitmap = 912;
constexpr std::size_t kInfoCode1 = 1280;
constexpr std::size_t kEntry0 = 3328;

QByteArray Bytes(const RadioImage& image, std::size_t address, std::size_t length) {
    auto run = image.block(address, length);
    return QByteArray(reinterpret_cast<const char*>(run.data()), static_cast<int>(length));
}

void Put(RadioImage& image, std::size_t address, const QByteArray& bytes) {
    auto run = image.block(address, static_cast<std::size_t>(bytes.size()));
    std::copy(bytes.begin(), bytes.end(), run.begin());
}

RadioImage Prefilled() {
    RadioImage image;
    PrefillImage(image);
    return image;
}

FiveToneSettings Defaults() {
    FiveToneSettings s;
    std::uint8_t decodeTime = 0;
    ResetFiveTone(s, decodeTime);
    return s;
}

RadioImage Encoded(FiveToneSettings& s, std::uint8_t decodeTime = 2) {
    RadioImage image = Prefilled();
    PackFiveTone(s, decodeTime, image);
    return image;
}

FiveToneSettings Decoded(const RadioImage& image) {
    FiveToneSettings s;
    std::uint8_t decodeTime = 0;
    UnpackFiveTone(image, s, decodeTime);
    return s;
}

FiveToneCode Code(const char* text, int length, int standard = 0, int duration = 7) {
    FiveToneCode c;
    c.empty = 0;
    c.code = FixedText<40>::Value(text);
    c.length = static_cast<std::uint8_t>(length);
    c.standard = static_cast<std::uint8_t>(standard);
    c.duration = static_cast<std::uint8_t>(duration);
    return c;
}

QString Text(const std::string& s) {
    return QString::fromStdString(s);
}

}  // namespace

class FiveToneCodecTest : public QObject {
    Q_OBJECT

  private slots:
    void ownIdBytes_data() {
        QTest::addColumn<QByteArray>("ownId");
        QTest::addColumn<int>("length");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("five digits")
            << QByteArray("12345") << 5 << QByteArray::fromHex("0102030405");
        QTest::newRow("beyond length is 0")
            << QByteArray("98765") << 3 << QByteArray::fromHex("0908070000");
        QTest::newRow("empty") << QByteArray() << 0 << QByteArray::fromHex("0000000000");
    }
    void ownIdBytes() {
        QFETCH(QByteArray, ownId);
        QFETCH(int, length);
        QFETCH(QByteArray, bytes);
        FiveToneSettings s = Defaults();
        s.ownId = FixedText<6>::Value(ownId.toStdString());
        s.ownIdLength = static_cast<std::uint8_t>(length);
        const RadioImage image = Encoded(s);
        QCOMPARE(int(image.at(803)), length);
        QCOMPARE(Bytes(image, kOwnId, 5), bytes);
        QCOMPARE(Text(Decoded(image).ownId.text()), QString(ownId.left(length)));
    }

    void headerBytes() {
        FiveToneSettings s = Defaults();
        s.headerByte = 0xA5;
        s.decodeResponse = 2;
        s.standard = 13;
        s.ownIdLength = 5;
        s.duration = 9;
        s.ownId = FixedText<6>::Value("12345");
        s.preSendDelay = 0x11;
        s.postSendDelay = 0x12;
        s.interCodePause = 0x13;
        s.autoResetTime = 0x14;
        s.firstDigitDelay = 0x15;
        s.sideTone = 1;
        s.aniSeparator = 12;
        s.pauseCodeRange = 15;
        s.pauseTime = 255;
        const RadioImage image = Encoded(s, 200);
        QCOMPARE(Bytes(image, 800, 21), QByteArray::fromHex("A5020D0509"
                                                            "0102030405"
                                                            "00"
                                                            "11121314"
                                                            "15"
                                                            "01"
                                                            "0C"
                                                            "0F"
                                                            "FF"
                                                            "C8"));

        std::uint8_t decodeTime = 0;
        FiveToneSettings back = Defaults();
        UnpackFiveTone(image, back, decodeTime);
        QCOMPARE(decodeTime, 200);
        // Only the header is compared here; the blocks have tests of their own.
        back.infoCodes = s.infoCodes;
        back.pttIdBegin = s.pttIdBegin;
        back.pttIdEnd = s.pttIdEnd;
        back.codeTable = s.codeTable;
        QVERIFY(back == s);
    }

    void codeBlockSymbols_data() {
        QTest::addColumn<QByteArray>("code");
        QTest::addColumn<int>("length");
        QTest::addColumn<QByteArray>("symbolBytes");
        QTest::addColumn<QString>("decoded");
        QTest::newRow("odd count filled with E")
            << QByteArray("1E3E5") << 5 << QByteArray::fromHex("1E3E5E") << "1E3E5";
        QTest::newRow("short code filled with E")
            << QByteArray("12") << 4 << QByteArray::fromHex("12EE") << "12EE";
        QTest::newRow("longer code cut")
            << QByteArray("123456") << 3 << QByteArray::fromHex("123E") << "123";
        QTest::newRow("lower case digits")
            << QByteArray("abcdef") << 6 << QByteArray::fromHex("ABCDEF") << "ABCDEF";
        QTest::newRow("full 40 symbols")
            << QByteArray("0123456789ABCDEF0123456789ABCDEF01234567") << 40
            << QByteArray::fromHex("0123456789ABCDEF0123456789ABCDEF01234567")
            << "0123456789ABCDEF0123456789ABCDEF01234567";
        QTest::newRow("empty") << QByteArray() << 0 << QByteArray() << "";
    }
    void codeBlockSymbols() {
        QFETCH(QByteArray, code);
        QFETCH(int, length);
        QFETCH(QByteArray, symbolBytes);
        QFETCH(QString, decoded);
        FiveToneSettings s = Defaults();
        constexpr int k = 3;
        s.codeTable[k] = Code(code.constData(), length, 6, 10);
        s.codeTable[k].name = FixedText<7>::Value("AB");
        const RadioImage image = Encoded(s);

        const std::size_t b = kEntry0 + 32 * k;
        QByteArray block(32, '\0');
        block[1] = 6;
        block[2] = static_cast<char>(length);
        block[3] = 10;
        block.replace(4, symbolBytes.size(), symbolBytes);
        block.replace(24, 7, "AB     ");
        QCOMPARE(Bytes(image, b, 32), block);

        const FiveToneCode back = Decoded(image).codeTable[k];
        QCOMPARE(Text(back.code.text()), decoded);
        QCOMPARE(int(back.length), length);
        QCOMPARE(int(back.standard), 6);
        QCOMPARE(int(back.duration), 10);
        QCOMPARE(back.empty, 0);
        QCOMPARE(Text(back.name.text()), QString("AB"));
    }

    void pttIdBlocks() {
        FiveToneSettings s = Defaults();
        s.pttIdBegin = Code("E62E2E2", 7, 1, 5);
        // Blank-padded without a NUL, as a composed special call stores it.
        s.pttIdBegin.code = FixedText<40>::Raw("E62E2E2");
        s.pttIdBegin.name = FixedText<7>::Value("KEEP");
        s.pttIdEnd = Code("0123456789ABCDEF01234567", 24, 9, 3);
        const RadioImage image = Encoded(s);
        QCOMPARE(Bytes(image, kPttIdBegin, 16),
                 QByteArray::fromHex("00010705E62E2E2E0000000000000000"));
        QCOMPARE(Bytes(image, kPttIdEnd, 16), QByteArray::fromHex("00091803"
                                                                  "0123456789ABCDEF01234567"));
        QCOMPARE(image.at(896), 0xFF);  // the block after is not touched

        FiveToneSettings back = Defaults();
        back.pttIdBegin.name = FixedText<7>::Value("MINE");
        back.pttIdBegin.empty = 1;
        std::uint8_t decodeTime = 0;
        UnpackFiveTone(image, back, decodeTime);
        QCOMPARE(Text(back.pttIdBegin.code.text()), QString("E62E2E2"));
        QCOMPARE(Text(back.pttIdBegin.name.text()), QString("MINE"));  // not in the image
        QCOMPARE(back.pttIdBegin.empty, 1);
        QCOMPARE(Text(back.pttIdEnd.code.text()), QString("0123456789ABCDEF01234567"));
    }

    void infoCodeBlock_data() {
        QTest::addColumn<QByteArray>("code");
        QTest::addColumn<int>("length");
        QTest::addColumn<QByteArray>("symbolBytes");
        QTest::addColumn<QString>("decoded");
        QTest::newRow("A0F") << QByteArray("A0F") << 3 << QByteArray::fromHex("0A000F") << "A0F";
        QTest::newRow("filled with E")
            << QByteArray("12") << 4 << QByteArray::fromHex("01020E0E") << "12EE";
        QTest::newRow("twelve symbols")
            << QByteArray("123456789ABC") << 12 << QByteArray::fromHex("0102030405060708090A0B0C")
            << "123456789ABC";
        QTest::newRow("empty") << QByteArray() << 0 << QByteArray() << "";
    }
    void infoCodeBlock() {
        QFETCH(QByteArray, code);
        QFETCH(int, length);
        QFETCH(QByteArray, symbolBytes);
        QFETCH(QString, decoded);
        FiveToneSettings s = Defaults();
        InfoCode& info = s.infoCodes[2];
        info.function = 3;
        info.response = 2;
        info.length = static_cast<std::uint8_t>(length);
        info.code = FixedText<12>::Value(code.toStdString());
        info.name = FixedText<7>::Value("KILL");
        const RadioImage image = Encoded(s);

        const std::size_t b = kInfoCode1 + 2 * 32;
        QByteArray block(32, '\0');
        block[0] = 3;
        block[1] = 2;
        block[2] = static_cast<char>(length);
        block.replace(3, symbolBytes.size(), symbolBytes);
        block.replace(16, 7, "KILL   ");
        QCOMPARE(Bytes(image, b, 32), block);

        const InfoCode back = Decoded(image).infoCodes[2];
        QCOMPARE(Text(back.code.text()), decoded);
        QCOMPARE(int(back.length), length);
        QCOMPARE(int(back.function), 3);
        QCOMPARE(int(back.response), 2);
        QCOMPARE(Text(back.name.text()), QString("KILL"));
    }

    void entryBitmap() {
        FiveToneSettings s = Defaults();
        for (int k : {0, 9, 99}) s.codeTable[static_cast<std::size_t>(k)] = Code("12", 2);
        s.codeTable[50].empty = 2;  // anything but 0 is not stored
        const RadioImage image = Encoded(s);
        QCOMPARE(Bytes(image, kBitmap, 16),
                 QByteArray::fromHex("FEFDFFFFFFFFFFFFFFFFFFFFF7FFFFFF"));

        const FiveToneSettings back = Decoded(image);
        for (int k = 0; k < kFiveToneEntryCount; ++k) {
            const bool stored = k == 0 || k == 9 || k == 99;
            QCOMPARE(back.codeTable[static_cast<std::size_t>(k)].empty, stored ? 0 : 1);
        }
        // Empty entries are written too.
        QCOMPARE(Bytes(image, kEntry0 + 32 * 50, 4), QByteArray::fromHex("00000007"));
    }

    void durationOutsideRange_data() {
        QTest::addColumn<int>("duration");
        QTest::addColumn<int>("written");
        QTest::newRow("0") << 0 << 7;
        QTest::newRow("2") << 2 << 7;
        QTest::newRow("3") << 3 << 3;
        QTest::newRow("10") << 10 << 10;
        QTest::newRow("11") << 11 << 7;
        QTest::newRow("255") << 255 << 7;
    }
    void durationOutsideRange() {
        QFETCH(int, duration);
        QFETCH(int, written);
        FiveToneSettings s = Defaults();
        s.codeTable[1].duration = static_cast<std::uint8_t>(duration);
        s.pttIdEnd.duration = static_cast<std::uint8_t>(duration);
        const RadioImage image = Encoded(s);
        QCOMPARE(int(image.at(kEntry0 + 32 + 3)), written);
        QCOMPARE(int(image.at(kPttIdEnd + 3)), written);
        QCOMPARE(int(s.codeTable[1].duration), written);  // fixed in the record
        QCOMPARE(int(s.pttIdEnd.duration), written);

        RadioImage raw = Prefilled();
        raw.at(kEntry0 + 32 + 3) = static_cast<std::uint8_t>(duration);
        QCOMPARE(int(Decoded(raw).codeTable[1].duration), written);
    }

    void decodingRules() {
        RadioImage image = Prefilled();
        // Erased information code: 0xFF reads as 0, the name stops at 0xFF.
        Put(image, kInfoCode1, QByteArray(32, '\xFF'));
        Put(image, kInfoCode1 + 16,
            QByteArray("AB\xFF"
                       "CD",
                       5));
        // Information-code symbols without a leading zero.
        Put(image, kInfoCode1 + 32, QByteArray::fromHex("0100030A000F"));
        // Lengths longer than their blocks can hold read as 0.
        Put(image, kInfoCode1 + 64, QByteArray::fromHex("01010D"));
        Put(image, kPttIdBegin, QByteArray::fromHex("00001907") + QByteArray(12, '\x11'));
        Put(image, kEntry0, QByteArray::fromHex("000029FF"));
        Put(image, kEntry0 + 32, QByteArray::fromHex("00FF28FF") + QByteArray(20, '\x12'));
        // A name ends at its first 0x00; fill blanks stay.
        Put(image, kEntry0 + 32 + 24, QByteArray("X Y\0ZZZ", 7));

        FiveToneSettings s = Decoded(image);
        QCOMPARE(s.infoCodes[0].function, 0);
        QCOMPARE(s.infoCodes[0].response, 0);
        QCOMPARE(s.infoCodes[0].length, 0);
        QCOMPARE(Text(s.infoCodes[0].name.text()), QString("AB"));
        QCOMPARE(Text(s.infoCodes[1].code.text()), QString("A0F"));
        QCOMPARE(Text(s.infoCodes[2].code.text()), QString());
        QCOMPARE(s.infoCodes[2].length, 0);
        QCOMPARE(s.pttIdBegin.length, 0);
        QCOMPARE(Text(s.pttIdBegin.code.text()), QString());
        QCOMPARE(s.codeTable[0].length, 0);
        QCOMPARE(s.codeTable[0].duration, 7);
        QCOMPARE(s.codeTable[1].length, 40);
        QCOMPARE(s.codeTable[1].standard, 255);
        QCOMPARE(Text(s.codeTable[1].code.text()), QString("12").repeated(20));
        QCOMPARE(QByteArray(s.codeTable[1].name.raw().data(), 7), QByteArray("X Y\0   ", 7));

        // A code of two-symbol information bytes is cut to its length.
        Put(image, kInfoCode1 + 32, QByteArray::fromHex("0100021F2A"));
        QCOMPARE(Text(Decoded(image).infoCodes[1].code.text()), QString("1F"));
    }

    // A radio image as this program writes it: every block of the area, names, stored and
    // empty entries, erased bytes only where nothing is written.
    void fullAreaRoundTrip() {
        RadioImage image = Prefilled();
        Put(image, 800,
            QByteArray::fromHex("000206050A"
                                "0203040506"
                                "00"
                                "1E3C0F96"
                                "14"
                                "01"
                                "0D"
                                "0B"
                                "28"
                                "32"));
        Put(image, kPttIdBegin,
            QByteArray::fromHex("00010807"
                                "E62E3E4E"));
        Put(image, kPttIdEnd,
            QByteArray::fromHex("00061805"
                                "E1E2345E48494A4B4C4D4E4F"));
        const QByteArray infoCodes[] = {
            QByteArray::fromHex("03020C") + QByteArray::fromHex("0102030405060708090A0B0C") +
                QByteArray::fromHex("00") + QByteArray("KILL   "),
            QByteArray::fromHex("050200") + QByteArray(13, '\0') + QByteArray("WAKE   "),
            QByteArray::fromHex("010103") + QByteArray::fromHex("0A000F") + QByteArray(10, '\0') +
                QByteArray("\0\0\0\0\0\0\0", 7),
        };
        for (int i = 0; i < 8; ++i) {
            const QByteArray& row = infoCodes[i % 3];
            Put(image, kInfoCode1 + 32 * static_cast<std::size_t>(i), row);
        }
        for (int k = 0; k < kFiveToneEntryCount; ++k) {
            const std::size_t b = kEntry0 + 32 * static_cast<std::size_t>(k);
            if (k % 7 == 0) {
                // Stored: standard k mod 14, 5 or 11 symbols, a name.
                const bool ani = k % 2 == 0;
                Put(image, b + 1, QByteArray(1, char(k % 14)));
                Put(image, b + 2, QByteArray(1, char(ani ? 11 : 5)));
                Put(image, b + 3, QByteArray(1, char(3 + k % 8)));
                Put(image, b + 4,
                    ani ? QByteArray::fromHex("1E1E1A2E2E2E") : QByteArray::fromHex("12345E"));
                Put(image, b + 24,
                    QString("N%1").arg(k, 2, 10, QChar('0')).toLatin1() + QByteArray("    "));
                ClearEntryBit(image, kBitmap, k);
            } else {
                Put(image, b + 3, QByteArray(1, '\x07'));
            }
        }
        const RadioImage original = image;

        FiveToneSettings s;
        std::uint8_t decodeTime = 0;
        UnpackFiveTone(image, s, decodeTime);
        QVERIFY(image == original);  // decoding never touches the image
        QCOMPARE(Text(s.ownId.text()), QString("23456"));
        QCOMPARE(decodeTime, 0x32);
        QCOMPARE(s.aniSeparator, 13);
        QCOMPARE(Text(s.pttIdEnd.code.text()), QString("E1E2345E48494A4B4C4D4E4F"));
        QCOMPARE(Text(s.infoCodes[0].code.text()), QString("123456789ABC"));
        QCOMPARE(Text(s.infoCodes[1].name.text()), QString("WAKE"));
        QCOMPARE(Text(s.codeTable[14].code.text()), QString("1E1E1A2E2E2"));
        QCOMPARE(Text(s.codeTable[7].code.text()), QString("12345"));
        QCOMPARE(Text(s.codeTable[98].name.text()), QString("N98"));
        QCOMPARE(FirstStoredFiveToneEntry(s, 8), 0);
        QCOMPARE(FirstStoredFiveToneEntry(s, 91), 91);

        RadioImage again = Prefilled();
        PackFiveTone(s, decodeTime, again);
        for (std::size_t a = 0; a < RadioImage::kSize; ++a) {
            if (again.at(a) != original.at(a)) {
                QFAIL(qPrintable(QString("byte %1 differs").arg(a)));
            }
        }
    }

    void refusedValues_data() {
        QTest::addColumn<Mutate>("mutate");
        auto row = [](const char* name, Mutate m) { QTest::newRow(name) << m; };
        row("PTT-ID begin of 25 symbols",
            [](FiveToneSettings& s) { s.pttIdBegin = Code("0123456789ABCDEF012345678", 25); });
        row("PTT-ID end of 40 symbols", [](FiveToneSettings& s) {
            s.pttIdEnd = Code("E1E2345E48494A4B4C4D4E4F5051525354555657", 40);
        });
        row("code-table entry of 41 symbols",
            [](FiveToneSettings& s) { s.codeTable[99] = Code("1234", 41); });
        row("information code of 13 symbols",
            [](FiveToneSettings& s) { s.infoCodes[7].length = 13; });
        row("symbol G in a code", [](FiveToneSettings& s) { s.codeTable[4] = Code("12G4", 4); });
        row("blank inside a code", [](FiveToneSettings& s) { s.codeTable[4] = Code("1 34", 4); });
        row("symbol X in a PTT-ID code", [](FiveToneSettings& s) { s.pttIdEnd = Code("X", 1); });
        row("symbol in an information code", [](FiveToneSettings& s) {
            s.infoCodes[0].code = FixedText<12>::Value("1*");
            s.infoCodes[0].length = 2;
        });
        row("own ID letter", [](FiveToneSettings& s) {
            s.ownId = FixedText<6>::Value("12A45");
            s.ownIdLength = 5;
        });
        row("own ID shorter than its length", [](FiveToneSettings& s) {
            s.ownId = FixedText<6>::Value("123");
            s.ownIdLength = 5;
        });
        row("firstDigitDelay 256", [](FiveToneSettings& s) { s.firstDigitDelay = 256; });
        row("pauseTime -1", [](FiveToneSettings& s) { s.pauseTime = -1; });
        row("pauseCodeRange 300", [](FiveToneSettings& s) { s.pauseCodeRange = 300; });
        row("sideTone -256", [](FiveToneSettings& s) { s.sideTone = -256; });
        row("aniSeparator 4096", [](FiveToneSettings& s) { s.aniSeparator = 4096; });
    }
    void refusedValues() {
        QFETCH(Mutate, mutate);
        FiveToneSettings s = Defaults();
        mutate(s);
        RadioImage image = Prefilled();
        QVERIFY_THROWS_EXCEPTION(EncodeError, PackFiveTone(s, 2, image));
        // Nothing was written past the area's blocks.
        QCOMPARE(Bytes(image, 896, 16), QByteArray(16, '\xFF'));
        QCOMPARE(Bytes(image, 6527, 2), QByteArray(2, '\0'));
    }

    void longestCodesStayInTheirBlocks() {
        FiveToneSettings s = Defaults();
        s.pttIdEnd = Code("0123456789ABCDEF01234567", 24);
        s.codeTable[99] = Code("0123456789ABCDEF0123456789ABCDEF01234567", 40);
        s.codeTable[99].name = FixedText<7>::Value("1234567");
        s.infoCodes[7].length = 12;
        s.infoCodes[7].name = FixedText<7>::Value("ABCDEFG");
        const RadioImage image = Encoded(s);
        QCOMPARE(Bytes(image, 896, 16), QByteArray(16, '\xFF'));
        QCOMPARE(Bytes(image, kInfoCode1 + 7 * 32 + 15, 1), QByteArray(1, '\0'));
        QCOMPARE(Bytes(image, kInfoCode1 + 7 * 32 + 23, 9), QByteArray(9, '\0'));
        QCOMPARE(Bytes(image, kEntry0 + 99 * 32 + 24, 8), QByteArray("1234567\0", 8));
        QCOMPARE(Bytes(image, 6528, 16), QByteArray(16, '\0'));
    }
};

QTEST_APPLESS_MAIN(FiveToneCodecTest)
#include "test_five_tone_codec.moc"
