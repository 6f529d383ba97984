#include "calling/twotone/two_tone_codec.h"

#include <string>

#include "calling/twotone/two_tone_tones.h"
#include "codeplug/byte_fields.h"

namespace torvik {
namespace {

using L = TwoToneLayout;

}  // namespace

void PackTwoTone(const TwoToneSettings& s, RadioImage& image) {
    PutLittleEndian16(image, L::kCallTone1, s.callTone1.value);
    PutLittleEndian16(image, L::kCallTone2, s.callTone2.value);
    PutLittleEndian16(image, L::kCallDivider1, s.callDivider1.value);
    PutLittleEndian16(image, L::kCallDivider2, s.callDivider2.value);
    image.at(L::kDecodeResponse) = s.decodeResponse;
    image.at(L::kFirstToneTime) = s.firstToneTime;
    image.at(L::kSecondToneTime) = s.secondToneTime;
    image.at(L::kLongToneTime) = s.longToneTime;
    image.at(L::kToneInterval) = s.toneInterval;
    image.at(L::kAutoResetTime) = s.autoResetTime;
    image.at(L::kSideTone) = s.sideTone;
    image.at(L::kCallFormat) = s.callFormat;
    PutBigEndian16(image, L::kToneA, s.toneA.value);
    PutBigEndian16(image, L::kToneB, s.toneB.value);
    PutBigEndian16(image, L::kToneC, s.toneC.value);
    PutBigEndian16(image, L::kToneD, s.toneD.value);

    // Every code record is written, stored or not; only the bitmap tells them apart.
    for (int k = 0; k < kTwoToneCodes; ++k) {
        const TwoToneCode& code = s.codes[static_cast<std::size_t>(k)];
        const std::size_t base = L::CodeBase(k);
        if (code.empty == 0) ClearEntryBit(image, L::kEmptyBitmap, k);
        PutLittleEndian16(image, base + L::kDivider1, code.divider1.value);
        PutLittleEndian16(image, base + L::kDivider2, code.divider2.value);
        PutLittleEndian16(image, base + L::kTone1, code.tone1.value);
        PutLittleEndian16(image, base + L::kTone2, code.tone2.value);
        PutImageName(code.name.text(), image.block(base + L::kName, L::kNameBytes));
    }
}

void UnpackTwoTone(const RadioImage& image, TwoToneSettings& s) {
    s.callTone1.value = GetLittleEndian16(image, L::kCallTone1);
    s.callTone2.value = GetLittleEndian16(image, L::kCallTone2);
    s.callDivider1.value = GetLittleEndian16(image, L::kCallDivider1);
    s.callDivider2.value = GetLittleEndian16(image, L::kCallDivider2);
    s.decodeResponse = image.at(L::kDecodeResponse);
    s.firstToneTime = image.at(L::kFirstToneTime);
    s.secondToneTime = image.at(L::kSecondToneTime);
    s.longToneTime = image.at(L::kLongToneTime);
    s.toneInterval = image.at(L::kToneInterval);
    s.autoResetTime = image.at(L::kAutoResetTime);
    s.sideTone = image.at(L::kSideTone);
    const std::uint8_t format = image.at(L::kCallFormat);
    s.callFormat = format < kCallFormats ? format : 0;
    s.toneA.value = GetBigEndian16(image, L::kToneA);
    s.toneB.value = GetBigEndian16(image, L::kToneB);
    s.toneC.value = GetBigEndian16(image, L::kToneC);
    s.toneD.value = GetBigEndian16(image, L::kToneD);

    for (int k = 0; k < kTwoToneCodes; ++k) {
        TwoToneCode& code = s.codes[static_cast<std::size_t>(k)];
        const std::size_t base = L::CodeBase(k);
        code.empty = EntryBit(image, L::kEmptyBitmap, k) ? 1 : 0;
        code.divider1.value = GetLittleEndian16(image, base + L::kDivider1);
        code.divider2.value = GetLittleEndian16(image, base + L::kDivider2);
        code.tone1.value = GetLittleEndian16(image, base + L::kTone1);
        code.tone2.value = GetLittleEndian16(image, base + L::kTone2);
        code.name = FixedText<7>::Value(GetImageName(image.block(base + L::kName, L::kNameBytes)));
    }
}

}  // namespace torvik
