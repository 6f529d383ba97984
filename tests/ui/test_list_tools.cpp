// Fill, Find and Replace in the main window, offscreen, as a user works them: rows selected
// in the list, the command from its keys, the dialog typed into and clicked; each change is
// one undo step, and Undo gives back the exact file bytes.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTableView>
#include <QTableWidget>
#include <QUndoStack>

#include "storage/codeplug_files.h"
#include "support/codeplug_fixtures.h"
#include "support/data_texts.h"
#include "support/dialog_driver.h"
#include "support/recording_reporter.h"
#include "support/test_home.h"
#include "ui/channel_list_model.h"
#include "ui/list_tools/fill_dialog.h"
#include "ui/list_tools/find_dialog.h"
#include "ui/main_window.h"

using namespace torvik;
using test::DialogUser;

namespace {

// Every control a user reaches in `dialog` carries a name for screen readers.
QStringList Unnamed(QWidget* dialog) {
    QStringList unnamed;
    for (QWidget* w : dialog->findChildren<QWidget*>()) {
        const bool control = qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) ||
                             qobject_cast<QAbstractButton*>(w) || qobject_cast<QSpinBox*>(w) ||
                             qobject_cast<QAbstractItemView*>(w) ||
                             qobject_cast<QPlainTextEdit*>(w);
        if (!control || !w->isVisibleTo(dialog) || w->objectName().isEmpty()) continue;
        if (w->objectName().startsWith("qt_")) continue;
        if (w->accessibleName().isEmpty()) unnamed << w->objectName();
    }
    return unnamed;
}

}  // namespace

class ListToolsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TestHome> home_;
    std::unique_ptr<AppSession> session_;
    std::unique_ptr<PortMap> ports_;
    std::unique_ptr<MainWindow> window_;

    MainWindow& window() { return *window_; }
    QTableView* list() { return window_->channelList(); }
    QString cell(int row, int column) { return window_->channelModel()->cell(row, column); }
    QUndoStack& steps() { return window_->document().undoStack(); }

    // Channels 1, 2, 3 and 5 on 145 MHz named after their numbers ("K1"), channel 2
    // transmitting 0.6 MHz above; row 4 empty. Opened as a file, shown and active.
    void openFixture(Language language = Language::English, bool shippedTexts = false) {
        if (shippedTexts) {
            for (const char* name : {"english.ini", "chinese.ini"}) {
                const QString target = home_->path(QString("language/") + name);
                QFile::remove(target);
                QVERIFY(QFile::copy(QString(TORVIK_DATA_DIR "/language/") + name, target));
            }
        }
        if (language != session_->language || shippedTexts) {
            window_.reset();
            session_->language = language;
            session_->texts = LanguageTexts::Load(session_->home.languageFile(language), language);
            window_ = std::make_unique<MainWindow>(*session_, *ports_);
        }
        Codeplug c;
        NewCodeplug(c, {});
        c.channels = test::TableOf({1, 2, 3, 5}, {.name = "K", .nameEndsWithNumber = true});
        ChannelRecord* two = c.channels.find(2);
        two->ShiftDir = 2;
        two->Offset = FixedText<9>::Raw("000060000");
        test::RecordingReporter reporter;
        const QString path = home_->path("fixture.dat");
        QVERIFY(SaveCodeplug(path.toStdString(), c, reporter));
        QVERIFY(window().document().open(path.toStdString(), reporter));
        window().show();
        QApplication::setActiveWindow(&window());
        QVERIFY(QTest::qWaitForWindowActive(&window()));
        list()->setFocus();
    }

    // The codeplug's data-file pair as saved now, both files' bytes.
    QByteArray savedBytes(const QString& name) {
        test::RecordingReporter quiet;
        const QString path = home_->path(name);
        Codeplug copy = window().codeplug();
        if (!SaveCodeplug(path.toStdString(), copy, quiet)) return {};
        QFile dat(path);
        QFile fre(QString(path).replace(".dat", ".fre"));
        if (!dat.open(QIODevice::ReadOnly) || !fre.open(QIODevice::ReadOnly)) return {};
        return dat.readAll() + fre.readAll();
    }

    // Selects the cells of `column` from row `first` to `last` as Shift+Down does.
    void selectRows(int first, int last, int column) {
        list()->setCurrentIndex(window().channelModel()->index(first - 1, column));
        for (int row = first; row < last; ++row) {
            QTest::keyClick(list(), Qt::Key_Down, Qt::ShiftModifier);
        }
    }

    // Clears a line edit with the keyboard and types `text` into it.
    static void retype(DialogUser& user, const QString& name, const QString& text) {
        user.text(name)->setFocus();
        user.key(Qt::Key_A, Qt::ControlModifier);
        user.key(Qt::Key_Delete);
        user.type(text);
    }

    // The window's find dialog, once it is up and has the keyboard.
    FindDialog* findDialog() {
        auto* dialog = window().findChild<FindDialog*>("FindDialog");
        if (!dialog) return nullptr;
        // A dialog shares activation with its window: wait until it is the window in front.
        if (!QTest::qWaitFor([dialog] { return QApplication::activeWindow() == dialog; })) {
            return nullptr;
        }
        return dialog;
    }

  private slots:
    void init() {
        home_ = std::make_unique<test::TestHome>();
        session_ = RunStartup({home_->std(), "en_US.UTF-8", std::nullopt});
        ports_ = std::make_unique<PortMap>(ProfileFile{});
        window_ = std::make_unique<MainWindow>(*session_, *ports_);
    }
    void cleanup() {
        window_.reset();
        session_.reset();
        home_.reset();
    }

    // The Edit menu offers the three commands with their keys.
    void commandsHaveTheirKeys() {
        const auto keys = [this](const char* name) {
            return window().findChild<QAction*>(name)->shortcut();
        };
        QCOMPARE(keys("mnuEditFind"), QKeySequence(Qt::CTRL | Qt::Key_F));
        QCOMPARE(keys("mnuEditReplace"), QKeySequence(Qt::CTRL | Qt::Key_H));
        QCOMPARE(keys("mnuEditFill"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F));
        QCOMPARE(window().findChild<QAction*>("mnuEditFill")->text(), "F&ill...");
    }

    // Fill from the keyboard: the rows selected, the dialog's fields typed into, the preview
    // read before OK (with the refused rows and why), one undo step back to the same bytes.
    void fillsTheSelectedRows_data() {
        QTest::addColumn<int>("column");  // the column the selection is in
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<QStringList>("after");  // the column's cells of rows 1..5 after OK
        QTest::addColumn<QStringList>("notes");  // the preview's notes, row by row
        QTest::newRow("frequency series")
            << 1 << "146"
            << "25" << QStringList{"146.00000", "146.02500", "146.05000", "146.07500", "146.10000"}
            << QStringList{"", "", "", "", ""};
        const QString rxOut =
            "refused: outside the band of this radio (136.00000 to 173.99750 MHz)";
        QTest::newRow("running past the band's end")
            << 1 << "173.95"
            << "25" << QStringList{"173.95000", "145.00000", "145.00000", "", "145.00000"}
            << QStringList{"",
                           "refused: the transmit frequency, keeping the channel's shift, would "
                           "be outside the band of this radio (136.00000 to 173.99750 MHz)",
                           rxOut, rxOut, rxOut};
        QTest::newRow("names from a pattern")
            << 3 << "CH{n:02}"
            << "9" << QStringList{"CH09", "CH10", "CH11", "", "CH12"}
            << QStringList{"", "", "", "no channel here: left as it is", ""};
        QTest::newRow("one value of a list")
            << 5 << "12.5KHz"
            << "" << QStringList{"12.5K", "12.5K", "12.5K", "", "12.5K"}
            << QStringList{"", "", "", "no channel here: left as it is", ""};
    }
    void fillsTheSelectedRows() {
        QFETCH(int, column);
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(QStringList, after);
        QFETCH(QStringList, notes);
        openFixture();
        const QByteArray before = savedBytes("before.dat");
        selectRows(1, 5, column);
        QCOMPARE(window().selectedRows(), (std::vector<int>{1, 2, 3, 4, 5}));

        QStringList shownNotes;
        bool okEnabled = false;
        auto watch = test::OnModal<FillDialog>([&](FillDialog* dialog) {
            DialogUser user;
            user.attach(dialog);
            // The dialog starts on the column of the current cell.
            QCOMPARE(user.combo("FillColumn")->currentData().toInt(), column);
            if (column == 1) {
                retype(user, "FillStart", first);
                retype(user, "FillStep", second);
            } else if (column == 3) {
                retype(user, "FillPattern", first);
                user.get<QSpinBox>("FillCounterStart")->setFocus();
                user.key(Qt::Key_A, Qt::ControlModifier);
                user.type(second);
            } else {
                QComboBox* values = user.combo("FillValue");
                user.choose(values, values->findText(first));
                QCOMPARE(values->currentText(), first);
            }
            auto* preview = user.get<QTableWidget>("FillPreview");
            for (int row = 0; row < preview->rowCount(); ++row) {
                shownNotes << preview->item(row, preview->columnCount() - 1)->text();
            }
            if (const QString dir = qEnvironmentVariable("TORVIK_GRAB_DIR"); !dir.isEmpty()) {
                dialog->grab().save(dir + "/fill-" + QTest::currentDataTag() + ".png");
            }
            okEnabled = user.get<QPushButton>("CommandOK")->isEnabled();
            user.ok();
        });
        window().findChild<QAction*>("mnuEditFill")->trigger();
        delete watch;
        QVERIFY(okEnabled);
        QCOMPARE(shownNotes, notes);
        QStringList cells;
        for (int row = 1; row <= 5; ++row) cells << cell(row, column);
        QCOMPARE(cells, after);
        if (column == 1 && after[1] == "146.02500") QCOMPARE(cell(2, 2), "146.62500");
        QCOMPARE(steps().count(), 1);
        QVERIFY(steps().undoText().startsWith("Fill "));
        window().undo();
        QCOMPARE(steps().index(), 0);
        QCOMPARE(savedBytes("undone.dat"), before);
    }

    // Cancel leaves everything as it was.
    void fillCancelledChangesNothing() {
        openFixture();
        selectRows(1, 3, 3);
        auto watch = test::OnModal<FillDialog>([](FillDialog* dialog) {
            DialogUser user;
            user.attach(dialog);
            user.cancel();
        });
        window().findChild<QAction*>("mnuEditFill")->trigger();
        delete watch;
        QCOMPARE(steps().count(), 0);
        QCOMPARE(cell(1, 3), "K1");
    }

    // Ctrl+F, a text typed and Enter: the list's current cell moves to each match in turn and
    // goes on from the top after the last one, saying so.
    void findNextWraps() {
        openFixture();
        list()->setCurrentIndex(window().channelModel()->index(1, 3));  // channel 2's name
        QTest::keyClick(list(), Qt::Key_F, Qt::ControlModifier);
        FindDialog* dialog = findDialog();
        QVERIFY(dialog);
        DialogUser user;
        user.attach(dialog);
        QCOMPARE(user.focusName(), "FindText");
        QVERIFY(!user.get<QLineEdit>("ReplaceText")->isVisible());
        QVERIFY(Unnamed(dialog).isEmpty());
        user.type("k");
        QStringList visited;
        for (int i = 0; i < 4; ++i) {
            user.key(Qt::Key_Return);
            const QModelIndex at = list()->currentIndex();
            visited << QString("%1:%2").arg(at.row() + 1).arg(at.column());
            QVERIFY(list()->selectionModel()->isSelected(at));
        }
        QCOMPARE(visited, (QStringList{"3:3", "5:3", "1:3", "2:3"}));
        // The last step went past the end of the list: the third one said it.
        user.key(Qt::Key_Return);
        QCOMPARE(user.get<QLabel>("FindStatus")->text(), "");
        user.key(Qt::Key_Return);
        user.key(Qt::Key_F3);  // finds again as Enter does
        QCOMPARE(list()->currentIndex().row(), 0);
        QCOMPARE(user.get<QLabel>("FindStatus")->text(),
                 "Passed the end of the list and went on from the top.");

        // Every column, a whole cell: the transmit frequency of channel 2.
        retype(user, "FindText", "145.60000");
        user.choose(user.combo("FindColumn"), 0);
        user.click(user.check("FindWhole"));
        user.clickButton("FindNext");
        QCOMPARE(list()->currentIndex().row(), 1);
        QCOMPARE(list()->currentIndex().column(), 2);

        retype(user, "FindText", "nothing");
        user.clickButton("FindNext");
        QCOMPARE(user.get<QLabel>("FindStatus")->text(), "\"nothing\" was not found.");
        QCOMPARE(steps().count(), 0);
        user.key(Qt::Key_Escape);
        QVERIFY(!dialog->isVisible());
    }

    // Ctrl+H: Replace All by plain text and by regular expression, one undo step each; a
    // name cut to seven characters is reported; Undo gives back the exact bytes.
    void replaceAll_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("regex");
        QTest::addColumn<QString>("replacement");
        QTest::addColumn<QStringList>("names");  // channels 1, 2, 3, 5
        QTest::addColumn<QString>("report");
        QTest::newRow("plain text")
            << "K" << false << "CH" << QStringList{"CH1", "CH2", "CH3", "CH5"}
            << "4 names replaced.";
        QTest::newRow("regular expression")
            << "^K([12])$" << true << "$1LONGNAME" << QStringList{"1LONGNA", "2LONGNA", "K3", "K5"}
            << "2 names replaced.\n"
               "Channel 0: \"K1\" cut to \"1LONGNA\" (7 characters).\n"
               "Channel 1: \"K2\" cut to \"2LONGNA\" (7 characters).";
        QTest::newRow("bad regular expression")
            << "K(" << true << "X" << QStringList{"K1", "K2", "K3", "K5"} << "";
    }
    void replaceAll() {
        QFETCH(QString, text);
        QFETCH(bool, regex);
        QFETCH(QString, replacement);
        QFETCH(QStringList, names);
        QFETCH(QString, report);
        openFixture();
        const QByteArray before = savedBytes("before.dat");
        list()->setCurrentIndex(window().channelModel()->index(0, 1));
        QTest::keyClick(list(), Qt::Key_H, Qt::ControlModifier);
        FindDialog* dialog = findDialog();
        QVERIFY(dialog);
        DialogUser user;
        user.attach(dialog);
        QVERIFY(Unnamed(dialog).isEmpty());
        QVERIFY(!user.combo("FindColumn")->isEnabled());
        user.type(text);
        retype(user, "ReplaceText", replacement);
        if (regex) user.click(user.check("FindRegex"));
        if (const QString dir = qEnvironmentVariable("TORVIK_GRAB_DIR"); !dir.isEmpty()) {
            dialog->grab().save(dir + "/replace-" + QTest::currentDataTag() + ".png");
        }
        user.clickButton("FindReplaceAll");
        QStringList shown;
        for (const int row : {1, 2, 3, 5}) shown << cell(row, 3).trimmed();
        QCOMPARE(shown, names);
        QCOMPARE(user.get<QPlainTextEdit>("ReplaceReport")->toPlainText(), report);
        if (report.isEmpty()) {
            QVERIFY(user.get<QLabel>("FindStatus")
                        ->text()
                        .startsWith("The regular expression is not valid"));
            QCOMPARE(steps().count(), 0);
            return;
        }
        QCOMPARE(steps().count(), 1);
        QVERIFY(steps().undoText().startsWith("Replace "));
        window().undo();
        QCOMPARE(savedBytes("undone.dat"), before);
    }

    // Replace on the match found, then on to the next one.
    void replaceOneAtATime() {
        openFixture();
        list()->setCurrentIndex(window().channelModel()->index(0, 0));
        window().findChild<QAction*>("mnuEditReplace")->trigger();
        FindDialog* dialog = findDialog();
        QVERIFY(dialog);
        DialogUser user;
        user.attach(dialog);
        user.type("K");
        retype(user, "ReplaceText", "R");
        user.clickButton("FindReplace");  // finds channel 1's name first
        QCOMPARE(list()->currentIndex().row(), 0);
        QCOMPARE(cell(1, 3), "K1");
        user.clickButton("FindReplace");  // replaces it, goes on to channel 2
        QCOMPARE(cell(1, 3).trimmed(), "R1");
        QCOMPARE(list()->currentIndex().row(), 1);
        QCOMPARE(steps().count(), 1);
    }

    // Both dialogs in both languages with the shipped language files: titled, the columns
    // by the list's headers, every control named; with TORVIK_GRAB_DIR set they leave
    // pictures of themselves.
    void dialogsInBothLanguages_data() { test::LanguageRows(); }
    void dialogsInBothLanguages() {
        QFETCH(int, language);
        const bool chinese = language == int(Language::Chinese);
        openFixture(Language(language), true);
        selectRows(1, 3, 1);
        QStringList unnamed;
        QString title;
        QString column;
        auto watch = test::OnModal<FillDialog>([&](FillDialog* dialog) {
            title = dialog->windowTitle();
            unnamed = Unnamed(dialog);
            column = dialog->findChild<QComboBox*>("FillColumn")->currentText();
            if (const QString dir = qEnvironmentVariable("TORVIK_GRAB_DIR"); !dir.isEmpty()) {
                dialog->grab().save(dir + "/fill-" + QTest::currentDataTag() + ".png");
            }
            dialog->reject();
        });
        window().findChild<QAction*>("mnuEditFill")->trigger();
        delete watch;
        QCOMPARE(title, chinese ? "填充" : "Fill");
        QCOMPARE(column, chinese ? "接收频率(MHz)" : "Receive frequency (MHz)");
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(' ')));

        window().findChild<QAction*>("mnuEditReplace")->trigger();
        FindDialog* dialog = findDialog();
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(), chinese ? "查找和替换" : "Find and Replace");
        QVERIFY(Unnamed(dialog).isEmpty());
        QCOMPARE(dialog->findChild<QComboBox*>("FindColumn")->currentText(),
                 chinese ? "信道名称" : "Channel name");
        if (const QString dir = qEnvironmentVariable("TORVIK_GRAB_DIR"); !dir.isEmpty()) {
            dialog->grab().save(dir + "/replace-" + QTest::currentDataTag() + ".png");
        }
    }
};

QTEST_MAIN(ListToolsTest)
#include "test_list_tools.moc"
