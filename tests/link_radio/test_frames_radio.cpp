// Protocol frames and the virtual radio that answers them.
#include <QtTest>

#include "link/frames.h"
#include "link/virtual_radio.h"

using namespace torvik;

namespace {

QByteArray Q(std::span<const std::uint8_t> bytes) {
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<int>(bytes.size()));
}

Bytes B(const QByteArray& bytes) {
    return Bytes(bytes.begin(), bytes.end());
}

// All the radio sends back for `input`, pieces joined.
QByteArray Exchange(VirtualRadio& radio, const QByteArray& input) {
    QByteArray out;
    const Bytes in = B(input);
    for (const RadioOutput& piece : radio.receive(in)) out += Q(piece.bytes);
    return out;
}

VirtualRadio::Memory Pattern() {
    VirtualRadio::Memory memory{};
    for (std::size_t i = 0; i < memory.size(); ++i) memory[i] = static_cast<std::uint8_t>(i * 7);
    return memory;
}

}  // namespace

class FramesRadioTest : public QObject {
    Q_OBJECT

  private slots:
    void dataFrames() {
        const std::array<std::uint8_t, 16> data{1, 2,  3,  4,  5,  6,  7,  8,
                                                9, 10, 11, 12, 13, 14, 15, 0xF0};
        const Bytes frame = DataFrame(0x3FF0, data);
        // Checksum: 0x3F + 0xF0 + 0x10 + (1 + .. + 15) + 0xF0 = 0x2A7, low byte 0xA7.
        QCOMPARE(Q(frame), QByteArray::fromHex("573FF010"
                                               "0102030405060708090A0B0C0D0E0FF0"
                                               "A706"));
        QCOMPARE(Q(ReadRequestFrame(0x0040)), QByteArray::fromHex("52004010"));

        const auto parsed = ParseDataFrame(frame);
        QVERIFY(parsed.has_value());
        QCOMPARE(parsed->address, 0x3FF0);
        QCOMPARE(Q(parsed->data), Q(data));

        Bytes bad = frame;
        bad[20] ^= 1;  // checksum
        QVERIFY(!ParseDataFrame(bad));
        bad = frame;
        bad.back() = 0x0A;  // trailer
        QVERIFY(!ParseDataFrame(bad));
        bad = frame;
        bad.push_back(0);  // one byte too many
        QVERIFY(!ParseDataFrame(bad));
    }

    void identityBlock_data() {
        QTest::addColumn<QByteArray>("block");
        QTest::addColumn<QString>("model");
        QTest::addColumn<QString>("version");
        QTest::addColumn<int>("band");
        QTest::newRow("plain") << QByteArray::fromHex(
                                      "494D45524C414E00"
                                      "03"
                                      "56313030"
                                      "E0"
                                      "00"
                                      "06")
                               << "MERLAN"
                               << "V100" << 3;
        QTest::newRow("zero inside version is skipped") << QByteArray::fromHex(
                                                               "494D45524C414E00"
                                                               "30"
                                                               "56003130"
                                                               "00"
                                                               "00"
                                                               "06")
                                                        << "MERLAN"
                                                        << "V10" << 48;
        QTest::newRow("band 0x0F is 48, model ends at FF") << QByteArray::fromHex(
                                                                  "494D45FF4C414E00"
                                                                  "0F"
                                                                  "56313030"
                                                                  "00"
                                                                  "03"
                                                                  "06")
                                                           << "ME"
                                                           << "V100" << 48;
        QTest::newRow("band 0x38 is 48") << QByteArray::fromHex(
                                                "494D45524C414E00"
                                                "38"
                                                "56313030"
                                                "00"
                                                "00"
                                                "06")
                                         << "MERLAN"
                                         << "V100" << 48;
    }
    void identityBlock() {
        QFETCH(QByteArray, block);
        QFETCH(QString, model);
        QFETCH(QString, version);
        QFETCH(int, band);
        const auto reply = ParseIdentityBlock(B(block));
        QVERIFY(reply.has_value());
        QCOMPARE(QString::fromStdString(reply->model), model);
        QCOMPARE(QString::fromStdString(reply->version), version);
        QCOMPARE(reply->bandCode, band);
        QVERIFY(!ParseIdentityBlock(B(block.left(15))));
        QByteArray noTag = block;
        noTag[0] = 'J';
        QVERIFY(!ParseIdentityBlock(B(noTag)));
    }

    void featureBitsOnlyRaise() {
        FeatureFlags flags{0, 1, 0, 0};
        ApplyFeatureBits(flags, 0xA0);
        QCOMPARE(flags, (FeatureFlags{1, 1, 1, 0}));
        ApplyFeatureBits(flags, 0x00);
        QCOMPARE(flags, (FeatureFlags{1, 1, 1, 0}));
    }

    void radioPassword_data() {
        QTest::addColumn<QByteArray>("bytes");  // block bytes 12..15
        QTest::addColumn<QString>("password");
        QTest::newRow("none, FF") << QByteArray::fromHex("FFFFFFFF") << "";
        QTest::newRow("none, 00") << QByteArray::fromHex("00000000") << "";
        QTest::newRow("12") << QByteArray("12\xFF\xFF", 4) << "12";
        QTest::newRow("stops at 00") << QByteArray(
                                            "1\0"
                                            "23",
                                            4)
                                     << "1";
        QTest::newRow("trailing blank trimmed") << QByteArray("ab  ") << "ab";
    }
    void radioPassword() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, password);
        Bytes block(16, 0x55);
        std::copy(bytes.begin(), bytes.end(), block.begin() + 12);
        QCOMPARE(QString::fromStdString(RadioPassword(block)), password);
    }

    void radioAnswersASession() {
        VirtualRadio radio({}, Pattern());
        radio.setPassword("12");
        QCOMPARE(Exchange(radio, QByteArray::fromHex("52001010")),
                 QByteArray::fromHex("52001010"));  // no session
        QCOMPARE(Exchange(radio, "PROGRAM"), QByteArray("PROGRAMME\x06"));
        const QByteArray identity = Exchange(radio, "\x02").mid(1);
        QCOMPARE(identity.size(), 16);
        QCOMPARE(identity.mid(1, 7), QByteArray("MERLAN\0", 7));
        QCOMPARE(identity.at(8), char(3));

        const QByteArray password = Exchange(radio, QByteArray::fromHex("52004010")).mid(4);
        const auto block = ParseDataFrame(B(password));
        QVERIFY(block.has_value());
        QCOMPARE(QString::fromStdString(RadioPassword(block->data)), QString("12"));

        const std::array<std::uint8_t, 16> data{};
        const Bytes frame = DataFrame(0x0100, data);
        QCOMPARE(Exchange(radio, Q(frame)), Q(frame) + "\x06");
        QVERIFY(radio.takeMemoryChanged());
        QCOMPARE(radio.memory()[0x0100], 0);
        Bytes spoiled = frame;
        spoiled[20] ^= 1;
        QCOMPARE(Exchange(radio, Q(spoiled)), Q(spoiled) + "\x0A");
        QCOMPARE(Exchange(radio, "END"), QByteArray("END\x06"));
    }

    void radioFaults() {
        VirtualRadioConfig config;
        config.dropEveryNth = 2;
        config.splitReplies = true;
        VirtualRadio radio(config, Pattern());
        const auto pieces = radio.receive(B("PROGRAM"));
        QCOMPARE(pieces.size(), 3u);  // echo, then the reply in two pieces
        QCOMPARE(Q(pieces[1].bytes) + Q(pieces[2].bytes), QByteArray("ME\x06"));
        QCOMPARE(Exchange(radio, "\x02"), QByteArray("\x02"));  // the second reply is dropped

        VirtualRadioConfig silent;
        silent.silentAfterBlocks = 1;
        silent.corruptEveryNth = 1;
        VirtualRadio quiet(silent, Pattern());
        Exchange(quiet, "PROGRAM");
        const QByteArray first = Exchange(quiet, QByteArray::fromHex("52001010")).mid(4);
        QVERIFY(!ParseDataFrame(B(first)));  // checksum spoiled
        QCOMPARE(Exchange(quiet, QByteArray::fromHex("52002010")), QByteArray::fromHex("52002010"));
    }
};

QTEST_APPLESS_MAIN(FramesRadioTest)
#include "test_frames_radio.moc"
