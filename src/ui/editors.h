// The windows the main window opens from its tree and menus. Each editor window adds its
// opener here when it exists; an editor without one keeps its entries disabled.
#pragma once

namespace torvik {

class frmMain;

void RegisterEditors(frmMain& window);

}  // namespace torvik
