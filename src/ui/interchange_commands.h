// The File menu's interchange commands: the memory channels from and to CSV, the whole
// codeplug from and to JSON. An import asks before it replaces anything and is one undo step.
#pragma once

namespace torvik {

class MainWindow;

void ImportChannels(MainWindow& window);
void ExportChannels(MainWindow& window);
void ImportCodeplug(MainWindow& window);
void ExportCodeplug(MainWindow& window);

}  // namespace torvik
