// The channel editor over several channels: which fields are mixed, each edit given to every
// channel through its own rules, the channels that refuse a value, and what apply() stores
// (the fields an edit changed, nothing else, and nothing in a channel that refused).
#include <QtTest>
#include <functional>
#include <map>

#include "bulk_fixture.h"
#include "channel_edit/channel_bulk_edit.h"
#include "support/channel_compare.h"
#include "support/codeplug_fixtures.h"

using namespace torvik;

namespace {

using Names = std::vector<std::string_view>;

QString Str(std::string_view s) {
    return QString::fromLatin1(s.data(), qsizetype(s.size()));
}

FeatureFlags AllFeatures() {
    return {1, 1, 1, 0};
}

// One row of the table: the user's edits, the channels expected to refuse, and per channel
// the record fields apply() is expected to change (a channel not named changes nothing).
struct BulkCase {
    const char* name;
    std::function<void(ChannelBulkEditModel&)> edit;
    std::vector<int> refused;
    std::map<int, Names> changed;
};

const std::vector<BulkCase>& Cases() {
    static const std::vector<BulkCase> cases{
        {"a shared field",
         [](ChannelBulkEditModel& m) { m.setChoice(ChannelChoice::TxPower, 2); },
         {},
         {{1, {"TxPower"}}, {2, {"TxPower"}}, {5, {"TxPower"}}}},
        {"a mixed field",
         [](ChannelBulkEditModel& m) { m.setChoice(ChannelChoice::Bandwidth, 1); },
         {},
         {{1, {"Bandwidth"}}, {2, {"Bandwidth"}}, {5, {"Bandwidth"}}}},
        {"a mixed field set to one channel's value",
         [](ChannelBulkEditModel& m) { m.setChoice(ChannelChoice::Bandwidth, 2); },
         {},
         {{1, {"Bandwidth"}}, {5, {"Bandwidth"}}}},
        {"one name box",
         [](ChannelBulkEditModel& m) { m.setNameBox(0, "Z"); },
         {},
         {{1, {"Name"}}, {2, {"Name"}}, {5, {"Name"}}}},
        {"reverse, which switches talkaround off",
         [](ChannelBulkEditModel& m) { m.setCheck(ChannelCheck::Reverse, true); },
         {},
         {{1, {"Talkaround", "Reverse"}}, {2, {"Reverse"}}, {5, {"Reverse"}}}},
        {"the DTMF PTT-ID, which switches the 5-Tone one off",
         [](ChannelBulkEditModel& m) { m.setPttId(PttIdSystem::Dtmf, 1); },
         {},
         {{1, {"DtmfPttId"}}, {2, {"DtmfPttId", "FiveTonePttId"}}, {5, {"DtmfPttId"}}}},
        {"a tone type some channels have",
         [](ChannelBulkEditModel& m) { m.setToneType(ToneSide::Receive, kToneCtcss); },
         {},
         {{2, {"RxToneType"}}}},
        {"a squelch mode one channel does not offer",
         [](ChannelBulkEditModel& m) {
             m.setChoice(ChannelChoice::TxPower, 1);
             m.setChoice(ChannelChoice::Squelch, 4);
         },
         {2},
         {{1, {"TxPower"}}, {5, {"TxPower"}}}},
        {"the refused mode chosen again once the channel offers it",
         [](ChannelBulkEditModel& m) {
             m.setChoice(ChannelChoice::Squelch, 4);
             m.setToneType(ToneSide::Receive, kToneCtcss);
             m.setSignaling(1);  // DTMF
             m.setChoice(ChannelChoice::Squelch, 4);
         },
         {},
         {{2, {"RxToneType", "Signaling", "SquelchMode"}}}},
        {"the refused mode not chosen again",
         [](ChannelBulkEditModel& m) {
             m.setChoice(ChannelChoice::Squelch, 4);
             m.setToneType(ToneSide::Receive, kToneCtcss);
             m.setSignaling(1);
         },
         {2},
         {}},
    };
    return cases;
}

}  // namespace

class ChannelBulkEditTest : public QObject {
    Q_OBJECT

  private slots:
    void mixedAndSharedFields() {
        Codeplug c = test::BulkFixture();
        ChannelBulkEditModel m(c, AllFeatures(), test::kBulkSelection);
        QCOMPARE(m.rows(), (std::vector<int>{1, 2, 5}));  // row 3 holds no channel
        QVERIFY(!m.mixed(ChannelField::TxPower));
        QVERIFY(m.mixed(ChannelField::Bandwidth));
        QVERIFY(!m.mixed(NameBoxField(0)));  // "A" in all three
        QVERIFY(!m.mixed(NameBoxField(1)));
        QVERIFY(m.mixed(NameBoxField(2)));  // P or T
        QVERIFY(m.mixed(NameBoxField(4)));  // "A" or blank
        QVERIFY(!m.mixed(NameBoxField(6)));
        QVERIFY(m.mixed(ChannelField::Squelch));
        QVERIFY(m.mixed(ChannelField::Signaling));
        QVERIFY(m.mixed(ChannelField::Talkaround));
        QVERIFY(!m.mixed(ChannelField::Reverse));
        QVERIFY(!m.mixed(ChannelField::Step));  // 40 is outside the list: it shows the first step
        // A list that depends on a mixed field is not shown.
        QCOMPARE(m.visibleNumberList(), NumberList::None);
        QVERIFY(!m.showsCtcss(ToneSide::Receive));
        QCOMPARE(m.squelchChoices(), (std::vector<int>{0, 1, 2, 3, 4}));
        QVERIFY(m.enabled());

        m.setSignaling(1);
        QVERIFY(!m.mixed(ChannelField::Signaling));
        QCOMPARE(m.visibleNumberList(), NumberList::DtmfMemory);
        QVERIFY(m.mixed(ChannelField::DtmfMemory));  // M3, and M1 for the new one
        m.setToneType(ToneSide::Receive, kToneCtcss);
        QVERIFY(m.showsCtcss(ToneSide::Receive));
        QVERIFY(m.mixed(ChannelField::RxCtcss));
        QVERIFY(m.refusals().empty());
    }

    void changesGoToEveryChannelThroughItsRules_data() {
        QTest::addColumn<int>("row");
        for (std::size_t i = 0; i < Cases().size(); ++i) {
            QTest::newRow(Cases()[i].name) << int(i);
        }
    }
    void changesGoToEveryChannelThroughItsRules() {
        QFETCH(int, row);
        const BulkCase& test = Cases()[static_cast<std::size_t>(row)];
        Codeplug c = test::BulkFixture();
        const ChannelTable before = c.channels;
        ChannelBulkEditModel m(c, AllFeatures(), test::kBulkSelection);
        test.edit(m);
        QCOMPARE(m.refusedRows(), test.refused);
        QCOMPARE(test::TableDifference(c.channels, before), QString());  // nothing before apply
        m.apply();
        QCOMPARE(int(c.channels.ChannelCount), int(before.ChannelCount));
        for (const int number : {1, 2, 5}) {
            const auto expected = test.changed.find(number);
            const Names changed =
                ChangedFields(kChannelRecordFields, *before.find(number), *c.channels.find(number));
            QCOMPARE(changed, expected == test.changed.end() ? Names{} : expected->second);
        }
    }

    void refusalsNameTheFieldAndTheChannels() {
        Codeplug c = test::BulkFixture();
        ChannelBulkEditModel m(c, AllFeatures(), test::kBulkSelection);
        m.setChoice(ChannelChoice::Squelch, 4);
        // The value chosen shows, though one channel refused it, so that the next step
        // through the list starts from it.
        QVERIFY(!m.mixed(ChannelField::Squelch));
        QCOMPARE(m.value(ChannelField::Squelch), 4);
        m.setChoice(ChannelChoice::Bandwidth, 0);
        const std::vector<ChannelFieldRefusal> refusals = m.refusals();
        QCOMPARE(refusals.size(), std::size_t(1));
        QCOMPARE(refusals[0].field, ChannelField::Squelch);
        QCOMPARE(refusals[0].rows, std::vector<int>{2});
        // A mode every channel offers mends it.
        m.setChoice(ChannelChoice::Squelch, 0);
        QVERIFY(m.refusals().empty());
    }

    void namesTakeOnlyTheBoxTyped() {
        Codeplug c = test::BulkFixture();
        ChannelBulkEditModel m(c, AllFeatures(), test::kBulkSelection);
        m.setNameBox(1, "Z");
        m.setNameBox(3, "");    // "H" and "O" blank
        m.setNameBox(5, "\\");  // refused by the box's character rule: nothing happens
        QVERIFY(m.refusals().empty());
        m.apply();
        QCOMPARE(Str(c.channels.find(1)->Name.raw()), QString("AZP A  "));
        QCOMPARE(Str(c.channels.find(2)->Name.raw()), QString("AZT    "));
    }

    void noEditChangesNothing() {
        Codeplug c = test::BulkFixture();
        const ChannelTable before = c.channels;
        ChannelBulkEditModel m(c, AllFeatures(), test::kBulkSelection);
        m.apply();
        QCOMPARE(test::TableDifference(c.channels, before), QString());
    }

    void valuesOutsideTheListsAreIgnored() {
        Codeplug c = test::BulkFixture();
        const ChannelTable before = c.channels;
        ChannelBulkEditModel m(c, AllFeatures(), test::kBulkSelection);
        m.setChoice(ChannelChoice::TxPower, 3);
        m.setChoice(ChannelChoice::Squelch, 5);
        m.setSignaling(-1);
        m.setToneType(ToneSide::Transmit, 3);
        m.setPttId(PttIdSystem::FiveTone, 4);
        QVERIFY(m.refusals().empty());
        m.apply();
        QCOMPARE(test::TableDifference(c.channels, before), QString());
    }

    void rowsWithoutAChannelAreNotEdited() {
        Codeplug c = test::BulkFixture();
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument,
                                 ChannelBulkEditModel(c, AllFeatures(), {3, 4, 200}));
        ChannelBulkEditModel m(c, AllFeatures(), {3, 5});
        m.setChoice(ChannelChoice::TxPower, 2);
        m.apply();
        QVERIFY(!ChannelExists(c.channels, 3));
        QCOMPARE(int(c.channels.find(5)->TxPower), 2);
        QCOMPARE(int(c.channels.find(1)->TxPower), 0);
    }
};

QTEST_MAIN(ChannelBulkEditTest)
#include "test_channel_bulk_edit.moc"
