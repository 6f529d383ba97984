#include "ui/cell_grid.h"

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <algorithm>

#include "ui/form_parts.h"

namespace torvik {

QString EditorText(const QWidget* editor) {
    if (const auto* edit = qobject_cast<const QLineEdit*>(editor)) return edit->text();
    if (const auto* combo = qobject_cast<const QComboBox*>(editor)) return combo->currentText();
    return {};
}

CellEditorKey CellEditorKeyOf(const QEvent* event) {
    if (event->type() != QEvent::KeyPress) return CellEditorKey::Other;
    const auto* key = static_cast<const QKeyEvent*>(event);
    if (key->modifiers() & Qt::ControlModifier) return CellEditorKey::Other;
    switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return CellEditorKey::Enter;
        case Qt::Key_Tab:
            return key->modifiers() & Qt::ShiftModifier ? CellEditorKey::Backward
                                                        : CellEditorKey::Forward;
        case Qt::Key_Backtab:
            return CellEditorKey::Backward;
        default:
            return CellEditorKey::Other;
    }
}

CellGridDelegate::CellGridDelegate(CellGrid* grid) : QStyledItemDelegate(grid), grid_(grid) {}

QWidget* CellGridDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                        const QModelIndex& index) const {
    if (!grid_->hooks().editorFor) return nullptr;
    QWidget* editor = grid_->hooks().editorFor(parent, index.row(), index.column());
    if (editor) {
        // Named by its column and row, as the header and the label column show them.
        editor->setAccessibleName(grid_->horizontalHeaderItem(index.column())->text() + " " +
                                  grid_->cellText(index.row(), 0));
    }
    return editor;
}

void CellGridDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    const QString text = index.data().toString();
    if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
        edit->setText(text);
        edit->selectAll();
    } else if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        SelectTextOrFirst(combo, text);
    }
}

void CellGridDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                    const QModelIndex& index) const {
    if (!grid_->hooks().store) return;
    const QString shown = grid_->hooks().store(index.row(), index.column(), EditorText(editor));
    model->setData(index, shown);
}

bool CellGridDelegate::eventFilter(QObject* editor, QEvent* event) {
    const CellEditorKey key = CellEditorKeyOf(event);
    if (key == CellEditorKey::Other) return QStyledItemDelegate::eventFilter(editor, event);
    auto* widget = static_cast<QWidget*>(editor);
    const QModelIndex index = grid_->currentIndex();
    const QString text = EditorText(widget);
    emit commitData(widget);
    emit closeEditor(widget, NoHint);
    if (key == CellEditorKey::Enter) {
        if (!grid_->hooks().next) return true;
        const auto [row, column] = grid_->hooks().next(index.row(), index.column(), text);
        grid_->enterCell(row, column);
    } else {
        grid_->leave(key == CellEditorKey::Forward);
    }
    return true;
}

CellGrid::CellGrid(int rows, const QStringList& headers, Hooks hooks, QWidget* parent)
    : QTableWidget(rows, static_cast<int>(headers.size()), parent), hooks_(std::move(hooks)) {
    setHorizontalHeaderLabels(headers);
    setItemDelegate(new CellGridDelegate(this));
    setEditTriggers(CurrentChanged | SelectedClicked | AnyKeyPressed);
    setSelectionMode(SingleSelection);
    setTabKeyNavigation(false);
    setAlternatingRowColors(true);
    verticalHeader()->hide();
    horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    horizontalHeader()->setStretchLastSection(true);
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columnCount(); ++column) {
            auto* item = new QTableWidgetItem;
            if (column == 0) {
                // Fixed: it looks like the header beside it and the keyboard passes it by.
                item->setFlags(Qt::NoItemFlags);
                item->setTextAlignment(Qt::AlignCenter);
                item->setBackground(QApplication::palette().button());
                item->setForeground(QApplication::palette().buttonText());
            }
            setItem(row, column, item);
        }
    }
    // An editor does not travel with the scrolled rows: scrolling stores and closes it.
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { commitOpenEditor(); });
}

void CellGrid::setCellText(int row, int column, const QString& text) {
    item(row, column)->setText(text);
}

QString CellGrid::cellText(int row, int column) const {
    return item(row, column)->text();
}

void CellGrid::commitOpenEditor() {
    QWidget* editor = indexWidget(currentIndex());
    if (!editor) return;
    commitData(editor);
    closeEditor(editor, QAbstractItemDelegate::NoHint);
}

void CellGrid::enterCell(int row, int column) {
    setFocus();
    if (currentRow() == row && currentColumn() == column) {
        edit(currentIndex());
    } else {
        setCurrentCell(row, column);
    }
}

void CellGrid::leave(bool forward) {
    focusNextPrevChild(forward);
}

}  // namespace torvik

namespace torvik {

void CellGrid::setColumnChars(int column, int chars) {
    horizontalHeader()->setSectionResizeMode(column, QHeaderView::Interactive);
    setColumnWidth(column, fontMetrics().horizontalAdvance(QString(chars, QLatin1Char('0'))) +
                               2 * fontMetrics().averageCharWidth());
}

void CellGrid::fitColumns(int rows) {
    int width = 2 * frameWidth() + verticalScrollBar()->sizeHint().width();
    for (int column = 0; column < columnCount(); ++column) {
        width += std::max({columnWidth(column), sizeHintForColumn(column),
                           horizontalHeader()->sectionSizeHint(column)});
    }
    setMinimumWidth(width);
    setMinimumHeight(horizontalHeader()->sizeHint().height() +
                     rows * verticalHeader()->defaultSectionSize() + 2 * frameWidth());
}

}  // namespace torvik
