#include "ui/fivetone/five_tone_special_call_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFocusEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/edit_key_filter.h"
#include "ui/form_parts.h"
#include "ui/option_texts.h"
#include "ui/relabel.h"

namespace torvik {
namespace {

constexpr const char* kShortCodeKey = "900C";
constexpr const char* kInitialCode = "12345";
constexpr int kSeparators = 6;  // "A".."F"

}  // namespace

FiveToneSpecialCallDialog::FiveToneSpecialCallDialog(const LanguageTexts& texts, Reporter& reporter,
                                                     SpecialCallTarget target, int entry,
                                                     std::int16_t& separator, std::string ownId,
                                                     QWidget* parent)
    : QDialog(parent),
      texts_(texts),
      reporter_(reporter),
      target_(target),
      separatorSetting_(separator) {
    setObjectName("FrmSpecial");
    input_.ownId = std::move(ownId);
    auto* keys = new EditKeyFilter([this] { focusNextChild(); }, this);

    codeNumber_ = MakeCombo(this, "ComboCodeNumber");
    SetItems(codeNumber_, RangeItems(0, kFiveToneEntryCount - 1));
    SelectOrFirst(codeNumber_, entry);
    callType_ = MakeCombo(this, "ComboCallType");
    SetItems(callType_,
             {OptionQ(texts, kOptionDataCall), QStringLiteral("ANI"), QStringLiteral("PTTID")});
    dataCode_ = MakeText(this, "TextDataCode", kCalledCodeChars, kCalledCodeChars + 1);
    dataCode_->setText(kInitialCode);
    // A PTT-ID code box holds fewer symbols than a code-table entry.
    const int textChars =
        target == SpecialCallTarget::CodeTable ? kDataTextChars : kPttIdDataTextChars;
    dataText_ = MakeText(this, "TextDataText", textChars, kDataTextChars);
    aniCode_ = MakeText(this, "TextAniCode", kCalledCodeChars, kCalledCodeChars + 1);
    aniCode_->setText(kInitialCode);
    separator_ = MakeCombo(this, "ComboSeparator");
    QStringList separators{OptionQ(texts, kOptionNoSeparator)};
    for (int item = 1; item <= kSeparators; ++item) separators << QChar(SeparatorSymbolOf(item));
    SetItems(separator_, separators);
    for (QLineEdit* code : {dataCode_, aniCode_}) {
        keys->watchText(code, TextRule::CalledCode);
        code->installEventFilter(this);
    }
    keys->watchText(dataText_, TextRule::DataText);
    for (QComboBox* list : {codeNumber_, callType_, separator_}) keys->watchField(list);
    buttons_ = MakeOkCancelButtons(this);
    for (QAbstractButton* button : buttons_->buttons()) {
        static_cast<QPushButton*>(button)->setAutoDefault(false);
    }
    buttons_->button(QDialogButtonBox::Cancel)->setFocusPolicy(Qt::TabFocus);

    codeNumberLabel_ = MakeLabel(this, 0, "", codeNumber_);
    auto* top = new QFormLayout;
    top->addRow(codeNumberLabel_, codeNumber_);
    top->addRow(MakeLabel(this, 0, "", callType_), callType_);
    dataFrame_ = new QGroupBox(this);
    dataFrame_->setObjectName("FrameData");
    auto* data = new QFormLayout(dataFrame_);
    data->addRow(MakeLabel(this, 0, "", dataCode_), dataCode_);
    data->addRow(MakeLabel(this, 0, "", dataText_), dataText_);
    aniFrame_ = new QGroupBox(this);
    aniFrame_->setObjectName("FrameAni");
    auto* ani = new QFormLayout(aniFrame_);
    ani->addRow(MakeLabel(this, 0, "", aniCode_), aniCode_);
    ani->addRow(MakeLabel(this, 0, "", separator_), separator_);
    for (QWidget* frame : {static_cast<QWidget*>(dataFrame_), static_cast<QWidget*>(aniFrame_)}) {
        KeepPlace(frame);
    }
    auto* frames = new QVBoxLayout;
    frames->addWidget(dataFrame_);
    frames->addWidget(aniFrame_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(frames);
    layout->addStretch(1);
    layout->addWidget(buttons_);

    RelabelForm(this, texts);
    LabelOkCancel(buttons_, texts);
    setWindowTitle(OptionQ(texts, kOptionSpecialCall));
    const int numberKey = target == SpecialCallTarget::PttIdBegin ? kOptionPttIdBegin
                          : target == SpecialCallTarget::PttIdEnd ? kOptionPttIdEnd
                                                                  : kOptionCodeNumber;
    codeNumberLabel_->setText(OptionQ(texts, numberKey));
    codeNumber_->setVisible(target == SpecialCallTarget::CodeTable);
    static_cast<QLabel*>(top->labelForField(callType_))->setText(OptionQ(texts, kOptionCallType));
    dataFrame_->setTitle(OptionQ(texts, kOptionDataCall));
    static_cast<QLabel*>(data->labelForField(dataCode_))->setText(OptionQ(texts, kOptionCalledId));
    static_cast<QLabel*>(data->labelForField(dataText_))->setText(OptionQ(texts, kOptionMessage));
    static_cast<QLabel*>(ani->labelForField(aniCode_))->setText(OptionQ(texts, kOptionCalledId));
    static_cast<QLabel*>(ani->labelForField(separator_))->setText(OptionQ(texts, kOptionSeparator));
    NameByLabels(this);
    // Both frames ask for a called code: their boxes carry the frame's title too.
    dataCode_->setAccessibleName(dataFrame_->title() + " " + dataCode_->accessibleName());
    aniCode_->setAccessibleName(QStringLiteral("ANI ") + aniCode_->accessibleName());
    AddConfirmShortcuts(this, [this] { commitOk(); });

    connect(callType_, &QComboBox::currentIndexChanged, this,
            &FiveToneSpecialCallDialog::callTypeChosen);
    connect(buttons_, &QDialogButtonBox::accepted, this, &FiveToneSpecialCallDialog::commitOk);
    connect(buttons_, &QDialogButtonBox::rejected, this, &FiveToneSpecialCallDialog::reject);
    callTypeChosen(0);
    callType_->setFocus();
}

int FiveToneSpecialCallDialog::codeNumber() const {
    return codeNumber_->currentIndex();
}

void FiveToneSpecialCallDialog::callTypeChosen(int type) {
    dataFrame_->hide();
    aniFrame_->hide();
    // A separator chosen since the last OK is dropped.
    SelectOrFirst(separator_, SeparatorItemOf(separatorSetting_));
    if (type == static_cast<int>(SpecialCallType::Data)) dataFrame_->show();
    if (type == static_cast<int>(SpecialCallType::Ani)) {
        aniFrame_->setTitle(callType_->itemText(type));
        aniFrame_->show();
    }
}

bool FiveToneSpecialCallDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && (watched == dataCode_ || watched == aniCode_)) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        const auto* code = static_cast<QLineEdit*>(watched);
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
            code->isVisible() && code->text().size() < kCalledCodeChars) {
            refuseShortCode();
        }
    }
    return QDialog::eventFilter(watched, event);
}

void FiveToneSpecialCallDialog::refuseShortCode() {
    reporter_.show(Severity::Warning, texts_.readMessageText("MSG", kShortCodeKey));
}

void FiveToneSpecialCallDialog::commitOk() {
    const int separator = separator_->currentIndex();
    separatorSetting_ = SeparatorSettingOf(separator);
    SpecialCallInput in = input_;
    in.type = static_cast<SpecialCallType>(callType_->currentIndex());
    in.dataCode = U(dataCode_->text());
    in.dataText = U(dataText_->text());
    in.aniCode = U(aniCode_->text());
    in.separator = SeparatorSymbolOf(separator);
    if (!SpecialCallComplete(in)) {
        refuseShortCode();
        return;
    }
    input_ = in;
    accept();
}

}  // namespace torvik
