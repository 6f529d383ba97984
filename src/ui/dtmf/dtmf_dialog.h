// DtmfDialog, the modal dialog that edits the DTMF settings: the sixteen code memories, the
// PTT-ID and remote-control codes, the own ID, the separator and group symbols and the
// timings. It shows a DtmfForm, keeps the call codes in step with the own ID and the
// separator, fills the code box last edited from the special-call dialog, and on OK commits
// the record to the document as one undoable step.
#pragma once

#include <QDialog>
#include <array>
#include <memory>
#include <string>

#include "app/language_texts.h"
#include "calling/dtmf/dtmf_form.h"
#include "document/codeplug_document.h"

class QBoxLayout;
class QComboBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace torvik {

class EditKeyFilter;
class FormFields;

class DtmfDialog : public QDialog {
    Q_OBJECT

  public:
    DtmfDialog(CodeplugDocument& document, const LanguageTexts& texts, Reporter& reporter,
               QWidget* parent = nullptr);
    ~DtmfDialog() override;

    // The code box (0..19) that last received the focus: the one the special-call dialog
    // fills.
    int currentDtmfCode() const { return curEditId_; }
    QLineEdit* codeBox(int box) const { return codes_[static_cast<std::size_t>(box)]; }

    // OK: refuses equal remote kill and stun codes, else commits and closes.
    void commitOk();
    // Opens the special-call dialog for the code box last edited, if it holds a call.
    void openSpecialCall();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Every field of the window, one line each, in tab order, and the layout they stand in.
    void declareFields();
    // The code boxes into `column`: two columns of memories, then the PTT-ID and
    // remote-control codes.
    void declareCodeBoxes(QBoxLayout* column);
    void setTabOrder();
    void relabel();
    void connectControls();
    // What the controls show now, gathered into form_.
    const DtmfForm& gatherForm();
    // form_ shown again after a rewrite of its codes.
    void showForm();
    // The ID box lost the focus: the call codes follow a new ID.
    void idLeft();
    void separatorChosen(int separator);
    void updateSpecialButton();

    CodeplugDocument& document_;
    const LanguageTexts& texts_;
    Reporter& reporter_;
    EditKeyFilter* keys_ = nullptr;
    std::unique_ptr<FormFields> fields_;
    // The working form the fields show and store.
    DtmfForm form_;
    int curEditId_ = 0;
    // The ID the call codes were last made for.
    std::string appliedId_;

    std::array<QLineEdit*, kDtmfCodeBoxes> codes_{};
    QLabel* inputHint_ = nullptr;
    QLineEdit* dtmfId_ = nullptr;
    QComboBox* separator_ = nullptr;
    QPushButton* special_ = nullptr;
    QDialogButtonBox* buttons_ = nullptr;
};

}  // namespace torvik
