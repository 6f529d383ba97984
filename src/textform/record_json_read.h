// JSON back into records: the exact inverse of record_json.h. Every field must be there with
// a value its type can hold; the first one that is not stops the reading with the field's
// path ("ChannelTable[3].TxPower") and the reason.
#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "codeplug/fixed_text.h"
#include "codeplug/record_bytes.h"
#include "platform/gbk.h"

namespace torvik {

struct JsonFieldError {
    std::string path;
    std::string reason;
};

namespace json_read {

[[noreturn]] inline void Refuse(const std::string& path, const std::string& reason) {
    throw JsonFieldError{path, reason};
}

inline long long Integer(const QJsonValue& v, const std::string& path, long long low,
                         long long high) {
    if (!v.isDouble()) Refuse(path, "is not a number");
    const double d = v.toDouble();
    if (!std::isfinite(d) || d != std::floor(d) || d < static_cast<double>(low) ||
        d > static_cast<double>(high)) {
        Refuse(path,
               "is not a whole number in " + std::to_string(low) + ".." + std::to_string(high));
    }
    return static_cast<long long>(d);
}

// The stored bytes of a text field of `width` bytes.
inline std::string StoredText(const QJsonValue& v, const std::string& path, std::size_t width) {
    std::string bytes;
    if (v.isString()) {
        const std::optional<std::string> gbk = Utf8ToGbk(v.toString().toStdString());
        if (!gbk) Refuse(path, "has characters the radio cannot store");
        bytes = *gbk;
    } else if (v.isObject() && v.toObject().value("bytes").isString()) {
        const QString hex = v.toObject().value("bytes").toString();
        for (QChar c : hex) {
            if (!std::isxdigit(static_cast<unsigned char>(c.toLatin1())) || c.unicode() > 127) {
                Refuse(path, "has bytes that are not hexadecimal");
            }
        }
        if (hex.size() % 2 != 0) Refuse(path, "has bytes that are not hexadecimal");
        bytes = QByteArray::fromHex(hex.toLatin1()).toStdString();
    } else {
        Refuse(path, "is not a text");
    }
    if (bytes.size() != width) {
        Refuse(path,
               "holds " + std::to_string(bytes.size()) + " bytes, not " + std::to_string(width));
    }
    return bytes;
}

}  // namespace json_read

inline void FromJson(const QJsonValue& v, std::int16_t& out, const std::string& path) {
    out = static_cast<std::int16_t>(json_read::Integer(v, path, -32768, 32767));
}
inline void FromJson(const QJsonValue& v, std::uint8_t& out, const std::string& path) {
    out = static_cast<std::uint8_t>(json_read::Integer(v, path, 0, 255));
}

// Wrapped unsigned 16-bit numbers with a byte order of their own.
template <class T>
requires requires(T& t) {
    t.value = std::uint16_t{};
}
void FromJson(const QJsonValue& v, T& out, const std::string& path) {
    out.value = static_cast<std::uint16_t>(json_read::Integer(v, path, 0, 65535));
}

template <std::size_t N>
void FromJson(const QJsonValue& v, FixedText<N>& out, const std::string& path) {
    out = FixedText<N>::Raw(json_read::StoredText(v, path, N));
}

template <class T, std::size_t N>
void FromJson(const QJsonValue& v, std::array<T, N>& out, const std::string& path) {
    if (!v.isArray()) json_read::Refuse(path, "is not a list");
    const QJsonArray array = v.toArray();
    if (static_cast<std::size_t>(array.size()) != N) {
        json_read::Refuse(
            path, "holds " + std::to_string(array.size()) + " entries, not " + std::to_string(N));
    }
    for (std::size_t i = 0; i < N; ++i) {
        FromJson(array.at(static_cast<qsizetype>(i)), out[i], path + "[" + std::to_string(i) + "]");
    }
}

template <HasFieldList R>
void FromJson(const QJsonValue& v, R& out, const std::string& path) {
    if (!v.isObject()) json_read::Refuse(path.empty() ? "(document)" : path, "is not an object");
    const QJsonObject object = v.toObject();
    std::apply(
        [&](const auto&... f) {
            (
                [&] {
                    const std::string name(f.name);
                    const std::string fieldPath = path.empty() ? name : path + "." + name;
                    QString key = QString::fromStdString(name);
                    // Files exported before a field was renamed carry its former name.
                    if (!object.contains(key) && !f.formerName.empty()) {
                        const QString former = QString::fromUtf8(
                            f.formerName.data(), static_cast<qsizetype>(f.formerName.size()));
                        if (object.contains(former)) key = former;
                    }
                    if (!object.contains(key)) json_read::Refuse(fieldPath, "is missing");
                    FromJson(object.value(key), out.*(f.member), fieldPath);
                }(),
                ...);
        },
        FieldsOf(&out));
}

}  // namespace torvik
