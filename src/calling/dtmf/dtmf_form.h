// The DTMF editor's form without its widgets: what each code box, list and switch shows for a
// DtmfSettings record, the rewrites of the code boxes when the own ID or the separator
// changes, and the record an OK makes of the form.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "calling/dtmf/dtmf_settings.h"

namespace torvik {

// The twenty code boxes: the memories M1..M16 first, then these four.
inline constexpr int kDtmfCodeBoxes = 20;
inline constexpr int kDtmfBeginBox = 16;
inline constexpr int kDtmfEndBox = 17;
inline constexpr int kDtmfKillBox = 18;
inline constexpr int kDtmfStunBox = 19;
// Boxes 0..17 hold calls and PTT-IDs: the ID and separator rewrites and the special-call
// dialog serve them; the remote-control codes are left alone.
inline constexpr int kDtmfCallBoxes = 18;

// The number of symbols code box `box` takes.
std::size_t DtmfCodeBoxWidth(int box);

// List positions and box texts, as the editor shows them.
struct DtmfForm {
    std::array<std::string, kDtmfCodeBoxes> codes;  // in shown symbols ("*", "#")
    int ani = 0;                                    // off, on
    int digitDuration = 0;                          // 30, 50, 100, 200, 300, 500 ms
    int pttIdMode = 0;                              // off, begin, end, both
    std::string dtmfId;                             // up to three digits
    int separator = 0;                              // A, B, C, D, *, #
    int group = 0;                                  // off, A, B, C, D, *, #
    int decodeResponse = 0;                         // none, ring, ring and reply
    int firstDigitDelay = 0;                        // 0, 10, ..., 2500 ms
    int preSendDelay = 0;                           // 10, 20, ..., 2500 ms
    int resetTime = 0;                              // 0.0, 0.1, ..., 25.0 s
    int postSendDelay = 0;                          // 10, 20, ..., 2500 ms
    int pauseTime = 0;                              // off, 5, 6, ..., 75
    bool sideTone = false;

    bool operator==(const DtmfForm&) const = default;
};

// What the editor shows for `settings`, after every value no list can show was set to the
// entry shown instead (NormalizeDtmfForEditing).
DtmfForm DtmfFormOf(const DtmfSettings& settings);

// OK: the form into `settings`, every field from its control. The ID is right-padded with
// "0" to three digits, codes are held in nibble form with their length. A group switched off
// is stored as 255, unless `settings` already held a group value that means off: opening the
// editor and pressing OK then changes nothing.
void CommitDtmfForm(const DtmfForm& form, DtmfSettings& settings);

// The separator symbol the form's separator list shows.
char DtmfFormSeparator(const DtmfForm& form);

// After the ID box was left: when it holds three digits other than `previousId` (the ID the
// codes were last made for), every call code of the form "ddd" separator "ddd" or separator
// "ddd" ends in the new ID. Leaving the box unchanged rewrites nothing. True when the ID was
// taken up.
bool RetargetDtmfCodes(DtmfForm& form, std::string_view previousId);

// Another separator chosen: the call codes that end in the own ID after a separator take the
// new one.
void ReseparateDtmfCodes(DtmfForm& form, int separator);

}  // namespace torvik
