// torvik-cli export and import end to end: the JSON round trip byte for byte on a codeplug
// whose every byte is busy, JSON refusals by path, CSV refusals by line and --partial.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QtTest>
#include <random>

#include "aggregate/codeplug_record.h"
#include "codeplug/record_bytes.h"
#include "support/cli_run.h"
#include "support/file_bytes.h"

using namespace torvik;

namespace {

using Run = torvik::test::CliRun;

constexpr int kChannelRecordSize = 108;

// Where ChannelCount lies in the data file: after the band code and six settings records.
constexpr std::size_t ChannelCountOffset() {
    return 2 + SerializedSize<DtmfSettings> + SerializedSize<TwoToneSettings> +
           SerializedSize<FiveToneSettings> + SerializedSize<OptionSettings> +
           SerializedSize<ScanSettings> + SerializedSize<EmergencySettings>;
}

}  // namespace

class InterchangeCliTest : public QObject {
    Q_OBJECT

    QTemporaryDir home_;
    QTemporaryDir work_;

    Run cli(const QStringList& arguments) {
        return torvik::test::RunCli(TORVIK_CLI_PATH, arguments, home_.path());
    }
    QString path(const QString& name) const { return work_.filePath(name); }
    QByteArray bytes(const QString& name) const {
        return test::ReadFileBytes(path(name).toStdString());
    }
    void write(const QString& name, const QByteArray& data) {
        test::WriteFileBytes(path(name).toStdString(), data);
    }

  private slots:
    void jsonRoundTripIsByteIdentical() {
        // Every byte random but the channel count and the channel numbers, which the file
        // pair must hold consistently: texts with bytes that are no GBK, odd values, all.
        std::mt19937 random(15);
        QByteArray data(8587, 0);
        for (char& c : data) c = static_cast<char>(random());
        const int count = 150;
        data[ChannelCountOffset()] = static_cast<char>(count);
        data[ChannelCountOffset() + 1] = 0;
        QByteArray channels(count * kChannelRecordSize, 0);
        for (char& c : channels) c = static_cast<char>(random());
        for (int i = 0; i < count; ++i) {
            const int number = 203 - i;  // every special channel, then memory channels downwards
            channels[i * kChannelRecordSize] = static_cast<char>(number);
            channels[i * kChannelRecordSize + 1] = 0;
        }
        write("busy.dat", data);
        write("busy.fre", channels);

        Run r = cli({"export", path("busy.dat"), path("busy.json")});
        QVERIFY2(r.exitCode == 0, r.err.constData());
        r = cli({"import", path("busy.json"), path("back.dat")});
        QVERIFY2(r.exitCode == 0, r.err.constData());
        QCOMPARE(bytes("back.dat"), data);
        QCOMPARE(bytes("back.fre"), channels);

        // The export is the document `show --json` prints.
        QProcess show;
        show.start(TORVIK_CLI_PATH, {"show", path("busy.dat"), "--json", "--home", home_.path()});
        show.waitForFinished(30000);
        QCOMPARE(show.readAllStandardOutput(), bytes("busy.json"));
    }

    void jsonValueOutOfRangeIsRefusedByPath_data() {
        QTest::addColumn<QString>("field");  // in the first channel
        QTest::addColumn<QJsonValue>("value");
        QTest::addColumn<QString>("path");
        QTest::newRow("int16") << "TxPower" << QJsonValue(70000) << "ChannelTable[0].TxPower";
        QTest::newRow("fraction") << "Step" << QJsonValue(1.5) << "ChannelTable[0].Step";
        QTest::newRow("text width")
            << "Name" << QJsonValue("TOO LONG NAME") << "ChannelTable[0].Name";
        QTest::newRow("number") << "Number" << QJsonValue(204) << "ChannelTable[0].Number";
        QTest::newRow("text type") << "RxFreq" << QJsonValue(5) << "ChannelTable[0].RxFreq";
    }

    void jsonValueOutOfRangeIsRefusedByPath() {
        QFETCH(QString, field);
        QFETCH(QJsonValue, value);
        QFETCH(QString, path);
        QCOMPARE(cli({"new", this->path("n.dat")}).exitCode, 0);
        QCOMPARE(cli({"export", this->path("n.dat"), this->path("n.json")}).exitCode, 0);
        QJsonObject document = QJsonDocument::fromJson(bytes("n.json")).object();
        QJsonArray table = document.value("ChannelTable").toArray();
        QJsonObject first = table.at(0).toObject();
        first.insert(field, value);
        table.replace(0, first);
        document.insert("ChannelTable", table);
        write("bad.json", QJsonDocument(document).toJson());
        const Run r = cli({"import", this->path("bad.json"), this->path("bad.dat")});
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err.contains(path.toUtf8()), r.err.constData());
        QVERIFY(!QFile::exists(this->path("bad.dat")));
    }

    void garbledJsonIsRefused() {
        write("junk.json", "{\"SavedBandCode\": [");
        const Run r = cli({"import", path("junk.json"), path("junk.dat")});
        QCOMPARE(r.exitCode, 1);
        QVERIFY(!QFile::exists(path("junk.dat")));
    }

    void csvRefusalsNameTheirLines() {
        write("plan.csv",
              "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq\r\n"
              "0,GOOD,146.520000,,0,,\r\n"
              "1,BAD,146.540000,,0,Tone,69.4\r\n"
              "2,FAR,440.000000,,0,,\r\n");
        Run r = cli({"import", path("plan.csv"), path("plan.dat"), "--band", "3"});
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err.contains("plan.csv:3: refused: CTCSS tone '69.4'"), r.err.constData());
        QVERIFY2(r.err.contains("plan.csv:4: refused: frequency 440.000000"), r.err.constData());
        QVERIFY(!QFile::exists(path("plan.dat")));

        r = cli({"import", path("plan.csv"), path("plan.dat"), "--band", "3", "--partial"});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(cli({"export", path("plan.dat"), path("plan-out.csv")}).exitCode, 0);
        const QList<QByteArray> lines = bytes("plan-out.csv").split('\n');
        QCOMPARE(lines.size(), 3);  // header, the one row taken, the empty end
        QVERIFY(lines[1].startsWith("0,GOOD,146.520000,"));
    }

    void csvExportImportIntoTheSameCodeplugChangesNothing() {
        write("plan.csv",
              "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,"
              "DtcsPolarity,RxDtcsCode,CrossMode,Mode,TStep,Skip,Power\n"
              "0,RPT,145.600000,-,0.600000,Tone,88.5,88.5,023,NN,023,Tone->Tone,FM,12.50,,5.0W\n"
              "5,\"S,X\",146.520000,,0,TSQL,100.0,100.0,023,NN,023,Tone->Tone,NFM,5.00,S,1.0W\n"
              "199,DCS,147.000000,+,0.600000,Cross,88.5,100.0,754,RN,131,DTCS->DTCS,FM,25.00,,2."
              "0W\n");
        Run r = cli({"import", path("plan.csv"), path("a.dat"), "--band", "3"});
        QVERIFY2(r.exitCode == 0, r.err.constData());
        r = cli({"export", path("a.dat"), path("a.csv")});
        QCOMPARE(r.exitCode, 0);
        QVERIFY2(r.err.contains("note: VFO not exported"), r.err.constData());
        r = cli({"import", path("a.csv"), path("b.dat"), "--base", path("a.dat")});
        QVERIFY2(r.exitCode == 0, r.err.constData());
        QCOMPARE(bytes("b.dat"), bytes("a.dat"));
        QCOMPARE(bytes("b.fre"), bytes("a.fre"));
    }
};

QTEST_GUILESS_MAIN(InterchangeCliTest)
#include "test_interchange_cli.moc"
