#include "ui/editors.h"

#include "ui/frm_main.h"
#include "ui/radio_info_view.h"

namespace torvik {

void RegisterEditors(frmMain& window) {
    window.setEditorOpener(EditorWindow::RadioInfo, [](frmMain& w) {
        RadioInfoView view(w.codeplug(), w.session().language, &w);
        view.exec();
    });
}

}  // namespace torvik
