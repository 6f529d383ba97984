#include "textform/codeplug_json.h"

#include <QJsonDocument>
#include <QJsonParseError>
#include <set>

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

std::optional<CodeplugJsonContent> CodeplugFromJson(const QJsonObject& object,
                                                    JsonFieldError& error) {
    try {
        CodeplugJsonContent content;
        FromJson(object, content.record, std::string());
        const QJsonValue table = object.value("ChannelTable");
        if (!table.isArray()) json_read::Refuse("ChannelTable", "is not a list");
        const QJsonArray channels = table.toArray();
        if (channels.size() > kChannelSlots) {
            json_read::Refuse("ChannelTable",
                              "holds more than " + std::to_string(kChannelSlots) + " channels");
        }
        if (channels.size() != content.record.ChannelCount) {
            json_read::Refuse("ChannelCount", "is not the number of channels in ChannelTable");
        }
        content.channels.records.fill(NewChannelRecord(0));
        std::set<int> numbers;
        for (qsizetype i = 0; i < channels.size(); ++i) {
            const std::string path = "ChannelTable[" + std::to_string(i) + "]";
            ChannelRecord& record = content.channels.records[static_cast<std::size_t>(i)];
            FromJson(channels.at(i), record, path);
            if (record.Number < 1 || record.Number > kChannelSlots) {
                json_read::Refuse(path + ".Number", "is outside 1..203");
            }
            if (!numbers.insert(record.Number).second) {
                json_read::Refuse(path + ".Number", "names a channel already in the table");
            }
        }
        content.channels.ChannelCount = content.record.ChannelCount;
        return content;
    } catch (const JsonFieldError& e) {
        error = e;
        return std::nullopt;
    }
}

std::optional<CodeplugJsonContent> CodeplugFromJsonText(const QByteArray& text,
                                                        JsonFieldError& error) {
    QJsonParseError parse{};
    const QJsonDocument document = QJsonDocument::fromJson(text, &parse);
    if (parse.error != QJsonParseError::NoError) {
        error = {"(document)", "is no JSON: " + parse.errorString().toStdString() + " at byte " +
                                   std::to_string(parse.offset)};
        return std::nullopt;
    }
    if (!document.isObject()) {
        error = {"(document)", "is not an object"};
        return std::nullopt;
    }
    return CodeplugFromJson(document.object(), error);
}

}  // namespace torvik
