// The channel editor opened on several channels, driven as a user drives it (keys and clicks on
// the real controls, offscreen): what it shows for mixed fields, what OK stores, what happens
// when some channels refuse a value, Cancel, and that Undo gives back the saved files byte for
// byte. It is opened through the editor registry as the window opens it, and from the window's
// list itself.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>
#include <deque>
#include <functional>
#include <map>

#include "bulk_fixture.h"
#include "channel_edit/channel_keys.h"
#include "link/serial/port_map.h"
#include "support/data_texts.h"
#include "support/dialog_driver.h"
#include "support/recording_reporter.h"
#include "support/saved_files.h"
#include "ui/channel_editor/channel_bulk_edit_dialog.h"
#include "ui/channel_list_model.h"
#include "ui/editor_registry.h"
#include "ui/main_window.h"
#include "ui/ui_text.h"

using namespace torvik;
using test::DialogUser;

namespace {

using Names = std::vector<std::string_view>;

constexpr int kSquelchFull = 4;  // the squelch mode that needs a tone and a signalling

// The window's session over the fixture's channels, and the editors registered as the window
// registers them.
struct Session {
    explicit Session(Language language = Language::English) {
        app.language = language;
        app.texts = test::DataTexts(language);
        app.features = {1, 1, 1, 0};
        app.codeplug = test::BulkFixture();
        reporter.lang = language;
        document = std::make_unique<CodeplugDocument>(app.codeplug);
        RegisterEditors(registry);
    }

    // Opens the channel editor as the window does on the list's current row and selection,
    // and hands it to `act` once it is up. `act` may leave it open: it is cancelled then.
    // Returns whether `act` left it open.
    bool open(int row, const std::vector<int>& selection,
              const std::function<void(const DialogUser&)>& act) {
        bool opened = false;
        bool leftOpen = false;
        const QPointer<QTimer> watch = test::OnModal<QDialog>([&](QDialog* dialog) {
            opened = true;
            DialogUser user;
            user.attach(dialog);
            // With TORVIK_GRAB_DIR set, each editor leaves a picture of itself as it opened.
            const QString grabs = qEnvironmentVariable("TORVIK_GRAB_DIR");
            if (!grabs.isEmpty()) {
                dialog->grab().save(QString("%1/%2-%3-%4.png")
                                        .arg(grabs, dialog->objectName(),
                                             QTest::currentTestFunction(),
                                             QTest::currentDataTag()));
            }
            act(user);
            if (dialog->isVisible()) {
                leftOpen = true;
                user.cancel();
            }
        });
        registry.open(EditorId::Channel, {*document, app, reporter, row, nullptr, selection});
        delete watch.data();
        if (!opened) qWarning("the editor did not open");
        return leftOpen;
    }

    std::map<QString, QByteArray> savedFiles(const QString& folder) {
        return test::SavedFiles(*document, dir.filePath(folder), reporter);
    }

    const ChannelRecord& channel(int row) const { return *app.codeplug.channels.find(row); }

    AppSession app;
    test::RecordingReporter reporter;
    std::unique_ptr<CodeplugDocument> document;
    EditorRegistry registry;
    QTemporaryDir dir;
};

bool IsBulkEditor(const DialogUser& user) {
    return user.window()->objectName() == "FrmCHBulkEdit";
}

// One row of the table: what the user does in the editor opened on the fixture's channels
// (ending with OK or Cancel), the answer to the question about channels that refuse a value,
// and what is expected: whether a step was stored, the record fields each channel changed
// (a channel not named changes nothing), and the words the question or message has.
struct DialogCase {
    const char* name;
    std::function<void(const DialogUser&)> act;
    std::deque<Answer> answers;
    bool stored;
    std::map<int, Names> changed;
    QStringList said;
};

const std::vector<DialogCase>& Cases() {
    static const std::vector<DialogCase> cases{
        {"a field the channels share",
         [](const DialogUser& user) {
             QCOMPARE(user.combo("ComboPower")->currentIndex(), 0);
             user.choose(user.combo("ComboPower"), 2);
             user.ok();
         },
         {},
         true,
         {{1, {"TxPower"}}, {2, {"TxPower"}}, {5, {"TxPower"}}},
         {}},
        {"a mixed field",
         [](const DialogUser& user) {
             QComboBox* bandwidth = user.combo("ComboBandwidth");
             QCOMPARE(bandwidth->currentIndex(), -1);
             QCOMPARE(bandwidth->placeholderText(), QString("(mixed)"));
             QCOMPARE(bandwidth->accessibleDescription(), QString("(mixed)"));
             user.choose(bandwidth, 1);  // 20KHz
             QVERIFY(bandwidth->accessibleDescription().isEmpty());
             user.ok();
         },
         {},
         true,
         {{1, {"Bandwidth"}}, {2, {"Bandwidth"}}, {5, {"Bandwidth"}}},
         {}},
        {"a mixed switch",
         [](const DialogUser& user) {
             QCheckBox* talkaround = user.check("CheckTalkaround");
             QCOMPARE(talkaround->checkState(), Qt::PartiallyChecked);
             user.click(talkaround);
             QCOMPARE(talkaround->checkState(), Qt::Checked);
             user.ok();
         },
         {},
         true,
         {{2, {"Talkaround"}}, {5, {"Talkaround"}}},
         {}},
        {"one name box",
         [](const DialogUser& user) {
             QCOMPARE(user.text("TextName1")->text(), QString("A"));
             QVERIFY(user.text("TextName3")->text().isEmpty());  // P or T: mixed
             QCOMPARE(user.text("TextName3")->accessibleDescription(), QString("(mixed)"));
             QTest::mouseClick(user.text("TextName3"), Qt::LeftButton);
             user.type("Z");
             QCOMPARE(user.focusName(), QString("TextName4"));
             user.ok();
         },
         {},
         true,
         {{1, {"Name"}}, {2, {"Name"}}, {5, {"Name"}}},
         {}},
        {"a squelch mode one channel refuses, stored in the others",
         [](const DialogUser& user) {
             user.choose(user.combo("ComboPower"), 1);
             user.choose(user.combo("ComboSquelch"), kSquelchFull);
             user.ok();
         },
         {Answer::Ok},
         true,
         {{1, {"TxPower"}}, {5, {"TxPower"}}},
         {"Squelch", "channels 1", "(2 of 3)", "Channels 1 stay"}},
        {"a squelch mode one channel refuses, the question cancelled",
         [](const DialogUser& user) {
             user.choose(user.combo("ComboPower"), 1);
             user.choose(user.combo("ComboSquelch"), kSquelchFull);
             user.ok();
             QVERIFY(user.window()->isVisible());  // back in the editor
         },
         {Answer::Cancel},
         false,
         {},
         {"channels 1"}},
        {"a squelch mode every channel refuses",
         [](const DialogUser& user) {
             user.choose(user.combo("ComboRxToneType"), 0);  // no tone: no channel offers F1
             user.choose(user.combo("ComboSquelch"), 1);
             user.ok();
             QVERIFY(user.window()->isVisible());
         },
         {},
         false,
         {},
         {"channels 0, 1, 4", "None of the selected channels"}},
        {"Cancel",
         [](const DialogUser& user) {
             user.choose(user.combo("ComboPower"), 2);
             user.cancel();
         },
         {},
         false,
         {},
         {}},
        {"Escape",
         [](const DialogUser& user) {
             user.click(user.check("CheckScanSkip"));
             user.key(Qt::Key_Escape);
         },
         {},
         false,
         {},
         {}},
        {"OK without a change", [](const DialogUser& user) { user.ok(); }, {}, false, {}, {}},
    };
    return cases;
}

}  // namespace

class ChannelBulkEditDialogTest : public QObject {
    Q_OBJECT

  public:
    // The main window reads its geometry from the per-user settings: keep the user's own
    // settings out of the tests.
    static void initMain() {
        static QTemporaryDir config;
        qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    }

  private slots:
    void editingMixedFields_data() {
        QTest::addColumn<int>("row");
        for (std::size_t i = 0; i < Cases().size(); ++i) QTest::newRow(Cases()[i].name) << int(i);
    }
    void editingMixedFields() {
        QFETCH(int, row);
        const DialogCase& test = Cases()[static_cast<std::size_t>(row)];
        Session s;
        s.reporter.answers = test.answers;
        const std::map<QString, QByteArray> before = s.savedFiles("before");
        QVERIFY(before.count("radio.dat") && before.count("radio.fre"));
        const EditableState state = s.document->editableState();
        const ChannelTable channels = s.app.codeplug.channels;

        bool bulk = false;
        s.open(2, test::kBulkSelection, [&](const DialogUser& user) {
            bulk = IsBulkEditor(user);
            test.act(user);
        });
        QVERIFY(bulk);

        QString said;
        for (const std::string& text : s.reporter.asked) said += QString::fromStdString(text);
        for (const std::string& text : s.reporter.shownTexts())
            said += QString::fromStdString(text);
        for (const QString& words : test.said) QVERIFY2(said.contains(words), qPrintable(said));
        if (test.said.isEmpty()) QVERIFY2(said.isEmpty(), qPrintable(said));

        for (const int number : test::kBulkChannels) {
            const auto expected = test.changed.find(number);
            QCOMPARE(ChangedFields(kChannelRecordFields, *channels.find(number), s.channel(number)),
                     expected == test.changed.end() ? Names{} : expected->second);
        }
        if (!test.stored) {
            QCOMPARE(s.document->undoStack().count(), 0);
            QVERIFY(s.document->editableState() == state);
            return;
        }
        QCOMPARE(s.document->undoStack().count(), 1);
        QVERIFY(s.savedFiles("changed") != before);
        s.document->undoStack().undo();
        QVERIFY(s.document->editableState() == state);
        QVERIFY(s.savedFiles("undone") == before);
    }

    void namesTheStepByTheChannelsStored() {
        Session s;
        s.open(1, test::kBulkSelection, [](const DialogUser& user) {
            user.choose(user.combo("ComboPower"), 2);
            user.ok();
        });
        QCOMPARE(s.document->undoStack().undoText(), QString("Edit 3 channels"));

        s.reporter.answers = {Answer::Ok};
        s.open(1, {1, 2}, [](const DialogUser& user) {
            user.choose(user.combo("ComboSquelch"), kSquelchFull);  // channel 2 refuses
            user.choose(user.combo("ComboBandwidth"), 1);
            user.ok();
        });
        QCOMPARE(s.document->undoStack().undoText(), QString("Edit channel 0"));
    }

    // Several selected rows with channels open the editor of several channels; one channel
    // among them, the editor of that channel; none, the editor of the current row.
    void opensTheEditorTheSelectionNeeds_data() {
        QTest::addColumn<int>("current");
        QTest::addColumn<std::vector<int>>("selection");
        QTest::addColumn<QString>("editor");
        QTest::addColumn<QString>("title");
        QTest::newRow("three channels and an empty row")
            << 3 << test::kBulkSelection << "FrmCHBulkEdit"
            << "Edit channel - 3 channels";
        QTest::newRow("one channel and an empty row") << 3 << std::vector<int>{3, 5} << "FrmCHEdit"
                                                      << "Edit channel - 4";
        QTest::newRow("no channel") << 4 << std::vector<int>{3, 4} << "FrmCHEdit"
                                    << "Edit channel - 3";
        QTest::newRow("the current row alone") << 2 << std::vector<int>{} << "FrmCHEdit"
                                               << "Edit channel - 1";
    }
    void opensTheEditorTheSelectionNeeds() {
        QFETCH(int, current);
        QFETCH(std::vector<int>, selection);
        QFETCH(QString, editor);
        QFETCH(QString, title);
        Session s;
        QString opened;
        QString shownTitle;
        s.open(current, selection, [&](const DialogUser& user) {
            opened = user.window()->objectName();
            shownTitle = user.window()->windowTitle();
            user.cancel();
        });
        QCOMPARE(opened, editor);
        QCOMPARE(shownTitle, title);
    }

    void frequenciesAreNotOffered() {
        Session s;
        s.open(1, test::kBulkSelection, [](const DialogUser& user) {
            QVERIFY(!user.text("TextRxFreq")->isVisible());
            QVERIFY(!user.text("TextTxFreq")->isVisible());
            QVERIFY(user.get<QLabel>("LabelBulkHint")->text().contains("Frequencies"));
            user.cancel();
        });
    }

    // Every field from the keyboard: the focus starts in the first name box, Tab and Enter
    // walk the fields, Ctrl+Enter is OK.
    void workedFromTheKeyboard() {
        Session s;
        s.open(1, test::kBulkSelection, [](const DialogUser& user) {
            QCOMPARE(user.focusName(), QString("TextName1"));
            for (int i = 0; i < kNameBoxes; ++i) user.key(Qt::Key_Tab);
            QCOMPARE(user.focusName(), QString("ComboStep"));
            user.key(Qt::Key_Return);
            user.key(Qt::Key_Return);
            QCOMPARE(user.focusName(), QString("ComboPower"));
            user.key(Qt::Key_End);  // low
            user.key(Qt::Key_Return);
            QCOMPARE(user.focusName(), QString("ComboSignaling"));
            user.key(Qt::Key_Home);  // no signalling: the number list goes
            QVERIFY(!user.combo("ComboDtmfMemory")->isVisible());
            user.check("CheckCompander")->setFocus();
            user.key(Qt::Key_Space);
            user.key(Qt::Key_Return, Qt::ControlModifier);
        });
        QCOMPARE(s.document->undoStack().count(), 1);
        for (const int number : test::kBulkChannels) {
            QCOMPARE(int(s.channel(number).TxPower), 2);
            QCOMPARE(int(s.channel(number).Signaling), kSignalingNone);
            QCOMPARE(int(s.channel(number).Compander), 1);
        }
        QCOMPARE(int(s.channel(1).DtmfCodeNo), 2);  // kept: the number list was not touched
    }

    void textsInBothLanguages_data() { test::LanguageRows(); }
    void textsInBothLanguages() {
        QFETCH(int, language);
        const auto lang = Language(language);
        Session s(lang);
        auto builtIn = [lang](TextId id) { return BuiltInQ(id, lang); };
        s.reporter.answers = {Answer::Cancel};
        s.open(1, test::kBulkSelection, [&](const DialogUser& user) {
            QVERIFY(user.window()->windowTitle().endsWith(builtIn(TextId::BulkEditSubject).arg(3)));
            QCOMPARE(user.get<QLabel>("LabelBulkHint")->text(), builtIn(TextId::BulkEditHint));
            QCOMPARE(user.combo("ComboBandwidth")->placeholderText(), builtIn(TextId::MixedValues));
            user.choose(user.combo("ComboSquelch"), kSquelchFull);
            user.ok();
            user.cancel();
        });
        QCOMPARE(s.reporter.asked.size(), std::size_t(1));
        const QString asked = QString::fromStdString(s.reporter.asked.front());
        QVERIFY(asked.startsWith(builtIn(TextId::BulkRefusedHeading)));
        QVERIFY(asked.contains(
            builtIn(TextId::BulkRefusedField)
                .arg(QString::fromStdString(s.app.texts.langText(kKeyChannelSquelch)), "1")));
        if (lang == Language::Chinese) {
            QCOMPARE(builtIn(TextId::MixedValues), QString::fromUtf8("（多个值）"));
        }
    }

    // The window's list: rows chosen with the mouse and Shift, then Enter, edit them all.
    void openedOnTheListsSelection() {
        AppSession session;
        session.texts = test::DataTexts(Language::English);
        session.features = {1, 1, 1, 0};
        session.codeplug = test::BulkFixture();
        PortMap ports(ProfileFile::Parse(""));
        MainWindow window(session, ports);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTableView* list = window.channelList();
        ChannelListModel* model = window.channelModel();

        DialogUser user;
        user.clickCell(list, 0, 7);  // channel 1, power
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ShiftModifier,
                          list->visualRect(model->index(4, 7)).center());  // to channel 5
        QString opened;
        const QPointer<QTimer> watch = test::OnModal<QDialog>([&](QDialog* dialog) {
            opened = dialog->objectName();
            user.attach(dialog);
            user.choose(user.combo("ComboPower"), 2);
            user.ok();
        });
        QTest::keyClick(list, Qt::Key_Return);
        delete watch.data();
        QCOMPARE(opened, QString("FrmCHBulkEdit"));
        QCOMPARE(window.document().undoStack().undoText(), QString("Edit 3 channels"));
        const QString low = QString::fromStdString(session.texts.langText(kKeyChannelPowerLow));
        for (const int number : test::kBulkChannels) QCOMPARE(model->cell(number, 7), low);
        QVERIFY(model->cell(3, 7).isEmpty());  // the empty row stays empty
    }
};

QTEST_MAIN(ChannelBulkEditDialogTest)
#include "test_channel_bulk_edit_dialog.moc"
