// Channel tables in tests: small tables to start from, and a readable comparison that names
// the first record and fields that differ.
#pragma once

#include <QString>
#include <initializer_list>

#include "codeplug/channel_record.h"

namespace torvik::test {

// A table of used, otherwise empty channels with these numbers, in this order.
inline ChannelTable TableOf(std::initializer_list<int> numbers) {
    ChannelTable table;
    for (int n : numbers) {
        ChannelRecord r = NewChannelRecord(n);
        r.Used = 1;
        table.records[static_cast<std::size_t>(table.ChannelCount++)] = r;
    }
    return table;
}

// Empty when the used parts of both tables are equal.
inline QString TableDifference(const ChannelTable& actual, const ChannelTable& expected) {
    if (actual.ChannelCount != expected.ChannelCount) {
        return QString("ChannelCount %1, expected %2")
            .arg(actual.ChannelCount)
            .arg(expected.ChannelCount);
    }
    for (int i = 0; i < actual.ChannelCount; ++i) {
        const auto changed =
            ChangedFields(kChannelRecordFields, actual.records[i], expected.records[i]);
        if (!changed.empty()) {
            QStringList names;
            for (std::string_view n : changed)
                names << QString::fromLatin1(n.data(), int(n.size()));
            return QString("position %1 (channel %2): %3")
                .arg(i)
                .arg(expected.records[i].Number)
                .arg(names.join(", "));
        }
    }
    return {};
}

}  // namespace torvik::test
