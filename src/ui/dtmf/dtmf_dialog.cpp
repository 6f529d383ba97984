// DtmfDialog: its controls, layout, labels and lists. Showing and reading the form, the code-box
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
#include <utility>
#include <vector>

#include "calling/dtmf/dtmf_choices.h"
#include "ui/dtmf/dtmf_dialog_keys.h"
#include "ui/edit_key_filter.h"
#include "ui/form_parts.h"
#include "ui/relabel.h"
#include "ui/ui_text.h"

namespace torvik {
namespace {

// The memories stand in two columns of a label and a box each.
constexpr int kMemoryColumns = 2;
constexpr int kCellsPerMemory = 2;
constexpr int kMemoryRows = kDtmfMemoryCodes / kMemoryColumns;
// The PTT-ID and remote-control boxes are labelled from section "OPTION".
static_assert(kOptionDtmfCodeBoxLabels.size() == kDtmfCodeBoxes - kDtmfBeginBox);
// Box widths in wide characters: enough for a whole code of digits.
constexpr int kLongBoxChars = 16;
constexpr int kShortBoxChars = 10;
constexpr int kIdBoxChars = 3;

QString CodeBoxName(int box) {
    switch (box) {
        case kDtmfBeginBox:
            return QStringLiteral("TextPttIdBegin");
        case kDtmfEndBox:
            return QStringLiteral("TextPttIdEnd");
        case kDtmfKillBox:
            return QStringLiteral("TextRemoteKill");
        case kDtmfStunBox:
            return QStringLiteral("TextRemoteStun");
        default:
            return QStringLiteral("TextM%1").arg(box + 1);
    }
}

}  // namespace

DtmfDialog::DtmfDialog(CodeplugDocument& document, const LanguageTexts& texts, Reporter& reporter,
                       QWidget* parent)
    : QDialog(parent), document_(document), texts_(texts), reporter_(reporter) {
    setObjectName("FrmDTMF");
    setWindowTitle(QStringLiteral("DTMF"));
    keys_ = new EditKeyFilter([this] { focusNextChild(); }, this);

    buildControls();
    buildLayout();
    setTabOrder();
    relabel();
    fillLists();
    const DtmfForm shown = DtmfFormOf(document_.codeplug().record.dtmf);
    appliedId_ = shown.dtmfId;
    showForm(shown);
    connectControls();
    codes_[0]->setFocus();
}

void DtmfDialog::buildControls() {
    for (int box = 0; box < kDtmfCodeBoxes; ++box) {
        const std::size_t width = DtmfCodeBoxWidth(box);
        QLineEdit* edit = MakeText(this, CodeBoxName(box), static_cast<int>(width),
                                   width == kLongDtmfCodeWidth ? kLongBoxChars : kShortBoxChars);
        keys_->watchText(edit, TextRule::DtmfCode);
        edit->installEventFilter(this);
        codes_[static_cast<std::size_t>(box)] = edit;
    }
    inputHint_ = MakeLabel(this, kKeyDtmfInputHint, "Input:1~9,A,B,C,D,#,*", nullptr);

    ani_ = MakeCombo(this, "ComboAni");
    digitDuration_ = MakeCombo(this, "ComboDigitDuration");
    pttIdMode_ = MakeCombo(this, "ComboPttIdMode");
    dtmfId_ = MakeText(this, "TextDtmfId", kIdBoxChars, kIdBoxChars);
    keys_->watchText(dtmfId_, TextRule::Digits);
    dtmfId_->installEventFilter(this);
    separator_ = MakeCombo(this, "ComboSeparator");
    group_ = MakeCombo(this, "ComboGroup");
    decodeResponse_ = MakeCombo(this, "ComboDecodeResponse");
    firstDigitDelay_ = MakeCombo(this, "ComboFirstDigitDelay");
    preSendDelay_ = MakeCombo(this, "ComboPreSendDelay");
    resetTime_ = MakeCombo(this, "ComboResetTime");
    postSendDelay_ = MakeCombo(this, "ComboPostSendDelay");
    pauseTime_ = MakeCombo(this, "ComboPauseTime");
    sideTone_ = MakeCheck(this, "CheckSideTone", kKeyDtmfSideTone, "侧音");
    for (QWidget* field : std::initializer_list<QWidget*>{
             ani_, digitDuration_, pttIdMode_, separator_, group_, decodeResponse_,
             firstDigitDelay_, preSendDelay_, resetTime_, postSendDelay_, pauseTime_, sideTone_}) {
        keys_->watchField(field);
    }

    special_ = new QPushButton(QStringLiteral("Special"), this);
    special_->setObjectName("CommandSpecial");
    special_->setAutoDefault(false);
    SetLangKey(special_, kKeyDtmfSpecial);
    buttons_ = MakeOkCancelButtons(this);
    for (QAbstractButton* button : buttons_->buttons()) {
        static_cast<QPushButton*>(button)->setAutoDefault(false);
    }
}

void DtmfDialog::buildLayout() {
    // The code memories in two columns, then the PTT-ID and remote-control codes.
    auto* memories = new QGridLayout;
    for (int m = 0; m < kDtmfMemoryCodes; ++m) {
        const int row = m % kMemoryRows;
        const int column = kCellsPerMemory * (m / kMemoryRows);
        QLineEdit* box = codes_[static_cast<std::size_t>(m)];
        auto* label = MakeLabel(this, 0, "", box);
        label->setText(QStringLiteral("M%1").arg(m + 1));
        codeLabels_[static_cast<std::size_t>(m)] = label;
        memories->addWidget(label, row, column);
        memories->addWidget(box, row, column + 1);
    }
    memories->setColumnStretch(kMemoryColumns * kCellsPerMemory, 1);
    // Their labels come from section "OPTION" (relabel()).
    auto* others = new QFormLayout;
    for (int box = kDtmfBeginBox; box < kDtmfCodeBoxes; ++box) {
        QLineEdit* edit = codes_[static_cast<std::size_t>(box)];
        auto* label = MakeLabel(this, 0, "", edit);
        codeLabels_[static_cast<std::size_t>(box)] = label;
        others->addRow(label, edit);
    }
    auto* codes = new QGroupBox(QStringLiteral("DTMF"), this);
    codes->setObjectName("FrameCodes");
    SetLangKey(codes, kKeyDtmfCodes);
    auto* codesLayout = new QVBoxLayout(codes);
    codesLayout->addLayout(memories);
    codesLayout->addLayout(others);
    codesLayout->addWidget(inputHint_);
    codesLayout->addStretch(1);

    settingsForm_ = new QFormLayout;
    for (const auto& [key, field] : std::initializer_list<std::pair<int, QWidget*>>{
             {kKeyDtmfAni, ani_},
             {kKeyDtmfDigitDuration, digitDuration_},
             {kKeyDtmfPttIdMode, pttIdMode_},
             {kKeyDtmfId, dtmfId_},
             {kKeyDtmfSeparator, separator_},
             {kKeyDtmfGroup, group_},
             {kKeyDtmfDecodeResponse, decodeResponse_},
             {kKeyDtmfFirstDigitDelay, firstDigitDelay_},
             {kKeyDtmfPreSendDelay, preSendDelay_},
             {kKeyDtmfResetTime, resetTime_},
             {kKeyDtmfPostSendDelay, postSendDelay_},
             {kKeyDtmfPauseTime, pauseTime_}}) {
        settingsForm_->addRow(MakeLabel(this, key, "", field), field);
    }
    settingsForm_->addRow(sideTone_);
    // The PTT-ID mode never goes to the radio, which takes it per channel: the list keeps
    // the record's value through an OK without being shown.
    settingsForm_->setRowVisible(pttIdMode_, false);

    auto* columns = new QHBoxLayout;
    columns->addWidget(codes, 1);
    columns->addSpacing(fontMetrics().height());
    columns->addLayout(settingsForm_);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(special_);
    bottom->addStretch(1);
    bottom->addWidget(buttons_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addLayout(bottom);
}

void DtmfDialog::setTabOrder() {
    // The code boxes in their order, then the settings column, then the buttons.
    std::vector<QWidget*> order(codes_.begin(), codes_.end());
    order.insert(order.end(),
                 {ani_, digitDuration_, pttIdMode_, dtmfId_, separator_, group_, decodeResponse_,
                  firstDigitDelay_, preSendDelay_, resetTime_, postSendDelay_, pauseTime_,
                  sideTone_, special_, buttons_->button(QDialogButtonBox::Ok),
                  buttons_->button(QDialogButtonBox::Cancel)});
    ChainTabOrder(order);
    AddConfirmShortcuts(this, [this] { commitOk(); });
}

void DtmfDialog::relabel() {
    RelabelForm(this, texts_);
    LabelOkCancel(buttons_, texts_);
    for (int box = kDtmfBeginBox; box < kDtmfCodeBoxes; ++box) {
        codeLabels_[static_cast<std::size_t>(box)]->setText(Q(texts_.readMessageText(
            kOptionSection,
            kOptionDtmfCodeBoxLabels[static_cast<std::size_t>(box - kDtmfBeginBox)])));
    }
    NameByLabels(this);
    // The hint belongs to the code boxes as a description.
    for (QLineEdit* box : codes_) box->setAccessibleDescription(inputHint_->text());
}

void DtmfDialog::fillLists() {
    const QString off = LangQ(texts_, kKeyDtmfOff);
    SetItems(ani_, KeyItems(texts_, {kKeyDtmfOff, kKeyDtmfOn}));
    QStringList durations;
    const QString ms = LangQ(texts_, kKeyDtmfMilliseconds);
    for (int duration : kDtmfDigitDurationsMs) durations << QString::number(duration) + ms;
    SetItems(digitDuration_, durations);
    SetItems(pttIdMode_,
             KeyItems(texts_, {kKeyDtmfOff, kKeyDtmfPttBegin, kKeyDtmfPttEnd, kKeyDtmfPttBoth}));
    const QStringList symbols = TextItems(DtmfSymbolTexts());
    SetItems(separator_, symbols);
    SetItems(group_, QStringList{off} + symbols);
    SetItems(decodeResponse_,
             KeyItems(texts_, {kKeyDtmfResponseNone, kKeyDtmfResponseRing, kKeyDtmfResponseReply}));
    SetItems(firstDigitDelay_, TextItems(DtmfFirstDigitDelayTexts()));
    SetItems(preSendDelay_, TextItems(DtmfSendDelayTexts()));
    SetItems(resetTime_, TextItems(DtmfResetTimeTexts()));
    SetItems(postSendDelay_, TextItems(DtmfSendDelayTexts()));
    SetItems(pauseTime_, QStringList{off} + TextItems(DtmfPauseTimeTexts()));
}

}  // namespace torvik
