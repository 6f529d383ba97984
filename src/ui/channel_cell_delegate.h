// How the channel list's cells are drawn and edited in place. A cell too narrow for its
// text shows the whole text as its tooltip. F2 or typing opens the cell's editor: a text box
// for the frequencies and the name, a list of the channel editor's entries for the other
// columns. Enter stores the value and moves down, Tab stores it and stays, Escape closes
// without storing; a value the owner refuses keeps the editor open after the owner said why.
#pragma once

#include <QStringList>
#include <QStyledItemDelegate>
#include <functional>

#include "channel_edit/channel_cells.h"

class QTableView;

namespace torvik {

// What a cell's editor offers and starts with.
struct CellEditorSetup {
    CellEditor kind = CellEditor::None;
    QString text;         // a text box's text
    QStringList entries;  // a list's entries
    int current = -1;     // the list's entry
};

// Why a value was refused, and the text the editor shows then (empty: as typed).
struct CellRefusal {
    QString reason;
    QString corrected;
};

class ChannelCellDelegate : public QStyledItemDelegate {
    Q_OBJECT

  public:
    struct Hooks {
        // The editor of the cell at grid row `row` (1..203) and `column`.
        std::function<CellEditorSetup(int row, int column)> setup;
        // Stores a value; the reason is empty when it was taken.
        std::function<CellRefusal(int row, int column, const ChannelCellValue& value)> store;
        // Says why a value was refused.
        std::function<void(const QString& reason)> refuse;
    };

    ChannelCellDelegate(QTableView* view, Hooks hooks);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    // Values are stored through the hook as the editor closes, never by the view.
    void setModelData(QWidget*, QAbstractItemModel*, const QModelIndex&) const override {}
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;

  protected:
    bool eventFilter(QObject* object, QEvent* event) override;

  private:
    // Stores the editor's value; closes it when taken, moving down when `moveDown`, and
    // keeps it open after the reason when refused. False when refused.
    bool finish(QWidget* editor, bool moveDown);

    QTableView* view_;
    Hooks hooks_;
    // While a refusal is said, the editor loses the focus to the message without closing.
    bool refusing_ = false;
};

}  // namespace torvik
