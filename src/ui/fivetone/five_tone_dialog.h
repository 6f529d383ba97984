// FiveToneDialog, the modal editor of the 5-Tone signalling: the own ID, standard, tone length and
// timings, the two PTT-ID codes, the 8 information codes and the 100-entry code table edited
// in place in a grid. Its special-call buttons open FiveToneSpecialCallDialog, which composes data,
// ANI and PTT-ID calls into it. It works on a working copy of every record (the decode time
// included), so Cancel drops every change; OK commits it as one undoable step (the document
// points channels and the emergency ID code at stored entries).
#pragma once

#include <QDialog>
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "app/language_texts.h"
#include "calling/fivetone/five_tone_form.h"
#include "calling/fivetone/special_call.h"
#include "document/codeplug_document.h"

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QFormLayout;
class QGroupBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace torvik {

class CellGrid;
class EditKeyFilter;
class FormFields;

class FiveToneDialog : public QDialog {
    Q_OBJECT

  public:
    FiveToneDialog(CodeplugDocument& document, const LanguageTexts& texts, Reporter& reporter,
                   QWidget* parent = nullptr);
    ~FiveToneDialog() override;

    CellGrid* grid() const { return grid_; }
    const FiveToneSettings& working() const { return state_.record.fiveTone; }
    std::uint8_t workingDecodeTime() const { return state_.record.decodeTime; }
    // The information code shown, 1..8 (0 before the first is shown).
    int currentInfoCode() const { return curInfoCode_; }

    void commitOk();
    // Opens the special-call dialog for the code list or a PTT-ID box.
    void openSpecialCall(SpecialCallTarget target);
    // Stores the shown information code into the working copy, and shows another.
    void saveInfoCode();
    void showInfoCode();
    // True when the information codes may be committed; shows why not otherwise.
    bool infoKillStunHasWaken();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct PttControls {
        QGroupBox* frame = nullptr;
        QLineEdit* code = nullptr;
        QComboBox* standard = nullptr;
        QComboBox* duration = nullptr;
        QPushButton* special = nullptr;
    };

    void buildControls();
    // The own settings, one line each, in tab order.
    void declareOwnFields(QFormLayout* own);
    QStringList responses() const;
    void fillInfoLists();
    void buildLayout();
    void relabel();
    void connectControls();
    void showAll();
    // What the controls outside the code list hold.
    FiveToneForm form();
    void gather();
    void ownIdLeft();
    void infoCodeChosen(int index);
    void infoFunctionChosen(int function);
    void standardChosen(QComboBox* duration, int standard);
    void codeDoubleClicked(int row, int column);
    QWidget* cellEditor(QWidget* parent, int row, int column);
    QString storeCell(int row, int column, const QString& text);
    FiveToneWords words() const;
    void refuseShortId();

    CodeplugDocument& document_;
    const LanguageTexts& texts_;
    Reporter& reporter_;
    EditableState state_;
    FiveToneCodeRows rows_;
    EditKeyFilter* keys_ = nullptr;
    std::unique_ptr<FormFields> fields_;
    FiveToneForm form_;  // the texts and list positions the fields edit
    int curInfoCode_ = 0;

    QFormLayout* ownForm_ = nullptr;
    std::vector<QWidget*> ownControls_;  // the own settings' lists and check box, in tab order
    QLineEdit* ownId_ = nullptr;
    QComboBox* standard_ = nullptr;
    QComboBox* duration_ = nullptr;
    QComboBox* pauseTime_ = nullptr;
    QComboBox* pauseCodeRange_ = nullptr;
    QPlainTextEdit* standardTable_ = nullptr;
    std::array<PttControls, 2> ptt_{};
    QGroupBox* infoFrame_ = nullptr;
    QComboBox* infoSelector_ = nullptr;
    QComboBox* infoFunction_ = nullptr;
    QComboBox* infoResponse_ = nullptr;
    QLineEdit* infoCode_ = nullptr;
    QLineEdit* infoName_ = nullptr;
    CellGrid* grid_ = nullptr;
    QPushButton* special_ = nullptr;
    QDialogButtonBox* buttons_ = nullptr;
};

}  // namespace torvik
