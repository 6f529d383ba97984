// 2-Tone arithmetic and the editor's edits: tone values rounded half to even, the two divider
// rules, call formats, storing cells and boxes, and the channel-reference rule.
#include <QtTest>

#include "calling/twotone/two_tone_codec.h"
#include "calling/twotone/two_tone_tones.h"
#include "platform/number_text.h"
#include "support/image_bytes.h"

using namespace torvik;
using namespace torvik::test;

namespace {

using Boxes = std::array<std::optional<double>, 4>;

TwoToneSettings Stored(std::initializer_list<int> codes) {
    TwoToneSettings s;
    for (TwoToneCode& code : s.codes) code.empty = 1;
    for (int k : codes) s.codes[k].empty = 0;
    return s;
}

}  // namespace

class TwoToneTonesTest : public QObject {
    Q_OBJECT

  private slots:
    void toneValues_data() {
        QTest::addColumn<double>("hz");
        QTest::addColumn<int>("value");
        QTest::newRow("321.7") << 321.7 << 3217;
        QTest::newRow("2043.8") << 2043.8 << 20438;
        QTest::newRow("half to even, down") << 100.25 << 1002;
        QTest::newRow("half to even, up") << 100.75 << 1008;
        QTest::newRow("1000") << 1000.0 << 10000;
        QTest::newRow("zero") << 0.0 << 0;
        QTest::newRow("negative") << -5.0 << 0;
        QTest::newRow("beyond 16 bits") << 7000.0 << 65535;
    }
    void toneValues() {
        QFETCH(double, hz);
        QFETCH(int, value);
        QCOMPARE(int(ToneValueFromHz(hz)), value);
    }

    void dividers_data() {
        QTest::addColumn<double>("hz");
        QTest::addColumn<int>("call");
        QTest::addColumn<int>("code");
        QTest::newRow("321.7") << 321.7 << 14920 << 1865;
        QTest::newRow("928.1") << 928.1 << 5171 << 646;
        QTest::newRow("1000 exact") << 1000.0 << 4800 << 600;
        QTest::newRow("288") << 288.0 << 16666 << 2083;
        QTest::newRow("3116") << 3116.0 << 1540 << 192;
        QTest::newRow("no tone") << 0.0 << 0 << 0;
    }
    void dividers() {
        QFETCH(double, hz);
        QFETCH(int, call);
        QFETCH(int, code);
        QCOMPARE(int(CallDividerFromHz(hz)), call);
        QCOMPARE(int(CodeDividerFromHz(hz)), code);
    }

    void toneText() {
        QCOMPARE(ToneText(3217), std::string("321.7"));
        QCOMPARE(ToneText(10000), std::string("1000.0"));
        QCOMPARE(ToneText(2880), std::string("288.0"));
    }

    void callFormats() {
        QCOMPARE(CallFormatName(0), std::string_view("A-B"));
        QCOMPARE(CallFormatName(6), std::string_view("C-A"));
        QCOMPARE(CallFormatName(14), std::string_view("Long C"));
        QCOMPARE(CallFormatName(20), std::string_view("A-B"));
        QCOMPARE(TonesOfCallFormat(5).first, 1);
        QCOMPARE(TonesOfCallFormat(5).second, std::optional<int>(3));
        QCOMPARE(TonesOfCallFormat(11).first, 3);
        QCOMPARE(TonesOfCallFormat(11).second, std::optional<int>(2));
        QCOMPARE(TonesOfCallFormat(13).first, 1);
        QCOMPARE(TonesOfCallFormat(13).second, std::optional<int>());
    }

    void toneBoxClamp() {
        QCOMPARE(ClampToneBoxHz(std::nullopt), 288.0);
        QCOMPARE(ClampToneBoxHz(100.0), 288.0);
        QCOMPARE(ClampToneBoxHz(3500.0), 3116.0);
        QCOMPARE(ClampToneBoxHz(500.5), 500.5);
    }

    void storingToneOneStoresTheCode() {
        TwoToneSettings s = Stored({});
        QCOMPARE(StoreCodeTone1(s.codes[4], 1000.0), std::optional<double>(1000.0));
        QCOMPARE(s.codes[4].tone1.value, 10000);
        QCOMPARE(s.codes[4].divider1.value, 600);
        QCOMPARE(s.codes[4].empty, 0);

        RadioImage image = Prefilled();
        PackTwoTone(s, image);
        QCOMPARE(Bytes(image, TwoToneLayout::kEmptyBitmap, 4), QByteArray::fromHex("EFFFFFFF"));

        QCOMPARE(StoreCodeTone1(s.codes[5], 5000.0), std::optional<double>(3116.0));
        QCOMPARE(s.codes[5].tone1.value, 31160);
        QCOMPARE(s.codes[5].divider1.value, 192);
    }

    void clearingToneOneEmptiesTheCode() {
        TwoToneSettings s = Stored({2});
        TwoToneCode& code = s.codes[2];
        StoreCodeTone1(code, 1000.0);
        StoreCodeTone2(code, 2000.0);
        StoreCodeName(code, "GATE");
        QCOMPARE(StoreCodeTone1(code, std::nullopt), std::optional<double>());
        QCOMPARE(code.empty, 1);
        QVERIFY(code.tone1.value == 0 && code.tone2.value == 0);
        QVERIFY(code.divider1.value == 0 && code.divider2.value == 0);
        QCOMPARE(code.name.text(), std::string());
    }

    void clearingToneTwoKeepsTheCode() {
        TwoToneSettings s = Stored({2});
        TwoToneCode& code = s.codes[2];
        StoreCodeTone1(code, 1000.0);
        QCOMPARE(StoreCodeTone2(code, 100.0), std::optional<double>(288.0));
        QCOMPARE(code.tone2.value, 2880);
        QCOMPARE(code.divider2.value, 2083);
        StoreCodeName(code, std::string_view("GATE\0xx", 7));
        StoreCodeTone2(code, std::nullopt);
        QVERIFY(code.tone2.value == 0 && code.divider2.value == 0);
        QCOMPARE(code.empty, 0);
        QCOMPARE(code.tone1.value, 10000);
        QCOMPARE(code.name.text(), std::string("GATE"));
    }

    // A fresh image opens with the default tone table and commits the standard call.
    void freshImageCommit() {
        TwoToneSettings s;
        UnpackTwoTone(Prefilled(), s);
        FillUnsetTwoToneTones(s);
        QCOMPARE(s.toneA.value, 3217);
        QCOMPARE(s.toneB.value, 9281);
        QCOMPARE(s.toneC.value, 6265);
        QCOMPARE(s.toneD.value, 20438);
        QCOMPARE(s.callDivider1.value, 1843);
        QCOMPARE(s.callDivider2.value, 1843);
        QCOMPARE(s.callFormat, 0);

        Boxes boxes;
        const std::array<std::uint16_t, 4> table{s.toneA.value, s.toneB.value, s.toneC.value,
                                                 s.toneD.value};
        for (std::size_t i = 0; i < 4; ++i) boxes[i] = ParseDecimal(ToneText(table[i]));
        CommitTwoToneTones(s, boxes);
        QCOMPARE(s.callTone1.value, 3217);
        QCOMPARE(s.callTone2.value, 9281);
        QCOMPARE(s.callDivider1.value, 14920);
        QCOMPARE(s.callDivider2.value, 5171);
    }

    void fillUnsetKeepsSetTones() {
        TwoToneSettings s;
        s.toneA.value = 0xFF10;  // high byte 0xFF: not set
        s.toneB.value = 0x00FF;  // high byte 0x00: not set
        s.toneC.value = 2800;
        s.toneD.value = 31160;
        s.callDivider1.value = 500;
        s.callDivider2.value = 0;
        FillUnsetTwoToneTones(s);
        QCOMPARE(s.toneA.value, 3217);
        QCOMPARE(s.toneB.value, 9281);
        QCOMPARE(s.toneC.value, 2800);
        QCOMPARE(s.toneD.value, 31160);
        QCOMPARE(s.callDivider1.value, 500);
        QCOMPARE(s.callDivider2.value, 1843);
    }

    void commitFollowsTheFormat_data() {
        QTest::addColumn<int>("format");
        QTest::addColumn<int>("tone1");
        QTest::addColumn<int>("divider1");
        QTest::addColumn<int>("tone2");
        QTest::addColumn<int>("divider2");
        // Boxes: A 1000, B 280 (from 100, clamped), C 2000, D not a number (table 6000).
        QTest::newRow("C-A") << 6 << 20000 << 2400 << 10000 << 4800;
        QTest::newRow("B-D uses D's table tone") << 5 << 2800 << 17142 << 6000 << 8000;
        QTest::newRow("Long B") << 13 << 2800 << 17142 << 0 << 0;
    }
    void commitFollowsTheFormat() {
        QFETCH(int, format);
        QFETCH(int, tone1);
        QFETCH(int, divider1);
        QFETCH(int, tone2);
        QFETCH(int, divider2);
        TwoToneSettings s;
        s.toneD.value = 6000;
        s.callFormat = static_cast<std::uint8_t>(format);
        CommitTwoToneTones(s, Boxes{1000.0, 100.0, 2000.0, std::nullopt});
        QCOMPARE(s.toneA.value, 10000);
        QCOMPARE(s.toneB.value, 2800);
        QCOMPARE(s.toneC.value, 20000);
        QCOMPARE(s.toneD.value, 6000);
        QCOMPARE(int(s.callTone1.value), tone1);
        QCOMPARE(int(s.callDivider1.value), divider1);
        QCOMPARE(int(s.callTone2.value), tone2);
        QCOMPARE(int(s.callDivider2.value), divider2);
    }

    void firstStoredEntry_data() {
        QTest::addColumn<QList<int>>("stored");
        QTest::addColumn<int>("number");
        QTest::addColumn<int>("expected");
        QTest::newRow("stored") << QList<int>{3, 7} << 7 << 7;
        QTest::newRow("empty -> first stored") << QList<int>{3, 7} << 5 << 3;
        QTest::newRow("below range") << QList<int>{3, 7} << -1 << 3;
        QTest::newRow("above range") << QList<int>{3, 7} << 32 << 3;
        QTest::newRow("none stored") << QList<int>{} << 5 << 0;
        QTest::newRow("code 0") << QList<int>{0} << 0 << 0;
    }
    void firstStoredEntry() {
        QFETCH(QList<int>, stored);
        QFETCH(int, number);
        QFETCH(int, expected);
        TwoToneSettings s = Stored({});
        for (int k : stored) s.codes[k].empty = 0;
        QCOMPARE(FirstStoredTwoToneEntry(s, number), expected);
    }

    void channelsFollowEmptiedCodes() {
        const TwoToneSettings s = Stored({4, 9});
        ChannelTable table;
        table.ChannelCount = 3;
        table.records[0] = NewChannelRecord(1);
        table.records[0].Signaling = 2;
        table.records[0].TwoToneNo = 6;  // emptied
        table.records[1] = NewChannelRecord(2);
        table.records[1].Signaling = 2;
        table.records[1].TwoToneNo = 9;
        table.records[2] = NewChannelRecord(3);
        table.records[2].Signaling = 3;  // 5-Tone: not this rule's business
        table.records[2].TwoToneNo = 6;
        CorrectTwoToneChannels(table, s);
        QCOMPARE(table.records[0].TwoToneNo, 4);
        QCOMPARE(table.records[1].TwoToneNo, 9);
        QCOMPARE(table.records[2].TwoToneNo, 6);
    }
};

QTEST_APPLESS_MAIN(TwoToneTonesTest)
#include "test_two_tone_tones.moc"
