#include "ui/list_tools/list_tools.h"

#include <QTableView>

#include "ui/list_tools/fill_dialog.h"
#include "ui/list_tools/find_dialog.h"
#include "ui/main_window.h"
#include "ui/ui_text.h"

namespace torvik {

void FillSelectedChannels(MainWindow& window) {
    const std::vector<int> rows = window.selectedRows();
    if (rows.empty()) return;
    const QModelIndex current = window.channelList()->currentIndex();
    FillDialog dialog(window.codeplug(), window.session().features, rows, window.reporter(),
                      window.session().texts, current.isValid() ? current.column() : 0, &window);
    if (dialog.exec() != QDialog::Accepted) return;
    const FillOutcome& outcome = dialog.outcome();
    if (!outcome.error.empty() || !outcome.changed) return;
    window.document().commit(
        BuiltInQ(TextId::FillStepName, window.session().language).arg(dialog.filledCount()),
        EditableStateOf(outcome.codeplug));
}

void ShowFindDialog(MainWindow& window, bool replacing) {
    auto* dialog = window.findChild<FindDialog*>("FindDialog", Qt::FindDirectChildrenOnly);
    if (!dialog) dialog = new FindDialog(window);
    dialog->start(replacing);
}

}  // namespace torvik
