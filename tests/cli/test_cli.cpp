// torvik-cli end to end: each verb run as a user runs it, in a home folder of its own.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QtTest>

#include "support/cli_run.h"

namespace {

using Run = torvik::test::CliRun;

}  // namespace

class CliTest : public QObject {
    Q_OBJECT

    QTemporaryDir home_;
    QTemporaryDir work_;

    Run cli(const QStringList& arguments) {
        return torvik::test::RunCli(TORVIK_CLI_PATH, arguments, home_.path());
    }
    QString path(const QString& name) const { return work_.filePath(name); }

  private slots:
    void initTestCase() {
        // The build's templates, so `new` behaves as in an installed program.
        QVERIFY(QDir().mkpath(home_.filePath("Init")));
        const QString init = QFileInfo(TORVIK_CLI_PATH).absolutePath() + "/Init";
        for (const QString& name : QDir(init).entryList(QDir::Files)) {
            QVERIFY(QFile::copy(init + "/" + name, home_.filePath("Init/" + name)));
        }
    }

    void newShowEncodeDecode() {
        Run r = cli({"new", "--band", "48", path("a.dat")});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(QFileInfo(path("a.dat")).size(), 8587);
        QVERIFY(QFileInfo::exists(path("a.fre")));

        r = cli({"show", path("a.dat"), "--json"});
        QCOMPARE(r.exitCode, 0);
        const QJsonObject json = QJsonDocument::fromJson(r.out).object();
        QCOMPARE(json.value("SavedBandCode").toInt(), 48);
        QCOMPARE(json.value("ChannelCount").toInt(), 1);
        const QJsonObject vfo = json.value("ChannelTable").toArray().at(0).toObject();
        QCOMPARE(vfo.value("Number").toInt(), 203);
        QVERIFY(vfo.value("RxFreq").toString().startsWith("04"));
        for (const char* key :
             {"DtmfSettings", "TwoToneSettings", "FiveToneSettings", "decodeTime", "OptionSettings",
              "squelchOffInhibit", "ScanSettings", "EmergencySettings", "CommBook"}) {
            QVERIFY2(json.contains(key), key);
        }

        r = cli({"show", path("a.dat")});
        QCOMPARE(r.exitCode, 0);
        QVERIFY(r.out.contains("VFO"));

        r = cli({"encode", path("a.dat"), path("a.img")});
        QCOMPARE(r.exitCode, 0);
        QFile image(path("a.img"));
        QVERIFY(image.open(QIODevice::ReadOnly));
        const QByteArray bytes = image.readAll();
        QCOMPARE(bytes.size(), 16384);
        QCOMPARE(bytes.left(16), QByteArray(16, '\0'));

        r = cli({"decode", path("a.img"), path("b.dat"), "--band", "48"});
        QCOMPARE(r.exitCode, 0);
        r = cli({"encode", path("b.dat"), path("b.img")});
        QCOMPARE(r.exitCode, 0);
        QFile again(path("b.img"));
        QVERIFY(again.open(QIODevice::ReadOnly));
        QCOMPARE(again.readAll(), bytes);
    }

    void failures_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::newRow("unknown verb") << QStringList{"frobnicate"} << 2;
        QTest::newRow("missing argument") << QStringList{"encode", "x.dat"} << 2;
        QTest::newRow("unknown band") << QStringList{"new", "--band", "9", "x.dat"} << 2;
        QTest::newRow("missing data file") << QStringList{"show", "/nonexistent/x.dat"} << 1;
        QTest::newRow("image of the wrong size")
            << QStringList{"decode", TORVIK_CLI_PATH, "x.dat"} << 1;
        QTest::newRow("unwritable output") << QStringList{"new", "/proc/x/y.dat"} << 1;
    }
    void failures() {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        const Run r = cli(arguments);
        QCOMPARE(r.exitCode, exitCode);
        QVERIFY(r.err.startsWith("torvik-cli: "));
        if (exitCode == 1) QCOMPARE(r.err.count('\n'), 1);
    }

    // An encoder that refuses a value: the one-line failure names the area's message, and a
    // second line gives the reason.
    void encodeFailureGivesTheReason() {
        QCOMPARE(cli({"new", path("bad.dat")}).exitCode, 0);
        // A new codeplug's channel file holds the VFO alone; its TxPower is the 16-bit
        // little-endian field at byte 49 of the 108-byte record.
        constexpr qint64 kTxPower = 49;
        QFile channels(path("bad.fre"));
        QVERIFY(channels.open(QIODevice::ReadWrite));
        QVERIFY(channels.seek(kTxPower));
        QCOMPARE(channels.write(QByteArray::fromHex("0700")), 2);
        channels.close();

        const Run r = cli({"encode", path("bad.dat"), path("bad.img")});
        QCOMPARE(r.exitCode, 1);
        QCOMPARE(QString::fromUtf8(r.err),
                 "torvik-cli: cannot encode " + path("bad.dat") +
                     ": SetCommDataByFrequencyError\n"
                     "torvik-cli: reason: channel 203 (row label \"VFO\"): TxPower = 7 does not "
                     "fit 2 bits\n");
        QVERIFY(!QFileInfo::exists(path("bad.img")));
    }
};

QTEST_GUILESS_MAIN(CliTest)
#include "test_cli.moc"
