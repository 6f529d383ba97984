// 5-Tone code texts: the repeat-symbol walks, ANI recognition, normalisation and the
// read-back of repeat-substituted symbols.
#include <QtTest>
#include <limits>

#include "calling/fivetone/five_tone_text.h"

using namespace torvik;

namespace {

std::string_view View(const QByteArray& bytes) {
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

}  // namespace

class FiveToneTextTest : public QObject {
    Q_OBJECT

  private slots:
    void repeatToneText_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<char>("preceding");
        QTest::addColumn<QString>("expected");
        QTest::newRow("five equal") << QByteArray("11111") << 'X' << "1E1E1";
        QTest::newRow("three equal") << QByteArray("111") << 'X' << "1E1";
        QTest::newRow("empty") << QByteArray() << 'X' << "";
        QTest::newRow("no repeats") << QByteArray("12345") << 'X' << "12345";
        QTest::newRow("repeat of a written E") << QByteArray("1EE") << 'X' << "1EE";
        QTest::newRow("preceding equal") << QByteArray("22222") << '1' << "2E2E2";
        QTest::newRow("preceding repeated") << QByteArray("12345") << '1' << "E2345";
        QTest::newRow("data call message untouched")
            << QByteArray("E112345E4141") << 'X' << "E1E2345E4141";
        QTest::newRow("data call header substituted")
            << QByteArray("E111115E4444") << 'X' << "E1E1E15E4444";
        QTest::newRow("short E1 text is no data call") << QByteArray("E11") << 'X' << "E1E";
        QTest::newRow("cut at NUL") << QByteArray("1122\0 99", 8) << 'X' << "1E2E";
        QTest::newRow("trailing blanks") << QByteArray("11   ") << 'X' << "1E";
        QTest::newRow("blanks only") << QByteArray("   ") << '3' << "";
    }
    void repeatToneText() {
        QFETCH(QByteArray, text);
        QFETCH(char, preceding);
        QFETCH(QString, expected);
        QCOMPARE(Q(RepeatToneText(View(text), preceding)), expected);
    }

    void repeatToneAniText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("without separator") << "1111122222"
                                           << "1E1E12E2E2";
        QTest::newRow("with separator") << "11111A22222"
                                        << "1E1E1A2E2E2";
        QTest::newRow("separator and next kept") << "11111AA2222"
                                                 << "1E1E1AA2E2E";
        QTest::newRow("11 symbols, 6th kept") << "11111122222"
                                              << "1E1E112E2E2";
        QTest::newRow("10 symbols, 6th substituted") << "1111112222"
                                                     << "1E1E1E2E2E";
        QTest::newRow("placeholder") << "11111SelfID"
                                     << "1E1E1SelfID";
        QTest::newRow("placeholder with separator") << "11111ASelfID"
                                                    << "1E1E1ASelfID";
        QTest::newRow("no data-call rule") << "E112345E4444"
                                           << "E1E2345E4E4E";
        QTest::newRow("no trimming") << "11  "
                                     << "1E E";
        QTest::newRow("empty") << ""
                               << "";
    }
    void repeatToneAniText() {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(Q(RepeatToneAniText(text.toStdString())), expected);
    }

    void isAniCodeText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("ownId");
        QTest::addColumn<bool>("expected");
        QTest::newRow("substituted own ID") << "1E1E12E2E2"
                                            << "22222" << true;
        QTest::newRow("plain own ID") << "1111122222"
                                      << "22222" << true;
        QTest::newRow("separator A") << "1E1E1A2E2E2"
                                     << "22222" << true;
        QTest::newRow("separator lower case") << "1E1E1f2E2E2"
                                              << "22222" << true;
        QTest::newRow("not a separator") << "1E1E1G2E2E2"
                                         << "22222" << false;
        QTest::newRow("digit in separator place") << "1E1E192E2E2"
                                                  << "22222" << false;
        QTest::newRow("own ID after a repeat") << "1E1E2E2E2E"
                                               << "22222" << true;
        QTest::newRow("other own ID") << "1E1E13E3E3"
                                      << "22222" << false;
        QTest::newRow("own ID too short") << "1E1E1A2222"
                                          << "2222" << false;
        QTest::newRow("own ID empty") << "1E1E12E2E2"
                                      << "" << false;
        QTest::newRow("12 symbols") << "1E1E1AB2E2E2"
                                    << "22222" << false;
        QTest::newRow("9 symbols") << "1E1E12E2E"
                                   << "2E2E" << false;
        QTest::newRow("placeholder") << "1E1E1SelfID"
                                     << "" << true;
        QTest::newRow("placeholder with separator") << "1E1E1ASelfID"
                                                    << "22222" << true;
        QTest::newRow("placeholder, 6th not a separator") << "1E1E13SelfID"
                                                          << "22222" << false;
        QTest::newRow("placeholder, too long") << "1E1E1ABSelfID"
                                               << "22222" << false;
    }
    void isAniCodeText() {
        QFETCH(QString, text);
        QFETCH(QString, ownId);
        QFETCH(bool, expected);
        QCOMPARE(IsAniCodeText(text.toStdString(), ownId.toStdString()), expected);
    }

    void normalize_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("ownId");
        QTest::addColumn<QString>("expected");
        QTest::newRow("ANI") << "1111122222"
                             << "22222"
                             << "1E1E12E2E2";
        QTest::newRow("ANI with separator") << "11111A22222"
                                            << "22222"
                                            << "1E1E1A2E2E2";
        QTest::newRow("ANI placeholder") << "11111ASelfID"
                                         << "22222"
                                         << "1E1E1ASelfID";
        QTest::newRow("not this radio's ID") << "1111133333"
                                             << "22222"
                                             << "1E1E13E3E3";
        QTest::newRow("plain") << "11111"
                               << "22222"
                               << "1E1E1";
        QTest::newRow("data call") << "E112345E4848"
                                   << "22222"
                                   << "E1E2345E4848";
        QTest::newRow("PTT-ID call") << "E622222"
                                     << "22222"
                                     << "E62E2E2";
    }
    void normalize() {
        QFETCH(QString, text);
        QFETCH(QString, ownId);
        QFETCH(QString, expected);
        QCOMPARE(Q(NormalizeFiveToneCode(text.toStdString(), ownId.toStdString())), expected);
    }

    void mid5ToneNoE_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("expected");
        QTest::newRow("whole code") << "1E3E5" << 1 << 5 << "11335";
        QTest::newRow("data call's called code") << "E1E2345E4849" << 3 << 5 << "12345";
        QTest::newRow("ANI called code") << "1E1E1A2E2E2" << 1 << 5 << "11111";
        QTest::newRow("past the end") << "123" << 2 << 5 << "23";
        QTest::newRow("start past the end") << "123" << 5 << 2 << "";
        QTest::newRow("start before the text") << "123" << 0 << 2 << "1";
        QTest::newRow("E at the start") << "E1" << 1 << 2 << "E1";
        QTest::newRow("nothing asked") << "123" << 1 << 0 << "";
        QTest::newRow("huge count") << "1E" << 1 << std::numeric_limits<int>::max() << "11";
    }
    void mid5ToneNoE() {
        QFETCH(QString, text);
        QFETCH(int, start);
        QFETCH(int, count);
        QFETCH(QString, expected);
        QCOMPARE(Q(Mid5ToneNoE(text.toStdString(), start, count)), expected);
    }
};

QTEST_APPLESS_MAIN(FiveToneTextTest)
#include "test_five_tone_text.moc"
