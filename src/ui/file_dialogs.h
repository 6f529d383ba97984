// Choosing a file to open or to save with the desktop's file dialogs, behind a function type
// that tests replace.
#pragma once

#include <QString>
#include <filesystem>
#include <functional>
#include <optional>

class QWidget;

namespace torvik {

// Chooses a file: the filter ("Data File (*.dat)") and the current file in, the chosen path
// out, nothing when cancelled.
using FileChooser = std::function<std::optional<std::filesystem::path>(
    const QString& filter, const std::filesystem::path& current)>;

// Where a dialog starts for `current`: a relative name ("new.dat") in the user's documents
// folder.
QString DialogStart(const std::filesystem::path& current);

// The desktop's dialogs. Saving adds `defaultSuffix` to a name typed without one.
std::optional<std::filesystem::path> ChooseFileToOpen(QWidget* parent, const QString& filter,
                                                      const std::filesystem::path& current);
std::optional<std::filesystem::path> ChooseFileToSave(QWidget* parent, const QString& filter,
                                                      const std::filesystem::path& current,
                                                      const QString& defaultSuffix);

}  // namespace torvik
