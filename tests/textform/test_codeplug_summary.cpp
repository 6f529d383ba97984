// The terminal summary of a codeplug: its channel column counts memory channels from 1,
// unlike the channel list, and names the special channels.
#include <QtTest>

#include "platform/silent_reporter.h"
#include "textform/codeplug_summary.h"

using namespace torvik;

class CodeplugSummaryTest : public QObject {
    Q_OBJECT

  private slots:
    void channelColumnCountsFromOne() {
        Codeplug codeplug;
        codeplug.band.setCode(48);
        for (int number : {kChannelVFO, 1, 200, kChannelPA}) {
            ChannelRecord& c = *AppendChannel(codeplug.channels);
            c = NewChannelRecord(number);
            c.Used = 1;
        }
        SilentReporter reporter;
        const QStringList lines =
            QString::fromStdString(CodeplugSummary(codeplug, reporter)).split('\n');
        QStringList labels;
        for (const QString& line : lines.mid(4)) {
            if (!line.isEmpty()) labels << line.section(' ', 0, 0);
        }
        QCOMPARE(labels, QStringList({"VFO", "1", "200", "PA"}));
        QVERIFY(lines[3].startsWith("CH "));
    }

    void labelBases_data() {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("fromZero");
        QTest::addColumn<QString>("fromOne");
        QTest::newRow("first memory") << 1 << "0" << "1";
        QTest::newRow("last memory") << 200 << "199" << "200";
        QTest::newRow("PA") << kChannelPA << "PA" << "PA";
        QTest::newRow("PB") << kChannelPB << "PB" << "PB";
        QTest::newRow("VFO") << kChannelVFO << "VFO" << "VFO";
    }
    void labelBases() {
        QFETCH(int, number);
        QFETCH(QString, fromZero);
        QFETCH(QString, fromOne);
        QCOMPARE(QString::fromStdString(ChannelLabel(number, ChannelLabelBase::FromZero)),
                 fromZero);
        QCOMPARE(QString::fromStdString(ChannelLabel(number, ChannelLabelBase::FromOne)), fromOne);
    }
};

QTEST_APPLESS_MAIN(CodeplugSummaryTest)
#include "test_codeplug_summary.moc"
