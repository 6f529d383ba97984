// Byte rows of a radio image for the calling tests: read a run as a QByteArray, lay a row
// written by hand into a prefilled image.
#pragma once

#include <QByteArray>

#include "codeplug/radio_image.h"

namespace torvik::test {

inline QByteArray Bytes(const RadioImage& image, std::size_t address, std::size_t length) {
    auto run = image.block(address, length);
    return QByteArray(reinterpret_cast<const char*>(run.data()), static_cast<int>(length));
}

inline void Put(RadioImage& image, std::size_t address, const QByteArray& row) {
    auto run = image.block(address, static_cast<std::size_t>(row.size()));
    for (int i = 0; i < row.size(); ++i)
        run[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(row[i]);
}

inline RadioImage Prefilled() {
    RadioImage image;
    PrefillImage(image);
    return image;
}

inline QByteArray FileBytes(const std::vector<std::uint8_t>& bytes) {
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<int>(bytes.size()));
}

}  // namespace torvik::test
