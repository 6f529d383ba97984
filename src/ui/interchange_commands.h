// The File menu's interchange commands: the memory channels from and to CSV, the whole
// codeplug from and to JSON. An import asks before it replaces anything and is one undo step.
#pragma once

#include <filesystem>

namespace torvik {

class MainWindow;

void ImportChannels(MainWindow& window);
// The same imports of a file already chosen (dropped on the window).
void ImportChannelsFrom(MainWindow& window, const std::filesystem::path& path);
void ImportCodeplugFrom(MainWindow& window, const std::filesystem::path& path);
void ExportChannels(MainWindow& window);
void ImportCodeplug(MainWindow& window);
void ExportCodeplug(MainWindow& window);

}  // namespace torvik
