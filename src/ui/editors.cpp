#include "ui/editors.h"

#include "ui/channel_editor/frm_chedit.h"
#include "ui/frm_main.h"
#include "ui/radio_info_view.h"

namespace torvik {

void RegisterEditors(frmMain& window) {
    window.setEditorOpener(EditorWindow::Channel, [](frmMain& w) {
        AppSession& session = w.session();
        FrmCHEdit dialog(w.codeplug(), session.features, w.EditRow, session.texts, w.reporter(),
                         &w);
        if (dialog.exec() == QDialog::Accepted) w.ReShowGrid(0, w.EditRow, 0);
    });
    window.setEditorOpener(EditorWindow::RadioInfo, [](frmMain& w) {
        RadioInfoView view(w.codeplug(), w.session().language, &w);
        view.exec();
    });
}

}  // namespace torvik
