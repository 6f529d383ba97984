// The keys of the language files' section "OPTION": the captions, labels and list entries of
// the 2-Tone and 5-Tone editors and their special-call dialog, shared with the printed report.
// The window looks them up as text (OptionKeyText), the report by number.
#pragma once

#include <string>

namespace torvik {

// 2-Tone editor.
inline constexpr int kOptionTwoToneCaption = 60051;
inline constexpr int kOptionTwoToneTimingTab = 60043;
inline constexpr int kOptionTwoToneCallTab = 60044;
inline constexpr int kOptionFirstToneTime = 60045;
inline constexpr int kOptionSecondToneTime = 60046;
inline constexpr int kOptionLongToneTime = 60047;
inline constexpr int kOptionToneInterval = 60048;
inline constexpr int kOptionCallFormat = 60049;
inline constexpr int kOptionTwoToneDecodeResponse = 60050;
inline constexpr int kOptionCodeNumberColumn = 60053;
inline constexpr int kOptionTone1Column = 60054;
inline constexpr int kOptionTone2Column = 60055;
inline constexpr int kOptionToneLabel = 60056;  // followed by the tone's letter
inline constexpr int kOptionTwoToneNameColumn = 60304;

// Decode responses, shared by both editors and the information codes.
inline constexpr int kOptionResponseNone = 60057;
inline constexpr int kOptionResponseAlertTone = 60058;
inline constexpr int kOptionResponseAutoReply = 60059;

// Timings both editors show.
inline constexpr int kOptionAutoResetTime = 60307;
inline constexpr int kOptionSideTone = 60312;

// 5-Tone editor.
inline constexpr int kOptionFiveToneCaption = 60052;
inline constexpr int kOptionStandard = 60061;
inline constexpr int kOptionSpecialCall = 60062;
inline constexpr int kOptionDecodeResponse = 60070;
inline constexpr int kOptionOwnToneLength = 60071;
inline constexpr int kOptionOwnId = 60072;
inline constexpr int kOptionCode = 60079;
inline constexpr int kOptionToneLength = 60080;
inline constexpr int kOptionPreSendDelay = 60081;
inline constexpr int kOptionPostSendDelay = 60308;
inline constexpr int kOptionPauseTime = 60309;
inline constexpr int kOptionFirstToneDelay = 60310;
inline constexpr int kOptionPauseCodeDuration = 60311;
inline constexpr int kOptionPauseCode = 60314;
inline constexpr int kOptionDecodeTime = 60315;
inline constexpr int kOptionCodeTableNameColumn = 60305;
inline constexpr int kOptionPttIdBegin = 60302;
inline constexpr int kOptionPttIdEnd = 60303;
inline constexpr int kOptionInfoCode = 60095;
inline constexpr int kOptionInfoFunction = 60096;
inline constexpr int kOptionInfoCodeText = 60097;
inline constexpr int kOptionInfoName = 60306;
// Information-code functions, in the order of InfoCode::function.
inline constexpr int kOptionFunctionNone = 60098;
inline constexpr int kOptionFunctionIndividualCall = 60075;
inline constexpr int kOptionFunctionGroupCall = 60074;
inline constexpr int kOptionFunctionRemoteKill = 60069;
inline constexpr int kOptionFunctionRemoteStun = 60093;
inline constexpr int kOptionFunctionRemoteRevive = 60082;
inline constexpr int kOptionFunctionAllCall = 60099;
inline constexpr int kOptionKillNeedsRevive = 60300;
inline constexpr int kOptionSameCodeTwice = 60301;

// 5-Tone special-call dialog.
inline constexpr int kOptionCodeNumber = 60063;
inline constexpr int kOptionCallType = 60064;
inline constexpr int kOptionDataCall = 60073;
inline constexpr int kOptionCalledId = 60076;
inline constexpr int kOptionMessage = 60077;
inline constexpr int kOptionMessagePrefix = 60084;
inline constexpr int kOptionSeparator = 60313;
inline constexpr int kOptionNoSeparator = 60318;
// The standard table's column heads.
inline constexpr int kOptionTableFrequency = 60085;
inline constexpr int kOptionTableToneLength = 60086;
inline constexpr int kOptionTableGroupTone = 60087;
inline constexpr int kOptionTableRepeatTone = 60088;

// The key as the language file's section holds it.
inline std::string OptionKeyText(int key) {
    return std::to_string(key);
}

}  // namespace torvik
