// The File menu's import and export commands in the real window: the question that lists
// the refused rows, Cancel that changes nothing, one undo step, and the JSON round trip.
#include <QMenu>
#include <QMenuBar>

#include "app/startup.h"
#include "link/serial/port_map.h"
#include "support/dialog_driver.h"
#include "support/test_home.h"
#include "ui/main_window.h"

using namespace torvik;

namespace {

std::optional<std::filesystem::path> Fixed(const QString& path) {
    return path.toStdString();
}

}  // namespace

class InterchangeWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TestHome> home_;
    std::unique_ptr<AppSession> session_;
    std::unique_ptr<PortMap> ports_;
    std::unique_ptr<MainWindow> window_;

    MainWindow& window() { return *window_; }
    QAction* action(const char* name) { return window_->findChild<QAction*>(name); }
    void openWith(const QString& path) {
        window().setOpenFileChooser(
            [path](const QString&, const std::filesystem::path&) { return Fixed(path); });
    }
    void saveWith(const QString& path) {
        window().setSaveFileChooser(
            [path](const QString&, const std::filesystem::path&) { return Fixed(path); });
    }
    void writeText(const QString& name, const QByteArray& text) {
        QFile file(home_->path(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(text);
    }

  private slots:
    void init() {
        home_ = std::make_unique<test::TestHome>();
        // The shipped language files, so the menu shows its real texts.
        home_->useLanguageFilesFrom(TORVIK_BIN_DIR "/language");
        session_ = RunStartup({home_->std(), "en_US.UTF-8", std::nullopt});
        ports_ = std::make_unique<PortMap>(ProfileFile{});
        window_ = std::make_unique<MainWindow>(*session_, *ports_);
    }
    void cleanup() {
        window_.reset();
        session_.reset();
        home_.reset();
    }

    void importChannelsListsRefusedRowsAndIsOneUndoStep() {
        writeText("plan.csv",
                  "Location,Name,Frequency,Tone,rToneFreq\r\n"
                  "0,ONE,146.520000,,\r\n"
                  "1,BAD,146.540000,Tone,69.4\r\n"
                  "7,TWO,147.000000,Tone,100.0\r\n");
        openWith(home_->path("plan.csv"));
        const ChannelTable before = window().codeplug().channels;

        {
            test::ModalDriver cancel;
            cancel.box(QMessageBox::Cancel);
            action("mnuFileImportChannels")->trigger();
            QCOMPARE(cancel.texts.size(), 1);
            QVERIFY2(cancel.texts[0].startsWith("Replace the memory channels with the 2 channels"),
                     qPrintable(cancel.texts[0]));
            QVERIFY2(cancel.texts[0].contains("line 3: CTCSS tone '69.4'"),
                     qPrintable(cancel.texts[0]));
        }
        QCOMPARE(window().codeplug().channels, before);

        test::ModalDriver ok;
        ok.box(QMessageBox::Ok);
        action("mnuFileImportChannels")->trigger();
        QVERIFY(ok.done());
        const ChannelTable& after = window().codeplug().channels;
        QVERIFY(after.find(1) && after.find(8));
        QCOMPARE(after.find(8)->Name.text(), std::string("TWO"));
        QVERIFY(after.find(kChannelVFO));  // the VFO channel stays
        QCOMPARE(window().document().undoStack().count(), 1);

        window().undo();
        QCOMPARE(window().codeplug().channels, before);
    }

    void exportedCodeplugImportsBack() {
        writeText("plan.csv", "Location,Frequency\n3,146.52\n");
        openWith(home_->path("plan.csv"));
        {
            test::ModalDriver ok;
            ok.box(QMessageBox::Ok);
            action("mnuFileImportChannels")->trigger();
        }
        const ChannelTable imported = window().codeplug().channels;
        saveWith(home_->path("all.json"));
        action("mnuFileExportCodeplug")->trigger();
        saveWith(home_->path("ch.csv"));
        action("mnuFileExportChannels")->trigger();
        QVERIFY(QFile(home_->path("ch.csv")).size() > 0);
        window().undo();
        QVERIFY(!window().codeplug().channels.find(4));

        openWith(home_->path("all.json"));
        test::ModalDriver ok;
        ok.box(QMessageBox::Ok);
        action("mnuFileImportCodeplug")->trigger();
        QVERIFY(ok.done());
        QCOMPARE(window().codeplug().channels, imported);
    }

    void garbledCodeplugIsRefusedWithThePath() {
        writeText("bad.json", "{\"SavedBandCode\": 3}");
        openWith(home_->path("bad.json"));
        const ChannelTable before = window().codeplug().channels;
        test::ModalDriver ok;
        ok.box(QMessageBox::Ok);
        action("mnuFileImportCodeplug")->trigger();
        QCOMPARE(ok.texts.size(), 1);
        QVERIFY2(ok.texts[0].contains("DtmfSettings is missing"), qPrintable(ok.texts[0]));
        QCOMPARE(window().codeplug().channels, before);
    }

    void fileMenuInBothLanguages() {
        for (Language language : {Language::English, Language::Chinese}) {
            window().setLanguage(language);
            QMenu* file = window().findChild<QMenu*>("mnuFile");
            QVERIFY(file);
            QCOMPARE(action("mnuFileImportChannels")->text(), language == Language::English
                                                                  ? QString("&Import channels...")
                                                                  : QString("导入信道(&I)..."));
            QVERIFY(!action("mnuFileExportCodeplug")->text().contains("1012"));
            if (const QString dir = qEnvironmentVariable("TORVIK_GRAB_DIR"); !dir.isEmpty()) {
                window().show();
                file->popup(window().mapToGlobal(QPoint(0, 0)));
                QTest::qWait(50);
                file->grab().save(dir + QString("/file_menu_%1.png").arg(int(language)));
                file->hide();
            }
        }
    }
};

QTEST_MAIN(InterchangeWindowTest)
#include "test_interchange_window.moc"
