// The image decoder: the input, cut or padded with zeros to the 16 KB of a radio image, is
// decoded as a completed read would, then encoded again as a write would. The first input
// byte picks the radio's band. An image the encoder refuses is a reported error.
#include <algorithm>

#include "aggregate/image_codec.h"
#include "fuzz_targets.h"
#include "platform/silent_reporter.h"

namespace torvik::fuzz {

int FuzzImage(const std::uint8_t* data, std::size_t size) {
    Codeplug& codeplug = BlankCodeplug();
    if (size > 0) codeplug.band.setCode(data[0]);
    const std::size_t taken = std::min(size, RadioImage::kSize);
    std::copy_n(data, taken, codeplug.image.block(0, RadioImage::kSize).begin());
    DecodeImage(codeplug);
    SilentReporter reporter;
    (void)EncodeImage(codeplug, reporter);
    return 0;
}

}  // namespace torvik::fuzz
