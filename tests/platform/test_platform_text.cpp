// Locale-independent number text and the GBK code page.
#include <QtTest>
#include <clocale>

#include "platform/gbk.h"
#include "platform/number_text.h"

using namespace torvik;

class PlatformTextTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        // A comma-decimal locale must not change any number text of the program.
        if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) std::setlocale(LC_NUMERIC, "C.UTF-8");
    }

    void parse_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<double>("value");
        QTest::newRow("decimal") << "435.00625" << true << 435.00625;
        QTest::newRow("blanks and sign") << " -1.5 " << true << -1.5;
        QTest::newRow("trailing point") << "435." << true << 435.0;
        QTest::newRow("comma") << "435,5" << false << 0.0;
        QTest::newRow("exponent") << "1e5" << false << 0.0;
        QTest::newRow("two points") << "1.2.3" << false << 0.0;
        QTest::newRow("empty") << "" << false << 0.0;
    }
    void parse() {
        QFETCH(QString, text);
        QFETCH(bool, ok);
        QFETCH(double, value);
        const auto parsed = ParseDecimal(text.toStdString());
        QCOMPARE(parsed.has_value(), ok);
        if (ok) QCOMPARE(*parsed, value);
    }

    void format() {
        QCOMPARE(FormatFixed(435.00625, 3, 5), std::string("435.00625"));
        QCOMPARE(FormatFixed(5, 3, 5), std::string("005.00000"));
        QCOMPARE(FormatFixed(43500625, 9, 0), std::string("043500625"));
        QCOMPARE(FormatFixed(-0.000001, 1, 2), std::string("0.00"));
    }

    void gbk() {
        const std::string utf8 = "中文ABC";
        const auto gbk = Utf8ToGbk(utf8);
        QVERIFY(gbk.has_value());
        QCOMPARE(QByteArray::fromStdString(*gbk), QByteArray("\xD6\xD0\xCE\xC4"
                                                             "ABC"));
        QCOMPARE(GbkToUtf8(*gbk).value_or(""), utf8);
        QCOMPARE(GbkToUtf8("plain").value_or(""), std::string("plain"));
        QVERIFY(!GbkToUtf8("\xD6").has_value());  // half a character
        QCOMPARE(GbkToUtf8Lossy("A\xFF"
                                "B"),
                 std::string("A?B"));
        QVERIFY(!Utf8ToGbk("\xF0\x9F\x98\x80").has_value());  // an emoji has no GBK form
    }
};

QTEST_APPLESS_MAIN(PlatformTextTest)
#include "test_platform_text.moc"
