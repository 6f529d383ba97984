// DTMF text rules: the own ID, held and shown symbols, the code-box rewrites on an ID or
// separator change, the special-call codes and the values the editor shows.
#include <QtTest>

#include "calling/dtmf/dtmf_text.h"

using namespace torvik;

class DtmfTextTest : public QObject {
    Q_OBJECT

  private slots:
    void normalizeId_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("id");
        QTest::newRow("three") << QByteArray("456") << "456";
        QTest::newRow("one") << QByteArray("7") << "700";
        QTest::newRow("nul") << QByteArray("12\0 ", 4) << "120";
        QTest::newRow("blanks") << QByteArray(" 12 ") << "120";
        QTest::newRow("empty") << QByteArray() << "000";
        QTest::newRow("letter") << QByteArray("1A") << "000";
        QTest::newRow("decimal point") << QByteArray("1.5") << "000";
        QTest::newRow("too long") << QByteArray("1234") << "000";
    }
    void normalizeId() {
        QFETCH(QByteArray, text);
        QFETCH(QString, id);
        QCOMPARE(NormalizeDtmfId(std::string_view(text.constData(), text.size())),
                 id.toStdString());
    }

    void symbols() {
        QCOMPARE(DtmfHeldText("1*#"), std::string("1EF"));
        QCOMPARE(DtmfShownText("1EF"), std::string("1*#"));
        QCOMPARE(DtmfSymbolChar(10), std::optional<char>('A'));
        QCOMPARE(DtmfSymbolChar(14), std::optional<char>('*'));
        QCOMPARE(DtmfSymbolChar(15), std::optional<char>('#'));
        QCOMPARE(DtmfSymbolChar(9), std::optional<char>());
        QCOMPARE(AcceptDtmfCodeChar('b'), std::optional<char>('B'));
        QCOMPARE(AcceptDtmfCodeChar('*'), std::optional<char>('*'));
        QCOMPARE(AcceptDtmfCodeChar('7'), std::optional<char>('7'));
        QCOMPARE(AcceptDtmfCodeChar('E'), std::optional<char>());
        QCOMPARE(AcceptDtmfCodeChar('e'), std::optional<char>());
        QCOMPARE(AcceptDtmfCodeChar('\xB0'), std::optional<char>());
    }

    void shownAndStoredCodes() {
        LongDtmfCode code{FixedText<24>::Value("1EF99"), 3};
        QCOMPARE(ShownCode(code), std::string("1*#"));
        code.length = -2;
        QCOMPARE(ShownCode(code), std::string());

        StoreShownCode(code, "1*#");
        QCOMPARE(code.length, 3);
        QCOMPARE(QByteArray(code.code.raw().data(), 5), QByteArray("1EF\0 ", 5));

        ShortDtmfCode kill;
        StoreShownCode(kill, "123456789012345678");  // longer than the box allows
        QCOMPARE(kill.length, 14);
        QCOMPARE(kill.code.text(), std::string("12345678901234"));
    }

    void retargetId_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("result");
        QTest::newRow("ANI code") << "555*123"
                                  << "555*456";
        QTest::newRow("any old ID") << "555*999"
                                    << "555*456";
        QTest::newRow("PTT-ID code") << "*123"
                                     << "*456";
        QTest::newRow("other separator") << "555#123"
                                         << "555#123";
        QTest::newRow("six characters") << "55*123"
                                        << "55*123";
        QTest::newRow("not digits") << "555*12A"
                                    << "555*12A";
        QTest::newRow("plain number") << "5551234"
                                      << "5551234";
    }
    void retargetId() {
        QFETCH(QString, box);
        QFETCH(QString, result);
        QCOMPARE(RetargetDtmfIdInCode(box.toStdString(), '*', "456"), result.toStdString());
    }

    void reseparate_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("result");
        QTest::newRow("ANI code") << "555*123"
                                  << "555#123";
        QTest::newRow("PTT-ID code") << "*123"
                                     << "#123";
        QTest::newRow("other ID") << "555*124"
                                  << "555*124";
        QTest::newRow("digit in the middle") << "5551123"
                                             << "5551123";
        QTest::newRow("digit first") << "1123"
                                     << "1123";
    }
    void reseparate() {
        QFETCH(QString, box);
        QFETCH(QString, result);
        QCOMPARE(ReseparateDtmfCode(box.toStdString(), '#', "123"), result.toStdString());
    }

    void remoteCodesClash() {
        QVERIFY(RemoteCodesClash("12345", "12345"));
        QVERIFY(RemoteCodesClash(" 12", "12 "));
        QVERIFY(!RemoteCodesClash("", ""));
        QVERIFY(!RemoteCodesClash("12", "13"));
    }

    void specialCall() {
        QCOMPARE(DtmfSpecialCallCode(DtmfSpecialCall::PttId, "5", '*', "123"), std::string("*123"));
        QCOMPARE(DtmfSpecialCallCode(DtmfSpecialCall::Ani, "5", '*', "123"),
                 std::string("500*123"));
        QCOMPARE(DtmfSpecialCallCode(DtmfSpecialCall::Ani, "", '#', "007"), std::string("000#007"));
    }

    void normalizeForEditing() {
        DtmfSettings s;
        ResetDtmf(s);
        DtmfSettings valid = s;
        NormalizeDtmfForEditing(valid);
        QVERIFY(valid == s);  // the defaults are all showable

        s.aniEnabled = 2;
        s.digitDuration = 6;
        s.pttIdMode = -1;
        s.dtmfId = FixedText<3>::Value("7");
        s.separatorCode = 3;
        s.groupCode = 255;
        s.decodeResponse = 3;
        s.firstDigitDelay = 251;
        s.preSendDelay = 0;
        s.resetTime = 251;
        s.postSendDelay = 300;
        s.pauseTime = 4;
        s.sideTone = 2;
        NormalizeDtmfForEditing(s);
        QCOMPARE(s.aniEnabled, 0);
        QCOMPARE(s.digitDuration, 0);
        QCOMPARE(s.pttIdMode, 0);
        QCOMPARE(s.dtmfId.text(), std::string("700"));
        QCOMPARE(s.separatorCode, 14);
        QCOMPARE(s.groupCode, 9);
        QCOMPARE(s.decodeResponse, 0);
        QCOMPARE(s.firstDigitDelay, 0);
        QCOMPARE(s.preSendDelay, 1);
        QCOMPARE(s.resetTime, 0);
        QCOMPARE(s.postSendDelay, 1);
        QCOMPARE(s.pauseTime, 0);
        QCOMPARE(s.sideTone, 0);
    }
};

QTEST_APPLESS_MAIN(DtmfTextTest)
#include "test_dtmf_text.moc"
