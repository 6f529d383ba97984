// Edit › Fill: the dialog that fills one column of the selected channels (a frequency series,
// names from a pattern with a counter, or one value) and shows the result row by row, with
// the values the channel editor's rules refuse and why, before OK.
#pragma once

#include <QDialog>
#include <vector>

#include "aggregate/codeplug.h"
#include "app/language_texts.h"
#include "channel_edit/channel_fill.h"
#include "codeplug/feature_flags.h"
#include "platform/reporter.h"

class QComboBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QSpinBox;
class QStackedWidget;
class QTableWidget;

namespace torvik {

class FillDialog : public QDialog {
    Q_OBJECT

  public:
    // Fills the channels `rows` (1..203) of `codeplug`, starting on `column` when it can be
    // filled. `texts` gives the list's and the messages' words, `buttonTexts` the captions
    // of OK and Cancel.
    FillDialog(const Codeplug& codeplug, const FeatureFlags& features, std::vector<int> rows,
               const Reporter& texts, const LanguageTexts& buttonTexts, int column,
               QWidget* parent = nullptr);

    FillRequest request() const;
    // The fill of the request as the dialog shows it now.
    const FillOutcome& outcome() const { return outcome_; }
    // How many rows the fill changes or creates.
    int filledCount() const;

  private:
    void showColumnPage();
    void updatePreview();
    QString rowNote(const FillRow& row) const;

    const Codeplug& codeplug_;
    FeatureFlags features_;
    std::vector<int> rows_;
    const Reporter& texts_;
    Language language_;
    FillOutcome outcome_;

    QComboBox* column_ = nullptr;
    QStackedWidget* pages_ = nullptr;
    QLineEdit* start_ = nullptr;
    QLineEdit* step_ = nullptr;
    QLineEdit* pattern_ = nullptr;
    QSpinBox* counter_ = nullptr;
    QComboBox* value_ = nullptr;
    QTableWidget* preview_ = nullptr;
    QLabel* summary_ = nullptr;
    QDialogButtonBox* buttons_ = nullptr;
};

}  // namespace torvik
