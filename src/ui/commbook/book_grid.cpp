#include "ui/commbook/book_grid.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>

#include "calling/commbook/comm_book.h"
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
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        auto* widget = static_cast<QWidget*>(editor);
        const bool control = key->modifiers() & Qt::ControlModifier;
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        const bool tab = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
        if (enter && !control) {
            emit commitData(widget);
            emit closeEditor(widget, EditNextItem);
            return true;
        }
        if (tab && !control) {
            emit commitData(widget);
            emit closeEditor(widget, NoHint);
            grid_->leave(key->key() == Qt::Key_Tab && !(key->modifiers() & Qt::ShiftModifier));
            return true;
        }
    }
    return QStyledItemDelegate::eventFilter(editor, event);
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
