// The channel list's row commands: insert an empty channel, delete rows closing the gap, move
// rows up and down, sort them by a column, and rows dropped on the list. Each is one undo
// step, and the settings that name memory channels follow the channels they name.
#include <QItemSelection>
#include <QMimeData>
#include <QTableView>

#include "ui/channel_clipboard.h"
#include "ui/channel_list_model.h"
#include "ui/main_window.h"
#include "ui/sort_rows_dialog.h"
#include "ui/ui_text.h"

namespace torvik {

void MainWindow::commitReorder(ReorderRefusal refusal, TextId step, int rowCount,
                               const EditableState& state) {
    switch (refusal) {
        case ReorderRefusal::None:
            document_->commit(BuiltInQ(step, session_.language).arg(rowCount), state);
            return;
        case ReorderRefusal::LastChannelInUse:
            reporter_.show(Severity::Warning,
                           BuiltInText(TextId::InsertRefused, session_.language));
            return;
        case ReorderRefusal::NotMemoryChannel:
            reporter_.show(Severity::Warning,
                           BuiltInText(TextId::ReorderNotMemory, session_.language));
            return;
        case ReorderRefusal::AtTheEdge:
            return;  // the first row cannot go higher, nor the last lower
    }
}

void MainWindow::selectRows(const std::vector<int>& rows, int column) {
    if (rows.empty()) return;
    QItemSelection selection;
    for (const int row : rows) {
        const QModelIndex first = model_->index(row - 1, 1);
        const QModelIndex last = model_->index(row - 1, model_->columnCount() - 1);
        selection.select(first, last);
    }
    list_->setCurrentIndex(model_->index(rows.front() - 1, column));
    list_->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
}

void MainWindow::insertChannel() {
    const int row = currentRow();
    if (row < 1) return;
    EditableState state = document_->editableState();
    const ReorderRefusal refusal = InsertEmptyChannel(state.channels, state.record, row);
    if (refusal == ReorderRefusal::None) {
        document_->commit(
            BuiltInQ(TextId::InsertChannelStep, session_.language).arg(Q(ChannelLabel(row))),
            state);
        return;
    }
    commitReorder(refusal, TextId::InsertChannelStep, 1, state);
}

void MainWindow::deleteRowsClosingGap() {
    const std::vector<int> rows = selectedRows();
    if (rows.empty()) return;
    EditableState state = document_->editableState();
    const ReorderRefusal refusal = DeleteRowsClosingGap(state.channels, state.record, rows);
    commitReorder(refusal, TextId::DeleteRowsStep, static_cast<int>(rows.size()), state);
    if (refusal == ReorderRefusal::None) selectRows({rows.front()}, list_->currentIndex().column());
}

void MainWindow::moveRows(bool up) {
    const std::vector<int> rows = selectedRows();
    if (rows.empty()) return;
    EditableState state = document_->editableState();
    const ReorderRefusal refusal = MoveRows(state.channels, state.record, rows, up);
    commitReorder(refusal, TextId::MoveRowsStep, static_cast<int>(rows.size()), state);
    if (refusal != ReorderRefusal::None) return;
    // The selection moves with the rows, so the keys can move them again.
    std::vector<int> moved;
    for (const int row : rows) moved.push_back(up ? row - 1 : row + 1);
    selectRows(moved, list_->currentIndex().column());
}

void MainWindow::sortRows() {
    std::vector<int> rows = selectedRows();
    // One row sorts nothing: the command sorts every memory channel then.
    if (rows.size() == 1 && rows.front() <= kMemoryChannels) {
        rows.clear();
        for (int n = 1; n <= kMemoryChannels; ++n) rows.push_back(n);
    }
    if (rows.empty()) return;
    SortRowsDialog dialog(*model_, list_->currentIndex().column(), session_.texts, this);
    if (dialog.exec() != QDialog::Accepted) return;
    EditableState state = document_->editableState();
    const ReorderRefusal refusal = SortRows(state.channels, state.record, rows,
                                            ColumnOrder(dialog.column(), dialog.descending()));
    commitReorder(refusal, TextId::SortRowsStep, static_cast<int>(rows.size()), state);
}

void MainWindow::dropRows(const QMimeData& data, int before, bool fromThisList) {
    const std::vector<int> rows = selectedRows();
    if (!fromThisList) {
        if (before >= 1) list_->setCurrentIndex(model_->index(before - 1, 1));
        pasteChannels(data, before >= 1 ? before : kMemoryChannels);
        return;
    }
    if (rows.empty()) return;
    const int target = before >= 1 && before <= kMemoryChannels ? before : kMemoryChannels + 1;
    EditableState state = document_->editableState();
    const ReorderRefusal refusal = MoveRowsTo(state.channels, state.record, rows, target);
    commitReorder(refusal, TextId::MoveRowsStep, static_cast<int>(rows.size()), state);
    if (refusal != ReorderRefusal::None) return;
    // Where the rows now sit: after the rows above the drop point that stayed.
    const int above = static_cast<int>(
        std::count_if(rows.begin(), rows.end(), [target](int row) { return row < target; }));
    std::vector<int> moved;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        moved.push_back(target - above + static_cast<int>(i));
    }
    selectRows(moved, list_->currentIndex().column());
}

}  // namespace torvik
