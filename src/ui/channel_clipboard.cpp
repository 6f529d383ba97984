#include "ui/channel_clipboard.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMimeData>

#include "interchange/channel_sheet.h"
#include "textform/record_json.h"
#include "textform/record_json_read.h"

namespace torvik {
namespace {

constexpr const char* kBandKey = "band";
constexpr const char* kSlotsKey = "slots";

}  // namespace

QMimeData* ChannelRowsMimeData(const Codeplug& codeplug, const std::vector<int>& rows,
                               Reporter& texts) {
    QJsonArray copiedSlots;
    for (const ChannelSlot& slot : CopyChannelSlots(codeplug.channels, rows)) {
        copiedSlots.append(slot ? ToJson(*slot) : QJsonValue());
    }
    QJsonObject copied;
    copied.insert(kBandKey, codeplug.band.code());
    copied.insert(kSlotsKey, copiedSlots);

    auto* mime = new QMimeData;
    mime->setData(kChannelSlotsMimeType, QJsonDocument(copied).toJson(QJsonDocument::Compact));
    mime->setText(QString::fromStdString(ChannelRowsAsSheet(codeplug, rows, texts)));
    return mime;
}

std::optional<CopiedSlots> CopiedChannelSlots(const QMimeData& mime) {
    if (!mime.hasFormat(kChannelSlotsMimeType)) return std::nullopt;
    const QJsonDocument document = QJsonDocument::fromJson(mime.data(kChannelSlotsMimeType));
    const QJsonObject copied = document.object();
    const QJsonValue band = copied.value(kBandKey);
    const QJsonValue held = copied.value(kSlotsKey);
    if (!band.isDouble() || !held.isArray() || held.toArray().size() > kChannelSlots) {
        return std::nullopt;
    }
    CopiedSlots result;
    try {
        FromJson(band, result.bandCode, kBandKey);
        for (const QJsonValue& slot : held.toArray()) {
            if (slot.isNull()) {
                result.channels.emplace_back();
                continue;
            }
            ChannelRecord record;
            FromJson(slot, record, kSlotsKey);
            if (record.Used != 1) return std::nullopt;
            result.channels.emplace_back(record);
        }
    } catch (const JsonFieldError&) {
        return std::nullopt;
    }
    return result;
}

}  // namespace torvik
