// DtmfDialog at work: the form shown and read back, the code boxes following the own ID and the
// separator, the special call, OK.
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QEvent>
#include <QLineEdit>
#include <QPushButton>

#include "calling/dtmf/dtmf_text.h"
#include "ui/dtmf/dtmf_dialog.h"
#include "ui/dtmf/dtmf_dialog_keys.h"
#include "ui/dtmf/dtmf_special_call_dialog.h"
#include "ui/ui_text.h"

namespace torvik {
DtmfDialog::ListFields DtmfDialog::listFields(DtmfForm& f) const {
    return {{{&f.ani, ani_},
             {&f.digitDuration, digitDuration_},
             {&f.pttIdMode, pttIdMode_},
             {&f.separator, separator_},
             {&f.group, group_},
             {&f.decodeResponse, decodeResponse_},
             {&f.firstDigitDelay, firstDigitDelay_},
             {&f.preSendDelay, preSendDelay_},
             {&f.resetTime, resetTime_},
             {&f.postSendDelay, postSendDelay_},
             {&f.pauseTime, pauseTime_}}};
}

DtmfForm DtmfDialog::form() const {
    DtmfForm f;
    for (std::size_t box = 0; box < codes_.size(); ++box) f.codes[box] = U(codes_[box]->text());
    for (auto [field, list] : listFields(f)) *field = list->currentIndex();
    f.dtmfId = U(dtmfId_->text());
    f.sideTone = sideTone_->isChecked();
    return f;
}

void DtmfDialog::showForm(const DtmfForm& shown) {
    showCodes(shown);
    DtmfForm f = shown;
    for (auto [field, list] : listFields(f)) {
        const QSignalBlocker quiet(list);
        list->setCurrentIndex(*field);
    }
    dtmfId_->setText(Q(f.dtmfId));
    sideTone_->setChecked(f.sideTone);
}

void DtmfDialog::showCodes(const DtmfForm& shown) {
    for (std::size_t box = 0; box < codes_.size(); ++box) {
        if (U(codes_[box]->text()) != shown.codes[box]) codes_[box]->setText(Q(shown.codes[box]));
    }
}

void DtmfDialog::connectControls() {
    connect(separator_, &QComboBox::currentIndexChanged, this, &DtmfDialog::separatorChosen);
    connect(special_, &QPushButton::clicked, this, &DtmfDialog::openSpecialCall);
    connect(buttons_, &QDialogButtonBox::accepted, this, &DtmfDialog::commitOk);
    connect(buttons_, &QDialogButtonBox::rejected, this, &DtmfDialog::reject);
}

bool DtmfDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        for (int box = 0; box < kDtmfCodeBoxes; ++box) {
            if (watched == codeBox(box)) {
                curEditId_ = box;
                updateSpecialButton();
            }
        }
    } else if (event->type() == QEvent::FocusOut && watched == dtmfId_) {
        idLeft();
    }
    return QDialog::eventFilter(watched, event);
}

void DtmfDialog::idLeft() {
    DtmfForm f = form();
    if (!RetargetDtmfCodes(f, appliedId_)) return;
    appliedId_ = f.dtmfId;
    showCodes(f);
}

void DtmfDialog::separatorChosen(int separator) {
    DtmfForm f = form();
    ReseparateDtmfCodes(f, separator);
    showCodes(f);
}

void DtmfDialog::updateSpecialButton() {
    special_->setEnabled(curEditId_ < kDtmfCallBoxes);
}

void DtmfDialog::openSpecialCall() {
    if (curEditId_ >= kDtmfCallBoxes) return;
    const DtmfForm f = form();
    // The own ID as OK will store it, so the code carries the ID the radio is given.
    DtmfSpecialCallDialog dialog(texts_, DtmfFormSeparator(f), NormalizeDtmfId(f.dtmfId), this);
    if (dialog.exec() != QDialog::Accepted) return;
    QLineEdit* box = codeBox(curEditId_);
    box->setText(Q(dialog.code()));
    box->setFocus();
}

void DtmfDialog::commitOk() {
    // A shortcut does not take the focus from the ID box: its rewrite happens here then.
    if (dtmfId_->hasFocus()) idLeft();
    const DtmfForm f = form();
    if (RemoteCodesClash(f.codes[kDtmfKillBox], f.codes[kDtmfStunBox])) {
        codeBox(kDtmfKillBox)->setFocus();
        reporter_.show(Severity::Warning, texts_.langText(kKeyDtmfRemoteCodesClash));
        return;
    }
    EditableState state = document_.editableState();
    CommitDtmfForm(f, state.record.dtmf);
    document_.commit(windowTitle(), state);
    accept();
}

}  // namespace torvik
