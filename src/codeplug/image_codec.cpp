#include "codeplug/image_codec.h"

#include <exception>
#include <string_view>

#include "codeplug/channel_codec.h"

namespace torvik {
namespace {

using AreaStep = void (*)(Codeplug&);

struct EncodeStep {
    AreaStep encode;
    // Reported, word for word, when this area cannot be encoded.
    std::string_view failureText;
};

// The radio's fixed encode order. Each area is one line.
constexpr EncodeStep kEncodeOrder[] = {
    {[](Codeplug& c) { EncodeChannels(c.channels, c.image); }, "SetCommDataByFrequencyError"},
};

// The fixed decode order.
constexpr AreaStep kDecodeOrder[] = {
    [](Codeplug& c) { DecodeChannels(c.image, c.channels); },
};

}  // namespace

std::optional<EncodedImage> EncodeImage(Codeplug& codeplug, Reporter& reporter) {
    PrefillImage(codeplug.image);
    for (const EncodeStep& step : kEncodeOrder) {
        try {
            step.encode(codeplug);
        } catch (const std::exception&) {
            reporter.show(Severity::Error, step.failureText);
            PrefillImage(codeplug.image);
            return std::nullopt;
        }
    }
    return EncodedImage(codeplug.image);
}

void DecodeImage(Codeplug& codeplug) {
    for (AreaStep decode : kDecodeOrder) decode(codeplug);
}

}  // namespace torvik
