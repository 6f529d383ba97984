#include "ui/file_dialogs.h"

#include <QFileDialog>
#include <QStandardPaths>

namespace torvik {

QString DialogStart(const std::filesystem::path& current) {
    const QString path = QString::fromStdString(current.string());
    if (current.is_absolute()) return path;
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + "/" + path;
}

std::optional<std::filesystem::path> ChooseFileToOpen(QWidget* parent, const QString& filter,
                                                      const std::filesystem::path& current) {
    const QString path =
        QFileDialog::getOpenFileName(parent, QString(), DialogStart(current), filter);
    if (path.isEmpty()) return std::nullopt;
    return path.toStdString();
}

std::optional<std::filesystem::path> ChooseFileToSave(QWidget* parent, const QString& filter,
                                                      const std::filesystem::path& current,
                                                      const QString& defaultSuffix) {
    QFileDialog dialog(parent, QString(), DialogStart(current), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(defaultSuffix);
    dialog.selectFile(DialogStart(current));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().front().toStdString();
}

}  // namespace torvik
