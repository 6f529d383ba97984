// Records as JSON, walked through their field lists: numbers as numbers, fixed-width texts
// as strings of exactly their stored bytes (GBK shown as UTF-8, the NUL and blank padding
// kept, so the document can be turned back into the same bytes), arrays as arrays, nested
// records as objects under their field names.
#pragma once

#include <QByteArray>
#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <array>
#include <cstdint>
#include <string>

#include "codeplug/fixed_text.h"
#include "codeplug/record_bytes.h"
#include "platform/gbk.h"

namespace torvik {

inline QJsonValue ToJson(std::int16_t v) {
    return static_cast<int>(v);
}
inline QJsonValue ToJson(std::uint8_t v) {
    return static_cast<int>(v);
}

// Wrapped numbers with a byte order of their own in the files (a `value` member).
template <class T>
requires requires(const T& t) {
    static_cast<int>(t.value);
}
QJsonValue ToJson(const T& v) {
    return static_cast<int>(v.value);
}

// The stored bytes of a text field. Bytes that are no GBK text (a garbled radio, say) are
// written as {"bytes": "<hex>"} instead, so they too come back as they were.
inline QJsonValue StoredTextToJson(std::string_view raw) {
    if (const auto utf8 = GbkToUtf8(raw); utf8 && Utf8ToGbk(*utf8) == std::string(raw)) {
        return QString::fromStdString(*utf8);
    }
    const QByteArray bytes(raw.data(), static_cast<qsizetype>(raw.size()));
    return QJsonObject{{"bytes", QString::fromLatin1(bytes.toHex())}};
}

template <std::size_t N>
QJsonValue ToJson(const FixedText<N>& t) {
    return StoredTextToJson(t.raw());
}

template <class T, std::size_t N>
QJsonValue ToJson(const std::array<T, N>& a) {
    QJsonArray array;
    for (const T& e : a) array.append(ToJson(e));
    return array;
}

template <HasFieldList R>
QJsonValue ToJson(const R& record) {
    QJsonObject object;
    std::apply(
        [&](const auto&... f) {
            ((object.insert(QString::fromLatin1(f.name.data(), static_cast<int>(f.name.size())),
                            ToJson(record.*(f.member)))),
             ...);
        },
        FieldsOf(&record));
    return object;
}

}  // namespace torvik
