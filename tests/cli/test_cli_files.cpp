// torvik-cli with files it must not lose or misread: a verb never writes over its own input,
// a file of the wrong kind is named as such, and `show` labels channels as the channel list,
// the CSV, diff and the report do.
#include <unistd.h>

#include <QProcess>
#include <QtTest>

#include "support/cli_run.h"
#include "support/file_bytes.h"

namespace {

using Run = torvik::test::CliRun;

// A text file given where a data file belongs.
const QByteArray kNotes = "CH,RX,TX\n1,145.5,145.5\n";

// The bytes of every file in a folder (links followed), by name.
QMap<QString, QByteArray> FolderContent(const QString& folder) {
    QMap<QString, QByteArray> content;
    for (const QFileInfo& file : QDir(folder).entryInfoList(QDir::Files | QDir::System)) {
        content[file.fileName()] = torvik::test::ReadFileBytes(file.filePath().toStdString());
    }
    return content;
}

}  // namespace

class CliFilesTest : public QObject {
    Q_OBJECT

    QTemporaryDir home_;
    QTemporaryDir work_;

    QString path(const QString& name) const { return work_.filePath(name); }
    // The arguments with every "@name" made the path of that name in the work folder.
    QStringList inWork(const QStringList& arguments) const {
        QStringList resolved;
        for (const QString& argument : arguments)
            resolved << (argument.startsWith('@') ? path(argument.mid(1)) : argument);
        return resolved;
    }
    Run cli(const QStringList& arguments) {
        return torvik::test::RunCli(TORVIK_CLI_PATH, inWork(arguments), home_.path());
    }

  private slots:
    void initTestCase() {
        QVERIFY(QDir().mkpath(home_.filePath("Init")));
        const QString init = QFileInfo(TORVIK_CLI_PATH).absolutePath() + "/Init";
        for (const QString& name : QDir(init).entryList(QDir::Files)) {
            QVERIFY(QFile::copy(init + "/" + name, home_.filePath("Init/" + name)));
        }
        // A codeplug with channels, its image and its channels as CSV.
        QVERIFY(QFile::copy(init + "/MERLAN_3.dat", path("keep.dat")));
        QVERIFY(QFile::copy(init + "/MERLAN_3.fre", path("keep.fre")));
        QCOMPARE(cli({"encode", "@keep.dat", "@keep.img"}).exitCode, 0);
        QCOMPARE(cli({"export", "@keep.dat", "@plan.csv"}).exitCode, 0);
        QVERIFY(QFile::copy(path("keep.img"), path("image.fre")));
        QVERIFY(QFile::link(path("keep.fre"), path("channels.csv")));
        QVERIFY(QDir().mkpath(path("sub")));
        // The wrong kinds of file, as data files and as CSV inputs.
        QVERIFY(QFile::copy(path("keep.img"), path("image.dat")));
        torvik::test::WriteFileBytes(path("notes.dat").toStdString(), kNotes);
        QVERIFY(QFile::copy(path("keep.dat"), path("locked.dat")));
        QVERIFY(QFile::copy(path("plan.csv"), path("locked.csv")));
        for (const char* name : {"folder.dat", "folder.csv"}) QVERIFY(QDir().mkpath(path(name)));
        for (const char* name : {"locked.dat", "locked.csv"})
            QVERIFY(QFile::setPermissions(path(name), QFileDevice::Permissions{}));
    }

    void neverOverItsOwnInput_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("encode over its input") << QStringList{"encode", "@keep.dat", "@keep.dat"};
        QTest::newRow("encode over the channel file")
            << QStringList{"encode", "@keep.dat", "@keep.fre"};
        QTest::newRow("encode through another path")
            << QStringList{"encode", "@keep.dat", "@sub/../keep.dat"};
        QTest::newRow("decode over its input") << QStringList{"decode", "@keep.img", "@keep.img"};
        QTest::newRow("decode whose channel file is the input")
            << QStringList{"decode", "@image.fre", "@image.dat"};
        QTest::newRow("export through a link")
            << QStringList{"export", "@keep.dat", "@channels.csv"};
        QTest::newRow("import over its base")
            << QStringList{"import", "@plan.csv", "@keep.dat", "--base", "@keep.dat"};
        QTest::newRow("import whose channel file is the input")
            << QStringList{"import", "@channels.csv", "@keep.dat"};
        QTest::newRow("print over its input")
            << QStringList{"print", "@keep.dat", "--pdf", "@keep.dat"};
        QTest::newRow("write with its trace over its input")
            << QStringList{"write", "@keep.dat", "--device", "@no-tty", "--trace", "@keep.dat"};
        QTest::newRow("diff with its trace over an input")
            << QStringList{"diff", "@keep.dat", "--device", "@no-tty", "--trace", "@keep.fre"};
    }
    void neverOverItsOwnInput() {
        QFETCH(QStringList, arguments);
        const QMap<QString, QByteArray> before = FolderContent(work_.path());
        const Run r = cli(arguments);
        QCOMPARE(r.exitCode, 2);
        QCOMPARE(r.err.count('\n'), 1);
        QVERIFY2(r.err.contains("would overwrite the input"), r.err.constData());
        QVERIFY(FolderContent(work_.path()) == before);
    }

    void overwritingAnotherFileIsAllowed() {
        torvik::test::WriteFileBytes(path("other.img").toStdString(), "old");
        const Run r = cli({"encode", "@keep.dat", "@other.img"});
        QVERIFY2(r.exitCode == 0, r.err.constData());
        QCOMPARE(QFileInfo(path("other.img")).size(), 16384);
    }

    void wrongKindsOfFile_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("says");
        QTest::addColumn<int>("exitCode");
        const std::pair<QString, QString> kinds[] = {
            {"missing.dat", "the file does not exist"},
            {"folder.dat", "it is a directory, not a file"},
            {"locked.dat", "the file cannot be read: Permission denied"},
            {"image.dat",
             "not a codeplug data file: 16384 bytes, where a data file has 8587; it has the size "
             "of a radio image, which 'torvik-cli decode' turns into one"},
            {"notes.dat", QString("not a codeplug data file: %1 bytes, where a data file has 8587")
                              .arg(kNotes.size())},
        };
        // Each verb with "@IN" where the wrong file goes, and whether that is a data file or an
        // input read as it is.
        const struct {
            const char* name;
            QStringList arguments;
            int exitCode;
            bool dataFile;
        } verbs[] = {
            {"show", {"show", "@IN"}, 1, true},
            {"encode", {"encode", "@IN", "@out.img"}, 1, true},
            {"write", {"write", "@IN", "--device", "@no-tty"}, 1, true},
            {"export", {"export", "@IN", "@out.csv"}, 1, true},
            {"print", {"print", "@IN", "--pdf", "@out.pdf"}, 1, true},
            {"diff", {"diff", "@keep.dat", "@IN"}, 2, true},
            {"import --base", {"import", "@plan.csv", "@out.dat", "--base", "@IN"}, 1, true},
            {"decode", {"decode", "@IN", "@out.dat"}, 1, false},
            {"import", {"import", "@IN", "@out.dat"}, 1, false},
        };
        for (const auto& verb : verbs) {
            for (const auto& [file, says] : kinds) {
                QString name = file;
                if (!verb.dataFile) {
                    // Raw inputs: only whether they can be read counts.
                    if (name.startsWith("image") || name.startsWith("notes")) continue;
                    if (verb.arguments.first() == "import") name.replace(".dat", ".csv");
                }
                const QString verbText = verb.dataFile ? "cannot open " : "cannot read ";
                QStringList arguments = verb.arguments;
                arguments.replaceInStrings("@IN", "@" + name);
                QTest::addRow("%s, %s", verb.name, qPrintable(file))
                    << arguments << name << verbText + "%1: " + says << verb.exitCode;
            }
        }
    }
    void wrongKindsOfFile() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, file);
        QFETCH(QString, says);
        QFETCH(int, exitCode);
        if (file.startsWith("locked") && ::geteuid() == 0)
            QSKIP("root reads any file; the directory rows stand for an unreadable file");
        const Run r = cli(arguments);
        QCOMPARE(r.exitCode, exitCode);
        QCOMPARE(QString::fromUtf8(r.err), "torvik-cli: " + says.arg(path(file)) + "\n");
        for (const char* out : {"out.img", "out.csv", "out.pdf", "out.dat", "out.fre"})
            QVERIFY2(!QFileInfo::exists(path(out)), out);
    }

    // Memory channels 0..199 as the CSV's Location column has them, then PA, PB and VFO.
    void showLabelsChannelsAsTheChannelList() {
        const Run shown = cli({"show", "@keep.dat"});
        QCOMPARE(shown.exitCode, 0);
        // Band, channel count, a blank line and the column heads come before the channels.
        QStringList labels;
        for (const QByteArray& line : shown.out.split('\n').mid(4)) {
            if (!line.isEmpty()) labels << QString::fromUtf8(line.split(' ').first());
        }
        QStringList locations;
        const QList<QByteArray> rows =
            torvik::test::ReadFileBytes(path("plan.csv").toStdString()).split('\n');
        for (const QByteArray& row : rows.mid(1)) {
            if (!row.trimmed().isEmpty()) locations << QString::fromUtf8(row.split(',').first());
        }
        QVERIFY(!locations.isEmpty());
        QCOMPARE(locations.first(), "0");
        QStringList memory = labels;
        memory.removeIf([](const QString& label) { return !label.front().isDigit(); });
        std::sort(memory.begin(), memory.end(),
                  [](const QString& a, const QString& b) { return a.toInt() < b.toInt(); });
        QCOMPARE(memory, locations);
        QVERIFY(labels.contains("VFO"));
    }
};

QTEST_GUILESS_MAIN(CliFilesTest)
#include "test_cli_files.moc"
