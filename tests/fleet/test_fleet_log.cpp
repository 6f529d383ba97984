// The fleet job's log: its rows, the units --resume skips, one header however often it is
// opened, and the template's digest.
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "fleet/fleet_log.h"

using namespace torvik;

namespace {

FleetLogRow Row(const char* unit, UnitResult result, const char* detail = "") {
    return {"2026-12-11T04:40:00+00:00",
            unit,
            "/dev/ttyUSB0",
            "SN1",
            "MERLAN",
            "V100",
            "ab12",
            result,
            24.3,
            detail};
}

QByteArray Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

}  // namespace

class FleetLogTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

  private slots:
    void rowsAndHeader() {
        QCOMPARE(QString::fromStdString(FleetLogHeader()),
                 QString("Time,Unit,Device,Serial,Model,Version,Template,Result,Seconds,Detail"));
        QCOMPARE(QString::fromStdString(
                     FleetLogLine(Row("U1", UnitResult::Failed, "no answer, port 1"))),
                 QString("2026-12-11T04:40:00+00:00,U1,/dev/ttyUSB0,SN1,MERLAN,V100,ab12,failed,"
                         "24.3,\"no answer, port 1\""));
    }

    void finishedUnits_data() {
        QTest::addColumn<QStringList>("results");  // the rows of unit A, in order
        QTest::addColumn<bool>("finished");
        QTest::newRow("verified") << QStringList{"verified"} << true;
        QTest::newRow("written") << QStringList{"written"} << true;
        QTest::newRow("failed") << QStringList{"failed"} << false;
        QTest::newRow("failed, then verified") << QStringList{"failed", "verified"} << true;
        QTest::newRow("written, then stopped") << QStringList{"written", "stopped"} << false;
    }
    void finishedUnits() {
        QFETCH(QStringList, results);
        QFETCH(bool, finished);
        std::string log = FleetLogHeader() + "\n";
        for (const QString& r : results) {
            const UnitResult result = r == "verified"  ? UnitResult::Verified
                                      : r == "written" ? UnitResult::Written
                                      : r == "stopped" ? UnitResult::Stopped
                                                       : UnitResult::Failed;
            log += FleetLogLine(Row("A", result)) + "\n";
            log += FleetLogLine(Row("B", UnitResult::Failed)) + "\n";
        }
        const std::set<std::string> done = FinishedUnits(log);
        QCOMPARE(done.count("A") == 1, finished);
        QCOMPARE(done.count("B"), std::size_t{0});
    }

    void reopenedLogKeepsOneHeader() {
        const QString path = dir_.filePath("fleet.csv");
        for (const char* unit : {"U1", "U2"}) {
            auto log = FleetLogFile::Open(path.toStdString());
            QVERIFY(log);
            QVERIFY(log->append(Row(unit, UnitResult::Verified)));
        }
        const QList<QByteArray> lines = Read(path).trimmed().split('\n');
        QCOMPARE(lines.size(), 3);
        QVERIFY(lines[0].startsWith("Time,"));
        QCOMPARE(FinishedUnits(Read(path).toStdString()), (std::set<std::string>{"U1", "U2"}));
        QVERIFY(!FleetLogFile::Open(dir_.filePath("no-such-folder/fleet.csv").toStdString()));
    }

    void templateDigestCoversBothFiles() {
        const QString dat = dir_.filePath("t.dat");
        Write(dat, "data");
        Write(dir_.filePath("t.fre"), "channels");
        const auto first = TemplateDigest(dat.toStdString());
        QVERIFY(first);
        QCOMPARE(first->size(), std::size_t{64});
        Write(dir_.filePath("t.fre"), "other channels");
        QVERIFY(TemplateDigest(dat.toStdString()) != first);
        QFile::remove(dir_.filePath("t.fre"));
        QVERIFY(!TemplateDigest(dat.toStdString()));
    }
};

QTEST_GUILESS_MAIN(FleetLogTest)
#include "test_fleet_log.moc"
