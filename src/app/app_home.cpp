#include "app/app_home.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <system_error>

namespace torvik {
namespace {

// Tries to create a file: permission bits alone do not tell (root ignores them, and some
// file systems are read-only whoever asks).
bool IsWritableFolder(const std::filesystem::path& dir) {
    const std::filesystem::path probe = dir / (".torvik-probe-" + std::to_string(::getpid()));
    const int fd = ::open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0600);
    if (fd < 0) return false;
    ::close(fd);
    ::unlink(probe.c_str());
    return true;
}

}  // namespace

std::filesystem::path AppHome::languageFile(Language language) const {
    return dataDir / "language" / (language == Language::Chinese ? "chinese.ini" : "english.ini");
}

std::filesystem::path AppHome::setupProfileForRead() const {
    std::error_code ec;
    const std::filesystem::path own = setupProfile();
    if (std::filesystem::exists(own, ec)) return own;
    return dataDir / "language" / "mysetup.ini";
}

std::filesystem::path ExecutableDir() {
    std::error_code ec;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::current_path(ec) : exe.parent_path();
}

std::filesystem::path PerUserFolder() {
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg) {
        return std::filesystem::path(xdg) / "torvik";
    }
    if (const char* home = std::getenv("HOME"); home && *home) {
        return std::filesystem::path(home) / ".config" / "torvik";
    }
    return std::filesystem::temp_directory_path() / "torvik";
}

AppHome AppHomeAt(const std::filesystem::path& dir) {
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(dir, ec);
    AppHome home;
    home.dataDir = ec ? dir : absolute;
    home.writableDir = IsWritableFolder(home.dataDir) ? home.dataDir : PerUserFolder();
    return home;
}

bool HoldsShippedFiles(const std::filesystem::path& dir) {
    std::error_code ec;
    return std::filesystem::is_regular_file(dir / "language" / "english.ini", ec);
}

std::filesystem::path InstalledDataDir() {
    // Set by the build from the install prefix, so the programs look where the package puts
    // the files.
    return TORVIK_INSTALLED_DATA_DIR;
}

std::filesystem::path ChooseDataDir(const std::optional<std::filesystem::path>& explicitHome,
                                    const char* environmentHome,
                                    const std::filesystem::path& programDir,
                                    const std::filesystem::path& installedDir) {
    if (explicitHome) return *explicitHome;
    if (environmentHome && *environmentHome) return environmentHome;
    return HoldsShippedFiles(programDir) ? programDir : installedDir;
}

AppHome AppHomeAt(const std::filesystem::path& dir, const std::filesystem::path& installedDir) {
    AppHome home = AppHomeAt(dir);
    std::error_code ec;
    if (std::filesystem::equivalent(home.dataDir, installedDir, ec)) {
        home.writableDir = PerUserFolder();
    }
    return home;
}

AppHome ResolveAppHome(const std::optional<std::filesystem::path>& explicitHome) {
    const std::filesystem::path installed = InstalledDataDir();
    return AppHomeAt(ChooseDataDir(explicitHome, std::getenv(kHomeEnvironmentVariable),
                                   ExecutableDir(), installed),
                     installed);
}

}  // namespace torvik
