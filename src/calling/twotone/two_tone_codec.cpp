#include "calling/twotone/two_tone_codec.h"

#include "calling/twotone/two_tone_tones.h"
#include "codeplug/byte_fields.h"

namespace torvik {
namespace {

using L = TwoToneLayout;

}  // namespace

void PackTwoTone(const TwoToneSettings& s, RadioImage& image) {
    for (const auto& field : L::kByteFields) image.at(field.offset) = s.*field.member;
    for (const auto& field : L::kLittleEndianFields) {
        PutLittleEndian16(image, field.offset, (s.*field.member).value);
    }
    for (const auto& field : L::kBigEndianFields) {
        PutBigEndian16(image, field.offset, (s.*field.member).value);
    }

    // Every code record is written, stored or not; only the bitmap tells them apart.
    for (int k = 0; k < kTwoToneCodes; ++k) {
        const TwoToneCode& code = s.codes[static_cast<std::size_t>(k)];
        const std::size_t base = L::CodeBase(k);
        if (code.empty == 0) ClearEntryBit(image, L::kEmptyBitmap, k);
        for (const auto& field : L::kCodeFields) {
            PutLittleEndian16(image, base + field.offset, (code.*field.member).value);
        }
        PutImageName(code.name.view(), image.block(base + L::kCodeName, L::kNameBytes));
    }
}

void UnpackTwoTone(const RadioImage& image, TwoToneSettings& s) {
    for (const auto& field : L::kByteFields) s.*field.member = image.at(field.offset);
    // A format the radio does not know reads as the first one.
    if (s.callFormat >= kCallFormats) s.callFormat = 0;
    for (const auto& field : L::kLittleEndianFields) {
        (s.*field.member).value = GetLittleEndian16(image, field.offset);
    }
    for (const auto& field : L::kBigEndianFields) {
        (s.*field.member).value = GetBigEndian16(image, field.offset);
    }

    for (int k = 0; k < kTwoToneCodes; ++k) {
        TwoToneCode& code = s.codes[static_cast<std::size_t>(k)];
        const std::size_t base = L::CodeBase(k);
        code.empty = EntryBit(image, L::kEmptyBitmap, k) ? 1 : 0;
        for (const auto& field : L::kCodeFields) {
            (code.*field.member).value = GetLittleEndian16(image, base + field.offset);
        }
        code.name =
            FixedText<7>::Value(GetImageName(image.block(base + L::kCodeName, L::kNameBytes)));
    }
}

}  // namespace torvik
