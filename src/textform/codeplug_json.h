// The whole codeplug as one JSON object, for inspection, for tools that read codeplugs, and
// back: a document exported and imported again gives the same file pair byte for byte.
#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <optional>

#include "aggregate/codeplug.h"
#include "textform/record_json_read.h"

namespace torvik {

// The used channels, in table order, every field under its own name.
QJsonArray ChannelTableToJson(const ChannelTable& table);

// Every member of the data-file record under its own name, with the live band and channel
// count, plus "ChannelTable".
QJsonObject CodeplugToJson(const Codeplug& codeplug);

// What a codeplug document holds: the data-file record (band and channel count included) and
// the channel table, as a file pair would give them.
struct CodeplugJsonContent {
    CodeplugRecord record;
    ChannelTable channels;
};

// The inverse of CodeplugToJson. A value its field cannot hold, a missing field, a channel
// number outside 1..203 or given twice, or a channel count that differs from the table is
// refused with the field's path; nothing is returned then.
std::optional<CodeplugJsonContent> CodeplugFromJson(const QJsonObject& object,
                                                    JsonFieldError& error);

// The same from the document's text, refusing text that is no JSON object.
std::optional<CodeplugJsonContent> CodeplugFromJsonText(const QByteArray& text,
                                                        JsonFieldError& error);

}  // namespace torvik
