// The language-file keys of the option editor's caption, labels and list entries, shared by
// the editor and the printed report.
#pragma once

namespace torvik {

inline constexpr int kKeyOptionCaption = 1701;
inline constexpr int kKeyOptionFirstRowLabel = 1702;        // row k: 1702 + k
inline constexpr int kKeyOptionFirstHiddenRowLabel = 1720;  // the reserved rows 19..23
inline constexpr int kKeyOptionFirstSwitch = 1730;          // switch j: 1730 + j
// The labels of the rows the editor shows, by meaning.
inline constexpr int kKeyOptionDisplayModeLabel = 1702;     // row 0
inline constexpr int kKeyOptionWorkModeLabel = 1703;        // row 1
inline constexpr int kKeyOptionPowerOnChannelLabel = 1704;  // row 2
inline constexpr int kKeyOptionSquelchLevelLabel = 1705;    // row 3
inline constexpr int kKeyOptionVoicePromptLabel = 1707;     // row 5
inline constexpr int kKeyOptionCurrentGroupLabel = 1710;    // row 8
inline constexpr int kKeyOptionToneBurstLabel = 1711;       // row 9
inline constexpr int kKeyOptionTimeOutTimerLabel = 1712;    // row 10
inline constexpr int kKeyOptionBatterySaveLabel = 1713;     // row 11
inline constexpr int kKeyOptionKeyLockLabel = 1714;         // row 12
inline constexpr int kKeyOptionKeyBeepLabel = 1716;         // row 14
inline constexpr int kKeyOptionTailPhaseLabel = 1718;       // row 16
inline constexpr int kKeyOptionSideKeyLabel = 1719;         // row 17
// The switches the editor shows (switch 0 is not shown).
inline constexpr int kKeyOptionInternalFunctionSwitch = 1731;   // switch 1
inline constexpr int kKeyOptionInitKeySwitch = 1732;            // switch 2
inline constexpr int kKeyOptionTailEliminationSwitch = 1733;    // switch 3
inline constexpr int kKeyOptionSquelchOffInhibitSwitch = 1734;  // switch 4
inline constexpr int kKeyOptionPasswordSwitch = 1737;
inline constexpr int kKeyOptionPasswordLabel = 1738;
inline constexpr int kKeyOptionWelcomeLabel = 1739;

// List entries, by row.
inline constexpr int kKeyOptionOff = 1755;
inline constexpr int kKeyOptionSeconds = 1782;
// Row 0, display mode.
inline constexpr int kKeyOptionDisplayFrequency = 1750;
inline constexpr int kKeyOptionDisplayChannel = 1751;
inline constexpr int kKeyOptionDisplayName = 1752;
// Row 1, work mode.
inline constexpr int kKeyOptionFrequencyMode = 1753;
inline constexpr int kKeyOptionChannelMode = 1754;
// Row 5, voice prompt.
inline constexpr int kKeyOptionVoiceOff = 1747;
inline constexpr int kKeyOptionVoiceChinese = 1748;
inline constexpr int kKeyOptionVoiceEnglish = 1749;
// Row 11, battery save (after "Off").
inline constexpr int kKeyOptionBatterySaveOneToOne = 1768;
inline constexpr int kKeyOptionBatterySaveOneToTwo = 1769;
inline constexpr int kKeyOptionBatterySaveOneToFour = 1770;
// Row 12, key lock.
inline constexpr int kKeyOptionKeyLockManual = 1761;
inline constexpr int kKeyOptionKeyLockAutomatic = 1762;
// Row 14, key beep.
inline constexpr int kKeyOptionKeyBeepOff = 1794;
inline constexpr int kKeyOptionKeyBeepOn = 1795;
// Row 16, CTCSS tail phase (after "Off").
inline constexpr int kKeyOptionTailPhase120 = 3010;
inline constexpr int kKeyOptionTailPhase180 = 3011;
// Row 17, side key.
inline constexpr int kKeyOptionSideKeyMonitor = 1798;
inline constexpr int kKeyOptionSideKeyScan = 1799;
// Row 18, what the display shows beside the channel.
inline constexpr int kKeyOptionExtraFrequency = 1796;
inline constexpr int kKeyOptionExtraName = 1797;

}  // namespace torvik
