// The main window as a user meets it, offscreen: the channel list after a new codeplug and
// after opening a file, the clipboard from keyboard and toolbar, the questions of New, Open
// and Save, the dialogs the menus open, the language switch, the feature-dependent tree and
// menus, where the keyboard starts, cells edited in place, files dropped on the window, and
// the window's shape and recent files kept between runs.
#include <QClipboard>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QHeaderView>
#include <QJsonDocument>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QSplitter>
#include <QStatusBar>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>
#include <QToolTip>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QUndoStack>

#include "storage/codeplug_files.h"
#include "storage/new_codeplug.h"
#include "storage/snapshot.h"
#include "support/codeplug_fixtures.h"
#include "support/data_texts.h"
#include "support/dialog_driver.h"
#include "support/recording_reporter.h"
#include "support/test_home.h"
#include "textform/codeplug_json.h"
#include "ui/about_dialog.h"
#include "ui/channel_list_model.h"
#include "ui/main_window.h"
#include "ui/port_settings_dialog.h"
#include "ui/print/print_commands.h"
#include "ui/recent_files.h"
#include "ui/splash_window.h"

using namespace torvik;
using test::ModalDriver;
using test::UsedChannel;

namespace {

const QString kClearAll = QStringLiteral("All data will be cleared.");

// The fields of a channel named after its number: channel 3 is "K3".
test::ChannelFields NamedK(std::string_view rx) {
    return {.rx = rx, .name = "K", .nameEndsWithNumber = true};
}

QStringList ChildKeys(const QTreeWidget* tree) {
    QStringList keys;
    const QTreeWidgetItem* root = tree->topLevelItem(0);
    for (int i = 0; i < root->childCount(); ++i) {
        keys << root->child(i)->data(0, Qt::UserRole).toString();
    }
    return keys;
}

QString NodeText(const QTreeWidget* tree, const QString& key) {
    const QTreeWidgetItem* root = tree->topLevelItem(0);
    for (int i = 0; i < root->childCount(); ++i) {
        if (root->child(i)->data(0, Qt::UserRole).toString() == key) return root->child(i)->text(0);
    }
    return "(missing)";
}

// The files File › Open Recent offers, newest first.
QStringList RecentEntries(MainWindow& window) {
    QStringList files;
    for (QAction* entry : window.findChild<QMenu*>("mnuFileRecent")->actions()) {
        files << entry->statusTip();
    }
    return files;
}

void WriteText(const QString& path, const QByteArray& text) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}

// Drags files from a file manager onto `target` and drops them there; false when the
// window does not take them.
bool Drop(QWidget* target, const QStringList& paths) {
    QMimeData data;
    QList<QUrl> urls;
    for (const QString& path : paths) urls << QUrl::fromLocalFile(path);
    data.setUrls(urls);
    const QPoint at = target->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    if (!enter.isAccepted()) return false;
    QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    return drop.isAccepted();
}

// Types into whatever has the focus, key by key, as a keyboard does.
void TypeKeys(const QString& keys) {
    for (const QChar c : keys) QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
}

// The first label of the tree that does not show whole; empty when every one does.
QString CutTreeLabel(const QTreeWidget* tree) {
    const int margin = 2 * (tree->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1);
    for (QTreeWidgetItemIterator it(const_cast<QTreeWidget*>(tree)); *it; ++it) {
        const QRect rect = tree->visualItemRect(*it);
        const int end =
            rect.left() + tree->fontMetrics().horizontalAdvance((*it)->text(0)) + margin;
        if (end > tree->viewport()->width()) return (*it)->text(0);
    }
    return {};
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TestHome> home_;
    std::unique_ptr<AppSession> session_;
    std::unique_ptr<PortMap> ports_;
    std::unique_ptr<MainWindow> window_;

    MainWindow& window() { return *window_; }
    ChannelListModel* model() { return window_->channelModel(); }
    QAction* action(const char* name) { return window_->findChild<QAction*>(name); }
    QString cell(int row, int column) { return model()->cell(row, column); }
    // The row alone selected, whatever keys were held before.
    void select(int row) {
        window_->channelList()->selectionModel()->setCurrentIndex(
            model()->index(row - 1, 1), QItemSelectionModel::ClearAndSelect);
    }
    bool modified() { return window_->document().isModified(); }

    // A data-file pair holding channels that exercise the cell rules.
    QString writeFixture(const QString& name) {
        Codeplug c;
        NewCodeplug(c, {});
        ChannelTable& t = c.channels;
        t.ChannelCount = 0;
        ChannelRecord one = UsedChannel(1, NamedK("014500000"));
        one.ShiftDir = 2;
        one.Offset = FixedText<9>::Raw("000060000");
        one.RxToneType = 2;
        one.RxDcs = 19;
        one.RxDcsInvert = 1;
        one.TxToneType = 1;
        one.TxCtcss = 11;
        one.Signaling = 1;
        t.records[static_cast<std::size_t>(t.ChannelCount++)] = one;
        ChannelRecord pa = UsedChannel(kChannelPA, NamedK("014650000"));
        pa.Signaling = 2;
        pa.TwoToneNo = 3;
        pa.TxPower = 2;
        t.records[static_cast<std::size_t>(t.ChannelCount++)] = pa;
        ChannelRecord mid = UsedChannel(150, NamedK("014400000"));
        mid.Bandwidth = 2;
        t.records[static_cast<std::size_t>(t.ChannelCount++)] = mid;
        test::RecordingReporter reporter;
        const QString path = home_->path(name);
        if (!SaveCodeplug(path.toStdString(), c, reporter)) return {};
        return path;
    }

    // The shipped language files in place of the test's own, and a window started in
    // `language` with them.
    void restartWithShippedTexts(Language language) {
        home_->useLanguageFilesFrom(TORVIK_DATA_DIR "/language");
        window_.reset();
        session_->language = language;
        session_->texts = LanguageTexts::Load(session_->home.languageFile(language), language);
        window_ = std::make_unique<MainWindow>(*session_, *ports_);
    }

    // The codeplug's data-file pair as saved now, both files' bytes.
    QByteArray savedBytes(const QString& name) {
        test::RecordingReporter quiet;
        const QString path = home_->path(name);
        Codeplug copy = window().codeplug();  // saving names the file in the codeplug
        if (!SaveCodeplug(path.toStdString(), copy, quiet)) return {};
        QFile dat(path);
        QFile fre(QString(path).replace(".dat", ".fre"));
        if (!dat.open(QIODevice::ReadOnly) || !fre.open(QIODevice::ReadOnly)) return {};
        return dat.readAll() + fre.readAll();
    }

    void openThroughTheMenu(const QString& path) {
        window().setOpenFileChooser(
            [path](const QString&,
                   const std::filesystem::path&) -> std::optional<std::filesystem::path> {
                return path.toStdString();
            });
        action("mnuFileOpen")->trigger();
    }

  private slots:
    void init() {
        home_ = std::make_unique<test::TestHome>();
        session_ = RunStartup({home_->std(), "en_US.UTF-8", std::nullopt});
        ports_ = std::make_unique<PortMap>(ProfileFile{});
        ports_->addVirtual("/dev/pts/77");
        window_ = std::make_unique<MainWindow>(*session_, *ports_);
        // The desktop's clipboard outlives a window: each test starts with nothing copied.
        QGuiApplication::clipboard()->clear();
    }
    void cleanup() {
        window_.reset();
        session_.reset();
        home_.reset();
    }

    void newCodeplugShowsLabelledEmptyRows() {
        QCOMPARE(model()->rowCount(), 203);
        QCOMPARE(model()->columnCount(), 11);
        QCOMPARE(model()->headerData(0, Qt::Vertical, Qt::DisplayRole).toString(), "0");
        QCOMPARE(model()->headerData(199, Qt::Vertical, Qt::DisplayRole).toString(), "199");
        QCOMPARE(model()->headerData(200, Qt::Vertical, Qt::DisplayRole).toString(), "PA");
        QCOMPARE(model()->headerData(202, Qt::Vertical, Qt::DisplayRole).toString(), "VFO");
        for (int row = 1; row < kChannelVFO; ++row) {
            for (int column = 1; column < 11; ++column) QVERIFY(cell(row, column).isEmpty());
        }
        QVERIFY(!cell(kChannelVFO, 1).isEmpty());  // the default VFO channel
        QCOMPARE(model()->header(0), "CH");
        QCOMPARE(model()->header(8), "Tone\nDec");
        QTableView* list = window().channelList();
        QVERIFY(list->isColumnHidden(0));  // labels are the fixed vertical header
        QVERIFY(list->isColumnHidden(kHiddenChannelColumn));
        QCOMPARE(model()->headerData(1, Qt::Horizontal, Qt::ForegroundRole).value<QColor>(),
                 QColor(0, 0, 155));
        QCOMPARE(model()->headerData(5, Qt::Vertical, Qt::ForegroundRole).value<QColor>(),
                 QColor(0, 0, 255));
        QCOMPARE(model()->data(model()->index(1, 1), Qt::BackgroundRole).value<QColor>(),
                 QColor(250, 250, 240));  // grid row 2
        QVERIFY(!model()->data(model()->index(0, 1), Qt::BackgroundRole).isValid());
        QCOMPARE(window().windowTitle(),
                 "TORVIK[TORVIK:Rx(136 - 173.99750 MHz) Tx(136 - 173.99750 MHz)][File:new.dat][*]");
    }

    void openedFileShowsEveryCellRule() {
        const QString path = writeFixture("fixture.dat");
        openThroughTheMenu(path);
        QCOMPARE(cell(1, 1), "145.00000");
        QCOMPARE(cell(1, 2), "145.60000");
        QCOMPARE(cell(1, 3), "K1");
        QCOMPARE(cell(1, 8), "D023I");
        QCOMPARE(cell(1, 9), "94.8");
        QCOMPARE(cell(1, 10), "DTMF M1");
        QCOMPARE(cell(kChannelPA, 7), "Low");
        QCOMPARE(cell(kChannelPA, 10), "2tone 3");
        QCOMPARE(cell(150, 5), "12.5K");
        QCOMPARE(cell(150, 8), "None");
        QVERIFY(cell(2, 1).isEmpty());
        QVERIFY(cell(kChannelVFO, 1).isEmpty());  // the file has no VFO channel
        QVERIFY(window().windowTitle().endsWith("[File:" + path + "][*]"));
        QVERIFY(!modified());
    }

    void damagedFrequenciesAreReportedOnce() {
        Codeplug c;
        NewCodeplug(c, {});
        c.channels.ChannelCount = 3;
        for (int i = 0; i < 3; ++i)
            c.channels.records[static_cast<std::size_t>(i)] =
                UsedChannel(i + 1, NamedK("01450000X"));
        test::RecordingReporter quiet;
        const QString path = home_->path("damaged.dat");
        QVERIFY(SaveCodeplug(path.toStdString(), c, quiet));
        ModalDriver driver;
        driver.box(QMessageBox::Ok);
        openThroughTheMenu(path);
        QCOMPARE(driver.texts, QStringList{"Not IsNumeric"});
        QCOMPARE(cell(3, 3), "K3");
    }

    void clipboardFromKeyboardAndToolbar() {
        openThroughTheMenu(writeFixture("fixture.dat"));
        window().show();
        QApplication::setActiveWindow(&window());
        QVERIFY(QTest::qWaitForWindowActive(&window()));
        QTableView* list = window().channelList();
        list->setFocus();

        select(1);
        QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier);
        select(20);
        QTest::keyClick(list, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(cell(20, 1), "145.00000");
        QCOMPARE(cell(20, 3), "K1");
        QVERIFY(modified());

        QTest::keyClick(list, Qt::Key_Delete);
        QVERIFY(cell(20, 1).isEmpty());

        select(150);
        QTest::keyClick(list, Qt::Key_X, Qt::ControlModifier);
        QVERIFY(cell(150, 1).isEmpty());
        select(30);
        QTest::mouseClick(window().findChild<QToolButton*>("CHPaste"), Qt::LeftButton);
        QCOMPARE(cell(30, 1), "144.00000");
        QCOMPARE(window().codeplug().channels.ChannelCount, 3);
        QCOMPARE(window().codeplug().channels.used().back().Number, 30);

        // Copy an empty row, paste it over a used one: the target is emptied.
        select(40);
        action("MnuCHCopy")->trigger();
        select(1);
        action("MnuCHPaste")->trigger();
        QVERIFY(cell(1, 1).isEmpty());
    }

    void newAsksToSaveThenToClear() {
        select(10);
        window().runClipboardCommand(
            ClipboardCommand::Paste);  // nothing copied yet: nothing happens
        QVERIFY(!modified());
        select(kChannelVFO);
        window().runClipboardCommand(ClipboardCommand::Copy);
        select(10);
        window().runClipboardCommand(ClipboardCommand::Paste);
        QVERIFY(modified());

        ModalDriver cancelled;
        cancelled.box(QMessageBox::No).box(QMessageBox::Cancel);
        action("mnuFileNew")->trigger();
        QCOMPARE(cancelled.texts, (QStringList{test::kSaveFirstText, kClearAll}));
        QVERIFY(!cell(10, 1).isEmpty());

        ModalDriver answered;
        answered.box(QMessageBox::No).box(QMessageBox::Ok);
        action("mnuFileNew")->trigger();
        QVERIFY(answered.done());
        QVERIFY(cell(10, 1).isEmpty());
        QVERIFY(!modified());
    }

    void newWithCancelOrYesDoesNotLoseChanges() {
        select(kChannelVFO);
        window().runClipboardCommand(ClipboardCommand::Copy);
        select(10);
        window().runClipboardCommand(ClipboardCommand::Paste);

        ModalDriver cancel;
        cancel.box(QMessageBox::Cancel);
        action("mnuFileNew")->trigger();
        QCOMPARE(cancel.texts, QStringList{test::kSaveFirstText});
        QVERIFY(modified());

        const QString saved = home_->path("saved.dat");
        window().setSaveFileChooser(
            [&](const QString& filter,
                const std::filesystem::path& current) -> std::optional<std::filesystem::path> {
                if (filter != "Data File (*.dat)" || current != "new.dat") return std::nullopt;
                return saved.toStdString();
            });
        ModalDriver yes;
        yes.box(QMessageBox::Yes).box(QMessageBox::Ok);
        action("mnuFileNew")->trigger();
        QVERIFY(yes.done());
        QVERIFY(QFile::exists(saved));
        QVERIFY(QFile::exists(home_->path("saved.fre")));
        QVERIFY(cell(10, 1).isEmpty());
    }

    // A port refused for lack of permission explains the serial group, once for this user.
    void refusedPortExplainsTheSerialGroupOnce() {
        QVERIFY(!window().adviseSerialGroup(false));
        {
            ModalDriver driver;
            driver.box(QMessageBox::Ok);
            QVERIFY(window().adviseSerialGroup(true));
            QVERIFY(driver.done());
            QCOMPARE(driver.texts.size(), 1);
            QVERIFY(driver.texts[0].contains("sudo usermod -aG dialout $USER"));
        }
        QSettings settings("TORVIK", "TORVIK");
        settings.beginGroup("Settings");
        QVERIFY(settings.value("SerialGroupAdvised").toBool());
        ModalDriver quiet;
        QVERIFY(!window().adviseSerialGroup(true));
        QVERIFY(quiet.texts.isEmpty());
    }

    void initialiseKeepsTheTemplateChannels() {
        ModalDriver none;
        action("MnuSetInit")->trigger();
        QVERIFY(none.texts.isEmpty());
        QVERIFY(window().codeplug().channels.ChannelCount > 1);
        QVERIFY(!cell(1, 1).isEmpty());
    }

    void openCancelledAndOpenFailed() {
        select(kChannelVFO);
        window().runClipboardCommand(ClipboardCommand::Copy);
        select(5);
        window().runClipboardCommand(ClipboardCommand::Paste);
        bool asked = false;
        window().setOpenFileChooser([&](const QString&, const std::filesystem::path&) {
            asked = true;
            return std::optional<std::filesystem::path>();
        });
        ModalDriver cancel;
        cancel.box(QMessageBox::Cancel);
        action("mnuFileOpen")->trigger();
        QCOMPARE(cancel.texts, QStringList{"File has been modify,save it now?"});
        QVERIFY(!asked);

        QFile bad(home_->path("bad.dat"));
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write("not a codeplug");
        bad.close();
        ModalDriver failed;
        failed.box(QMessageBox::No).box(QMessageBox::Ok);
        openThroughTheMenu(bad.fileName());
        QCOMPARE(failed.texts, (QStringList{"File has been modify,save it now?", "file error."}));
        QVERIFY(!cell(5, 1).isEmpty());  // the codeplug in memory is unchanged
        QCOMPARE(window().codeplug().file.CurrentFile, "new.dat");
    }

    void saveAsksBeforeOverwriting() {
        const QString path = writeFixture("fixture.dat");
        openThroughTheMenu(path);
        select(1);
        window().runClipboardCommand(ClipboardCommand::Delete);
        const QByteArray before = [&] {
            QFile f(path);
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        }();

        ModalDriver cancel;
        cancel.box(QMessageBox::Cancel);
        QVERIFY(!window().fileSave());
        QCOMPARE(cancel.texts, QStringList{"\"fixture.dat\"file will be Overwrite,Continue?"});
        QVERIFY(modified());

        ModalDriver ok;
        ok.box(QMessageBox::Ok);
        action("mnuFileSave")->trigger();
        QVERIFY(ok.done());
        QVERIFY(!modified());
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(f.readAll() != before);
    }

    void saveAsCancelledChangesNothing() {
        window().setSaveFileChooser([](const QString&, const std::filesystem::path&) {
            return std::optional<std::filesystem::path>();
        });
        action("mnuFileSaveAs")->trigger();
        QCOMPARE(window().codeplug().file.CurrentFile, "new.dat");
        QVERIFY(window().codeplug().file.NoFileName);
    }

    void menusAndToolbarOpenTheirDialogs_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("dialog");
        QTest::newRow("model menu") << "MnuModelInfo"
                                    << "FrmModel";
        QTest::newRow("port menu") << "MnuSetCom"
                                   << "FrmComSet";
        QTest::newRow("port button") << "TCommPort"
                                     << "FrmComSet";
        QTest::newRow("password menu") << "MnuProPassWord"
                                       << "FrmPassWord";
        QTest::newRow("language menu") << "MnuSetLanguage"
                                       << "FrmLanguage";
        QTest::newRow("about menu") << "MnuHelpAbout"
                                    << "frmAbout";
        QTest::newRow("about button") << "TAbout"
                                      << "frmAbout";
        QTest::newRow("DTMF menu") << "MnuViewDTMF"
                                   << "FrmDTMF";
        QTest::newRow("communication book menu") << "MnuCommBook"
                                                 << "FrmCommuBook";
        QTest::newRow("print menu") << "mnuFilePrint"
                                    << "FrmPrintList";
        QTest::newRow("print preview menu") << "mnuFilePrintPreview"
                                            << "PrintPreview";
    }
    void menusAndToolbarOpenTheirDialogs() {
        QFETCH(QString, control);
        QFETCH(QString, dialog);
        window().show();
        ModalDriver driver;
        driver.dialog(dialog, [](QWidget* w) { static_cast<QDialog*>(w)->reject(); });
        if (auto* button = window().findChild<QToolButton*>(control)) {
            QTest::mouseClick(button, Qt::LeftButton);
        } else {
            action(control.toLatin1().constData())->trigger();
        }
        QVERIFY(driver.done());
        QVERIFY(driver.unexpected.isEmpty());
    }

    // Export PDF writes the whole report; a file that cannot be written is reported and left
    // out.
    void exportPdfFromTheFileMenu() {
        QTemporaryDir dir;
        QString target = dir.filePath("report.pdf");
        SetPdfFileChooser([&](const QString& filter, const std::filesystem::path& current) {
            Q_UNUSED(filter);
            Q_UNUSED(current);
            return std::optional(std::filesystem::path(target.toStdString()));
        });
        QCOMPARE(action("mnuFileExportPdf")->text(), "&Export PDF...");
        action("mnuFileExportPdf")->trigger();
        QVERIFY(QFileInfo(target).size() > 0);

        target = dir.filePath("missing/report.pdf");
        ModalDriver driver;
        driver.box(QMessageBox::Ok);
        action("mnuFileExportPdf")->trigger();
        QVERIFY(driver.done());
        QVERIFY(driver.texts.value(0).startsWith("The PDF file could not be written."));
        QVERIFY(!QFileInfo::exists(target));
        SetPdfFileChooser({});
    }

    void editorsWithoutWindowsAreDisabled() {
        // The DTMF entry is registered too, but hidden (and so not enabled) until a radio
        // reports the feature.
        for (const char* name : {"MnuEMg", "mnuEditCH", "MnuViewSetMode", "MnuViewScan",
                                 "MnuViewAlert", "MnuCommBook"}) {
            QVERIFY2(action(name)->isEnabled(), name);
        }
        bool opened = false;
        window().registerEditor(EditorId::Scan, [&](const EditorContext&) {
            opened = true;
            return std::unique_ptr<QDialog>();
        });
        QVERIFY(action("MnuViewScan")->isEnabled());
        QTreeWidget* tree = window().tree();
        const QTreeWidgetItem* root = tree->topLevelItem(0);
        for (int i = 0; i < root->childCount(); ++i) {
            QTreeWidgetItem* node = root->child(i);
            if (node->data(0, Qt::UserRole) == "N10") emit tree->itemClicked(node, 0);
        }
        QVERIFY(opened);
    }

    void passwordIsTypedAsStars() {
        ModalDriver driver;
        driver.dialog("FrmPassWord", [](QWidget* w) {
            auto* box = w->findChild<QLineEdit*>("Text1");
            box->clear();
            QTest::keyClicks(box, "12345");
            QCOMPARE(box->text(), "1234");
            QCOMPARE(box->displayText(), "****");
            w->findChild<QPushButton*>("CommandOK")->click();
        });
        action("MnuProPassWord")->trigger();
        QVERIFY(driver.done());
        QCOMPARE(window().link().sessionPassword(), "1234");
    }

    void portDialogChoosesAndFollowsThePorts() {
        std::vector<SerialDevice> present{{"usb-a", "/dev/ttyUSB0"}, {"usb-b", "/dev/ttyUSB1"}};
        PortMap ports{ProfileFile{}};
        ports.update(present);
        PortSettingsDialog dialog(
            session_->texts, ports, [&] { return present; }, 2);
        QCOMPARE(dialog.portId(), 2);
        // Each number shows beside its device and stable name.
        QCOMPARE(dialog.findChild<QComboBox*>("Combo1")->itemText(1), "COM2  /dev/ttyUSB1  usb-b");
        QCOMPARE(dialog.refreshTimer()->interval(), 1000);
        present.pop_back();  // the chosen adapter is pulled out
        dialog.refreshPorts();
        QCOMPARE(dialog.portId(), 1);
        present.clear();
        dialog.refreshPorts();
        QCOMPARE(dialog.portId(), 0);
        QCOMPARE(dialog.findChild<QComboBox*>("Combo1")->currentIndex(), -1);

        // Through the menu: OK keeps the chosen number and writes it to the setup profile.
        ModalDriver driver;
        driver.dialog("FrmComSet",
                      [](QWidget* w) { w->findChild<QPushButton*>("CommandOK")->click(); });
        action("MnuSetCom")->trigger();
        QCOMPARE(window().portSettings().port, PortId::Number(1));
        const ProfileFile profile =
            ProfileFile::Load(home_->path("language/mysetup.ini").toStdString());
        QCOMPARE(profile.get("language", "comPort").value_or(""), "1");
    }

    void bandChangeMakesANewCodeplug() {
        ModalDriver driver;
        driver.dialog("FrmModel", [](QWidget* w) {
            w->findChild<QComboBox*>("Combo2")->setCurrentIndex(24);  // code 48
            w->findChild<QPushButton*>("CommandOK")->click();
        });
        driver.box(QMessageBox::Ok);
        action("MnuModelInfo")->trigger();
        QVERIFY(driver.done());
        QCOMPARE(driver.texts, QStringList{"Frequency data will be cleared."});
        QCOMPARE(window().codeplug().band.code(), 48);
        QVERIFY(window().windowTitle().contains("Rx(400 - 469.9950 MHz)"));
        QVERIFY(!modified());
    }

    void languageSwitchRelabelsAtOnce() {
        auto choose = [this](int index) {
            ModalDriver driver;
            driver.dialog("FrmLanguage", [index](QWidget* w) {
                w->findChild<QComboBox*>("Combo1")->setCurrentIndex(index);
                w->findChild<QPushButton*>("CommandOK")->click();
            });
            action("MnuSetLanguage")->trigger();
            QVERIFY(driver.done());
        };
        QCOMPARE(window().findChild<QMenu*>("mnuFile")->title(), "&File");
        choose(1);
        QCOMPARE(window().session().language, Language::Chinese);
        // Qt's own buttons speak Chinese too.
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), "取消");
        QCOMPARE(window().channelList()->accessibleName(), "信道列表");
        QCOMPARE(window().findChild<QMenu*>("mnuFile")->title(), "文件(&F)");
        QCOMPARE(action("mnuFileNew")->text(), "新建(&N)");
        QCOMPARE(action("mnuFileNew")->toolTip(), "新建");
        QCOMPARE(action("mnuProRead")->toolTip(), "读频");
        QCOMPARE(NodeText(window().tree(), "N4"), "可选功能");
        QCOMPARE(model()->header(1), "接收");
        QCOMPARE(cell(kChannelVFO, 10), "无");
        QVERIFY(window().windowTitle().contains("[文件:new.dat]"));
        QCOMPARE(window().dataFileFilter(), "数据文件 (*.dat)");
        choose(0);
        QCOMPARE(window().findChild<QMenu*>("mnuFile")->title(), "&File");
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Cancel");
        QCOMPARE(window().channelList()->accessibleName(), "Channel list");
        QCOMPARE(window().tree()->accessibleName(), "Codeplug sections");
        QCOMPARE(action("mnuFileOpen")->toolTip(), "Open");
        QCOMPARE(NodeText(window().tree(), "N4"), "Options");
    }

    // Paste and cut through the toolbar, then Ctrl+Z and Ctrl+Y as a user presses them: the
    // Edit menu names the step, the list redraws only the touched row, and undoing back to
    // the state of the last save leaves nothing to save.
    void undoAndRedoFromTheKeyboard() {
        QCOMPARE(action("mnuEditUndo")->text(), "Undo");
        QVERIFY(!action("mnuEditUndo")->isEnabled());
        select(kChannelVFO);
        action("MnuCHCopy")->trigger();
        select(10);
        QSignalSpy redrawn(model(), &QAbstractItemModel::dataChanged);
        QTest::mouseClick(window().findChild<QToolButton*>("CHPaste"), Qt::LeftButton);
        QCOMPARE(redrawn.size(), 1);
        QCOMPARE(redrawn.at(0).at(0).toModelIndex().row(), 9);
        QCOMPARE(redrawn.at(0).at(1).toModelIndex().row(), 9);
        QCOMPARE(action("mnuEditUndo")->text(), "Undo Paste channel 9");
        QVERIFY(modified());
        QVERIFY(window().isWindowModified());

        window().show();
        window().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window()));
        QTest::keyClick(window().channelList(), Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(cell(10, 1).isEmpty());
        QVERIFY(!modified());
        QVERIFY(!window().isWindowModified());
        QCOMPARE(action("mnuEditRedo")->text(), "Redo Paste channel 9");
        QTest::keyClick(window().channelList(), Qt::Key_Y, Qt::ControlModifier);
        QVERIFY(!cell(10, 1).isEmpty());
        QTest::keyClick(window().channelList(), Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(cell(10, 1).isEmpty());
        QTest::keyClick(window().channelList(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(!cell(10, 1).isEmpty());

        window().setLanguage(Language::Chinese);
        select(10);
        action("MnuCHCut")->trigger();
        QVERIFY(cell(10, 1).isEmpty());
        QCOMPARE(action("mnuEditUndo")->text(), "撤销 剪切信道 9");
        window().undo();
        QVERIFY(!cell(10, 1).isEmpty());

        // A new codeplug starts without steps.
        ModalDriver answered;
        answered.box(QMessageBox::No).box(QMessageBox::Ok);
        action("mnuFileNew")->trigger();
        QVERIFY(!action("mnuEditUndo")->isEnabled());
        QVERIFY(!action("mnuEditRedo")->isEnabled());
    }

    void featureFlagsShowNodesAndMenus() {
        AppSession& s = window().session();
        s.features = FeatureFlags{};
        window().applyFeatureFlags();
        QCOMPARE(ChildKeys(window().tree()), (QStringList{"N1", "N4", "N10", "N11", "N8", "N9"}));
        QVERIFY(!action("MnuViewDTMF")->isVisible());
        QVERIFY(!action("mnuTestData")->isVisible());

        s.features.HasDTMF = 1;
        s.features.Has5Tone = 1;
        s.factoryMode = true;
        window().applyFeatureFlags();
        QCOMPARE(ChildKeys(window().tree()),
                 (QStringList{"N1", "N4", "N5", "N7", "N10", "N11", "N8", "N9", "N14"}));
        QVERIFY(action("MnuViewDTMF")->isVisible());
        QVERIFY(!action("MnuView2Tone")->isVisible());
        QVERIFY(action("MnuView5Tone")->isVisible());
        QVERIFY(action("mnuTestData")->isVisible());
        QCOMPARE(NodeText(window().tree(), "N5"), "DTMF");
        QVERIFY(action("MnuViewDTMF")->isEnabled());
        QVERIFY(action("MnuCommBook")->isEnabled());
        QCOMPARE(window().tree()->topLevelItem(0)->text(0), "TORVIK");
    }

    // The keyboard starts in the channel list, and the tree pane shows each label whole in
    // the language the window starts in and in the one chosen later.
    void startsInTheListWithWholeTreeLabels_data() { test::LanguageRows(); }
    void startsInTheListWithWholeTreeLabels() {
        QFETCH(int, language);
        restartWithShippedTexts(Language(language));
        window().show();
        QApplication::setActiveWindow(&window());
        QVERIFY(QTest::qWaitForWindowActive(&window()));
        QCOMPARE(QApplication::focusWidget(), window().channelList());
        QCOMPARE(CutTreeLabel(window().tree()), QString());
        window().setLanguage(Language(language) == Language::English ? Language::Chinese
                                                                     : Language::English);
        QCOMPARE(CutTreeLabel(window().tree()), QString());
    }

    // The small dialogs of the menus close as OK on Enter and as Cancel on Escape, typed
    // into whatever control has the focus.
    void dialogsTakeEnterAndEscape_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("result");
        const std::pair<const char*, const char*> dialogs[] = {{"MnuModelInfo", "FrmModel"},
                                                               {"MnuSetCom", "FrmComSet"},
                                                               {"MnuProPassWord", "FrmPassWord"},
                                                               {"MnuSetLanguage", "FrmLanguage"}};
        for (const auto& [command, dialog] : dialogs) {
            QTest::addRow("%s, Enter", dialog)
                << command << dialog << int(Qt::Key_Return) << int(QDialog::Accepted);
            QTest::addRow("%s, Escape", dialog)
                << command << dialog << int(Qt::Key_Escape) << int(QDialog::Rejected);
        }
    }
    void dialogsTakeEnterAndEscape() {
        QFETCH(QString, command);
        QFETCH(QString, dialog);
        QFETCH(int, key);
        QFETCH(int, result);
        window().show();
        int finished = -1;
        ModalDriver driver;
        driver.dialog(dialog, [&](QWidget* w) {
            QObject::connect(static_cast<QDialog*>(w), &QDialog::finished,
                             [&](int r) { finished = r; });
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : w,
                            Qt::Key(key));
        });
        action(command.toLatin1().constData())->trigger();
        QVERIFY(driver.done());
        QCOMPARE(finished, result);
    }

    // A cell edited in place as a user does: typing (or F2 and typing into a list) opens
    // the cell's editor; Enter stores the value as one undo step through the channel
    // editor's rules and moves down, and Undo gives back the exact file bytes; Escape
    // leaves the channel as it was; a refused value says why and keeps the editor open.
    void cellsAreEditedInPlace_data() {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("shown");    // the cell afterwards
        QTest::addColumn<QString>("refusal");  // the message, or empty
        const int enter = Qt::Key_Return;
        QTest::newRow("receive frequency") << 1 << "146.5" << enter << "146.50000"
                                           << "";
        QTest::newRow("transmit frequency") << 2 << "146.1" << enter << "146.10000"
                                            << "";
        QTest::newRow("name") << 3 << "REP 2" << enter << "REP 2"
                              << "";
        QTest::newRow("bandwidth") << 5 << "12.5" << enter << "12.5K"
                                   << "";
        QTest::newRow("power") << 7 << "Low" << enter << "Low"
                               << "";
        QTest::newRow("receive tone") << 8 << "D025I" << enter << "D025I"
                                      << "";
        QTest::newRow("signalling") << 10 << "None" << enter << "None"
                                    << "";
        QTest::newRow("Escape") << 1 << "146.5" << int(Qt::Key_Escape) << "145.00000"
                                << "";
        QTest::newRow("outside the band")
            << 1 << "500" << enter << "145.00000"
            << "The frequency is outside the band of this radio or is not a number. It has "
               "been set to the band limit.";
    }
    void cellsAreEditedInPlace() {
        QFETCH(int, column);
        QFETCH(QString, typed);
        QFETCH(int, key);
        QFETCH(QString, shown);
        QFETCH(QString, refusal);
        restartWithShippedTexts(Language::English);
        // The fixture's channel 1 signals DTMF, which the channel editor keeps only while
        // the radio offers it.
        window().session().features.HasDTMF = 1;
        window().applyFeatureFlags();
        openThroughTheMenu(writeFixture("fixture.dat"));
        window().show();
        QApplication::setActiveWindow(&window());
        QVERIFY(QTest::qWaitForWindowActive(&window()));
        const QByteArray before = savedBytes("before.dat");
        QTableView* list = window().channelList();
        list->setFocus();
        list->setCurrentIndex(model()->index(0, column));

        // Typing opens a text cell's editor with the first key; F2 opens a list, which
        // finds its entry as it is typed.
        if (column > 3) QTest::keyClick(list, Qt::Key_F2);
        TypeKeys(typed);
        QWidget* editor = QApplication::focusWidget();
        QVERIFY2(editor->objectName() == "CellEditor", editor->metaObject()->className());
        QVERIFY(!editor->accessibleName().isEmpty());
        // With TORVIK_GRAB_DIR set, each open cell editor leaves a picture of the window.
        if (const QString dir = qEnvironmentVariable("TORVIK_GRAB_DIR"); !dir.isEmpty()) {
            window().grab().save(dir + "/cell-editor-" + QTest::currentDataTag() + ".png");
        }
        ModalDriver driver;
        if (!refusal.isEmpty()) driver.box(QMessageBox::Ok);
        QTest::keyClick(editor, Qt::Key(key));
        QCOMPARE(cell(1, column), shown);

        QUndoStack& steps = window().document().undoStack();
        if (!refusal.isEmpty()) {
            QTRY_VERIFY(driver.done());
            QCOMPARE(driver.texts, QStringList{refusal});
            // Still open, to be mended: the window gives it the keyboard back.
            QCOMPARE(window().focusWidget(), editor);
            QCOMPARE(qobject_cast<QLineEdit*>(editor)->text(), "173.99750");
            QTest::keyClick(editor, Qt::Key_Escape);
        }
        if (shown == cell(1, column) && (key == Qt::Key_Escape || !refusal.isEmpty())) {
            QCOMPARE(steps.count(), 0);
            QCOMPARE(list->currentIndex().row(), 0);
            QCOMPARE(savedBytes("after.dat"), before);
            return;
        }
        QVERIFY(driver.texts.isEmpty());
        QCOMPARE(steps.count(), 1);
        QCOMPARE(steps.undoText(), "Edit channel 0");  // row 1 is labelled 0
        QCOMPARE(list->currentIndex().row(), 1);       // moved down
        QCOMPARE(QApplication::focusWidget(), list);
        QTest::keyClick(list, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(savedBytes("undone.dat"), before);
    }

    // The receive frequency typed into a cell takes the transmit frequency along by the
    // channel's shift, as the channel editor does; an empty row takes only a receive
    // frequency, and a double click still opens the channel editor.
    void cellEditsFollowTheChannelEditor() {
        openThroughTheMenu(writeFixture("fixture.dat"));
        window().show();
        QApplication::setActiveWindow(&window());
        QVERIFY(QTest::qWaitForWindowActive(&window()));
        QTableView* list = window().channelList();
        list->setFocus();
        list->setCurrentIndex(model()->index(0, 1));
        TypeKeys("146");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(cell(1, 1), "146.00000");
        QCOMPARE(cell(1, 2), "146.60000");

        QVERIFY(!(model()->flags(model()->index(1, 3)) & Qt::ItemIsEditable));
        list->setCurrentIndex(model()->index(1, 1));
        TypeKeys("147.5");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(cell(2, 1), "147.50000");
        QCOMPARE(cell(2, 2), "147.50000");

        ModalDriver driver;
        driver.dialog("FrmCHEdit", [](QWidget* w) { static_cast<QDialog*>(w)->reject(); });
        const QRect rect = list->visualRect(model()->index(0, 3));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, rect.center());
        QVERIFY(driver.done());
    }

    // A cell too narrow for its text shows the whole text as its tooltip; one wide enough
    // shows none.
    void narrowCellsShowTheirTextAsTooltip() {
        openThroughTheMenu(writeFixture("fixture.dat"));
        window().show();
        QTableView* list = window().channelList();
        const QModelIndex receive = model()->index(0, 1);
        auto tipAt = [&](const QModelIndex& index) {
            QToolTip::hideText();
            const QPoint at = list->visualRect(index).center();
            QHelpEvent help(QEvent::ToolTip, at, list->viewport()->mapToGlobal(at));
            QApplication::sendEvent(list->viewport(), &help);
            return QToolTip::isVisible() ? QToolTip::text() : QString();
        };
        QCOMPARE(tipAt(receive), QString());
        list->setColumnWidth(1, list->fontMetrics().horizontalAdvance("145.0"));
        QCOMPARE(tipAt(receive), "145.00000");
    }

    void geometryAndFeaturesAreKeptAtClose() {
        window().show();
        window().move(40, 50);
        window().resize(900, 600);
        // The tree pane made wider by its handle, as a mouse drags it.
        auto* splitter = window().findChild<QSplitter*>("imgSplitter");
        const int fitted = splitter->sizes()[0];
        QSplitterHandle* handle = splitter->handle(1);
        const QPoint grip = handle->rect().center();
        QTest::mousePress(handle, Qt::LeftButton, {}, grip);
        QTest::mouseMove(handle, grip + QPoint(60, 0));
        QTest::mouseRelease(handle, Qt::LeftButton, {}, grip + QPoint(60, 0));
        const int tree = splitter->sizes()[0];
        QVERIFY(tree > fitted);
        window().session().features.Has2Tone = 1;
        QVERIFY(window().close());
        const double twips = 1440.0 / window().screen()->logicalDotsPerInchX();
        QSettings settings("TORVIK", "TORVIK");
        settings.beginGroup("Settings");
        QCOMPARE(settings.value("MainWidth").toInt(), qRound(900 * twips));
        QCOMPARE(settings.value("MainTop").toInt(), qRound(50 * twips));
        QFile features(home_->path("Setting.ini"));
        QVERIFY(features.open(QIODevice::ReadOnly));
        QCOMPARE(features.readAll(), QByteArray::fromHex("0000010000000000"));

        MainWindow again(*session_, *ports_);
        QCOMPARE(again.pos(), QPoint(40, 50));
        QCOMPARE(again.size(), QSize(900, 600));
        again.show();
        QCOMPARE(again.findChild<QSplitter*>("imgSplitter")->sizes()[0], tree);
    }

    // File › Open Recent lists the files opened and saved, newest first and at most eight,
    // in later runs too; one that is gone says so and leaves the list.
    void recentFilesAreKeptAcrossRuns() {
        QVERIFY(!action("mnuFileRecent")->isEnabled());
        const QString fixture = writeFixture("fixture.dat");
        openThroughTheMenu(fixture);
        const QString saved = home_->path("saved.dat");
        window().setSaveFileChooser([saved](const QString&, const std::filesystem::path&) {
            return std::optional<std::filesystem::path>(saved.toStdString());
        });
        action("mnuFileSaveAs")->trigger();
        QCOMPARE(RecentEntries(window()), (QStringList{saved, fixture}));

        MainWindow again(*session_, *ports_);
        QCOMPARE(RecentEntries(again), (QStringList{saved, fixture}));
        QCOMPARE(again.findChild<QAction*>("mnuFileRecent")->text(), "Open &Recent");
        again.findChild<QAction*>("mnuFileRecent2")->trigger();
        QVERIFY(again.windowTitle().endsWith("[File:" + fixture + "][*]"));
        QCOMPARE(RecentEntries(again), (QStringList{fixture, saved}));

        QVERIFY(QFile::remove(saved));
        ModalDriver gone;
        gone.box(QMessageBox::Ok);
        again.findChild<QAction*>("mnuFileRecent2")->trigger();
        QCOMPARE(gone.texts.size(), 1);
        QVERIFY(again.windowTitle().endsWith("[File:" + fixture + "][*]"));
        QCOMPARE(RecentEntries(again), QStringList{fixture});

        for (int i = 1; i <= 10; ++i) RememberRecentFile(home_->path(QString("f%1.dat").arg(i)));
        const QStringList kept = RecentFiles();
        QCOMPARE(kept.size(), 8);
        QCOMPARE(kept.front(), home_->path("f10.dat"));
    }

    // A data file dropped on the window opens; a CSV or a JSON file is offered for import,
    // which asks before it replaces anything. Other files are not taken.
    void droppedFilesOpenOrAreImported_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("questions");
        QTest::addColumn<QString>("firstReceive");
        QTest::newRow("data file") << "fixture.dat" << 0 << "145.00000";
        QTest::newRow("channels as CSV") << "plan.csv" << 1 << "146.52000";
        QTest::newRow("codeplug as JSON") << "whole.json" << 1 << "145.00000";
    }
    void droppedFilesOpenOrAreImported() {
        QFETCH(QString, name);
        QFETCH(int, questions);
        QFETCH(QString, firstReceive);
        openThroughTheMenu(writeFixture("fixture.dat"));
        WriteText(home_->path("whole.json"),
                  QJsonDocument(CodeplugToJson(window().codeplug())).toJson());
        WriteText(home_->path("plan.csv"),
                  "Location,Name,Frequency,Tone,rToneFreq\r\n0,ONE,146.520000,,\r\n");
        WriteText(home_->path("notes.txt"), "0,ONE,146.520000\r\n");
        ModalDriver made;
        made.box(QMessageBox::Ok);
        action("mnuFileNew")->trigger();
        QVERIFY(cell(1, 1).isEmpty());
        window().show();

        ModalDriver driver;
        for (int i = 0; i < questions; ++i) driver.box(QMessageBox::Ok);
        QVERIFY(Drop(window().channelList()->viewport(), {home_->path(name)}));
        QTRY_COMPARE(cell(1, 1), firstReceive);
        QVERIFY(driver.done());
        QVERIFY(driver.unexpected.isEmpty());

        QVERIFY(!Drop(window().channelList()->viewport(), {home_->path("notes.txt")}));
        QVERIFY(!Drop(window().channelList()->viewport(),
                      {home_->path("fixture.dat"), home_->path("plan.csv")}));
    }

    void viewTogglesShowAndHideBars() {
        window().show();
        QAction* toolBar = action("MnuViewToolBar");
        QAction* statusBar = action("MnuViewStatusBar");
        QVERIFY(toolBar->isChecked());
        QVERIFY(statusBar->isChecked());
        toolBar->trigger();
        QVERIFY(!window().findChild<QToolBar*>("tbToolBar")->isVisible());
        statusBar->trigger();
        QVERIFY(!window().findChild<QStatusBar*>("sbStatusBar")->isVisible());
        toolBar->trigger();
        QVERIFY(window().findChild<QToolBar*>("tbToolBar")->isVisible());
        QCOMPARE(window().findChild<QLabel*>("Panel1")->text(), "Status");
    }

    void closingAModifiedCodeplugAsks() {
        window().show();
        select(kChannelVFO);
        window().runClipboardCommand(ClipboardCommand::Delete);
        ModalDriver cancel;
        cancel.box(QMessageBox::Cancel);
        QVERIFY(!window().close());
        QVERIFY(window().isVisible());
        ModalDriver no;
        no.box(QMessageBox::No);
        QVERIFY(window().close());
    }

    void aboutBoxAndSystemInformation() {
        AboutDialog about(session_->texts, *ports_);
        QCOMPARE(about.findChild<QLabel*>("lblVersion")->text(), "Version 1.0.0");
        QCOMPARE(about.findChild<QLabel*>("lblTitle")->text(), "TORVIK");
        const std::optional<QString> info = SystemInformationText(*ports_, Language::English);
        QVERIFY(info);
        QVERIFY(info->contains("Qt version: " + QString::fromLatin1(qVersion())));
        QVERIFY(info->contains("COM1  /dev/pts/77"));
    }

    void splashEndsOnceOnClick() {
        QCOMPARE(SplashPicturePath("/x", Language::Chinese), "/x/StartC.jpg");
        QCOMPARE(SplashPicturePath("/x", Language::English), "/x/StartE.jpg");
        QPixmap picture(40, 30);
        picture.fill(Qt::darkBlue);
        auto* splash = new SplashWindow(picture);
        QSignalSpy finished(splash, &SplashWindow::finished);
        splash->start();
        QTest::mouseClick(splash, Qt::LeftButton);
        QCOMPARE(finished.count(), 1);
    }
};

QTEST_MAIN(MainWindowTest)
#include "test_main_window.moc"
