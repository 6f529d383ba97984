// What every editor of the main window promises, proved once per editor (the channel editor
// also opened on several channels) by opening it through the editor registry, as the window
// does, and working it with the keyboard and the mouse: OK without a change adds no undo step;
// Cancel and Escape change nothing; one change and OK is exactly one undo step, and Undo gives
// back the saved files byte for byte; the window has a title and every control a screen reader
// can name. The command table has one row for each command, and every editor a command opens
// is registered exactly once.
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QHeaderView>
#include <QTableView>
#include <QTemporaryDir>
#include <array>
#include <functional>
#include <map>
#include <vector>

#include "app/startup.h"
#include "document/codeplug_document.h"
#include "support/codeplug_fixtures.h"
#include "support/data_texts.h"
#include "support/dialog_driver.h"
#include "support/recording_reporter.h"
#include "support/saved_files.h"
#include "ui/editor_registry.h"
#include "ui/main_commands.h"

using namespace torvik;
using test::DialogUser;

namespace {

// The channel the channel editor opens on; the fixture codeplug holds it.
constexpr int kEditedChannel = 2;

// One small change a user makes through an editor's controls, leaving the editor open.
using Change = std::function<void(const DialogUser&)>;

struct EditorRow {
    const char* name;
    EditorId id;
    Change change;
    // The channel list's selected rows it opens on; none: the edited channel's row alone.
    std::vector<int> selection = {};
};

// Clicks into a box, selects its text and types over it.
void Retype(const DialogUser& user, const QString& box, const QString& keys) {
    QLineEdit* edit = user.text(box);
    QTest::mouseClick(edit, Qt::LeftButton);
    user.key(Qt::Key_A, Qt::ControlModifier);
    user.type(keys);
}

// The editors that change the codeplug, each with its change. Radio information and Print are
// not among them: the one shows what the radio reported and the other chooses what to print,
// and both are built over the codeplug alone, without the document, so neither can change it.
// They keep the promises every window keeps (title, accessible names) in ReadOnlyRows.
const std::vector<EditorRow>& EditingRows() {
    static const std::vector<EditorRow> rows{
        {"Channel", EditorId::Channel,
         [](const DialogUser& user) { user.choose(user.combo("ComboPower"), 1); }},
        {"Channel, several",
         EditorId::Channel,
         [](const DialogUser& user) { user.choose(user.combo("ComboPower"), 1); },
         {1, kEditedChannel, 3, 5}},
        {"Options", EditorId::Options,
         [](const DialogUser& user) { user.choose(user.combo("Combo9"), 2); }},
        {"DTMF", EditorId::Dtmf,
         [](const DialogUser& user) { user.choose(user.combo("ComboSeparator"), 1); }},
        {"2-Tone", EditorId::TwoTone,
         [](const DialogUser& user) {
             user.clickTab(user.get<QTabWidget>("SSTab1"), 1);
             user.clickCell(user.get<QTableView>("MSFlexGrid1"), 5, 1);
             user.type("1000");
             user.key(Qt::Key_Return);
         }},
        {"5-Tone", EditorId::FiveTone,
         [](const DialogUser& user) { user.choose(user.combo("ComboStandard"), 6); }},
        {"Scan", EditorId::Scan,
         [](const DialogUser& user) { user.choose(user.combo("ComboScanMode"), 1); }},
        {"Emergency", EditorId::Emergency,
         [](const DialogUser& user) { user.choose(user.combo("ComboAlarmMode"), 1); }},
        {"Communication book", EditorId::CommBook,
         [](const DialogUser& user) {
             user.clickCell(user.window()->findChild<QTableView*>(), 0, 1);
             user.type("123");
             user.key(Qt::Key_Return);
         }},
        {"Test data", EditorId::TestData,
         [](const DialogUser& user) { Retype(user, "Text2", "7F"); }},
    };
    return rows;
}

const std::vector<EditorRow>& ReadOnlyRows() {
    static const std::vector<EditorRow> rows{
        {"Radio information", EditorId::RadioInfo, {}},
        {"Print", EditorId::Print, {}},
    };
    return rows;
}

void AddRows(const std::vector<EditorRow>& rows) {
    QTest::addColumn<int>("row");
    for (std::size_t i = 0; i < rows.size(); ++i) QTest::newRow(rows[i].name) << int(i);
}

// Closes the editor with Escape as a user does: a cell being edited takes the first Escape
// to leave the cell, the next one closes the window.
void PressEscapeUntilClosed(const DialogUser& user) {
    for (int i = 0; i < 2 && user.window()->isVisible(); ++i) {
        QTest::keyClick(user.focus() ? user.focus() : user.window(), Qt::Key_Escape);
    }
}

// The controls a user types into, ticks or chooses from that a screen reader cannot name.
// A list's own line edit and a spin box's are named with the list or box.
QStringList UnnamedControls(const QWidget* window) {
    QStringList unnamed;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        const bool input = qobject_cast<QComboBox*>(w) || qobject_cast<QLineEdit*>(w) ||
                           qobject_cast<QCheckBox*>(w) || qobject_cast<QAbstractSpinBox*>(w) ||
                           qobject_cast<QAbstractItemView*>(w);
        // A table's headers are named with the table.
        if (!input || qobject_cast<QHeaderView*>(w) || !w->isVisible()) continue;
        QWidget* parent = w->parentWidget();
        if (qobject_cast<QComboBox*>(parent) || qobject_cast<QAbstractSpinBox*>(parent)) continue;
        // What assistive technology reads: the accessible name, else a check box's own text
        // or the text of the label that names the control.
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(w);
        if (!accessible || accessible->text(QAccessible::Name).trimmed().isEmpty()) {
            unnamed << QString("%1 (%2)").arg(w->objectName(), w->metaObject()->className());
        }
    }
    return unnamed;
}

// A codeplug as File > New makes it, with channels 1, 2 and 5 and an own 5-Tone ID, without
// which the 5-Tone editor refuses OK.
EditableState NewFixture() {
    Codeplug codeplug = test::NewTestCodeplug();
    test::AddChannels(codeplug.channels, {1, kEditedChannel, 5});
    codeplug.record.fiveTone.ownId = FixedText<6>::Value("22222");
    codeplug.record.fiveTone.ownIdLength = 5;
    return EditableStateOf(codeplug);
}

}  // namespace

class EditorContractTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    std::unique_ptr<AppSession> session_;
    test::RecordingReporter reporter_;
    std::unique_ptr<CodeplugDocument> document_;
    EditorRegistry registry_;

    EditableState settled_;

    QUndoStack& undoStack() { return document_->undoStack(); }

    // Every editor works on the same codeplug, in factory mode (the test data is edited
    // then) with every calling feature on. The state goes in through the document, which
    // repairs the references to channels as every edit does; no undo step is left.
    void startSession(const EditableState& state) {
        document_.reset();
        session_ = std::make_unique<AppSession>();
        session_->texts = test::DataTexts(Language::English);
        session_->features = {1, 1, 1, 0};
        session_->factoryMode = true;
        session_->codeplug = test::NewTestCodeplug();
        session_->codeplug.factoryMode = true;
        document_ = std::make_unique<CodeplugDocument>(session_->codeplug);
        document_->commit("setup", state);
        undoStack().clear();
        reporter_.shown.clear();
    }

    // Opens the editor as the window does and hands it to `act` once it is up and active.
    // `act` closes it; an editor still open afterwards is a failure, and is closed so that
    // the test can go on.
    void runEditor(const EditorRow& editor, const std::function<void(const DialogUser&)>& act) {
        bool opened = false;
        bool leftOpen = false;
        const QPointer<QTimer> watch = test::OnModal<QDialog>([&](QDialog* dialog) {
            opened = true;
            DialogUser user;
            user.attach(dialog);
            act(user);
            if (dialog->isVisible()) {
                for (const std::string& text : reporter_.shownTexts()) qWarning("%s", text.c_str());
                leftOpen = true;
                dialog->reject();
            }
        });
        registry_.open(editor.id, {*document_, *session_, reporter_, kEditedChannel, nullptr,
                                   editor.selection});
        delete watch.data();
        QVERIFY2(opened, "the editor did not open");
        QVERIFY2(!leftOpen, "the editor was left open");
    }

    // Saves the codeplug into a folder of its own and reads back every file the save wrote
    // (the data file, its channel file and, in factory mode, the test data), by file name.
    std::map<QString, QByteArray> savedFiles(const QString& folder) {
        return test::SavedFiles(*document_, dir_.filePath(folder), reporter_);
    }

  private slots:
    // A new codeplug holds a few values the way no editor stores them (times and channel
    // references of 0, a 2-Tone divider rounded the other way, 5-Tone texts of blanks only
    // where an editor stores an empty text); each editor stores what it shows, so its first
    // OK on a new codeplug is a step of its own. The editors start from the codeplug as they
    // store it: made once here, by opening each editor and pressing OK.
    void initTestCase() {
        RegisterEditors(registry_);
        startSession(NewFixture());
        for (const EditorRow& row : EditingRows()) {
            runEditor(row, [](const DialogUser& user) { user.ok(); });
        }
        QVERIFY(reporter_.shown.empty());
        settled_ = document_->editableState();
    }

    void init() { startSession(settled_); }
    void cleanup() {
        document_.reset();
        session_.reset();
    }

    void okWithoutAChangeAddsNoStep_data() { AddRows(EditingRows()); }
    void okWithoutAChangeAddsNoStep() {
        QFETCH(int, row);
        const EditableState before = document_->editableState();
        const bool modified = document_->isModified();
        runEditor(EditingRows()[row], [](const DialogUser& user) { user.ok(); });
        QCOMPARE(undoStack().count(), 0);
        QVERIFY(document_->editableState() == before);
        QCOMPARE(document_->isModified(), modified);
    }

    void cancelAndEscapeChangeNothing_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("escape");
        const std::vector<EditorRow>& rows = EditingRows();
        for (std::size_t i = 0; i < rows.size(); ++i) {
            QTest::addRow("%s, Cancel", rows[i].name) << int(i) << false;
            QTest::addRow("%s, Escape", rows[i].name) << int(i) << true;
        }
    }
    void cancelAndEscapeChangeNothing() {
        QFETCH(int, row);
        QFETCH(bool, escape);
        const EditorRow& editor = EditingRows()[row];
        const EditableState before = document_->editableState();
        const bool modified = document_->isModified();
        runEditor(editor, [&](const DialogUser& user) {
            editor.change(user);
            if (escape) {
                PressEscapeUntilClosed(user);
            } else {
                user.cancel();
            }
        });
        QCOMPARE(undoStack().count(), 0);
        QVERIFY(document_->editableState() == before);
        QCOMPARE(document_->isModified(), modified);
    }

    void oneChangeIsOneStepThatUndoTakesBack_data() { AddRows(EditingRows()); }
    void oneChangeIsOneStepThatUndoTakesBack() {
        QFETCH(int, row);
        const EditorRow& editor = EditingRows()[row];
        const std::map<QString, QByteArray> before = savedFiles("before");
        QVERIFY(before.count("radio.dat") && before.count("radio.fre"));
        const EditableState state = document_->editableState();

        runEditor(editor, [&](const DialogUser& user) {
            editor.change(user);
            user.ok();
        });
        QCOMPARE(undoStack().count(), 1);
        QVERIFY(!undoStack().undoText().isEmpty());
        QVERIFY(!(document_->editableState() == state));
        QVERIFY(savedFiles("changed") != before);  // the change reached the files

        undoStack().undo();
        QVERIFY(document_->editableState() == state);
        const std::map<QString, QByteArray> undone = savedFiles("undone");
        QCOMPARE(undone.size(), before.size());
        for (const auto& [name, bytes] : before) {
            QVERIFY2(undone.count(name), qPrintable(name));
            QVERIFY2(undone.at(name) == bytes, qPrintable(name + " differs after Undo"));
        }
        QVERIFY(reporter_.shown.empty());
    }

    // Every page of a tabbed editor is looked at, as a user turning its tabs sees it.
    void titledAndEveryControlNamed_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("editing");
        for (const bool editing : {true, false}) {
            const std::vector<EditorRow>& rows = editing ? EditingRows() : ReadOnlyRows();
            for (std::size_t i = 0; i < rows.size(); ++i) {
                QTest::newRow(rows[i].name) << int(i) << editing;
            }
        }
    }
    void titledAndEveryControlNamed() {
        QFETCH(int, row);
        QFETCH(bool, editing);
        const EditorRow& editor = (editing ? EditingRows() : ReadOnlyRows())[row];
        runEditor(editor, [](const DialogUser& user) {
            QWidget* window = user.window();
            QVERIFY(!window->windowTitle().trimmed().isEmpty());
            QStringList unnamed = UnnamedControls(window);
            for (QTabWidget* tabs : window->findChildren<QTabWidget*>()) {
                for (int tab = 1; tab < tabs->count(); ++tab) {
                    user.clickTab(tabs, tab);
                    unnamed << UnnamedControls(window);
                }
            }
            unnamed.removeDuplicates();
            QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(", ")));
            PressEscapeUntilClosed(user);
        });
        QCOMPARE(undoStack().count(), 0);
    }

    // A new editor joins the rows above, or this fails. A row opened on a selection (the
    // channel editor on several channels) is a second look at an editor already counted.
    void everyRegisteredEditorHasARow() {
        std::array<int, kEditorCount> rows{};
        for (const auto* table : {&EditingRows(), &ReadOnlyRows()}) {
            for (const EditorRow& row : *table) {
                if (row.selection.empty()) ++rows[static_cast<std::size_t>(row.id)];
            }
        }
        for (std::size_t i = 0; i < kEditorCount; ++i) {
            const EditorId id = static_cast<EditorId>(i);
            QVERIFY2(rows[i] == (registry_.has(id) ? 1 : 0), qPrintable(QString::number(i)));
        }
    }

    void everyCommandHasExactlyOneRow() {
        std::array<int, kCommandCount> rows{};
        for (const CommandEntry& entry : MainCommands()) {
            const auto index = static_cast<std::size_t>(entry.id);
            QVERIFY2(index < kCommandCount, entry.objectName);
            ++rows[index];
        }
        for (std::size_t i = 0; i < kCommandCount; ++i) {
            QVERIFY2(rows[i] == 1,
                     qPrintable(QString("command %1 has %2 rows").arg(i).arg(rows[i])));
        }
    }

    void everyEditorACommandOpensIsRegisteredOnce() {
        for (const CommandEntry& entry : MainCommands()) {
            if (!entry.editor) continue;
            QVERIFY2(static_cast<std::size_t>(*entry.editor) < kEditorCount, entry.objectName);
            QVERIFY2(registry_.registrationCount(*entry.editor) == 1, entry.objectName);
        }
    }
};

QTEST_MAIN(EditorContractTest)
#include "test_editor_contract.moc"
