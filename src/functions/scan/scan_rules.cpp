#include "functions/scan/scan_rules.h"

#include <algorithm>

#include "functions/scan/scan_keys.h"
#include "platform/number_text.h"

namespace torvik {
namespace {

constexpr int kWaitTimeStepMs = 25;
// Scan-back position 0 is 0.5 s, resume-delay position 0 is 0.1 s; both step by 0.1 s.
constexpr int kScanBackFirstTenths = 5;
constexpr int kResumeDelayFirstTenths = 1;

constexpr int kPriorityNone = 0;
constexpr int kPriority1 = 1;
constexpr int kPriority2 = 2;
constexpr int kPriorityBoth = 3;

}  // namespace

std::array<std::string, kRevertChoices> FullRevertList(const Reporter& texts) {
    const std::string p = texts.langText(kKeyScanPriority);
    const std::string plus = " + " + texts.langText(kKeyScanRevertTalkback);
    return {texts.langText(kKeyScanRevertSelected),
            texts.langText(kKeyScanRevertSelected) + plus,
            p + "1",
            p + "2",
            texts.langText(kKeyScanRevertLast),
            texts.langText(kKeyScanRevertLastUsed),
            p + "1" + plus,
            p + "2" + plus};
}

std::vector<std::string> PriorityModeList(const Reporter& texts) {
    const std::string p = texts.langText(kKeyScanPriority);
    return {texts.langText(kKeyScanOff), p + "1", p + "2", p + "1 + " + p + "2"};
}

std::vector<int> RevertChoicesFor(int priorityMode) {
    switch (priorityMode) {
        case kPriority1:
            return {0, 1, 2, 4, 5, 6};
        case kPriority2:
            return {0, 1, 3, 4, 5, 7};
        case kPriorityBoth:
            return {0, 1, 2, 3, 4, 5, 6, 7};
        case kPriorityNone:
        default:
            return {0, 1, 4, 5};
    }
}

int ReselectRevert(int priorityMode, int revertChoice) {
    const std::vector<int> offered = RevertChoicesFor(priorityMode);
    return std::find(offered.begin(), offered.end(), revertChoice) != offered.end()
               ? revertChoice
               : offered.front();
}

std::string ScanBackTimeText(int position) {
    return FormatFixed((position + kScanBackFirstTenths) / 10.0, 1, 1);
}

std::string ResumeDelayText(int position) {
    return FormatFixed((position + kResumeDelayFirstTenths) / 10.0, 1, 1);
}

std::string WaitTimeText(int value) {
    return std::to_string(kWaitTimeStepMs * value);
}

ScanControlsEnabled ScanEnabling(int scanMode, int priorityMode) {
    if (scanMode == 0) return {};
    return {true, priorityMode == kPriority1 || priorityMode == kPriorityBoth,
            priorityMode == kPriority2 || priorityMode == kPriorityBoth};
}

}  // namespace torvik
