// The backup folder: names from the time and the radio, the pair equal to what was read, the
// newest kept, the default folder under XDG_DATA_HOME, session settings in the profile.
#include <QtTest>
#include <fstream>

#include "app/session_settings.h"
#include "storage/backups.h"
#include "storage/codeplug_files.h"
#include "storage/new_codeplug.h"
#include "support/recording_reporter.h"

using namespace torvik;
namespace fs = std::filesystem;

namespace {

std::chrono::system_clock::time_point At(int second) {
    // A fixed local time, 2026-12-10 22:13:<second>.
    std::tm local{};
    local.tm_year = 2026 - 1900;
    local.tm_mon = 11;
    local.tm_mday = 10;
    local.tm_hour = 22;
    local.tm_min = 13;
    local.tm_sec = second;
    local.tm_isdst = -1;
    return std::chrono::system_clock::from_time_t(std::mktime(&local));
}

Codeplug ReadCodeplug(const char* serial) {
    Codeplug c;
    NewCodeplug(c, {});
    c.radioInfo.serialNumber = FixedText<16>::Value(serial);
    return c;
}

}  // namespace

class BackupsTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    fs::path folder() const { return fs::path(dir_.path().toStdString()) / "backups"; }

  private slots:
    void nameHoldsTimeModelAndSerial_data() {
        QTest::addColumn<QString>("serial");
        QTest::addColumn<QString>("name");
        QTest::newRow("serial") << "A1234567"
                                << "20261210-221305-MERLAN-A1234567";
        QTest::newRow("none") << ""
                              << "20261210-221305-MERLAN";
        QTest::newRow("unsafe characters") << "../x y"
                                           << "20261210-221305-MERLAN-___x_y";
    }
    void nameHoldsTimeModelAndSerial() {
        QFETCH(QString, serial);
        QFETCH(QString, name);
        const Codeplug c = ReadCodeplug(serial.toLatin1().constData());
        QCOMPARE(QString::fromStdString(BackupBaseName(At(5), c)), name);
    }

    void backupIsThePairRead() {
        Codeplug read = ReadCodeplug("S1");
        read.record.dtmf.dtmfId = FixedText<3>::Value("321");
        const BackupResult result = SaveBackup(read, folder(), 100, At(1));
        QVERIFY2(result.file, result.error.c_str());
        QVERIFY(fs::exists(ChannelFilePath(*result.file)));
        Codeplug back;
        NewCodeplug(back, {});
        test::RecordingReporter reporter;
        QVERIFY(OpenCodeplug(*result.file, back, reporter));
        QVERIFY(back.record.dtmf == read.record.dtmf);
        QVERIFY(back.channels.used().size() == read.channels.used().size());
    }

    void onlyTheNewestAreKept() {
        fs::remove_all(folder());
        const Codeplug read = ReadCodeplug("S1");
        for (int second = 0; second < 5; ++second)
            QVERIFY(SaveBackup(read, folder(), 3, At(second)).file);
        // A second read in the same second gets a name of its own and counts as newest.
        const BackupResult again = SaveBackup(read, folder(), 3, At(4));
        QVERIFY(again.file);
        const std::vector<fs::path> kept = ListBackups(folder());
        QCOMPARE(kept.size(), std::size_t{3});
        QCOMPARE(kept[0], *again.file);
        QCOMPARE(QString::fromStdString(kept[2].filename().string()),
                 QString("20261210-221303-MERLAN-S1.dat"));
        QVERIFY(!fs::exists(folder() / "20261210-221302-MERLAN-S1.fre"));
        // Files that are not backups are never touched.
        std::ofstream(folder() / "notes.dat") << "mine";
        QVERIFY(SaveBackup(read, folder(), 3, At(6)).file);
        QVERIFY(fs::exists(folder() / "notes.dat"));
    }

    void folderThatCannotBeMadeIsAClearError() {
        std::ofstream(dir_.filePath("plainfile").toStdString()) << "x";
        const BackupResult result = SaveBackup(
            ReadCodeplug(""), fs::path(dir_.filePath("plainfile").toStdString()) / "b", 100, At(0));
        QVERIFY(!result.file);
        QVERIFY(result.error.find("cannot make the backup folder") != std::string::npos);
    }

    void defaultFolderFollowsXdgDataHome() {
        qputenv("XDG_DATA_HOME", "/srv/data");
        QCOMPARE(QString::fromStdString(DefaultBackupFolder().string()),
                 QString("/srv/data/torvik/backups"));
        QCOMPARE(QString::fromStdString(DefaultTraceFolder().string()),
                 QString("/srv/data/torvik/traces"));
        qputenv("XDG_DATA_HOME", "");
        qputenv("HOME", "/home/tech");
        QCOMPARE(QString::fromStdString(DefaultBackupFolder().string()),
                 QString("/home/tech/.local/share/torvik/backups"));
    }

    void sessionSettingsRoundTrip() {
        ProfileFile profile =
            ProfileFile::Parse("[session]\nBackupsKept=oops\nVerifyAfterWrite=2\n");
        SessionSettings settings = ReadSessionSettings(profile);
        QCOMPARE(settings.backupsKept, 100);
        QVERIFY(!settings.verifyAfterWrite);
        QVERIFY(settings.backupAfterRead);
        settings.verifyAfterWrite = true;
        settings.backupAfterRead = false;
        settings.backupsKept = 7;
        settings.backupFolder = "/srv/b";
        WriteSessionSettings(profile, settings);
        const SessionSettings back = ReadSessionSettings(ProfileFile::Parse(profile.text()));
        QVERIFY(back.verifyAfterWrite);
        QVERIFY(!back.backupAfterRead);
        QCOMPARE(back.backupsKept, 7);
        QCOMPARE(QString::fromStdString(back.backups().string()), QString("/srv/b"));
    }
};

QTEST_GUILESS_MAIN(BackupsTest)
#include "test_backups.moc"
