// What the report tests share: a codeplug with the channels a test names, and a report page
// read back as lines of text.
#pragma once

#include <QString>
#include <QStringList>
#include <initializer_list>

#include "aggregate/codeplug.h"
#include "report/report_layout.h"
#include "storage/new_codeplug.h"

namespace torvik::test {

// A new codeplug whose channel table holds exactly these channel numbers, in this order.
inline Codeplug CodeplugWithChannels(std::initializer_list<int> numbers) {
    Codeplug c;
    NewCodeplug(c, {});
    c.channels = {};
    for (const int number : numbers) {
        ChannelRecord r = NewChannelRecord(number);
        r.Used = 1;
        r.RxFreq = FixedText<9>::Raw("014500000");
        *AppendChannel(c.channels) = r;
    }
    return c;
}

inline Codeplug CodeplugWithChannelCount(int count) {
    Codeplug c = CodeplugWithChannels({});
    for (int n = 1; n <= count; ++n) {
        ChannelRecord r = NewChannelRecord(n);
        r.Used = 1;
        *AppendChannel(c.channels) = r;
    }
    return c;
}

// A line's texts joined by " | ".
inline QString LineText(const ReportLine& line) {
    QStringList cells;
    for (const ReportCell& cell : line.cells) cells << QString::fromStdString(cell.text);
    return cells.join(" | ");
}

inline QStringList PageLines(const ReportPage& page) {
    QStringList lines;
    for (const ReportLine& line : page.lines) lines << LineText(line);
    return lines;
}

}  // namespace torvik::test
