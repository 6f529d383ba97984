// Read, write and the radio-information read through the main window's real commands and
// dialogs, against the virtual radio on a pseudo-terminal.
#include <QComboBox>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableView>
#include <QTreeWidget>

#include "calling/dtmf/dtmf_form.h"
#include "calling/fivetone/five_tone_form.h"
#include "calling/fivetone/info_codes.h"
#include "calling/twotone/two_tone_form.h"
#include "codeplug/freq_code.h"
#include "storage/snapshot.h"
#include "support/dialog_driver.h"
#include "support/file_bytes.h"
#include "support/recording_reporter.h"
#include "support/test_home.h"
#include "ui/cell_grid.h"
#include "ui/channel_editor/channel_editor_dialog.h"
#include "ui/channel_list_model.h"
#include "ui/commbook/comm_book_dialog.h"
#include "ui/dtmf/dtmf_dialog.h"
#include "ui/fivetone/five_tone_dialog.h"
#include "ui/main_window.h"
#include "ui/progress_dialog.h"
#include "ui/twotone/two_tone_dialog.h"

using namespace torvik;
using test::ModalDriver;

namespace {

constexpr int kSessionTimeoutMs = 60000;
constexpr int kBookRowBytes = 14;

// A full book file laid down from its layout (entry i at 14 i: the number low byte first, 5
// call-ID bytes, 7 name bytes), with short and full IDs and names.
QByteArray FullBookFile() {
    QByteArray file;
    for (int i = 0; i < 128; ++i) {
        QByteArray row(kBookRowBytes, ' ');
        row[0] = static_cast<char>(i);
        row[1] = '\0';
        const QByteArray id =
            i % 2 ? QByteArray::number(20000 + 3 * i) : QByteArray::number(100 + i);
        const QByteArray name =
            i % 2 ? "CAR " + QByteArray::number(100 + i) : "T" + QByteArray::number(i);
        row.replace(2, id.size(), id);
        if (id.size() < 5) row[2 + id.size()] = '\0';
        row.replace(7, name.size(), name);
        if (name.size() < 7) row[7 + name.size()] = '\0';
        file += row;
    }
    return file;
}

// The 2-Tone and 5-Tone settings as their editors show them: what a user can tell apart.
QStringList ToneView(const CodeplugRecord& record) {
    QStringList view;
    TwoToneSettings two = record.twoTone;
    const TwoToneListForm lists = TwoToneListsOf(two);
    view << QString::number(lists.callFormat) << QString::number(lists.toneInterval)
         << QString::number(two.toneA.value) << QString::number(two.callTone1.value)
         << QString::number(two.callDivider2.value);
    for (const TwoToneCode& code : two.codes) {
        for (const std::string& cell : TwoToneCodeCells(code)) view << QString::fromStdString(cell);
    }
    FiveToneSettings five = record.fiveTone;
    const FiveToneForm form = FiveToneFormOf(five, record.decodeTime);
    view << QString::fromStdString(form.ownId) << QString::number(form.standard)
         << QString::number(form.duration) << QString::number(form.decodeTime)
         << QString::number(five.aniSeparator);
    for (const FiveTonePttForm& ptt : form.ptt) view << QString::fromStdString(ptt.code);
    for (const FiveToneCodeRow& row : FiveToneRowsOf(five, form.ownId, {"D", "M"})) {
        for (int c = kColType; c < kFiveToneColumns; ++c) {
            view << QString::fromStdString(row.cell(c));
        }
    }
    for (const InfoCode& info : five.infoCodes) {
        const InfoCodeForm f = InfoCodeFormOf(info);
        view << QString::number(f.function) << QString::fromStdString(f.code);
    }
    return view;
}

// Types into the cell editor a grid opened on entering a cell.
void TypeInCell(CellGrid* grid, int row, int column, const char* keys) {
    grid->enterCell(row, column);
    QWidget* editor = QApplication::focusWidget();
    for (const char* k = keys; *k; ++k) QTest::keyClick(editor, *k);
    QTest::keyClick(editor, Qt::Key_Return);
}

}  // namespace

class MainLinkTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TestHome> home_;
    QProcess radio_;
    std::unique_ptr<AppSession> session_;
    std::unique_ptr<PortMap> ports_;
    std::unique_ptr<MainWindow> window_;

    MainWindow& window() { return *window_; }
    QString cell(int row, int column) { return window_->channelModel()->cell(row, column); }
    void select(int row) {
        window_->channelList()->setCurrentIndex(window_->channelModel()->index(row - 1, 1));
    }

    // Runs a command to the end of its connection; false when it failed or never ended.
    bool runSession(const char* action) {
        QSignalSpy finished(&window(), &MainWindow::linkSessionFinished);
        window().findChild<QAction*>(action)->trigger();
        if (!finished.wait(kSessionTimeoutMs) && finished.isEmpty()) return false;
        return finished.first().at(1).toBool();
    }

    // Writes to the radio, starts a new codeplug (where `fresh` says the edit is gone) and
    // reads the radio back.
    bool throughTheRadio(const std::function<bool()>& fresh) {
        ModalDriver write;
        write.box(QMessageBox::Ok).box(QMessageBox::Ok);
        if (!runSession("MnuProWrite")) return false;
        ModalDriver made;
        made.box(QMessageBox::No).box(QMessageBox::Ok);
        window().findChild<QAction*>("mnuFileNew")->trigger();
        if (!fresh()) return false;
        ModalDriver read;
        read.box(QMessageBox::Ok).box(QMessageBox::Ok);
        return runSession("mnuProRead");
    }

  private slots:
    void initTestCase() {
        home_ = std::make_unique<test::TestHome>();
        radio_.setProgram(TORVIK_RADIO_PATH);
        radio_.setArguments({"--image", home_->path("radio.img"), "--home", TORVIK_BIN_DIR});
        radio_.start();
        QVERIFY(radio_.waitForReadyRead(10000));
        const std::string device = radio_.readLine().trimmed().toStdString();
        QVERIFY(!device.empty());

        session_ = RunStartup({home_->std(), "en_US.UTF-8", std::nullopt});
        ports_ = std::make_unique<PortMap>(ProfileFile{});
        const int number = ports_->addVirtual(device);
        window_ = std::make_unique<MainWindow>(*session_, *ports_);
        window().portSettings().port = PortId::Number(number);
        window().show();
    }
    void cleanupTestCase() {
        window_.reset();
        radio_.terminate();
        radio_.waitForFinished(5000);
    }

    void readShowsTheRadiosChannels() {
        QCOMPARE(window().tree()->topLevelItem(0)->childCount(), 6);  // no features yet
        window().tree()->setFocus();
        ModalDriver driver;
        driver.box(QMessageBox::Ok).box(QMessageBox::Ok);
        QVERIFY(runSession("mnuProRead"));
        QCOMPARE(driver.texts,
                 (QStringList{"Read data from radio.\nDo you wish continue?", "Read done"}));
        QVERIFY(driver.unexpected.isEmpty());
        // The keyboard is back in the list with the channels just read.
        QCOMPARE(window().focusWidget(), window().channelList());

        // The radio's memory was made from the band's template with all its channels.
        const Codeplug& codeplug = window().codeplug();
        QVERIFY(codeplug.channels.ChannelCount > 1);
        test::RecordingReporter quiet;
        for (const ChannelRecord& channel : codeplug.channels.used()) {
            QCOMPARE(cell(channel.Number, 1).toStdString(),
                     FreqCodeToText(channel.RxFreq.raw(), codeplug.band.limits(), quiet));
        }
        QVERIFY(!cell(1, 1).isEmpty());
        QVERIFY(!IsModified(codeplug));
        QVERIFY(codeplug.file.NoFileName);
        QVERIFY(window().windowTitle().endsWith("[File:new.dat][*]"));
        // The progress window, modal to the main window only, went to 100 and is closed again.
        QCOMPARE(window().progressWindow()->windowModality(), Qt::WindowModal);
        QCOMPARE(window().progressWindow()->percent(), 100);
        QCOMPARE(window().progressWindow()->percentText(), "100%");
        QVERIFY(!window().progressWindow()->isVisible());
        // The radio reported 5-Tone, 2-Tone and DTMF.
        QCOMPARE(window().tree()->topLevelItem(0)->childCount(), 9);
        QVERIFY(window().findChild<QAction*>("MnuViewDTMF")->isVisible());
    }

    void editedChannelsGoToTheRadioAndComeBack() {
        select(1);
        window().runClipboardCommand(ClipboardCommand::Copy);
        select(150);
        window().runClipboardCommand(ClipboardCommand::Paste);
        const QString copied = cell(150, 1);
        QCOMPARE(copied, cell(1, 1));
        select(2);
        window().runClipboardCommand(ClipboardCommand::Delete);

        ModalDriver write;
        write.box(QMessageBox::Ok).box(QMessageBox::Ok);
        QVERIFY(runSession("MnuProWrite"));
        QCOMPARE(write.texts.first(), "Write data to radio.\nDo you wish continue?");

        // A new codeplug, then read back what the radio now holds.
        ModalDriver fresh;
        fresh.box(QMessageBox::No).box(QMessageBox::Ok);
        window().findChild<QAction*>("mnuFileNew")->trigger();
        QVERIFY(fresh.done());
        QVERIFY(cell(150, 1).isEmpty());

        ModalDriver read;
        read.box(QMessageBox::Ok).box(QMessageBox::Ok);
        QVERIFY(runSession("mnuProRead"));
        QCOMPARE(cell(150, 1), copied);
        QVERIFY(cell(2, 1).isEmpty());
    }

    // A channel made in the channel editor, written to the radio and read back.
    void channelEditorChangesComeBackFromTheRadio() {
        select(40);
        ModalDriver edit;
        edit.dialog("FrmCHEdit", [](QWidget* w) {
            auto* rx = w->findChild<QLineEdit*>("TextRxFreq");
            QTest::keyClicks(rx, "146.5125");
            auto* tx = w->findChild<QLineEdit*>("TextTxFreq");
            tx->selectAll();
            QTest::keyClick(tx, Qt::Key_Backspace);
            QTest::keyClicks(tx, "145.9125");
            // The name boxes take one character each and move on by themselves.
            w->findChild<QLineEdit*>("TextName1")->setFocus();
            for (char c : std::string("RPT")) QTest::keyClick(QApplication::focusWidget(), c);
            static_cast<ChannelEditorDialog*>(w)->commitOk();
        });
        window().findChild<QAction*>("mnuEditCH")->trigger();
        QVERIFY(edit.done());
        const ChannelRecord* made = window().codeplug().channels.find(40);
        QVERIFY(made);
        QCOMPARE(made->ShiftDir, 1);
        QCOMPARE(made->Offset.text(), std::string("000060000"));
        const QString rx = cell(40, 1);
        const QString name = QString::fromStdString(made->Name.text());
        QCOMPARE(rx, QString("146.51250"));
        QCOMPARE(name, QString("RPT"));

        ModalDriver write;
        write.box(QMessageBox::Ok).box(QMessageBox::Ok);
        QVERIFY(runSession("MnuProWrite"));
        ModalDriver fresh;
        fresh.box(QMessageBox::No).box(QMessageBox::Ok);
        window().findChild<QAction*>("mnuFileNew")->trigger();
        QVERIFY(cell(40, 1).isEmpty());
        ModalDriver read;
        read.box(QMessageBox::Ok).box(QMessageBox::Ok);
        QVERIFY(runSession("mnuProRead"));

        const ChannelRecord* back = window().codeplug().channels.find(40);
        QVERIFY(back);
        QCOMPARE(cell(40, 1), rx);
        QCOMPARE(back->ShiftDir, 1);
        QCOMPARE(back->Offset.text(), std::string("000060000"));
        QCOMPARE(QString::fromStdString(back->Name.text()), name);
    }

    // DTMF signalling and a full communication book set up in their editors, written to the
    // radio and read back.
    void dtmfAndBookComeBackFromTheRadio() {
        ModalDriver dtmf;
        dtmf.dialog("FrmDTMF", [](QWidget* w) {
            auto* editor = static_cast<DtmfDialog*>(w);
            QTest::keyClicks(editor->codeBox(0), "555*123");
            QTest::keyClicks(editor->codeBox(15), "123456789abcd*#012345678");
            QTest::keyClicks(editor->codeBox(kDtmfBeginBox), "*123");
            QTest::keyClicks(editor->codeBox(kDtmfKillBox), "9*9");
            QTest::keyClicks(editor->codeBox(kDtmfStunBox), "9#9");
            auto* id = w->findChild<QLineEdit*>("TextDtmfId");
            id->selectAll();
            QTest::keyClicks(id, "123");
            for (const char* list : {"ComboAni", "ComboSeparator", "ComboGroup",
                                     "ComboDecodeResponse", "ComboPauseTime"}) {
                QTest::keyClick(w->findChild<QComboBox*>(list), Qt::Key_End);
            }
            editor->commitOk();
        });
        window().findChild<QAction*>("MnuViewDTMF")->trigger();
        QVERIFY(dtmf.done());
        const DtmfSettings dtmfSet = window().codeplug().record.dtmf;
        QCOMPARE(QString::fromStdString(dtmfSet.dtmfId.text()), QString("123"));
        QCOMPARE(dtmfSet.separatorCode, 15);

        const std::filesystem::path bookFile = home_->path("team.cb").toStdString();
        test::WriteFileBytes(bookFile, FullBookFile());
        ModalDriver book;
        book.dialog("FrmCommuBook", [bookFile](QWidget* w) {
            auto* editor = static_cast<CommBookDialog*>(w);
            editor->setOpenFileChooser([bookFile](const QString&, const std::filesystem::path&) {
                return std::optional(bookFile);
            });
            QTest::mouseClick(w->findChild<QPushButton*>("CommandInput"), Qt::LeftButton);
            editor->commitOk();
        });
        QTreeWidgetItem* root = window().tree()->topLevelItem(0);
        for (int i = 0; i < root->childCount(); ++i) {
            if (root->child(i)->data(0, Qt::UserRole) == "N8") {
                emit window().tree()->itemClicked(root->child(i), 0);
            }
        }
        QVERIFY(book.done());
        QVERIFY(book.unexpected.isEmpty());
        const CommBook bookSet = window().codeplug().record.commBook;
        for (const CommBookEntry& entry : bookSet) QVERIFY(!entry.callId.text().empty());
        QCOMPARE(QString::fromStdString(bookSet[0].callId.text()), QString("100"));

        ModalDriver write;
        write.box(QMessageBox::Ok).box(QMessageBox::Ok);
        QVERIFY(runSession("MnuProWrite"));
        ModalDriver fresh;
        fresh.box(QMessageBox::No).box(QMessageBox::Ok);
        window().findChild<QAction*>("mnuFileNew")->trigger();
        QVERIFY(window().codeplug().record.commBook[0].callId.text().empty());
        ModalDriver read;
        read.box(QMessageBox::Ok).box(QMessageBox::Ok);
        QVERIFY(runSession("mnuProRead"));

        const Codeplug& back = window().codeplug();
        QVERIFY(DtmfFormOf(back.record.dtmf) == DtmfFormOf(dtmfSet));
        QVERIFY(back.record.commBook == bookSet);
    }

    // 2-Tone and 5-Tone signalling with special calls set up in their editors, written to the
    // radio and read back.
    void toneSignallingComesBackFromTheRadio() {
        ModalDriver two;
        two.dialog("Frm2Tone", [](QWidget* w) {
            auto* editor = static_cast<TwoToneDialog*>(w);
            w->findChild<QTabWidget*>("SSTab1")->setCurrentIndex(1);  // where the codes are
            QTest::keyClick(w->findChild<QComboBox*>("ComboCallFormat"), Qt::Key_End);
            QTest::keyClick(w->findChild<QComboBox*>("ComboTime4"), Qt::Key_End);
            TypeInCell(editor->grid(), 7, 1, "1000");
            TypeInCell(editor->grid(), 7, 2, "1500.5");
            TypeInCell(editor->grid(), 7, 3, "GATE");
            editor->commitOk();
        });
        window().findChild<QAction*>("MnuView2Tone")->trigger();
        QVERIFY(two.done());

        ModalDriver five;
        five.dialog("Frm5Tone", [](QWidget* w) {
            auto* editor = static_cast<FiveToneDialog*>(w);
            auto* id = w->findChild<QLineEdit*>("TextOwnId");
            id->selectAll();
            QTest::keyClicks(id, "22222");
            QTest::keyClick(w->findChild<QComboBox*>("ComboDecodeTime"), Qt::Key_End);
            TypeInCell(editor->grid(), 0, kColCode, "11111");
            editor->grid()->setCurrentCell(5, kColName);
            editor->openSpecialCall(SpecialCallTarget::CodeTable);
            editor->openSpecialCall(SpecialCallTarget::PttIdBegin);
            editor->commitOk();
        });
        // The code-table call: an ANI call with separator "C"; the PTT-ID begin box: PTT-ID.
        five.dialog("FrmSpecial", [](QWidget* w) {
            auto* types = w->findChild<QComboBox*>("ComboCallType");
            types->setCurrentIndex(1);
            w->findChild<QComboBox*>("ComboSeparator")->setCurrentIndex(3);
            QTest::mouseClick(w->findChild<QPushButton*>("CommandOK"), Qt::LeftButton);
        });
        five.dialog("FrmSpecial", [](QWidget* w) {
            w->findChild<QComboBox*>("ComboCallType")->setCurrentIndex(2);
            QTest::mouseClick(w->findChild<QPushButton*>("CommandOK"), Qt::LeftButton);
        });
        window().findChild<QAction*>("MnuView5Tone")->trigger();
        QVERIFY(five.done());
        QVERIFY(five.unexpected.isEmpty());
        const CodeplugRecord set = window().codeplug().record;
        QCOMPARE(set.twoTone.codes[7].tone1.value, std::uint16_t{10000});
        QCOMPARE(QString::fromStdString(set.fiveTone.codeTable[0].code.text()), "1E1E1");
        QCOMPARE(QString::fromStdString(set.fiveTone.codeTable[5].code.text()), "12345C2E2E2");
        QCOMPARE(QString::fromStdString(set.fiveTone.pttIdBegin.code.text()), "E62E2E2");
        QCOMPARE(set.fiveTone.aniSeparator, std::int16_t{12});
        QCOMPARE(int(set.decodeTime), 200);

        QVERIFY(
            throughTheRadio([&] { return ToneView(window().codeplug().record) != ToneView(set); }));
        QCOMPARE(ToneView(window().codeplug().record), ToneView(set));
    }

    void readingAModifiedCodeplugOffersToSave() {
        select(150);
        window().runClipboardCommand(ClipboardCommand::Delete);
        ModalDriver driver;
        driver.box(QMessageBox::No).box(QMessageBox::Cancel);
        window().findChild<QAction*>("mnuProRead")->trigger();
        QCOMPARE(driver.texts, (QStringList{test::kSaveFirstText,
                                            "Read data from radio.\nDo you wish continue?"}));
        QVERIFY(window().link().isIdle());
        QVERIFY(cell(150, 1).isEmpty());  // cancelled: nothing was read
    }

    void progressWindowStopsTheRead_data() {
        QTest::addColumn<bool>("escape");
        QTest::newRow("Cancel button") << false;
        QTest::newRow("Escape") << true;
    }
    void progressWindowStopsTheRead() {
        QFETCH(bool, escape);
        const Codeplug before = window().codeplug();
        bool cancelWasNamed = false;
        ModalDriver driver;
        if (window().document().isModified()) driver.box(QMessageBox::No);  // not saved first
        driver.box(QMessageBox::Ok)
            .dialog("FrmProgress",
                    [&](QWidget* w) {
                        auto* progress = static_cast<ProgressDialog*>(w);
                        cancelWasNamed = progress->cancelButton()->accessibleName() == "Cancel";
                        if (const QString dir = qEnvironmentVariable("TORVIK_GRAB_DIR");
                            !dir.isEmpty()) {
                            progress->grab().save(dir + "/progress_en.png");
                        }
                        if (escape) {
                            QTest::keyClick(progress, Qt::Key_Escape);
                        } else {
                            QTest::mouseClick(progress->cancelButton(), Qt::LeftButton);
                        }
                    })
            .box(QMessageBox::Ok);
        QVERIFY(!runSession("mnuProRead"));
        QVERIFY(cancelWasNamed);
        QCOMPARE(driver.texts.last(), "Reading stopped. Nothing was changed.");
        QVERIFY(driver.unexpected.isEmpty());
        QVERIFY(window().codeplug().image == before.image);
        QVERIFY(window().codeplug().channels == before.channels);
        QVERIFY(!window().progressWindow()->isVisible());
        QVERIFY(window().link().isIdle());
    }

    void radioInformationOpensItsWindow() {
        ModalDriver driver;
        driver.dialog("RadioInfoView", [](QWidget* w) { static_cast<QDialog*>(w)->reject(); });
        QVERIFY(runSession("MnuEMg"));
        QVERIFY(driver.done());
        QVERIFY(driver.unexpected.isEmpty());
    }
};

QTEST_MAIN(MainLinkTest)
#include "test_main_link.moc"
