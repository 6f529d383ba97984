// ScanDialog, the modal editor of the scan settings: scan mode, priority and its channels, the
// revert choice the priority offers, the scan-back and resume times and the entry tone. It
// works on a working copy; OK commits it to the document as one undoable step.
#pragma once

#include <QDialog>
#include <memory>
#include <vector>

#include "app/language_texts.h"
#include "document/codeplug_document.h"
#include "platform/reporter.h"

class QCheckBox;
class QComboBox;
class QDialogButtonBox;

namespace torvik {

class EditKeyFilter;
class FormFields;

class ScanDialog : public QDialog {
    Q_OBJECT

  public:
    // Stored values the window cannot show as they are (an entry tone above 1, a revert
    // choice the priority does not offer) show corrected; OK keeps the correction, Cancel
    // leaves the codeplug as it was.
    ScanDialog(CodeplugDocument& document, const LanguageTexts& texts, const Reporter& reporter,
               QWidget* parent = nullptr);
    ~ScanDialog() override;

    // Fills the revert list with the entries the priority list's position offers and enables
    // the priority channel lists that position uses.
    void fillRevertList();
    void commitOk();

  private:
    // Every field of the window, one line each, in tab order.
    void declareFields();
    void connectControls();
    void applyEnabling();
    void showRevert();

    CodeplugDocument& document_;
    const LanguageTexts& texts_;
    const Reporter& reporter_;
    EditableState state_;
    ScanSettings& scan_;
    EditKeyFilter* keys_ = nullptr;
    std::unique_ptr<FormFields> fields_;
    std::vector<int> revertShown_;  // full-list positions of the revert entries, in order

    QComboBox* scanMode_ = nullptr;
    QComboBox* priority_ = nullptr;
    QComboBox* priorityChannel1_ = nullptr;
    QComboBox* priorityChannel2_ = nullptr;
    QComboBox* revert_ = nullptr;
    QComboBox* scanBackA_ = nullptr;
    QComboBox* scanBackB_ = nullptr;
    QComboBox* rxResume_ = nullptr;
    QComboBox* txResume_ = nullptr;
    QCheckBox* entryTone_ = nullptr;
    QDialogButtonBox* buttons_ = nullptr;
};

}  // namespace torvik
