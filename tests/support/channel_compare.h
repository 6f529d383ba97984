// Channel tables compared in tests: a readable difference that names the first record and
// fields that differ.
#pragma once

#include <QString>
#include <QStringList>

#include "codeplug/channel_record.h"

namespace torvik::test {

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
