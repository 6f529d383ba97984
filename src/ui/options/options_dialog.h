// OptionsDialog, the modal editor of the radio-wide optional functions: the pick-list rows, the
// switches, the power-on password and the seven-character power-on message. It works on a
// working copy; OK commits it to the document as one undoable step.
#pragma once

#include <QDialog>
#include <array>
#include <memory>

#include "app/language_texts.h"
#include "document/codeplug_document.h"
#include "functions/options/option_rules.h"

class QBoxLayout;
class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QLineEdit;

namespace torvik {

class EditKeyFilter;
class FormFields;

class OptionsDialog : public QDialog {
    Q_OBJECT

  public:
    OptionsDialog(CodeplugDocument& document, const LanguageTexts& texts,
                  QWidget* parent = nullptr);
    ~OptionsDialog() override;

    // Shows the password box and its label for state 1, hides them otherwise.
    void enablePassword(int state);
    void commitOk();

  private:
    // Every field of the window, one line each, in tab order, and the layout they stand in.
    void declareFields();
    // The seven one-character boxes of the power-on message, under their label in `column`.
    void declareWelcomeMessage(QBoxLayout* column);
    void relabel();
    void connectControls();
    void displayModeChosen(int position);
    void showCoupledRows();

    CodeplugDocument& document_;
    const LanguageTexts& texts_;
    EditableState state_;
    OptionSettings& options_;
    EditKeyFilter* keys_ = nullptr;
    std::unique_ptr<FormFields> fields_;

    QComboBox* displayMode_ = nullptr;
    QComboBox* channelDisplayExtra_ = nullptr;
    QComboBox* workMode_ = nullptr;
    QCheckBox* passwordSwitch_ = nullptr;
    QLineEdit* password_ = nullptr;
    std::array<QLineEdit*, kWelcomeBoxes> welcome_{};
    QDialogButtonBox* buttons_ = nullptr;
};

}  // namespace torvik
