#include "textform/codeplug_json.h"

#include "textform/record_json.h"

namespace torvik {

QJsonArray ChannelTableToJson(const ChannelTable& table) {
    QJsonArray channels;
    for (const ChannelRecord& record : table.used()) channels.append(ToJson(record));
    return channels;
}

}  // namespace torvik
