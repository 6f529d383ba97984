// The 2-Tone editor driven as a user drives it: the tone boxes, the format, the code grid
// edited in place and OK. Cancel and Undo, which every editor shares, are proved in
// test_editor_contract.
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

#include "aggregate/image_codec.h"
#include "support/codeplug_fixtures.h"
#include "support/data_texts.h"
#include "support/dialog_driver.h"
#include "support/recording_reporter.h"
#include "ui/cell_grid.h"
#include "ui/twotone/two_tone_dialog.h"

using namespace torvik;

namespace {

// A codeplug at its defaults with two used channels that signal with 2-Tone code 0.
Codeplug MakeCodeplug() {
    Codeplug c;
    ResetFunctionSettings(c.record);
    test::AddChannels(c.channels, {1, 2});
    for (ChannelRecord& r : c.channels.used()) {
        r.Signaling = kSignalingTwoTone;
        r.TwoToneNo = 0;
    }
    return c;
}

struct Open : test::DialogUser {
    explicit Open(Codeplug& c, Language language = Language::English)
        : texts(test::DataTexts(language)), document(c), dialog(document, texts) {
        meet(&dialog);
    }
    CellGrid* grid() const { return dialog.grid(); }
    // Enters a grid cell as a click does and types over its text.
    void typeInCell(int row, int column, const QString& keys) {
        dialog.findChild<QTabWidget*>("SSTab1")->setCurrentIndex(1);
        grid()->enterCell(row, column);
        QLineEdit* editor = qobject_cast<QLineEdit*>(focus());
        QVERIFY(editor);
        editor->selectAll();
        QTest::keyClick(editor, Qt::Key_Backspace);
        type(keys);
    }
    void retype(const char* name, const QString& keys) {
        dialog.findChild<QTabWidget*>("SSTab1")->setCurrentIndex(1);
        QLineEdit* box = text(name);
        box->setFocus();
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Backspace);
        type(keys);
    }

    LanguageTexts texts;
    CodeplugDocument document;
    TwoToneDialog dialog;
};

}  // namespace

class TwoToneDialogTest : public QObject {
    Q_OBJECT

  private slots:
    // A fresh image: every 2-Tone byte 0x00 and the code bitmap all empty.
    void freshImageOpensWithTheDefaults() {
        Codeplug c = MakeCodeplug();
        c.image = RadioImage{};
        PrefillImage(c.image);
        DecodeImage(c);
        Open o(c);
        QCOMPARE(o.text("TextToneA")->text(), QString("321.7"));
        QCOMPARE(o.text("TextToneB")->text(), QString("928.1"));
        QCOMPARE(o.text("TextToneC")->text(), QString("626.5"));
        QCOMPARE(o.text("TextToneD")->text(), QString("2043.8"));
        QCOMPARE(o.combo("ComboCallFormat")->currentText(), QString("A-B"));
        QCOMPARE(o.combo("ComboTime3")->currentText(), QString("1.0"));
        QCOMPARE(o.combo("ComboTime4")->currentText(), QString("0"));  // 0 is on the list
        QVERIFY(!o.text("TextToneC")->isEnabled());
        for (int k = 0; k < kTwoToneCodes; ++k) QVERIFY(o.grid()->cellText(k, 1).isEmpty());
        o.clickButton("CommandOK");
        const TwoToneSettings& s = c.record.twoTone;
        QCOMPARE(s.callTone1.value, std::uint16_t{3217});
        QCOMPARE(s.callTone2.value, std::uint16_t{9281});
        QCOMPARE(s.callDivider1.value, std::uint16_t{14920});
        QCOMPARE(s.callDivider2.value, std::uint16_t{5171});
    }

    void toneBoxIsClampedOnLeaving_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("empty") << ""
                               << "288";
        QTest::newRow("too high") << "3500"
                                  << "3116";
        QTest::newRow("too low") << "100"
                                 << "288";
        QTest::newRow("inside") << "1000.5"
                                << "1000.5";
    }
    void toneBoxIsClampedOnLeaving() {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        Codeplug c = MakeCodeplug();
        Open o(c);
        o.retype("TextToneB", typed + "x");  // the letter is refused
        QCOMPARE(o.text("TextToneB")->text(), typed);
        o.key(Qt::Key_Return);  // moves on
        QVERIFY(o.focus() != o.text("TextToneB"));
        QCOMPARE(o.text("TextToneB")->text(), shown);
    }

    // The call tones follow the format: "C-A" calls with tone C, then tone A.
    void formatChoosesTheCallTones() {
        Codeplug c = MakeCodeplug();
        Open o(c);
        o.combo("ComboCallFormat")->setFocus();
        QTest::keyClick(o.combo("ComboCallFormat"), Qt::Key_Home);
        for (int i = 0; i < 6; ++i) QTest::keyClick(o.combo("ComboCallFormat"), Qt::Key_Down);
        QCOMPARE(o.combo("ComboCallFormat")->currentText(), QString("C-A"));
        QVERIFY(o.text("TextToneC")->isEnabled());
        QVERIFY(!o.text("TextToneB")->isEnabled());
        o.retype("TextToneC", "1000");
        o.clickButton("CommandOK");
        const TwoToneSettings& s = c.record.twoTone;
        QCOMPARE(s.callFormat, 6);
        QCOMPARE(s.toneC.value, std::uint16_t{10000});
        QCOMPARE(s.callTone1.value, std::uint16_t{10000});
        QCOMPARE(s.callDivider1.value, std::uint16_t{4800});
        QCOMPARE(s.callTone2.value, std::uint16_t{3217});
    }

    void gridCellsAreStored() {
        Codeplug c = MakeCodeplug();
        Open o(c);
        o.typeInCell(5, 1, "1000");
        o.key(Qt::Key_Return);  // on to tone 2 of the same code
        QCOMPARE(o.grid()->currentRow(), 5);
        QCOMPARE(o.grid()->currentColumn(), 2);
        QCOMPARE(o.dialog.working().codes[5].tone1.value, std::uint16_t{10000});
        QCOMPARE(o.dialog.working().codes[5].divider1.value, std::uint16_t{600});
        QCOMPARE(o.dialog.working().codes[5].empty, std::int16_t{0});
        o.type("5000");  // clamped
        o.key(Qt::Key_Return);
        QCOMPARE(o.grid()->cellText(5, 2), QString("3116.0"));
        o.type("AB");
        o.key(Qt::Key_Return);  // on to tone 1 of the next code
        QCOMPARE(o.grid()->currentRow(), 6);
        QCOMPARE(o.grid()->currentColumn(), 1);
        QCOMPARE(QString::fromStdString(o.dialog.working().codes[5].name.text()), QString("AB"));
        // The last code's name goes back to the first code.
        o.typeInCell(31, 3, "Z");
        o.key(Qt::Key_Return);
        QCOMPARE(o.grid()->currentRow(), 0);
        o.clickButton("CommandOK");
        QCOMPARE(c.record.twoTone.codes[5].tone2.value, std::uint16_t{31160});
        QCOMPARE(o.document.undoStack().count(), 1);
    }

    // Emptying the code the channels use points them at the first stored code.
    void emptiedCodeMovesTheChannels() {
        Codeplug c = MakeCodeplug();
        Open o(c);
        o.typeInCell(3, 1, "1500");
        o.typeInCell(0, 1, "");
        o.typeInCell(0, 3, "");  // entering another cell stored the empty tone 1
        QCOMPARE(o.grid()->cellText(0, 2), QString());
        QCOMPARE(o.dialog.working().codes[0].empty, std::int16_t{1});
        o.clickButton("CommandOK");
        QCOMPARE(c.channels.find(1)->TwoToneNo, 3);
        QCOMPARE(c.channels.find(2)->TwoToneNo, 3);
        QCOMPARE(o.document.undoStack().count(), 1);
        o.document.undoStack().undo();
        QCOMPARE(c.channels.find(1)->TwoToneNo, 0);
        QCOMPARE(c.record.twoTone.codes[0].empty, std::int16_t{0});
    }

    void labelsAndAccessibleNames_data() { test::LanguageRows(); }
    void labelsAndAccessibleNames() {
        QFETCH(int, language);
        Codeplug c = MakeCodeplug();
        Open o(c, Language(language));
        auto option = [&](const char* key) {
            return QString::fromStdString(o.texts.readMessageText("OPTION", key));
        };
        QCOMPARE(o.dialog.windowTitle(), option("60051"));
        QCOMPARE(o.text("TextToneA")->accessibleName(), option("60056") + "A");
        QCOMPARE(o.combo("ComboTime4")->accessibleName(), option("60048"));
        QCOMPARE(o.combo("ComboCallFormat")->accessibleName(), option("60049"));
        QCOMPARE(o.grid()->horizontalHeaderItem(1)->text(), option("60054"));
        QSet<QString> names;
        for (QWidget* w : o.dialog.findChildren<QWidget*>()) {
            if (!qobject_cast<QLineEdit*>(w) && !qobject_cast<QComboBox*>(w)) continue;
            QVERIFY2(!w->accessibleName().isEmpty(), qPrintable(w->objectName()));
            QVERIFY2(!names.contains(w->accessibleName()), qPrintable(w->accessibleName()));
            names.insert(w->accessibleName());
        }
        if (const QString folder = qEnvironmentVariable("TORVIK_GRAB_DIR"); !folder.isEmpty()) {
            auto* tabs = o.dialog.findChild<QTabWidget*>("SSTab1");
            for (int tab = 0; tab < tabs->count(); ++tab) {
                tabs->setCurrentIndex(tab);
                o.dialog.grab().save(folder +
                                     QStringLiteral("/frm_2tone_%1_%2.png").arg(language).arg(tab));
            }
        }
    }
};

QTEST_MAIN(TwoToneDialogTest)
#include "test_two_tone_dialog.moc"
