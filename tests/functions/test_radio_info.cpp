// The radio's embedded information: every field read from its own documented bytes, the
// text-end rules, GBK display text and the band position.
#include <QtTest>

#include "functions/radioinfo/radio_info_codec.h"
#include "functions/radioinfo/radio_info_text.h"
#include "support/image_bytes.h"

using namespace torvik;
using namespace torvik::test;

namespace {

RadioInfo Decoded(const RadioImage& image) {
    RadioInfo info;
    ResetRadioInfo(info);
    UnpackRadioInfo(image, info);
    return info;
}

QString Shown(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

}  // namespace

class RadioInfoTest : public QObject {
    Q_OBJECT

  private slots:
    void startValues() {
        RadioInfo info;
        info.modelText += "-changed";
        info.serialNumber = FixedText<16>::Value("123");
        ResetRadioInfo(info);
        QCOMPARE(info.versionText, std::string("V1.00"));
        QCOMPARE(info.modelText, std::string("MERLAN"));
        QCOMPARE(info.serialNumber.raw(), std::string_view("\0               ", 16));
        QCOMPARE(info.maintenanceReason.text(), std::string());
        QCOMPARE(info.areaCode, std::string());
    }

    // Each field filled to its full width with its own letter, the password between them:
    // a field that starts or ends one byte off reads a neighbour's letter.
    void fieldOffsets() {
        RadioImage image = Prefilled();
        Put(image, 16, QByteArray(240, '?'));
        image.at(23) = 0x12;
        Put(image, 25, "AAAA");
        Put(image, 32, QByteArray(16, 'S'));
        Put(image, 48, QByteArray(16, 'D'));
        Put(image, 64, QByteArray(8, 'B'));
        Put(image, 72, QByteArray(4, 'C'));
        Put(image, 76, QByteArray(4, 'P'));
        Put(image, 80, QByteArray(16, 'M'));
        Put(image, 96, QByteArray(16, 'E'));
        Put(image, 112, QByteArray(16, 'K'));
        Put(image, 128, QByteArray(16, 'L'));
        Put(image, 144, QByteArray(16, 'R'));
        Put(image, 160, QByteArray(96, 'Z'));
        const RadioInfo info = Decoded(image);
        QCOMPARE(info.bandByte, std::int16_t{0x12});
        QCOMPARE(info.areaCode, std::string("AAAA"));
        QCOMPARE(info.serialNumber.text(), std::string(16, 'S'));
        QCOMPARE(info.productionDate.text(), std::string(16, 'D'));
        QCOMPARE(info.productionBatch.text(), std::string(8, 'B'));
        QCOMPARE(info.customerCode.text(), std::string(4, 'C'));
        QCOMPARE(info.maintenanceDate.text(), std::string(16, 'M'));
        QCOMPARE(info.dealerCode.text(), std::string(16, 'E'));
        QCOMPARE(info.stockDate.text(), std::string(16, 'K'));
        QCOMPARE(info.sellDate.text(), std::string(16, 'L'));
        QCOMPARE(info.seller.text(), std::string(16, 'R'));
        QCOMPARE(info.maintenanceReason.text(), std::string(96, 'Z'));
        QCOMPARE(info.versionText, std::string("V1.00"));
    }

    void textEnds_data() {
        QTest::addColumn<QByteArray>("serial");
        QTest::addColumn<QByteArray>("held");
        QTest::newRow("first 0x00 ends") << QByteArray::fromHex("31320039") << QByteArray("12");
        QTest::newRow("0xFF is text") << QByteArray::fromHex("31FF3200")
                                      << QByteArray(
                                             "1\xFF"
                                             "2");
        QTest::newRow("trailing blanks dropped") << QByteArray("AB  \0CD", 7) << QByteArray("AB");
        QTest::newRow("leading blanks kept") << QByteArray(" 7") << QByteArray(" 7");
        QTest::newRow("empty") << QByteArray() << QByteArray();
    }
    void textEnds() {
        QFETCH(QByteArray, serial);
        QFETCH(QByteArray, held);
        RadioImage image = Prefilled();
        Put(image, 32, serial);
        const RadioInfo info = Decoded(image);
        // Held as the text, one NUL, blanks.
        QByteArray raw = held + QByteArray(1, '\0') + QByteArray(15 - held.size(), ' ');
        QCOMPARE(QByteArray(info.serialNumber.raw().data(), 16), raw);
    }

    void areaCode_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("area");
        QTest::newRow("0xFF ends") << QByteArray::fromHex("41FF4243") << "A";
        QTest::newRow("0x00 ends") << QByteArray::fromHex("4142004443") << "AB";
        QTest::newRow("four bytes, not the fifth") << QByteArray("0755X") << "0755";
    }
    void areaCode() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, area);
        RadioImage image = Prefilled();
        Put(image, 25, bytes);
        QCOMPARE(Shown(Decoded(image).areaCode), area);
    }

    void gbkDisplay() {
        RadioImage image = Prefilled();
        Put(image, 160, QByteArray::fromHex("ceacd0deb8fcbbbbb5e7b3d8") + " OK");
        Put(image, 144, QByteArray::fromHex("c9eedbda") + "-01");
        Put(image, 96, QByteArray::fromHex("FF80C9"));  // not GBK: a lone lead byte at the end
        const RadioInfoDisplay shown = DisplayRadioInfo(Decoded(image));
        QCOMPARE(Shown(shown.maintenanceReason), QString::fromUtf8("维修更换电池 OK"));
        QCOMPARE(Shown(shown.seller), QString::fromUtf8("深圳-01"));
        QVERIFY(!shown.dealerCode.empty());
        QVERIFY(Shown(shown.dealerCode).contains('?'));
        QCOMPARE(Shown(shown.versionText), QString("V1.00"));
    }

    void emptyRadio() {
        const RadioInfoDisplay shown = DisplayRadioInfo(Decoded(Prefilled()));
        for (const std::string* text :
             {&shown.areaCode, &shown.serialNumber, &shown.productionDate, &shown.maintenanceDate,
              &shown.maintenanceReason, &shown.productionBatch, &shown.customerCode,
              &shown.dealerCode, &shown.stockDate, &shown.sellDate, &shown.seller}) {
            QCOMPARE(*text, std::string());
        }
        QCOMPARE(shown.versionText, std::string("V1.00"));
        QCOMPARE(shown.bandPosition, 0);
    }

    void bandPosition_data() {
        QTest::addColumn<int>("byte");
        QTest::addColumn<int>("position");
        QTest::newRow("0x03") << 0x03 << 3;
        QTest::newRow("0x12") << 0x12 << 10;
        QTest::newRow("0x37 last") << 0x37 << 31;
        QTest::newRow("0x47 missing") << 0x47 << 0;
        QTest::newRow("0xFF missing") << 0xFF << 0;
    }
    void bandPosition() {
        QFETCH(int, byte);
        QFETCH(int, position);
        QCOMPARE(RadioInfoBandPosition(byte), position);
    }
};

QTEST_APPLESS_MAIN(RadioInfoTest)
#include "test_radio_info.moc"
