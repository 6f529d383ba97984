// The rules the option, emergency and scan editors apply: row coupling, the channel and
// ID-code choices, the revert list, the time texts and the message and password forms.
#include <QtTest>

#include "functions/emergency/emergency_rules.h"
#include "functions/options/option_codec.h"
#include "functions/options/option_rules.h"
#include "functions/scan/scan_rules.h"
#include "support/codeplug_fixtures.h"
#include "support/image_bytes.h"
#include "support/recording_reporter.h"

using namespace torvik;
using namespace torvik::test;

class FunctionRulesTest : public QObject {
    Q_OBJECT

  private slots:
    void displayModeCoupling_data() {
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("workMode");
        QTest::addColumn<int>("channelDisplayExtra");
        QTest::addColumn<bool>("workModeEnabled");
        QTest::addColumn<bool>("channelDisplayExtraShown");
        QTest::newRow("0") << 0 << 0 << 0 << true << false;
        QTest::newRow("1 keeps the extra") << 1 << 1 << 1 << false << true;
        QTest::newRow("2") << 2 << 1 << 0 << true << false;
    }
    void displayModeCoupling() {
        QFETCH(int, position);
        QFETCH(int, workMode);
        QFETCH(int, channelDisplayExtra);
        QFETCH(bool, workModeEnabled);
        QFETCH(bool, channelDisplayExtraShown);
        OptionSettings o;
        o.workMode = 0;
        o.channelDisplayExtra = 1;
        ApplyDisplayMode(o, position);
        QCOMPARE(int(o.displayMode), position);
        QCOMPARE(int(o.workMode), workMode);
        QCOMPARE(int(o.channelDisplayExtra), channelDisplayExtra);
        QCOMPARE(WorkModeEnabled(o), workModeEnabled);
        QCOMPARE(ChannelDisplayExtraShown(o), channelDisplayExtraShown);
    }

    void optionChannels() {
        const auto choices = OptionChannelChoices(TableOf({203, 202, 12, 1, 201}));
        const std::vector<OptionChannelChoice> expected{
            {"0", 0}, {"11", 11}, {"PA", 200}, {"PB", 201}};
        QVERIFY(choices == expected);
        QCOMPARE(OptionChannelPosition(choices, 200), 2);
        QCOMPARE(OptionChannelPosition(choices, 5), 0);
        QVERIFY(OptionChannelChoices(TableOf({203})) ==
                (std::vector<OptionChannelChoice>{{"0", 0}}));
    }

    // Boxes 0, 1, 4 and 5 filled, 2, 3 and 6 empty: the radio gets two letters, two
    // blanks, two letters and one 0x00.
    void welcomeBoxes() {
        OptionSettings o;
        o.welcomeMessage = WelcomeMessageFromBoxes(std::string_view("AB\0\0CD\0", 7));
        QCOMPARE(o.welcomeMessage.text(), std::string("AB  CD"));
        QCOMPARE(WelcomeMessageBoxes(o), std::string("AB  CD "));
        RadioImage image = Prefilled();
        PackOptions(o, 0, {}, image);
        QCOMPARE(Bytes(image, 992, 7), QByteArray::fromHex("41422020434400"));

        o.welcomeMessage = WelcomeMessageFromBoxes("");
        QCOMPARE(WelcomeMessageBoxes(o), std::string(7, ' '));
    }

    void password() {
        OptionSettings o;
        o.powerOnPassword = PowerOnPasswordFromText("12");
        QCOMPARE(o.powerOnPassword.raw(), std::string_view("12\0   ", 6));
        RadioImage image = Prefilled();
        PackOptions(o, 0, {}, image);
        QCOMPARE(Bytes(image, 528, 6), QByteArray::fromHex("313200000000"));
        QCOMPARE(PowerOnPasswordFromText("123456").raw(), std::string_view("123456"));
    }

    void keyFilters() {
        QVERIFY(IsWelcomeMessageChar(' '));
        QVERIFY(IsWelcomeMessageChar('z'));
        QVERIFY(!IsWelcomeMessageChar('\\'));
        QVERIFY(!IsWelcomeMessageChar('~'));
        QVERIFY(!IsWelcomeMessageChar(127));
        QVERIFY(!IsWelcomeMessageChar(0xC9));
        QVERIFY(IsPasswordChar('0'));
        QVERIFY(!IsPasswordChar('a'));
    }

    void idCodes() {
        std::array<std::int16_t, 16> lengths{};
        lengths[2] = 4;
        lengths[6] = 1;
        QCOMPARE(DtmfIdCodeChoices(lengths), (std::vector<int>{2, 6}));
        QCOMPARE(DtmfIdCodeText(2), std::string("M3"));
        QCOMPARE(DtmfIdCodeText(15), std::string("M16"));

        std::array<bool, 100> inUse{};
        QCOMPARE(FiveToneIdCodeChoices(inUse), std::vector<int>{0});
        inUse[4] = inUse[99] = true;
        QCOMPARE(FiveToneIdCodeChoices(inUse), (std::vector<int>{4, 99}));
    }

    void revertChoices_data() {
        QTest::addColumn<int>("priority");
        QTest::addColumn<QList<int>>("offered");
        QTest::newRow("none") << 0 << QList<int>{0, 1, 4, 5};
        QTest::newRow("priority 1") << 1 << QList<int>{0, 1, 2, 4, 5, 6};
        QTest::newRow("priority 2") << 2 << QList<int>{0, 1, 3, 4, 5, 7};
        QTest::newRow("both") << 3 << QList<int>{0, 1, 2, 3, 4, 5, 6, 7};
    }
    void revertChoices() {
        QFETCH(int, priority);
        QFETCH(QList<int>, offered);
        const std::vector<int> got = RevertChoicesFor(priority);
        QCOMPARE(QList<int>(got.begin(), got.end()), offered);
    }

    void reselectRevert() {
        QCOMPARE(RevertChoicesFor(0)[2], 4);  // the third entry offered without priority
        QCOMPARE(ReselectRevert(0, 6), 0);
        QCOMPARE(ReselectRevert(3, 6), 6);
        QCOMPARE(ReselectRevert(1, 7), 0);
        QCOMPARE(ReselectRevert(2, 7), 7);
    }

    void revertTexts() {
        RecordingReporter texts;
        texts.texts = {{2403, "Pri"},      {2430, "Off"},  {2432, "Selected"},
                       {2433, "Talkback"}, {2434, "Last"}, {2435, "Last used"}};
        const auto list = FullRevertList(texts);
        QCOMPARE(list[0], std::string("Selected"));
        QCOMPARE(list[1], std::string("Selected + Talkback"));
        QCOMPARE(list[2], std::string("Pri1"));
        QCOMPARE(list[3], std::string("Pri2"));
        QCOMPARE(list[4], std::string("Last"));
        QCOMPARE(list[5], std::string("Last used"));
        QCOMPARE(list[6], std::string("Pri1 + Talkback"));
        QCOMPARE(list[7], std::string("Pri2 + Talkback"));
        QCOMPARE(PriorityModeList(texts),
                 (std::vector<std::string>{"Off", "Pri1", "Pri2", "Pri1 + Pri2"}));
    }

    void timeTexts() {
        QCOMPARE(ScanBackTimeText(0), std::string("0.5"));
        QCOMPARE(ScanBackTimeText(5), std::string("1.0"));
        QCOMPARE(ScanBackTimeText(kScanBackTimeEntries - 1), std::string("5.0"));
        QCOMPARE(ResumeDelayText(0), std::string("0.1"));
        QCOMPARE(ResumeDelayText(kResumeDelayEntries - 1), std::string("5.0"));
        QCOMPARE(WaitTimeText(10), std::string("250"));
        QCOMPARE(WaitTimeText(kWaitTimeFirst), std::string("50"));
        QCOMPARE(WaitTimeText(kWaitTimeLast), std::string("6375"));
    }

    void enabling() {
        QVERIFY(ScanEnabling(0, 3) == (ScanControlsEnabled{false, false, false}));
        QVERIFY(ScanEnabling(1, 0) == (ScanControlsEnabled{true, false, false}));
        QVERIFY(ScanEnabling(1, 1) == (ScanControlsEnabled{true, true, false}));
        QVERIFY(ScanEnabling(1, 2) == (ScanControlsEnabled{true, false, true}));
        QVERIFY(ScanEnabling(1, 3) == (ScanControlsEnabled{true, true, true}));
    }
};

QTEST_APPLESS_MAIN(FunctionRulesTest)
#include "test_function_rules.moc"
