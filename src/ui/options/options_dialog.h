// OptionsDialog, the modal editor of the radio-wide optional functions: the pick-list rows, the
// switches, the power-on password and the seven-character power-on message. It works on a
// working copy; OK commits it to the document as one undoable step.
#pragma once

#include <QDialog>
#include <array>
#include <vector>

#include "app/language_texts.h"
#include "document/codeplug_document.h"
#include "functions/options/option_rules.h"

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;

namespace torvik {

class EditKeyFilter;

class OptionsDialog : public QDialog {
    Q_OBJECT

  public:
    OptionsDialog(CodeplugDocument& document, const LanguageTexts& texts,
                  QWidget* parent = nullptr);

    // Shows the password box and its label for state 1, hides them otherwise.
    void enablePassword(int state);
    void commitOk();

  private:
    // A pick-list row whose choice is the list position held in one field.
    struct PositionRow {
        int row;
        std::int16_t OptionSettings::*field;
        QComboBox* combo = nullptr;
    };

    QComboBox* rowCombo(int row) const;
    void buildControls();
    void buildLayout();
    void relabel();
    void fillLists();
    void showValues();
    void connectControls();
    void displayModeChosen(int position);
    void showCoupledRows();

    CodeplugDocument& document_;
    const LanguageTexts& texts_;
    EditableState state_;
    OptionSettings& options_;
    EditKeyFilter* keys_ = nullptr;

    std::vector<PositionRow> rows_;
    QComboBox* displayMode_ = nullptr;
    QComboBox* workMode_ = nullptr;
    QComboBox* powerOnChannel_ = nullptr;
    QComboBox* channelDisplayExtra_ = nullptr;
    std::vector<OptionChannelChoice> channelChoices_;
    std::array<QCheckBox*, 4> switches_{};  // switches 1..4
    QCheckBox* passwordSwitch_ = nullptr;
    QLabel* passwordLabel_ = nullptr;
    QLineEdit* password_ = nullptr;
    std::array<QLineEdit*, kWelcomeBoxes> welcome_{};
    QDialogButtonBox* buttons_ = nullptr;
};

}  // namespace torvik
