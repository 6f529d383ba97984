// DtmfDialog: its fields, layout and labels. Gathering and showing the form, the code-box
// rewrites, OK and the special call live in dtmf_dialog_edit.cpp.
#include "ui/dtmf/dtmf_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <vector>

#include "calling/dtmf/dtmf_choices.h"
#include "calling/option_section_keys.h"
#include "ui/dtmf/dtmf_dialog_keys.h"
#include "ui/edit_key_filter.h"
#include "ui/field_binding.h"
#include "ui/form_parts.h"
#include "ui/relabel.h"
#include "ui/ui_text.h"

namespace torvik {
namespace {

// The memories stand in two columns of a label and a box each.
constexpr int kMemoryColumns = 2;
constexpr int kCellsPerMemory = 2;
constexpr int kMemoryRows = kDtmfMemoryCodes / kMemoryColumns;
// Box widths in wide characters: enough for a whole code of digits.
constexpr int kLongBoxChars = 16;
constexpr int kShortBoxChars = 10;
constexpr int kIdBoxChars = 3;

// Code box `box`: as many symbols as its code holds, of the DTMF symbols.
TextBox CodeBox(int box) {
    const std::size_t width = DtmfCodeBoxWidth(box);
    return {static_cast<int>(width), width == kLongDtmfCodeWidth ? kLongBoxChars : kShortBoxChars,
            TextRule::DtmfCode};
}

QStringList DigitDurationItems(const LanguageTexts& texts) {
    QStringList durations;
    const QString ms = LangQ(texts, kKeyDtmfMilliseconds);
    for (int duration : kDtmfDigitDurationsMs) durations << QString::number(duration) + ms;
    return durations;
}

}  // namespace

DtmfDialog::DtmfDialog(CodeplugDocument& document, const LanguageTexts& texts, Reporter& reporter,
                       QWidget* parent)
    : QDialog(parent),
      document_(document),
      texts_(texts),
      reporter_(reporter),
      form_(DtmfFormOf(document.codeplug().record.dtmf)) {
    setObjectName("FrmDTMF");
    setWindowTitle(QStringLiteral("DTMF"));
    keys_ = new EditKeyFilter([this] { focusNextChild(); }, this);
    fields_ = std::make_unique<FormFields>(this, keys_);
    appliedId_ = form_.dtmfId;

    declareFields();
    setTabOrder();
    relabel();
    fields_->showAll();
    connectControls();
    codes_[0]->setFocus();
}

DtmfDialog::~DtmfDialog() = default;

void DtmfDialog::declareFields() {
    FormFields& f = *fields_;
    DtmfForm& v = form_;
    auto* codes = new QGroupBox(QStringLiteral("DTMF"), this);
    codes->setObjectName("FrameCodes");
    SetLangKey(codes, kKeyDtmfCodes);
    auto* codesLayout = new QVBoxLayout(codes);
    declareCodeBoxes(codesLayout);
    inputHint_ = MakeLabel(this, kKeyDtmfInputHint, "Input:1~9,A,B,C,D,#,*", nullptr);
    codesLayout->addWidget(inputHint_);
    codesLayout->addStretch(1);

    const QString off = LangQ(texts_, kKeyDtmfOff);
    const QStringList symbols = TextItems(DtmfSymbolTexts());
    const QStringList sendDelays = TextItems(DtmfSendDelayTexts());
    auto* settings = new QFormLayout;
    f.list(settings, "ComboAni", OtherKey(kKeyDtmfAni), KeyItems(texts_, {kKeyDtmfOff, kKeyDtmfOn}),
           v.ani);
    f.list(settings, "ComboDigitDuration", OtherKey(kKeyDtmfDigitDuration),
           DigitDurationItems(texts_), v.digitDuration);
    QComboBox* pttIdMode =
        f.list(settings, "ComboPttIdMode", OtherKey(kKeyDtmfPttIdMode),
               KeyItems(texts_, {kKeyDtmfOff, kKeyDtmfPttBegin, kKeyDtmfPttEnd, kKeyDtmfPttBoth}),
               v.pttIdMode);
    dtmfId_ = f.text(settings, "TextDtmfId", OtherKey(kKeyDtmfId),
                     {kIdBoxChars, kIdBoxChars, TextRule::Digits}, v.dtmfId);
    dtmfId_->installEventFilter(this);
    separator_ =
        f.list(settings, "ComboSeparator", OtherKey(kKeyDtmfSeparator), symbols, v.separator);
    f.list(settings, "ComboGroup", OtherKey(kKeyDtmfGroup), QStringList{off} + symbols, v.group);
    f.list(settings, "ComboDecodeResponse", OtherKey(kKeyDtmfDecodeResponse),
           KeyItems(texts_, {kKeyDtmfResponseNone, kKeyDtmfResponseRing, kKeyDtmfResponseReply}),
           v.decodeResponse);
    f.list(settings, "ComboFirstDigitDelay", OtherKey(kKeyDtmfFirstDigitDelay),
           TextItems(DtmfFirstDigitDelayTexts()), v.firstDigitDelay);
    f.list(settings, "ComboPreSendDelay", OtherKey(kKeyDtmfPreSendDelay), sendDelays,
           v.preSendDelay);
    f.list(settings, "ComboResetTime", OtherKey(kKeyDtmfResetTime), TextItems(DtmfResetTimeTexts()),
           v.resetTime);
    f.list(settings, "ComboPostSendDelay", OtherKey(kKeyDtmfPostSendDelay), sendDelays,
           v.postSendDelay);
    f.list(settings, "ComboPauseTime", OtherKey(kKeyDtmfPauseTime),
           QStringList{off} + TextItems(DtmfPauseTimeTexts()), v.pauseTime);
    f.check(settings, "CheckSideTone", OtherKey(kKeyDtmfSideTone, "侧音"), v.sideTone);
    // The PTT-ID mode never goes to the radio, which takes it per channel: the list keeps
    // the record's value through an OK without being shown.
    settings->setRowVisible(pttIdMode, false);

    special_ = new QPushButton(QStringLiteral("Special"), this);
    special_->setObjectName("CommandSpecial");
    special_->setAutoDefault(false);
    SetLangKey(special_, kKeyDtmfSpecial);
    buttons_ = MakeOkCancelButtons(this);
    for (QAbstractButton* button : buttons_->buttons()) {
        static_cast<QPushButton*>(button)->setAutoDefault(false);
    }

    auto* columns = new QHBoxLayout;
    columns->addWidget(codes, 1);
    columns->addSpacing(fontMetrics().height());
    columns->addLayout(settings);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(special_);
    bottom->addStretch(1);
    bottom->addWidget(buttons_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addLayout(bottom);
}

void DtmfDialog::declareCodeBoxes(QBoxLayout* column) {
    const auto code = [this](FieldPlace place, const QString& name, const FieldLabel& label,
                             int box) {
        const auto at = static_cast<std::size_t>(box);
        codes_[at] = fields_->text(place, name, label, CodeBox(box), form_.codes[at]);
        codes_[at]->installEventFilter(this);
    };
    auto* memories = new QGridLayout;
    for (int m = 0; m < kDtmfMemoryCodes; ++m) {
        const QString number = QString::number(m + 1);
        code({memories, m % kMemoryRows, kCellsPerMemory * (m / kMemoryRows)}, "TextM" + number,
             Caption("M" + number), m);
    }
    memories->setColumnStretch(kMemoryColumns * kCellsPerMemory, 1);
    auto* others = new QFormLayout;
    code(others, "TextPttIdBegin", OptionKey(kOptionPttIdBegin), kDtmfBeginBox);
    code(others, "TextPttIdEnd", OptionKey(kOptionPttIdEnd), kDtmfEndBox);
    code(others, "TextRemoteKill", OptionKey(kOptionFunctionRemoteKill), kDtmfKillBox);
    code(others, "TextRemoteStun", OptionKey(kOptionFunctionRemoteStun), kDtmfStunBox);
    column->addLayout(memories);
    column->addLayout(others);
}

void DtmfDialog::setTabOrder() {
    // The code boxes in their order, then the settings column, then the buttons.
    std::vector<QWidget*> order = fields_->controls();
    order.insert(order.end(), {special_, buttons_->button(QDialogButtonBox::Ok),
                               buttons_->button(QDialogButtonBox::Cancel)});
    ChainTabOrder(order);
    AddConfirmShortcuts(this, [this] { commitOk(); });
}

void DtmfDialog::relabel() {
    RelabelForm(this, texts_);
    FormFields::RelabelOptionKeys(this, texts_);
    LabelOkCancel(buttons_, texts_);
    NameByLabels(this);
    // The hint belongs to the code boxes as a description.
    for (QLineEdit* box : codes_) box->setAccessibleDescription(inputHint_->text());
}

}  // namespace torvik
