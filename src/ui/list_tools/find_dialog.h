// Edit › Find and Edit › Replace: one modeless dialog that finds text or a regular expression
// in the channel list (the names, one column or every column, as the list shows them) and
// moves the list's current cell to the next match, and replaces in names: the one found, or
// all at once as one undo step, reporting the names cut to seven characters.
#pragma once

#include <QDialog>

#include "channel_edit/channel_find.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace torvik {

class MainWindow;

class FindDialog : public QDialog {
    Q_OBJECT

  public:
    explicit FindDialog(MainWindow& window);

    // Shows the dialog for finding, or (`replacing`) for replacing names, with the keyboard
    // in the text to find.
    void start(bool replacing);

    // Moves the list's current cell to the next match; false when there is none.
    bool findNext();
    // Replaces in the current cell's name when it matches, then finds the next match.
    void replaceOne();
    // Replaces in every channel's name, as one undo step.
    void replaceAll();

  private:
    FindQuery query() const;
    // The query ready to match; an invalid regular expression is said in the status line.
    std::optional<CellMatcher> matcher();
    void relabel();
    void updateButtons();
    // Lists the names cut and refused by a replacement.
    void report(const ReplaceOutcome& outcome, const QString& summary);

    MainWindow& window_;
    bool replacing_ = false;

    QLineEdit* find_ = nullptr;
    QLabel* replaceLabel_ = nullptr;
    QLineEdit* replace_ = nullptr;
    QComboBox* column_ = nullptr;
    QCheckBox* regex_ = nullptr;
    QCheckBox* whole_ = nullptr;
    QCheckBox* case_ = nullptr;
    QPushButton* next_ = nullptr;
    QPushButton* replaceOne_ = nullptr;
    QPushButton* replaceAll_ = nullptr;
    QPushButton* close_ = nullptr;
    QLabel* status_ = nullptr;
    QLabel* reportLabel_ = nullptr;
    QPlainTextEdit* report_ = nullptr;
    QLabel* findLabel_ = nullptr;
    QLabel* columnLabel_ = nullptr;
};

}  // namespace torvik
