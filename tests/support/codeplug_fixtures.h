// Codeplugs and channels to start a test from: used channel records with the fields a test
// names, tables of them, and a new codeplug as File > New makes it.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "aggregate/codeplug.h"
#include "codeplug/channel_record.h"
#include "storage/new_codeplug.h"

namespace torvik::test {

// Frequencies as a record holds them: nine digits in 10 Hz steps.
inline constexpr std::string_view kRx145MHz = "014500000";
inline constexpr std::string_view kNoOffset = "000000000";
// A new record's receive frequency, before one is typed: all F.
inline constexpr std::string_view kNoFrequency = "FFFFFFFFF";

// The fields of a used channel a test sets; everything else stays as a new record has it.
struct ChannelFields {
    std::string_view rx = kRx145MHz;
    std::string_view offset = kNoOffset;
    std::string name = {};  // empty: no name
    // The name is `name` followed by the channel's number: "CH" names channel 7 "CH7".
    bool nameEndsWithNumber = false;
};

inline ChannelRecord UsedChannel(int number, const ChannelFields& fields = {}) {
    ChannelRecord r = NewChannelRecord(number);
    r.Used = 1;
    r.RxFreq = FixedText<9>::Raw(fields.rx);
    r.Offset = FixedText<9>::Raw(fields.offset);
    const std::string name =
        fields.nameEndsWithNumber ? fields.name + std::to_string(number) : fields.name;
    if (!name.empty()) r.Name = FixedText<7>::Value(name);
    return r;
}

// Used channels with these numbers, appended to the table in this order.
inline void AddChannels(ChannelTable& table, std::initializer_list<int> numbers,
                        const ChannelFields& fields = {}) {
    for (const int number : numbers) *AppendChannel(table) = UsedChannel(number, fields);
}

// A table of used channels with these numbers, in this order.
inline ChannelTable TableOf(std::initializer_list<int> numbers, const ChannelFields& fields = {}) {
    ChannelTable table;
    AddChannels(table, numbers, fields);
    return table;
}

// A codeplug as File > New makes it.
inline Codeplug NewTestCodeplug() {
    Codeplug c;
    NewCodeplug(c, {});
    return c;
}

// A new codeplug whose channel table holds exactly these channels, in this order.
inline Codeplug CodeplugWithChannels(std::initializer_list<int> numbers) {
    Codeplug c = NewTestCodeplug();
    c.channels = TableOf(numbers);
    return c;
}

}  // namespace torvik::test
