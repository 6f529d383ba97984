// Records as JSON, walked through their field lists: numbers as numbers, fixed-width texts
// as strings (cut at their first NUL, right-trimmed, GBK shown as UTF-8), arrays as arrays,
// nested records as objects under their field names.
#pragma once

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

inline QJsonValue ToJson(std::int16_t v) { return static_cast<int>(v); }
inline QJsonValue ToJson(std::uint8_t v) { return static_cast<int>(v); }

// Wrapped numbers with a byte order of their own in the files (a `value` member).
template <class T>
    requires requires(const T& t) { static_cast<int>(t.value); }
QJsonValue ToJson(const T& v) {
    return static_cast<int>(v.value);
}

// Text exactly as the file or radio holds it, minus padding.
inline QString DisplayText(std::string_view raw) {
    std::string text = CutAtNul(raw);
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return QString::fromStdString(GbkToUtf8Lossy(text));
}

template <std::size_t N>
QJsonValue ToJson(const FixedText<N>& t) {
    return DisplayText(t.raw());
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
