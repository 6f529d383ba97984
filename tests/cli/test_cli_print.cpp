// torvik-cli print end to end: data files written by the core, the report printed without a
// display, and the PDF read back as text with pdftotext.
#include <QProcess>
#include <QtTest>

#include "report/report_test_support.h"
#include "storage/codeplug_files.h"
#include "support/recording_reporter.h"

using namespace torvik;

namespace {

struct Run {
    int exitCode = -1;
    QByteArray err;
};

}  // namespace

class CliPrintTest : public QObject {
    Q_OBJECT

    QTemporaryDir home_;
    QTemporaryDir work_;

    QString path(const QString& name) const { return work_.filePath(name); }

    // The program as a script runs it: no display, no platform chosen.
    Run print(const QStringList& arguments) {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("DISPLAY");
        env.remove("WAYLAND_DISPLAY");
        env.remove("QT_QPA_PLATFORM");
        process.setProcessEnvironment(env);
        process.start(TORVIK_CLI_PATH,
                      QStringList{"print"} + arguments + QStringList{"--home", home_.path()});
        process.waitForFinished(60000);
        return {process.exitCode(), process.readAllStandardError()};
    }

    // The PDF's text, pages separated by form feeds.
    static QString PdfText(const QString& pdf) {
        QProcess process;
        process.start("pdftotext", {pdf, "-"});
        process.waitForFinished(30000);
        return QString::fromUtf8(process.readAllStandardOutput());
    }
    static int PageCount(const QString& text) { return static_cast<int>(text.count('\f')); }

    QString save(const QString& name, Codeplug codeplug) {
        test::RecordingReporter reporter;
        const QString file = path(name);
        if (!SaveCodeplug(file.toStdString(), codeplug, reporter)) qFatal("cannot save");
        return file;
    }

  private slots:
    void initTestCase() {
        // The shipped language files, as an installed program has them.
        QVERIFY(QDir().mkpath(home_.filePath("language")));
        for (const char* file : {"english.ini", "chinese.ini"}) {
            QVERIFY(QFile::copy(QString(TORVIK_DATA_DIR) + "/language/" + file,
                                home_.filePath(QString("language/") + file)));
        }
    }

    void channelPages_data() {
        QTest::addColumn<int>("channels");
        QTest::addColumn<int>("pages");
        QTest::newRow("none") << 0 << 1;
        QTest::newRow("twelve") << 12 << 3;
    }
    void channelPages() {
        QFETCH(int, channels);
        QFETCH(int, pages);
        const QString in = save("count.dat", test::CodeplugWithChannelCount(channels));
        QCOMPARE(print({in, "--pdf", path("count.pdf"), "--sections", "channels"}).exitCode, 0);
        const QString text = PdfText(path("count.pdf"));
        QCOMPARE(PageCount(text), pages);
        QVERIFY(text.contains(QString("- %1 -").arg(pages)) ||
                text.contains(QString("-%1-").arg(pages)));
    }

    void wholeReportInEnglish() {
        Codeplug c = test::CodeplugWithChannels({203, 5, 201});
        ChannelRecord& five = c.channels.records[1];
        five.ShiftDir = 2;
        five.Offset = FixedText<9>::Raw("000060000");
        five.RxToneType = kToneDcs;
        five.RxDcs = 19;
        five.RxDcsInvert = 1;
        StoreBookCallId(c.record.commBook[30], "12345");
        StoreBookName(c.record.commBook[30], "ALPHA");
        const QString in = save("all.dat", c);
        const Run run = print({in, "--pdf", path("all.pdf")});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.err, QByteArray());
        const QString text = PdfText(path("all.pdf"));
        QCOMPARE(PageCount(text), 8);
        const qsizetype four = text.indexOf(QRegularExpression("Channel 4\\n"));
        const qsizetype pa = text.indexOf(QRegularExpression("Channel PA\\n"));
        const qsizetype vfo = text.indexOf(QRegularExpression("Channel VFO\\n"));
        QVERIFY(four >= 0 && four < pa && pa < vfo);
        QVERIFY(text.contains("+ 0.60000 MHz"));
        QVERIFY(text.contains("D023I"));
        QVERIFY(text.contains("12345"));
        QVERIFY(text.contains("ALPHA"));
        QVERIFY(text.contains("TORVIK Radio Programming Information"));
        // The sections in their fixed order, one page each after the channels.
        const QStringList headings{
            "Channel information", "Optional functions", "DTMF",
            "2Tone settings",      "5Tone settings",     "Communication Book",
            "Embedded Message",    "Emergency alarm"};
        const QStringList pages = text.split('\f');
        for (qsizetype i = 0; i < headings.size(); ++i) {
            QVERIFY2(pages[i].contains(headings[i]), qPrintable(headings[i]));
        }
    }

    void sectionsKeepTheirOrderAndLanguage() {
        const QString in = save("zh.dat", test::CodeplugWithChannelCount(2));
        QCOMPARE(print({in, "--pdf", path("zh.pdf"), "--sections", "book,channels", "--lang", "zh"})
                     .exitCode,
                 0);
        const QString text = PdfText(path("zh.pdf"));
        QCOMPARE(PageCount(text), 2);
        QVERIFY(text.contains(QStringLiteral("TORVIK 对讲机编程信息")));
        QVERIFY(text.indexOf(QStringLiteral("信道信息")) < text.indexOf(QStringLiteral("通信簿")));
        QVERIFY(text.contains(QStringLiteral("机型类型")));
    }

    void failures_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::newRow("unknown section")
            << QStringList{"IN", "--pdf", "OUT", "--sections", "channels,radio"} << 2;
        QTest::newRow("no pdf") << QStringList{"IN"} << 2;
        QTest::newRow("no input") << QStringList{"--pdf", "OUT"} << 2;
        QTest::newRow("unknown language") << QStringList{"IN", "--pdf", "OUT", "--lang", "de"} << 2;
        QTest::newRow("missing data file") << QStringList{"missing.dat", "--pdf", "OUT"} << 1;
        QTest::newRow("unwritable folder") << QStringList{"IN", "--pdf", "/proc/none/x.pdf"} << 1;
    }
    void failures() {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        const QString in = save("in.dat", test::CodeplugWithChannelCount(1));
        QVERIFY(QDir().mkpath(path("failed")));
        const QString out = path("failed/report.pdf");
        arguments.replaceInStrings(QRegularExpression("^IN$"), in);
        arguments.replaceInStrings(QRegularExpression("^OUT$"), out);
        arguments.replaceInStrings(QRegularExpression("^missing.dat$"), path("missing.dat"));
        const Run run = print(arguments);
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY(run.err.startsWith("torvik-cli: "));
        if (exitCode == 1) QCOMPARE(run.err.count('\n'), 1);
        QVERIFY(!QFileInfo::exists(out));
        QCOMPARE(QDir(path("failed")).entryList(QDir::Files | QDir::Hidden), QStringList());
    }
};

QTEST_GUILESS_MAIN(CliPrintTest)
#include "test_cli_print.moc"
