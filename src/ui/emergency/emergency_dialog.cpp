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
#include "functions/emergency/emergency_rules.h"
#include "ui/edit_key_filter.h"
#include "ui/form_parts.h"
#include "ui/relabel.h"
#include "ui/ui_text.h"

namespace torvik {
namespace {

constexpr int kKeyCaption = 2600;
constexpr int kKeyLoneWorkerFrame = 2612;
constexpr int kKeyAutoCheck = 2613;
constexpr int kKeyIdNone = 2436;
constexpr int kKeyCyclesFirst = 2636;
constexpr int kMaxSeconds = 255;
constexpr int kMaxPreAlert = 254;
constexpr int kFirstLoneWorkerTime = 5;

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
    SetLangKey(this, kKeyCaption);
    keys_ = new EditKeyFilter([this] { focusNextChild(); }, this);
    buildControls();
    buildLayout();
    RelabelForm(this, texts_);
    LabelOkCancel(buttons_, texts_);
    fillLists();
    showValues();
    connectControls();
}

void EmergencyDialog::buildControls() {
    alarmMode_ = MakeCombo(this, "ComboAlarmMode");
    idCodeType_ = MakeCombo(this, "ComboIdCodeType");
    idCode_ = MakeCombo(this, "ComboIdCode");
    alarmTime_ = MakeCombo(this, "ComboAlarmTime");
    txTime_ = MakeCombo(this, "ComboTxTime");
    rxTime_ = MakeCombo(this, "ComboRxTime");
    channelSelect_ = MakeCombo(this, "ComboChannelSelect");
    channel_ = MakeCombo(this, "ComboChannel");
    cycles_ = MakeCombo(this, "ComboCycles");
    autoCheck_ = MakeCheck(this, "CheckAutoCheck", kKeyAutoCheck, "自动检测模式");
    preAlert_ = MakeCombo(this, "ComboPreAlert");
    loneWorkerTime_ = MakeCombo(this, "ComboLoneWorkerTime");
    for (QWidget* w : std::initializer_list<QWidget*>{
             alarmMode_, idCodeType_, idCode_, alarmTime_, txTime_, rxTime_, channelSelect_,
             channel_, cycles_, autoCheck_, preAlert_, loneWorkerTime_}) {
        keys_->watchField(w);
    }
    buttons_ = MakeOkCancelButtons(this);
}

void EmergencyDialog::buildLayout() {
    auto* form = new QFormLayout;
    form->addRow(MakeLabel(this, 2602, "紧急报警", alarmMode_), alarmMode_);
    form->addRow(MakeLabel(this, 2603, "紧急识别码类型选择", idCodeType_), idCodeType_);
    form->addRow(MakeLabel(this, 2604, "紧急识别码组数", idCode_), idCode_);
    form->addRow(MakeLabel(this, 2605, "报警时间(秒)", alarmTime_), alarmTime_);
    form->addRow(MakeLabel(this, 2606, "发射时间(秒)", txTime_), txTime_);
    form->addRow(MakeLabel(this, 2607, "接收时间(秒)", rxTime_), rxTime_);
    form->addRow(MakeLabel(this, 2608, "信道选择", channelSelect_), channelSelect_);
    form->addRow(MakeLabel(this, 2610, "紧急信道", channel_), channel_);
    form->addRow(MakeLabel(this, 2611, "周期", cycles_), cycles_);

    // The lone-worker frame is not offered by this radio family; it keeps its values.
    loneWorker_ = new QGroupBox(QStringLiteral("单独工作"), this);
    SetLangKey(loneWorker_, kKeyLoneWorkerFrame);
    auto* loneForm = new QFormLayout(loneWorker_);
    loneForm->addRow(autoCheck_);
    loneForm->addRow(MakeLabel(this, 2614, "预提醒时间(秒)", preAlert_), preAlert_);
    loneForm->addRow(MakeLabel(this, 2615, "单独工作有效时间(秒)", loneWorkerTime_),
                     loneWorkerTime_);
    loneWorker_->setVisible(false);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(loneWorker_);
    layout->addStretch(1);
    layout->addWidget(buttons_);
}

void EmergencyDialog::fillLists() {
    SetItems(alarmMode_, KeyItems(texts_, {2630, 2631, 2632, 2633}));
    SetItems(idCodeType_,
             {LangQ(texts_, kKeyIdNone), QStringLiteral("DTMF"), QStringLiteral("5Tone")});
    const QStringList seconds = RangeItems(1, kMaxSeconds);
    SetItems(alarmTime_, seconds);
    SetItems(txTime_, seconds);
    SetItems(rxTime_, seconds);
    SetItems(channelSelect_, KeyItems(texts_, {2634, 2635}));
    FillMemoryChannels(channel_, MemoryChannelChoices(state_.channels));
    SetItems(cycles_, QStringList{LangQ(texts_, kKeyCyclesFirst)} + seconds);
    SetItems(preAlert_, RangeItems(1, kMaxPreAlert));
    SetItems(loneWorkerTime_, RangeItems(kFirstLoneWorkerTime, kMaxSeconds));
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

void EmergencyDialog::showValues() {
    SelectOrFirst(alarmMode_, alarm_.alarmMode);
    SelectOrFirst(idCodeType_, alarm_.idCodeType);
    fillIdCodes();
    SelectOrFirst(alarmTime_, alarm_.alarmTime - 1);
    SelectOrFirst(txTime_, alarm_.txTime - 1);
    SelectOrFirst(rxTime_, alarm_.rxTime - 1);
    SelectOrFirst(channelSelect_, alarm_.channelSelect);
    ShowMemoryChannel(channel_, alarm_.emergencyChannel);
    SelectOrFirst(cycles_, alarm_.cycles);
    if (alarm_.loneWorkerAutoCheck > 1) alarm_.loneWorkerAutoCheck = 0;
    autoCheck_->setChecked(alarm_.loneWorkerAutoCheck != 0);
    SelectTextOrFirst(preAlert_, QString::number(alarm_.preAlertTime));
    SelectTextOrFirst(loneWorkerTime_, QString::number(alarm_.loneWorkerTime));
    applyAlarmModeRule();
    applyChannelRule();
    applyLoneWorkerRule();
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
    auto position = [](const QComboBox* combo) { return Byte(combo->currentIndex()); };
    alarm_.alarmMode = position(alarmMode_);
    alarm_.idCodeType = position(idCodeType_);
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
    alarm_.alarmTime = Byte(alarmTime_->currentIndex() + 1);
    alarm_.txTime = Byte(txTime_->currentIndex() + 1);
    alarm_.rxTime = Byte(rxTime_->currentIndex() + 1);
    alarm_.channelSelect = position(channelSelect_);
    alarm_.emergencyChannel = Byte(ShownMemoryChannel(channel_));
    alarm_.cycles = position(cycles_);
    alarm_.loneWorkerAutoCheck = autoCheck_->isChecked() ? 1 : 0;
    alarm_.preAlertTime = Byte(ShownNumber(preAlert_, alarm_.preAlertTime));
    alarm_.loneWorkerTime = Byte(ShownNumber(loneWorkerTime_, alarm_.loneWorkerTime));
    document_.commit(PlainText(windowTitle()), state_);
    accept();
}

}  // namespace torvik
