// The language-file keys (section "OTHER") of a channel's fields and of their list entries,
// shared by the channel list, the channel editor, the printed report and the comparison, so
// all of them name a field alike.
#pragma once

namespace torvik {

// Field labels.
inline constexpr int kKeyChannelRxFreq = 1101;
inline constexpr int kKeyChannelOffset = 1102;
inline constexpr int kKeyChannelName = 1103;
inline constexpr int kKeyChannelStep = 1104;
inline constexpr int kKeyChannelTxInhibit = 1105;
inline constexpr int kKeyChannelBandwidth = 1106;
inline constexpr int kKeyChannelToneType = 1107;  // "CTCSS/DCS", before "Decode" or "Encode"
inline constexpr int kKeyChannelRelation = 1108;
inline constexpr int kKeyChannelPower = 1109;
inline constexpr int kKeyChannelSignaling = 1110;
inline constexpr int kKeyChannelScanSkip = 1111;
inline constexpr int kKeyChannelDecode = 1112;
inline constexpr int kKeyChannelEncode = 1113;
inline constexpr int kKeyChannelTalkaround = 1114;
inline constexpr int kKeyChannelTxFreq = 1140;
inline constexpr int kKeyChannelReverse = 1207;
inline constexpr int kKeyChannelBusyLock = 1717;
inline constexpr int kKeyChannelScrambler = 1742;
inline constexpr int kKeyChannelDtmfPttId = 1743;
inline constexpr int kKeyChannelFiveTonePttId = 1744;
inline constexpr int kKeyChannelSquelch = 1745;
inline constexpr int kKeyChannelCompander = 1746;

// The channel list: the header of the label column, and the word before a channel's
// signalling relation ("Rel.0").
inline constexpr int kKeyChannelLabelHeader = 3006;
inline constexpr int kKeyChannelRelationPrefix = 1202;
// The word "Channel" before a channel's number.
inline constexpr int kKeyChannelWord = 1751;

// List entries.
inline constexpr int kKeyChannelPowerHigh = 1204;
inline constexpr int kKeyChannelPowerLow = 1205;
inline constexpr int kKeyChannelNone = 1206;
inline constexpr int kKeyChannelNoShift = 1210;
inline constexpr int kKeyChannelPowerMedium = 1221;
inline constexpr int kKeyChannelOff = 1755;
inline constexpr int kKeyChannelOn = 1756;
inline constexpr int kKeyChannelPttBegin = 1765;
inline constexpr int kKeyChannelPttEnd = 1766;
inline constexpr int kKeyChannelPttBoth = 1767;
// The full squelch list: keys 1784..1788 for the modes 0..4.
inline constexpr int kKeyChannelFirstSquelchMode = 1784;

}  // namespace torvik
