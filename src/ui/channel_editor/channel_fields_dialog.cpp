// ChannelFieldsDialog: its controls, layout, labels and lists. The model/control traffic lives in
// channel_fields_sync.cpp.
#include "ui/channel_editor/channel_fields_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "codeplug/tones.h"
#include "ui/channel_editor/channel_editor_keys.h"
#include "ui/edit_key_filter.h"
#include "ui/form_parts.h"
#include "ui/relabel.h"
#include "ui/ui_text.h"

namespace torvik {

ChannelFieldsDialog::ChannelFieldsDialog(const LanguageTexts& texts, QWidget* parent)
    : QDialog(parent), texts_(texts) {
    setWindowTitle(QStringLiteral("UHF信道信息编辑"));
    SetLangKey(this, kKeyChannelEditCaption);
    keys_ = new EditKeyFilter([this] { focusNextChild(); }, this);
}

void ChannelFieldsDialog::buildForm(const ChannelEditModel& lists, const QString& subject) {
    buildControls();
    buildLayout();
    setTabOrder();
    relabel(subject);
    fillLists(lists);
    connect(buttons_, &QDialogButtonBox::accepted, this, &ChannelFieldsDialog::commitOk);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void ChannelFieldsDialog::buildControls() {
    rxFreq_ = MakeText(this, "TextRxFreq", static_cast<int>(kFrequencyTextLength), 10);
    txFreq_ = MakeText(this, "TextTxFreq", static_cast<int>(kFrequencyTextLength), 10);
    keys_->watchText(rxFreq_, TextRule::RxFrequency);
    keys_->watchText(txFreq_, TextRule::Any);
    shift_ = new QLabel(this);
    shift_->setObjectName("LabelShift");
    shift_->setEnabled(false);  // a hint, shown in the muted text colour
    dependents_.push_back(txFreq_);

    for (int i = 0; i < kNameBoxes; ++i) {
        QLineEdit* box = MakeText(this, QStringLiteral("TextName%1").arg(i + 1), 1, 1);
        box->setAlignment(Qt::AlignCenter);
        keys_->watchText(box, TextRule::NameBox);
        name_[static_cast<std::size_t>(i)] = box;
        dependents_.push_back(box);
    }

    step_ = MakeCombo(this, "ComboStep");
    bandwidth_ = MakeCombo(this, "ComboBandwidth");
    power_ = MakeCombo(this, "ComboPower");
    signaling_ = MakeCombo(this, "ComboSignaling");
    dtmfMemory_ = MakeCombo(this, "ComboDtmfMemory");
    twoTone_ = MakeCombo(this, "ComboTwoTone");
    fiveTone_ = MakeCombo(this, "ComboFiveTone");
    rxTone_ = {MakeCombo(this, "ComboRxToneType"), MakeCombo(this, "ComboRxCtcss"),
               MakeCombo(this, "ComboRxDcs"),
               MakeCheck(this, "CheckRxDcsInvert", kKeyChannelDcsInverted, "反码")};
    txTone_ = {MakeCombo(this, "ComboTxToneType"), MakeCombo(this, "ComboTxCtcss"),
               MakeCombo(this, "ComboTxDcs"),
               MakeCheck(this, "CheckTxDcsInvert", kKeyChannelDcsInverted, "反码")};
    squelch_ = MakeCombo(this, "ComboSquelch");
    scrambler_ = MakeCombo(this, "ComboScrambler");
    dtmfPttId_ = MakeCombo(this, "ComboDtmfPttId");
    fiveTonePttId_ = MakeCombo(this, "ComboFiveTonePttId");
    busyLock_ = MakeCombo(this, "ComboBusyLock");
    txInhibit_ = MakeCheck(this, "CheckTxInhibit", kKeyChannelTxInhibit, "发射禁止");
    reverse_ = MakeCheck(this, "CheckReverse", kKeyChannelReverse, "倒频");
    talkaround_ = MakeCheck(this, "CheckTalkaround", kKeyChannelTalkaround, "脱网");
    compander_ = MakeCheck(this, "CheckCompander", kKeyChannelCompander, "压扩器");
    scanSkip_ = MakeCheck(this, "CheckScanSkip", kKeyChannelScanSkip, "扫描跳过");

    for (QWidget* w :
         std::initializer_list<QWidget*>{step_,         bandwidth_,  power_,           signaling_,
                                         dtmfMemory_,   twoTone_,    fiveTone_,        rxTone_.type,
                                         rxTone_.ctcss, rxTone_.dcs, rxTone_.inverted, txTone_.type,
                                         txTone_.ctcss, txTone_.dcs, txTone_.inverted, squelch_,
                                         scrambler_,    dtmfPttId_,  fiveTonePttId_,   busyLock_,
                                         txInhibit_,    reverse_,    talkaround_,      compander_,
                                         scanSkip_}) {
        keys_->watchField(w);
        dependents_.push_back(w);
    }
    for (QWidget* w : std::initializer_list<QWidget*>{
             dtmfMemory_, twoTone_, fiveTone_, rxTone_.ctcss, rxTone_.dcs, rxTone_.inverted,
             txTone_.ctcss, txTone_.dcs, txTone_.inverted}) {
        KeepPlace(w);
    }

    buttons_ = MakeOkCancelButtons(this);
}

void ChannelFieldsDialog::buildLayout() {
    // Frequencies and name.
    frequencyForm_ = new QFormLayout;
    auto* rxRow = new QHBoxLayout;
    rxRow->addWidget(rxFreq_);
    rxRow->addStretch(1);
    frequencyLabels_[0] = MakeLabel(this, kKeyChannelRxFreq, "接收频率", rxFreq_);
    frequencyForm_->addRow(frequencyLabels_[0], rxRow);
    auto* txRow = new QHBoxLayout;
    txRow->addWidget(txFreq_);
    txRow->addWidget(shift_);
    txRow->addStretch(1);
    frequencyLabels_[1] = MakeLabel(this, kKeyChannelTxFreq, "发射频率", txFreq_);
    frequencyForm_->addRow(frequencyLabels_[1], txRow);
    auto* nameRow = new QHBoxLayout;
    nameRow->setSpacing(2);
    for (QLineEdit* box : name_) nameRow->addWidget(box);
    nameRow->addStretch(1);
    frequencyForm_->addRow(MakeLabel(this, kKeyChannelName, "信道名称", name_[0]), nameRow);

    // Channel settings on the left; the signalling number lists share one cell.
    settingsForm_ = new QFormLayout;
    settingsForm_->addRow(MakeLabel(this, kKeyChannelStep, "步进", step_), step_);
    settingsForm_->addRow(MakeLabel(this, kKeyChannelBandwidth, "带宽", bandwidth_), bandwidth_);
    settingsForm_->addRow(MakeLabel(this, kKeyChannelPower, "发射功率", power_), power_);
    auto* signalingRow = new QGridLayout;
    signalingRow->addWidget(signaling_, 0, 0);
    for (QComboBox* numbers : {dtmfMemory_, twoTone_, fiveTone_}) {
        signalingRow->addWidget(numbers, 0, 1);
    }
    signalingRow->setColumnStretch(2, 1);
    settingsForm_->addRow(MakeLabel(this, kKeyChannelSignaling, "可选信令", signaling_),
                          signalingRow);
    settingsForm_->addRow(MakeLabel(this, kKeyChannelSquelch, "静噪模式", squelch_), squelch_);
    settingsForm_->addRow(MakeLabel(this, kKeyChannelScrambler, "扰频", scrambler_), scrambler_);
    settingsForm_->addRow(MakeLabel(this, kKeyChannelDtmfPttId, "DTMF PTTID", dtmfPttId_),
                          dtmfPttId_);
    settingsForm_->addRow(MakeLabel(this, kKeyChannelFiveTonePttId, "5Tone PTTID", fiveTonePttId_),
                          fiveTonePttId_);
    settingsForm_->addRow(MakeLabel(this, kKeyChannelBusyLock, "遇忙锁定", busyLock_), busyLock_);

    // Tones on the right, the CTCSS and DCS lists of a side sharing one cell; then the
    // switches.
    auto* tones = new QGridLayout;
    rxToneLabel_ = MakeLabel(this, 0, "CTCSS/DCS", rxTone_.type);
    txToneLabel_ = MakeLabel(this, 0, "CTCSS/DCS", txTone_.type);
    int row = 0;
    for (auto [label, controls] :
         {std::pair{rxToneLabel_, rxTone_}, std::pair{txToneLabel_, txTone_}}) {
        tones->addWidget(label, row, 0);
        tones->addWidget(controls.type, row, 1);
        tones->addWidget(controls.ctcss, row, 2);
        tones->addWidget(controls.dcs, row, 2);
        tones->addWidget(controls.inverted, row, 3);
        ++row;
    }
    tones->setColumnStretch(4, 1);
    auto* switches = new QGridLayout;
    int i = 0;
    for (QCheckBox* check : {txInhibit_, reverse_, talkaround_, compander_, scanSkip_}) {
        switches->addWidget(check, i / 2, i % 2);
        ++i;
    }
    auto* right = new QVBoxLayout;
    right->addLayout(tones);
    right->addSpacing(fontMetrics().height());
    right->addLayout(switches);
    right->addStretch(1);

    auto* columns = new QHBoxLayout;
    columns->addLayout(settingsForm_);
    columns->addSpacing(2 * fontMetrics().height());
    columns->addLayout(right, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(frequencyForm_);
    layout->addSpacing(fontMetrics().height() / 2);
    layout->addLayout(columns);
    layout->addStretch(1);
    layout->addWidget(buttons_);
}

void ChannelFieldsDialog::hideFrequencies() {
    for (QLabel* label : frequencyLabels_) frequencyForm_->setRowVisible(label, false);
}

void ChannelFieldsDialog::setTabOrder() {
    std::vector<QWidget*> order{rxFreq_, txFreq_};
    order.insert(order.end(), name_.begin(), name_.end());
    for (QWidget* w : std::initializer_list<QWidget*>{step_,
                                                      bandwidth_,
                                                      power_,
                                                      signaling_,
                                                      dtmfMemory_,
                                                      twoTone_,
                                                      fiveTone_,
                                                      squelch_,
                                                      scrambler_,
                                                      dtmfPttId_,
                                                      fiveTonePttId_,
                                                      busyLock_,
                                                      rxTone_.type,
                                                      rxTone_.ctcss,
                                                      rxTone_.dcs,
                                                      rxTone_.inverted,
                                                      txTone_.type,
                                                      txTone_.ctcss,
                                                      txTone_.dcs,
                                                      txTone_.inverted,
                                                      txInhibit_,
                                                      reverse_,
                                                      talkaround_,
                                                      compander_,
                                                      scanSkip_,
                                                      buttons_->button(QDialogButtonBox::Ok),
                                                      buttons_->button(QDialogButtonBox::Cancel)}) {
        order.push_back(w);
    }
    ChainTabOrder(order);
    AddConfirmShortcuts(this, [this] { commitOk(); });
}

void ChannelFieldsDialog::relabel(const QString& subject) {
    RelabelForm(this, texts_);
    LabelOkCancel(buttons_, texts_);
    // The tone-type labels join two keys: "CTCSS/DCS" and "decode" or "encode".
    auto toneLabel = [this](int sideKey) {
        QString first = LangQ(texts_, kKeyChannelToneType);
        if (first.isEmpty()) first = QStringLiteral("CTCSS/DCS");
        return first + " " + LangQ(texts_, sideKey);
    };
    rxToneLabel_->setText(toneLabel(kKeyChannelDecode));
    txToneLabel_->setText(toneLabel(kKeyChannelEncode));
    nameControls();
    // The title says which channels are edited.
    setWindowTitle(windowTitle() + " - " + subject);
}

// Controls that share a label get names of their own that say which is which: the seven name
// boxes by position, the number lists by signalling system, the tone lists and their
// "Inverted" boxes by side (receive decodes, transmit encodes).
void ChannelFieldsDialog::nameControls() {
    NameByLabels(this);
    const QString name = name_[0]->accessibleName();
    for (std::size_t i = 0; i < name_.size(); ++i) {
        name_[i]->setAccessibleName(
            QStringLiteral("%1 %2/%3").arg(name).arg(i + 1).arg(name_.size()));
    }
    const QString signaling = signaling_->accessibleName();
    dtmfMemory_->setAccessibleName(signaling + " DTMF");
    twoTone_->setAccessibleName(signaling + " 2Tone");
    fiveTone_->setAccessibleName(signaling + " 5Tone");
    for (auto [label, controls] :
         {std::pair{rxToneLabel_, rxTone_}, std::pair{txToneLabel_, txTone_}}) {
        const QString side = PlainText(label->text());
        controls.type->setAccessibleName(side);
        controls.ctcss->setAccessibleName(side + " CTCSS");
        controls.dcs->setAccessibleName(side + " DCS");
        controls.inverted->setAccessibleName(side + " " + PlainText(controls.inverted->text()));
    }
}

void ChannelFieldsDialog::fillLists(const ChannelEditModel& lists) {
    QStringList steps;
    for (std::string_view step : lists.stepChoices()) steps << Q(step);
    SetItems(step_, steps);
    SetItems(bandwidth_, {"25KHz", "20KHz", "12.5KHz"});
    SetItems(power_,
             KeyItems(texts_, {kKeyChannelPowerHigh, kKeyChannelPowerMedium, kKeyChannelPowerLow}));

    QStringList signaling;
    for (int type : lists.signalingChoices()) {
        signaling << (type == kSignalingDtmf       ? QStringLiteral("DTMF")
                      : type == kSignalingTwoTone  ? QStringLiteral("2Tone")
                      : type == kSignalingFiveTone ? QStringLiteral("5Tone")
                                                   : LangQ(texts_, kKeyChannelNone));
    }
    SetItems(signaling_, signaling);
    QStringList memories;
    for (int i = 1; i <= kDtmfMemoryChoices; ++i) memories << QStringLiteral("M%1").arg(i);
    SetItems(dtmfMemory_, memories);
    SetItems(twoTone_, NumberItems(lists.twoToneChoices()));
    SetItems(fiveTone_, NumberItems(lists.fiveToneChoices()));

    QStringList ctcss;
    for (std::string_view tone : CtcssTable) ctcss << Q(tone);
    QStringList dcs;
    for (int code = 0; code < kDcsCodeCount; ++code) {
        dcs << QStringLiteral("%1").arg(code, 3, 8, QLatin1Char('0'));
    }
    for (const ToneControls* side : {&rxTone_, &txTone_}) {
        SetItems(side->type, {LangQ(texts_, kKeyChannelNone), "CTCSS", "DCS"});
        SetItems(side->ctcss, ctcss);
        SetItems(side->dcs, dcs);
    }

    SetItems(scrambler_, KeyItems(texts_, {kKeyChannelOff, kKeyChannelOn}));
    const QStringList pttId = KeyItems(
        texts_, {kKeyChannelOff, kKeyChannelPttBegin, kKeyChannelPttEnd, kKeyChannelPttBoth});
    SetItems(dtmfPttId_, pttId);
    SetItems(fiveTonePttId_, pttId);
    SetItems(busyLock_, {LangQ(texts_, kKeyChannelOff), "Repeater", "Busy"});

    settingsForm_->setRowVisible(dtmfPttId_, lists.offersDtmfPttId());
    settingsForm_->setRowVisible(fiveTonePttId_, lists.offersFiveTonePttId());
}

QWidget* ChannelFieldsDialog::fieldControl(ChannelField field) const {
    const int index = static_cast<int>(field);
    if (index >= 0 && index < kNameBoxes) return name_[static_cast<std::size_t>(index)];
    switch (field) {
        case ChannelField::Step:
            return step_;
        case ChannelField::Bandwidth:
            return bandwidth_;
        case ChannelField::TxPower:
            return power_;
        case ChannelField::Signaling:
            return signaling_;
        case ChannelField::DtmfMemory:
            return dtmfMemory_;
        case ChannelField::TwoTone:
            return twoTone_;
        case ChannelField::FiveTone:
            return fiveTone_;
        case ChannelField::RxToneType:
            return rxTone_.type;
        case ChannelField::RxCtcss:
            return rxTone_.ctcss;
        case ChannelField::RxDcs:
            return rxTone_.dcs;
        case ChannelField::RxDcsInverted:
            return rxTone_.inverted;
        case ChannelField::TxToneType:
            return txTone_.type;
        case ChannelField::TxCtcss:
            return txTone_.ctcss;
        case ChannelField::TxDcs:
            return txTone_.dcs;
        case ChannelField::TxDcsInverted:
            return txTone_.inverted;
        case ChannelField::Squelch:
            return squelch_;
        case ChannelField::Scrambler:
            return scrambler_;
        case ChannelField::DtmfPttId:
            return dtmfPttId_;
        case ChannelField::FiveTonePttId:
            return fiveTonePttId_;
        case ChannelField::BusyLock:
            return busyLock_;
        case ChannelField::TxInhibit:
            return txInhibit_;
        case ChannelField::Reverse:
            return reverse_;
        case ChannelField::Talkaround:
            return talkaround_;
        case ChannelField::Compander:
            return compander_;
        case ChannelField::ScanSkip:
            return scanSkip_;
        default:
            return nullptr;
    }
}

QString ChannelFieldsDialog::fieldName(ChannelField field) const {
    QWidget* control = fieldControl(field);
    if (!control) return {};
    if (!control->accessibleName().isEmpty()) return control->accessibleName();
    // A check box without a name of its own is read by its text.
    const auto* check = qobject_cast<const QCheckBox*>(control);
    return check ? PlainText(check->text()) : QString();
}

}  // namespace torvik
