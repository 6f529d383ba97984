// The language-file keys (section "OTHER") of the emergency editor's caption, labels and list
// entries, shared by the editor and the printed report.
#pragma once

namespace torvik {

inline constexpr int kKeyEmergencyCaption = 2600;
inline constexpr int kKeyEmergencyAlarmMode = 2602;
inline constexpr int kKeyEmergencyIdCodeType = 2603;
inline constexpr int kKeyEmergencyIdCode = 2604;
inline constexpr int kKeyEmergencyAlarmTime = 2605;
inline constexpr int kKeyEmergencyTxTime = 2606;
inline constexpr int kKeyEmergencyRxTime = 2607;
inline constexpr int kKeyEmergencyChannelSelect = 2608;
inline constexpr int kKeyEmergencyChannel = 2610;
inline constexpr int kKeyEmergencyCycles = 2611;
inline constexpr int kKeyEmergencyLoneWorker = 2612;
inline constexpr int kKeyEmergencyAutoCheck = 2613;
inline constexpr int kKeyEmergencyPreAlertTime = 2614;
inline constexpr int kKeyEmergencyLoneWorkerTime = 2615;
inline constexpr int kKeyEmergencyLocalAlarm = 2630;
inline constexpr int kKeyEmergencyRemoteAlarm = 2631;
inline constexpr int kKeyEmergencyLocalAndRemoteAlarm = 2632;
inline constexpr int kKeyEmergencySilentAlarm = 2633;
inline constexpr int kKeyEmergencyAssignedChannel = 2634;
inline constexpr int kKeyEmergencyCurrentChannel = 2635;
inline constexpr int kKeyEmergencyIdNone = 2436;  // shared with the scan editor's "None"
inline constexpr int kKeyEmergencyContinuous = 2636;

}  // namespace torvik
