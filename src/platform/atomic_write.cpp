// Multi-file all-or-nothing writes with an intent record, and the recovery of writes that a
// dead process left half-done.
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <set>
#include <system_error>

#include "platform/file_io.h"
#include "platform/save_journal.h"

namespace torvik {
namespace {

namespace fs = std::filesystem;

constexpr int kTempNameAttempts = 100;
constexpr const char* kTempSuffix = ".tmp";
constexpr const char* kBackupSuffix = ".tmp.old";

fs::path FolderOf(const fs::path& file) {
    return file.has_parent_path() ? file.parent_path() : fs::path(".");
}

bool ProcessAlive(long pid) {
    if (pid <= 0) return false;
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

// Makes the names created, renamed or removed in a folder survive a power loss.
void SyncFolder(const fs::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

void SyncFolders(const std::set<fs::path>& folders) {
    for (const fs::path& folder : folders) SyncFolder(folder);
}

// The file a path stands for: through a symbolic link the file it names is replaced, not the
// link.
fs::path ResolveTarget(const fs::path& path) {
    std::error_code ec;
    if (fs::symlink_status(path, ec).type() != fs::file_type::symlink) return path;
    const fs::path target = fs::weakly_canonical(path, ec);
    return ec ? path : target;
}

// Every temporary of a file is named ".NAME.PID.N.tmp" (its backup adds ".old") and the
// temporary of its intent record ".NAME.save.PID.tmp", so leftovers can be traced to the
// process that made them.
std::string TempPrefix(const fs::path& target) {
    return "." + target.filename().string() + ".";
}

// A new, empty file `stem.N.tmp` that no one else uses; -1 on failure.
int CreateUnique(const fs::path& folder, const std::string& stem, fs::path& created) {
    for (int attempt = 0; attempt < kTempNameAttempts; ++attempt) {
        const fs::path candidate = folder / (stem + "." + std::to_string(attempt) + kTempSuffix);
        const int fd = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            created = candidate;
            return fd;
        }
        if (errno != EEXIST) return -1;
    }
    return -1;
}

bool WriteAll(int fd, std::string_view bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// Writes and syncs `bytes` into a new unique file; the file is removed again on failure.
bool WriteSyncedTemp(const fs::path& folder, const std::string& stem, std::string_view bytes,
                     fs::path& created, std::optional<fs::perms> perms = std::nullopt) {
    const int fd = CreateUnique(folder, stem, created);
    if (fd < 0) return false;
    bool ok = WriteAll(fd, bytes) && ::fsync(fd) == 0;
    if (ok && perms) ok = ::fchmod(fd, static_cast<mode_t>(*perms & fs::perms::mask)) == 0;
    ok = ::close(fd) == 0 && ok;
    if (!ok) {
        std::error_code ec;
        fs::remove(created, ec);
    }
    return ok;
}

// One file on its way: the new content complete on disk under a temporary name, with the
// permissions of the file it will replace, and a second name for the previous file.
bool Stage(const FileContent& file, JournalEntry& entry) {
    std::error_code ec;
    entry.target = fs::absolute(ResolveTarget(file.path), ec);
    if (ec) return false;
    const fs::file_status status = fs::status(entry.target, ec);
    entry.hadOld = status.type() != fs::file_type::not_found;
    // Only a regular file is replaced; a folder or device of that name is left alone.
    if (entry.hadOld && status.type() != fs::file_type::regular) return false;

    const std::string stem = TempPrefix(entry.target) + std::to_string(::getpid());
    std::optional<fs::perms> perms;
    if (entry.hadOld) perms = status.permissions();
    if (!WriteSyncedTemp(FolderOf(entry.target), stem, file.bytes, entry.temp, perms)) return false;
    if (!entry.hadOld) return true;

    entry.backup = entry.temp;
    entry.backup += ".old";
    fs::create_hard_link(entry.target, entry.backup, ec);
    if (ec) fs::copy_file(entry.target, entry.backup, ec);
    if (ec) entry.backup.clear();
    return !ec;
}

// Puts a complete intent record in place without ever replacing another one: a record already
// there belongs to a save still running (a dead one's was recovered before).
bool PlaceJournal(const fs::path& journalPath, const SaveJournal& journal) {
    fs::path temp;
    const std::string stem =
        "." + journalPath.filename().string().substr(1) + "." + std::to_string(::getpid()) + ".j";
    if (!WriteSyncedTemp(FolderOf(journalPath), stem, JournalText(journal), temp)) return false;
    const bool ok = ::link(temp.c_str(), journalPath.c_str()) == 0;
    std::error_code ec;
    fs::remove(temp, ec);
    return ok;
}

// Replaces this process's own intent record (to switch it to undoing).
bool ReplaceJournal(const fs::path& journalPath, const SaveJournal& journal) {
    fs::path temp;
    const std::string stem =
        "." + journalPath.filename().string().substr(1) + "." + std::to_string(::getpid()) + ".j";
    if (!WriteSyncedTemp(FolderOf(journalPath), stem, JournalText(journal), temp)) return false;
    std::error_code ec;
    fs::rename(temp, journalPath, ec);
    if (ec) fs::remove(temp, ec);
    return !ec;
}

std::set<fs::path> FoldersOf(const std::vector<JournalEntry>& entries) {
    std::set<fs::path> folders;
    for (const JournalEntry& e : entries) folders.insert(FolderOf(e.target));
    return folders;
}

// Brings the files of a journal to one whole state: all new (forward) or all previous (back).
void Complete(const SaveJournal& journal) {
    std::error_code ec;
    for (const JournalEntry& e : journal.entries) {
        const bool placed = !fs::exists(e.temp, ec);
        if (journal.mode == JournalMode::Forward) {
            if (!placed) fs::rename(e.temp, e.target, ec);
        } else if (placed) {
            if (e.hadOld && !e.backup.empty() && fs::exists(e.backup, ec))
                fs::rename(e.backup, e.target, ec);
            else if (!e.hadOld)
                fs::remove(e.target, ec);
        }
    }
    SyncFolders(FoldersOf(journal.entries));
    for (const JournalEntry& e : journal.entries) {
        fs::remove(e.temp, ec);
        if (!e.backup.empty()) fs::remove(e.backup, ec);
    }
}

// The process id inside a leftover's name, when the name is one of our temporaries of
// `target`; 0 otherwise.
long LeftoverPid(const std::string& name, const std::string& prefix) {
    if (name.rfind(prefix, 0) != 0) return 0;
    std::string rest = name.substr(prefix.size());
    if (rest.rfind("save.", 0) == 0) rest = rest.substr(5);
    const bool temp = rest.size() > 4 && rest.compare(rest.size() - 4, 4, kTempSuffix) == 0;
    const bool backup = rest.size() > 8 && rest.compare(rest.size() - 8, 8, kBackupSuffix) == 0;
    if (!temp && !backup) return 0;
    const std::size_t dot = rest.find('.');
    if (dot == 0 || dot == std::string::npos || dot > 9) return 0;
    long pid = 0;
    for (std::size_t i = 0; i < dot; ++i) {
        if (rest[i] < '0' || rest[i] > '9') return 0;
        pid = pid * 10 + (rest[i] - '0');
    }
    return pid;
}

void RemoveDeadLeftovers(const fs::path& target) {
    const std::string prefix = TempPrefix(target);
    std::error_code ec;
    std::vector<fs::path> dead;
    for (fs::directory_iterator it(FolderOf(target), ec), end; !ec && it != end; it.increment(ec)) {
        const long pid = LeftoverPid(it->path().filename().string(), prefix);
        if (pid > 0 && pid != ::getpid() && !ProcessAlive(pid)) dead.push_back(it->path());
    }
    for (const fs::path& path : dead) fs::remove(path, ec);
}

// Finishes the save whose intent record lies beside `target`, when its process is gone.
void FinishDeadSave(const fs::path& target) {
    std::error_code ec;
    const fs::path journalPath = JournalPathFor(target);
    if (const auto text = ReadFileHead(journalPath, 1 << 16)) {
        const std::optional<SaveJournal> journal = ParseJournal(*text);
        if (!journal) {
            fs::remove(journalPath, ec);  // damaged: nothing in it can be trusted
        } else if (journal->pid == ::getpid() || !ProcessAlive(journal->pid)) {
            Complete(*journal);
            fs::remove(journalPath, ec);
        }
        SyncFolder(FolderOf(journalPath));
    }
}

}  // namespace

void RecoverInterruptedWrite(const std::vector<std::filesystem::path>& paths) {
    // Every record first: a leftover of one file may still be needed by the record of another.
    std::vector<fs::path> targets;
    std::error_code ec;
    for (const fs::path& path : paths) {
        targets.push_back(fs::absolute(ResolveTarget(path), ec));
        if (ec) return;
    }
    for (const fs::path& target : targets) FinishDeadSave(target);
    for (const fs::path& target : targets) RemoveDeadLeftovers(target);
}

bool WriteFilesAtomically(const std::vector<FileContent>& files,
                          const WriteStepObserver& observer) {
    const auto step = [&observer](std::string_view name) {
        if (observer) observer(name);
    };
    if (files.empty()) return true;
    std::vector<fs::path> paths;
    for (const FileContent& file : files) paths.push_back(file.path);
    RecoverInterruptedWrite(paths);
    std::error_code ec;

    SaveJournal journal;
    journal.pid = ::getpid();
    journal.entries.resize(files.size());
    bool ok = true;
    for (std::size_t i = 0; ok && i < files.size(); ++i) {
        ok = Stage(files[i], journal.entries[i]);
        if (ok) step("staged");
    }
    const std::set<fs::path> folders = FoldersOf(journal.entries);
    const fs::path journalPath = JournalPathFor(journal.entries.front().target);
    // One file needs no record: its rename alone is all-or-nothing.
    const bool recorded = journal.entries.size() > 1;
    if (ok) {
        SyncFolders(folders);
        if (recorded) ok = PlaceJournal(journalPath, journal);
    }
    if (ok) {
        SyncFolder(FolderOf(journalPath));
        step("journal");
        for (const JournalEntry& e : journal.entries) {
            fs::rename(e.temp, e.target, ec);
            if (ec) {
                ok = false;
                break;
            }
            step("placed");
        }
        if (!ok) {
            // Undo from a record that says so, so a death during the undo is finished the
            // same way.
            journal.mode = JournalMode::Back;
            if (recorded) ReplaceJournal(journalPath, journal);
            SyncFolder(FolderOf(journalPath));
        }
        Complete(journal);
        step("synced");
        if (recorded) {
            fs::remove(journalPath, ec);
            SyncFolder(FolderOf(journalPath));
        }
        step("done");
        return ok;
    }
    // Nothing was replaced: the temporaries simply go.
    for (const JournalEntry& e : journal.entries) {
        if (!e.temp.empty()) fs::remove(e.temp, ec);
        if (!e.backup.empty()) fs::remove(e.backup, ec);
    }
    return false;
}

}  // namespace torvik
