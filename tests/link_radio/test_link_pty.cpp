// The whole chain over a real pseudo-terminal: torvik-cli and its link engine on QSerialPort
// against torvik-radio, with and without injected faults.
#include <pty.h>
#include <signal.h>
#include <unistd.h>

#include <QProcess>
#include <QtTest>
#include <optional>

#include "support/cli_run.h"
#include "support/virtual_radio_process.h"

namespace {

// Who answers the questions of a radio verb: --yes, nobody (no terminal, as under a script),
// or a person at a terminal who types "n".
enum class Answering { Yes, Nobody, TerminalNo };

// The verbs that can ask a question, and so take --yes.
bool TakesYes(const QStringList& arguments) {
    return QStringList{"read", "write", "diff"}.contains(arguments.value(0));
}

// A pseudo-terminal pair, closed when it goes.
struct Terminal {
    int controller = -1;
    int device = -1;
    Terminal() { ::openpty(&controller, &device, nullptr, nullptr, nullptr); }
    ~Terminal() {
        if (controller >= 0) ::close(controller);
        if (device >= 0) ::close(device);
    }
    Terminal(const Terminal&) = delete;
    Terminal& operator=(const Terminal&) = delete;
    QString devicePath() const { return QString::fromLocal8Bit(::ptsname(controller)); }
};

struct Run {
    int exitCode = -1;
    QByteArray err;
    QByteArray out;
};

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class LinkPtyTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    torvik::test::VirtualRadioProcess radio_;

    QString path(const QString& name) const { return dir_.filePath(name); }

    // The backups (data files) in a folder.
    QStringList backups(const QString& folder) const {
        return QDir(path(folder)).entryList({"*.dat"}, QDir::Files, QDir::Name);
    }

    // Starts a virtual radio with its own memory file and the given fault options.
    bool startRadio(const QStringList& options) {
        return radio_.start(TORVIK_RADIO_PATH, path("radio.img"), path("tty"), options);
    }
    void stopRadio() { radio_.stop(); }

    static QStringList WithAnswers(const QStringList& arguments, Answering answering) {
        QStringList all = arguments;
        if (answering == Answering::Yes && TakesYes(arguments)) all << "--yes";
        return all;
    }

    Run cli(const QStringList& arguments, Answering answering = Answering::Yes) {
        QProcess process;
        process.setProgram(TORVIK_CLI_PATH);
        process.setArguments(WithAnswers(arguments, answering) +
                             QStringList{"--home", path("home")});
        std::optional<Terminal> terminal;
        if (answering == Answering::TerminalNo) {
            terminal.emplace();
            const int device = terminal->device;
            process.setChildProcessModifier([device] { ::dup2(device, STDIN_FILENO); });
        }
        process.start();
        // The answer waits in the terminal's input until the question reads it.
        if (terminal && ::write(terminal->controller, "n\n", 2) != 2) return {};
        process.waitForFinished(120000);
        return {process.exitCode(), process.readAllStandardError(),
                process.readAllStandardOutput()};
    }

    // Starts torvik-cli, lets the transfer get going, then sends it `signal`.
    Run cliStopped(const QStringList& arguments, int signal) {
        QProcess process;
        process.setProgram(TORVIK_CLI_PATH);
        process.setArguments(WithAnswers(arguments, Answering::Yes) +
                             QStringList{"--home", path("home")});
        process.start();
        if (!process.waitForStarted(10000)) return {};
        QTest::qWait(1500);
        ::kill(static_cast<pid_t>(process.processId()), signal);
        process.waitForFinished(30000);
        return {process.exitCode(), process.readAllStandardError(), {}};
    }

  private slots:
    void initTestCase() {
        // The codeplug to write: a template with all its channels.
        QVERIFY(torvik::test::PrepareCliHome(TORVIK_CLI_PATH, path("home"), path("mine.dat")));
    }
    void cleanup() { stopRadio(); }

    void writeThenReadGivesTheSameCodeplug_data() {
        QTest::addColumn<QStringList>("faults");
        QTest::newRow("clean line") << QStringList{};
        QTest::newRow("replies in two pieces") << QStringList{"--split"};
        QTest::newRow("a reply lost now and then") << QStringList{"--drop-every", "150"};
        QTest::newRow("a checksum spoilt now and then") << QStringList{"--corrupt-every", "250"};
    }
    void writeThenReadGivesTheSameCodeplug() {
        QFETCH(QStringList, faults);
        QVERIFY(startRadio(faults));
        Run r = cli({"write", path("mine.dat"), "--device", path("tty")});
        QVERIFY2(r.exitCode == 0, r.err.constData());
        r = cli({"read", "--device", path("tty"), path("back.dat")});
        QVERIFY2(r.exitCode == 0, r.err.constData());

        // Same image from both: every channel and setting came back as written (the read
        // codeplug lists its channels in channel order, so its files are compared through
        // the image they make).
        QCOMPARE(cli({"encode", path("mine.dat"), path("mine.img")}).exitCode, 0);
        QCOMPARE(cli({"encode", path("back.dat"), path("back.img")}).exitCode, 0);
        QCOMPARE(ReadFile(path("back.img")).size(), 16384);
        QCOMPARE(ReadFile(path("back.img")), ReadFile(path("mine.img")));
    }

    void failuresLeaveFilesAlone_data() {
        QTest::addColumn<QStringList>("radio");
        QTest::addColumn<QString>("verb");
        QTest::newRow("silent after 20 blocks, read")
            << QStringList{"--silent-after", "20"} << "read";
        QTest::newRow("silent after 20 blocks, write")
            << QStringList{"--silent-after", "20"} << "write";
        QTest::newRow("answers too late") << QStringList{"--delay", "400"} << "read";
        QTest::newRow("wrong model") << QStringList{"--model", "MEXXXX"} << "read";
        QTest::newRow("killed radio, write") << QStringList{"--killed"} << "write";
        QTest::newRow("password not given") << QStringList{"--password", "77"} << "read";
    }
    void failuresLeaveFilesAlone() {
        QFETCH(QStringList, radio);
        QFETCH(QString, verb);
        QVERIFY(startRadio(radio));
        QFile::remove(path("previous.dat"));
        QVERIFY(QFile::copy(path("mine.dat"), path("previous.dat")));
        const QByteArray before = ReadFile(path("previous.dat"));
        QDir(path("failed-backups")).removeRecursively();
        const Run r = verb == "read"
                          ? cli({"read", "--device", path("tty"), path("previous.dat"),
                                 "--backup-dir", path("failed-backups")})
                          : cli({"write", path("previous.dat"), "--device", path("tty")});
        QCOMPARE(r.exitCode, 1);
        QVERIFY(r.err.contains("torvik-cli: "));
        QCOMPARE(ReadFile(path("previous.dat")), before);
        QVERIFY(backups("failed-backups").isEmpty());
    }

    void passwordGivenOnTheCommandLine() {
        QVERIFY(startRadio({"--password", "12"}));
        const Run r = cli({"read", "--device", path("tty"), path("pw.dat"), "--password", "12"});
        QVERIFY2(r.exitCode == 0, r.err.constData());
    }

    void radioAskingForTheSameFrameForever() {
        QVERIFY(startRadio({"--repeat-writes"}));
        const Run r = cli({"write", path("mine.dat"), "--device", path("tty")});
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err.contains("0x0100 again more than 10 times"), r.err.constData());
    }

    void stoppedRead_data() {
        QTest::addColumn<int>("signal");
        QTest::newRow("Ctrl+C") << int(SIGINT);
        QTest::newRow("SIGTERM") << int(SIGTERM);
    }
    void stoppedRead() {
        QFETCH(int, signal);
        QVERIFY(startRadio({"--baud-pace"}));
        // A new file is not made; an existing one is left as it was.
        QFile::remove(path("stopped.dat"));
        Run r = cliStopped({"read", "--device", path("tty"), path("stopped.dat"), "--backup-dir",
                            path("stopped-backups")},
                           signal);
        QCOMPARE(r.exitCode, 130);
        QVERIFY(backups("stopped-backups").isEmpty());
        QVERIFY2(r.err.contains("Reading stopped. Nothing was changed."), r.err.constData());
        QVERIFY(!QFileInfo::exists(path("stopped.dat")));
        QVERIFY(!QFileInfo::exists(path("stopped.fre")));
        QFile::remove(path("previous.dat"));
        QVERIFY(QFile::copy(path("mine.dat"), path("previous.dat")));
        r = cliStopped({"read", "--device", path("tty"), path("previous.dat")}, signal);
        QCOMPARE(r.exitCode, 130);
        QCOMPARE(ReadFile(path("previous.dat")), ReadFile(path("mine.dat")));
        // The next session on the same radio runs normally.
        r = cli({"info", "--device", path("tty")});
        QVERIFY2(r.exitCode == 0, r.err.constData());
    }

    void stoppedWrite() {
        QVERIFY(startRadio({"--baud-pace"}));
        const Run r = cliStopped({"write", path("mine.dat"), "--device", path("tty")}, SIGINT);
        QCOMPARE(r.exitCode, 130);
        QVERIFY2(r.err.contains("partly written"), r.err.constData());
    }

    void traceMatchesTheTransfer() {
        QVERIFY(startRadio({}));
        const Run r = cli(
            {"read", "--device", path("tty"), path("traced.dat"), "--trace", path("read.trace")});
        QVERIFY2(r.exitCode == 0, r.err.constData());
        QStringList sent;
        QStringList received;
        qint64 last = -1;
        for (const QByteArray& raw : ReadFile(path("read.trace")).split('\n')) {
            if (raw.isEmpty() || raw.startsWith('#')) continue;
            const QList<QByteArray> parts = raw.split(' ');
            QVERIFY(parts.size() >= 3);
            const qint64 ms = parts[0].toLongLong();
            QVERIFY(ms >= last);  // milliseconds from the start, never going back
            last = ms;
            const QByteArray hex = raw.mid(parts[0].size() + 4);
            if (parts[1] == "TX")
                sent << QString::fromLatin1(hex);
            else if (parts[1] == "RX")
                received << QString::fromLatin1(hex);
            else
                QFAIL(raw.constData());
        }
        // Open, identity, password block, 1023 blocks, END; each answered.
        QCOMPARE(sent.size(), 1027);
        QCOMPARE(sent.first(), QString("50 52 4F 47 52 41 4D"));
        QCOMPARE(sent.at(1), QString("02"));
        QCOMPARE(sent.at(3), QString("52 00 10 10"));
        QCOMPARE(sent.last(), QString("45 4E 44"));
        QCOMPARE(received.size(), 1027);
        // Every reply starts with the echo of its frame; the last is END's echo and 0x06.
        QVERIFY(received.at(3).startsWith("52 00 10 10 57 00 10 10 "));
        QCOMPARE(received.last(), QString("45 4E 44 06"));
    }

    void radioThatStoresABlockWrongly() {
        // The radio acknowledges every block, but every 100th is stored spoilt: the write
        // alone cannot tell, the codeplug read back differs.
        QVERIFY(startRadio({"--store-wrong", "100"}));
        Run r = cli({"write", path("mine.dat"), "--device", path("tty")});
        QVERIFY2(r.exitCode == 0, r.err.constData());
        r = cli({"read", "--device", path("tty"), path("spoilt.dat")});
        QVERIFY2(r.exitCode == 0, r.err.constData());
        QCOMPARE(cli({"encode", path("mine.dat"), path("mine.img")}).exitCode, 0);
        QCOMPARE(cli({"encode", path("spoilt.dat"), path("spoilt.img")}).exitCode, 0);
        QVERIFY(ReadFile(path("spoilt.img")) != ReadFile(path("mine.img")));

        // Verifying catches it and names where the radio differs.
        r = cli({"write", path("mine.dat"), "--device", path("tty"), "--verify"});
        QCOMPARE(r.exitCode, 1);
        // About every 100th of the 1008 blocks is spoilt.
        QVERIFY2(r.err.contains("verify failed: 10 of the blocks written differ in the radio, in "),
                 r.err.constData());
        QVERIFY2(!r.err.contains("verified"), r.err.constData());
    }

    void cleanWriteVerifies() {
        QVERIFY(startRadio({}));
        QFile::remove(path("verify.trace"));
        const Run r = cli({"write", path("mine.dat"), "--device", path("tty"), "--verify",
                           "--trace", path("verify.trace")});
        QVERIFY2(r.exitCode == 0, r.err.constData());
        QVERIFY2(r.err.contains("verified: the radio holds what was written"), r.err.constData());
        // The trace holds the write and the read back: two sessions, each ending with END.
        QCOMPARE(ReadFile(path("verify.trace")).count("TX 45 4E 44\n"), 2);
    }

    void everyReadKeepsABackup() {
        QVERIFY(startRadio({}));
        QVERIFY(cli({"write", path("mine.dat"), "--device", path("tty")}).exitCode == 0);
        // By default under $XDG_DATA_HOME (the test run's own), else where --backup-dir says.
        Run r = cli({"read", "--device", path("tty"), path("first.dat")});
        QVERIFY2(r.exitCode == 0, r.err.constData());
        const QString defaultFolder = qEnvironmentVariable("XDG_DATA_HOME") + "/torvik/backups";
        QVERIFY2(r.err.contains("backup saved as " + defaultFolder.toUtf8()), r.err.constData());
        r = cli(
            {"read", "--device", path("tty"), path("second.dat"), "--backup-dir", path("kept")});
        QVERIFY2(r.exitCode == 0, r.err.constData());
        const QStringList kept = backups("kept");
        QCOMPARE(kept.size(), 1);
        QVERIFY2(QRegularExpression("^\\d{8}-\\d{6}-MERLAN").match(kept[0]).hasMatch(),
                 qPrintable(kept[0]));
        // The backup is the codeplug read.
        QCOMPARE(cli({"diff", path("second.dat"), path("kept/" + kept[0])}).exitCode, 0);
        QCOMPARE(cli({"read", "--device", path("tty"), path("third.dat"), "--no-backup",
                      "--backup-dir", path("kept")})
                     .exitCode,
                 0);
        QCOMPARE(backups("kept").size(), 1);
    }

    void backupBeforeWriting() {
        QVERIFY(startRadio({}));
        QVERIFY(cli({"write", path("mine.dat"), "--device", path("tty")}).exitCode == 0);
        QVERIFY(cli({"new", "--band", "3", path("other.dat")}).exitCode == 0);
        QDir(path("before")).removeRecursively();
        const Run r = cli({"write", path("other.dat"), "--device", path("tty"), "--backup-first",
                           "--backup-dir", path("before")});
        QVERIFY2(r.exitCode == 0, r.err.constData());
        // The radio's previous codeplug is in the backup, ready to be written back.
        const QStringList kept = backups("before");
        QCOMPARE(kept.size(), 1);
        QCOMPARE(cli({"diff", path("mine.dat"), "--device", path("tty"), "--no-backup"}).exitCode,
                 1);
        QVERIFY(cli({"write", path("before/" + kept[0]), "--device", path("tty")}).exitCode == 0);
        const Run same = cli({"diff", path("mine.dat"), "--device", path("tty"), "--no-backup"});
        QVERIFY2(same.exitCode == 0, same.err.constData() + same.out);
        QVERIFY(same.out.isEmpty());
    }

    void diffWithTheRadio() {
        QVERIFY(startRadio({}));
        QVERIFY(cli({"write", path("mine.dat"), "--device", path("tty")}).exitCode == 0);
        QVERIFY(cli({"new", "--band", "3", path("fresh.dat")}).exitCode == 0);
        const Run r = cli({"diff", path("fresh.dat"), "--device", path("tty"), "--no-backup"});
        QCOMPARE(r.exitCode, 1);
        // The template's first channel is in the radio, not in the new codeplug.
        QVERIFY2(r.out.contains("channel 0: (None) -> "), r.out.constData());
        const Run failed = cli({"diff", path("fresh.dat"), "--device", path("no-such-tty")});
        QCOMPARE(failed.exitCode, 2);
        QVERIFY(failed.out.isEmpty());
    }

    void portThatCannotBeOpened_data() {
        QTest::addColumn<QStringList>("port");
        QTest::addColumn<QString>("named");
        QTest::newRow("missing device")
            << QStringList{"--device", path("no-such-tty")} << path("no-such-tty");
        QTest::newRow("number without a device")
            << QStringList{"--port", "200"} << "port 200 (no such device)";
    }
    void portThatCannotBeOpened() {
        QFETCH(QStringList, port);
        QFETCH(QString, named);
        const Run r = cli(QStringList{"read", path("x.dat")} + port);
        QCOMPARE(r.exitCode, 1);
        const QList<QByteArray> lines = r.err.split('\n');
        QCOMPARE(lines.size(), 3);  // the failure, its technical reason, the end of the line
        QCOMPARE(QString::fromUtf8(lines[0]),
                 "torvik-cli: reading from the radio failed: " + named + " cannot be opened");
        QVERIFY2(lines[1].startsWith("torvik-cli: reason: "), r.err.constData());
        QVERIFY(!QFileInfo::exists(path("x.dat")));
    }

    // One image can stand for many radios, each reporting a serial number of its own.
    void virtualRadioReportsItsSerialNumber() {
        QVERIFY(startRadio({"--serial", "SN-0042"}));
        const Run r = cli({"info", "--device", path("tty")});
        QVERIFY2(r.exitCode == 0, r.err.constData());
        QVERIFY2(r.out.contains("SN-0042"), r.out.constData());
    }

    void radioThatDoesNotAnswer() {
        // A terminal with nothing behind it: every frame goes out, no reply comes.
        const Terminal silent;
        const Run r = cli({"read", "--device", silent.devicePath(), path("silent.dat")});
        QCOMPARE(r.exitCode, 1);
        QCOMPARE(QString::fromUtf8(r.err),
                 "torvik-cli: reading from the radio failed: no answer from the radio on " +
                     silent.devicePath() + "\n");
        QVERIFY(!QFileInfo::exists(path("silent.dat")));
    }

    // Without a terminal and without --yes the question before a transfer cannot be answered:
    // it is named, and no frame goes out.
    void questionWithNobodyToAnswer_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("question");
        QTest::addColumn<int>("exitCode");
        QTest::newRow("read") << QStringList{"read", "--device", path("tty"), path("unasked.dat")}
                              << "Read data from radio. Do you wish continue?" << 1;
        QTest::newRow("write") << QStringList{"write", path("mine.dat"), "--device", path("tty")}
                               << "Write data to radio. Do you wish continue?" << 1;
        QTest::newRow("diff with the radio")
            << QStringList{"diff", path("mine.dat"), "--device", path("tty")}
            << "Read data from radio. Do you wish continue?" << 2;
    }
    void questionWithNobodyToAnswer() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, question);
        QFETCH(int, exitCode);
        QVERIFY(startRadio({}));
        QFile::remove(path("unasked.trace"));
        const Run r =
            cli(arguments + QStringList{"--trace", path("unasked.trace")}, Answering::Nobody);
        QCOMPARE(r.exitCode, exitCode);
        QCOMPARE(QString::fromUtf8(r.err),
                 "torvik-cli: " + question + " (no terminal to answer it; --yes answers yes)\n");
        QVERIFY(!ReadFile(path("unasked.trace")).contains(" TX "));
        QVERIFY(!QFileInfo::exists(path("unasked.dat")));
    }

    void answeringNoCancels() {
        QVERIFY(startRadio({}));
        const Run r =
            cli({"read", "--device", path("tty"), path("declined.dat")}, Answering::TerminalNo);
        QCOMPARE(r.exitCode, 1);
        // The question with its prompt, then what became of the read.
        QVERIFY2(r.err.contains("Do you wish continue? [y/N] "), r.err.constData());
        QVERIFY2(r.err.endsWith("torvik-cli: reading from the radio was cancelled\n"),
                 r.err.constData());
        QVERIFY(!QFileInfo::exists(path("declined.dat")));
    }
};

QTEST_GUILESS_MAIN(LinkPtyTest)
#include "test_link_pty.moc"
