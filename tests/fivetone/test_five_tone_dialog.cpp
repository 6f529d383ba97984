// The 5-Tone editor and its special-call dialog driven as a user drives them: the own ID,
// the code list edited in place, the information codes, the special calls, OK and Cancel.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "functions/emergency/emergency_rules.h"
#include "support/codeplug_fixtures.h"
#include "support/data_texts.h"
#include "support/dialog_driver.h"
#include "support/recording_reporter.h"
#include "ui/cell_grid.h"
#include "ui/fivetone/five_tone_dialog.h"
#include "ui/fivetone/five_tone_special_call_dialog.h"

using namespace torvik;
using test::RecordingReporter;

namespace {

// Defaults, own ID 22222, entries 2 and 4 stored, channels 1 and 2 on 5-Tone entry 2.
Codeplug MakeCodeplug() {
    Codeplug c;
    ResetFunctionSettings(c.record);
    FiveToneSettings& s = c.record.fiveTone;
    s.ownId = FixedText<6>::Value("22222");
    s.ownIdLength = 5;
    for (int k : {2, 4}) {
        s.codeTable[std::size_t(k)].empty = 0;
        s.codeTable[std::size_t(k)].code = FixedText<40>::Value("12345");
        s.codeTable[std::size_t(k)].length = 5;
    }
    test::AddChannels(c.channels, {1, 2});
    for (ChannelRecord& r : c.channels.used()) {
        r.Signaling = kSignalingFiveTone;
        r.FiveToneNo = 2;
    }
    return c;
}

QString Code(const FiveToneCode& code) {
    return QString::fromStdString(code.code.text()) + "/" + QString::number(code.length);
}

struct Open : test::DialogUser {
    explicit Open(Codeplug& c, Language language = Language::English)
        : texts(test::DataTexts(language)), document(c), dialog(document, texts, reporter) {
        meet(&dialog);
    }
    CellGrid* grid() const { return dialog.grid(); }
    void retype(const char* name, const QString& keys) {
        QLineEdit* box = text(name);
        QTest::mouseClick(box, Qt::LeftButton);
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Backspace);
        type(keys);
    }
    // Enters a cell of the code list; the editor it opens has the focus.
    void enter(int entry, int column) { grid()->enterCell(entry, column); }
    std::string option(const char* key) const { return texts.readMessageText("OPTION", key); }

    LanguageTexts texts;
    RecordingReporter reporter;
    CodeplugDocument document;
    FiveToneDialog dialog;
};

void OnSpecialDialog(std::function<void(FiveToneSpecialCallDialog*)> act) {
    test::OnModal(std::move(act));
}

// Chooses a call type and separator in the dialog, types the message, and confirms.
void Compose(FiveToneSpecialCallDialog* d, int type, int separator, const char* message) {
    auto* types = d->findChild<QComboBox*>("ComboCallType");
    types->setFocus();
    QTest::keyClick(types, Qt::Key_Home);
    for (int i = 0; i < type; ++i) QTest::keyClick(types, Qt::Key_Down);
    auto* separators = d->findChild<QComboBox*>("ComboSeparator");
    if (type == 1) {
        separators->setFocus();
        QTest::keyClick(separators, Qt::Key_Home);
        for (int i = 0; i < separator; ++i) QTest::keyClick(separators, Qt::Key_Down);
        auto* code = d->findChild<QLineEdit*>("TextAniCode");
        code->setFocus();
        code->selectAll();
        QTest::keyClicks(code, "11111");
    }
    if (type == 0) {
        auto* text = d->findChild<QLineEdit*>("TextDataText");
        text->setFocus();
        QTest::keyClicks(text, message);
    }
    QTest::mouseClick(d->findChild<QPushButton*>("CommandOK"), Qt::LeftButton);
}

}  // namespace

class FiveToneDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void opensWithTheWorkingCopyShown() {
        Codeplug c = MakeCodeplug();
        Open o(c);
        QCOMPARE(o.focusName(), QString("TextOwnId"));
        QCOMPARE(o.text("TextOwnId")->text(), QString("22222"));
        QCOMPARE(o.combo("ComboStandard")->currentText(), QString("ZVEI1"));
        QCOMPARE(o.combo("ComboDuration")->currentText(), QString("70"));
        QCOMPARE(o.combo("ComboDecodeTime")->currentText(), QString("20"));
        QVERIFY(!o.combo("ComboPauseTime")->isEnabled());
        QCOMPARE(o.grid()->rowCount(), 100);
        QCOMPARE(o.grid()->cellText(2, kColCode), QString("12345"));
        QCOMPARE(o.grid()->cellText(3, kColStandard), QString("ZVEI1"));
        QCOMPARE(o.grid()->cellText(3, kColDuration), QString("70"));
        QCOMPARE(o.dialog.currentInfoCode(), 1);
        QVERIFY(o.dialog.findChild<QPlainTextEdit*>("TextStandardTable")
                    ->toPlainText()
                    .startsWith("ZVEI1\n"));
    }

    void standardSetsItsToneLength() {
        Codeplug c = MakeCodeplug();
        Open o(c);
        QComboBox* standard = o.combo("ComboStandard");
        standard->setFocus();
        // Chosen as a user does, from the open list.
        standard->showPopup();
        QTest::keyClick(standard->view(), Qt::Key_Home);
        for (int i = 0; i < 6; ++i) QTest::keyClick(standard->view(), Qt::Key_Down);
        QTest::keyClick(standard->view(), Qt::Key_Return);
        QCOMPARE(standard->currentText(), QString("CCIR1"));
        QCOMPARE(o.combo("ComboDuration")->currentText(), QString("100"));
        QVERIFY(o.dialog.findChild<QPlainTextEdit*>("TextStandardTable")
                    ->toPlainText()
                    .contains("CCIR1\n"));
        o.clickButton("CommandOK");
        QCOMPARE(c.record.fiveTone.standard, 6);
        QCOMPARE(c.record.fiveTone.duration, 10);
    }

    void typedCodeIsNormalised() {
        Codeplug c = MakeCodeplug();
        Open o(c);
        o.enter(7, kColCode);
        o.type("11111");
        o.key(Qt::Key_Return);  // a code: on to its standard
        QCOMPARE(o.grid()->cellText(7, kColCode), QString("1E1E1"));
        QCOMPARE(o.grid()->currentColumn(), int(kColStandard));
        QCOMPARE(Code(o.dialog.working().codeTable[7]), QString("1E1E1/5"));
        o.clickButton("CommandOK");
        QCOMPARE(Code(c.record.fiveTone.codeTable[7]), QString("1E1E1/5"));
        QCOMPARE(c.record.fiveTone.codeTable[7].empty, std::int16_t{0});
    }

    // Emptying the code the channels use points them at the first stored entry.
    void emptiedCodeMovesTheChannels() {
        Codeplug c = MakeCodeplug();
        c.record.emergency.idCodeType = kIdCodeFiveTone;
        c.record.emergency.idCode = 2;
        Open o(c);
        o.enter(2, kColCode);
        o.key(Qt::Key_Backspace);
        o.key(Qt::Key_Return);  // empty: on to the next row
        QCOMPARE(o.grid()->currentRow(), 3);
        o.clickButton("CommandOK");
        QCOMPARE(c.record.fiveTone.codeTable[2].empty, std::int16_t{1});
        QCOMPARE(c.channels.find(1)->FiveToneNo, 4);
        QCOMPARE(c.channels.find(2)->FiveToneNo, 4);
        QCOMPARE(int(c.record.emergency.idCode), 4);
        QCOMPARE(o.document.undoStack().count(), 1);
    }

    void shortOwnIdIsRefused() {
        Codeplug c = MakeCodeplug();
        const EditableState before = EditableStateOf(c);
        Open o(c);
        o.retype("TextOwnId", "123x");
        QCOMPARE(o.text("TextOwnId")->text(), QString("123"));
        o.key(Qt::Key_Tab);
        QCOMPARE(o.reporter.shownTexts(),
                 std::vector<std::string>{o.texts.readMessageText("MSG", "900C")});
        QCOMPARE(o.focusName(), QString("TextOwnId"));
        o.key(Qt::Key_Return, Qt::ControlModifier);  // OK refused as well
        QVERIFY(o.dialog.isVisible());
        QVERIFY(EditableStateOf(c) == before);
    }

    void killWithoutWakenIsRefused() {
        Codeplug c = MakeCodeplug();
        Open o(c);
        QComboBox* function = o.combo("ComboInfoFunction");
        function->setCurrentIndex(3);  // kill
        QVERIFY(!o.combo("ComboInfoResponse")->isEnabled());
        QCOMPARE(o.combo("ComboInfoResponse")->currentIndex(), 2);
        o.retype("TextInfoCode", "12ab");
        QCOMPARE(o.text("TextInfoCode")->text(), QString("12AB"));
        o.clickButton("CommandOK");
        QVERIFY(o.dialog.isVisible());
        QCOMPARE(o.reporter.shownTexts(), std::vector<std::string>{o.option("60300")});
        QCOMPARE(o.document.undoStack().count(), 0);

        // A waken code with the same code text: no longer missing, but in conflict.
        o.combo("ComboInfoCode")->setCurrentIndex(1);
        QCOMPARE(o.dialog.currentInfoCode(), 2);
        o.combo("ComboInfoFunction")->setCurrentIndex(5);
        o.retype("TextInfoCode", "12AB");
        o.reporter.shown.clear();
        o.clickButton("CommandOK");
        QCOMPARE(o.reporter.shownTexts(), std::vector<std::string>{o.option("60301")});
        o.retype("TextInfoCode", "99");
        o.retype("TextInfoName", "WAKE");
        o.clickButton("CommandOK");
        QCOMPARE(o.dialog.result(), int(QDialog::Accepted));
        QCOMPARE(c.record.fiveTone.infoCodes[0].function, 3);
        QCOMPARE(QString::fromStdString(c.record.fiveTone.infoCodes[0].code.text()), "12AB");
        QCOMPARE(c.record.fiveTone.infoCodes[1].length, 2);
        QCOMPARE(QString::fromStdString(c.record.fiveTone.infoCodes[1].name.text()), "WAKE");
    }

    // Own ID 22222: the worked results in a PTT-ID box.
    void specialCallForAPttIdBox_data() {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("separator");
        QTest::addColumn<QString>("text");
        QTest::newRow("ANI") << 1 << 0 << "1E1E12E2E2";
        QTest::newRow("ANI with separator A") << 1 << 1 << "1E1E1A2E2E2";
        QTest::newRow("data call") << 0 << 0 << "E1E2345E4849";
        QTest::newRow("PTT-ID") << 2 << 0 << "E62E2E2";
    }
    void specialCallForAPttIdBox() {
        QFETCH(int, type);
        QFETCH(int, separator);
        QFETCH(QString, text);
        Codeplug c = MakeCodeplug();
        Open o(c);
        bool shown = false;
        OnSpecialDialog([&](FiveToneSpecialCallDialog* d) {
            shown = true;
            QVERIFY(!d->findChild<QComboBox*>("ComboCodeNumber")->isVisible());
            Compose(d, type, separator, "hi");
        });
        o.clickButton("Command3");
        QVERIFY(shown);
        QCOMPARE(o.text("TextPttEnd")->text(), text);
        QCOMPARE(o.text("TextPttBegin")->text(), QString());
        QCOMPARE(o.grid()->cellText(0, kColType), QString());
        o.clickButton("CommandOK");
        QCOMPARE(Code(c.record.fiveTone.pttIdEnd), text + "/" + QString::number(text.size()));
    }

    // An ANI call made for entry 6 with separator A; then the own ID changes.
    void ownIdChangeRetargetsTheAniEntry() {
        Codeplug c = MakeCodeplug();
        Open o(c);
        o.enter(6, kColName);
        OnSpecialDialog([&](FiveToneSpecialCallDialog* d) {
            QCOMPARE(d->findChild<QComboBox*>("ComboCodeNumber")->currentText(), QString("6"));
            QCOMPARE(d->findChild<QComboBox*>("ComboSeparator")->currentText(), QString("D"));
            Compose(d, 1, 1, "");
        });
        o.clickButton("Command1");
        o.dialog.activateWindow();  // the offscreen platform does not give it back by itself
        QVERIFY(QTest::qWaitForWindowActive(&o.dialog));
        QCOMPARE(o.grid()->cellText(6, kColType), QString("ANI"));
        QCOMPARE(o.grid()->cellText(6, kColCode), QString("11111A"));
        QCOMPARE(Code(o.dialog.working().codeTable[6]), QString("1E1E1ASelfID/12"));
        QCOMPARE(o.dialog.working().aniSeparator, std::int16_t{10});

        o.retype("TextOwnId", "33333");
        o.key(Qt::Key_Tab);
        QCOMPARE(o.grid()->cellText(6, kColCode), QString("11111A"));
        o.clickButton("CommandOK");
        QCOMPARE(Code(c.record.fiveTone.codeTable[6]), QString("1E1E1A3E3E3/11"));
        QCOMPARE(c.record.fiveTone.aniSeparator, std::int16_t{10});
        QCOMPARE(QString::fromStdString(c.record.fiveTone.ownId.text()), QString("33333"));
    }

    void specialCallIsResetByDoubleClick() {
        Codeplug c = MakeCodeplug();
        c.record.fiveTone.codeTable[2].code = FixedText<40>::Value("1E1E12E2E2");
        c.record.fiveTone.codeTable[2].length = 10;
        Open o(c);
        QCOMPARE(o.grid()->cellText(2, kColType), QString("ANI"));
        o.enter(2, kColCode);
        QVERIFY(!qobject_cast<QLineEdit*>(o.focus()));  // no editor on a special call
        o.reporter.answers = {Answer::Ok};
        emit o.grid()->cellDoubleClicked(2, kColCode);
        QCOMPARE(o.reporter.asked.size(), std::size_t{1});
        QCOMPARE(o.grid()->cellText(2, kColType), QString());
        QCOMPARE(o.focusName(), QString("TextCode"));
        o.type("777");
        o.key(Qt::Key_Return);
        QCOMPARE(Code(o.dialog.working().codeTable[2]), QString("7E7/3"));
    }

    // The decode time gathered when the own-ID box was left goes with Cancel.
    void cancelDropsEveryChange() {
        Codeplug c = MakeCodeplug();
        const EditableState before = EditableStateOf(c);
        Open o(c);
        o.combo("ComboDecodeTime")->setCurrentIndex(50);
        o.retype("TextOwnId", "44444");
        o.key(Qt::Key_Tab);
        QCOMPARE(int(o.dialog.workingDecodeTime()), 50);
        OnSpecialDialog([](FiveToneSpecialCallDialog* d) { Compose(d, 2, 0, ""); });
        o.clickButton("Command1");
        o.clickButton("CommandCancel");
        QCOMPARE(o.dialog.result(), int(QDialog::Rejected));
        QVERIFY(EditableStateOf(c) == before);
        QCOMPARE(int(c.record.decodeTime), 2);
    }

    void calledCodeTooShortIsRefused() {
        Codeplug c = MakeCodeplug();
        Open o(c);
        bool refused = false;
        OnSpecialDialog([&](FiveToneSpecialCallDialog* d) {
            auto* code = d->findChild<QLineEdit*>("TextDataCode");
            code->setFocus();
            code->selectAll();
            QTest::keyClicks(code, "1a*b");  // "a" typed as "A", the rest refused
            QCOMPARE(code->text(), QString("1A"));
            auto* text = d->findChild<QLineEdit*>("TextDataText");
            text->setFocus();  // leaving the code box tells
            QTest::keyClicks(text, "b*");
            QCOMPARE(text->text(), QString("B"));
            QTest::mouseClick(d->findChild<QPushButton*>("CommandOK"), Qt::LeftButton);
            refused = d->isVisible();
            d->reject();
        });
        o.clickButton("Command2");
        QVERIFY(refused);
        const std::string shortCode = o.texts.readMessageText("MSG", "900C");
        QCOMPARE(o.reporter.shownTexts(), (std::vector<std::string>{shortCode, shortCode}));
        QCOMPARE(o.text("TextPttBegin")->text(), QString());
    }

    void labelsAndAccessibleNames_data() { test::LanguageRows(); }
    void labelsAndAccessibleNames() {
        QFETCH(int, language);
        Codeplug c = MakeCodeplug();
        Open o(c, Language(language));
        QCOMPARE(o.dialog.windowTitle(), QString::fromStdString(o.option("60052")));
        QCOMPARE(o.text("TextOwnId")->accessibleName(), QString::fromStdString(o.option("60072")));
        auto unique = [](QWidget* window) {
            QSet<QString> names;
            for (QWidget* w : window->findChildren<QWidget*>()) {
                if (!qobject_cast<QLineEdit*>(w) && !qobject_cast<QComboBox*>(w)) continue;
                QVERIFY2(!w->accessibleName().isEmpty(), qPrintable(w->objectName()));
                QVERIFY2(!names.contains(w->accessibleName()), qPrintable(w->accessibleName()));
                names.insert(w->accessibleName());
            }
        };
        unique(&o.dialog);
        std::int16_t separator = 13;
        FiveToneSpecialCallDialog special(o.texts, o.reporter, SpecialCallTarget::CodeTable, 3,
                                          separator, "22222", &o.dialog);
        special.show();
        unique(&special);
        QCOMPARE(special.findChild<QComboBox*>("ComboCallType")->accessibleName(),
                 QString::fromStdString(o.option("60064")));
        if (const QString folder = qEnvironmentVariable("TORVIK_GRAB_DIR"); !folder.isEmpty()) {
            o.dialog.grab().save(folder + QStringLiteral("/frm_5tone_%1.png").arg(language));
            special.grab().save(folder + QStringLiteral("/frm_special_%1.png").arg(language));
        }
    }
};

QTEST_MAIN(FiveToneDialogTest)
#include "test_five_tone_dialog.moc"
