// The 2-Tone area of the radio image. The image holds the call tones, call dividers and the
// codes' values low byte first and the tone table high byte first: the opposite of the
// record's data-file form, so every pair is turned round on the way.
//
//   768..775   callTone1, callTone2, callDivider1, callDivider2   little-endian
//   776..783   decodeResponse, firstToneTime, secondToneTime, longToneTime, toneInterval,
//              autoResetTime, sideTone, callFormat
//   784..791   toneA, toneB, toneC, toneD                         big-endian
//   896..899   code bitmap: code k is bit (k mod 8) of byte 896 + k div 8, 1 = empty
//   2816 + 16k code k (k = 0..31):
//       +0 divider1, +2 divider2, +4 tone1, +6 tone2               little-endian
//       +8..+14 name: its characters blank-filled to 7, or seven 0x00 when empty
//       +15 not written
#pragma once

#include <cstddef>

#include "calling/twotone/two_tone_settings.h"
#include "codeplug/radio_image.h"

namespace torvik {

struct TwoToneLayout {
    static constexpr std::size_t kCallTone1 = 768;
    static constexpr std::size_t kCallTone2 = 770;
    static constexpr std::size_t kCallDivider1 = 772;
    static constexpr std::size_t kCallDivider2 = 774;
    static constexpr std::size_t kDecodeResponse = 776;
    static constexpr std::size_t kFirstToneTime = 777;
    static constexpr std::size_t kSecondToneTime = 778;
    static constexpr std::size_t kLongToneTime = 779;
    static constexpr std::size_t kToneInterval = 780;
    static constexpr std::size_t kAutoResetTime = 781;
    static constexpr std::size_t kSideTone = 782;
    static constexpr std::size_t kCallFormat = 783;
    static constexpr std::size_t kToneA = 784;
    static constexpr std::size_t kToneB = 786;
    static constexpr std::size_t kToneC = 788;
    static constexpr std::size_t kToneD = 790;

    static constexpr std::size_t kEmptyBitmap = 896;

    static constexpr std::size_t kCodes = 2816;
    static constexpr std::size_t kCodeSize = 16;
    // Offsets inside a code.
    static constexpr std::size_t kDivider1 = 0;
    static constexpr std::size_t kDivider2 = 2;
    static constexpr std::size_t kTone1 = 4;
    static constexpr std::size_t kTone2 = 6;
    static constexpr std::size_t kName = 8;
    static constexpr std::size_t kNameBytes = 7;

    static constexpr std::size_t CodeBase(int k) {
        return kCodes + kCodeSize * static_cast<std::size_t>(k);
    }
};

// Writes the 2-Tone area into a prefilled image. Every field fits its bytes by its type, so
// no record value makes this step fail.
void PackTwoTone(const TwoToneSettings& settings, RadioImage& image);

// Fills the record from the image; a call format above 14 reads as 0.
void UnpackTwoTone(const RadioImage& image, TwoToneSettings& settings);

}  // namespace torvik
