// The emergency-alarm editor worked as a user works it.
#include "document/codeplug_document.h"
#include "support/codeplug_fixtures.h"
#include "support/data_texts.h"
#include "support/dialog_driver.h"
#include "ui/emergency/emergency_dialog.h"

using namespace torvik;
using test::Shown;

class EmergencyDialogTest : public QObject {
    Q_OBJECT

    Codeplug codeplug_;
    std::unique_ptr<CodeplugDocument> document_;
    LanguageTexts texts_ = test::DataTexts(Language::English);

    const EmergencySettings& alarm() { return document_->codeplug().record.emergency; }

    // DTMF memories M3 and M7 hold codes, 5-Tone entries 5 and 100 are in use, channels 5
    // and 9 exist.
    void store(const EmergencySettings& settings) {
        EditableState s = document_->editableState();
        s.record.emergency = settings;
        for (auto& code : s.record.dtmf.memoryCodes) code.length = 0;
        s.record.dtmf.memoryCodes[2].length = 3;
        s.record.dtmf.memoryCodes[6].length = 1;
        for (auto& entry : s.record.fiveTone.codeTable) entry.empty = 1;
        s.record.fiveTone.codeTable[4].empty = 0;
        s.record.fiveTone.codeTable[99].empty = 0;
        test::AddChannels(s.channels, {5, 9});
        document_->commit("setup", s);
    }

  private slots:
    void init() {
        codeplug_ = test::NewTestCodeplug();
        document_ = std::make_unique<CodeplugDocument>(codeplug_);
    }

    void idCodeListFollowsTheType() {
        EmergencySettings s;
        s.alarmMode = 1;
        s.idCodeType = 1;
        s.idCode = 6;
        store(s);
        Shown<EmergencyDialog> o(*document_, texts_);
        QComboBox* codes = o.combo("ComboIdCode");
        QCOMPARE(test::Items(codes), (QStringList{"M3", "M7"}));
        QCOMPARE(codes->currentText(), "M7");
        o.choose(o.combo("ComboIdCodeType"), 2);
        QCOMPARE(test::Items(codes), (QStringList{"4", "99"}));
        o.choose(codes, 1);
        o.ok();
        QCOMPARE(alarm().idCodeType, 2);
        QCOMPARE(alarm().idCode, 99);
    }

    void aMissingDtmfMemoryIsStoredAsTheFirstOffered() {
        EmergencySettings s;
        s.alarmMode = 1;
        s.idCodeType = 1;
        s.idCode = 0;  // M1 holds no code
        store(s);
        Shown<EmergencyDialog> o(*document_, texts_);
        QCOMPARE(o.combo("ComboIdCode")->currentText(), "M3");
        o.ok();
        QCOMPARE(alarm().idCode, 2);
    }

    // Times of 0 from a read image show "1" and go back as 1; the emergency channel 9 shows
    // as "8"; the alarm mode and channel selection switch rows on and off.
    void timesChannelAndEnabling() {
        EmergencySettings s;
        s.emergencyChannel = 9;
        s.alarmTime = 0;
        s.txTime = 0;
        s.rxTime = 30;
        store(s);
        Shown<EmergencyDialog> o(*document_, texts_);
        QCOMPARE(o.combo("ComboAlarmTime")->currentText(), "1");
        QCOMPARE(o.combo("ComboRxTime")->currentText(), "30");
        QCOMPARE(o.combo("ComboChannel")->currentText(), "8");
        QVERIFY(o.combo("ComboAlarmTime")->isEnabled());
        QVERIFY(!o.combo("ComboIdCodeType")->isEnabled());
        o.choose(o.combo("ComboAlarmMode"), 2);
        QVERIFY(!o.combo("ComboAlarmTime")->isEnabled());
        QVERIFY(o.combo("ComboTxTime")->isEnabled());
        o.choose(o.combo("ComboChannelSelect"), 1);
        QVERIFY(!o.combo("ComboChannel")->isEnabled());
        o.ok();
        QCOMPARE(alarm().alarmTime, 1);
        QCOMPARE(alarm().txTime, 1);
        QCOMPARE(alarm().rxTime, 30);
        QCOMPARE(alarm().emergencyChannel, 9);
        QCOMPARE(alarm().channelSelect, 1);
        QCOMPARE(alarm().preAlertTime, 1);  // the hidden lone-worker values are kept
        QCOMPARE(alarm().loneWorkerTime, 5);
    }
};

QTEST_MAIN(EmergencyDialogTest)
#include "test_emergency_dialog.moc"
