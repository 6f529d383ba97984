// The optional functions' image form: the power-on password, the option block and the
// power-on message, plus the squelch-off inhibit flag and two DTMF settings that share the
// option block's bytes.
//
//   528..533  powerOnPassword: its characters from 528 on, the rest 0x00
//   544  displayMode          545  workMode            546  powerOnChannel
//   547  squelchLevel         548  not written         549  voicePrompt
//   550  channelDisplayExtra  551  backlightTime       552  currentGroup
//   553  0x00                 554  0x00                555  toneBurstFrequency
//   556  timeOutTimer         557  0x00                558  batterySave
//   559  keyLock
//   560  bit 0 keyBeep, bit 1 tailElimination, bit 2 DTMF aniEnabled,
//        bit 6 squelchOffInhibit, other bits 0
//   561  busyChannelLockout   562  DTMF digitDuration
//   563  bit 0 functionOperation, bit 1 internalFunctionOperation, bit 3 initKey, other bits 0
//   564  tailPhase            565  sideKey             566, 567 not written
//   568  powerOnPasswordEnabled
//   992..998  welcomeMessage: its characters from 992 on, the rest 0x00
//
// voxLevel, backlight and rogerBeep have no place in the image.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "codeplug/byte_fields.h"
#include "codeplug/radio_image.h"
#include "functions/options/option_settings.h"

namespace torvik {

struct OptionLayout {
    static constexpr std::size_t kPassword = 528;
    static constexpr std::size_t kPasswordBytes = 6;
    static constexpr std::size_t kWelcome = 992;
    static constexpr std::size_t kWelcomeBytes = 7;

    // Option bytes that hold one field each, as its value.
    struct ByteField {
        std::size_t offset;
        std::int16_t OptionSettings::*member;
    };
    static constexpr std::array<ByteField, 15> kByteFields{{
        {544, &OptionSettings::displayMode},
        {545, &OptionSettings::workMode},
        {546, &OptionSettings::powerOnChannel},
        {547, &OptionSettings::squelchLevel},
        {549, &OptionSettings::voicePrompt},
        {550, &OptionSettings::channelDisplayExtra},
        {551, &OptionSettings::backlightTime},
        {552, &OptionSettings::currentGroup},
        {555, &OptionSettings::toneBurstFrequency},
        {556, &OptionSettings::timeOutTimer},
        {558, &OptionSettings::batterySave},
        {559, &OptionSettings::keyLock},
        {561, &OptionSettings::busyChannelLockout},
        {564, &OptionSettings::tailPhase},
        {565, &OptionSettings::sideKey},
    }};
    static constexpr std::size_t kChannelDisplayExtra = 550;
    // Unused bytes inside the block that are written as 0x00.
    static constexpr std::array<std::size_t, 3> kZeroBytes{553, 554, 557};

    static constexpr std::size_t kSwitchesA = 560;
    static constexpr BitField kKeyBeep{"keyBeep", kSwitchesA, 0, 1};
    static constexpr BitField kTailElimination{"tailElimination", kSwitchesA, 1, 1};
    static constexpr BitField kAniEnabled{"aniEnabled", kSwitchesA, 2, 1};
    static constexpr BitField kSquelchOffInhibit{"squelchOffInhibit", kSwitchesA, 6, 1};

    static constexpr std::size_t kDigitDuration = 562;

    static constexpr std::size_t kSwitchesB = 563;
    static constexpr BitField kFunctionOperation{"functionOperation", kSwitchesB, 0, 1};
    static constexpr BitField kInternalFunctionOperation{"internalFunctionOperation", kSwitchesB, 1,
                                                         1};
    static constexpr BitField kInitKey{"initKey", kSwitchesB, 3, 1};

    static constexpr std::size_t kPasswordEnabled = 568;
};

// The two DTMF settings the radio keeps in the option block. The option codec owns those
// bytes, so the DTMF settings travel through it.
struct OptionAreaDtmf {
    std::int16_t aniEnabled = 0;     // bit 2 of byte 560
    std::int16_t digitDuration = 0;  // byte 562
};

// Writes the option block, the password and the message into a prefilled image. Throws
// EncodeError on a value that does not fit its byte or bit.
void PackOptions(const OptionSettings& options, std::uint8_t squelchOffInhibit,
                 const OptionAreaDtmf& dtmf, RadioImage& image);

// Reads them back. voxLevel, backlight and rogerBeep keep their values.
void UnpackOptions(const RadioImage& image, OptionSettings& options,
                   std::uint8_t& squelchOffInhibit, OptionAreaDtmf& dtmf);

}  // namespace torvik
