// The data files opened or saved last, newest first, kept in the per-user settings store
// beside the window's geometry so that File › Open Recent offers them in later runs.
#pragma once

#include <QStringList>

namespace torvik {

inline constexpr int kRecentFileCount = 8;

// The remembered files, newest first; at most kRecentFileCount.
QStringList RecentFiles();
// Puts `path` first (once), dropping the oldest beyond kRecentFileCount.
void RememberRecentFile(const QString& path);
// Takes `path` off the list (a file that could not be opened).
void ForgetRecentFile(const QString& path);

}  // namespace torvik
