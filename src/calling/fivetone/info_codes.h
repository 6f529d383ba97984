// The 5-Tone editor's information codes without their widgets: what the function, response,
// code and name controls show for one code and store back, which controls each function
// allows, and the check at OK that kill and stun codes can be undone and no two functions
// share a code.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "calling/fivetone/five_tone_settings.h"

namespace torvik {

// Decode functions in list order.
enum InfoFunction {
    kInfoNone = 0,
    kInfoIndividual = 1,
    kInfoGroup = 2,
    kInfoKill = 3,
    kInfoStun = 4,
    kInfoWaken = 5,
    kInfoAllCall = 6,
    kInfoFunctions = 7,
};
inline constexpr int kInfoResponses = 3;

struct InfoCodeForm {
    int function = 0;
    int response = 0;
    std::string code;
    std::string name;

    bool operator==(const InfoCodeForm&) const = default;
};

// showInfoCode: values the lists lack show as 0; the name only for functions 1..5.
InfoCodeForm InfoCodeFormOf(const InfoCode& code);
// saveInfoCode: the form into the code, its length counted from the code text.
void SaveInfoCodeForm(const InfoCodeForm& form, InfoCode& code);

// What choosing a function does to the response list and the name box.
struct InfoFunctionRule {
    bool responseEnabled = true;
    int responseItems = kInfoResponses;   // an individual call offers the first two only
    std::optional<int> responsePosition;  // set when the function fixes or resets it
    bool nameEnabled = true;              // otherwise the name box is also emptied
};
InfoFunctionRule InfoFunctionRuleOf(int function);

// infoKillStunHasWaken: a kill or stun code needs a waken code (message 60300), and a code
// of kill, stun or waken must not equal the code of another function (60301).
struct InfoCodeCheck {
    bool killWithoutWaken = false;
    bool conflict = false;
    bool ok() const { return !killWithoutWaken && !conflict; }
};
InfoCodeCheck CheckInfoCodes(const std::array<InfoCode, kInfoCodeCount>& codes);

}  // namespace torvik
