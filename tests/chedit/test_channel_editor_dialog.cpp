// The channel editor window driven as a user drives it: typing, Enter, Tab, arrow keys and
// clicks on the real controls (offscreen), and opening it from the main window's list.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

#include "link/serial/port_map.h"
#include "support/codeplug_fixtures.h"
#include "support/data_texts.h"
#include "support/dialog_driver.h"
#include "support/recording_reporter.h"
#include "ui/channel_editor/channel_editor_dialog.h"
#include "ui/channel_list_model.h"
#include "ui/main_window.h"

using namespace torvik;
using test::RecordingReporter;
using test::UsedChannel;

namespace {

FeatureFlags AllFeatures() {
    return {1, 1, 1, 0};
}

Codeplug MakeCodeplug() {
    Codeplug c;
    for (auto& code : c.record.twoTone.codes) code.empty = 1;
    c.record.twoTone.codes[3].empty = 0;
    c.record.twoTone.codes[7].empty = 0;
    return c;
}

void Put(Codeplug& c, const ChannelRecord& r) {
    c.channels.records[static_cast<std::size_t>(c.channels.ChannelCount++)] = r;
}

QString Str(std::string_view s) {
    return QString::fromLatin1(s.data(), qsizetype(s.size()));
}

// The dialog shown and active, as a user meets it.
struct Open : test::DialogUser {
    Open(Codeplug& c, int row, FeatureFlags features = AllFeatures(),
         Language language = Language::English)
        : texts(test::DataTexts(language)),
          document(c),
          dialog(document, features, row, texts, reporter) {
        meet(&dialog);
    }
    // The label that names a control.
    QString labelOf(QWidget* control) {
        for (QLabel* label : dialog.findChildren<QLabel*>()) {
            if (label->buddy() == control) return label->text();
        }
        return {};
    }

    LanguageTexts texts;
    RecordingReporter reporter;
    CodeplugDocument document;
    ChannelEditorDialog dialog;
};

}  // namespace

class ChannelEditorDialogTest : public QObject {
    Q_OBJECT

  public:
    // The main window reads its geometry from the per-user settings: keep the user's own
    // settings out of the tests.
    static void initMain() {
        static QTemporaryDir config;
        qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    }

  private slots:
    void emptyRowDisabledUntilTyped() {
        Codeplug c = MakeCodeplug();
        Open o(c, 17);
        QCOMPARE(o.focusName(), QString("TextRxFreq"));
        QVERIFY(o.text("TextRxFreq")->text().isEmpty());
        QVERIFY(o.text("TextTxFreq")->text().isEmpty());
        QVERIFY(!o.text("TextTxFreq")->isEnabled());
        QVERIFY(!o.text("TextName1")->isEnabled());
        QVERIFY(!o.combo("ComboStep")->isEnabled());
        QVERIFY(!o.check("CheckScanSkip")->isEnabled());
        o.type("1");
        QVERIFY(o.text("TextTxFreq")->isEnabled());
        QVERIFY(o.combo("ComboSquelch")->isEnabled());
        QVERIFY(o.check("CheckScanSkip")->isEnabled());
        o.key(Qt::Key_Backspace);
        QVERIFY(!o.combo("ComboStep")->isEnabled());
        QVERIFY(!o.text("TextName7")->isEnabled());
    }

    void receiveFieldTakesDigitsAndPointOnly() {
        Codeplug c = MakeCodeplug();
        Open o(c, 17);
        o.type("14a5.6x-");
        QCOMPARE(o.text("TextRxFreq")->text(), QString("145.6"));
        QGuiApplication::clipboard()->setText("999");
        o.key(Qt::Key_V, Qt::ControlModifier);
        QTest::sendKeyEvent(QTest::Click, o.focus(), Qt::Key_unknown, QString::fromUtf8("中"),
                            Qt::NoModifier);
        QCOMPARE(o.text("TextRxFreq")->text(), QString("145.6"));
        o.key(Qt::Key_Return);
        QCOMPARE(o.focusName(), QString("TextTxFreq"));
        o.type("145");
        QTest::sendKeyEvent(QTest::Click, o.focus(), Qt::Key_unknown, QString::fromLatin1("\xE9"),
                            Qt::NoModifier);  // above 127: refused
        o.key(Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(o.text("TextTxFreq")->text(), QString("145"));
        QVERIFY(o.dialog.isVisible());  // Enter moved on rather than closing
    }

    void transmitShowsTheShiftWhileTyping() {
        Codeplug c = MakeCodeplug();
        Open o(c, 17);
        o.type("145.6");
        o.key(Qt::Key_Return);
        o.type("145");
        auto* shift = o.get<QLabel>("LabelShift");
        QCOMPARE(shift->text(), QString::fromUtf8("Offset: \u22120.60000"));
        o.type(".99");
        QCOMPARE(shift->text(), QString("Offset: +0.39000"));
        o.key(Qt::Key_A, Qt::ControlModifier);
        o.type("145.6");
        QCOMPARE(shift->text(), QString("Offset: 0.00000"));
    }

    void nameBoxesAdvanceAndKeepAnEmptyMiddle() {
        Codeplug c = MakeCodeplug();
        Open o(c, 8);
        o.type("145");
        o.key(Qt::Key_Return);
        o.key(Qt::Key_Return);
        QCOMPARE(o.focusName(), QString("TextName1"));
        o.type("A");
        QCOMPARE(o.focusName(), QString("TextName2"));
        o.key(Qt::Key_Tab);
        o.type("C");
        QCOMPARE(o.focusName(), QString("TextName4"));
        o.type("\\~");  // refused, the focus stays
        QCOMPARE(o.focusName(), QString("TextName4"));
        QVERIFY(o.text("TextName4")->text().isEmpty());
        o.ok();
        QCOMPARE(o.dialog.result(), int(QDialog::Accepted));
        QCOMPARE(Str(c.channels.find(8)->Name.raw()), QString("A C    "));
    }

    void wholeChannelFromTheKeyboard() {
        Codeplug c = MakeCodeplug();
        Open o(c, 5);
        o.type("145.6");
        o.key(Qt::Key_Return);
        o.type("145");
        o.key(Qt::Key_Return);
        o.type("REPEAT1");  // seven boxes, then on to the step list
        QCOMPARE(o.focusName(), QString("ComboStep"));
        o.key(Qt::Key_Down);  // 5K
        o.key(Qt::Key_Return);
        QCOMPARE(o.focusName(), QString("ComboBandwidth"));
        o.key(Qt::Key_End);  // 12.5KHz
        o.key(Qt::Key_Return);
        o.key(Qt::Key_Down);  // medium power
        o.key(Qt::Key_Return);
        QCOMPARE(o.focusName(), QString("ComboSignaling"));
        o.key(Qt::Key_Down);  // DTMF
        o.key(Qt::Key_Tab);
        QCOMPARE(o.focusName(), QString("ComboDtmfMemory"));
        o.key(Qt::Key_Down);
        o.key(Qt::Key_Down);  // M3
        o.key(Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(o.dialog.result(), int(QDialog::Accepted));
        const ChannelRecord* r = c.channels.find(5);
        QVERIFY(r);
        QCOMPARE(Str(r->RxFreq.raw()), QString("014560000"));
        QCOMPARE(int(r->ShiftDir), 1);
        QCOMPARE(Str(r->Offset.raw()), QString("000060000"));
        QCOMPARE(Str(r->Name.raw()), QString("REPEAT1"));
        QCOMPARE(int(r->Step), 1);
        QCOMPARE(int(r->Bandwidth), 2);
        QCOMPARE(int(r->TxPower), 1);
        QCOMPARE(int(r->Signaling), 1);
        QCOMPARE(int(r->DtmfCodeNo), 2);
        QVERIFY(o.reporter.shown.empty());
    }

    void vfoCannotBeEmpty() {
        Codeplug c = MakeCodeplug();
        Open o(c, 203);
        o.key(Qt::Key_Tab);  // away from the receive field
        o.ok();
        QVERIFY(o.dialog.isVisible());
        QCOMPARE(o.reporter.shownTexts(), std::vector<std::string>{"VFO can't be null!"});
        QCOMPARE(o.focusName(), QString("TextRxFreq"));
        QCOMPARE(int(c.channels.ChannelCount), 0);
    }

    // A simplex channel given another receive frequency stays simplex: the transmit field
    // follows as the user types.
    void simplexChannelStaysSimplex() {
        Codeplug c = MakeCodeplug();
        Put(c, UsedChannel(2, {.rx = "014500000"}));
        Open o(c, 2);
        o.key(Qt::Key_A, Qt::ControlModifier);
        o.type("146.5");
        QCOMPARE(o.text("TextTxFreq")->text(), QString("146.50000"));
        o.ok();
        QCOMPARE(int(c.channels.find(2)->ShiftDir), 0);
        QCOMPARE(Str(c.channels.find(2)->RxFreq.raw()), QString("014650000"));
    }

    void clearedReceiveDeletesTheChannel() {
        Codeplug c = MakeCodeplug();
        Put(c, UsedChannel(2, {.name = "OLD"}));
        Put(c, UsedChannel(3, {.rx = "014600000", .name = "OLD"}));
        Open o(c, 2);
        QCOMPARE(o.text("TextRxFreq")->text(), QString("145.00000"));
        QVERIFY(o.combo("ComboStep")->isEnabled());
        o.key(Qt::Key_A, Qt::ControlModifier);
        o.key(Qt::Key_Backspace);
        QVERIFY(!o.combo("ComboStep")->isEnabled());
        o.ok();
        QCOMPARE(o.dialog.result(), int(QDialog::Accepted));
        QVERIFY(!ChannelExists(c.channels, 2));
        QCOMPARE(int(c.channels.ChannelCount), 1);
    }

    void pttIdCodeStoredPadded() {
        Codeplug c = MakeCodeplug();
        ChannelRecord r = UsedChannel(6, {.name = "OLD"});
        r.PttIdCode = FixedText<5>::Raw(std::string_view("12\0\0\0", 5));
        Put(c, r);
        Open o(c, 6);
        o.click(o.check("CheckCompander"));
        o.ok();
        QCOMPARE(Str(c.channels.find(6)->PttIdCode.raw()), QString("00012"));
        QCOMPARE(int(c.channels.find(6)->Compander), 1);
    }

    void reverseAndTalkaroundExcludeEachOther() {
        Codeplug c = MakeCodeplug();
        Put(c, UsedChannel(2, {.name = "OLD"}));
        Open o(c, 2);
        QCheckBox* reverse = o.check("CheckReverse");
        QCheckBox* talkaround = o.check("CheckTalkaround");
        o.click(reverse);
        QVERIFY(reverse->isChecked());
        talkaround->setFocus();
        o.key(Qt::Key_Space);
        QVERIFY(talkaround->isChecked());
        QVERIFY(!reverse->isChecked());
        o.key(Qt::Key_Return);  // Enter moves on from a check box too
        QCOMPARE(o.focusName(), QString("CheckCompander"));
    }

    void toneTypesAndSquelchList() {
        Codeplug c = MakeCodeplug();
        Put(c, UsedChannel(2, {.name = "OLD"}));
        Open o(c, 2);
        QComboBox* squelch = o.combo("ComboSquelch");
        QComboBox* rxType = o.combo("ComboRxToneType");
        QCOMPARE(squelch->count(), 1);
        QVERIFY(!o.combo("ComboRxCtcss")->isVisible());
        rxType->setFocus();
        o.key(Qt::Key_Down);  // CTCSS
        QVERIFY(o.combo("ComboRxCtcss")->isVisible());
        QCOMPARE(o.combo("ComboRxCtcss")->currentText(), QString("62.5"));
        QCOMPARE(squelch->count(), 2);
        QCOMPARE(squelch->itemText(1), QString("CTCSS/DCS"));
        o.key(Qt::Key_Down);  // DCS
        QVERIFY(!o.combo("ComboRxCtcss")->isVisible());
        QVERIFY(o.combo("ComboRxDcs")->isVisible());
        QVERIFY(o.check("CheckRxDcsInvert")->isVisible());
        QCOMPARE(o.combo("ComboRxDcs")->currentText(), QString("000"));
        o.combo("ComboSignaling")->setFocus();
        o.key(Qt::Key_Down);
        QCOMPARE(squelch->count(), 5);
        o.click(o.check("CheckReverse"));  // transmit tone decides
        QCOMPARE(squelch->count(), 2);
        QCOMPARE(squelch->itemText(1), QString("Signalling"));
    }

    void twoToneWithoutDtmf() {
        Codeplug c = MakeCodeplug();
        Put(c, UsedChannel(2, {.name = "OLD"}));
        Open o(c, 2, {0, 1, 0, 0});
        QComboBox* signaling = o.combo("ComboSignaling");
        QCOMPARE(signaling->count(), 2);
        QCOMPARE(signaling->itemText(1), QString("2Tone"));
        QVERIFY(!o.combo("ComboDtmfPttId")->isVisible());
        QVERIFY(!o.combo("ComboFiveTonePttId")->isVisible());
        signaling->setFocus();
        o.key(Qt::Key_Down);
        QVERIFY(o.combo("ComboTwoTone")->isVisible());
        QVERIFY(!o.combo("ComboDtmfMemory")->isVisible());
        QCOMPARE(o.combo("ComboTwoTone")->currentText(), QString("3"));
        o.combo("ComboTwoTone")->setFocus();
        o.key(Qt::Key_Down);
        o.ok();
        QCOMPARE(int(c.channels.find(2)->Signaling), 2);
        QCOMPARE(int(c.channels.find(2)->TwoToneNo), 7);
    }

    void storedValuesOutsideTheirListsOpen() {
        Codeplug c = MakeCodeplug();
        ChannelRecord r = UsedChannel(4, {.name = "OLD"});
        r.Step = 40;
        r.Bandwidth = 9;
        r.RxToneType = 2;
        r.RxDcs = 900;
        r.TxToneType = 1;
        r.TxCtcss = 99;
        r.DtmfCodeNo = 31;
        r.Signaling = 1;
        r.DtmfPttId = 15;
        r.SquelchMode = 7;
        Put(c, r);
        Open o(c, 4);
        QCOMPARE(o.combo("ComboStep")->currentIndex(), 0);
        QCOMPARE(o.combo("ComboBandwidth")->currentIndex(), 0);
        QCOMPARE(o.combo("ComboRxDcs")->currentText(), QString("000"));
        QCOMPARE(o.combo("ComboTxCtcss")->currentText(), QString("62.5"));
        QCOMPARE(o.combo("ComboDtmfMemory")->currentText(), QString("M1"));
        QCOMPARE(o.combo("ComboDtmfPttId")->currentIndex(), 0);
        QCOMPARE(o.combo("ComboSquelch")->currentIndex(), 0);
        o.ok();
        QCOMPARE(o.dialog.result(), int(QDialog::Accepted));
    }

    void labelsInBothLanguages_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("rxLabel");
        QTest::addColumn<QString>("rxTone");
        QTest::addColumn<QString>("ok");
        QTest::newRow("English") << int(Language::English) << "Edit channel"
                                 << "Receive frequency (MHz)"
                                 << "CTCSS/DCS Decode"
                                 << "OK";
        QTest::newRow("Chinese") << int(Language::Chinese) << QString() << QString() << QString()
                                 << QString();
    }
    void labelsInBothLanguages() {
        QFETCH(int, language);
        QFETCH(QString, caption);
        QFETCH(QString, rxLabel);
        QFETCH(QString, rxTone);
        QFETCH(QString, ok);
        Codeplug c = MakeCodeplug();
        Open o(c, 1, AllFeatures(), Language(language));
        auto lang = [&](int key) { return QString::fromStdString(o.texts.langText(key)); };
        if (caption.isEmpty()) {  // the Chinese texts as the language file has them
            caption = lang(1300);
            rxLabel = lang(1101);
            rxTone = lang(1107) + " " + lang(1112);
            ok = lang(101);
            QVERIFY(!caption.isEmpty() && caption != "Edit channel");
        }
        QCOMPARE(o.dialog.windowTitle(), caption + " - 0");  // the title names the channel
        QCOMPARE(o.labelOf(o.text("TextRxFreq")), rxLabel);
        QCOMPARE(o.labelOf(o.combo("ComboRxToneType")), rxTone);
        QCOMPARE(o.get<QPushButton>("CommandOK")->text(), ok);
        QCOMPARE(o.check("CheckReverse")->text(), lang(1207));
        QCOMPARE(o.combo("ComboPower")->itemText(1), lang(1221));
    }

    // A screen reader tells every control apart: each has a name of its own, and the tone
    // controls say which side they belong to.
    void everyControlHasADistinctAccessibleName() {
        Codeplug c = MakeCodeplug();
        Open o(c, 1);
        QSet<QString> names;
        for (QWidget* w : o.dialog.findChildren<QWidget*>()) {
            if (!qobject_cast<QLineEdit*>(w) && !qobject_cast<QComboBox*>(w) &&
                !qobject_cast<QCheckBox*>(w)) {
                continue;
            }
            if (qobject_cast<QCheckBox*>(w) && w->accessibleName().isEmpty()) {
                QVERIFY(!static_cast<QCheckBox*>(w)->text().isEmpty());  // its own text
                names.insert(static_cast<QCheckBox*>(w)->text());
                continue;
            }
            QVERIFY2(!w->accessibleName().isEmpty(), qPrintable(w->objectName()));
            QVERIFY2(!names.contains(w->accessibleName()), qPrintable(w->accessibleName()));
            names.insert(w->accessibleName());
        }
        const QString decode = QString::fromStdString(o.texts.langText(1112));
        const QString encode = QString::fromStdString(o.texts.langText(1113));
        QVERIFY(o.check("CheckRxDcsInvert")->accessibleName().contains(decode));
        QVERIFY(o.check("CheckTxDcsInvert")->accessibleName().contains(encode));
        QVERIFY(o.combo("ComboTxCtcss")->accessibleName().contains(encode));
        QVERIFY(o.text("TextName3")->accessibleName().endsWith("3/7"));
    }

    // The main window opens the editor on its list (double click, Enter, mnuEditCH) but not
    // on the label column, and redraws the row after OK.
    void openedFromTheChannelList() {
        AppSession session;
        session.texts = test::DataTexts(Language::English);
        session.features = AllFeatures();
        PortMap ports(ProfileFile::Parse(""));
        MainWindow window(session, ports);
        window.show();
        QTableView* list = window.channelList();
        ChannelListModel* model = window.channelModel();

        int opened = 0;
        auto typeOnOpen = [&](const QString& rx) {
            QTimer::singleShot(0, [&, rx] {
                auto* dialog =
                    qobject_cast<ChannelEditorDialog*>(QApplication::activeModalWidget());
                if (!dialog) return;
                ++opened;
                auto* edit = dialog->findChild<QLineEdit*>("TextRxFreq");
                edit->selectAll();
                QTest::keyClick(edit, Qt::Key_Backspace);
                QTest::keyClicks(edit, rx);
                dialog->commitOk();
            });
        };

        list->setCurrentIndex(model->index(4, 0));  // the label column of channel 5
        typeOnOpen("146.5");
        window.editChannel();
        QCoreApplication::processEvents();
        QCOMPARE(opened, 0);

        typeOnOpen("146.5");
        const QPoint cell = list->visualRect(model->index(4, 1)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, cell);
        QCOMPARE(opened, 1);
        QCOMPARE(window.document().undoStack().undoText(), QString("Edit channel 4"));
        QVERIFY(ChannelExists(session.codeplug.channels, 5));
        QCOMPARE(model->cell(5, 1), QString("146.50000"));

        list->setCurrentIndex(model->index(201, 3));  // PB
        typeOnOpen("147");
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(opened, 2);
        QCOMPARE(model->cell(202, 1), QString("147.00000"));

        list->setCurrentIndex(model->index(4, 2));
        typeOnOpen("");  // cleared: channel 5 goes
        window.findChild<QAction*>("mnuEditCH")->trigger();
        QCOMPARE(opened, 3);
        QVERIFY(!ChannelExists(session.codeplug.channels, 5));
        QCOMPARE(model->cell(5, 1), QString());
    }
};

QTEST_MAIN(ChannelEditorDialogTest)
#include "test_channel_editor_dialog.moc"
