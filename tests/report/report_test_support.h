// What the report tests share: a codeplug with as many channels as a test names (the shared
// fixtures give one with the channels it names), and a report page read back as lines of text.
#pragma once

#include <QString>
#include <QStringList>
#include <initializer_list>

#include "aggregate/codeplug.h"
#include "report/report_layout.h"
#include "support/codeplug_fixtures.h"

namespace torvik::test {

// A new codeplug with used channels 1..count that have no frequency.
inline Codeplug CodeplugWithChannelCount(int count) {
    Codeplug c = CodeplugWithChannels({});
    for (int n = 1; n <= count; ++n) {
        *AppendChannel(c.channels) = UsedChannel(n, {.rx = kNoFrequency});
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
