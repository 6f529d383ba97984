// Writes against a scripted radio: the exact data frames, repeat requests, the identity
// checks a write adds, encoding failures, serial errors and the factory write of the test data.
#include <QtTest>

#include "support/link/link_bench.h"

using namespace torvik;
using namespace torvik::test;

namespace {

QStringList AllWriteBlocks(int from = 0x0100) {
    QStringList frames;
    for (int address = from; address <= 0x3FF0; address += 16) {
        frames << QString("W%1").arg(address, 4, 16, QChar('0')).toUpper();
    }
    return frames;
}

std::function<Fault(const Bytes&, int)> Spoil(QString frame, Fault fault, int times) {
    return [=](const Bytes& f, int seen) {
        return Describe(f) == frame && seen < times ? fault : Fault::None;
    };
}

// A codeplug with one channel, so the write has something of its own to send.
void AddChannel(Codeplug& codeplug) {
    codeplug.channels.ChannelCount = 1;
    codeplug.channels.records[0] = NewChannelRecord(1);
    codeplug.channels.records[0].RxFreq = FixedText<9>::Value("014652500");
}

}  // namespace

class LinkWriteTest : public QObject {
    Q_OBJECT

  private slots:
    void writeSendsTheEncodedImage() {
        LinkBench bench;
        AddChannel(*bench.codeplug);
        const auto radioBefore = bench.radio.memory;
        bench.reporter.answers = {Answer::Ok};
        QVERIFY(bench.engine->beginWrite());
        QCOMPARE(bench.run(), 0);

        QCOMPARE(bench.frames(),
                 QStringList({"PROGRAM", "ID", "R0040"}) + AllWriteBlocks() + QStringList{"END"});
        const auto& first = bench.port.sent[3];
        QCOMPARE(first.threshold, std::size_t(23));
        QCOMPARE(first.frame.size(), std::size_t(22));
        QCOMPARE(Bytes(first.frame.begin(), first.frame.begin() + 4),
                 (Bytes{0x57, 0x01, 0x00, 0x10}));
        // Checksum: address bytes, length and data summed, low 8 bits; then 0x06.
        unsigned sum = 0x01 + 0x00 + 0x10;
        for (int i = 0; i < 16; ++i) {
            QCOMPARE(first.frame[4 + i], bench.codeplug->image.at(0x100 + i));
            sum += first.frame[4 + i];
        }
        QCOMPARE(first.frame[20], std::uint8_t(sum & 0xFF));
        QCOMPARE(first.frame[21], std::uint8_t(0x06));

        // The radio now holds the encoded image from 0x0100 on, and its own bytes below.
        for (int a = 0; a < 0x4000; ++a) {
            const std::uint8_t expected = a < 0x100 ? radioBefore[a] : bench.codeplug->image.at(a);
            if (bench.radio.memory[a] != expected)
                QFAIL(qPrintable(QString("byte %1").arg(a, 0, 16)));
        }
        QCOMPARE(bench.shown(), QStringList{"write ok"});
        QCOMPARE(bench.host.events,
                 (std::vector<std::string>{"open Write data to radio", "close", "finished 2 ok"}));
        QCOMPARE(bench.host.progress.back(), 100);
        QVERIFY(!bench.port.isOpen());
    }

    void repeatRequestsCostNoRetry() {
        LinkBench bench;
        bench.reporter.answers = {Answer::Ok};
        // Five repeat requests in a row: more than the three sends a silent block gets.
        bench.radio.fault = Spoil("W0200", Fault::Repeat, 5);
        QVERIFY(bench.engine->beginWrite());
        QCOMPARE(bench.run(), 0);
        QCOMPARE(bench.frames().count("W0200"), 6);
        QCOMPARE(bench.reporter.asked.size(), std::size_t(1));
        QVERIFY(bench.host.finishedWith(LinkMode::Write, true));
    }

    void lostAcknowledgementSendsTheBlockAgain() {
        LinkBench bench;
        bench.reporter.answers = {Answer::Ok};
        bench.radio.fault = Spoil("W0300", Fault::Silent, 2);
        QVERIFY(bench.engine->beginWrite());
        QCOMPARE(bench.run(), 2);
        QCOMPARE(bench.frames().count("W0300"), 3);
        QVERIFY(bench.host.finishedWith(LinkMode::Write, true));
    }

    void retryResumesAtTheFailedBlock() {
        LinkBench bench;
        AddChannel(*bench.codeplug);
        bench.reporter.answers = {Answer::Ok, Answer::Retry};
        bench.radio.fault = Spoil("W0500", Fault::Silent, 3);
        QVERIFY(bench.engine->beginWrite());
        bench.run();
        const QStringList frames = bench.frames();
        const qsizetype third = frames.lastIndexOf("W0500", frames.indexOf("END"));
        QCOMPARE(frames.mid(third, 7),
                 (QStringList{"W0500", "END", "PROGRAM", "ID", "R0040", "W0500", "W0510"}));
        QVERIFY(bench.host.finishedWith(LinkMode::Write, true));
        std::vector<int> written = bench.radio.writtenAddresses;
        std::sort(written.begin(), written.end());
        written.erase(std::unique(written.begin(), written.end()), written.end());
        QCOMPARE(written.size(), std::size_t(1008));
    }

    void identity_data() {
        QTest::addColumn<QByteArray>("model");
        QTest::addColumn<int>("radioBand");
        QTest::addColumn<int>("status");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("killed") << QByteArray("MERLAN") << 3 << 1 << false
                                << QStringList{"Radio is killed,can't be written!", "write failed"};
        QTest::newRow("stunned") << QByteArray("MERLAN") << 3 << 2 << false
                                 << QStringList{"Radio is fainted,can't be written!",
                                                "write failed"};
        QTest::newRow("band 4 against 3") << QByteArray("MERLAN") << 4 << 0 << false
                                          << QStringList{"Frequencys is wrong!", "write failed"};
        QTest::newRow("band 7 against 3")
            << QByteArray("MERLAN") << 7 << 0 << true << QStringList{"write ok"};
        QTest::newRow("model and band") << QByteArray("MEOTHER") << 4 << 0 << false
                                        << QStringList{"Model type is wrong. Overwrite?",
                                                       "Frequencys is wrong!", "write failed"};
    }
    void identity() {
        QFETCH(QByteArray, model);
        QFETCH(int, radioBand);
        QFETCH(int, status);
        QFETCH(bool, ok);
        QFETCH(QStringList, shown);
        LinkBench bench;
        bench.radio.model = model.toStdString();
        bench.radio.band = static_cast<std::uint8_t>(radioBand);
        bench.radio.statusBits = static_cast<std::uint8_t>(status);
        bench.reporter.answers = {Answer::Ok};
        QVERIFY(bench.engine->beginWrite());
        bench.run();
        QCOMPARE(bench.shown(), shown);
        QVERIFY(bench.host.finishedWith(LinkMode::Write, ok));
        if (!ok) {
            QCOMPARE(bench.frames(), (QStringList{"PROGRAM", "ID"}));
            QVERIFY(bench.radio.writtenAddresses.empty());
        }
    }

    void encodingFailureSendsNothing() {
        LinkBench bench;
        AddChannel(*bench.codeplug);
        bench.codeplug->channels.records[0].Number = 0;  // no such channel: cannot be encoded
        bench.reporter.answers = {Answer::Ok};
        QVERIFY(!bench.engine->beginWrite());
        QCOMPARE(bench.shown(), QStringList{"SetCommDataByFrequencyError"});
        QVERIFY(bench.port.sent.empty());
        QVERIFY(!bench.port.isOpen());
        QVERIFY(bench.engine->isIdle());
        QVERIFY(bench.host.events.empty());
    }

    void cablePulledMidWrite() {
        LinkBench bench;
        bench.reporter.answers = {Answer::Ok};
        bench.radio.fault = Spoil("W0300", Fault::CablePulled, 1);
        QVERIFY(bench.engine->beginWrite());
        QCOMPARE(bench.run(), 0);
        QCOMPARE(bench.frames().back(), QString("W0300"));
        QCOMPARE(bench.shown(), (QStringList{"port error", "write failed"}));
        QVERIFY(bench.host.finishedWith(LinkMode::Write, false));
        QVERIFY(!bench.port.isOpen());
    }

    void factoryWriteSendsTheTestDataFirst() {
        LinkBench bench(true);
        std::fill(bench.radio.memory.begin(), bench.radio.memory.begin() + 16, 0xAA);
        bench.testData.fill(0x11);
        bench.reporter.answers = {Answer::Ok};
        QVERIFY(bench.engine->beginWrite());
        QCOMPARE(bench.run(), 0);
        QCOMPARE(bench.frames().mid(0, 10),
                 (QStringList{"FALTORY", "ID", "R0040", "R0000", "W0000", "PROGRAM", "ID", "R0040",
                              "W0100", "W0110"}));
        QCOMPARE(bench.frames().size(), 8 + 1008 + 1);
        const auto& testFrame = bench.port.sent[4];
        const Bytes expected{0x57, 0x00, 0x00, 0x10, 0xAA, 0xAA, 0x11, 0x11, 0x11, 0x11, 0x11,
                             0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0xAA, 0xAA, 0x84, 0x06};
        QCOMPARE(testFrame.frame, expected);
        QCOMPARE(testFrame.threshold, std::size_t(23));
        QCOMPARE(bench.port.sent[0].threshold, std::size_t(10));
        const TestData merged{0xAA, 0xAA, 0x11, 0x11, 0x11, 0x11, 0x11, 0x11,
                              0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0xAA, 0xAA};
        QCOMPARE(bench.testData, merged);
        QVERIFY(std::equal(merged.begin(), merged.end(), bench.radio.memory.begin()));
        QVERIFY(bench.host.finishedWith(LinkMode::Write, true));
    }

    void factoryTestDataWriteUnansweredFails() {
        LinkBench bench(true);
        bench.testData.fill(0x11);
        bench.reporter.answers = {Answer::Ok};
        bench.radio.fault = Spoil("W0000", Fault::Silent, 1);
        QVERIFY(bench.engine->beginWrite());
        QCOMPARE(bench.run(), 1);
        QCOMPARE(bench.frames(), (QStringList{"FALTORY", "ID", "R0040", "R0000", "W0000"}));
        QCOMPARE(bench.shown(), QStringList{"write failed"});
        QVERIFY(std::all_of(bench.testData.begin(), bench.testData.end(),
                            [](std::uint8_t b) { return b == 0x11; }));
    }

    void factoryTestDataReadUnansweredAsks() {
        LinkBench bench(true);
        bench.reporter.answers = {Answer::Ok, Answer::Retry};
        bench.radio.fault = Spoil("R0000", Fault::Silent, 1);
        QVERIFY(bench.engine->beginWrite());
        bench.run();
        QCOMPARE(bench.reporter.asked.back(), std::string("retry?"));
        // The port is closed for the question and opened again for the retry, which starts
        // the factory connection again: the test data is not skipped.
        QCOMPARE(bench.port.opens.size(), std::size_t(2));
        QCOMPARE(bench.frames().mid(0, 11),
                 (QStringList{"FALTORY", "ID", "R0040", "R0000", "END", "FALTORY", "ID", "R0040",
                              "R0000", "W0000", "PROGRAM"}));
        QVERIFY(bench.host.finishedWith(LinkMode::Write, true));
    }

    void factoryOpenRepeatedAsFactoryOpen() {
        LinkBench bench(true);
        bench.reporter.answers = {Answer::Ok};
        bench.radio.fault = Spoil("FALTORY", Fault::Silent, 2);
        QVERIFY(bench.engine->beginWrite());
        QCOMPARE(bench.run(), 2);
        QCOMPARE(bench.frames().mid(0, 4), (QStringList{"FALTORY", "FALTORY", "FALTORY", "ID"}));
        QVERIFY(bench.frames().contains("W0000"));
        QVERIFY(bench.host.finishedWith(LinkMode::Write, true));
    }

    void factoryOpenLostThriceRetry() {
        LinkBench bench(true);
        bench.reporter.answers = {Answer::Ok, Answer::Retry};
        bench.radio.fault = Spoil("FALTORY", Fault::Silent, 3);
        QVERIFY(bench.engine->beginWrite());
        bench.run();
        QCOMPARE(bench.frames().mid(0, 6),
                 (QStringList{"FALTORY", "FALTORY", "FALTORY", "END", "FALTORY", "ID"}));
        QVERIFY(bench.frames().contains("W0000"));
        QVERIFY(bench.host.finishedWith(LinkMode::Write, true));
    }

    void endUnansweredAfterRetryAsksAgain() {
        LinkBench bench;
        bench.reporter.answers = {Answer::Ok, Answer::Retry, Answer::Retry, Answer::Cancel};
        bench.radio.fault = [](const Bytes& f, int seen) {
            if (Describe(f) == "W0100" && seen < 3) return Fault::Silent;
            return Describe(f) == "END" ? Fault::Silent : Fault::None;
        };
        QVERIFY(bench.engine->beginWrite());
        bench.run();
        QCOMPARE(bench.frames().mid(3), (QStringList{"W0100", "W0100", "W0100", "END", "END"}));
        QCOMPARE(bench.reporter.asked.size(), std::size_t(4));
        QCOMPARE(bench.shown(), QStringList{"write failed"});
    }
};

QTEST_APPLESS_MAIN(LinkWriteTest)
#include "test_link_write.moc"
