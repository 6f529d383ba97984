// The scan editor worked as a user works it.
#include "document/codeplug_document.h"
#include "functions/scan/scan_rules.h"
#include "support/codeplug_fixtures.h"
#include "support/data_texts.h"
#include "support/dialog_driver.h"
#include "support/recording_reporter.h"
#include "ui/scan/scan_dialog.h"

using namespace torvik;
using test::Shown;

class ScanDialogTest : public QObject {
    Q_OBJECT

    Codeplug codeplug_;
    std::unique_ptr<CodeplugDocument> document_;
    LanguageTexts texts_ = test::DataTexts(Language::English);
    test::RecordingReporter reporter_;

    const ScanSettings& scan() { return document_->codeplug().record.scan; }

    // As a file or a radio may hold them: not through the document, which would repair them.
    void store(const ScanSettings& settings) {
        codeplug_.record.scan = settings;
        test::AddChannels(codeplug_.channels, {3, 8, 12});
    }

  private slots:
    void init() {
        codeplug_ = test::NewTestCodeplug();
        document_ = std::make_unique<CodeplugDocument>(codeplug_);
    }

    void revertListFollowsThePriority() {
        ScanSettings s;
        s.scanMode = 1;
        store(s);
        Shown<ScanDialog> o(*document_, texts_, reporter_);
        const auto full = FullRevertList(reporter_);
        QComboBox* revert = o.combo("ComboRevert");
        QCOMPARE(test::Items(revert),
                 (QStringList{QString::fromStdString(full[0]), QString::fromStdString(full[1]),
                              QString::fromStdString(full[4]), QString::fromStdString(full[5])}));
        QVERIFY(!o.combo("ComboPriorityChannel1")->isEnabled());
        o.choose(revert, 2);
        o.choose(o.combo("ComboPriority"), 3);
        QCOMPARE(revert->count(), 8);
        QCOMPARE(revert->currentText(), QString::fromStdString(full[4]));  // still offered
        QVERIFY(o.combo("ComboPriorityChannel1")->isEnabled());
        QVERIFY(o.combo("ComboPriorityChannel2")->isEnabled());
        o.choose(revert, 6);
        o.choose(o.combo("ComboPriority"), 0);  // entry 6 is not offered any more
        QCOMPARE(revert->currentIndex(), 0);
        o.ok();
        QCOMPARE(scan().revertChoice, 0);
        QCOMPARE(scan().priorityMode, 0);
    }

    void scanOffDisablesTheRest() {
        Shown<ScanDialog> o(*document_, texts_, reporter_);
        QVERIFY(!o.combo("ComboPriority")->isEnabled());
        QVERIFY(!o.check("CheckEntryTone")->isEnabled());
        o.choose(o.combo("ComboScanMode"), 1);
        QVERIFY(o.combo("ComboPriority")->isEnabled());
        QVERIFY(o.check("CheckEntryTone")->isEnabled());
        QVERIFY(!o.combo("ComboPriorityChannel1")->isEnabled());
    }

    // Priority channel 12 shows as 11; a channel that no longer exists shows the first one
    // and is stored as that; times go by position; hidden values pass through.
    void channelsAndTimes() {
        ScanSettings s;
        s.scanMode = 1;
        s.priorityMode = 3;
        s.priorityChannel1 = 12;
        s.priorityChannel2 = 150;
        s.waitTime = 10;
        s.scanType = 2;
        store(s);
        Shown<ScanDialog> o(*document_, texts_, reporter_);
        QCOMPARE(test::Items(o.combo("ComboPriorityChannel1")), (QStringList{"2", "7", "11"}));
        QCOMPARE(o.combo("ComboPriorityChannel1")->currentText(), "11");
        QCOMPARE(o.combo("ComboPriorityChannel2")->currentText(), "2");
        QCOMPARE(o.combo("ComboScanBackA")->currentText(), "1.0");
        o.choose(o.combo("ComboRxResume"), 4);
        QCOMPARE(o.combo("ComboRxResume")->currentText(), "0.5");
        o.ok();
        QCOMPARE(scan().priorityChannel1, 12);
        QCOMPARE(scan().priorityChannel2, 3);
        QCOMPARE(scan().rxResumeDelay, 4);
        QCOMPARE(scan().waitTime, 10);
        QCOMPARE(scan().scanType, 2);
    }

    // Cancel keeps nothing, not even what showing corrected; an OK keeps the corrections.
    void showTimeCorrectionsNeedOk() {
        ScanSettings s;
        s.scanMode = 1;
        s.entryTone = 3;
        s.revertChoice = 6;  // not offered without priority
        store(s);
        const int steps = document_->undoStack().count();
        {
            Shown<ScanDialog> o(*document_, texts_, reporter_);
            QVERIFY(!o.check("CheckEntryTone")->isChecked());
            o.choose(o.combo("ComboScanMode"), 0);
            o.cancel();
        }
        QCOMPARE(scan().entryTone, 3);
        QCOMPARE(scan().revertChoice, 6);
        QCOMPARE(document_->undoStack().count(), steps);
        {
            Shown<ScanDialog> o(*document_, texts_, reporter_);
            o.ok();
        }
        QCOMPARE(scan().entryTone, 0);
        QCOMPARE(scan().revertChoice, 0);
        QCOMPARE(scan().scanMode, 1);
        QCOMPARE(document_->undoStack().count(), steps + 1);
    }
};

QTEST_MAIN(ScanDialogTest)
#include "test_scan_dialog.moc"
