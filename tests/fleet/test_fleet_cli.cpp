// torvik-cli's fleet verbs run as a user runs them.
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "support/cli_run.h"

class FleetCliTest : public QObject {
    Q_OBJECT

    QTemporaryDir home_;
    QTemporaryDir work_;

    torvik::test::CliRun cli(const QStringList& arguments) {
        return torvik::test::RunCli(TORVIK_CLI_PATH, arguments, home_.path());
    }

  private slots:
    void rosterCountsItsColumns() {
        const QString out = work_.filePath("roster.csv");
        const auto run = cli({"fleet", "roster", out, "--units", "3", "--set", "FiveToneId=00017",
                              "--set", "Message=UNIT-09"});
        QVERIFY2(run.exitCode == 0, run.err.constData());
        QFile file(out);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("Unit,FiveToneId,Message\n1,00017,UNIT-09\n"
                                            "2,00018,UNIT-10\n3,00019,UNIT-11\n"));
    }

    void planShowsWhatEachUnitGets() {
        const QString templ = work_.filePath("template.dat");
        QCOMPARE(cli({"new", templ}).exitCode, 0);
        const QString roster = work_.filePath("plan.csv");
        QFile file(roster);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("Unit,DtmfId,Message\nA,101,HELLO\nB,,\n");
        file.close();
        const auto run = cli({"fleet", "plan", templ, roster});
        QVERIFY2(run.exitCode == 0, run.err.constData());
        const QList<QByteArray> lines = run.out.trimmed().split('\n');
        QVERIFY2(lines.size() == 3, run.out.constData());
        QVERIFY2(lines[0].startsWith("A: DTMF") && lines[0].contains("-> \"101\""), lines[0]);
        QVERIFY2(lines[1].startsWith("A: ") && lines[1].contains("HELLO"), lines[1]);
        QCOMPARE(lines[2], QByteArray("B: the template as it is"));
    }

    void planRefusesARosterNamingLineAndColumn_data() {
        QTest::addColumn<QByteArray>("roster");
        QTest::addColumn<QByteArray>("refusal");
        QTest::newRow("repeated DTMF ID") << QByteArray("Unit,DtmfId\nA,101\nB,101\n")
                                          << QByteArray(":3: DtmfId: repeats '101' of line 2");
        QTest::newRow("value its editor refuses") << QByteArray("Unit,FiveToneId\nA,12\n")
                                                  << QByteArray(":2: FiveToneId: is not 5 digits");
    }
    void planRefusesARosterNamingLineAndColumn() {
        QFETCH(QByteArray, roster);
        QFETCH(QByteArray, refusal);
        const QString templ = work_.filePath("template.dat");
        QCOMPARE(cli({"new", templ}).exitCode, 0);
        QFile file(work_.filePath("bad.csv"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(roster);
        file.close();
        const auto run = cli({"fleet", "plan", templ, file.fileName()});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains(refusal), run.err.constData());
        QVERIFY(run.out.isEmpty());
        QCOMPARE(cli({"fleet", "plan", work_.filePath("missing.dat"), file.fileName()}).exitCode,
                 2);
    }

    void rosterUsageErrors_data() {
        QTest::addColumn<QStringList>("arguments");
        const QString r = work_.filePath("r.csv");
        QTest::newRow("no --units") << QStringList{"fleet", "roster", r};
        QTest::newRow("zero units") << QStringList{"fleet", "roster", r, "--units", "0"};
        QTest::newRow("bad --set")
            << QStringList{"fleet", "roster", r, "--units", "2", "--set", "FiveToneId"};
        QTest::newRow("unknown fleet verb") << QStringList{"fleet", "launch"};
    }
    void rosterUsageErrors() {
        QFETCH(QStringList, arguments);
        const auto run = cli(arguments);
        QCOMPARE(run.exitCode, 2);
        QVERIFY(!QFile::exists(work_.filePath("r.csv")));
    }
};

QTEST_GUILESS_MAIN(FleetCliTest)
#include "test_fleet_cli.moc"
