// FiveToneDialog: its controls, layout, labels and lists. Showing, gathering, the code list's
// cells, the information codes, the special calls and OK live in five_tone_dialog_edit.cpp.
#include "ui/fivetone/five_tone_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "calling/fivetone/info_codes.h"
#include "ui/cell_grid.h"
#include "ui/edit_key_filter.h"
#include "ui/field_binding.h"
#include "ui/form_parts.h"
#include "ui/option_texts.h"
#include "ui/relabel.h"

namespace torvik {
namespace {

constexpr int kKeyOff = 1755;
constexpr int kKeyStandard = 3004;  // section "OTHER"
constexpr int kKeyInfoCode = 3005;
constexpr int kOwnIdChars = 5;
constexpr int kPttCodeChars = kPttIdCodeSymbols;
constexpr int kInfoCodeChars = kInfoCodeSymbols;
constexpr int kNameChars = 7;
constexpr int kVisibleRows = 10;
// A data call with a short message shows in full.
constexpr int kCodeColumnChars = 24;
constexpr int kTableChars = 18;
constexpr int kFirstTimesTen = 1;

QPushButton* MakeButton(QWidget* parent, const char* name) {
    auto* button = new QPushButton(parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

// A label of an "OPTION" key; relabel() looks its text up.
QLabel* OptionLabel(QWidget* parent, int key, QWidget* buddy) {
    QLabel* label = MakeLabel(parent, 0, "", buddy);
    label->setProperty("optionKey", key);
    return label;
}

}  // namespace

FiveToneDialog::FiveToneDialog(CodeplugDocument& document, const LanguageTexts& texts,
                               Reporter& reporter, QWidget* parent)
    : QDialog(parent),
      document_(document),
      texts_(texts),
      reporter_(reporter),
      state_(document.editableState()) {
    setObjectName("Frm5Tone");
    keys_ = new EditKeyFilter([this] { focusNextChild(); }, this);
    fields_ = std::make_unique<FormFields>(this, keys_);
    buildControls();
    buildLayout();
    relabel();
    showAll();
    connectControls();
    infoSelector_->setCurrentIndex(0);
    infoCodeChosen(0);
    ownId_->setFocus();
}

void FiveToneDialog::declareOwnFields(QFormLayout* own) {
    FormFields& f = *fields_;
    FiveToneForm& v = form_;
    const QStringList durations = TextItems(ToneDurationItems());
    const QStringList timesTen = TextItems(TimesTenItems(kFirstTimesTen));
    const std::string off = texts_.langText(kKeyOff);
    ownId_ = MakeText(this, "TextOwnId", kOwnIdChars, kOwnIdChars + 1);
    keys_->watchText(ownId_, TextRule::Digits);
    ownId_->installEventFilter(this);
    own->addRow(OptionLabel(this, kOptionOwnId, ownId_), ownId_);
    standard_ = f.list(own, "ComboStandard", OtherKey(kKeyStandard), TextItems(ToneStandardItems()),
                       v.standard);
    duration_ =
        f.list(own, "ComboDuration", OptionKey(kOptionOwnToneLength), durations, v.duration);
    f.list(own, "ComboDecodeResponse", OptionKey(kOptionDecodeResponse), responses(),
           v.decodeResponse);
    f.list(own, "ComboPreSendDelay", OptionKey(kOptionPreSendDelay), timesTen, v.preSendDelay);
    f.list(own, "ComboPostSendDelay", OptionKey(kOptionPostSendDelay), timesTen, v.postSendDelay);
    f.list(own, "ComboFirstDigitDelay", OptionKey(kOptionFirstToneDelay), timesTen,
           v.firstDigitDelay);
    pauseCodeRange_ = f.list(own, "ComboPauseCode", OptionKey(kOptionPauseCode),
                             TextItems(PauseCodeItems(off)), v.pauseCodeRange);
    pauseTime_ = f.list(own, "ComboPauseTime", OptionKey(kOptionPauseCodeDuration),
                        TextItems(TimesTenItems(0)), v.pauseTime);
    f.list(own, "ComboResetTime", OptionKey(kOptionAutoResetTime),
           TextItems(FiveToneResetTimeItems()), v.autoResetTime);
    f.list(own, "ComboPauseLevel", OptionKey(kOptionPauseTime), TextItems(PauseLevelItems(off)),
           v.interCodePause);
    f.list(own, "ComboDecodeTime", OptionKey(kOptionDecodeTime), TextItems(DecodeTimeItems()),
           v.decodeTime);
    f.check(own, "CheckSideTone", OptionKey(kOptionSideTone), v.sideTone);
    ownControls_ = f.controls();
}

QStringList FiveToneDialog::responses() const {
    return OptionItems(texts_,
                       {kOptionResponseNone, kOptionResponseAlertTone, kOptionResponseAutoReply});
}

void FiveToneDialog::buildControls() {
    ownForm_ = new QFormLayout;
    declareOwnFields(ownForm_);
    standardTable_ = new QPlainTextEdit(this);
    standardTable_->setObjectName("TextStandardTable");
    standardTable_->setReadOnly(true);
    standardTable_->setTabChangesFocus(true);
    standardTable_->setLineWrapMode(QPlainTextEdit::NoWrap);
    standardTable_->setMinimumWidth(
        standardTable_->fontMetrics().horizontalAdvance(QString(kTableChars, QLatin1Char('0'))));

    const char* pttNames[2][5] = {
        {"FramePttBegin", "TextPttBegin", "ComboPttBeginStandard", "ComboPttBeginDuration",
         "Command2"},
        {"FramePttEnd", "TextPttEnd", "ComboPttEndStandard", "ComboPttEndDuration", "Command3"}};
    for (std::size_t i = 0; i < ptt_.size(); ++i) {
        PttControls& p = ptt_[i];
        p.frame = new QGroupBox(this);
        p.frame->setObjectName(pttNames[i][0]);
        p.code = MakeText(this, pttNames[i][1], kPttCodeChars, kPttCodeChars / 2);
        keys_->watchText(p.code, TextRule::HexDigits);
        p.code->installEventFilter(this);
        p.standard = fields_->list(nullptr, pttNames[i][2], {}, TextItems(ToneStandardItems()),
                                   form_.ptt[i].standard);
        p.duration = fields_->list(nullptr, pttNames[i][3], {}, TextItems(ToneDurationItems()),
                                   form_.ptt[i].duration);
        p.special = MakeButton(this, pttNames[i][4]);
    }

    infoFrame_ = new QGroupBox(this);
    infoFrame_->setObjectName("FrameInfoCode");
    infoSelector_ = MakeCombo(this, "ComboInfoCode");
    infoFunction_ = MakeCombo(this, "ComboInfoFunction");
    infoResponse_ = MakeCombo(this, "ComboInfoResponse");
    infoCode_ = MakeText(this, "TextInfoCode", kInfoCodeChars, kInfoCodeChars);
    keys_->watchText(infoCode_, TextRule::HexDigits);
    infoName_ = MakeText(this, "TextInfoName", kNameChars, kNameChars + 1);
    keys_->watchText(infoName_, TextRule::Any);

    for (QComboBox* w : {infoSelector_, infoFunction_, infoResponse_}) keys_->watchField(w);
    fillInfoLists();

    CellGrid::Hooks hooks;
    hooks.editorFor = [this](QWidget* parent, int row, int column) {
        return cellEditor(parent, row, column);
    };
    hooks.store = [this](int row, int column, const QString& text) {
        return storeCell(row, column, text);
    };
    hooks.next = [](int row, int column, const QString& text) {
        return NextFiveToneCell(row, column, text.isEmpty());
    };
    const QStringList headers =
        OptionItems(texts_, {kOptionCodeNumberColumn, kOptionSpecialCall, kOptionCode,
                             kOptionStandard, kOptionToneLength, kOptionCodeTableNameColumn});
    grid_ = new CellGrid(kFiveToneEntryCount, headers, hooks, this);
    grid_->setObjectName("MSHFlexGrid1");
    for (int k = 0; k < kFiveToneEntryCount; ++k)
        grid_->setCellText(k, kColEntry, QString::number(k));
    grid_->setColumnChars(kColCode, kCodeColumnChars);
    grid_->setColumnChars(kColName, kNameChars + 1);
    grid_->fitColumns(kVisibleRows);
    special_ = MakeButton(this, "Command1");
    buttons_ = MakeOkCancelButtons(this);
    for (QAbstractButton* button : buttons_->buttons()) {
        static_cast<QPushButton*>(button)->setAutoDefault(false);
    }
    // Cancel taken with the mouse leaves the own-ID box without checking it.
    buttons_->button(QDialogButtonBox::Cancel)->setFocusPolicy(Qt::TabFocus);
}

void FiveToneDialog::buildLayout() {
    auto* own = ownForm_;
    auto* middle = new QVBoxLayout;
    for (PttControls& p : ptt_) {
        auto* form = new QFormLayout(p.frame);
        auto* codeRow = new QHBoxLayout;
        codeRow->addWidget(p.code);
        codeRow->addWidget(p.special);
        form->addRow(OptionLabel(this, kOptionCode, p.code), codeRow);
        form->addRow(OptionLabel(this, kOptionStandard, p.standard), p.standard);
        form->addRow(OptionLabel(this, kOptionToneLength, p.duration), p.duration);
        middle->addWidget(p.frame);
    }
    auto* infoForm = new QFormLayout(infoFrame_);
    infoForm->addRow(OptionLabel(this, kOptionInfoFunction, infoFunction_), infoFunction_);
    infoForm->addRow(OptionLabel(this, kOptionDecodeResponse, infoResponse_), infoResponse_);
    infoForm->addRow(OptionLabel(this, kOptionInfoCodeText, infoCode_), infoCode_);
    infoForm->addRow(OptionLabel(this, kOptionInfoName, infoName_), infoName_);
    auto* selector = new QFormLayout;
    selector->addRow(OptionLabel(this, kOptionInfoCode, infoSelector_), infoSelector_);
    middle->addLayout(selector);
    middle->addWidget(infoFrame_);
    middle->addStretch(1);

    auto* top = new QHBoxLayout;
    top->addLayout(own);
    top->addLayout(middle);
    top->addWidget(standardTable_);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(special_);
    bottom->addStretch(1);
    bottom->addWidget(buttons_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(grid_, 1);
    layout->addLayout(bottom);

    std::vector<QWidget*> order{ownId_};
    order.insert(order.end(), ownControls_.begin(), ownControls_.end());
    for (PttControls& p : ptt_)
        order.insert(order.end(), {p.code, p.special, p.standard, p.duration});
    order.insert(order.end(),
                 {infoSelector_, infoFunction_, infoResponse_, infoCode_, infoName_, standardTable_,
                  grid_, special_, buttons_->button(QDialogButtonBox::Ok),
                  buttons_->button(QDialogButtonBox::Cancel)});
    ChainTabOrder(order);
    AddConfirmShortcuts(this, [this] { commitOk(); });
}

void FiveToneDialog::fillInfoLists() {
    SetItems(infoSelector_, RangeItems(1, kInfoCodeCount));
    SetItems(infoFunction_,
             OptionItems(texts_, {kOptionFunctionNone, kOptionFunctionIndividualCall,
                                  kOptionFunctionGroupCall, kOptionFunctionRemoteKill,
                                  kOptionFunctionRemoteStun, kOptionFunctionRemoteRevive,
                                  kOptionFunctionAllCall}));
    SetItems(infoResponse_, responses());
}

void FiveToneDialog::relabel() {
    RelabelForm(this, texts_);
    LabelOkCancel(buttons_, texts_);
    setWindowTitle(OptionQ(texts_, kOptionFiveToneCaption));
    FormFields::RelabelOptionKeys(this, texts_);
    ptt_[0].frame->setTitle(OptionQ(texts_, kOptionPttIdBegin));
    ptt_[1].frame->setTitle(OptionQ(texts_, kOptionPttIdEnd));
    for (QPushButton* button : {special_, ptt_[0].special, ptt_[1].special}) {
        button->setText(OptionQ(texts_, kOptionSpecialCall));
    }
    NameByLabels(this);
    // The PTT-ID frames repeat their labels: their controls carry the frame's title too.
    for (PttControls& p : ptt_) {
        for (QWidget* w : std::initializer_list<QWidget*>{p.code, p.standard, p.duration}) {
            w->setAccessibleName(p.frame->title() + " " + w->accessibleName());
        }
        p.special->setAccessibleName(p.frame->title() + " " + p.special->text());
    }
    for (QWidget* w :
         std::initializer_list<QWidget*>{infoFunction_, infoResponse_, infoCode_, infoName_}) {
        w->setAccessibleName(LangQ(texts_, kKeyInfoCode).trimmed() + " " + w->accessibleName());
    }
    standardTable_->setAccessibleName(LangQ(texts_, kKeyStandard));
    grid_->setAccessibleName(OptionQ(texts_, kOptionFiveToneCaption));
}

FiveToneDialog::~FiveToneDialog() {
    // An open cell editor commits as the window closes; by then this object is half gone.
    if (grid_) grid_->releaseOwner();
}

}  // namespace torvik
