// The data-file pair: byte-exact fixtures written from the documented offsets, faulty files,
// the modified state, templates and the factory companion file.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QtTest>

#include "platform/file_io.h"
#include "storage/codeplug_files.h"
#include "storage/new_codeplug.h"
#include "storage/snapshot.h"
#include "support/channel_compare.h"
#include "support/recording_reporter.h"

using namespace torvik;
using test::RecordingReporter;

namespace {

// Data-file offsets.
constexpr int kSavedBandCode = 0;
constexpr int kChannelCountOffset = 6791;
constexpr int kDecodeTime = 8585;
constexpr int kSquelchOffInhibit = 8586;
constexpr int kDataSize = 8587;
// Channel-file record offsets.
constexpr int kNumber = 0;
constexpr int kUsed = 2;
constexpr int kRxFreq = 6;
constexpr int kOffset = 15;
constexpr int kName = 24;
constexpr int kTxCtcss = 65;
constexpr int kPttIdCode = 103;
constexpr int kRecord = 108;

void PutLe16(QByteArray& bytes, int offset, int value) {
    bytes[offset] = char(value & 0xFF);
    bytes[offset + 1] = char((value >> 8) & 0xFF);
}

QByteArray ChannelFixture(int number, const char* rx, const char* name) {
    QByteArray r(kRecord, '\0');
    PutLe16(r, kNumber, number);
    PutLe16(r, kUsed, 1);
    r.replace(kRxFreq, 9, rx);
    r.replace(kOffset, 9, "000000000");
    r.replace(kName, 7, QByteArray(name).leftJustified(7, ' '));
    PutLe16(r, kTxCtcss, 20);
    r.replace(kPttIdCode, 5, "00000");
    return r;
}

QByteArray DataFixture(int band, int count) {
    QByteArray d(kDataSize, '\0');
    PutLe16(d, kSavedBandCode, band);
    PutLe16(d, kChannelCountOffset, count);
    d[kDecodeTime] = 9;
    d[kSquelchOffInhibit] = 1;
    return d;
}

struct Pair {
    QTemporaryDir dir;
    std::filesystem::path dat() const { return dir.filePath("radio.dat").toStdString(); }
    std::filesystem::path fre() const { return dir.filePath("radio.fre").toStdString(); }
};

void WriteFile(const std::filesystem::path& path, const QByteArray& bytes) {
    QFile file(QString::fromStdString(path.string()));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray ReadFile(const std::filesystem::path& path) {
    QFile file(QString::fromStdString(path.string()));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

Codeplug Fresh() {
    Codeplug codeplug;
    NewCodeplug(codeplug, {});
    return codeplug;
}

}  // namespace

class CodeplugFilesTest : public QObject {
    Q_OBJECT

  private slots:
    void openFixtureAndSaveByteExact() {
        Pair pair;
        const QByteArray data = DataFixture(48, 2);
        const QByteArray channels =
            ChannelFixture(1, "043500625", "AB") + ChannelFixture(203, "043500000", "");
        WriteFile(pair.dat(), data);
        WriteFile(pair.fre(), channels);

        Codeplug codeplug = Fresh();
        RecordingReporter reporter;
        QVERIFY(OpenCodeplug(pair.dat(), codeplug, reporter));
        QVERIFY(reporter.shown.empty());
        QCOMPARE(codeplug.band.code(), 48);
        QCOMPARE(codeplug.channels.ChannelCount, 2);
        QCOMPARE(QString::fromStdString(codeplug.channels.records[0].RxFreq.text()),
                 QString("043500625"));
        QCOMPARE(codeplug.channels.records[1].Number, 203);
        QCOMPARE(codeplug.record.decodeTime, 9);
        QCOMPARE(codeplug.record.squelchOffInhibit, 1);
        QVERIFY(!codeplug.file.NoFileName);
        QVERIFY(!IsModified(codeplug));

        QTemporaryDir out;
        const std::filesystem::path copy = out.filePath("copy.dat").toStdString();
        QVERIFY(SaveCodeplug(copy, codeplug, reporter));
        QCOMPARE(ReadFile(copy), data);
        QCOMPARE(ReadFile(ChannelFilePath(copy)), channels);
    }

    // A save killed between its two renames (new data file beside the old channel file) is
    // finished by the next open, which then reads the whole new pair.
    void openFinishesASaveKilledBetweenRenames() {
        Pair pair;
        WriteFile(pair.dat(), DataFixture(48, 1));
        WriteFile(pair.fre(), ChannelFixture(1, "043500625", "OLD"));
        const QByteArray newData = DataFixture(48, 2);
        const QByteArray newChannels =
            ChannelFixture(1, "043600000", "NEW") + ChannelFixture(2, "043700000", "TWO");
        const pid_t child = ::fork();
        if (child == 0) {
            int steps = 0;  // staged, staged, intent record, first rename: die there
            WriteFilesAtomically(
                {{pair.dat(), newData.toStdString()}, {pair.fre(), newChannels.toStdString()}},
                [&](std::string_view) {
                    if (++steps == 4) ::raise(SIGKILL);
                });
            ::_exit(0);
        }
        ::waitpid(child, nullptr, 0);
        QCOMPARE(ReadFile(pair.fre()), ChannelFixture(1, "043500625", "OLD"));

        const std::optional<LoadedPair> loaded = ReadFilePair(pair.dat());
        QVERIFY(loaded.has_value());
        QCOMPARE(loaded->channels.ChannelCount, 2);
        QCOMPARE(ReadFile(pair.fre()), newChannels);
        QCOMPARE(QDir(pair.dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
    }

    void newPairSizes() {
        Codeplug codeplug = Fresh();
        for (int n : {1, 2}) {
            ChannelRecord r = NewChannelRecord(n);
            r.Used = 1;
            r.RxFreq = FixedText<9>::Raw("043500625");
            codeplug.channels.records[codeplug.channels.ChannelCount++] = r;
        }
        Pair pair;
        RecordingReporter reporter;
        QVERIFY(SaveCodeplug(pair.dat(), codeplug, reporter));
        QCOMPARE(ReadFile(pair.dat()).size(), kDataSize);
        const QByteArray fre = ReadFile(pair.fre());
        QCOMPARE(fre.size(), 3 * kRecord);
        QCOMPARE(fre.mid(kRecord + kRxFreq, 9), QByteArray("043500625"));
        QCOMPARE(ReadFile(pair.dat()).mid(kChannelCountOffset, 2), QByteArray::fromHex("0300"));
    }

    void faultyDataFiles_data() {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QByteArray>("channels");
        const QByteArray one = ChannelFixture(1, "043500000", "A");
        QTest::newRow("missing") << QByteArray() << one;
        QTest::newRow("short") << DataFixture(3, 1).left(kDataSize - 1) << one;
        QTest::newRow("long, as a radio image")
            << DataFixture(3, 1) + QByteArray(16384 - kDataSize, '\0') << one;
        QTest::newRow("count above 203") << DataFixture(3, 204) << one;
        QTest::newRow("negative count") << DataFixture(3, -1) << one;
        QTest::newRow("channel number 0")
            << DataFixture(3, 1) << ChannelFixture(0, "043500000", "");
        QTest::newRow("channel number 204")
            << DataFixture(3, 1) << ChannelFixture(204, "043500000", "");
        QTest::newRow("channel twice") << DataFixture(3, 2) << one + one;
    }
    void faultyDataFiles() {
        QFETCH(QByteArray, data);
        QFETCH(QByteArray, channels);
        Pair pair;
        if (!data.isEmpty()) WriteFile(pair.dat(), data);
        WriteFile(pair.fre(), channels);
        Codeplug codeplug = Fresh();
        codeplug.channels.records[0].Name = FixedText<7>::Value("KEEP");  // an unsaved edit
        const Codeplug before = codeplug;
        RecordingReporter reporter;
        QVERIFY(!OpenCodeplug(pair.dat(), codeplug, reporter));
        QCOMPARE(reporter.shownTexts(), std::vector<std::string>{"file error."});
        QVERIFY(!reporter.shown[0].detail.empty());  // what exactly is wrong, beside it
        QCOMPARE(test::TableDifference(codeplug.channels, before.channels), QString());
        QVERIFY(codeplug.record == before.record);
        QCOMPARE(codeplug.file.CurrentFile, before.file.CurrentFile);
    }

    void incompleteChannelFile_data() {
        QTest::addColumn<bool>("present");
        QTest::newRow("missing") << false;
        QTest::newRow("short") << true;
    }
    void incompleteChannelFile() {
        QFETCH(bool, present);
        Pair pair;
        WriteFile(pair.dat(), DataFixture(3, 3));
        if (present)
            WriteFile(pair.fre(), ChannelFixture(4, "043500000", "X") + QByteArray(50, 'z'));
        Codeplug codeplug = Fresh();
        RecordingReporter reporter;
        QVERIFY(OpenCodeplug(pair.dat(), codeplug, reporter));
        QCOMPARE(codeplug.channels.ChannelCount, present ? 1 : 0);
        QCOMPARE(reporter.shown.size(), 1u);
        QCOMPARE(reporter.shown[0].severity, Severity::Warning);
        QVERIFY(!IsModified(codeplug));
    }

    void modifiedState() {
        Codeplug codeplug = Fresh();
        QVERIFY(!IsModified(codeplug));
        codeplug.channels.records[0].Name = FixedText<7>::Value("NEW");
        QVERIFY(IsModified(codeplug));
        Pair pair;
        RecordingReporter reporter;
        QVERIFY(SaveCodeplug(pair.dat(), codeplug, reporter));
        QVERIFY(!IsModified(codeplug));
        codeplug.band.setCode(48);
        QVERIFY(IsModified(codeplug));
        RestoreSnapshot(codeplug);
        QCOMPARE(codeplug.band.code(), 3);
        QVERIFY(!IsModified(codeplug));
        codeplug.record.decodeTime = 77;
        QVERIFY(IsModified(codeplug));
    }

    void failedSaveKeepsOldPairAndModifiedState() {
        Pair pair;
        Codeplug codeplug = Fresh();
        RecordingReporter reporter;
        QVERIFY(SaveCodeplug(pair.dat(), codeplug, reporter));
        const QByteArray oldData = ReadFile(pair.dat());
        QVERIFY(QFile::remove(QString::fromStdString(pair.fre().string())));
        QVERIFY(QDir().mkdir(QString::fromStdString(pair.fre().string())));  // cannot be replaced
        codeplug.record.decodeTime = 50;
        QVERIFY(!SaveCodeplug(pair.dat(), codeplug, reporter));
        QCOMPARE(reporter.shownTexts(), std::vector<std::string>{"file error."});
        QCOMPARE(ReadFile(pair.dat()), oldData);
        QVERIFY(IsModified(codeplug));
        QCOMPARE(QDir(pair.dir.path()).entryList(QDir::Files).size(), 1);  // no temporary left
    }

    void templates_data() {
        QTest::addColumn<int>("band");
        QTest::addColumn<bool>("keepChannels");
        QTest::addColumn<int>("channels");
        QTest::addColumn<int>("decodeTime");
        QTest::newRow("own template, VFO only") << 48 << false << 1 << 48;
        QTest::newRow("own template, all channels") << 48 << true << 3 << 48;
        QTest::newRow("fallback template: settings only") << 16 << true << 1 << 3;
    }
    void templates() {
        QFETCH(int, band);
        QFETCH(bool, keepChannels);
        QFETCH(int, channels);
        QFETCH(int, decodeTime);
        QTemporaryDir init;
        auto writeTemplate = [&](int code) {
            const std::filesystem::path dat =
                init.filePath(QString::fromStdString(TemplateFileName(ModelId, code)))
                    .toStdString();
            QByteArray data = DataFixture(code, 3);
            data[kDecodeTime] = char(code);
            WriteFile(dat, data);
            WriteFile(ChannelFilePath(dat), ChannelFixture(1, "043500000", "ONE") +
                                                ChannelFixture(203, "043600000", "") +
                                                ChannelFixture(2, "043700000", "TWO"));
        };
        writeTemplate(3);
        writeTemplate(48);
        Codeplug codeplug;
        codeplug.band.setCode(static_cast<std::int16_t>(band));
        NewCodeplug(codeplug, {init.path().toStdString(), keepChannels});
        QCOMPARE(codeplug.channels.ChannelCount, channels);
        QCOMPARE(int(codeplug.record.decodeTime), decodeTime);
        QCOMPARE(codeplug.band.code(), band);
        QVERIFY(!IsModified(codeplug));
        if (channels == 1) QCOMPARE(codeplug.channels.records[0].Number, 203);
        QVERIFY(codeplug.file.NoFileName);
        QCOMPARE(codeplug.file.CurrentFile, std::filesystem::path("new.dat"));
    }

    void noTemplatesGiveDefaults() {
        QTemporaryDir empty;
        Codeplug codeplug;
        NewCodeplug(codeplug, {empty.path().toStdString(), true});
        QCOMPARE(codeplug.channels.ChannelCount, 1);
        QCOMPARE(QString::fromStdString(codeplug.channels.records[0].RxFreq.text()),
                 QString("015500000"));
        QVERIFY(!IsModified(codeplug));
    }

    void factoryCompanionFile() {
        Pair pair;
        Codeplug codeplug = Fresh();
        codeplug.factoryMode = true;
        codeplug.testData.fill(0x11);
        RecordingReporter reporter;
        QVERIFY(SaveCodeplug(pair.dat(), codeplug, reporter));
        const std::filesystem::path ted = pair.dir.filePath("radio.ted").toStdString();
        QCOMPARE(ReadFile(ted), QByteArray(16, '\x11'));

        WriteFile(ted, QByteArray(16, '\x22'));
        QVERIFY(OpenCodeplug(pair.dat(), codeplug, reporter));
        QCOMPARE(codeplug.testData[0], 0x22);
        codeplug.testData[5] = 0;
        QVERIFY(IsModified(codeplug));

        // Outside factory mode the companion is neither read nor written.
        Codeplug plain = Fresh();
        QVERIFY(OpenCodeplug(pair.dat(), plain, reporter));
        QCOMPARE(plain.testData[0], 0x00);

        // A companion that cannot be written fails the save, reported.
        QVERIFY(QFile::remove(QString::fromStdString(ted.string())));
        QVERIFY(QDir().mkdir(QString::fromStdString(ted.string())));
        reporter.shown.clear();
        QVERIFY(!SaveCodeplug(pair.dat(), codeplug, reporter));
        QCOMPARE(reporter.shownTexts(), std::vector<std::string>{"file error."});
        QVERIFY(IsModified(codeplug));
    }
};

QTEST_APPLESS_MAIN(CodeplugFilesTest)
#include "test_codeplug_files.moc"
