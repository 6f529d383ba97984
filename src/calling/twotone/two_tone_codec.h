// The 2-Tone area of the radio image. The image holds the call tones, call dividers and the
// codes' values low byte first and the tone table high byte first: the opposite of the
// record's data-file form, so every pair is turned round on the way.
//
//   768  callTone1       770  callTone2       772  callDivider1    774  callDivider2
//        (each low byte first)
//   776  decodeResponse  777  firstToneTime   778  secondToneTime  779  longToneTime
//   780  toneInterval    781  autoResetTime   782  sideTone        783  callFormat (above 14
//                                                                       reads as 0)
//   784  toneA           786  toneB           788  toneC           790  toneD
//        (each high byte first)
//   896..899  code bitmap: code k is bit (k mod 8) of byte 896 + k div 8, 1 = empty
//   2816 + 16k  code k (k = 0..31):
//       +0 divider1, +2 divider2, +4 tone1, +6 tone2 (each low byte first)
//       +8..+14 name: its characters blank-filled to 7, or seven 0x00 when empty
//       +15 not written
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "calling/twotone/two_tone_settings.h"
#include "codeplug/radio_image.h"

namespace torvik {

struct TwoToneLayout {
    // A field of `Record` at `offset`: from the image start for the area's own fields, from
    // the start of its code for a code's.
    template <class Record, class Value>
    struct Field {
        std::size_t offset;
        Value Record::*member;
    };

    // Bytes that hold one field each, as its value.
    static constexpr std::array<Field<TwoToneSettings, std::uint8_t>, 8> kByteFields{{
        {776, &TwoToneSettings::decodeResponse},
        {777, &TwoToneSettings::firstToneTime},
        {778, &TwoToneSettings::secondToneTime},
        {779, &TwoToneSettings::longToneTime},
        {780, &TwoToneSettings::toneInterval},
        {781, &TwoToneSettings::autoResetTime},
        {782, &TwoToneSettings::sideTone},
        {783, &TwoToneSettings::callFormat},
    }};
    // Pairs held low byte first: the call tones and dividers.
    static constexpr std::array<Field<TwoToneSettings, HighByteFirst16>, 4> kLittleEndianFields{{
        {768, &TwoToneSettings::callTone1},
        {770, &TwoToneSettings::callTone2},
        {772, &TwoToneSettings::callDivider1},
        {774, &TwoToneSettings::callDivider2},
    }};
    // Pairs held high byte first: the tone table.
    static constexpr std::array<Field<TwoToneSettings, LowByteFirst16>, 4> kBigEndianFields{{
        {784, &TwoToneSettings::toneA},
        {786, &TwoToneSettings::toneB},
        {788, &TwoToneSettings::toneC},
        {790, &TwoToneSettings::toneD},
    }};

    static constexpr std::size_t kEmptyBitmap = 896;

    static constexpr std::size_t kCodes = 2816;
    static constexpr std::size_t kCodeSize = 16;
    // Pairs inside a code, each held low byte first.
    static constexpr std::array<Field<TwoToneCode, HighByteFirst16>, 4> kCodeFields{{
        {0, &TwoToneCode::divider1},
        {2, &TwoToneCode::divider2},
        {4, &TwoToneCode::tone1},
        {6, &TwoToneCode::tone2},
    }};
    static constexpr std::size_t kCodeName = 8;
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
