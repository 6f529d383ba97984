// CommBookDialog, the modal dialog that edits the communication book in a grid: 128 entries of
// call ID and name, edited in place. It works on a copy of the book, imports and exports that
// copy as a book file, and on OK commits it, sorted by call ID, as one undoable step.
#pragma once

#include <QDialog>
#include <filesystem>

#include "app/language_texts.h"
#include "calling/commbook/comm_book.h"
#include "document/codeplug_document.h"
#include "ui/file_dialogs.h"

class QDialogButtonBox;
class QPushButton;

namespace torvik {

class BookGrid;
class CommBookModel;

class CommBookDialog : public QDialog {
    Q_OBJECT

  public:
    CommBookDialog(CodeplugDocument& document, const LanguageTexts& texts, Reporter& reporter,
                   QWidget* parent = nullptr);

    // Replace the desktop's file dialogs (tests).
    void setOpenFileChooser(FileChooser chooser) { chooseOpen_ = std::move(chooser); }
    void setSaveFileChooser(FileChooser chooser) { chooseSave_ = std::move(chooser); }

    // The working copy, as the grid shows it.
    const CommBook& workingBook() const { return working_; }
    BookGrid* grid() const { return grid_; }
    // The cell being edited: grid row 1..128 (entry row - 1) and column 1 or 2; 0 for none.
    int currentBookRow() const;
    int currentBookColumn() const;

    void commitOk();
    // Import and export through the file dialogs.
    void importBook();
    void exportBook();
    // Reads a book file into the working copy; a refused file leaves it as it was.
    bool loadBookFile(const std::filesystem::path& path);
    // Writes the working copy, with the cell being edited, to a book file.
    bool saveBookFile(const std::filesystem::path& path);

  private:
    void relabel();
    QString fileFilter() const;

    CodeplugDocument& document_;
    const LanguageTexts& texts_;
    Reporter& reporter_;
    CommBook working_;
    CommBookModel* model_ = nullptr;
    BookGrid* grid_ = nullptr;
    QPushButton* import_ = nullptr;
    QPushButton* export_ = nullptr;
    QDialogButtonBox* buttons_ = nullptr;
    FileChooser chooseOpen_;
    FileChooser chooseSave_;
};

}  // namespace torvik
