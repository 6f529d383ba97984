// The whole codeplug as one JSON object, for inspection and for tools that read codeplugs.
#pragma once

#include <QJsonArray>
#include <QJsonObject>

#include "codeplug/channel_record.h"

namespace torvik {

// The used channels, in table order, every field under its own name.
QJsonArray ChannelTableToJson(const ChannelTable& table);

}  // namespace torvik
