// What scripts rely on in torvik-cli's command line: every verb answers --help with its own
// usage, refuses an option it does not take in one line, and the program alone is a usage
// error; --version prints the version.
#include <QProcess>
#include <QtTest>

namespace {

struct Run {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// The program as a script runs it: only the arguments given, no home folder.
Run RunProgram(const QStringList& arguments) {
    QProcess process;
    process.start(TORVIK_CLI_PATH, arguments);
    process.waitForFinished(30000);
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

// The verbs with the first line of their --help.
void AddVerbRows() {
    QTest::addColumn<QString>("verb");
    QTest::addColumn<QString>("usage");
    const std::pair<const char*, const char*> verbs[] = {
        {"new", "OUT.dat"},
        {"encode", "IN.dat OUT.img"},
        {"decode", "IN.img OUT.dat"},
        {"show", "IN.dat"},
        {"read", "OUT.dat"},
        {"write", "IN.dat"},
        {"info", ""},
        {"print", "IN.dat"},
        {"export", "IN.dat OUT"},
        {"import", "IN OUT.dat"},
        {"diff", "A.dat B.dat"},
        {"bands", ""},
        {"ports", ""},
        {"fleet roster", "OUT.csv"},
        {"fleet plan", "TEMPLATE.dat ROSTER.csv"},
        {"fleet write", "TEMPLATE.dat ROSTER.csv"},
    };
    for (const auto& [verb, files] : verbs) {
        QTest::newRow(verb)
            << verb << QString("Usage: torvik-cli %1 [options] %2").arg(verb, files).trimmed();
    }
}

}  // namespace

class CliContractTest : public QObject {
    Q_OBJECT

  private slots:
    void helpOfEveryVerb_data() { AddVerbRows(); }
    void helpOfEveryVerb() {
        QFETCH(QString, verb);
        QFETCH(QString, usage);
        const Run r = RunProgram(verb.split(' ') << "--help");
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(QString::fromUtf8(r.out.split('\n').first()), usage);
        QVERIFY(r.out.contains("--help"));
        QVERIFY2(r.err.isEmpty(), r.err.constData());
    }

    void unknownOptionOfEveryVerb_data() { AddVerbRows(); }
    void unknownOptionOfEveryVerb() {
        QFETCH(QString, verb);
        const Run r = RunProgram(verb.split(' ') << "--frobnicate");
        QCOMPARE(r.exitCode, 2);
        QCOMPARE(r.err.count('\n'), 1);
        QVERIFY2(r.err.startsWith("torvik-cli: ") && r.err.contains("'frobnicate'"),
                 r.err.constData());
        QVERIFY(r.out.isEmpty());
    }

    // Options that belong to other verbs are unknown too: each verb's help lists what it takes.
    void optionsOfOtherVerbs_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("option");
        QTest::newRow("bands --home") << QStringList{"bands", "--home", "."} << "home";
        QTest::newRow("show --yes") << QStringList{"show", "x.dat", "--yes"} << "yes";
        QTest::newRow("info --backup-dir")
            << QStringList{"info", "--backup-dir", "."} << "backup-dir";
    }
    void optionsOfOtherVerbs() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, option);
        const Run r = RunProgram(arguments);
        QCOMPARE(r.exitCode, 2);
        QVERIFY2(r.err.contains(("'" + option + "'").toUtf8()), r.err.constData());
        const Run help = RunProgram({arguments.first(), "--help"});
        QVERIFY(!help.out.contains(("--" + option).toUtf8()));
    }

    void programAloneIsAUsageError() {
        const Run r = RunProgram({});
        QCOMPARE(r.exitCode, 2);
        QVERIFY2(r.err.contains("usage: torvik-cli <command>"), r.err.constData());
        QVERIFY(r.out.isEmpty());
    }

    void version() {
        const Run r = RunProgram({"--version"});
        QCOMPARE(r.exitCode, 0);
        QVERIFY2(QRegularExpression("^torvik-cli \\(TORVIK CPS\\) \\d+\\.\\d+\\.\\d+\\n$")
                     .match(QString::fromUtf8(r.out))
                     .hasMatch(),
                 r.out.constData());
    }
};

QTEST_GUILESS_MAIN(CliContractTest)
#include "test_cli_contract.moc"
