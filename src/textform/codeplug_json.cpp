#include "textform/codeplug_json.h"

#include "textform/record_json.h"

namespace torvik {

QJsonArray ChannelTableToJson(const ChannelTable& table) {
    QJsonArray channels;
    for (const ChannelRecord& record : table.used()) channels.append(ToJson(record));
    return channels;
}

QJsonObject CodeplugToJson(const Codeplug& codeplug) {
    CodeplugRecord record = codeplug.record;
    record.SavedBandCode = codeplug.band.code();
    record.ChannelCount = codeplug.channels.ChannelCount;
    QJsonObject object = ToJson(record).toObject();
    object.insert("ChannelTable", ChannelTableToJson(codeplug.channels));
    return object;
}

}  // namespace torvik
