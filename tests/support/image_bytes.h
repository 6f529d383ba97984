// Byte rows of a radio image in tests: read a run as a QByteArray, lay a row written by hand
// into an image, and record bytes as a QByteArray.
#pragma once

#include <QByteArray>

#include "codeplug/radio_image.h"

namespace torvik::test {

inline QByteArray Bytes(const RadioImage& image, std::size_t address, std::size_t length) {
    auto run = image.block(address, length);
    return QByteArray(reinterpret_cast<const char*>(run.data()), static_cast<int>(length));
}

inline void Put(RadioImage& image, std::size_t address, const QByteArray& bytes) {
    auto run = image.block(address, static_cast<std::size_t>(bytes.size()));
    for (int i = 0; i < bytes.size(); ++i) run[i] = static_cast<std::uint8_t>(bytes[i]);
}

inline RadioImage Prefilled() {
    RadioImage image;
    PrefillImage(image);
    return image;
}

// Every byte the same: shows which bytes an encoder touched and which it left alone.
inline RadioImage Filled(std::uint8_t value) {
    RadioImage image;
    image.fill(0, RadioImage::kSize - 1, value);
    return image;
}

inline QByteArray ToQByteArray(const std::vector<std::uint8_t>& bytes) {
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<int>(bytes.size()));
}

}  // namespace torvik::test
