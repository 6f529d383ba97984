// The whole codeplug as one JSON object, for inspection and for tools that read codeplugs.
#pragma once

#include <QJsonArray>
#include <QJsonObject>

#include "aggregate/codeplug.h"

namespace torvik {

// The used channels, in table order, every field under its own name.
QJsonArray ChannelTableToJson(const ChannelTable& table);

// Every member of the data-file record under its own name, with the live band and channel
// count, plus "ChannelTable".
QJsonObject CodeplugToJson(const Codeplug& codeplug);

}  // namespace torvik
