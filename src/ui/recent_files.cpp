#include "ui/recent_files.h"

#include <QFileInfo>
#include <QSettings>

#include "ui/main_window.h"

namespace torvik {
namespace {

constexpr const char* kRecentFilesKey = "RecentFiles";

void Store(const QStringList& files) {
    QSettings settings(kSettingsOrganisation, kSettingsApplication);
    settings.beginGroup(kSettingsGroup);
    settings.setValue(kRecentFilesKey, files);
}

// One spelling per file, so that the same file opened by two paths is listed once.
QString Canonical(const QString& path) {
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? info.absoluteFilePath() : canonical;
}

}  // namespace

QStringList RecentFiles() {
    QSettings settings(kSettingsOrganisation, kSettingsApplication);
    settings.beginGroup(kSettingsGroup);
    QStringList files = settings.value(kRecentFilesKey).toStringList();
    files.removeAll(QString());
    return files.mid(0, kRecentFileCount);
}

void RememberRecentFile(const QString& path) {
    const QString file = Canonical(path);
    QStringList files = RecentFiles();
    files.removeAll(file);
    files.prepend(file);
    Store(files.mid(0, kRecentFileCount));
}

void ForgetRecentFile(const QString& path) {
    QStringList files = RecentFiles();
    if (files.removeAll(path) + files.removeAll(Canonical(path)) > 0) Store(files);
}

}  // namespace torvik
