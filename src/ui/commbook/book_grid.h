// The book editor's grid: a cell of the call-ID or name column opens its edit box as soon as
// it becomes current, by click or by keyboard; the box keeps to the column's characters and
// length. Enter stores it and moves on to the next cell; Tab stores it and leaves the grid
// for the dialog's next control, as in any other form.
#pragma once

#include <QStyledItemDelegate>
#include <QTableView>

namespace torvik {

class EditKeyFilter;

class BookGrid;

class BookCellDelegate : public QStyledItemDelegate {
    Q_OBJECT

  public:
    BookCellDelegate(EditKeyFilter* keys, BookGrid* grid);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;

  protected:
    bool eventFilter(QObject* editor, QEvent* event) override;

  private:
    EditKeyFilter* keys_;
    BookGrid* grid_;
};

class BookGrid : public QTableView {
    Q_OBJECT

  public:
    explicit BookGrid(EditKeyFilter* keys, QWidget* parent = nullptr);

    // Stores and closes the open edit box, if there is one.
    void commitOpenEditor();
    // The cell being edited, counted as the grid shows it (row 1 is entry 0, column 1 the
    // call ID); 0 when there is none.
    int currentEditRow() const;
    int currentEditColumn() const;
    // Gives the focus to the dialog's next (or previous) control.
    void leave(bool forward);
};

}  // namespace torvik
