// Rearranging memory channels: insert, delete closing the gap, move up and down, sort. Each
// row of a table names the channels by their names before and after, and the settings that
// name memory channels must still name the same channels.
#include <QtTest>

#include "channel_edit/channel_cells.h"
#include "channel_edit/channel_reorder.h"

using namespace torvik;

namespace {

// Channels by number, each named after its original number ("C3" is channel 3).
ChannelTable Table(std::initializer_list<int> numbers) {
    ChannelTable table;
    for (const int n : numbers) {
        ChannelRecord& c = *AppendChannel(table);
        c = NewChannelRecord(n);
        c.Used = 1;
        c.Name = FixedText<7>::Value("C" + std::to_string(n));
    }
    return table;
}

// "number=name" for every used channel, ascending by number.
QString Layout(const ChannelTable& table) {
    QStringList parts;
    for (int n = 1; n <= kChannelSlots; ++n) {
        if (const ChannelRecord* c = table.find(n)) {
            parts << QString("%1=%2").arg(n).arg(QString::fromStdString(c->Name.text()).trimmed());
        }
    }
    return parts.join(' ');
}

std::vector<int> Rows(const QList<int>& rows) {
    return {rows.begin(), rows.end()};
}

}  // namespace

class ChannelReorderTest : public QObject {
    Q_OBJECT

  private slots:
    // op: 0 insert, 1 delete, 2 move up, 3 move down, 4 sort by name descending, 5 sort by
    // the list's name column descending, 6 drop the rows before the last row given.
    void rearranges_data() {
        QTest::addColumn<int>("op");
        QTest::addColumn<QList<int>>("rows");
        QTest::addColumn<QString>("after");
        // The settings before: priority 1 on channel 3, priority 2 on channel 5, emergency on
        // channel 7, power-on channel 3 (held as 2); and where they point after.
        QTest::addColumn<QList<int>>("references");
        QTest::newRow("insert at 3")
            << 0 << QList<int>{3} << "1=C1 4=C3 6=C5 8=C7 201=C201" << QList<int>{4, 6, 8, 4};
        QTest::newRow("delete 3 closes the gap")
            << 1 << QList<int>{3} << "1=C1 4=C5 6=C7 201=C201" << QList<int>{6, 4, 6, 1};
        QTest::newRow("delete an empty row and a channel")
            << 1 << QList<int>{2, 5} << "1=C1 2=C3 5=C7 201=C201" << QList<int>{2, 5, 5, 2};
        QTest::newRow("move a run up")
            << 2 << QList<int>{3, 4} << "1=C1 2=C3 5=C5 7=C7 201=C201" << QList<int>{2, 5, 7, 2};
        QTest::newRow("move down passes the neighbour")
            << 3 << QList<int>{5} << "1=C1 3=C3 6=C5 7=C7 201=C201" << QList<int>{3, 6, 7, 3};
        QTest::newRow("sort by name, descending")
            << 4 << QList<int>{1, 2, 3, 4, 5, 6, 7} << "1=C7 2=C5 3=C3 4=C1 201=C201"
            << QList<int>{3, 2, 1, 3};
        QTest::newRow("sort by the name column, descending")
            << 5 << QList<int>{1, 2, 3, 4, 5, 6, 7} << "1=C7 2=C5 3=C3 4=C1 201=C201"
            << QList<int>{3, 2, 1, 3};
        QTest::newRow("drop two rows at the top")
            << 6 << QList<int>{5, 7, 1} << "1=C5 2=C7 3=C1 5=C3 201=C201" << QList<int>{5, 1, 2, 5};
        QTest::newRow("drop a row further down")
            << 6 << QList<int>{1, 6} << "2=C3 4=C5 5=C1 7=C7 201=C201" << QList<int>{2, 4, 7, 2};
    }
    void rearranges() {
        QFETCH(int, op);
        QFETCH(QList<int>, rows);
        QFETCH(QString, after);
        QFETCH(QList<int>, references);
        ChannelTable table = Table({1, 3, 5, 7, kChannelPA});
        CodeplugRecord record;
        record.scan.priorityChannel1 = 3;
        record.scan.priorityChannel2 = 5;
        record.emergency.emergencyChannel = 7;
        record.options.powerOnChannel = 2;
        ReorderRefusal refusal = ReorderRefusal::None;
        switch (op) {
            case 0:
                refusal = InsertEmptyChannel(table, record, rows.front());
                break;
            case 1:
                refusal = DeleteRowsClosingGap(table, record, Rows(rows));
                break;
            case 2:
            case 3:
                refusal = MoveRows(table, record, Rows(rows), op == 2);
                break;
            case 4:
                refusal = SortRows(table, record, Rows(rows),
                                   [](const ChannelRecord& a, const ChannelRecord& b) {
                                       return a.Name.text() > b.Name.text();
                                   });
                break;
            case 5:
                refusal = SortRows(table, record, Rows(rows), ColumnOrder(kColumnName, true));
                break;
            case 6:
                refusal =
                    MoveRowsTo(table, record, Rows(rows.mid(0, rows.size() - 1)), rows.back());
                break;
        }
        QCOMPARE(int(refusal), int(ReorderRefusal::None));
        QCOMPARE(Layout(table), after);
        QCOMPARE(int(table.ChannelCount), after.count('='));
        const QList<int> now{record.scan.priorityChannel1, record.scan.priorityChannel2,
                             record.emergency.emergencyChannel, record.options.powerOnChannel + 1};
        QCOMPARE(now, references);
    }

    void refusalsChangeNothing_data() {
        QTest::addColumn<int>("op");
        QTest::addColumn<QList<int>>("rows");
        QTest::addColumn<int>("refusal");
        QTest::newRow("insert with channel 200 in use")
            << 0 << QList<int>{3} << int(ReorderRefusal::LastChannelInUse);
        QTest::newRow("insert at PA")
            << 0 << QList<int>{kChannelPA} << int(ReorderRefusal::NotMemoryChannel);
        QTest::newRow("delete PA")
            << 1 << QList<int>{kChannelPA} << int(ReorderRefusal::NotMemoryChannel);
        QTest::newRow("move channel 1 up")
            << 2 << QList<int>{1, 3} << int(ReorderRefusal::AtTheEdge);
        QTest::newRow("move channel 200 down")
            << 3 << QList<int>{kMemoryChannels} << int(ReorderRefusal::AtTheEdge);
    }
    void refusalsChangeNothing() {
        QFETCH(int, op);
        QFETCH(QList<int>, rows);
        QFETCH(int, refusal);
        ChannelTable table = Table({1, 3, kMemoryChannels, kChannelPA});
        CodeplugRecord record;
        record.scan.priorityChannel1 = 3;
        const ChannelTable tableBefore = table;
        const CodeplugRecord recordBefore = record;
        ReorderRefusal got = ReorderRefusal::None;
        if (op == 0) got = InsertEmptyChannel(table, record, rows.front());
        if (op == 1) got = DeleteRowsClosingGap(table, record, Rows(rows));
        if (op >= 2) got = MoveRows(table, record, Rows(rows), op == 2);
        QCOMPARE(int(got), refusal);
        QVERIFY(table == tableBefore);
        QVERIFY(record == recordBefore);
    }

    // A deleted channel's references fall back as their editors do for a missing channel;
    // "none" stays none.
    void deletedReferencesFallBack() {
        ChannelTable table = Table({2, 4});
        CodeplugRecord record;
        record.scan.priorityChannel1 = 4;
        record.scan.priorityChannel2 = 0;
        record.emergency.emergencyChannel = 4;
        record.options.powerOnChannel = 3;
        QCOMPARE(int(DeleteRowsClosingGap(table, record, {4})), int(ReorderRefusal::None));
        QCOMPARE(int(record.scan.priorityChannel1), 2);  // the last channel left
        QCOMPARE(int(record.scan.priorityChannel2), 0);
        QCOMPARE(int(record.emergency.emergencyChannel), 2);
        QCOMPARE(int(record.options.powerOnChannel), 1);  // the first entry: channel 2
    }
};

QTEST_GUILESS_MAIN(ChannelReorderTest)
#include "test_channel_reorder.moc"
