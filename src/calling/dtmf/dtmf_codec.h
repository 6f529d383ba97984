// The DTMF areas of the radio image. The ANI switch and the send time live in the option
// area and are coded there.
//
//   736  separatorCode 10..15          737  groupCode 10..15, 0xFF off
//   738  decodeResponse 0..2           739  preSendDelay
//   740  firstDigitDelay 0..250        741  resetTime
//   743..745  dtmfId, one digit value per byte, first digit first
//   749  sideTone    750  postSendDelay    751  pauseTime
//   752..758  remote kill code, 759 its length (0..14)
//   760..766  remote stun code, 767 its length
//   832..843  PTT-ID begin code, 844 its length (0..24)
//   848..859  PTT-ID end code, 860 its length
//   1024 + 16m  memory code M(m+1), m = 0..15: 12 code bytes, then the length byte
//
// A code is packed two symbols a byte, the first in the high nibble; an odd count is
// completed with a "0" symbol, and only the bytes the length needs are written.
#pragma once

#include <cstddef>

#include "calling/dtmf/dtmf_settings.h"
#include "codeplug/radio_image.h"

namespace torvik {

struct DtmfLayout {
    static constexpr std::size_t kSeparator = 736;
    static constexpr std::size_t kGroup = 737;
    static constexpr std::size_t kDecodeResponse = 738;
    static constexpr std::size_t kPreSendDelay = 739;
    static constexpr std::size_t kFirstDigitDelay = 740;
    static constexpr std::size_t kResetTime = 741;
    static constexpr std::size_t kDtmfId = 743;
    static constexpr std::size_t kDtmfIdDigits = 3;
    static constexpr std::size_t kSideTone = 749;
    static constexpr std::size_t kPostSendDelay = 750;
    static constexpr std::size_t kPauseTime = 751;
    static constexpr std::size_t kRemoteKillCode = 752;
    static constexpr std::size_t kRemoteStunCode = 760;
    static constexpr std::size_t kPttIdBeginCode = 832;
    static constexpr std::size_t kPttIdEndCode = 848;
    static constexpr std::size_t kMemoryCodes = 1024;
    static constexpr std::size_t kMemoryCodeStride = 16;

    // The group byte of "off".
    static constexpr std::uint8_t kGroupOffByte = 0xFF;

    static constexpr std::size_t MemoryCode(int m) {
        return kMemoryCodes + kMemoryCodeStride * static_cast<std::size_t>(m);
    }
    // A code field of `width` symbols holds width / 2 bytes, then its length byte.
    static constexpr std::size_t CodeLength(std::size_t start, std::size_t width) {
        return start + width / 2;
    }
};

// Writes the DTMF areas into a prefilled image. The own ID is normalised ("7" becomes "700")
// in `settings` too, so the record shows what the radio was given; every other correction is
// made to the image only. Throws EncodeError on a value that does not fit its byte or a code
// that is not made of DTMF symbols.
void PackDtmf(DtmfSettings& settings, RadioImage& image);

// Fills the record from the image; the ANI switch, the send time and the PTT-ID mode keep
// their values. A decode response above 2 or a first-digit delay above 250 is repaired to 0
// in the image itself, so a later write sends a valid byte.
void UnpackDtmf(RadioImage& image, DtmfSettings& settings);

}  // namespace torvik
