// TwoToneDialog, the modal editor of the 2-Tone signalling: on one tab the timings, the decode
// response and the side tone; on the other the tone table A..D, the transmit call's format
// and the 32 receive codes, edited in place in a grid. It works on a working copy; OK commits
// it with the call tones the format names as one undoable step (the document points channels
// whose code is no longer stored at a stored one).
#pragma once

#include <QDialog>
#include <array>
#include <memory>

#include "app/language_texts.h"
#include "calling/twotone/two_tone_form.h"
#include "document/codeplug_document.h"

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QTabWidget;

namespace torvik {

class CellGrid;
class EditKeyFilter;
class FormFields;

class TwoToneDialog : public QDialog {
    Q_OBJECT

  public:
    TwoToneDialog(CodeplugDocument& document, const LanguageTexts& texts,
                  QWidget* parent = nullptr);
    ~TwoToneDialog() override;

    CellGrid* grid() const { return grid_; }
    const TwoToneSettings& working() const { return state_.record.twoTone; }
    void commitOk();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Every field of the window, one line each, in tab order.
    void declareFields();
    void relabel();
    void showValues();
    void formatChosen(int format);
    QWidget* cellEditor(QWidget* parent, int row, int column);
    QString storeCell(int row, int column, const QString& text);

    CodeplugDocument& document_;
    const LanguageTexts& texts_;
    EditableState state_;
    EditKeyFilter* keys_ = nullptr;
    std::unique_ptr<FormFields> fields_;
    TwoToneListForm lists_;  // the list positions the fields edit

    QTabWidget* tabs_ = nullptr;
    QComboBox* callFormat_ = nullptr;
    std::array<QLineEdit*, 4> tones_{};
    std::array<QLabel*, 4> toneLabels_{};
    CellGrid* grid_ = nullptr;
    QDialogButtonBox* buttons_ = nullptr;
};

}  // namespace torvik
