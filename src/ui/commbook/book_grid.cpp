#include "ui/commbook/book_grid.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>

#include "calling/commbook/comm_book.h"
#include "ui/cell_grid.h"
#include "ui/commbook/comm_book_model.h"
#include "ui/edit_key_filter.h"

namespace torvik {
namespace {

constexpr int kCallIdLength = decltype(CommBookEntry::callId)::kWidth;
constexpr int kNameLength = decltype(CommBookEntry::name)::kWidth;
// The grid counts its header as row 0.
constexpr int kHeaderRows = 1;

}  // namespace

BookCellDelegate::BookCellDelegate(EditKeyFilter* keys, BookGrid* grid)
    : QStyledItemDelegate(grid), keys_(keys), grid_(grid) {}

QWidget* BookCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                        const QModelIndex& index) const {
    auto* edit = qobject_cast<QLineEdit*>(QStyledItemDelegate::createEditor(parent, option, index));
    if (!edit) return nullptr;
    const bool callId = index.column() == CommBookModel::CallIdColumn;
    edit->setObjectName(callId ? "TextCallId" : "TextName");
    edit->setMaxLength(callId ? kCallIdLength : kNameLength);
    // Named by its column and entry, as the grid's header and number column show them.
    const QAbstractItemModel* model = index.model();
    edit->setAccessibleName(
        model->headerData(index.column(), Qt::Horizontal).toString() + " " +
        model->index(index.row(), CommBookModel::NumberColumn).data().toString());
    keys_->watchText(edit, callId ? TextRule::BookCallId : TextRule::BookName);
    return edit;
}

bool BookCellDelegate::eventFilter(QObject* editor, QEvent* event) {
    const CellEditorKey key = CellEditorKeyOf(event);
    if (key == CellEditorKey::Other) return QStyledItemDelegate::eventFilter(editor, event);
    auto* widget = static_cast<QWidget*>(editor);
    emit commitData(widget);
    emit closeEditor(widget, key == CellEditorKey::Enter ? EditNextItem : NoHint);
    if (key != CellEditorKey::Enter) grid_->leave(key == CellEditorKey::Forward);
    return true;
}

BookGrid::BookGrid(EditKeyFilter* keys, QWidget* parent) : QTableView(parent) {
    setItemDelegate(new BookCellDelegate(keys, this));
    setEditTriggers(CurrentChanged | DoubleClicked | SelectedClicked | AnyKeyPressed);
    setSelectionMode(SingleSelection);
    setTabKeyNavigation(false);
    verticalHeader()->hide();
}

void BookGrid::commitOpenEditor() {
    QWidget* editor = indexWidget(currentIndex());
    if (!editor) return;
    commitData(editor);
    closeEditor(editor, QAbstractItemDelegate::NoHint);
}

int BookGrid::currentEditRow() const {
    return currentIndex().isValid() ? currentIndex().row() + kHeaderRows : 0;
}

int BookGrid::currentEditColumn() const {
    return currentIndex().isValid() ? currentIndex().column() : 0;
}

void BookGrid::leave(bool forward) {
    focusNextPrevChild(forward);
}

}  // namespace torvik
