// Every connection ends: a radio that keeps asking for one frame, a cancel at any point of a
// read or write (only "END" may follow it), a cancel while a question is open.
#include <QtTest>

#include "link/link_messages.h"
#include "platform/built_in_texts.h"
#include "support/link/link_bench.h"

using namespace torvik;
using namespace torvik::test;

namespace {

// Calls `action` once, just after the frame named `frame` has gone out for the first time.
void After(LinkBench& bench, const QString& frame, std::function<void()> action) {
    bench.radio.fault = [&bench, frame, action, done = false](const Bytes& f, int) mutable {
        if (!done && Describe(f) == frame) {
            done = true;
            action();
        }
        return Fault::None;
    };
}

QString Text(TextId message) {
    return QString::fromStdString(std::string(BuiltInText(message, Language::English)));
}

}  // namespace

class LinkStopTest : public QObject {
    Q_OBJECT

  private slots:
    void radioRepeatingOneFrameForeverFails() {
        LinkBench bench;
        bench.reporter.answers = {Answer::Ok};
        bench.radio.fault = [](const Bytes& f, int) {
            return Describe(f) == "W0200" ? Fault::Repeat : Fault::None;
        };
        QVERIFY(bench.engine->beginWrite());
        QCOMPARE(bench.run(), 0);
        // The frame and ten repeats, then the connection ends without another frame.
        QCOMPARE(bench.frames().count("W0200"), 1 + kRepeatsPerFrame);
        QCOMPARE(bench.frames().back(), QString("W0200"));
        QCOMPARE(bench.shown(), (QStringList{QString::fromStdString(RepeatLimitText(
                                                 0x0200, kRepeatsPerFrame, Language::English)),
                                             "write failed"}));
        QVERIFY(bench.shown().front().contains("0x0200"));
        QVERIFY(bench.host.finishedWith(LinkMode::Write, false));
        QVERIFY(!bench.port.isOpen());
        QVERIFY(!bench.timer.isActive());
    }

    void repeatsAreCountedPerFrame() {
        LinkBench bench;
        bench.reporter.answers = {Answer::Ok};
        // Ten repeats for each of two frames: both go through.
        bench.radio.fault = [](const Bytes& f, int seen) {
            const QString name = Describe(f);
            return (name == "W0200" || name == "W0210") && seen < kRepeatsPerFrame ? Fault::Repeat
                                                                                   : Fault::None;
        };
        QVERIFY(bench.engine->beginWrite());
        bench.run();
        QVERIFY(bench.host.finishedWith(LinkMode::Write, true));
    }

    void cancelRead_data() {
        QTest::addColumn<QString>("after");
        QTest::addColumn<QStringList>("tail");  // the frames from `after` on
        QTest::newRow("open frame out") << "PROGRAM" << QStringList{"PROGRAM"};
        QTest::newRow("identity out") << "ID" << QStringList{"ID", "END"};
        QTest::newRow("password block out") << "R0040" << QStringList{"R0040", "END"};
        QTest::newRow("mid transfer") << "R1000" << QStringList{"R1000", "END"};
        QTest::newRow("last block") << "R3FF0" << QStringList{"R3FF0", "END"};
    }
    void cancelRead() {
        QFETCH(QString, after);
        QFETCH(QStringList, tail);
        LinkBench bench;
        bench.codeplug->channels.ChannelCount = 1;
        bench.codeplug->channels.records[0] = NewChannelRecord(1);
        const Codeplug before = *bench.codeplug;
        bench.reporter.answers = {Answer::Ok};
        After(bench, after, [&] { bench.engine->cancel(); });
        QVERIFY(bench.engine->beginRead());
        bench.run();
        const QStringList frames = bench.frames();
        QCOMPARE(frames.mid(frames.indexOf(after)), tail);
        QCOMPARE(bench.shown(), QStringList{Text(TextId::ReadCancelled)});
        QVERIFY(bench.host.finishedWith(LinkMode::Read, SessionEnd::Cancelled));
        QVERIFY(!bench.host.progressOpen);
        QVERIFY(!bench.port.isOpen());
        QVERIFY(!bench.timer.isActive());
        QVERIFY(bench.codeplug->image == before.image);
        QVERIFY(bench.codeplug->channels == before.channels);
        QVERIFY(bench.codeplug->band == before.band);
        // A second cancel after the end changes nothing.
        bench.engine->cancel();
        QCOMPARE(bench.frames(), frames);
    }

    void cancelWrite_data() {
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("shown");
        QTest::newRow("before any data") << "R0040" << Text(TextId::WriteCancelledEarly);
        QTest::newRow("mid transfer") << "W2000" << Text(TextId::WriteCancelled);
    }
    void cancelWrite() {
        QFETCH(QString, after);
        QFETCH(QString, shown);
        LinkBench bench;
        bench.reporter.answers = {Answer::Ok};
        After(bench, after, [&] { bench.engine->cancel(); });
        QVERIFY(bench.engine->beginWrite());
        bench.run();
        const QStringList frames = bench.frames();
        QCOMPARE(frames.mid(frames.indexOf(after)), (QStringList{after, "END"}));
        QCOMPARE(bench.shown(), QStringList{shown});
        QVERIFY(bench.host.finishedWith(LinkMode::Write, SessionEnd::Cancelled));
        QVERIFY(!bench.port.isOpen());
    }

    void cancelWhileTheFrameGoesUnanswered() {
        LinkBench bench;
        bench.reporter.answers = {Answer::Ok};
        bench.radio.fault = [](const Bytes& f, int) {
            return Describe(f) == "R0100" ? Fault::Silent : Fault::None;
        };
        QVERIFY(bench.engine->beginRead());
        while (bench.port.deliverNext()) {
        }
        QCOMPARE(bench.frames().back(), QString("R0100"));
        bench.engine->cancel();
        // Nothing goes out until the frame's time-out; then only "END".
        QCOMPARE(bench.frames().back(), QString("R0100"));
        bench.run();
        QCOMPARE(bench.frames().mid(bench.frames().indexOf("R0100")),
                 (QStringList{"R0100", "END"}));
        QVERIFY(bench.host.finishedWith(LinkMode::Read, SessionEnd::Cancelled));
    }

    void cancelWhileAsking() {
        LinkBench bench;
        bench.reporter.answers = {Answer::Ok};
        bench.radio.fault = [](const Bytes& f, int seen) {
            return Describe(f) == "R0030" && seen < 3 ? Fault::Silent : Fault::None;
        };
        QVERIFY(bench.engine->beginRead());
        bench.runToQuestion();
        QVERIFY(bench.engine->questionOpen());
        bench.engine->cancel();
        QCOMPARE(bench.host.withdrawn, 1);
        bench.run();
        QCOMPARE(bench.frames().mid(bench.frames().indexOf("R0030")),
                 (QStringList{"R0030", "R0030", "R0030", "END"}));
        QVERIFY(bench.host.finishedWith(LinkMode::Read, SessionEnd::Cancelled));
        // The answer of the closed question comes too late to do anything.
        bench.engine->answerRetry(true);
        QCOMPARE(bench.frames().back(), QString("END"));
    }

    void cancelWhileAskingThePassword() {
        LinkBench bench;
        bench.radio.setPassword("12");
        bench.reporter.answers = {Answer::Ok};
        QVERIFY(bench.engine->beginRead());
        bench.runToQuestion();
        QCOMPARE(bench.host.openQuestion, std::string("password"));
        bench.engine->cancel();
        bench.run();
        QCOMPARE(bench.frames(), (QStringList{"PROGRAM", "ID", "R0040", "END"}));
        QVERIFY(bench.host.finishedWith(LinkMode::Read, SessionEnd::Cancelled));
    }

    void unansweredStopEndStillEnds() {
        LinkBench bench;
        bench.reporter.answers = {Answer::Ok};
        bench.radio.fault = [&bench](const Bytes& f, int) {
            if (Describe(f) == "R0200") bench.engine->cancel();
            return Describe(f) == "END" ? Fault::Silent : Fault::None;
        };
        QVERIFY(bench.engine->beginRead());
        QCOMPARE(bench.run(), 1);
        QCOMPARE(bench.frames().mid(bench.frames().indexOf("R0200")),
                 (QStringList{"R0200", "END"}));
        QVERIFY(bench.host.finishedWith(LinkMode::Read, SessionEnd::Cancelled));
    }

    void searchRunsOncePerConnection() {
        // A radio of another model that answers only while the search runs: each search would
        // find it again, start over on its settings and time out, for ever.
        LinkBench bench;
        bench.radio.model = "MEOTHER";
        bench.host.candidates = {PortId::Number(1)};
        bench.reporter.answers = {Answer::Ok};
        bench.radio.fault = [&bench](const Bytes&, int) {
            return bench.engine->state().Mode == LinkMode::Search ? Fault::None : Fault::Silent;
        };
        QVERIFY(bench.engine->beginRead());
        bench.run(20000);
        QVERIFY(bench.host.finishedWith(LinkMode::Read, false));
        QVERIFY(bench.engine->isIdle());
    }
};

QTEST_APPLESS_MAIN(LinkStopTest)
#include "test_link_stop.moc"
