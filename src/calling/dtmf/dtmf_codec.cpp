#include "calling/dtmf/dtmf_codec.h"

#include <string>
#include <string_view>

#include "calling/dtmf/dtmf_text.h"
#include "codeplug/byte_fields.h"

namespace torvik {
namespace {

using L = DtmfLayout;

constexpr int kMaxDecodeResponse = 2;
constexpr int kMaxFirstDigitDelay = 250;
constexpr char kFillSymbol = '0';
constexpr std::uint8_t kMaxIdDigit = 9;
constexpr std::string_view kNoDtmfId = "000";

bool IsSymbolValue(int value) {
    return value >= kDtmfSymbolA && value <= kDtmfSymbolHash;
}

// Writes one code. Long codes are padded with "0" up to their length; short codes are not,
// so a short code with fewer symbols than its length cannot be written.
template <std::size_t Width>
void PackCode(const DtmfCode<Width>& code, bool padToLength, RadioImage& image, std::size_t start) {
    std::string text = code.code.text();
    const int length = code.length > static_cast<int>(Width) ? 0 : code.length;
    image.at(L::CodeLength(start, Width)) = CheckedByte(length);
    if (padToLength && text.size() < static_cast<std::size_t>(length)) {
        text.resize(static_cast<std::size_t>(length), kFillSymbol);
    }
    if (text.size() % 2 != 0) text += kFillSymbol;

    const std::size_t bytes = (static_cast<std::size_t>(length) + 1) / 2;
    if (text.size() < 2 * bytes) {
        throw EncodeError("DTMF code has fewer symbols than its length");
    }
    auto out = image.block(start, bytes);
    for (std::size_t i = 0; i < bytes; ++i) out[i] = HexPairToByte(text[2 * i], text[2 * i + 1]);
}

template <std::size_t Width>
void UnpackCode(const RadioImage& image, std::size_t start, DtmfCode<Width>& code) {
    std::size_t length = image.at(L::CodeLength(start, Width));
    if (length > Width) length = 0;
    std::string text;
    for (std::uint8_t byte : image.block(start, (length + 1) / 2)) text += ByteToHex2(byte);
    text.resize(length);
    code.code = FixedText<Width>::Value(text);
    code.length = static_cast<std::int16_t>(length);
}

}  // namespace

void PackDtmf(DtmfSettings& s, RadioImage& image) {
    image.at(L::kSeparator) =
        CheckedByte(IsSymbolValue(s.separatorCode) ? s.separatorCode : kDtmfSymbolStar);
    image.at(L::kGroup) = IsSymbolValue(s.groupCode) ? CheckedByte(s.groupCode) : L::kGroupOffByte;
    image.at(L::kDecodeResponse) =
        CheckedByte(s.decodeResponse > kMaxDecodeResponse ? 0 : s.decodeResponse);
    image.at(L::kPreSendDelay) = CheckedByte(s.preSendDelay, "preSendDelay");
    image.at(L::kFirstDigitDelay) =
        CheckedByte(s.firstDigitDelay > kMaxFirstDigitDelay ? 0 : s.firstDigitDelay);
    image.at(L::kResetTime) = CheckedByte(s.resetTime, "resetTime");

    const std::string id = NormalizeDtmfId(s.dtmfId.raw());
    s.dtmfId = FixedText<3>::Value(id);
    auto digits = image.block(L::kDtmfId, L::kDtmfIdDigits);
    for (std::size_t i = 0; i < L::kDtmfIdDigits; ++i) {
        digits[i] = static_cast<std::uint8_t>(HexDigitValue(id[i]));
    }

    image.at(L::kSideTone) = CheckedByte(s.sideTone, "sideTone");
    image.at(L::kPostSendDelay) = CheckedByte(s.postSendDelay, "postSendDelay");
    image.at(L::kPauseTime) = CheckedByte(s.pauseTime, "pauseTime");

    WithContext("pttIdBeginCode",
                [&] { PackCode(s.pttIdBeginCode, true, image, L::kPttIdBeginCode); });
    WithContext("pttIdEndCode", [&] { PackCode(s.pttIdEndCode, true, image, L::kPttIdEndCode); });
    WithContext("remoteKillCode",
                [&] { PackCode(s.remoteKillCode, false, image, L::kRemoteKillCode); });
    WithContext("remoteStunCode",
                [&] { PackCode(s.remoteStunCode, false, image, L::kRemoteStunCode); });
    for (int m = 0; m < kDtmfMemoryCodes; ++m) {
        WithContext("memoryCodes", m, [&] {
            PackCode(s.memoryCodes[static_cast<std::size_t>(m)], true, image, L::MemoryCode(m));
        });
    }
}

void UnpackDtmf(RadioImage& image, DtmfSettings& s) {
    const std::uint8_t separator = image.at(L::kSeparator);
    s.separatorCode = IsSymbolValue(separator) ? separator : kDtmfSymbolStar;
    const std::uint8_t group = image.at(L::kGroup);
    s.groupCode = IsSymbolValue(group) ? group : kDtmfGroupOff;

    std::uint8_t& response = image.at(L::kDecodeResponse);
    if (response > kMaxDecodeResponse) response = 0;
    s.decodeResponse = response;
    s.preSendDelay = image.at(L::kPreSendDelay);
    std::uint8_t& firstDelay = image.at(L::kFirstDigitDelay);
    if (firstDelay > kMaxFirstDigitDelay) firstDelay = 0;
    s.firstDigitDelay = firstDelay;
    s.resetTime = image.at(L::kResetTime);

    std::string id;
    for (std::uint8_t digit : image.block(L::kDtmfId, L::kDtmfIdDigits)) {
        if (digit > kMaxIdDigit) {
            id = kNoDtmfId;
            break;
        }
        id += static_cast<char>('0' + digit);
    }
    s.dtmfId = FixedText<3>::Value(id);

    s.sideTone = image.at(L::kSideTone);
    s.postSendDelay = image.at(L::kPostSendDelay);
    s.pauseTime = image.at(L::kPauseTime);

    UnpackCode(image, L::kPttIdBeginCode, s.pttIdBeginCode);
    UnpackCode(image, L::kPttIdEndCode, s.pttIdEndCode);
    UnpackCode(image, L::kRemoteKillCode, s.remoteKillCode);
    UnpackCode(image, L::kRemoteStunCode, s.remoteStunCode);
    for (int m = 0; m < kDtmfMemoryCodes; ++m) {
        UnpackCode(image, L::MemoryCode(m), s.memoryCodes[static_cast<std::size_t>(m)]);
    }
}

}  // namespace torvik
