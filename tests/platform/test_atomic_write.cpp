// Multi-file writes killed at every step: the next open finds the whole old or the whole new
// set of files, and leftovers of dead saves go while those of live processes stay.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QtTest>
#include <filesystem>
#include <set>

#include "platform/file_io.h"

using namespace torvik;
namespace fs = std::filesystem;

namespace {

const std::string kOldData = "old data";
const std::string kOldChannels = "old channels";
const std::string kNewData = "new data, longer";
const std::string kNewChannels = "new channels, longer";

std::vector<FileContent> NewPair(const fs::path& folder) {
    return {{folder / "radio.dat", kNewData}, {folder / "radio.fre", kNewChannels}};
}

// Runs a write of the new pair in a child process that kills itself right after step
// `killAfter` (counted from 1); 0 lets the write finish.
void WriteInChild(const fs::path& folder, int killAfter) {
    const pid_t child = ::fork();
    if (child == 0) {
        int steps = 0;
        const bool ok = WriteFilesAtomically(NewPair(folder), [&](std::string_view) {
            if (++steps == killAfter) ::raise(SIGKILL);
        });
        ::_exit(ok ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
}

std::set<std::string> Names(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

// A process id that belonged to a process now gone.
pid_t DeadPid() {
    const pid_t child = ::fork();
    if (child == 0) ::_exit(0);
    ::waitpid(child, nullptr, 0);
    return child;
}

}  // namespace

class AtomicWriteTest : public QObject {
    Q_OBJECT

  private slots:
    void killedAtEveryStep_data() {
        QTest::addColumn<int>("killAfter");
        QTest::addColumn<bool>("expectNew");
        // staged, staged, journal, placed, placed, synced, done; 0 = not killed.
        QTest::newRow("after staging the data file") << 1 << false;
        QTest::newRow("after staging both") << 2 << false;
        QTest::newRow("after the intent record") << 3 << true;
        QTest::newRow("between the two renames") << 4 << true;
        QTest::newRow("after both renames") << 5 << true;
        QTest::newRow("after syncing the folder") << 6 << true;
        QTest::newRow("after removing the record") << 7 << true;
        QTest::newRow("not killed") << 0 << true;
    }
    void killedAtEveryStep() {
        QFETCH(int, killAfter);
        QFETCH(bool, expectNew);
        QTemporaryDir dir;
        const fs::path folder = dir.path().toStdString();
        QVERIFY(WriteFilesAtomically(
            {{folder / "radio.dat", kOldData}, {folder / "radio.fre", kOldChannels}}));

        WriteInChild(folder, killAfter);
        RecoverInterruptedWrite({folder / "radio.dat", folder / "radio.fre"});

        const std::string data = ReadWholeFile(folder / "radio.dat").value_or("");
        const std::string channels = ReadWholeFile(folder / "radio.fre").value_or("");
        QCOMPARE(data, expectNew ? kNewData : kOldData);
        QCOMPARE(channels, expectNew ? kNewChannels : kOldChannels);
        // Nothing of the dead save is left beside the pair.
        QCOMPARE(Names(folder), (std::set<std::string>{"radio.dat", "radio.fre"}));
    }

    void failedRenamePutsThePreviousFilesBack() {
        QTemporaryDir dir;
        const fs::path folder = dir.path().toStdString();
        QVERIFY(WriteFilesAtomically(
            {{folder / "radio.dat", kOldData}, {folder / "radio.fre", kOldChannels}}));
        // The channel file's new content vanishes before its rename, after the data file's.
        const bool ok = WriteFilesAtomically(NewPair(folder), [&](std::string_view step) {
            if (step != "placed") return;
            for (const auto& entry : fs::directory_iterator(folder)) {
                const std::string name = entry.path().filename().string();
                if (name.rfind(".radio.fre.", 0) == 0 && name.ends_with(".tmp"))
                    fs::remove(entry.path());
            }
        });
        QVERIFY(!ok);
        QCOMPARE(ReadWholeFile(folder / "radio.dat").value_or(""), kOldData);
        QCOMPARE(ReadWholeFile(folder / "radio.fre").value_or(""), kOldChannels);
        QCOMPARE(Names(folder), (std::set<std::string>{"radio.dat", "radio.fre"}));
    }

    void leftoversOfDeadProcessesGoLiveOnesStay() {
        QTemporaryDir dir;
        const fs::path folder = dir.path().toStdString();
        const pid_t live = ::fork();
        if (live == 0) {
            ::pause();
            ::_exit(0);
        }
        const std::string dead = std::to_string(DeadPid());
        const std::string alive = std::to_string(live);
        const std::vector<std::string> deadNames{".radio.dat." + dead + ".0.tmp",
                                                 ".radio.dat." + dead + ".3.tmp.old",
                                                 ".radio.dat.save." + dead + ".j.0.tmp"};
        const std::vector<std::string> keptNames{".radio.dat." + alive + ".0.tmp",
                                                 ".radio.dat.x." + dead + ".0.tmp",
                                                 ".other.dat." + dead + ".0.tmp", "notes.txt"};
        for (const auto& name : deadNames) QVERIFY(WriteFileAtomically(folder / name, "x"));
        for (const auto& name : keptNames) QVERIFY(WriteFileAtomically(folder / name, "x"));

        QVERIFY(WriteFileAtomically(folder / "radio.dat", kNewData));
        ::kill(live, SIGKILL);
        ::waitpid(live, nullptr, 0);

        std::set<std::string> expected(keptNames.begin(), keptNames.end());
        expected.insert("radio.dat");
        QCOMPARE(Names(folder), expected);
    }

    void damagedIntentRecordIsIgnored() {
        QTemporaryDir dir;
        const fs::path folder = dir.path().toStdString();
        QVERIFY(WriteFilesAtomically(
            {{folder / "radio.dat", kOldData}, {folder / "radio.fre", kOldChannels}}));
        QVERIFY(WriteFileAtomically(folder / ".radio.dat.save", "torvik-save 1\npid 1\nmode"));
        RecoverInterruptedWrite({folder / "radio.dat", folder / "radio.fre"});
        QCOMPARE(ReadWholeFile(folder / "radio.dat").value_or(""), kOldData);
        QCOMPARE(Names(folder), (std::set<std::string>{"radio.dat", "radio.fre"}));
    }
};

QTEST_GUILESS_MAIN(AtomicWriteTest)
#include "test_atomic_write.moc"
