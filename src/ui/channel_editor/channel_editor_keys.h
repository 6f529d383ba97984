// The language-file keys of the channel editor's caption, labels and list entries.
#pragma once

namespace torvik {

inline constexpr int kKeyChannelEditCaption = 1300;
inline constexpr int kKeyRxFreq = 1101;
inline constexpr int kKeyOffset = 1102;
inline constexpr int kKeyName = 1103;
inline constexpr int kKeyStep = 1104;
inline constexpr int kKeyTxInhibit = 1105;
inline constexpr int kKeyBandwidth = 1106;
inline constexpr int kKeyToneType = 1107;
inline constexpr int kKeyPower = 1109;
inline constexpr int kKeySignaling = 1110;
inline constexpr int kKeyScanSkip = 1111;
inline constexpr int kKeyDecode = 1112;
inline constexpr int kKeyEncode = 1113;
inline constexpr int kKeyTalkaround = 1114;
inline constexpr int kKeyTxFreq = 1140;
inline constexpr int kKeyReverse = 1207;
inline constexpr int kKeyInverted = 1301;
inline constexpr int kKeyBusyLock = 1717;
inline constexpr int kKeyScrambler = 1742;
inline constexpr int kKeyDtmfPttId = 1743;
inline constexpr int kKeyFiveTonePttId = 1744;
inline constexpr int kKeySquelch = 1745;
inline constexpr int kKeyCompander = 1746;

// List entries.
inline constexpr int kKeyPowerHigh = 1204;
inline constexpr int kKeyPowerLow = 1205;
inline constexpr int kKeyNone = 1206;
inline constexpr int kKeyPowerMedium = 1221;
inline constexpr int kKeyOff = 1755;
inline constexpr int kKeyOn = 1756;
inline constexpr int kKeyPttBegin = 1765;
inline constexpr int kKeyPttEnd = 1766;
inline constexpr int kKeyPttBoth = 1767;
// The full squelch list: keys 1784..1788 for the modes 0..4.
inline constexpr int kKeyFirstSquelchMode = 1784;

}  // namespace torvik
