// Where the program finds what ships beside it (language files, factory templates, splash
// pictures, the factory marker) and where it keeps the files it writes (the setup profile and
// the feature switches). Explicit so that tests and users can run several homes side by side.
#pragma once

#include <filesystem>
#include <optional>

#include "platform/language.h"

namespace torvik {

// The environment variable that names a home when no --home option is given.
inline constexpr const char* kHomeEnvironmentVariable = "TORVIK_HOME";

struct AppHome {
    // The application folder: language/, Init/, splash pictures, TestData.ini.
    std::filesystem::path dataDir;
    // Where the writable settings files live: the application folder when it is writable,
    // else a per-user folder.
    std::filesystem::path writableDir;

    std::filesystem::path languageFile(Language language) const;
    std::filesystem::path initFolder() const { return dataDir / "Init"; }
    std::filesystem::path factoryMarker() const { return dataDir / "TestData.ini"; }
    // The setup profile; read from the installed folder until a per-user copy exists.
    std::filesystem::path setupProfileForRead() const;
    std::filesystem::path setupProfile() const { return writableDir / "language" / "mysetup.ini"; }
    std::filesystem::path featureFile() const { return writableDir / "Setting.ini"; }
};

// The home of this run: `explicitHome` (from --home) when given, else $TORVIK_HOME, else the
// folder of the running program when the shipped files lie beside it (a build tree, an
// unpacked copy), else the installed data folder.
AppHome ResolveAppHome(const std::optional<std::filesystem::path>& explicitHome);

// The data folder ResolveAppHome chooses, from what it looks at: the --home option, the value
// of $TORVIK_HOME (null or empty when unset), the running program's folder and the installed
// data folder.
std::filesystem::path ChooseDataDir(const std::optional<std::filesystem::path>& explicitHome,
                                    const char* environmentHome,
                                    const std::filesystem::path& programDir,
                                    const std::filesystem::path& installedDir);

// True when `dir` holds the shipped files (the English language file stands for them).
bool HoldsShippedFiles(const std::filesystem::path& dir);

// Where the package installs the shipped files (<datadir>/torvik of the configured prefix).
std::filesystem::path InstalledDataDir();

// The home rooted at `dir`, with the per-user fallback for the writable files.
AppHome AppHomeAt(const std::filesystem::path& dir);

// The home rooted at `dir`, where the installed data folder is never written, even when the
// file system would allow it (root): the package manager owns it.
AppHome AppHomeAt(const std::filesystem::path& dir, const std::filesystem::path& installedDir);

// The folder holding the running executable.
std::filesystem::path ExecutableDir();

// The per-user folder for writable files: $XDG_CONFIG_HOME/torvik or ~/.config/torvik.
std::filesystem::path PerUserFolder();

}  // namespace torvik
