// `torvik-cli fleet write` against virtual radios on pseudo-terminals, all at once: each unit
// lands in its radio with its own values, a faulty radio fails alone, the log says so, a
// second run with --resume does only what is left, Ctrl+C stops every port, and --continuous
// takes the next radio on a port without writing the first one twice.
#include <signal.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <array>

#include "support/cli_run.h"
#include "support/virtual_radio_process.h"

using torvik::test::CliRun;
using torvik::test::VirtualRadioProcess;

namespace {

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The rows of a log (header left out), each split into its cells.
QList<QList<QByteArray>> LogRows(const QString& path) {
    QList<QList<QByteArray>> rows;
    const QList<QByteArray> lines = ReadFile(path).trimmed().split('\n');
    for (qsizetype i = 1; i < lines.size(); ++i) rows << lines[i].split(',');
    return rows;
}

constexpr int kUnitColumn = 1;
constexpr int kSerialColumn = 3;
constexpr int kResultColumn = 7;

}  // namespace

class FleetWriteTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    std::array<VirtualRadioProcess, 3> radios_;

    QString path(const QString& name) const { return dir_.filePath(name); }
    QString tty(int radio) const { return path(QString("tty%1").arg(radio)); }
    QString image(int radio) const { return path(QString("radio%1.img").arg(radio)); }

    bool startRadio(int radio, const QStringList& options) {
        return radios_[static_cast<std::size_t>(radio)].start(TORVIK_RADIO_PATH, image(radio),
                                                              tty(radio), options);
    }

    CliRun cli(const QStringList& arguments) {
        return torvik::test::RunCli(TORVIK_CLI_PATH, arguments, path("home"));
    }

    QStringList fleetWrite(const QString& roster, const QString& log, int ports) {
        QStringList arguments{"fleet", "write", path("template.dat"), roster, "--log",
                              log,     "--yes"};
        for (int radio = 0; radio < ports; ++radio) arguments << "--device" << tty(radio);
        return arguments;
    }

    // What the radio holds compared with the template, as `diff` prints it.
    QByteArray radioAgainstTemplate(int radio) {
        const QString decoded = path(QString("radio%1.dat").arg(radio));
        const CliRun decode = cli({"decode", image(radio), decoded});
        if (decode.exitCode != 0) return "decode failed: " + decode.err;
        return cli({"diff", path("template.dat"), decoded}).out;
    }

  private slots:
    void initTestCase() {
        // The codeplug to write: a template with all its channels.
        QVERIFY(torvik::test::PrepareCliHome(TORVIK_CLI_PATH, path("home"), path("template.dat")));
    }
    void cleanup() {
        for (VirtualRadioProcess& radio : radios_) radio.stop();
    }

    // Three radios at once, units pinned to their serial numbers; the second radio stores
    // what it is sent spoilt, so only its check fails. Then --resume writes only that unit.
    void threeRadiosOneFaultyThenResume() {
        QVERIFY(startRadio(0, {"--serial", "SN-1"}));
        QVERIFY(startRadio(1, {"--serial", "SN-2", "--store-wrong", "40"}));
        QVERIFY(startRadio(2, {"--serial", "SN-3"}));
        QVERIFY(WriteFile(path("roster.csv"),
                          "Unit,Serial,DtmfId\n"
                          "U3,SN-3,103\nU1,SN-1,101\nU2,SN-2,102\n"));
        const QString log = path("three.csv");
        CliRun r = cli(fleetWrite(path("roster.csv"), log, 3) << "--verify"
                                                              << "--backup-dir" << path("backups"));
        QCOMPARE(r.exitCode, 1);
        QList<QByteArray> lines = r.out.trimmed().split('\n');
        std::sort(lines.begin(), lines.end());
        QCOMPARE(lines, (QList<QByteArray>{("U1 " + tty(0) + " SN-1 verified").toUtf8(),
                                           ("U2 " + tty(1) + " SN-2 failed").toUtf8(),
                                           ("U3 " + tty(2) + " SN-3 verified").toUtf8()}));
        QVERIFY2(r.err.contains("unit U2 on " + tty(1).toUtf8() + " failed: verify failed"),
                 r.err.constData());
        QList<QList<QByteArray>> rows = LogRows(log);
        QCOMPARE(rows.size(), 3);
        for (const QList<QByteArray>& row : rows) {
            QCOMPARE(row[kResultColumn], row[kUnitColumn] == "U2" ? "failed" : "verified");
            QCOMPARE(row[kSerialColumn], "SN-" + row[kUnitColumn].mid(1));
        }
        // Every radio was read into the backup folder before it was written.
        QCOMPARE(QDir(path("backups")).entryList({"*.dat"}, QDir::Files).size(), 3);

        QVERIFY(startRadio(1, {"--serial", "SN-2"}));
        r = cli(fleetWrite(path("roster.csv"), log, 3) << "--verify"
                                                       << "--resume"
                                                       << "--no-backup");
        QVERIFY2(r.exitCode == 0, r.err.constData());
        // The other two ports find their radios done and say so.
        QVERIFY2(r.err.contains("no unit left for the radio SN-1"), r.err.constData());
        QCOMPARE(r.out, ("U2 " + tty(1) + " SN-2 verified\n").toUtf8());
        rows = LogRows(log);
        QCOMPARE(rows.size(), 4);
        QCOMPARE(rows.last()[kResultColumn], QByteArray("verified"));
        // Each radio holds the template with its own unit's values (a radio keeps its memory
        // file up to date when it stops).
        for (int radio = 0; radio < 3; ++radio) {
            radios_[static_cast<std::size_t>(radio)].stop();
            const QByteArray changes = radioAgainstTemplate(radio);
            QVERIFY2(changes.contains(QString("-> \"10%1\"").arg(radio + 1).toUtf8()),
                     changes.constData());
        }

        r = cli(fleetWrite(path("roster.csv"), log, 1) << "--resume");
        QCOMPARE(r.exitCode, 0);
        QVERIFY2(r.err.contains("every unit of the roster is done already"), r.err.constData());
    }

    // Ctrl+C stops every port at its next frame; the units in flight are logged stopped.
    void interruptStopsEveryPort() {
        QVERIFY(startRadio(0, {"--baud-pace"}));
        QVERIFY(startRadio(1, {"--baud-pace"}));
        QVERIFY(WriteFile(path("two.csv"), "Unit,DtmfId\nA,201\nB,202\n"));
        QProcess process;
        process.setProgram(TORVIK_CLI_PATH);
        process.setArguments(fleetWrite(path("two.csv"), path("stopped.csv"), 2)
                             << "--no-backup"
                             << "--home" << path("home"));
        process.start();
        QVERIFY(process.waitForStarted(10000));
        QTest::qWait(2500);
        ::kill(static_cast<pid_t>(process.processId()), SIGINT);
        QVERIFY(process.waitForFinished(30000));
        QCOMPARE(process.exitCode(), 130);
        const QList<QList<QByteArray>> rows = LogRows(path("stopped.csv"));
        QCOMPARE(rows.size(), 2);
        for (const QList<QByteArray>& row : rows) QCOMPARE(row[kResultColumn], "stopped");
    }

    // One port, two radios one after the other: the first stays attached a while after it is
    // written and is not written again; the second is taken as soon as it answers.
    void continuousTakesTheNextRadio() {
        QVERIFY(startRadio(0, {"--serial", "SN-A"}));
        QVERIFY(WriteFile(path("next.csv"), "Unit,DtmfId\nA,301\nB,302\n"));
        QProcess process;
        process.setProgram(TORVIK_CLI_PATH);
        process.setArguments(fleetWrite(path("next.csv"), path("next-log.csv"), 1)
                             << "--continuous"
                             << "--no-backup"
                             << "--home" << path("home"));
        process.start();
        QVERIFY(process.waitForStarted(10000));
        QByteArray out;
        QTRY_VERIFY_WITH_TIMEOUT((out += process.readAllStandardOutput()).contains("A "), 30000);
        QTest::qWait(2500);  // the port asks the written radio again and leaves it
        QVERIFY(startRadio(0, {"--serial", "SN-B"}));
        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(process.exitCode(), 0);
        const QList<QList<QByteArray>> rows = LogRows(path("next-log.csv"));
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows[0][kSerialColumn], QByteArray("SN-A"));
        QCOMPARE(rows[1][kSerialColumn], QByteArray("SN-B"));
        QCOMPARE(rows[1][kResultColumn], QByteArray("written"));
    }
};

QTEST_GUILESS_MAIN(FleetWriteTest)
#include "test_fleet_write.moc"
