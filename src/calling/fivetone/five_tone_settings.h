// The 5-Tone settings record: the radio's own ID and timings, the 8 information codes, the
// two PTT-ID codes and the 100-entry code table, with their defaults and the lookup that
// keeps references into the code table pointing at a stored entry.
#pragma once

#include <array>
#include <cstdint>
#include <tuple>

#include "codeplug/fixed_text.h"
#include "codeplug/record_fields.h"

namespace torvik {

inline constexpr int kInfoCodeCount = 8;
inline constexpr int kFiveToneEntryCount = 100;
// Symbols a code text can hold in its record field; the image's PTT-ID blocks hold fewer.
inline constexpr int kInfoCodeSymbols = 12;
inline constexpr int kFiveToneCodeSymbols = 40;
inline constexpr int kPttIdCodeSymbols = 24;
// Tone length in 10 ms units: the radio accepts 3..10 and falls back to 7 (70 ms).
inline constexpr std::uint8_t kMinToneDuration = 3;
inline constexpr std::uint8_t kMaxToneDuration = 10;
inline constexpr std::uint8_t kDefaultToneDuration = 7;
inline constexpr std::uint8_t kDefaultDecodeTime = 2;

// Member initialisers are the defaults of a new codeplug.

// A code the radio decodes and acts on (kill, stun, waken and the like).
struct InfoCode {
    std::uint8_t function = 0;  // 0..6; 3 kill, 4 stun, 5 waken
    std::uint8_t response = 0;  // 0..2
    std::uint8_t length = 0;    // symbols of `code` in use, 0..12
    FixedText<12> code;         // symbols "0".."9", "A".."F", no repeat substitution
    FixedText<7> name;

    bool operator==(const InfoCode&) const = default;
};

inline constexpr std::tuple kInfoCodeFields{
    Field("function", &InfoCode::function), Field("response", &InfoCode::response),
    Field("length", &InfoCode::length), Field("code", &InfoCode::code),
    Field("name", &InfoCode::name)};

constexpr const auto& FieldsOf(const InfoCode*) {
    return kInfoCodeFields;
}

// A code-table entry, and the shape of the two PTT-ID codes (which use neither `empty`
// nor `name`).
struct FiveToneCode {
    std::int16_t empty = 1;                        // 1 not stored, 0 stored
    std::uint8_t spare = 0;                        // kept at 0, never in the image
    std::uint8_t standard = 0;                     // position in ToneStandardTable
    std::uint8_t length = 0;                       // symbols of `code` in use
    std::uint8_t duration = kDefaultToneDuration;  // tone length in 10 ms units, 3..10
    FixedText<40> code;                            // repeat-substituted symbol text
    FixedText<7> name;

    bool operator==(const FiveToneCode&) const = default;
};

inline constexpr std::tuple kFiveToneCodeFields{
    Field("empty", &FiveToneCode::empty),       Field("spare", &FiveToneCode::spare),
    Field("standard", &FiveToneCode::standard), Field("length", &FiveToneCode::length),
    Field("duration", &FiveToneCode::duration), Field("code", &FiveToneCode::code),
    Field("name", &FiveToneCode::name)};

constexpr const auto& FieldsOf(const FiveToneCode*) {
    return kFiveToneCodeFields;
}

struct FiveToneSettings {
    std::uint8_t headerByte = 0;  // carried between image and file, never edited
    std::uint8_t decodeResponse = 0;
    std::uint8_t standard = 0;  // tone standard of the own sequences
    std::uint8_t ownIdLength = 0;
    std::uint8_t duration = kDefaultToneDuration;  // own tone length in 10 ms units
    FixedText<6> ownId;                            // 5 decimal digits
    std::uint8_t autoResetTime = 0;                // 0..250, tenths
    std::uint8_t preSendDelay = 20;                // 1..255, × 10
    std::uint8_t postSendDelay = 20;               // 1..255, × 10
    std::uint8_t interCodePause = 10;              // 0 off, else 5..75
    std::int16_t firstDigitDelay = 20;             // 10 ms units, 1..255
    std::int16_t pauseTime = 20;                   // 10 ms units, 0..255
    std::int16_t pauseCodeRange = 0;               // 0 off, or 11, 12, 13, 15 (B, C, D, F)
    std::int16_t sideTone = 0;
    std::int16_t aniSeparator = 13;  // ANI separator: 0 none, 10..15 the symbol "A".."F"
    std::array<InfoCode, kInfoCodeCount> infoCodes{};
    FiveToneCode pttIdBegin;
    FiveToneCode pttIdEnd;
    std::array<FiveToneCode, kFiveToneEntryCount> codeTable{};

    bool operator==(const FiveToneSettings&) const = default;
};

inline constexpr std::tuple kFiveToneSettingsFields{
    Field("headerByte", &FiveToneSettings::headerByte),
    Field("decodeResponse", &FiveToneSettings::decodeResponse),
    Field("standard", &FiveToneSettings::standard),
    Field("ownIdLength", &FiveToneSettings::ownIdLength),
    Field("duration", &FiveToneSettings::duration),
    Field("ownId", &FiveToneSettings::ownId),
    Field("autoResetTime", &FiveToneSettings::autoResetTime, "byte814"),
    Field("preSendDelay", &FiveToneSettings::preSendDelay, "byte811"),
    Field("postSendDelay", &FiveToneSettings::postSendDelay, "byte812"),
    Field("interCodePause", &FiveToneSettings::interCodePause, "byte813"),
    Field("firstDigitDelay", &FiveToneSettings::firstDigitDelay),
    Field("pauseTime", &FiveToneSettings::pauseTime),
    Field("pauseCodeRange", &FiveToneSettings::pauseCodeRange),
    Field("sideTone", &FiveToneSettings::sideTone),
    Field("aniSeparator", &FiveToneSettings::aniSeparator, "byte817"),
    Field("infoCodes", &FiveToneSettings::infoCodes),
    Field("pttIdBegin", &FiveToneSettings::pttIdBegin),
    Field("pttIdEnd", &FiveToneSettings::pttIdEnd),
    Field("codeTable", &FiveToneSettings::codeTable)};

constexpr const auto& FieldsOf(const FiveToneSettings*) {
    return kFiveToneSettingsFields;
}

// The defaults of a new codeplug. Names of the information codes and code-table entries and
// both PTT-ID codes keep their contents.
void ResetFiveTone(FiveToneSettings& settings, std::uint8_t& decodeTime);

// True when code-table entry n (0..99) is stored.
bool IsStoredFiveToneEntry(const FiveToneSettings& settings, int n);

// n when code-table entry n is stored, else the first stored entry, else 0. Keeps channel
// and emergency references pointing at an entry that exists.
int FirstStoredFiveToneEntry(const FiveToneSettings& settings, int n);

}  // namespace torvik
