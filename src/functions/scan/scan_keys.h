// The language-file keys (section "OTHER") of the scan editor's caption, labels and list
// entries, shared by the editor and the scan rules.
#pragma once

namespace torvik {

inline constexpr int kKeyScanCaption = 2400;
inline constexpr int kKeyScanMode = 2402;
inline constexpr int kKeyScanPriority = 2403;
inline constexpr int kKeyScanPriorityChannel1 = 2404;
inline constexpr int kKeyScanPriorityChannel2 = 2405;
inline constexpr int kKeyScanRevert = 2406;
inline constexpr int kKeyScanBackTimeA = 2407;
inline constexpr int kKeyScanBackTimeB = 2408;
inline constexpr int kKeyScanRxResumeDelay = 2409;
inline constexpr int kKeyScanTxResumeDelay = 2410;
inline constexpr int kKeyScanEntryTone = 2413;
inline constexpr int kKeyScanOff = 2430;
inline constexpr int kKeyScanOn = 2431;
inline constexpr int kKeyScanRevertSelected = 2432;
inline constexpr int kKeyScanRevertTalkback = 2433;
inline constexpr int kKeyScanRevertLast = 2434;
inline constexpr int kKeyScanRevertLastUsed = 2435;

}  // namespace torvik
