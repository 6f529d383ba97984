// The terminal summary of a codeplug: its channel column labels channels as the channel list
// does (memory channels from 0) and names the special channels.
#include <QtTest>

#include "platform/silent_reporter.h"
#include "textform/codeplug_summary.h"

using namespace torvik;

class CodeplugSummaryTest : public QObject {
    Q_OBJECT

  private slots:
    void channelColumnLabelsAsTheList() {
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
        QCOMPARE(labels, QStringList({"VFO", "0", "199", "PA"}));
        QVERIFY(lines[3].startsWith("CH "));
    }
};

QTEST_APPLESS_MAIN(CodeplugSummaryTest)
#include "test_codeplug_summary.moc"
