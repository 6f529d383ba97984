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
#include "ui/form_parts.h"
#include "ui/option_texts.h"
#include "ui/relabel.h"

namespace torvik {
namespace {

constexpr int kKeyOff = 1755;
constexpr int kKeyStandard = 3004;
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

// A label made with its "OPTION" key as text; relabel() looks the text up.
QLabel* OptionLabel(QWidget* parent, const char* key, QWidget* buddy) {
    QLabel* label = MakeLabel(parent, 0, key, buddy);
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
    buildControls();
    buildLayout();
    fillLists();
    relabel();
    showAll();
    connectControls();
    infoSelector_->setCurrentIndex(0);
    infoCodeChosen(0);
    ownId_->setFocus();
}

void FiveToneDialog::buildControls() {
    ownId_ = MakeText(this, "TextOwnId", kOwnIdChars, kOwnIdChars + 1);
    keys_->watchText(ownId_, TextRule::Digits);
    ownId_->installEventFilter(this);
    standard_ = MakeCombo(this, "ComboStandard");
    duration_ = MakeCombo(this, "ComboDuration");
    decodeResponse_ = MakeCombo(this, "ComboDecodeResponse");
    preSendDelay_ = MakeCombo(this, "ComboPreSendDelay");
    postSendDelay_ = MakeCombo(this, "ComboPostSendDelay");
    firstDigitDelay_ = MakeCombo(this, "ComboFirstDigitDelay");
    pauseTime_ = MakeCombo(this, "ComboPauseTime");
    autoResetTime_ = MakeCombo(this, "ComboResetTime");
    interCodePause_ = MakeCombo(this, "ComboPauseLevel");
    pauseCodeRange_ = MakeCombo(this, "ComboPauseCode");
    decodeTime_ = MakeCombo(this, "ComboDecodeTime");
    sideTone_ = MakeCheck(this, "CheckSideTone", 0, "");
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
        p.standard = MakeCombo(this, pttNames[i][2]);
        p.duration = MakeCombo(this, pttNames[i][3]);
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

    for (QWidget* w : findChildren<QComboBox*>()) keys_->watchField(w);
    keys_->watchField(sideTone_);

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
        OptionItems(texts_, {"60053", "60062", "60079", "60061", "60080", "60305"});
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
    auto* own = new QFormLayout;
    own->addRow(OptionLabel(this, "60072", ownId_), ownId_);
    own->addRow(MakeLabel(this, kKeyStandard, "", standard_), standard_);
    own->addRow(OptionLabel(this, "60071", duration_), duration_);
    own->addRow(OptionLabel(this, "60070", decodeResponse_), decodeResponse_);
    own->addRow(OptionLabel(this, "60081", preSendDelay_), preSendDelay_);
    own->addRow(OptionLabel(this, "60308", postSendDelay_), postSendDelay_);
    own->addRow(OptionLabel(this, "60310", firstDigitDelay_), firstDigitDelay_);
    own->addRow(OptionLabel(this, "60314", pauseCodeRange_), pauseCodeRange_);
    own->addRow(OptionLabel(this, "60311", pauseTime_), pauseTime_);
    own->addRow(OptionLabel(this, "60307", autoResetTime_), autoResetTime_);
    own->addRow(OptionLabel(this, "60309", interCodePause_), interCodePause_);
    own->addRow(OptionLabel(this, "60315", decodeTime_), decodeTime_);
    own->addRow(sideTone_);

    auto* middle = new QVBoxLayout;
    for (PttControls& p : ptt_) {
        auto* form = new QFormLayout(p.frame);
        auto* codeRow = new QHBoxLayout;
        codeRow->addWidget(p.code);
        codeRow->addWidget(p.special);
        form->addRow(OptionLabel(this, "60079", p.code), codeRow);
        form->addRow(OptionLabel(this, "60061", p.standard), p.standard);
        form->addRow(OptionLabel(this, "60080", p.duration), p.duration);
        middle->addWidget(p.frame);
    }
    auto* infoForm = new QFormLayout(infoFrame_);
    infoForm->addRow(OptionLabel(this, "60096", infoFunction_), infoFunction_);
    infoForm->addRow(OptionLabel(this, "60070", infoResponse_), infoResponse_);
    infoForm->addRow(OptionLabel(this, "60097", infoCode_), infoCode_);
    infoForm->addRow(OptionLabel(this, "60306", infoName_), infoName_);
    auto* selector = new QFormLayout;
    selector->addRow(OptionLabel(this, "60095", infoSelector_), infoSelector_);
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

    ChainTabOrder({ownId_,
                   standard_,
                   duration_,
                   decodeResponse_,
                   preSendDelay_,
                   postSendDelay_,
                   firstDigitDelay_,
                   pauseCodeRange_,
                   pauseTime_,
                   autoResetTime_,
                   interCodePause_,
                   decodeTime_,
                   sideTone_,
                   ptt_[0].code,
                   ptt_[0].special,
                   ptt_[0].standard,
                   ptt_[0].duration,
                   ptt_[1].code,
                   ptt_[1].special,
                   ptt_[1].standard,
                   ptt_[1].duration,
                   infoSelector_,
                   infoFunction_,
                   infoResponse_,
                   infoCode_,
                   infoName_,
                   standardTable_,
                   grid_,
                   special_,
                   buttons_->button(QDialogButtonBox::Ok),
                   buttons_->button(QDialogButtonBox::Cancel)});
    AddConfirmShortcuts(this, [this] { commitOk(); });
}

void FiveToneDialog::fillLists() {
    const std::string off = texts_.langText(kKeyOff);
    const QStringList durations = TextItems(ToneDurationItems());
    const QStringList standards = TextItems(ToneStandardItems());
    SetItems(standard_, standards);
    SetItems(duration_, durations);
    for (PttControls& p : ptt_) {
        SetItems(p.standard, standards);
        SetItems(p.duration, durations);
    }
    const QStringList responses = OptionItems(texts_, {"60057", "60058", "60059"});
    SetItems(decodeResponse_, responses);
    SetItems(preSendDelay_, TextItems(TimesTenItems(kFirstTimesTen)));
    SetItems(postSendDelay_, TextItems(TimesTenItems(kFirstTimesTen)));
    SetItems(firstDigitDelay_, TextItems(TimesTenItems(kFirstTimesTen)));
    SetItems(pauseTime_, TextItems(TimesTenItems(0)));
    SetItems(autoResetTime_, TextItems(FiveToneResetTimeItems()));
    SetItems(interCodePause_, TextItems(PauseLevelItems(off)));
    SetItems(pauseCodeRange_, TextItems(PauseCodeItems(off)));
    SetItems(decodeTime_, TextItems(DecodeTimeItems()));
    SetItems(infoSelector_, RangeItems(1, kInfoCodeCount));
    SetItems(infoFunction_,
             OptionItems(texts_, {"60098", "60075", "60074", "60069", "60093", "60082", "60099"}));
    SetItems(infoResponse_, responses);
}

void FiveToneDialog::relabel() {
    RelabelForm(this, texts_);
    LabelOkCancel(buttons_, texts_);
    setWindowTitle(OptionQ(texts_, "60052"));
    for (QLabel* label : findChildren<QLabel*>()) {
        const QVariant key = label->property("optionKey");
        if (key.isValid()) label->setText(OptionQ(texts_, U(key.toString())));
    }
    sideTone_->setText(OptionQ(texts_, "60312"));
    ptt_[0].frame->setTitle(OptionQ(texts_, "60302"));
    ptt_[1].frame->setTitle(OptionQ(texts_, "60303"));
    for (QPushButton* button : {special_, ptt_[0].special, ptt_[1].special}) {
        button->setText(OptionQ(texts_, "60062"));
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
    grid_->setAccessibleName(OptionQ(texts_, "60052"));
}

FiveToneDialog::~FiveToneDialog() {
    // An open cell editor commits as the window closes; by then this object is half gone.
    if (grid_) grid_->releaseOwner();
}

}  // namespace torvik
