// The File menu's interchange commands: the memory channels from and to CSV, the whole
// codeplug from and to JSON. An import asks before it replaces anything and is one undo step.
#pragma once

namespace torvik {

class frmMain;

void ImportChannels(frmMain& window);
void ExportChannels(frmMain& window);
void ImportCodeplug(frmMain& window);
void ExportCodeplug(frmMain& window);

}  // namespace torvik
