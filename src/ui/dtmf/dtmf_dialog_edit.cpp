// DtmfDialog at work: the form gathered and shown again, the code boxes following the own ID
// and the separator, the special call, OK.
#include <QComboBox>
#include <QDialogButtonBox>
#include <QEvent>
#include <QLineEdit>
#include <QPushButton>

#include "calling/dtmf/dtmf_text.h"
#include "ui/dtmf/dtmf_dialog.h"
#include "ui/dtmf/dtmf_dialog_keys.h"
#include "ui/dtmf/dtmf_special_call_dialog.h"
#include "ui/field_binding.h"
#include "ui/ui_text.h"

namespace torvik {

const DtmfForm& DtmfDialog::gatherForm() {
    fields_->storeAll();
    return form_;
}

void DtmfDialog::showForm() {
    fields_->showAll();
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
    gatherForm();
    if (!RetargetDtmfCodes(form_, appliedId_)) return;
    appliedId_ = form_.dtmfId;
    showForm();
}

void DtmfDialog::separatorChosen(int separator) {
    gatherForm();
    ReseparateDtmfCodes(form_, separator);
    showForm();
}

void DtmfDialog::updateSpecialButton() {
    special_->setEnabled(curEditId_ < kDtmfCallBoxes);
}

void DtmfDialog::openSpecialCall() {
    if (curEditId_ >= kDtmfCallBoxes) return;
    const DtmfForm& f = gatherForm();
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
    const DtmfForm& f = gatherForm();
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
