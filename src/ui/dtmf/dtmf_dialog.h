// DtmfDialog, the modal dialog that edits the DTMF settings: the sixteen code memories, the
// PTT-ID and remote-control codes, the own ID, the separator and group symbols and the
// timings. It shows a DtmfForm, keeps the call codes in step with the own ID and the
// separator, fills the code box last edited from the special-call dialog, and on OK commits
// the record to the document as one undoable step.
#pragma once

#include <QDialog>
#include <array>
#include <string>
#include <utility>

#include "app/language_texts.h"
#include "calling/dtmf/dtmf_form.h"
#include "document/codeplug_document.h"

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace torvik {

class EditKeyFilter;

class DtmfDialog : public QDialog {
    Q_OBJECT

  public:
    DtmfDialog(CodeplugDocument& document, const LanguageTexts& texts, Reporter& reporter,
               QWidget* parent = nullptr);

    // The code box (0..19) that last received the focus: the one the special-call dialog
    // fills.
    int currentDtmfCode() const { return curEditId_; }
    // What the controls show now.
    DtmfForm form() const;
    QLineEdit* codeBox(int box) const { return codes_[static_cast<std::size_t>(box)]; }

    // OK: refuses equal remote kill and stun codes, else commits and closes.
    void commitOk();
    // Opens the special-call dialog for the code box last edited, if it holds a call.
    void openSpecialCall();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Each list with the form field it shows.
    static constexpr std::size_t kLists = 11;
    using ListFields = std::array<std::pair<int*, QComboBox*>, kLists>;
    ListFields listFields(DtmfForm& form) const;

    void buildControls();
    void buildLayout();
    void setTabOrder();
    void relabel();
    void fillLists();
    void connectControls();
    void showForm(const DtmfForm& form);
    void showCodes(const DtmfForm& form);
    // The ID box lost the focus: the call codes follow a new ID.
    void idLeft();
    void separatorChosen(int separator);
    void updateSpecialButton();

    CodeplugDocument& document_;
    const LanguageTexts& texts_;
    Reporter& reporter_;
    EditKeyFilter* keys_ = nullptr;
    int curEditId_ = 0;
    // The ID the call codes were last made for.
    std::string appliedId_;

    std::array<QLineEdit*, kDtmfCodeBoxes> codes_{};
    std::array<QLabel*, kDtmfCodeBoxes> codeLabels_{};
    QLabel* inputHint_ = nullptr;
    QComboBox* ani_ = nullptr;
    QComboBox* digitDuration_ = nullptr;
    QComboBox* pttIdMode_ = nullptr;
    QLineEdit* dtmfId_ = nullptr;
    QComboBox* separator_ = nullptr;
    QComboBox* group_ = nullptr;
    QComboBox* decodeResponse_ = nullptr;
    QComboBox* firstDigitDelay_ = nullptr;
    QComboBox* preSendDelay_ = nullptr;
    QComboBox* resetTime_ = nullptr;
    QComboBox* postSendDelay_ = nullptr;
    QComboBox* pauseTime_ = nullptr;
    QCheckBox* sideTone_ = nullptr;
    QPushButton* special_ = nullptr;
    QDialogButtonBox* buttons_ = nullptr;
    QFormLayout* settingsForm_ = nullptr;
};

}  // namespace torvik
