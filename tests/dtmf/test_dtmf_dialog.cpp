// The DTMF editor and its special-call dialog driven as a user drives them: typing into the
// code boxes, leaving the ID box, choosing from the lists, clicking OK and Special.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "aggregate/image_codec.h"
#include "support/data_texts.h"
#include "support/dialog_driver.h"
#include "support/recording_reporter.h"
#include "ui/dtmf/dtmf_dialog.h"
#include "ui/dtmf/dtmf_special_call_dialog.h"

using namespace torvik;
using test::RecordingReporter;

namespace {

// A codeplug whose DTMF settings hold own ID 123, separator "*" and a few calls.
Codeplug MakeCodeplug() {
    Codeplug c;
    ResetFunctionSettings(c.record);
    DtmfSettings& d = c.record.dtmf;
    d.dtmfId = FixedText<3>::Value("123");
    d.memoryCodes[0] = {FixedText<24>::Value("555E123"), 7};
    d.memoryCodes[1] = {FixedText<24>::Value("1EF"), 3};
    d.memoryCodes[2] = {FixedText<24>::Value("555F123"), 7};
    d.pttIdBeginCode = {FixedText<24>::Value("E123"), 4};
    d.remoteKillCode = {FixedText<14>::Value("E123"), 4};
    return c;
}

QString Held(const LongDtmfCode& code) {
    return QString::fromStdString(code.code.text()) + "/" + QString::number(code.length);
}

// The dialog shown and active, as a user meets it.
struct Open : test::DialogUser {
    explicit Open(Codeplug& c, Language language = Language::English)
        : texts(test::DataTexts(language)), document(c), dialog(document, texts, reporter) {
        meet(&dialog);
    }
    // Clicks a box and types over its text, as a user replaces a value.
    void retype(const char* name, const char* keys) {
        QLineEdit* box = text(name);
        QTest::mouseClick(box, Qt::LeftButton);
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClicks(box, keys);
    }

    LanguageTexts texts;
    RecordingReporter reporter;
    CodeplugDocument document;
    DtmfDialog dialog;
};

void OnSpecialDialog(std::function<void(DtmfSpecialCallDialog*)> act) {
    test::OnModal(std::move(act));
}

}  // namespace

class DtmfDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void codesShownAndStoredInHeldForm() {
        Codeplug c = MakeCodeplug();
        Open o(c);
        QCOMPARE(o.focusName(), QString("TextM1"));
        QCOMPARE(o.text("TextM2")->text(), QString("1*#"));
        QCOMPARE(o.text("TextPttIdBegin")->text(), QString("*123"));
        o.retype("TextM5", "1*#abe9x-");  // small a-d typed as capitals, the rest refused
        QCOMPARE(o.text("TextM5")->text(), QString("1*#AB9"));
        QCOMPARE(o.dialog.currentDtmfCode(), 4);
        o.key(Qt::Key_Return);  // moves on, does not close
        QCOMPARE(o.focusName(), QString("TextM6"));
        o.clickButton("CommandOK");
        QCOMPARE(o.dialog.result(), int(QDialog::Accepted));
        QCOMPARE(Held(c.record.dtmf.memoryCodes[4]), QString("1EFAB9/6"));
        QCOMPARE(Held(c.record.dtmf.memoryCodes[1]), QString("1EF/3"));
        QCOMPARE(o.document.undoStack().count(), 1);
        QCOMPARE(o.document.undoStack().text(0), QString("DTMF"));
    }

    void idChangeRewritesTheCalls() {
        Codeplug c = MakeCodeplug();
        Open o(c);
        o.retype("TextM6", "555*999");  // a call to another ID
        o.retype("TextDtmfId", "456");
        o.key(Qt::Key_Tab);
        QCOMPARE(o.text("TextM1")->text(), QString("555*456"));
        QCOMPARE(o.text("TextPttIdBegin")->text(), QString("*456"));
        QCOMPARE(o.text("TextM6")->text(), QString("555*456"));
        QCOMPARE(o.text("TextM3")->text(), QString("555#123"));       // other separator
        QCOMPARE(o.text("TextRemoteKill")->text(), QString("*123"));  // remote control

        // Passing through the ID box without changing it leaves every code alone.
        o.retype("TextM6", "555*999");
        QTest::mouseClick(o.text("TextDtmfId"), Qt::LeftButton);
        o.key(Qt::Key_Tab);
        QCOMPARE(o.text("TextM6")->text(), QString("555*999"));
        o.clickButton("CommandOK");
        QCOMPARE(QString::fromStdString(c.record.dtmf.dtmfId.text()), QString("456"));
        QCOMPARE(Held(c.record.dtmf.memoryCodes[0]), QString("555E456/7"));
        QCOMPARE(Held(c.record.dtmf.pttIdBeginCode), QString("E456/4"));
    }

    void shortIdIsPaddedOnOk() {
        Codeplug c = MakeCodeplug();
        Open o(c);
        o.retype("TextDtmfId", "7x");
        QCOMPARE(o.text("TextDtmfId")->text(), QString("7"));
        o.key(Qt::Key_Return, Qt::ControlModifier);  // OK from the keyboard
        QCOMPARE(o.dialog.result(), int(QDialog::Accepted));
        QCOMPARE(QString::fromStdString(c.record.dtmf.dtmfId.text()), QString("700"));
        QCOMPARE(Held(c.record.dtmf.memoryCodes[0]), QString("555E123/7"));  // not 3 digits
    }

    void separatorChangeRewritesTheCalls() {
        Codeplug c = MakeCodeplug();
        Open o(c);
        QComboBox* separator = o.combo("ComboSeparator");
        QCOMPARE(separator->currentText(), QString("*"));
        separator->setFocus();
        o.key(Qt::Key_Down);  // "#"
        QCOMPARE(separator->currentText(), QString("#"));
        QCOMPARE(o.text("TextM1")->text(), QString("555#123"));
        QCOMPARE(o.text("TextPttIdBegin")->text(), QString("#123"));
        QCOMPARE(o.text("TextRemoteKill")->text(), QString("*123"));
        o.key(Qt::Key_Home);  // "A"
        QCOMPARE(o.text("TextM3")->text(), QString("555A123"));
        o.clickButton("CommandOK");
        QCOMPARE(c.record.dtmf.separatorCode, 10);
        QCOMPARE(Held(c.record.dtmf.memoryCodes[2]), QString("555A123/7"));
    }

    void equalKillAndStunAreRefused() {
        Codeplug c = MakeCodeplug();
        const DtmfSettings before = c.record.dtmf;
        Open o(c);
        o.retype("TextRemoteKill", "12345");
        o.retype("TextRemoteStun", "12345");
        o.clickButton("CommandOK");
        QVERIFY(o.dialog.isVisible());
        QCOMPARE(o.reporter.shownTexts(), std::vector<std::string>{o.texts.langText(3001)});
        QCOMPARE(o.focusName(), QString("TextRemoteKill"));
        QVERIFY(c.record.dtmf == before);
        QCOMPARE(o.document.undoStack().count(), 0);

        o.retype("TextRemoteStun", "1234");
        o.clickButton("CommandOK");
        QCOMPARE(o.dialog.result(), int(QDialog::Accepted));
        QCOMPARE(QString::fromStdString(c.record.dtmf.remoteStunCode.code.text()), QString("1234"));
    }

    void specialCallFillsTheEditedBox_data() {
        QTest::addColumn<int>("type");  // list position: ANI, PTTID
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("code");
        QTest::newRow("ANI") << 0 << "5"
                             << "500*123";
        QTest::newRow("PTTID") << 1 << "5"
                               << "*123";
    }
    void specialCallFillsTheEditedBox() {
        QFETCH(int, type);
        QFETCH(QString, typed);
        QFETCH(QString, code);
        Codeplug c = MakeCodeplug();
        Open o(c);
        QTest::mouseClick(o.text("TextPttIdEnd"), Qt::LeftButton);
        QCOMPARE(o.dialog.currentDtmfCode(), 17);
        bool shown = false;
        OnSpecialDialog([&](DtmfSpecialCallDialog* special) {
            shown = true;
            QCOMPARE(special->windowTitle(), QString("DTMF Special Call"));
            auto* list = special->findChild<QComboBox*>("Combo1");
            QCOMPARE(list->currentText(), QString("ANI"));
            QWidget* frame = special->findChild<QWidget*>("Frame1");
            QVERIFY(frame->isVisible());
            list->setFocus();
            for (int i = 0; i < type; ++i) QTest::keyClick(list, Qt::Key_Down);
            QCOMPARE(frame->isVisible(), type == 0);
            if (type == 0) {
                auto* other = special->findChild<QLineEdit*>("Text1");
                QTest::mouseClick(other, Qt::LeftButton);
                QTest::keyClicks(other, typed + "x9");
                QCOMPARE(other->text(), typed + "9");
                QTest::keyClick(other, Qt::Key_Backspace);
                QTest::keyClick(other, Qt::Key_Tab);  // leaving pads it
                QCOMPARE(other->text(), typed + "00");
            }
            QTest::mouseClick(special->findChild<QPushButton*>("CommandOK"), Qt::LeftButton);
        });
        o.clickButton("CommandSpecial");
        QVERIFY(shown);
        QCOMPARE(o.text("TextPttIdEnd")->text(), code);
        QCOMPARE(o.dialog.focusWidget(), o.text("TextPttIdEnd"));
    }

    void specialCallIsForCallsOnly() {
        Codeplug c = MakeCodeplug();
        Open o(c);
        QTest::mouseClick(o.text("TextRemoteStun"), Qt::LeftButton);
        QCOMPARE(o.dialog.currentDtmfCode(), 19);
        QVERIFY(!o.get<QPushButton>("CommandSpecial")->isEnabled());
        o.dialog.openSpecialCall();  // nothing opens
        QCOMPARE(o.text("TextRemoteStun")->text(), QString());
        QTest::mouseClick(o.text("TextM16"), Qt::LeftButton);
        QVERIFY(o.get<QPushButton>("CommandSpecial")->isEnabled());
    }

    // Values no list shows are shown as the entry they fall back to and stored so by OK.
    void listsShowAndStore() {
        Codeplug c = MakeCodeplug();
        DtmfSettings& d = c.record.dtmf;
        d.groupCode = 255;
        d.preSendDelay = 20;
        d.resetTime = 5;
        d.pauseTime = 3;
        d.sideTone = 7;
        d.aniEnabled = 1;
        Open o(c);
        QCOMPARE(o.combo("ComboGroup")->currentText(),
                 QString::fromStdString(o.texts.langText(1755)));
        QCOMPARE(o.combo("ComboPreSendDelay")->currentText(), QString("200"));
        QCOMPARE(o.combo("ComboResetTime")->currentText(), QString("0.5"));
        QCOMPARE(o.combo("ComboPauseTime")->currentIndex(), 0);
        QCOMPARE(o.combo("ComboDigitDuration")->currentText(),
                 "50" + QString::fromStdString(o.texts.langText(1780)));
        QVERIFY(!o.get<QCheckBox>("CheckSideTone")->isChecked());
        QVERIFY(!o.combo("ComboPttIdMode")->isVisible());
        o.combo("ComboPauseTime")->setFocus();
        o.key(Qt::Key_Down);
        o.key(Qt::Key_Down);  // "6"
        o.key(Qt::Key_Return);
        QCOMPARE(o.focusName(), QString("CheckSideTone"));
        o.key(Qt::Key_Space);
        o.clickButton("CommandOK");
        QCOMPARE(d.pauseTime, 6);
        QCOMPARE(d.sideTone, 1);
        QCOMPARE(d.groupCode, 255);
        QCOMPARE(d.preSendDelay, 20);
        QCOMPARE(d.resetTime, 5);
        QCOMPARE(d.aniEnabled, 1);
    }

    // What the editor committed goes into the image and comes back out as the editor shows it.
    void committedSettingsSurviveTheImage() {
        Codeplug c = MakeCodeplug();
        Open o(c);
        o.retype("TextM16", "123456789abcd*#012345678");
        o.retype("TextRemoteStun", "ABCD*#0");
        o.combo("ComboGroup")->setCurrentIndex(0);
        o.combo("ComboFirstDigitDelay")->setCurrentIndex(250);
        o.combo("ComboPostSendDelay")->setCurrentIndex(0);
        o.combo("ComboAni")->setCurrentIndex(1);
        o.combo("ComboDigitDuration")->setCurrentIndex(5);
        o.clickButton("CommandOK");
        QCOMPARE(o.dialog.result(), int(QDialog::Accepted));

        RecordingReporter reporter;
        const auto encoded = EncodeImage(c, reporter);
        QVERIFY(encoded.has_value());
        Codeplug read;
        read.image = encoded->image();
        DecodeImage(read);
        // The PTT-ID mode never goes to the radio.
        read.record.dtmf.pttIdMode = c.record.dtmf.pttIdMode;
        QVERIFY(DtmfFormOf(read.record.dtmf) == DtmfFormOf(c.record.dtmf));
        QCOMPARE(Held(read.record.dtmf.memoryCodes[15]), QString("123456789ABCDEF012345678/24"));
        QCOMPARE(read.record.dtmf.aniEnabled, 1);
        QCOMPARE(read.record.dtmf.digitDuration, 5);
        QCOMPARE(read.record.dtmf.firstDigitDelay, 250);
    }

    // Every control is named for a screen reader by its label (the check box and the buttons
    // by their own text), in both languages; the labels are the language file's.
    void labelsAndAccessibleNames_data() {
        QTest::addColumn<int>("language");
        QTest::newRow("English") << int(Language::English);
        QTest::newRow("Chinese") << int(Language::Chinese);
    }
    void labelsAndAccessibleNames() {
        QFETCH(int, language);
        Codeplug c = MakeCodeplug();
        Open o(c, Language(language));
        QCOMPARE(o.dialog.windowTitle(), QString("DTMF"));
        QCOMPARE(o.text("TextPttIdBegin")->accessibleName(),
                 QString::fromStdString(o.texts.readMessageText("OPTION", "60302")));
        QCOMPARE(o.text("TextRemoteKill")->accessibleName(),
                 QString::fromStdString(o.texts.readMessageText("OPTION", "60069")));
        QCOMPARE(o.text("TextM9")->accessibleName(), QString("M9"));
        QCOMPARE(o.text("TextDtmfId")->accessibleName(),
                 QString::fromStdString(o.texts.langText(3002)));
        QSet<QString> names;
        for (QWidget* w : o.dialog.findChildren<QWidget*>()) {
            QString name = w->accessibleName();
            if (auto* button = qobject_cast<QAbstractButton*>(w); button && name.isEmpty()) {
                name = button->text();
            } else if (!qobject_cast<QLineEdit*>(w) && !qobject_cast<QComboBox*>(w)) {
                continue;
            }
            QVERIFY2(!name.isEmpty(), qPrintable(w->objectName()));
            QVERIFY2(!names.contains(name), qPrintable(name));
            names.insert(name);
        }

        DtmfSpecialCallDialog special(o.texts, '*', "123", &o.dialog);
        special.show();
        QCOMPARE(special.findChild<QComboBox*>("Combo1")->accessibleName(),
                 QString::fromStdString(o.texts.readMessageText("OPTION", "60064")));
        QCOMPARE(special.findChild<QLineEdit*>("Text1")->accessibleName(),
                 QString::fromStdString(o.texts.readMessageText("OPTION", "60076")));
        if (const QString folder = qEnvironmentVariable("TORVIK_GRAB_DIR"); !folder.isEmpty()) {
            o.dialog.grab().save(folder + QStringLiteral("/frm_dtmf_%1.png").arg(language));
            special.grab().save(folder + QStringLiteral("/frm_dtmf_special_%1.png").arg(language));
        }
    }
};

QTEST_MAIN(DtmfDialogTest)
#include "test_dtmf_dialog.moc"
