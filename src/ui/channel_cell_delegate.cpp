#include "ui/channel_cell_delegate.h"

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTableView>
#include <QToolTip>
#include <QValidator>

namespace torvik {
namespace {

constexpr const char* kRowProperty = "cellRow";
constexpr const char* kColumnProperty = "cellColumn";
// Set once the editor is closing, so that the focus it loses then stores nothing.
constexpr const char* kClosingProperty = "cellClosing";

void Close(QWidget* editor) {
    editor->setProperty(kClosingProperty, true);
}

// Takes the characters the channel editor's rule of the column takes, and no more of them
// than the field holds.
class CellTextValidator : public QValidator {
  public:
    CellTextValidator(int column, QObject* parent) : QValidator(parent), column_(column) {}
    State validate(QString& input, int&) const override {
        if (input.size() > ChannelCellTextLength(column_)) return Invalid;
        for (const QChar c : input) {
            if (c.unicode() > 127 ||
                !AcceptChannelCellChar(column_, static_cast<char>(c.unicode())))
                return Invalid;
        }
        return Acceptable;
    }

  private:
    int column_;
};

bool IsEnter(const QKeyEvent* key) {
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

// What the open editor holds: the text typed, or the entry chosen.
ChannelCellValue EditorValue(const QWidget* editor) {
    if (const auto* edit = qobject_cast<const QLineEdit*>(editor))
        return edit->text().toStdString();
    if (const auto* combo = qobject_cast<const QComboBox*>(editor)) return combo->currentIndex();
    return {};
}

}  // namespace

ChannelCellDelegate::ChannelCellDelegate(QTableView* view, Hooks hooks)
    : QStyledItemDelegate(view), view_(view), hooks_(std::move(hooks)) {}

QWidget* ChannelCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                           const QModelIndex& index) const {
    const int row = index.row() + 1;
    const CellEditorSetup setup = hooks_.setup(row, index.column());
    QWidget* editor = nullptr;
    if (setup.kind == CellEditor::Text) {
        auto* edit = new QLineEdit(parent);
        edit->setMaxLength(ChannelCellTextLength(index.column()));
        edit->setValidator(new CellTextValidator(index.column(), edit));
        edit->setAlignment(Qt::AlignCenter);
        editor = edit;
    } else if (setup.kind == CellEditor::List) {
        auto* combo = new QComboBox(parent);
        combo->addItems(setup.entries);
        combo->setMaxVisibleItems(16);
        editor = combo;
    } else {
        return nullptr;
    }
    editor->setObjectName("CellEditor");
    editor->setProperty(kRowProperty, row);
    editor->setProperty(kColumnProperty, index.column());
    // Named as the column's header and the row's label name the cell.
    const QAbstractItemModel* model = index.model();
    editor->setAccessibleName(
        model->headerData(index.column(), Qt::Horizontal).toString().replace('\n', ' ') + " " +
        model->headerData(index.row(), Qt::Vertical).toString());
    return editor;
}

void ChannelCellDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    const CellEditorSetup setup = hooks_.setup(index.row() + 1, index.column());
    if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
        edit->setText(setup.text);
        edit->selectAll();
    } else if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        combo->setCurrentIndex(setup.current);
    }
}

bool ChannelCellDelegate::finish(QWidget* editor, bool moveDown) {
    const int row = editor->property(kRowProperty).toInt();
    const int column = editor->property(kColumnProperty).toInt();
    const ChannelCellValue value = EditorValue(editor);
    const CellRefusal refusal = hooks_.store(row, column, value);
    if (!refusal.reason.isEmpty()) {
        refusing_ = true;
        hooks_.refuse(refusal.reason);
        refusing_ = false;
        editor->setFocus();
        if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
            if (!refusal.corrected.isEmpty()) edit->setText(refusal.corrected);
            edit->selectAll();
        }
        return false;
    }
    Close(editor);
    emit closeEditor(editor, NoHint);
    if (moveDown && row < view_->model()->rowCount()) {
        view_->setCurrentIndex(view_->model()->index(row, column));
    }
    return true;
}

bool ChannelCellDelegate::eventFilter(QObject* object, QEvent* event) {
    auto* editor = qobject_cast<QWidget*>(object);
    if (!editor) return false;
    switch (event->type()) {
        case QEvent::ShortcutOverride: {
            // Keys a list takes (Delete, letters) are its own, not the window's commands.
            const auto* key = static_cast<QKeyEvent*>(event);
            if (qobject_cast<QComboBox*>(editor) &&
                !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
                event->accept();
                return true;
            }
            return QStyledItemDelegate::eventFilter(object, event);
        }
        case QEvent::KeyPress: {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (IsEnter(key)) {
                finish(editor, true);
                return true;
            }
            if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
                finish(editor, false);
                return true;
            }
            if (key->key() == Qt::Key_Escape) {
                Close(editor);
                emit closeEditor(editor, NoHint);
                return true;
            }
            return false;
        }
        case QEvent::FocusOut: {
            if (refusing_) return true;
            if (editor->property(kClosingProperty).toBool()) return false;
            // The list's own popup takes the focus while it is open.
            for (QWidget* w = QApplication::focusWidget(); w; w = w->parentWidget()) {
                if (w == editor) return false;
            }
            // Clicking elsewhere stores the value; a refused one is dropped once the reason
            // has been said.
            const int row = editor->property(kRowProperty).toInt();
            const int column = editor->property(kColumnProperty).toInt();
            const ChannelCellValue value = EditorValue(editor);
            Close(editor);
            emit closeEditor(editor, NoHint);
            const QString reason = hooks_.store(row, column, value).reason;
            if (!reason.isEmpty()) {
                QMetaObject::invokeMethod(
                    this, [this, reason] { hooks_.refuse(reason); }, Qt::QueuedConnection);
            }
            return false;
        }
        default:
            return QStyledItemDelegate::eventFilter(object, event);
    }
}

bool ChannelCellDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view,
                                    const QStyleOptionViewItem& option, const QModelIndex& index) {
    if (event->type() != QEvent::ToolTip || !index.isValid()) {
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    }
    const QString text = index.data(Qt::DisplayRole).toString();
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    const int margin = 2 * (view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1);
    const bool cut = item.fontMetrics.horizontalAdvance(text) + margin > option.rect.width();
    if (cut && !text.isEmpty()) {
        QToolTip::showText(event->globalPos(), text, view->viewport(), option.rect);
    } else {
        QToolTip::hideText();
    }
    return true;
}

}  // namespace torvik
