// The rules of the scan editor: the revert choices each priority mode offers, the list
// texts built from language texts, the time lists and which controls are enabled.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "platform/reporter.h"

namespace torvik {

inline constexpr int kRevertChoices = 8;
inline constexpr int kScanBackTimeEntries = 46;  // 0.5 .. 5.0 s
inline constexpr int kResumeDelayEntries = 50;   // 0.1 .. 5.0 s
inline constexpr int kWaitTimeFirst = 2;         // wait time v is v x 25 ms, v = 2..255
inline constexpr int kWaitTimeLast = 255;

// The full revert list, positions 0..7, in the current language.
std::array<std::string, kRevertChoices> FullRevertList(const Reporter& texts);

// The priority list: none, priority 1, priority 2, both.
std::vector<std::string> PriorityModeList(const Reporter& texts);

// The full-list positions of the revert entries a priority mode offers, in list order.
// A mode outside 0..3 offers what mode 0 offers.
std::vector<int> RevertChoicesFor(int priorityMode);

// `revertChoice` when the priority mode offers it, else the first entry it offers.
int ReselectRevert(int priorityMode, int revertChoice);

// List texts, "0.0" pattern: scan-back position p is (p + 5) / 10 s, resume-delay
// position p is (p + 1) / 10 s; the wait time v reads 25 x v ms.
std::string ScanBackTimeText(int position);
std::string ResumeDelayText(int position);
std::string WaitTimeText(int value);

// Which controls are enabled: with scanning off nothing but the scan mode is; with it on
// everything is, except the priority channel lists the priority mode does not use.
struct ScanControlsEnabled {
    bool others = false;  // every list except the priority channels, and the entry tone
    bool priorityChannel1 = false;
    bool priorityChannel2 = false;
    bool operator==(const ScanControlsEnabled&) const = default;
};
ScanControlsEnabled ScanEnabling(int scanMode, int priorityMode);

}  // namespace torvik
