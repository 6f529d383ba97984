// The window's safe radio sessions against the virtual radio on a pseudo-terminal: a backup
// of every read, the check after a write, the changes shown before it, comparisons with a
// file and with the radio, and the settings remembered.
#include <QAction>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTableWidget>

#include "storage/backups.h"
#include "storage/codeplug_files.h"
#include "support/dialog_driver.h"
#include "support/recording_reporter.h"
#include "support/test_home.h"
#include "ui/channel_list_model.h"
#include "ui/main_window.h"
#include "ui/safety/compare_dialog.h"

using namespace torvik;
using test::ModalDriver;

namespace {

constexpr int kSessionTimeoutMs = 60000;

}  // namespace

class SafeSessionsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TestHome> home_;
    QProcess radio_;
    std::unique_ptr<AppSession> session_;
    std::unique_ptr<PortMap> ports_;
    std::unique_ptr<MainWindow> window_;

    MainWindow& window() { return *window_; }
    QAction* action(const char* name) { return window().findChild<QAction*>(name); }
    std::filesystem::path backupFolder() const {
        return std::filesystem::path(home_->std()) / "data" / "torvik" / "backups";
    }

    // A virtual radio with its own memory and these faults, in place of the one before.
    void startRadio(const QStringList& faults) {
        radio_.terminate();
        radio_.waitForFinished(5000);
        QFile::remove(home_->path("radio.img"));
        radio_.setProgram(TORVIK_RADIO_PATH);
        radio_.setArguments(
            QStringList{"--image", home_->path("radio.img"), "--home", TORVIK_BIN_DIR} + faults);
        radio_.start();
        QVERIFY(radio_.waitForReadyRead(10000));
        const std::string device = radio_.readLine().trimmed().toStdString();
        window().portSettings().port = PortId::Number(ports_->addVirtual(device));
    }

    // Runs a command to the end of everything it does; false when it failed or never ended.
    bool runSession(const char* name) {
        QSignalSpy finished(&window(), &MainWindow::linkSessionFinished);
        action(name)->trigger();
        if (!finished.wait(kSessionTimeoutMs) && finished.isEmpty()) return false;
        return finished.first().at(1).toBool();
    }

    void setChecked(const char* name, bool on) {
        if (action(name)->isChecked() != on) action(name)->trigger();
    }

    bool read() {
        ModalDriver driver;
        driver.box(QMessageBox::Ok).box(QMessageBox::Ok);
        return runSession("mnuProRead");
    }

  private slots:
    void initTestCase() {
        home_ = std::make_unique<test::TestHome>();
        qputenv("XDG_DATA_HOME", home_->path("data").toUtf8());
        session_ = RunStartup({home_->std(), "en_US.UTF-8", std::nullopt});
        ports_ = std::make_unique<PortMap>(ProfileFile{});
        window_ = std::make_unique<MainWindow>(*session_, *ports_);
        window().show();
        startRadio({});
    }
    void cleanupTestCase() {
        window_.reset();
        radio_.terminate();
        radio_.waitForFinished(5000);
    }

    void everyReadKeepsABackup() {
        QVERIFY(read());
        const std::vector<std::filesystem::path> backups = ListBackups(backupFolder());
        QCOMPARE(backups.size(), std::size_t{1});
        Codeplug backup = window().codeplug();
        test::RecordingReporter quiet;
        QVERIFY(OpenCodeplug(backups[0], backup, quiet));
        QVERIFY(CompareCodeplugs(backup, window().codeplug(), quiet).empty());
        // Turned off, a read keeps none.
        setChecked("mnuProBackupReads", false);
        QVERIFY(read());
        QCOMPARE(ListBackups(backupFolder()).size(), std::size_t{1});
        setChecked("mnuProBackupReads", true);
    }

    void settingsAreRemembered() {
        setChecked("mnuProVerify", true);
        setChecked("mnuProTrace", true);
        AppSession again = *RunStartup({home_->std(), "en_US.UTF-8", std::nullopt});
        PortMap ports{ProfileFile{}};
        MainWindow other(again, ports);
        QVERIFY(other.findChild<QAction*>("mnuProVerify")->isChecked());
        QVERIFY(other.findChild<QAction*>("mnuProTrace")->isChecked());
        QVERIFY(!other.findChild<QAction*>("mnuProCompareFirst")->isChecked());
        QCOMPARE(other.findChild<QAction*>("mnuProVerify")->text(), "&Verify after writing");
        setChecked("mnuProTrace", false);
    }

    void verifyCatchesABlockStoredWrongly() {
        setChecked("mnuProVerify", true);
        startRadio({"--store-wrong", "100"});
        ModalDriver driver;
        driver.box(QMessageBox::Ok).box(QMessageBox::Ok).box(QMessageBox::Ok);
        QVERIFY(!runSession("MnuProWrite"));
        QVERIFY2(driver.texts.last().startsWith(
                     "Verify failed: 10 of the blocks written differ in the radio, in "),
                 qPrintable(driver.texts.join('|')));
        QVERIFY(driver.unexpected.isEmpty());

        startRadio({});
        ModalDriver clean;
        clean.box(QMessageBox::Ok).box(QMessageBox::Ok).box(QMessageBox::Ok);
        QVERIFY(runSession("MnuProWrite"));
        QCOMPARE(clean.texts.last(), "Verified: the radio holds what was written.");
        setChecked("mnuProVerify", false);
    }

    void changesAreShownBeforeWriting() {
        startRadio({});
        {
            ModalDriver write;
            write.box(QMessageBox::Ok).box(QMessageBox::Ok);
            QVERIFY(runSession("MnuProWrite"));
        }
        window().channelList()->setCurrentIndex(window().channelModel()->index(0, 1));
        window().runClipboardCommand(ClipboardCommand::Delete);
        setChecked("mnuProCompareFirst", true);
        setChecked("mnuProBackupFirst", true);
        const std::size_t backupsBefore = ListBackups(backupFolder()).size();

        // Cancel in the list of changes: nothing is written.
        QStringList rows;
        ModalDriver cancelled;
        cancelled.dialog("FrmCompare", [&rows](QWidget* w) {
            auto* dialog = static_cast<CompareDialog*>(w);
            QTableWidget* table = dialog->table();
            for (int r = 0; r < table->rowCount(); ++r) {
                rows << table->item(r, 0)->text() + "|" + table->item(r, 2)->text() + "|" +
                            table->item(r, 3)->text();
            }
            QCOMPARE(table->accessibleName(), dialog->heading()->text());
            dialog->findChild<QPushButton*>("CmdCancel")->click();
        });
        QVERIFY(!runSession("MnuProWrite"));
        QVERIFY(cancelled.done());
        QCOMPARE(rows.size(), 1);
        QVERIFY2(rows[0].startsWith("Channel 0|") && rows[0].endsWith("|(None)"),
                 qPrintable(rows[0]));
        // The radio was read into a backup first, each time.
        QCOMPARE(ListBackups(backupFolder()).size(), backupsBefore + 1);

        // Write in the list of changes: the write goes on, and the radio then holds this
        // codeplug.
        ModalDriver written;
        written
            .dialog("FrmCompare",
                    [](QWidget* w) { w->findChild<QPushButton*>("CmdWrite")->click(); })
            .box(QMessageBox::Ok)
            .box(QMessageBox::Ok);
        QVERIFY(runSession("MnuProWrite"));
        QVERIFY(written.done());
        setChecked("mnuProCompareFirst", false);
        setChecked("mnuProBackupFirst", false);

        QString heading;
        ModalDriver compared;
        compared.dialog("FrmCompare", [&heading](QWidget* w) {
            heading = static_cast<CompareDialog*>(w)->heading()->text();
            w->findChild<QPushButton*>("CmdClose")->click();
        });
        QVERIFY(runSession("mnuProCompare"));
        QCOMPARE(heading, "The codeplugs are the same.");
    }

    void compareWithAFile() {
        Codeplug file = window().codeplug();
        file.channels.find(2)->TxPower = 2;
        test::RecordingReporter quiet;
        const std::filesystem::path path = std::filesystem::path(home_->std()) / "other.dat";
        QVERIFY(SaveCodeplug(path, file, quiet));
        window().setOpenFileChooser([path](const QString&, const std::filesystem::path&) {
            return std::optional<std::filesystem::path>(path);
        });
        QStringList row;
        QString column;
        ModalDriver driver;
        driver.dialog("FrmCompare", [&](QWidget* w) {
            QTableWidget* table = static_cast<CompareDialog*>(w)->table();
            for (int c = 0; c < table->columnCount(); ++c) row << table->item(0, c)->text();
            column = table->horizontalHeaderItem(2)->text();
            w->findChild<QPushButton*>("CmdClose")->click();
        });
        action("mnuFileCompare")->trigger();
        QTRY_VERIFY(driver.done());
        QCOMPARE(column, "File other.dat");
        QCOMPARE(row, (QStringList{"Channel 1", "Power", "Low", "High"}));
    }
};

QTEST_MAIN(SafeSessionsTest)
#include "test_safe_sessions.moc"
