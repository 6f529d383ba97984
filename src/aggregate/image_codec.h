// The drivers that turn a codeplug into the radio image and back, calling every area's
// encoder or decoder in the radio's fixed order.
#pragma once

#include <optional>

#include "aggregate/codeplug.h"
#include "platform/reporter.h"

namespace torvik {

// An image that EncodeImage built completely. A write transfer accepts nothing else, so a
// half-encoded image can never be sent.
class EncodedImage {
  public:
    const RadioImage& image() const { return image_; }

  private:
    friend std::optional<EncodedImage> EncodeImage(Codeplug& codeplug, Reporter& reporter);
    explicit EncodedImage(const RadioImage& image) : image_(image) {}
    RadioImage image_;
};

// Prefills the codeplug's image and runs the area encoders in order. The first encoder that
// fails reports its own fixed message, with the reason it gave as the detail, and stops the
// run; the image is then prefilled again and nothing is returned.
std::optional<EncodedImage> EncodeImage(Codeplug& codeplug, Reporter& reporter);

// Rebuilds the channel table and every function record from the codeplug's image, after a
// completed read with the radio's band already made current. Decoders never fail.
void DecodeImage(Codeplug& codeplug);

}  // namespace torvik
