#include "calling/fivetone/info_codes.h"

#include <algorithm>

#include "codeplug/fixed_text.h"

namespace torvik {
namespace {

constexpr int kResponseAutoReply = 2;

bool HasName(int function) {
    return function != kInfoNone && function != kInfoAllCall;
}

bool IsKillOrStun(int function) {
    return function == kInfoKill || function == kInfoStun;
}

std::string CodeSymbols(const InfoCode& code) {
    std::string t = code.code.text();
    if (t.size() > code.length) t.resize(code.length);
    return t;
}

}  // namespace

InfoCodeForm InfoCodeFormOf(const InfoCode& code) {
    InfoCodeForm f;
    f.function = code.function < kInfoFunctions ? code.function : 0;
    f.response = code.response < kInfoResponses ? code.response : 0;
    f.code = code.length == 0 ? std::string() : CodeSymbols(code);
    f.name = HasName(code.function) ? code.name.text() : std::string();
    return f;
}

void SaveInfoCodeForm(const InfoCodeForm& f, InfoCode& code) {
    code.function = static_cast<std::uint8_t>(f.function);
    code.response = static_cast<std::uint8_t>(f.response);
    code.code = FixedText<kInfoCodeSymbols>::Value(f.code);
    code.length = static_cast<std::uint8_t>(std::min<std::size_t>(f.code.size(), kInfoCodeSymbols));
    code.name = FixedText<7>::Value(CutAtNul(f.name));
}

InfoFunctionRule InfoFunctionRuleOf(int function) {
    InfoFunctionRule rule;
    switch (function) {
        case kInfoGroup:
        case kInfoAllCall:
            rule.responseEnabled = false;
            rule.responsePosition = 0;
            break;
        case kInfoIndividual:
            rule.responseItems = 2;
            rule.responsePosition = 0;
            break;
        case kInfoKill:
        case kInfoStun:
        case kInfoWaken:
            rule.responseEnabled = false;
            rule.responsePosition = kResponseAutoReply;
            break;
        default:
            break;
    }
    rule.nameEnabled = HasName(function);
    return rule;
}

InfoCodeCheck CheckInfoCodes(const std::array<InfoCode, kInfoCodeCount>& codes) {
    InfoCodeCheck check;
    bool killOrStun = false;
    bool waken = false;
    for (const InfoCode& a : codes) {
        killOrStun = killOrStun || IsKillOrStun(a.function);
        waken = waken || a.function == kInfoWaken;
        if (!IsKillOrStun(a.function) && a.function != kInfoWaken) continue;
        for (const InfoCode& b : codes) {
            if (b.function != a.function && CodeSymbols(b) == CodeSymbols(a)) check.conflict = true;
        }
    }
    check.killWithoutWaken = killOrStun && !waken;
    return check;
}

}  // namespace torvik
