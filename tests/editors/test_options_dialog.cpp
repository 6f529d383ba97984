// The optional-function editor worked as a user works it.
#include "document/codeplug_document.h"
#include "support/codeplug_fixtures.h"
#include "support/data_texts.h"
#include "support/dialog_driver.h"
#include "ui/options/options_dialog.h"

using namespace torvik;
using test::Shown;

class OptionsDialogTest : public QObject {
    Q_OBJECT

    Codeplug codeplug_;
    std::unique_ptr<CodeplugDocument> document_;
    LanguageTexts texts_ = test::DataTexts(Language::English);

    const OptionSettings& options() { return document_->codeplug().record.options; }

  private slots:
    void init() {
        codeplug_ = test::NewTestCodeplug();
        document_ = std::make_unique<CodeplugDocument>(codeplug_);
    }

    void displayModeDrivesWorkModeAndExtra() {
        Shown<OptionsDialog> o(*document_, texts_);
        QComboBox* row1 = o.combo("Combo1");
        QComboBox* row18 = o.combo("Combo18");
        QVERIFY(row1->isEnabled());
        QVERIFY(!row18->isVisible());
        o.choose(o.combo("Combo0"), 1);
        QCOMPARE(row1->currentIndex(), 1);
        QVERIFY(!row1->isEnabled());
        QVERIFY(row18->isVisible());
        o.choose(row18, 1);
        o.choose(o.combo("Combo0"), 0);
        QCOMPARE(row1->currentIndex(), 0);
        QCOMPARE(row18->currentIndex(), 0);
        QVERIFY(!row18->isVisible());
        o.choose(o.combo("Combo0"), 2);
        o.ok();
        QCOMPARE(options().displayMode, 2);
        QCOMPARE(options().workMode, 1);
        QCOMPARE(options().channelDisplayExtra, 0);
    }

    // Letters in boxes 1, 2, 5 and 6: the message keeps its inner blanks, drops the
    // trailing one; the boxes move on by themselves and refuse "~".
    void welcomeMessageWithInnerSpaces() {
        Shown<OptionsDialog> o(*document_, texts_);
        QCOMPARE(o.text("TextWelcome1")->text(), "W");
        for (int i = 1; i <= 7; ++i) o.text(QStringLiteral("TextWelcome%1").arg(i))->clear();
        o.text("TextWelcome1")->setFocus();
        o.type("A~B");
        QCOMPARE(o.text("TextWelcome2")->text(), "B");
        o.text("TextWelcome5")->setFocus();
        o.type("CD");
        o.ok();
        QCOMPARE(options().welcomeMessage, FixedText<7>::Value("AB  CD "));
        QCOMPARE(options().welcomeMessage.text(), std::string("AB  CD"));
    }

    void passwordTakesDigitsBehindItsSwitch() {
        Shown<OptionsDialog> o(*document_, texts_);
        QLineEdit* password = o.text("TextPassword");
        QVERIFY(!password->isVisible());
        o.click(o.check("CheckPassword"));
        QVERIFY(password->isVisible());
        password->setFocus();
        o.type("1a2-");
        QCOMPARE(password->text(), "12");
        o.ok();
        QCOMPARE(options().powerOnPasswordEnabled, 1);
        QCOMPARE(options().powerOnPassword.text(), std::string("12"));
    }

    // Stored values outside their lists open without failing and stay as they were unless
    // the user chooses.
    void outOfListValuesAreKept() {
        EditableState s = document_->editableState();
        s.record.options.displayMode = 7;
        s.record.options.timeOutTimer = 99;
        s.record.options.powerOnChannel = 150;  // no such channel
        document_->commit("setup", s);
        Shown<OptionsDialog> o(*document_, texts_);
        QCOMPARE(o.combo("Combo0")->currentIndex(), -1);
        QCOMPARE(o.combo("Combo10")->currentIndex(), 0);
        QCOMPARE(o.combo("Combo2")->currentText(), "0");
        o.click(o.check("Check4"));  // squelch-off inhibit
        o.ok();
        QCOMPARE(options().displayMode, 7);
        QCOMPARE(options().timeOutTimer, 99);
        QCOMPARE(options().powerOnChannel, 150);
        QCOMPARE(document_->codeplug().record.squelchOffInhibit, 1);
    }

    // One step, named after the editor.
    void toneBurstAndTailEliminationStored() {
        Shown<OptionsDialog> o(*document_, texts_);
        o.choose(o.combo("Combo9"), 2);
        o.click(o.check("Check3"));
        o.ok();
        QCOMPARE(options().toneBurstFrequency, 2);
        QCOMPARE(options().tailElimination, 1);
        QCOMPARE(document_->undoStack().undoText(), "Optional functions");
    }

    // Enter walks the rows in the order they stand: the extra display beside the display mode
    // while it is shown, the greyed work mode passed over.
    void enterWalksTheRowsAsTheyStand() {
        Shown<OptionsDialog> o(*document_, texts_);
        o.choose(o.combo("Combo0"), 1);
        for (const char* next : {"Combo18", "Combo2", "Combo3", "Combo5"}) {
            o.key(Qt::Key_Return);
            QCOMPARE(o.focusName(), QString(next));
        }
    }

    void labelledInBothLanguages() {
        const LanguageTexts chinese = test::DataTexts(Language::Chinese);
        Shown<OptionsDialog> o(*document_, chinese);
        QCOMPARE(o.dialog.windowTitle(), QString::fromStdString(chinese.langText(1701)));
        QCOMPARE(o.combo("Combo3")->accessibleName(),
                 QString::fromStdString(chinese.langText(1705)));
        QVERIFY(!o.text("TextWelcome3")->accessibleName().isEmpty());
    }
};

QTEST_MAIN(OptionsDialogTest)
#include "test_options_dialog.moc"
