// The channel list's text and the channel clipboard, without widgets: labels, headers, every
// cell rule, and the copy/cut/paste/delete cases on the channel table.
#include <QtTest>

#include "channel_edit/channel_rows.h"
#include "channel_edit/channel_slots.h"
#include "support/codeplug_fixtures.h"
#include "support/recording_reporter.h"

using namespace torvik;
using test::TableOf;
using test::UsedChannel;

namespace {

// The fields of the test's channels: each is named after its number, channel 3 "CH3".
const test::ChannelFields kNamedCh{.name = "CH", .nameEndsWithNumber = true};

QList<int> Numbers(const ChannelTable& table) {
    QList<int> out;
    for (const ChannelRecord& r : table.used()) out << r.Number;
    return out;
}

}  // namespace

class ChannelRowsTest : public QObject {
    Q_OBJECT

    test::RecordingReporter texts_;  // missing keys read as "#<key>"
    Band band_;

    std::string Cell(const ChannelRecord& channel, int column,
                     GridRefresh refresh = GridRefresh::Full) {
        return ChannelRowCells(channel, band_, texts_, refresh)[static_cast<std::size_t>(column)];
    }

  private slots:
    void rowLabels_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("label");
        QTest::newRow("first") << 1 << "0";
        QTest::newRow("last memory") << 200 << "199";
        QTest::newRow("PA") << 201 << "PA";
        QTest::newRow("PB") << 202 << "PB";
        QTest::newRow("VFO") << 203 << "VFO";
    }
    void rowLabels() {
        QFETCH(int, row);
        QFETCH(QString, label);
        QCOMPARE(QString::fromStdString(ChannelLabel(row)), label);
    }

    void headersUseTheirKeys() {
        const ChannelCells headers = ChannelListHeaders(texts_);
        QCOMPARE(headers[0], "#3006");
        QCOMPARE(headers[2], "#1140");
        QCOMPARE(headers[8], "#1107\r\n#1112");
        QCOMPARE(headers[9], "#1107\r\n#1113");
        QCOMPARE(headers[10], "#1110");
    }

    void transmitColumn_data() {
        QTest::addColumn<QString>("rx");
        QTest::addColumn<QString>("offset");
        QTest::addColumn<int>("shift");
        QTest::addColumn<QString>("tx");
        QTest::newRow("plus") << "014500000"
                              << "000060000" << 2 << "145.60000";
        QTest::newRow("minus") << "014500000"
                               << "000060000" << 1 << "144.40000";
        QTest::newRow("simplex ignores the offset") << "014500000"
                                                    << "000060000" << 0 << "145.00000";
        QTest::newRow("unknown direction repeats rx") << "043500625"
                                                      << "000500000" << 7 << "435.00625";
        QTest::newRow("no rx, no tx") << "FFFFFFFFF"
                                      << "000060000" << 2 << "";
    }
    void transmitColumn() {
        QFETCH(QString, rx);
        QFETCH(QString, offset);
        QFETCH(int, shift);
        QFETCH(QString, tx);
        ChannelRecord c = UsedChannel(
            5, {.rx = rx.toLatin1().constData(), .name = "CH", .nameEndsWithNumber = true});
        c.Offset = FixedText<9>::Raw(offset.toStdString());
        c.ShiftDir = static_cast<std::int16_t>(shift);
        QCOMPARE(QString::fromStdString(Cell(c, 2)), tx);
        QVERIFY(texts_.shown.empty());
    }

    void tones_data() {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("ctcss");
        QTest::addColumn<int>("dcs");
        QTest::addColumn<int>("invert");
        QTest::addColumn<QString>("text");
        QTest::newRow("CTCSS") << 1 << 11 << 0 << 0 << "94.8";
        QTest::newRow("CTCSS out of range shows the first") << 1 << 51 << 0 << 0 << "62.5";
        QTest::newRow("DCS 023 normal") << 2 << 0 << 19 << 0 << "D023N";
        QTest::newRow("DCS 023 inverted") << 2 << 0 << 19 << 1 << "D023I";
        QTest::newRow("DCS above 511 shows 000") << 2 << 0 << 600 << 0 << "D000N";
        QTest::newRow("DCS 777") << 2 << 0 << 511 << 2 << "D777I";
        QTest::newRow("none") << 0 << 12 << 19 << 0 << "#1206";
    }
    void tones() {
        QFETCH(int, type);
        QFETCH(int, ctcss);
        QFETCH(int, dcs);
        QFETCH(int, invert);
        QFETCH(QString, text);
        ChannelRecord c = UsedChannel(1, kNamedCh);
        c.RxToneType = c.TxToneType = static_cast<std::int16_t>(type);
        c.RxCtcss = c.TxCtcss = static_cast<std::int16_t>(ctcss);
        c.RxDcs = c.TxDcs = static_cast<std::int16_t>(dcs);
        c.RxDcsInvert = c.TxDcsInvert = static_cast<std::int16_t>(invert);
        QCOMPARE(QString::fromStdString(Cell(c, 8)), text);
        QCOMPARE(QString::fromStdString(Cell(c, 9)), text);
        // The display never changes what is stored.
        QCOMPARE(c.RxDcs, dcs);
    }

    void receiveAndTransmitTonesAreSeparate() {
        ChannelRecord c = UsedChannel(1, kNamedCh);
        c.RxToneType = 1;
        c.RxCtcss = 0;
        c.TxToneType = 2;
        c.TxDcs = 19;
        QCOMPARE(Cell(c, 8), "62.5");
        QCOMPARE(Cell(c, 9), "D023N");
    }

    void signalling_data() {
        QTest::addColumn<int>("signalling");
        QTest::addColumn<QString>("text");
        QTest::newRow("DTMF") << 1 << "DTMF M4";
        QTest::newRow("2-Tone") << 2 << "2tone 5";
        QTest::newRow("5-Tone") << 3 << "5tone 6";
        QTest::newRow("none") << 0 << "#1206";
        QTest::newRow("unknown") << 9 << "#1206";
    }
    void signalling() {
        QFETCH(int, signalling);
        QFETCH(QString, text);
        ChannelRecord c = UsedChannel(1, kNamedCh);
        c.Signaling = static_cast<std::int16_t>(signalling);
        c.DtmfCodeNo = 3;
        c.TwoToneNo = 5;
        c.FiveToneNo = 6;
        QCOMPARE(QString::fromStdString(Cell(c, 10)), text);
    }

    void smallColumns_data() {
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("full");
        QTest::addColumn<QString>("oneRow");
        QTest::newRow("bandwidth 25K") << 5 << 0 << "25K"
                                       << "25K";
        QTest::newRow("bandwidth 20K") << 5 << 1 << "20K"
                                       << "20K";
        QTest::newRow("bandwidth 12.5K") << 5 << 2 << "12.5K"
                                         << "12.5K";
        QTest::newRow("bandwidth out of range") << 5 << 3 << "20K"
                                                << "12.5K";
        QTest::newRow("power high") << 7 << 0 << "#1204"
                                    << "#1204";
        QTest::newRow("power middle") << 7 << 1 << "#1221"
                                      << "#1221";
        QTest::newRow("power low") << 7 << 2 << "#1205"
                                   << "#1205";
        QTest::newRow("power out of range") << 7 << 3 << "#1204"
                                            << "#1204";
        QTest::newRow("relation 1") << 6 << 1 << "#12021"
                                    << "#12021";
        QTest::newRow("relation above 1") << 6 << 2 << "#12020"
                                          << "#12020";
    }
    void smallColumns() {
        QFETCH(int, column);
        QFETCH(int, value);
        QFETCH(QString, full);
        QFETCH(QString, oneRow);
        ChannelRecord c = UsedChannel(1, kNamedCh);
        const auto v = static_cast<std::int16_t>(value);
        (column == 5 ? c.Bandwidth : column == 7 ? c.TxPower : c.Spare1) = v;
        QCOMPARE(QString::fromStdString(Cell(c, column, GridRefresh::Full)), full);
        QCOMPARE(QString::fromStdString(Cell(c, column, GridRefresh::OneRow)), oneRow);
    }

    void stepListFollowsTheBand() {
        ChannelRecord c = UsedChannel(1, kNamedCh);
        c.Step = 0;
        QCOMPARE(Cell(c, 4), "2.5K");  // band 3 starts at 2.5 kHz
        band_.setCode(48);
        c.RxFreq = FixedText<9>::Raw("043500625");
        QCOMPARE(Cell(c, 4), "5K");
        QCOMPARE(Cell(c, 1), "435.00625");
        c.Step = 42;
        QCOMPARE(Cell(c, 4), "");
        band_.setCode(3);
    }

    void nameAndLabel() {
        const ChannelRecord c = UsedChannel(203, kNamedCh);
        QCOMPARE(Cell(c, 0), "VFO");
        QCOMPARE(Cell(c, 3), "CH203");
    }

    // ---- the clipboard ----------------------------------------------------------------

    void copyAnEmptyRowThenPasteEmptiesTheTarget() {
        ChannelTable table = TableOf({1, 2, 3}, kNamedCh);
        const std::vector<ChannelSlot> copied = CopyChannelSlots(table, {50});
        QCOMPARE(PasteChannelSlots(table, 2, copied), 0);
        QCOMPARE(Numbers(table), (QList<int>{1, 3}));
    }

    void cutThenPasteRestoresAtTheEnd() {
        ChannelTable table = TableOf({1, 2, 3}, kNamedCh);
        const ChannelRecord before = *table.find(2);
        const std::vector<ChannelSlot> copied = CopyChannelSlots(table, {2});
        EmptyChannelSlots(table, {2});
        QCOMPARE(Numbers(table), (QList<int>{1, 3}));
        QCOMPARE(table.records[2], ChannelRecord{});  // the freed slot is cleared
        PasteChannelSlots(table, 2, copied);
        QCOMPARE(Numbers(table), (QList<int>{1, 3, 2}));
        QCOMPARE(*table.find(2), before);
    }

    void pasteOverwritesAndRenumbers() {
        ChannelTable table = TableOf({1, 7}, kNamedCh);
        const std::vector<ChannelSlot> copied = CopyChannelSlots(table, {1});
        PasteChannelSlots(table, 7, copied);
        QCOMPARE(Numbers(table), (QList<int>{1, 7}));
        QCOMPARE(table.find(7)->Name.text(), "CH1");
        PasteChannelSlots(table, kChannelPA, copied);
        QCOMPARE(Numbers(table), (QList<int>{1, 7, kChannelPA}));
    }

    void deleteMovesLaterRecordsDown() {
        ChannelTable table = TableOf({4, 5, 6}, kNamedCh);
        EmptyChannelSlots(table, {4, 99});  // nothing at 99: no change there
        QCOMPARE(Numbers(table), (QList<int>{5, 6}));
        QCOMPARE(table.ChannelCount, 2);
    }

    // Several slots stay within the block of the first row: memory channels never spill
    // into PA, PB and VFO.
    void severalSlotsStayInTheirBlock() {
        ChannelTable table = TableOf({1, 2, 3}, kNamedCh);
        const std::vector<ChannelSlot> copied = CopyChannelSlots(table, {1, 2, 3});
        QCOMPARE(PasteChannelSlots(table, kMemoryChannels - 1, copied), 1);
        QCOMPARE(Numbers(table), (QList<int>{1, 2, 3, kMemoryChannels - 1, kMemoryChannels}));
        QCOMPARE(PasteChannelSlots(table, kChannelPB, copied), 1);
        QCOMPARE(table.find(kChannelVFO)->Name.text(), "CH2");
        QCOMPARE(PasteChannelSlots(table, 0, copied), 3);  // no such row
    }

    void aFullTableRefusesAnotherChannel() {
        ChannelTable table;
        for (int n = 1; n <= kChannelSlots; ++n) {
            table.records[static_cast<std::size_t>(n - 1)] =
                UsedChannel(n == 9 ? 300 : n, kNamedCh);
        }
        table.ChannelCount = kChannelSlots;
        // No record 9, no free slot.
        QCOMPARE(PasteChannelSlots(table, 9, CopyChannelSlots(table, {1})), 1);
        QCOMPARE(table.ChannelCount, kChannelSlots);
    }
};

QTEST_APPLESS_MAIN(ChannelRowsTest)
#include "test_channel_rows.moc"
