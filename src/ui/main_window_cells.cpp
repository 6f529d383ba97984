// The main window's channel list edited in place: what a cell's editor offers, and a value
// stored through the channel editor's rules as one undo step.
#include <QHeaderView>
#include <QTableView>

#include "channel_edit/channel_cells.h"
#include "channel_edit/channel_rows.h"
#include "ui/channel_cell_delegate.h"
#include "ui/main_window.h"
#include "ui/ui_text.h"

namespace torvik {

void MainWindow::enableCellEditing() {
    ChannelCellDelegate::Hooks hooks;
    hooks.setup = [this](int row, int column) {
        const ChannelCellStart start =
            StartChannelCell(codeplug(), session_.features, row, column, reporter_);
        CellEditorSetup setup;
        setup.kind = start.editor;
        setup.text = Q(start.text);
        for (const std::string& entry : start.choices.entries) setup.entries << Q(entry);
        setup.current = start.choices.current;
        return setup;
    };
    hooks.store = [this](int row, int column, const ChannelCellValue& value) {
        Codeplug working = codeplug();
        const ChannelCellEdit edit =
            EditChannelCell(working, session_.features, row, column, value, reporter_);
        if (!edit.refusal.empty()) return CellRefusal{Q(edit.refusal), Q(edit.corrected)};
        if (edit.changed) {
            const QString step =
                BuiltInQ(TextId::EditChannelStep, session_.language).arg(Q(ChannelLabel(row)));
            document_->commit(step, EditableStateOf(working));
        }
        return CellRefusal{};
    };
    hooks.refuse = [this](const QString& reason) { reporter_.show(Severity::Warning, U(reason)); };
    list_->setItemDelegate(new ChannelCellDelegate(list_, std::move(hooks)));
    // A double click opens the channel editor, so only the keyboard opens a cell's editor.
    list_->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
}

}  // namespace torvik
