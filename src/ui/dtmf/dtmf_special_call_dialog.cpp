#include "ui/dtmf/dtmf_special_call_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFormLayout>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "calling/dtmf/dtmf_text.h"
#include "ui/dtmf/dtmf_dialog_keys.h"
#include "ui/edit_key_filter.h"
#include "ui/form_parts.h"
#include "ui/relabel.h"
#include "ui/ui_text.h"

namespace torvik {
namespace {

// The call types in list order.
constexpr DtmfSpecialCall kCallTypes[] = {DtmfSpecialCall::Ani, DtmfSpecialCall::PttId};
constexpr int kOtherCodeDigits = 3;
constexpr char kPadDigit = '0';

}  // namespace

DtmfSpecialCallDialog::DtmfSpecialCallDialog(const LanguageTexts& texts, char separator,
                                             std::string dtmfId, QWidget* parent)
    : QDialog(parent), separator_(separator), dtmfId_(std::move(dtmfId)) {
    setObjectName("FrmDTMFSpecial");
    setWindowTitle(QStringLiteral("DTMF Special Call"));
    auto* keys = new EditKeyFilter([this] { focusNextChild(); }, this);

    callType_ = MakeCombo(this, "Combo1");
    SetItems(callType_, {QStringLiteral("ANI"), QStringLiteral("PTTID")});
    keys->watchField(callType_);
    otherCode_ = MakeText(this, "Text1", kOtherCodeDigits, kOtherCodeDigits);
    keys->watchText(otherCode_, TextRule::Digits);
    otherCode_->installEventFilter(this);
    buttons_ = MakeOkCancelButtons(this);

    auto* callTypeLabel = MakeLabel(this, 0, "", callType_);
    auto* otherCodeLabel = MakeLabel(this, 0, "对方码", otherCode_);
    frame_ = new QFrame(this);
    frame_->setObjectName("Frame1");
    frame_->setFrameShape(QFrame::StyledPanel);
    auto* frameLayout = new QFormLayout(frame_);
    frameLayout->addRow(otherCodeLabel, otherCode_);
    // PTT-ID hides the frame; the dialog keeps its size.
    QSizePolicy policy = frame_->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    frame_->setSizePolicy(policy);

    auto* top = new QFormLayout;
    top->addRow(callTypeLabel, callType_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(frame_);
    layout->addStretch(1);
    layout->addWidget(buttons_);

    RelabelForm(this, texts);
    LabelOkCancel(buttons_, texts);
    callTypeLabel->setText(Q(texts.readMessageText(kOptionSection, kOptionDtmfCallType)));
    otherCodeLabel->setText(Q(texts.readMessageText(kOptionSection, kOptionDtmfCalledId)));
    NameByLabels(this);
    AddConfirmShortcuts(this, [this] { commitOk(); });

    connect(callType_, &QComboBox::currentIndexChanged, this,
            &DtmfSpecialCallDialog::callTypeChosen);
    connect(buttons_, &QDialogButtonBox::accepted, this, &DtmfSpecialCallDialog::commitOk);
    connect(buttons_, &QDialogButtonBox::rejected, this, &DtmfSpecialCallDialog::reject);
    callType_->setFocus();
}

void DtmfSpecialCallDialog::callTypeChosen(int type) {
    frame_->setVisible(kCallTypes[type] == DtmfSpecialCall::Ani);
}

bool DtmfSpecialCallDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == otherCode_ && event->type() == QEvent::FocusOut &&
        otherCode_->text().size() < kOtherCodeDigits) {
        otherCode_->setText(otherCode_->text().leftJustified(kOtherCodeDigits, kPadDigit));
    }
    return QDialog::eventFilter(watched, event);
}

void DtmfSpecialCallDialog::commitOk() {
    const DtmfSpecialCall type = kCallTypes[callType_->currentIndex()];
    code_ = DtmfSpecialCallCode(type, U(otherCode_->text()), separator_, dtmfId_);
    accept();
}

}  // namespace torvik
