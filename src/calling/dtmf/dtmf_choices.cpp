#include "calling/dtmf/dtmf_choices.h"

#include "calling/dtmf/dtmf_settings.h"
#include "calling/dtmf/dtmf_text.h"

namespace torvik {
namespace {

constexpr int kTenthsPerUnit = 10;

std::vector<std::string> Numbers(int first, int last, int factor) {
    std::vector<std::string> texts;
    for (int n = first; n <= last; ++n) texts.push_back(std::to_string(n * factor));
    return texts;
}

}  // namespace

std::vector<std::string> DtmfSymbolTexts() {
    std::vector<std::string> texts;
    for (int value = kDtmfSymbolA; value <= kDtmfSymbolHash; ++value) {
        texts.emplace_back(1, *DtmfSymbolChar(value));
    }
    return texts;
}

std::vector<std::string> DtmfFirstDigitDelayTexts() {
    return Numbers(0, kDtmfMaxDelaySteps, kDtmfDelayStepMs);
}

std::vector<std::string> DtmfSendDelayTexts() {
    return Numbers(1, kDtmfMaxDelaySteps, kDtmfDelayStepMs);
}

std::vector<std::string> DtmfResetTimeTexts() {
    // Whole tenths, so the text is exact and needs no locale.
    std::vector<std::string> texts;
    for (int tenths = 0; tenths <= kDtmfMaxDelaySteps; ++tenths) {
        texts.push_back(std::to_string(tenths / kTenthsPerUnit) + "." +
                        std::to_string(tenths % kTenthsPerUnit));
    }
    return texts;
}

std::vector<std::string> DtmfPauseTimeTexts() {
    return Numbers(kDtmfMinPauseTime, kDtmfMaxPauseTime, 1);
}

}  // namespace torvik
