// The DTMF editor's form without widgets: the list entries, what a record shows, what OK
// stores, and the call codes following the own ID and the separator.
#include <QtTest>

#include "calling/dtmf/dtmf_choices.h"
#include "calling/dtmf/dtmf_form.h"

using namespace torvik;

namespace {

DtmfSettings Defaults() {
    DtmfSettings s;
    ResetDtmf(s);
    return s;
}

QString Str(const std::string& s) {
    return QString::fromStdString(s);
}

}  // namespace

class DtmfFormTest : public QObject {
    Q_OBJECT

  private slots:
    void listEntries() {
        const auto first = DtmfFirstDigitDelayTexts();
        QCOMPARE(int(first.size()), 251);
        QCOMPARE(Str(first[1]), "10");
        QCOMPARE(Str(first.back()), "2500");
        const auto send = DtmfSendDelayTexts();
        QCOMPARE(int(send.size()), 250);
        QCOMPARE(Str(send.front()), "10");
        QCOMPARE(Str(send.back()), "2500");
        const auto reset = DtmfResetTimeTexts();
        QCOMPARE(int(reset.size()), 251);
        QCOMPARE(Str(reset[0]), "0.0");
        QCOMPARE(Str(reset[5]), "0.5");
        QCOMPARE(Str(reset[123]), "12.3");
        QCOMPARE(Str(reset.back()), "25.0");
        const auto pause = DtmfPauseTimeTexts();
        QCOMPARE(Str(pause.front()), "5");
        QCOMPARE(Str(pause.back()), "75");
        QCOMPARE(int(pause.size()), 71);
        QCOMPARE(DtmfSymbolTexts(), (std::vector<std::string>{"A", "B", "C", "D", "*", "#"}));
    }

    void shownValues() {
        DtmfSettings s = Defaults();
        s.memoryCodes[0] = {FixedText<24>::Value("1EF"), 3};
        s.pttIdBeginCode = {FixedText<24>::Value("E123"), 4};
        s.remoteStunCode = {FixedText<14>::Value("12345"), 5};
        s.dtmfId = FixedText<3>::Value("7");
        s.groupCode = 255;
        s.preSendDelay = 20;
        s.resetTime = 5;
        s.pauseTime = 3;  // 4 or less is off
        const DtmfForm form = DtmfFormOf(s);
        QCOMPARE(Str(form.codes[0]), "1*#");
        QCOMPARE(Str(form.codes[kDtmfBeginBox]), "*123");
        QCOMPARE(Str(form.codes[kDtmfStunBox]), "12345");
        QCOMPARE(Str(form.codes[1]), "");
        QCOMPARE(Str(form.dtmfId), "700");
        QCOMPARE(form.separator, 4);  // "*"
        QCOMPARE(form.group, 0);      // off
        QCOMPARE(form.digitDuration, 1);
        QCOMPARE(form.preSendDelay, 19);  // "200"
        QCOMPARE(form.resetTime, 5);      // "0.5"
        QCOMPARE(form.pauseTime, 0);
        s.pauseTime = 10;
        QCOMPARE(DtmfFormOf(s).pauseTime, 6);  // "10" after "off", "5".."9"
    }

    // A record every list can show comes back unchanged through the form.
    void unchangedFormStoresTheSameRecord_data() {
        QTest::addColumn<int>("group");
        QTest::newRow("group A") << 10;
        QTest::newRow("group off as read") << 9;
        QTest::newRow("group off as edited") << 255;
    }
    void unchangedFormStoresTheSameRecord() {
        QFETCH(int, group);
        DtmfSettings s = Defaults();
        s.memoryCodes[15] = {FixedText<24>::Value("123456789ABCDEF012345678"), 24};
        s.remoteKillCode = {FixedText<14>::Value("ABCD"), 4};
        s.groupCode = static_cast<std::int16_t>(group);
        s.sideTone = 1;
        s.pttIdMode = 2;
        DtmfSettings stored = s;
        CommitDtmfForm(DtmfFormOf(s), stored);
        QVERIFY(stored == s);
    }

    void committedValues() {
        DtmfSettings s = Defaults();
        DtmfForm form = DtmfFormOf(s);
        form.codes[1] = "1*#";
        form.codes[kDtmfKillBox] = "12*";
        form.dtmfId = "7";
        form.group = 0;
        form.separator = 5;
        form.preSendDelay = 0;
        form.postSendDelay = 249;
        form.pauseTime = 1;
        form.resetTime = 250;
        form.sideTone = true;
        CommitDtmfForm(form, s);
        QCOMPARE(Str(s.memoryCodes[1].code.text()), "1EF");
        QCOMPARE(s.memoryCodes[1].length, 3);
        QCOMPARE(QByteArray(s.memoryCodes[1].code.raw().data(), 5), QByteArray("1EF\0 ", 5));
        QCOMPARE(Str(s.remoteKillCode.code.text()), "12E");
        QCOMPARE(Str(s.dtmfId.text()), "700");
        QCOMPARE(s.groupCode, 255);  // switched off from "A"
        QCOMPARE(s.separatorCode, 15);
        QCOMPARE(s.preSendDelay, 1);
        QCOMPARE(s.postSendDelay, 250);
        QCOMPARE(s.pauseTime, 5);
        QCOMPARE(s.resetTime, 250);
        QCOMPARE(s.sideTone, 1);
    }

    void idChangeRewritesCallCodes() {
        DtmfForm form = DtmfFormOf(Defaults());
        form.codes[0] = "555*123";
        form.codes[3] = "555#123";  // another separator
        form.codes[kDtmfEndBox] = "*123";
        form.codes[kDtmfKillBox] = "*123";  // remote control: left alone
        form.dtmfId = "456";
        QVERIFY(RetargetDtmfCodes(form, "123"));
        QCOMPARE(Str(form.codes[0]), "555*456");
        QCOMPARE(Str(form.codes[3]), "555#123");
        QCOMPARE(Str(form.codes[kDtmfEndBox]), "*456");
        QCOMPARE(Str(form.codes[kDtmfKillBox]), "*123");

        // Leaving the box with the ID unchanged, or not yet three digits, rewrites nothing.
        form.codes[5] = "555*999";
        QVERIFY(!RetargetDtmfCodes(form, "456"));
        form.dtmfId = "45";
        QVERIFY(!RetargetDtmfCodes(form, "456"));
        QCOMPARE(Str(form.codes[5]), "555*999");
    }

    void separatorChangeRewritesCallCodes() {
        DtmfForm form = DtmfFormOf(Defaults());
        form.dtmfId = "123";
        form.codes[0] = "555*123";
        form.codes[1] = "555*124";
        form.codes[kDtmfBeginBox] = "*123";
        form.codes[kDtmfStunBox] = "*123";
        ReseparateDtmfCodes(form, 0);  // "A"
        QCOMPARE(form.separator, 0);
        QCOMPARE(Str(form.codes[0]), "555A123");
        QCOMPARE(Str(form.codes[1]), "555*124");
        QCOMPARE(Str(form.codes[kDtmfBeginBox]), "A123");
        QCOMPARE(Str(form.codes[kDtmfStunBox]), "*123");
        QCOMPARE(DtmfFormSeparator(form), 'A');
    }
};

QTEST_APPLESS_MAIN(DtmfFormTest)
#include "test_dtmf_form.moc"
