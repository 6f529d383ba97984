#include "codeplug/radio_image.h"

#include <algorithm>

namespace torvik {

void RadioImage::fill(std::size_t first, std::size_t last, std::uint8_t value) {
    if (last < first) throw ImageRangeError("radio image fill range reversed");
    auto run = block(first, last - first + 1);
    std::fill(run.begin(), run.end(), value);
}

void PrefillImage(RadioImage& image) {
    // Later runs overwrite earlier ones; together they give 0xFF exactly over the channel,
    // 2-Tone and 5-Tone empty bitmaps and the reserved block at 1008.
    image.fill(16, 255, 0x00);
    image.fill(256, 511, 0xFF);
    image.fill(512, 895, 0x00);
    image.fill(896, 927, 0xFF);
    image.fill(928, RadioImage::kSize - 1, 0x00);
    image.fill(1008, 1023, 0xFF);
}

}  // namespace torvik
