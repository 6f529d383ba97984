// Editing many channels in the main window's list, as a user does it offscreen: selecting rows
// with the keyboard, copying them for a spreadsheet, pasting text from one, the row commands
// (insert, delete closing the gap, move, sort, drop) with the settings that name channels
// following them, and rows going from one window to another. After each, Undo gives back the
// exact file bytes.
#include <QClipboard>
#include <QComboBox>
#include <QMimeData>
#include <QTableView>
#include <QUndoStack>

#include "channel_edit/channel_cells.h"
#include "storage/codeplug_files.h"
#include "support/codeplug_fixtures.h"
#include "support/data_texts.h"
#include "support/dialog_driver.h"
#include "support/file_bytes.h"
#include "support/recording_reporter.h"
#include "support/test_home.h"
#include "ui/channel_clipboard.h"
#include "ui/channel_list_model.h"
#include "ui/main_window.h"

using namespace torvik;
using test::ModalDriver;

namespace {

// The list's titles as the shipped English language file has them.
constexpr const char* kEnglishHeader =
    "Channel\tReceive frequency (MHz)\tTransmit frequency (MHz)\tChannel name\tStep\t"
    "Bandwidth\tTX power\tCTCSS/DCS Decode\tCTCSS/DCS Encode\tOptional signalling";

}  // namespace

class ListEditingTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TestHome> home_;
    std::unique_ptr<AppSession> session_;
    std::unique_ptr<PortMap> ports_;
    std::unique_ptr<MainWindow> window_;

    MainWindow& window() { return *window_; }
    ChannelListModel* model() { return window_->channelModel(); }
    QTableView* list() { return window_->channelList(); }
    QString cell(int row, int column) { return model()->cell(row, column); }
    void trigger(const char* name) { window_->findChild<QAction*>(name)->trigger(); }

    // Channels 1..5 named after their numbers ("K3"), at 145.000 MHz and up in 1 MHz steps;
    // scan priority on channel 3, the emergency channel 5, power-on channel 4.
    void startWithChannels() {
        EditableState state = window().document().editableState();
        state.channels = ChannelTable{};
        for (int n = 1; n <= 5; ++n) {
            const std::string rx = "01" + std::to_string(44 + n) + "00000";
            *AppendChannel(state.channels) =
                test::UsedChannel(n, {.rx = rx, .name = "K", .nameEndsWithNumber = true});
        }
        state.record.scan.priorityChannel1 = 3;
        state.record.emergency.emergencyChannel = 5;
        state.record.options.powerOnChannel = 3;  // held as the number - 1
        window().document().commit("fixture", state);
        window().document().undoStack().clear();
    }

    // The data-file pair as saving it now would write it.
    QByteArray bytes() {
        test::RecordingReporter quiet;
        Codeplug copy = window().codeplug();
        const std::filesystem::path path = home_->std() + "/bytes.dat";
        if (!SaveCodeplug(path, copy, quiet)) return {};
        return test::ReadFileBytes(path) + test::ReadFileBytes(home_->std() + "/bytes.fre");
    }

    // Clicks row `row`'s cell in `column`, then Shift+Down `more` times, as a user selects.
    void selectByKeys(int row, int more, int column = 1) {
        list()->setFocus();
        const QRect rect = list()->visualRect(model()->index(row - 1, column));
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, rect.center());
        for (int i = 0; i < more; ++i) QTest::keyClick(list(), Qt::Key_Down, Qt::ShiftModifier);
    }

    QStringList names(int first, int last) {
        QStringList names;
        for (int row = first; row <= last; ++row) names << cell(row, kColumnName);
        return names;
    }
    QList<int> references() {
        const CodeplugRecord& r = window().codeplug().record;
        return {r.scan.priorityChannel1, r.emergency.emergencyChannel,
                r.options.powerOnChannel + 1};
    }

    // One step was pushed; its Undo gives back `before` exactly, and Redo the change again.
    void checkOneUndoStep(const QByteArray& before) {
        QCOMPARE(window().document().undoStack().count(), 1);
        const QByteArray after = bytes();
        QVERIFY(after != before);
        window().document().undoStack().undo();
        QCOMPARE(bytes(), before);
        window().document().undoStack().redo();
        QCOMPARE(bytes(), after);
    }

  private slots:
    void init() {
        home_ = std::make_unique<test::TestHome>();
        home_->useLanguageFilesFrom(TORVIK_DATA_DIR "/language");
        session_ = RunStartup({home_->std(), "en_US.UTF-8", std::nullopt});
        ports_ = std::make_unique<PortMap>(ProfileFile{});
        window_ = std::make_unique<MainWindow>(*session_, *ports_);
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
        QGuiApplication::clipboard()->clear();
        startWithChannels();
    }
    void cleanup() {
        window_.reset();
        session_.reset();
        home_.reset();
    }

    void selectedRowsCopyAsSpreadsheetText() {
        selectByKeys(2, 2, kColumnName);
        QCOMPARE(window().selectedRows(), (std::vector<int>{2, 3, 4}));
        QTest::keyClick(list(), Qt::Key_C, Qt::ControlModifier);
        const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
        QVERIFY(copied->hasFormat(kChannelSlotsMimeType));
        const QStringList lines = copied->text().split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 4);
        QCOMPARE(lines[0], QString(kEnglishHeader));
        QVERIFY2(lines[1].startsWith("1\t146.00000\t146.00000\tK2\t"), qPrintable(lines[1]));
        QVERIFY(lines[3].startsWith("3\t148.00000\t148.00000\tK4\t"));
    }

    // Pastes of spreadsheet text at row 10 (or at the current column), each one undo step.
    void pastesSpreadsheetText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("column");      // the current cell's column when pasting
        QTest::addColumn<QStringList>("rx");  // rows 10.. receive frequency afterwards
        QTest::addColumn<QStringList>("name");
        QTest::newRow("list titles")
            << QString(kEnglishHeader) + "\n0\t150.0\t\tONE\n1\t151.0\t\tTWO\n"
            << int(kColumnRxFreq) << QStringList{"150.00000", "151.00000"}
            << QStringList{"ONE", "TWO"};
        QTest::newRow("Chinese titles, columns shuffled")
            << "信道名称\t接收频率(MHz)\nUNO\t152.5\nDUE\t153.5\n"
            << int(kColumnName) << QStringList{"152.50000", "153.50000"}
            << QStringList{"UNO", "DUE"};
        QTest::newRow("interchange columns")
            << "Location\tName\tFrequency\tDuplex\tOffset\n0\tCSV1\t146.52\t\t0\n1\tCSV2\t147.0\t+"
               "\t0.6\n"
            << int(kColumnRxFreq) << QStringList{"146.52000", "147.00000"}
            << QStringList{"CSV1", "CSV2"};
        QTest::newRow("no header, from the current column")
            << "144.5\t\tFIRST\n144.75\t\tSECOND\n"
            << int(kColumnRxFreq) << QStringList{"144.50000", "144.75000"}
            << QStringList{"FIRST", "SECOND"};
    }
    void pastesSpreadsheetText() {
        QFETCH(QString, text);
        QFETCH(int, column);
        QFETCH(QStringList, rx);
        QFETCH(QStringList, name);
        const QByteArray before = bytes();
        list()->setCurrentIndex(model()->index(9, column));
        list()->setFocus();
        QGuiApplication::clipboard()->setText(text);
        QTest::keyClick(list(), Qt::Key_V, Qt::ControlModifier);
        for (int i = 0; i < rx.size(); ++i) {
            QCOMPARE(cell(10 + i, kColumnRxFreq), rx[i]);
            QCOMPARE(cell(10 + i, kColumnName), name[i]);
        }
        checkOneUndoStep(before);
    }

    // A single column fills the current column from the current row down.
    void singleColumnFillsDown() {
        const QByteArray before = bytes();
        list()->setCurrentIndex(model()->index(1, kColumnName));
        QGuiApplication::clipboard()->setText("A\nB\nC\n");
        trigger("MnuCHPaste");
        QCOMPARE(names(1, 5), (QStringList{"K1", "A", "B", "C", "K5"}));
        checkOneUndoStep(before);
    }

    // Refused cells are listed in one question: apply the rest, or nothing.
    void refusedCellsAskApplyRestOrNothing_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("apply the rest") << int(QMessageBox::Yes) << QStringList{"NEW1", "K2"};
        QTest::newRow("apply nothing") << int(QMessageBox::No) << QStringList{"K1", "K2"};
    }
    void refusedCellsAskApplyRestOrNothing() {
        QFETCH(int, answer);
        QFETCH(QStringList, names);
        const QByteArray before = bytes();
        list()->setCurrentIndex(model()->index(0, kColumnName));
        QGuiApplication::clipboard()->setText("NEW1\tnot-a-step\n");
        ModalDriver driver;
        driver.box(static_cast<QMessageBox::StandardButton>(answer));
        trigger("MnuCHPaste");
        QVERIFY(driver.done());
        QCOMPARE(driver.texts.size(), 1);
        QVERIFY2(driver.texts[0].contains("\"not-a-step\""), qPrintable(driver.texts[0]));
        QCOMPARE(this->names(1, 2), names);
        if (answer == QMessageBox::Yes) {
            checkOneUndoStep(before);
        } else {
            QCOMPARE(bytes(), before);
            QCOMPARE(window().document().undoStack().count(), 0);
        }
    }

    // Cut of a selection empties every row in one step; Paste at another row brings them
    // back there exactly.
    void cutAndPasteSeveralRows() {
        const QByteArray before = bytes();
        selectByKeys(1, 1);
        QTest::keyClick(list(), Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(names(1, 3), (QStringList{"", "", "K3"}));
        checkOneUndoStep(before);
        list()->setCurrentIndex(model()->index(19, 1));
        list()->selectionModel()->clearSelection();
        trigger("MnuCHPaste");
        QCOMPARE(names(20, 21), (QStringList{"K1", "K2"}));
        QCOMPARE(window().document().undoStack().count(), 2);
    }

    // op: the action triggered; rows selected first; names of rows 1..6 after; the scan
    // priority, emergency and power-on channels after (they named 3, 5 and 4).
    void rowCommandsKeepReferences_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("more");
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<QList<int>>("refs");
        QTest::newRow("insert at 2")
            << "mnuCHInsert" << 2 << 0 << QStringList{"K1", "", "K2", "K3", "K4", "K5"}
            << QList<int>{4, 6, 5};
        QTest::newRow("delete 2..3 closing the gap")
            << "mnuCHDeleteRows" << 2 << 1 << QStringList{"K1", "K4", "K5", "", "", ""}
            << QList<int>{3, 3, 2};
        QTest::newRow("move 4..5 up")
            << "mnuCHMoveUp" << 4 << 1 << QStringList{"K1", "K2", "K4", "K5", "K3", ""}
            << QList<int>{5, 4, 3};
        QTest::newRow("move 1 down")
            << "mnuCHMoveDown" << 1 << 0 << QStringList{"K2", "K1", "K3", "K4", "K5", ""}
            << QList<int>{3, 5, 4};
    }
    void rowCommandsKeepReferences() {
        QFETCH(QString, action);
        QFETCH(int, first);
        QFETCH(int, more);
        QFETCH(QStringList, after);
        QFETCH(QList<int>, refs);
        const QByteArray before = bytes();
        selectByKeys(first, more);
        trigger(action.toLatin1().constData());
        QCOMPARE(names(1, 6), after);
        QCOMPARE(references(), refs);
        checkOneUndoStep(before);
    }

    // Alt+Down twice moves the selected rows two places; the selection goes with them.
    void movingByKeysCarriesTheSelection() {
        selectByKeys(1, 1);
        QTest::keyClick(list(), Qt::Key_Down, Qt::AltModifier);
        QTest::keyClick(list(), Qt::Key_Down, Qt::AltModifier);
        QCOMPARE(names(1, 5), (QStringList{"K3", "K4", "K1", "K2", "K5"}));
        QCOMPARE(window().selectedRows(), (std::vector<int>{3, 4}));
        QCOMPARE(window().document().undoStack().count(), 2);
    }

    void insertIsRefusedWhenTheLastChannelHoldsData() {
        list()->setCurrentIndex(model()->index(kMemoryChannels - 1, 1));
        QGuiApplication::clipboard()->setText("150.0\n");
        trigger("MnuCHPaste");
        const QByteArray before = bytes();
        list()->setCurrentIndex(model()->index(0, 1));
        ModalDriver driver;
        driver.box(QMessageBox::Ok);
        trigger("mnuCHInsert");
        QVERIFY(driver.done());
        QVERIFY(driver.texts[0].contains("199"));
        QCOMPARE(bytes(), before);
    }

    void sortByAColumnThroughTheDialog() {
        const QByteArray before = bytes();
        selectByKeys(1, 4);
        ModalDriver driver;
        driver.dialog("SortRows", [](QWidget* dialog) {
            auto* column = dialog->findChild<QComboBox*>("SortColumn");
            column->setCurrentIndex(column->findData(int(kColumnRxFreq)));
            QTest::keyClick(dialog->findChild<QWidget*>("SortDescending"), Qt::Key_Space);
            QTest::keyClick(dialog, Qt::Key_Return);
        });
        trigger("mnuCHSort");
        QVERIFY(driver.done());
        QCOMPARE(names(1, 5), (QStringList{"K5", "K4", "K3", "K2", "K1"}));
        QCOMPARE(references(), (QList<int>{3, 1, 2}));
        checkOneUndoStep(before);
    }

    // Rows dragged within the list move; the settings follow them.
    void droppedRowsMoveWithinTheList() {
        const QByteArray before = bytes();
        selectByKeys(4, 1);
        QMimeData* dragged = model()->mimeData(list()->selectionModel()->selectedIndexes());
        model()->dropMimeData(dragged, Qt::MoveAction, -1, -1, model()->index(0, 1));
        delete dragged;
        QTRY_COMPARE(names(1, 5), (QStringList{"K4", "K5", "K1", "K2", "K3"}));
        QCOMPARE(references(), (QList<int>{5, 2, 1}));
        checkOneUndoStep(before);
    }

    // A second window has its own codeplug and history; rows copy into it exactly, and
    // closing it asks about its own codeplug only.
    void rowsGoToASecondWindow() {
        const QByteArray firstBefore = bytes();
        trigger("mnuFileNewWindow");
        MainWindow* second = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* m = qobject_cast<MainWindow*>(w); m && m != window_.get()) second = m;
        }
        QVERIFY(second);
        QVERIFY(second->codeplug().channels.find(1) == nullptr);

        selectByKeys(1, 2);
        trigger("MnuCHCopy");
        second->channelList()->setCurrentIndex(second->channelModel()->index(49, 1));
        second->findChild<QAction*>("MnuCHPaste")->trigger();
        for (int row = 1; row <= 3; ++row) {
            ChannelRecord expected = *window().codeplug().channels.find(row);
            expected.Number = static_cast<std::int16_t>(49 + row);
            QCOMPARE(*second->codeplug().channels.find(49 + row), expected);
        }
        QVERIFY(second->document().isModified());
        QCOMPARE(bytes(), firstBefore);
        QCOMPARE(window().document().undoStack().count(), 0);

        QPointer<MainWindow> closing(second);
        ModalDriver driver;
        driver.box(QMessageBox::No);
        second->close();
        QVERIFY(driver.done());
        QCOMPARE(driver.texts.size(), 1);
        QTRY_VERIFY(closing.isNull());
        QVERIFY(window().isVisible());
    }
};

QTEST_MAIN(ListEditingTest)
#include "test_list_editing.moc"
