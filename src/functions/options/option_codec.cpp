#include "functions/options/option_codec.h"

#include <span>
#include <string>

#include "codeplug/byte_fields.h"

namespace torvik {
namespace {

using L = OptionLayout;

// The text's characters from the first byte on, the rest of the run 0x00.
template <std::size_t N>
void PutText(const FixedText<N>& field, std::span<std::uint8_t> out) {
    const std::string text = field.text();
    for (std::size_t i = 0; i < out.size(); ++i) {
        out[i] = i < text.size() ? static_cast<std::uint8_t>(text[i]) : 0x00;
    }
}

// The run up to its first 0x00 or 0xFF, held by the fixed-width rule.
template <std::size_t N>
void GetText(std::span<const std::uint8_t> in, FixedText<N>& field) {
    std::string text;
    for (std::uint8_t byte : in) {
        if (byte == 0x00 || byte == 0xFF) break;
        text += static_cast<char>(byte);
    }
    field = FixedText<N>::Value(text);
}

static_assert(L::kWelcomeBytes == decltype(OptionSettings::welcomeMessage)::kWidth);
static_assert(L::kPasswordBytes == decltype(OptionSettings::powerOnPassword)::kWidth);

std::int16_t Flag(const RadioImage& image, const BitField& field) {
    return static_cast<std::int16_t>(GetField(image, field));
}

}  // namespace

void PackOptions(const OptionSettings& o, std::uint8_t squelchOffInhibit,
                 const OptionAreaDtmf& dtmf, RadioImage& image) {
    for (const auto& field : L::kByteFields) {
        image.at(field.offset) =
            CheckedByte(o.*field.member, FieldName(kOptionSettingsFields, field.member));
    }
    for (std::size_t offset : L::kZeroBytes) image.at(offset) = 0x00;

    PutFields(image, {{L::kKeyBeep, o.keyBeep},
                      {L::kTailElimination, o.tailElimination},
                      {L::kAniEnabled, dtmf.aniEnabled},
                      {L::kSquelchOffInhibit, squelchOffInhibit}});
    image.at(L::kDigitDuration) = CheckedByte(dtmf.digitDuration, "digitDuration");
    PutFields(image, {{L::kFunctionOperation, o.functionOperation},
                      {L::kInternalFunctionOperation, o.internalFunctionOperation},
                      {L::kInitKey, o.initKey}});
    image.at(L::kPasswordEnabled) = CheckedByte(o.powerOnPasswordEnabled, "powerOnPasswordEnabled");

    PutText(o.welcomeMessage, image.block(L::kWelcome, L::kWelcomeBytes));
    PutText(o.powerOnPassword, image.block(L::kPassword, L::kPasswordBytes));
}

void UnpackOptions(const RadioImage& image, OptionSettings& o, std::uint8_t& squelchOffInhibit,
                   OptionAreaDtmf& dtmf) {
    for (const auto& field : L::kByteFields) o.*field.member = image.at(field.offset);
    // Row 18 has two choices; anything else the radio holds reads as the first.
    if (o.channelDisplayExtra > 1) o.channelDisplayExtra = 0;

    o.keyBeep = Flag(image, L::kKeyBeep);
    o.tailElimination = Flag(image, L::kTailElimination);
    dtmf.aniEnabled = Flag(image, L::kAniEnabled);
    squelchOffInhibit = static_cast<std::uint8_t>(GetField(image, L::kSquelchOffInhibit));
    dtmf.digitDuration = image.at(L::kDigitDuration);

    o.functionOperation = Flag(image, L::kFunctionOperation);
    o.internalFunctionOperation = Flag(image, L::kInternalFunctionOperation);
    o.initKey = Flag(image, L::kInitKey);
    o.powerOnPasswordEnabled = image.at(L::kPasswordEnabled);

    GetText(image.block(L::kWelcome, L::kWelcomeBytes), o.welcomeMessage);
    GetText(image.block(L::kPassword, L::kPasswordBytes), o.powerOnPassword);
}

}  // namespace torvik
