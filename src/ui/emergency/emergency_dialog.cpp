#include "ui/emergency/emergency_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>
#include <array>

#include "functions/emergency/channel_refs.h"
#include "functions/emergency/emergency_keys.h"
#include "functions/emergency/emergency_rules.h"
#include "ui/edit_key_filter.h"
#include "ui/field_binding.h"
#include "ui/form_parts.h"
#include "ui/relabel.h"
#include "ui/ui_text.h"

namespace torvik {
namespace {

constexpr int kMaxSeconds = 255;
constexpr int kMaxPreAlert = 254;
constexpr int kFirstLoneWorkerTime = 5;
constexpr PositionRule kFromOne{1};  // position p is p + 1 seconds

std::uint8_t Byte(int value) {
    return static_cast<std::uint8_t>(std::clamp(value, 0, 255));
}

// The number a list shows, or `fallback` when it shows nothing or no number.
int ShownNumber(const QComboBox* combo, int fallback) {
    bool ok = false;
    const int value = combo->currentText().toInt(&ok);
    return ok ? value : fallback;
}

}  // namespace

EmergencyDialog::EmergencyDialog(CodeplugDocument& document, const LanguageTexts& texts,
                                 QWidget* parent)
    : QDialog(parent),
      document_(document),
      texts_(texts),
      state_(document.editableState()),
      alarm_(state_.record.emergency) {
    setObjectName("FrmAlert");
    setWindowTitle(QStringLiteral("紧急报警信息"));
    SetLangKey(this, kKeyEmergencyCaption);
    keys_ = new EditKeyFilter([this] { focusNextChild(); }, this);
    fields_ = std::make_unique<FormFields>(this, keys_);
    declareFields();
    RelabelForm(this, texts_);
    LabelOkCancel(buttons_, texts_);
    fields_->showAll();
    fillIdCodes();
    applyAlarmModeRule();
    applyChannelRule();
    applyLoneWorkerRule();
    connectControls();
}

EmergencyDialog::~EmergencyDialog() = default;

void EmergencyDialog::declareFields() {
    FormFields& f = *fields_;
    EmergencySettings& a = alarm_;
    const QStringList seconds = RangeItems(1, kMaxSeconds);
    auto* form = new QFormLayout;
    alarmMode_ =
        f.list(form, "ComboAlarmMode", OtherKey(kKeyEmergencyAlarmMode, "紧急报警"),
               KeyItems(texts_, {kKeyEmergencyLocalAlarm, kKeyEmergencyRemoteAlarm,
                                 kKeyEmergencyLocalAndRemoteAlarm, kKeyEmergencySilentAlarm}),
               a.alarmMode);
    idCodeType_ = f.list(
        form, "ComboIdCodeType", OtherKey(kKeyEmergencyIdCodeType, "紧急识别码类型选择"),
        {LangQ(texts_, kKeyEmergencyIdNone), QStringLiteral("DTMF"), QStringLiteral("5Tone")},
        a.idCodeType);
    // The ID-code list offers the codes of the type chosen above: filled by its rule.
    idCode_ = MakeCombo(this, "ComboIdCode");
    keys_->watchField(idCode_);
    form->addRow(MakeLabel(this, kKeyEmergencyIdCode, "紧急识别码组数", idCode_), idCode_);
    alarmTime_ = f.list(form, "ComboAlarmTime", OtherKey(kKeyEmergencyAlarmTime, "报警时间(秒)"),
                        seconds, a.alarmTime, kFromOne);
    txTime_ = f.list(form, "ComboTxTime", OtherKey(kKeyEmergencyTxTime, "发射时间(秒)"), seconds,
                     a.txTime, kFromOne);
    rxTime_ = f.list(form, "ComboRxTime", OtherKey(kKeyEmergencyRxTime, "接收时间(秒)"), seconds,
                     a.rxTime, kFromOne);
    channelSelect_ =
        f.list(form, "ComboChannelSelect", OtherKey(kKeyEmergencyChannelSelect, "信道选择"),
               KeyItems(texts_, {kKeyEmergencyAssignedChannel, kKeyEmergencyCurrentChannel}),
               a.channelSelect);
    channel_ = f.memoryChannel(form, "ComboChannel", OtherKey(kKeyEmergencyChannel, "紧急信道"),
                               MemoryChannelChoices(state_.channels), a.emergencyChannel);
    cycles_ = f.list(form, "ComboCycles", OtherKey(kKeyEmergencyCycles, "周期"),
                     QStringList{LangQ(texts_, kKeyEmergencyContinuous)} + seconds, a.cycles);

    // The lone-worker frame is not offered by this radio family; it keeps its values.
    loneWorker_ = new QGroupBox(QStringLiteral("单独工作"), this);
    SetLangKey(loneWorker_, kKeyEmergencyLoneWorker);
    auto* loneForm = new QFormLayout(loneWorker_);
    autoCheck_ = f.check(loneForm, "CheckAutoCheck",
                         OtherKey(kKeyEmergencyAutoCheck, "自动检测模式"), a.loneWorkerAutoCheck);
    preAlert_ = f.numberList(loneForm, "ComboPreAlert",
                             OtherKey(kKeyEmergencyPreAlertTime, "预提醒时间(秒)"),
                             RangeItems(1, kMaxPreAlert), a.preAlertTime);
    loneWorkerTime_ = f.numberList(loneForm, "ComboLoneWorkerTime",
                                   OtherKey(kKeyEmergencyLoneWorkerTime, "单独工作有效时间(秒)"),
                                   RangeItems(kFirstLoneWorkerTime, kMaxSeconds), a.loneWorkerTime);
    loneWorker_->setVisible(false);

    buttons_ = MakeOkCancelButtons(this);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(loneWorker_);
    layout->addStretch(1);
    layout->addWidget(buttons_);
}

void EmergencyDialog::fillIdCodes() {
    QStringList items;
    QString stored;
    switch (idCodeType_->currentIndex()) {
        case kIdCodeDtmf: {
            std::vector<std::int16_t> lengths;
            for (const auto& code : state_.record.dtmf.memoryCodes) lengths.push_back(code.length);
            for (const int memory : DtmfIdCodeChoices(lengths)) items << Q(DtmfIdCodeText(memory));
            stored = Q(DtmfIdCodeText(alarm_.idCode));
            break;
        }
        case kIdCodeFiveTone: {
            std::array<bool, kFiveToneEntryCount> inUse{};
            const auto& table = state_.record.fiveTone.codeTable;
            for (std::size_t i = 0; i < table.size(); ++i) inUse[i] = table[i].empty == 0;
            items = NumberItems(FiveToneIdCodeChoices(inUse));
            stored = QString::number(alarm_.idCode);
            break;
        }
        default:
            break;
    }
    SetItems(idCode_, items);
    SelectTextOrFirst(idCode_, stored);
}

void EmergencyDialog::applyAlarmModeRule() {
    const bool alarmOnly = alarmMode_->currentIndex() == 0;
    alarmTime_->setEnabled(alarmOnly);
    for (QWidget* w : std::initializer_list<QWidget*>{idCodeType_, idCode_, txTime_, rxTime_}) {
        w->setEnabled(!alarmOnly);
    }
}

void EmergencyDialog::applyChannelRule() {
    channel_->setEnabled(channelSelect_->currentIndex() == 0);
}

void EmergencyDialog::applyLoneWorkerRule() {
    preAlert_->setEnabled(autoCheck_->isChecked());
    loneWorkerTime_->setEnabled(autoCheck_->isChecked());
}

void EmergencyDialog::connectControls() {
    connect(alarmMode_, &QComboBox::activated, this, &EmergencyDialog::applyAlarmModeRule);
    connect(idCodeType_, &QComboBox::activated, this, &EmergencyDialog::fillIdCodes);
    connect(channelSelect_, &QComboBox::activated, this, &EmergencyDialog::applyChannelRule);
    connect(autoCheck_, &QCheckBox::toggled, this, &EmergencyDialog::applyLoneWorkerRule);
    connect(buttons_, &QDialogButtonBox::accepted, this, &EmergencyDialog::commitOk);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void EmergencyDialog::commitOk() {
    fields_->storeAll();
    switch (alarm_.idCodeType) {
        case kIdCodeDtmf:
            // "M3" is memory 2.
            alarm_.idCode = Byte(idCode_->currentText().mid(1).toInt() - 1);
            break;
        case kIdCodeFiveTone:
            alarm_.idCode = Byte(ShownNumber(idCode_, 0));
            break;
        default:
            alarm_.idCode = 0;
    }
    document_.commit(PlainText(windowTitle()), state_);
    accept();
}

}  // namespace torvik
