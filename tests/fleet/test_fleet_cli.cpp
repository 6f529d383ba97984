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

    void rosterUsageErrors_data() {
        QTest::addColumn<QStringList>("arguments");
        const QString r = r;
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
