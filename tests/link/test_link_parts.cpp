// The link's small parts: line settings, connection bounds, progress rounding, the password
// comparison and the order of the settings search.
#include <QtTest>

#include "link/link_state.h"
#include "link/password.h"
#include "link/port_settings.h"
#include "link/settings_search.h"
#include "platform/built_in_texts.h"

using namespace torvik;

Q_DECLARE_METATYPE(std::vector<std::uint8_t>)

class LinkPartsTest : public QObject {
    Q_OBJECT

  private slots:
    void lineSettings() {
        const auto line = LineSettingsFor({PortId::Number(3), 2, 2});
        QVERIFY(line.has_value());
        QCOMPARE(line->text(), std::string("9600,N,8,2"));
        QCOMPARE(line->handshake, Handshake::RtsCts);
        QCOMPARE(line->dataBits, 8);
        QVERIFY(!LineSettingsFor({PortId::Number(3), 0, 3}));
        QVERIFY(!LineSettingsFor({PortId::Number(3), 4, 1}));
        QVERIFY(!LineSettingsFor({PortId::Number(3), -1, 1}));
        QVERIFY(!LineSettingsFor({PortId(), 0, 1}));
        QVERIFY(LineSettingsFor({PortId::Device("/dev/pts/7"), 3, 1}).has_value());
    }

    void portIds() {
        QCOMPARE(PortId::Number(12).displayName(), std::string("COM12"));
        QCOMPARE(PortId::Device("/dev/ttyUSB0").displayName(), std::string("/dev/ttyUSB0"));
        QVERIFY(PortId().isNone());
        QVERIFY(PortId::Device("/dev/ttyS0").isDevice());
        QCOMPARE(PortId::Device("/dev/ttyS0").number(), 0);
        QVERIFY(PortId::Number(2) != PortId::Number(3));
    }

    void bounds_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("end");
        QTest::addColumn<int>("blocks");
        QTest::newRow("read") << 1 << 0x0010 << 0x3FF0 << 1023;
        QTest::newRow("write") << 2 << 0x0100 << 0x3FF0 << 1008;
        QTest::newRow("info") << 3 << 0x0010 << 0x00FF << 15;
    }
    void bounds() {
        QFETCH(int, mode);
        QFETCH(int, start);
        QFETCH(int, end);
        QFETCH(int, blocks);
        LinkState state;
        state.Mode = static_cast<LinkMode>(mode);
        ConnectionBounds b;
        QVERIFY(BoundsFor(state.Mode, b));
        QCOMPARE(b.StartAddress, start);
        QCOMPARE(b.EndAddress, end);
        state.StartAddress = b.StartAddress;
        state.EndAddress = b.EndAddress;
        state.ProgramRetries = 0;
        ResetRetries(state);
        QCOMPARE(state.RetryTable.size(), std::size_t(blocks));
        QCOMPARE(state.ProgramRetries, 3);
        QCOMPARE(state.IdentityRetries, 3);
        QCOMPARE(state.PasswordRetries, 3);
        QCOMPARE(state.RetryTable.back(), 3);
    }

    void noBoundsOutsideTransfers() {
        ConnectionBounds b;
        QVERIFY(!BoundsFor(LinkMode::Idle, b));
        QVERIFY(!BoundsFor(LinkMode::Search, b));
    }

    void progress_data() {
        QTest::addColumn<int>("block");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("end");
        QTest::addColumn<int>("percent");
        QTest::newRow("read first") << 0x0010 << 0x0010 << 0x3FF0 << 0;
        QTest::newRow("read middle") << 0x2000 << 0x0010 << 0x3FF0 << 50;
        QTest::newRow("read last") << 0x3FF0 << 0x0010 << 0x3FF0 << 100;
        QTest::newRow("write first") << 0x0100 << 0x0100 << 0x3FF0 << 0;
        QTest::newRow("write last") << 0x3FF0 << 0x0100 << 0x3FF0 << 100;
        // Halves go to the even neighbour: 0.5 -> 0, 1.5 -> 2, 2.5 -> 2.
        QTest::newRow("half to 0") << 1 << 0 << 184 << 0;
        QTest::newRow("half to 2") << 3 << 0 << 184 << 2;
        QTest::newRow("2.5 to 2") << 5 << 0 << 184 << 2;
        QTest::newRow("above half") << 6 << 0 << 184 << 3;
    }
    void progress() {
        QFETCH(int, block);
        QFETCH(int, start);
        QFETCH(int, end);
        QFETCH(int, percent);
        QCOMPARE(int(ProgressPercent(block, start, end, 16)), percent);
    }

    void password_data() {
        QTest::addColumn<std::vector<std::uint8_t>>("bytes");  // image 0x4C..0x4F
        QTest::addColumn<QString>("session");
        QTest::addColumn<bool>("match");
        using B = std::vector<std::uint8_t>;
        QTest::newRow("none, FF") << B{0xFF, 0xFF, 0xFF, 0xFF} << "" << true;
        QTest::newRow("none, 00") << B{0x00, 0x31, 0x32, 0x33} << "" << true;
        QTest::newRow("none vs typed") << B{0xFF, 0xFF, 0xFF, 0xFF} << "12" << false;
        QTest::newRow("12") << B{'1', '2', 0xFF, 0xFF} << "12" << true;
        QTest::newRow("12 vs 123") << B{'1', '2', 0xFF, 0xFF} << "123" << false;
        QTest::newRow("12 vs ' 12'") << B{'1', '2', 0xFF, 0xFF} << " 12" << false;
        QTest::newRow("cut at 00") << B{'1', 0x00, '2', '3'} << "1" << true;
        QTest::newRow("case") << B{'a', 'b', 0x00, 0x00} << "AB" << false;
        QTest::newRow("four") << B{'a', 'b', 'c', 'd'} << "abcd" << true;
    }
    void password() {
        QFETCH(std::vector<std::uint8_t>, bytes);
        QFETCH(QString, session);
        QFETCH(bool, match);
        std::vector<std::uint8_t> block(16, 0x55);
        std::copy(bytes.begin(), bytes.end(), block.begin() + 12);
        QCOMPARE(PasswordMatches(block, AcceptTypedPassword(session.toStdString())), match);
    }

    void typedPassword() {
        QCOMPARE(AcceptTypedPassword("12 "), std::string("12"));
        QCOMPARE(AcceptTypedPassword("12345"), std::string("1234"));
        QCOMPARE(AcceptTypedPassword(std::string_view("1\0"
                                                      "2",
                                                      3)),
                 std::string("1"));
        QCOMPARE(AcceptTypedPassword(""), std::string());
        const std::vector<std::uint8_t> tooShort(8, 0xFF);
        QVERIFY(!PasswordMatches(tooShort, ""));
    }

    void searchOrder() {
        SettingsSearch search;
        search.begin(LinkMode::Read, "caption", {PortId::Number(4), PortId::Number(9)});
        QStringList tried;
        auto open = [&](const PortSettings& s) {
            tried << QString("%1/%2/%3").arg(s.port.number()).arg(s.HandshakeMode).arg(s.StopBits);
            return true;
        };
        QVERIFY(search.next(false, open));
        while (search.next(true, open)) {
        }
        QCOMPARE(tried, (QStringList{"4/0/1", "4/1/1", "4/2/1", "4/3/1", "4/0/2", "4/1/2", "4/2/2",
                                     "4/3/2", "9/0/1", "9/1/1", "9/2/1", "9/3/1", "9/0/2", "9/1/2",
                                     "9/2/2", "9/3/2"}));
        QCOMPARE(search.savedMode(), LinkMode::Read);
        QCOMPARE(search.savedCaption(), std::string("caption"));
        QVERIFY(!search.next(true, open));
    }

    void searchSkipsPortsThatDoNotOpen() {
        SettingsSearch search;
        search.begin(LinkMode::Write, {},
                     {PortId::Number(1), PortId::Number(2), PortId::Number(3)});
        QStringList tried;
        auto open = [&](const PortSettings& s) {
            tried << QString("%1/%2/%3").arg(s.port.number()).arg(s.HandshakeMode).arg(s.StopBits);
            return s.port.number() == 2;
        };
        const auto first = search.next(false, open);
        QVERIFY(first);
        QCOMPARE(first->port, PortId::Number(2));
        QCOMPARE(tried, (QStringList{"1/0/1", "2/0/1"}));
        // A port that opened once but refuses a later variant is left with all its variants.
        tried.clear();
        auto refuse = [&](const PortSettings& s) {
            tried << QString("%1/%2/%3").arg(s.port.number()).arg(s.HandshakeMode).arg(s.StopBits);
            return false;
        };
        QVERIFY(!search.next(true, refuse));
        QCOMPARE(tried, (QStringList{"2/1/1", "3/0/1"}));
    }

    void searchFallbackIsTheFirst() {
        SettingsSearch search;
        search.begin(LinkMode::Read, {}, {PortId::Number(1), PortId::Number(2)});
        auto open = [](const PortSettings&) { return true; };
        QVERIFY(search.next(false, open));
        QVERIFY(search.next(true, open));
        QVERIFY(!search.fallback());
        search.noteOtherModel();  // port 1, handshake 1, stop bits 1
        for (int i = 0; i < 8; ++i) QVERIFY(search.next(true, open));
        search.noteOtherModel();
        QCOMPARE(*search.fallback(), (PortSettings{PortId::Number(1), 1, 1}));
    }

    void searchCandidateLists() {
        const std::vector<PortId> fixed = FixedSearchPorts();
        QCOMPARE(fixed.size(), std::size_t(16));
        QCOMPARE(fixed.front(), PortId::Number(1));
        QCOMPARE(fixed.back(), PortId::Number(16));
        SettingsSearch search;
        std::vector<PortId> many;
        for (int i = 1; i <= 300; ++i) many.push_back(PortId::Number(i));
        search.begin(LinkMode::Read, {}, many);
        int last = 0;
        auto openLast = [&](const PortSettings& s) {
            last = s.port.number();
            return false;
        };
        QVERIFY(!search.next(false, openLast));
        QCOMPARE(last, 256);
        SettingsSearch none;
        none.begin(LinkMode::Read, {}, {});
        QVERIFY(!none.hasCandidates());
        QVERIFY(!none.next(false, openLast));
        QCOMPARE(QString::fromUtf8(BuiltInText(TextId::SettingsSearch, Language::English).data()),
                 QString("Search for communication setting,please wait for a few minutes..."));
    }
};

QTEST_APPLESS_MAIN(LinkPartsTest)
#include "test_link_parts.moc"
