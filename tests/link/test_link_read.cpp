// Reads and information reads against a scripted radio: the exact frames, thresholds and
// waits, retries and time-outs, identity checks, serial errors and factory reads.
#include <QtTest>

#include "platform/built_in_texts.h"
#include "support/link/link_bench.h"

using namespace torvik;
using namespace torvik::test;

Q_DECLARE_METATYPE(torvik::test::Fault)

namespace {

// The frames of a complete read after the opening ones: every block 0x0010..0x3FF0, END.
QStringList AllReadBlocks(int from = 0x0010) {
    QStringList frames;
    for (int address = from; address <= 0x3FF0; address += 16) {
        frames << QString("R%1").arg(address, 4, 16, QChar('0')).toUpper();
    }
    return frames;
}

bool ImageHoldsRadio(const Codeplug& codeplug, const ScriptedRadio& radio, int first, int end) {
    for (int address = first; address < end; ++address) {
        if (codeplug.image.at(address) != radio.memory[address]) return false;
    }
    return true;
}

// A script that spoils the first `times` answers to one frame.
std::function<Fault(const Bytes&, int)> Spoil(QString frame, Fault fault, int times) {
    return [=](const Bytes& f, int seen) {
        return Describe(f) == frame && seen < times ? fault : Fault::None;
    };
}

int Count(const QStringList& frames, const QString& name) {
    return int(frames.count(name));
}

}  // namespace

class LinkReadTest : public QObject {
    Q_OBJECT

  private slots:
    void readRunsEveryStep() {
        LinkBench bench;
        bench.radio.band = 7;
        bench.reporter.answers = {Answer::Ok};
        QVERIFY(bench.engine->beginRead());
        QCOMPARE(bench.run(), 0);

        QCOMPARE(bench.frames(),
                 QStringList({"PROGRAM", "ID", "R0040"}) + AllReadBlocks() + QStringList{"END"});
        // Thresholds: echo plus the expected answer.
        const auto& sent = bench.port.sent;
        QCOMPARE(sent[0].threshold, std::size_t(10));
        QCOMPARE(sent[1].threshold, std::size_t(17));
        QCOMPARE(sent[2].threshold, std::size_t(26));
        QCOMPARE(sent[3].threshold, std::size_t(26));
        QCOMPARE(sent.back().threshold, std::size_t(4));
        QCOMPARE(sent[2].frame, (Bytes{0x52, 0x00, 0x40, 0x10}));
        QCOMPARE(sent[3].frame, (Bytes{0x52, 0x00, 0x10, 0x10}));
        QCOMPARE(sent[sent.size() - 2].frame, (Bytes{0x52, 0x3F, 0xF0, 0x10}));
        QCOMPARE(bench.timer.lastInterval(), 300);
        // Buffers are emptied before every frame.
        QCOMPARE(bench.port.clears, int(sent.size()));
        QCOMPARE(bench.port.opens.size(), std::size_t(1));
        QCOMPARE(bench.port.opens[0].line.text(), std::string("9600,N,8,1"));

        QCOMPARE(bench.reporter.asked, std::vector<std::string>{std::string(
                                           BuiltInText(TextId::ConfirmRead, Language::English))});
        QCOMPARE(bench.shown(), QStringList{"read ok"});
        QCOMPARE(bench.host.events,
                 (std::vector<std::string>{"save?", "open Read data from radio", "close",
                                           "read done", "finished 1 ok"}));
        QCOMPARE(bench.host.progress.front(), 0);
        QCOMPARE(bench.host.progress.back(), 100);
        QVERIFY(std::is_sorted(bench.host.progress.begin(), bench.host.progress.end()));
        QVERIFY(!bench.port.isOpen());
        QVERIFY(bench.engine->isIdle());

        // Every radio byte from 0x0010 on is in the codeplug, with the radio's band.
        QVERIFY(ImageHoldsRadio(*bench.codeplug, bench.radio, 0x10, 0x4000));
        QCOMPARE(bench.codeplug->image.at(0x0F), 0);
        QCOMPARE(bench.codeplug->band.code(), 7);
        QCOMPARE(bench.codeplug->identity.RadioModel, std::string("MERLAN"));
    }

    void infoReadReadsTheInformationBlocks() {
        LinkBench bench;
        QVERIFY(bench.engine->beginInfoRead());
        bench.run();
        QStringList blocks;
        for (int address = 0x10; address <= 0xF0; address += 16) {
            blocks << QString("R%1").arg(address, 4, 16, QChar('0')).toUpper();
        }
        QCOMPARE(bench.frames(),
                 QStringList({"PROGRAM", "ID", "R0040"}) + blocks + QStringList{"END"});
        QVERIFY(bench.reporter.asked.empty());
        QVERIFY(bench.reporter.shown.empty());
        QVERIFY(bench.host.progress.empty());
        QCOMPARE(bench.host.events, (std::vector<std::string>{"info done", "finished 3 ok"}));
        QVERIFY(ImageHoldsRadio(*bench.codeplug, bench.radio, 0x10, 0x100));
        QCOMPARE(bench.codeplug->image.at(0x100), 0);
    }

    void retries_data() {
        QTest::addColumn<QString>("frame");
        QTest::addColumn<Fault>("fault");
        QTest::addColumn<int>("times");
        QTest::addColumn<int>("sends");
        QTest::addColumn<int>("timeouts");
        QTest::newRow("open lost once") << "PROGRAM" << Fault::Silent << 1 << 2 << 1;
        QTest::newRow("identity lost twice") << "ID" << Fault::Silent << 2 << 3 << 2;
        // 0x0040 is read twice anyway: as the password block and as a block of the image.
        QTest::newRow("password block bad checksum")
            << "R0040" << Fault::BadChecksum << 1 << 3 << 1;
        QTest::newRow("block lost twice") << "R0100" << Fault::Silent << 2 << 3 << 2;
        QTest::newRow("block bad checksum") << "R0100" << Fault::BadChecksum << 1 << 2 << 1;
        QTest::newRow("block one byte too many") << "R0100" << Fault::ExtraByte << 1 << 2 << 1;
        QTest::newRow("block in two pieces") << "R0100" << Fault::Split << 5 << 1 << 0;
        QTest::newRow("identity in two pieces") << "ID" << Fault::Split << 5 << 1 << 0;
        QTest::newRow("END lost: still done") << "END" << Fault::Silent << 1 << 1 << 1;
    }
    void retries() {
        QFETCH(QString, frame);
        QFETCH(Fault, fault);
        QFETCH(int, times);
        QFETCH(int, sends);
        QFETCH(int, timeouts);
        LinkBench bench;
        bench.reporter.answers = {Answer::Ok};
        bench.radio.fault = Spoil(frame, fault, times);
        QVERIFY(bench.engine->beginRead());
        QCOMPARE(bench.run(), timeouts);
        QCOMPARE(Count(bench.frames(), frame), sends);
        QCOMPARE(bench.reporter.asked.size(), std::size_t(1));  // no Retry/Cancel question
        QVERIFY(bench.host.finishedWith(LinkMode::Read, true));
        QVERIFY(ImageHoldsRadio(*bench.codeplug, bench.radio, 0x10, 0x4000));
    }

    void retryResumesAtTheFailedBlock() {
        LinkBench bench;
        bench.reporter.answers = {Answer::Ok, Answer::Retry};
        bench.radio.fault = Spoil("R0100", Fault::Silent, 3);
        QVERIFY(bench.engine->beginRead());
        QCOMPARE(bench.run(), 3);
        QCOMPARE(bench.reporter.asked.back(), std::string("retry?"));
        const QStringList frames = bench.frames();
        const qsizetype third = frames.indexOf("R0100") + 2;
        QCOMPARE(frames.mid(third, 7),
                 (QStringList{"R0100", "END", "PROGRAM", "ID", "R0040", "R0100", "R0110"}));
        QVERIFY(bench.host.finishedWith(LinkMode::Read, true));
        QVERIFY(ImageHoldsRadio(*bench.codeplug, bench.radio, 0x10, 0x4000));
    }

    void retryAfterTheLastBlockStillReadsIt() {
        LinkBench bench;
        bench.reporter.answers = {Answer::Ok, Answer::Retry};
        bench.radio.fault = Spoil("R3FF0", Fault::BadChecksum, 3);
        QVERIFY(bench.engine->beginRead());
        bench.run();
        QCOMPARE(bench.frames().mid(bench.frames().size() - 7),
                 (QStringList{"R3FF0", "END", "PROGRAM", "ID", "R0040", "R3FF0", "END"}));
        QVERIFY(bench.host.finishedWith(LinkMode::Read, true));
        QVERIFY(ImageHoldsRadio(*bench.codeplug, bench.radio, 0x10, 0x4000));
    }

    void cancelLeavesTheCodeplugAlone() {
        LinkBench bench;
        bench.codeplug->channels.ChannelCount = 1;
        bench.codeplug->channels.records[0] = NewChannelRecord(1);
        const Codeplug before = *bench.codeplug;
        bench.reporter.answers = {Answer::Ok, Answer::Cancel};
        bench.radio.fault = Spoil("R2000", Fault::Silent, 3);
        QVERIFY(bench.engine->beginRead());
        bench.run();
        QCOMPARE(bench.frames().back(), QString("R2000"));
        QCOMPARE(bench.shown(), QStringList{"read failed"});
        QVERIFY(bench.host.finishedWith(LinkMode::Read, false));
        QVERIFY(!bench.host.progressOpen);
        QVERIFY(!bench.port.isOpen());
        QVERIFY(bench.codeplug->image == before.image);
        QVERIFY(bench.codeplug->channels == before.channels);
        QVERIFY(bench.codeplug->band == before.band);
    }

    void passwordBlockLostThriceAsks() {
        LinkBench bench;
        bench.reporter.answers = {Answer::Ok, Answer::Retry};
        bench.radio.fault = Spoil("R0040", Fault::Silent, 3);
        QVERIFY(bench.engine->beginRead());
        bench.run();
        QCOMPARE(bench.frames().mid(0, 9), (QStringList{"PROGRAM", "ID", "R0040", "R0040", "R0040",
                                                        "END", "PROGRAM", "ID", "R0040"}));
        QCOMPARE(bench.frames()[9], QString("R0010"));
        QVERIFY(bench.host.finishedWith(LinkMode::Read, true));
    }

    void cablePulledMidTransfer() {
        LinkBench bench;
        bench.codeplug->channels.ChannelCount = 1;
        bench.codeplug->channels.records[0] = NewChannelRecord(1);
        const Codeplug before = *bench.codeplug;
        bench.reporter.answers = {Answer::Ok};
        bench.radio.fault = Spoil("R0200", Fault::CablePulled, 1);
        QVERIFY(bench.engine->beginRead());
        QCOMPARE(bench.run(), 0);
        QCOMPARE(bench.frames().back(), QString("R0200"));
        QCOMPARE(bench.shown(), (QStringList{"port error", "read failed"}));
        QVERIFY(bench.host.finishedWith(LinkMode::Read, false));
        QVERIFY(!bench.port.isOpen());
        QVERIFY(!bench.timer.isActive());
        QVERIFY(bench.codeplug->image == before.image);
        QVERIFY(bench.codeplug->channels == before.channels);
    }

    void writeRefusedByTheDevice() {
        LinkBench bench;
        bench.reporter.answers = {Answer::Ok};
        bench.radio.fault = [&](const Bytes& frame, int) {
            if (Describe(frame) == "R0020") bench.port.failWrites = true;  // no error report
            return Fault::None;
        };
        QVERIFY(bench.engine->beginRead());
        bench.run();
        QCOMPARE(bench.frames().back(), QString("R0020"));
        QCOMPARE(bench.shown(), (QStringList{"port error", "read failed"}));
        QVERIFY(bench.host.finishedWith(LinkMode::Read, false));
    }

    void deviceGoneWhileAsking() {
        LinkBench bench;
        bench.reporter.answers = {Answer::Ok};
        bench.radio.fault = Spoil("R0030", Fault::Silent, 3);
        QVERIFY(bench.engine->beginRead());
        QCOMPARE(bench.runToQuestion(), 3);
        // The engine waits on the Retry/Cancel question: nothing out, no timer, no message.
        QVERIFY(bench.engine->questionOpen());
        QVERIFY(!bench.timer.isActive());
        QVERIFY(bench.reporter.shown.empty());
        // The device goes while the question is open: the question is void at once.
        bench.port.reportError();
        bench.port.deliverNext();
        QCOMPARE(bench.host.withdrawn, 1);
        QVERIFY(!bench.engine->questionOpen());
        QCOMPARE(bench.frames().back(), QString("R0030"));
        QCOMPARE(bench.shown(), (QStringList{"port error", "read failed"}));
        QVERIFY(bench.host.finishedWith(LinkMode::Read, false));
        // A late answer from the closed box changes nothing.
        bench.engine->answerRetry(true);
        QCOMPARE(bench.frames().back(), QString("R0030"));
        QVERIFY(bench.engine->isIdle());
    }

    void nothingHappensWhileTheQuestionIsOpen() {
        LinkBench bench;
        bench.reporter.answers = {Answer::Ok, Answer::Retry};
        bench.radio.fault = Spoil("R0030", Fault::Silent, 3);
        QVERIFY(bench.engine->beginRead());
        bench.runToQuestion();
        const std::size_t sent = bench.port.sent.size();
        // Stray bytes and a stray time-out while the person decides are not acted on.
        bench.port.arrive(Bytes{0x06});
        bench.port.deliverNext();
        QVERIFY(!bench.timer.expire());
        QCOMPARE(bench.port.sent.size(), sent);
        QVERIFY(bench.answerQuestion());
        bench.run();
        QVERIFY(bench.host.finishedWith(LinkMode::Read, true));
    }

    void identity_data() {
        QTest::addColumn<QByteArray>("model");
        QTest::addColumn<QByteArray>("version");
        QTest::addColumn<int>("status");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("other model")
            << QByteArray("MEOTHER") << QByteArray("V100") << 0
            << QStringList{"Model type is wrong. Overwrite?", "read failed"};
        QTest::newRow("other version")
            << QByteArray("MERLAN") << QByteArray("V101") << 0
            << QStringList{"Version is wrong. Overwrite?", "read failed"};
        QTest::newRow("zero inside version")
            << QByteArray("MERLAN")
            << QByteArray(
                   "V\0"
                   "10",
                   4)
            << 0 << QStringList{"Version is wrong. Overwrite?", "read failed"};
        QTest::newRow("killed radio is read")
            << QByteArray("MERLAN") << QByteArray("V100") << 1 << QStringList{"read ok"};
        QTest::newRow("stunned radio is read")
            << QByteArray("MERLAN") << QByteArray("V100") << 2 << QStringList{"read ok"};
    }
    void identity() {
        QFETCH(QByteArray, model);
        QFETCH(QByteArray, version);
        QFETCH(int, status);
        QFETCH(QStringList, shown);
        LinkBench bench;
        bench.radio.model = model.toStdString();
        bench.radio.version = version.toStdString();
        bench.radio.statusBits = static_cast<std::uint8_t>(status);
        bench.reporter.answers = {Answer::Ok};
        QVERIFY(bench.engine->beginRead());
        bench.run();
        QCOMPARE(bench.shown(), shown);
        if (shown.size() == 2) QCOMPARE(bench.frames(), (QStringList{"PROGRAM", "ID"}));
    }

    void featureBitsOnlySwitchOn() {
        LinkBench bench;
        bench.features.Has2Tone = 1;
        bench.radio.featureBits = 0xA0;  // 5-Tone and DTMF, not 2-Tone
        QVERIFY(bench.engine->beginInfoRead());
        bench.run();
        QCOMPARE(bench.features, (FeatureFlags{1, 1, 1, 0}));
        QCOMPARE(bench.host.featureUpdates.size(), std::size_t(1));
        QCOMPARE(bench.host.featureUpdates.back(), bench.features);
    }

    void bandByteOutOfTable() {
        LinkBench bench;
        bench.radio.band = 0x38;
        bench.reporter.answers = {Answer::Ok};
        QVERIFY(bench.engine->beginRead());
        bench.run();
        QCOMPARE(bench.codeplug->band.code(), 0x30);
    }

    void silentRadioInfoReadFailsWithoutAsking() {
        LinkBench bench;
        bench.radio.fault = [](const Bytes&, int) { return Fault::Silent; };
        QVERIFY(bench.engine->beginInfoRead());
        QCOMPARE(bench.run(), 3);
        QCOMPARE(bench.frames(), (QStringList{"PROGRAM", "PROGRAM", "PROGRAM"}));
        QVERIFY(bench.reporter.asked.empty());
        QCOMPARE(bench.shown(), QStringList{"info failed"});
        QVERIFY(bench.host.finishedWith(LinkMode::InfoRead, false));
    }

    void infoReadBlockLostThriceFails() {
        LinkBench bench;
        bench.radio.fault = Spoil("R0050", Fault::Silent, 3);
        QVERIFY(bench.engine->beginInfoRead());
        bench.run();
        QCOMPARE(Count(bench.frames(), "R0050"), 3);
        QVERIFY(bench.reporter.asked.empty());
        QCOMPARE(bench.shown(), QStringList{"info failed"});
        QCOMPARE(bench.codeplug->image.at(0x10), 0);
    }

    void portThatDoesNotOpen() {
        LinkBench bench;
        bench.port.canOpen = [](const PortId&, const LineSettings&) { return false; };
        bench.port.openFailureText = "Permission denied: join the group \"dialout\"";
        QVERIFY(!bench.engine->beginRead());
        QVERIFY(bench.engine->isIdle());
        QCOMPARE(bench.shown(), QStringList{"port error"});
        // The reason goes beside the message, for the person to act on.
        QCOMPARE(bench.reporter.shown.front().detail, bench.port.openFailureText);
        QVERIFY(bench.reporter.asked.empty());
        QVERIFY(bench.port.sent.empty());
        QVERIFY(!bench.engine->beginInfoRead());
    }

    void damagedPortSettings() {
        LinkBench bench;
        bench.settings.StopBits = 5;
        QVERIFY(!bench.engine->beginRead());
        QCOMPARE(bench.shown(), QStringList{"port error"});
        QVERIFY(bench.port.opens.empty());
    }

    void cancelBeforeStart() {
        LinkBench bench;
        bench.reporter.answers = {Answer::Cancel};
        QVERIFY(!bench.engine->beginRead());
        QVERIFY(bench.port.sent.empty());
        QVERIFY(!bench.port.isOpen());
        QVERIFY(bench.engine->isIdle());
        QCOMPARE(bench.host.events, std::vector<std::string>{"save?"});
    }

    void oneConnectionAtATime() {
        LinkBench bench;
        bench.reporter.answers = {Answer::Ok};
        QVERIFY(bench.engine->beginRead());
        QVERIFY(!bench.engine->beginRead());
        QVERIFY(!bench.engine->beginWrite());
        QVERIFY(!bench.engine->beginInfoRead());
        bench.run();
        QVERIFY(bench.host.finishedWith(LinkMode::Read, true));
    }

    void factoryReadTakesTheTestData() {
        LinkBench bench(true);
        bench.testData.fill(0x11);
        bench.reporter.answers = {Answer::Ok};
        QVERIFY(bench.engine->beginRead());
        bench.run();
        QCOMPARE(bench.frames().mid(0, 5),
                 (QStringList{"PROGRAM", "ID", "R0040", "R0000", "R0010"}));
        QCOMPARE(bench.port.sent[3].frame, (Bytes{0x52, 0x00, 0x00, 0x10}));
        QCOMPARE(bench.port.sent[3].threshold, std::size_t(26));
        QVERIFY(bench.host.finishedWith(LinkMode::Read, true));
        QVERIFY(
            std::equal(bench.testData.begin(), bench.testData.end(), bench.radio.memory.begin()));
    }

    void factoryReadWithoutTestDataFails() {
        LinkBench bench(true);
        bench.testData.fill(0x11);
        bench.reporter.answers = {Answer::Ok};
        bench.radio.fault = Spoil("R0000", Fault::Silent, 1);
        QVERIFY(bench.engine->beginRead());
        QCOMPARE(bench.run(), 1);
        QCOMPARE(bench.frames(), (QStringList{"PROGRAM", "ID", "R0040", "R0000"}));
        QCOMPARE(bench.shown(), QStringList{"read failed"});
        QVERIFY(std::all_of(bench.testData.begin(), bench.testData.end(),
                            [](std::uint8_t b) { return b == 0x11; }));
    }

    void failedFactoryReadKeepsTheTestData() {
        LinkBench bench(true);
        bench.testData.fill(0x11);
        bench.reporter.answers = {Answer::Ok, Answer::Cancel};
        bench.radio.fault = Spoil("R0800", Fault::Silent, 3);
        QVERIFY(bench.engine->beginRead());
        bench.run();
        QVERIFY(bench.host.finishedWith(LinkMode::Read, false));
        QVERIFY(std::all_of(bench.testData.begin(), bench.testData.end(),
                            [](std::uint8_t b) { return b == 0x11; }));
    }

    void factoryOpenLostAsksInsteadOfSearching() {
        LinkBench bench(true);
        bench.reporter.answers = {Answer::Ok, Answer::Cancel};
        bench.host.candidates = {PortId::Number(1), PortId::Number(2)};
        bench.radio.fault = [](const Bytes&, int) { return Fault::Silent; };
        QVERIFY(bench.engine->beginRead());
        bench.run();
        QCOMPARE(bench.frames(), (QStringList{"PROGRAM", "PROGRAM", "PROGRAM"}));
        QCOMPARE(bench.reporter.asked.back(), std::string("retry?"));
        QCOMPARE(bench.port.opens.size(), std::size_t(1));
        QCOMPARE(bench.shown(), QStringList{"read failed"});
    }
};

QTEST_APPLESS_MAIN(LinkReadTest)
#include "test_link_read.moc"
