// The automatic search of the communication settings: its order of attempts, what it keeps,
// the fallback to a radio of another model, and when it does not run.
#include <QtTest>

#include "support/link/link_bench.h"

using namespace torvik;
using namespace torvik::test;

namespace {

QString Attempt(const FakeSerialPort::Opened& o) {
    return QString("%1/%2/%3")
        .arg(QString::fromStdString(o.port.displayName()))
        .arg(static_cast<int>(o.line.handshake))
        .arg(o.line.stopBits);
}

QStringList Attempts(const LinkBench& bench, std::size_t from = 1) {
    QStringList list;
    for (std::size_t i = from; i < bench.port.opens.size(); ++i)
        list << Attempt(bench.port.opens[i]);
    return list;
}

QStringList AllVariants(const QString& port) {
    QStringList list;
    for (int stop = 1; stop <= 2; ++stop) {
        for (int handshake = 0; handshake <= 3; ++handshake)
            list << QString("%1/%2/%3").arg(port).arg(handshake).arg(stop);
    }
    return list;
}

std::function<bool(const PortId&, const LineSettings&)> Only(PortId port, int handshake, int stop) {
    return [=](const PortId& p, const LineSettings& l) {
        return p == port && static_cast<int>(l.handshake) == handshake && l.stopBits == stop;
    };
}

const std::string kSearchCaption =
    "caption Search for communication setting,please wait for a few minutes...";

}  // namespace

class LinkSearchTest : public QObject {
    Q_OBJECT

  private slots:
    void radioOnTheSecondPort() {
        LinkBench bench;
        bench.host.candidates = {PortId::Number(1), PortId::Number(2)};
        bench.radio.reachable = Only(PortId::Number(2), 0, 2);
        bench.reporter.answers = {Answer::Ok};
        QVERIFY(bench.engine->beginRead());
        bench.run();

        // 8 attempts on the first port, 5 on the second.
        const QStringList attempts = Attempts(bench);
        QCOMPARE(attempts, AllVariants("COM1") + AllVariants("COM2").mid(0, 5));
        // Three sends of the open frame on the configured port and on every silent attempt.
        QCOMPARE(bench.frames().count("PROGRAM"), 3 + 12 * 3 + 1);
        QCOMPARE(bench.settings, (PortSettings{PortId::Number(2), 0, 2}));
        QCOMPARE(bench.host.savedSettings, std::vector<PortSettings>{bench.settings});
        // The read goes on without a further question.
        QCOMPARE(bench.reporter.asked.size(), std::size_t(1));
        QVERIFY(bench.host.finishedWith(LinkMode::Read, true));
        QCOMPARE(bench.host.events,
                 (std::vector<std::string>{"save?", "open Read data from radio", kSearchCaption,
                                           "saved COM2 0 2", "caption Read data from radio",
                                           "close", "read done", "finished 1 ok"}));
        // After the search the identity is asked again and the read runs as always.
        const QStringList frames = bench.frames();
        QCOMPARE(frames.mid(frames.indexOf("ID"), 4), (QStringList{"ID", "ID", "R0040", "R0010"}));
    }

    void writeGoesOnAfterTheSearch() {
        LinkBench bench;
        bench.host.candidates = {PortId::Device("/dev/pts/4")};
        bench.radio.reachable = Only(PortId::Device("/dev/pts/4"), 3, 1);
        bench.reporter.answers = {Answer::Ok};
        QVERIFY(bench.engine->beginWrite());
        bench.run();
        QCOMPARE(bench.settings, (PortSettings{PortId::Device("/dev/pts/4"), 3, 1}));
        QVERIFY(bench.host.finishedWith(LinkMode::Write, true));
        QCOMPARE(bench.radio.writtenAddresses.size(), std::size_t(1008));
    }

    void fallbackToTheFirstOtherModel() {
        LinkBench bench;
        bench.settings = {PortId::Number(1), 1, 1};
        bench.host.candidates = {PortId::Number(1), PortId::Number(2)};
        bench.radio.model = "MEOTHER";
        bench.radio.reachable = Only(PortId::Number(1), 0, 1);
        bench.reporter.answers = {Answer::Ok};
        QVERIFY(bench.engine->beginRead());
        bench.run();
        QCOMPARE(Attempts(bench),
                 AllVariants("COM1") + AllVariants("COM2") + QStringList{"COM1/0/1"});
        QCOMPARE(bench.settings, (PortSettings{PortId::Number(1), 0, 1}));
        QCOMPARE(bench.host.savedSettings, std::vector<PortSettings>{bench.settings});
        QCOMPARE(bench.shown(), (QStringList{"Model type is wrong. Overwrite?", "read failed"}));
        QVERIFY(bench.host.finishedWith(LinkMode::Read, false));
    }

    void laterOtherModelDoesNotReplaceTheFallback() {
        LinkBench bench;
        bench.settings = {PortId::Number(1), 2, 2};
        bench.host.candidates = {PortId::Number(1), PortId::Number(2)};
        ScriptedRadio second(bench.port);
        bench.radio.model = "MEOLD1";
        second.model = "MEOLD2";
        bench.port.onWrite = [&](const Bytes& frame) {
            if (bench.port.currentLine().handshake != Handshake::None ||
                bench.port.currentLine().stopBits != 1)
                return;
            (bench.port.currentPort() == PortId::Number(1) ? bench.radio : second).hear(frame);
        };
        bench.reporter.answers = {Answer::Ok};
        QVERIFY(bench.engine->beginRead());
        bench.run();
        QCOMPARE(bench.settings, (PortSettings{PortId::Number(1), 0, 1}));
        QCOMPARE(bench.codeplug->identity.RadioModel, std::string("MEOLD1"));
        QCOMPARE(bench.shown(), (QStringList{"Model type is wrong. Overwrite?", "read failed"}));
    }

    void fixedPortList() {
        LinkBench bench;
        bench.host.candidates = FixedSearchPorts();
        bench.radio.reachable = [](const PortId&, const LineSettings&) { return false; };
        bench.reporter.answers = {Answer::Ok};
        QVERIFY(bench.engine->beginRead());
        bench.run();
        QStringList expected;
        for (int port = 1; port <= 16; ++port) expected += AllVariants(QString("COM%1").arg(port));
        QCOMPARE(Attempts(bench), expected);
        QVERIFY(bench.host.savedSettings.empty());
        QCOMPARE(bench.shown(), QStringList{"read failed"});
        QCOMPARE(bench.host.events[2], kSearchCaption);
        QCOMPARE(bench.host.events[3], std::string("caption Read data from radio"));
    }

    void noCandidates() {
        LinkBench bench;
        bench.radio.reachable = [](const PortId&, const LineSettings&) { return false; };
        bench.reporter.answers = {Answer::Ok};
        QVERIFY(bench.engine->beginRead());
        QCOMPARE(bench.run(), 3);
        QCOMPARE(bench.port.opens.size(), std::size_t(1));
        QCOMPARE(bench.shown(), QStringList{"read failed"});
        QVERIFY(bench.host.finishedWith(LinkMode::Read, false));
    }

    void portsThatDoNotOpenAreSkipped() {
        LinkBench bench;
        bench.host.candidates = {PortId::Number(1), PortId::Number(2), PortId::Number(3)};
        bench.port.canOpen = [](const PortId& p, const LineSettings&) {
            return p != PortId::Number(2);
        };
        bench.radio.reachable = Only(PortId::Number(3), 0, 1);
        bench.reporter.answers = {Answer::Ok};
        QVERIFY(bench.engine->beginRead());
        bench.run();
        QCOMPARE(Attempts(bench), AllVariants("COM1") + (QStringList{"COM2/0/1", "COM3/0/1"}));
        QCOMPARE(bench.settings, (PortSettings{PortId::Number(3), 0, 1}));
        QVERIFY(bench.host.finishedWith(LinkMode::Read, true));
    }

    void identityLostStartsTheSearchToo() {
        LinkBench bench;
        bench.host.candidates = {PortId::Number(1)};
        // The configured port answers the open frame but never sends its identity.
        bench.radio.fault = [&](const Bytes& f, int) {
            const bool configured = bench.port.opens.size() == 1;
            return configured && Describe(f) == "ID" ? Fault::Silent : Fault::None;
        };
        bench.reporter.answers = {Answer::Ok};
        QVERIFY(bench.engine->beginRead());
        bench.run();
        QCOMPARE(bench.frames().mid(0, 6),
                 (QStringList{"PROGRAM", "ID", "ID", "ID", "PROGRAM", "ID"}));
        QCOMPARE(Attempts(bench), QStringList{"COM1/0/1"});
        QVERIFY(bench.host.finishedWith(LinkMode::Read, true));
    }

    void candidateThatFailsIsLeft() {
        LinkBench bench;
        bench.host.candidates = {PortId::Number(1), PortId::Number(2)};
        bench.radio.reachable = [](const PortId& p, const LineSettings& l) {
            return p == PortId::Number(2) ||
                   (p == PortId::Number(1) && l.stopBits == 1 && l.handshake == Handshake::None);
        };
        // COM1 breaks under the first open frame of the search; the search moves on.
        bench.radio.fault = [&](const Bytes&, int) {
            if (bench.port.opens.size() == 2 && bench.port.currentPort() == PortId::Number(1)) {
                return Fault::CablePulled;
            }
            return bench.port.opens.size() == 1 ? Fault::Silent : Fault::None;
        };
        bench.reporter.answers = {Answer::Ok};
        QVERIFY(bench.engine->beginRead());
        bench.run();
        QCOMPARE(Attempts(bench), AllVariants("COM1") + QStringList{"COM2/0/1"});
        QVERIFY(bench.host.finishedWith(LinkMode::Read, true));
        QCOMPARE(bench.settings.port, PortId::Number(2));
    }
};

QTEST_APPLESS_MAIN(LinkSearchTest)
#include "test_link_search.moc"
