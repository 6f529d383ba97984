#include "functions/emergency/emergency_rules.h"

namespace torvik {

std::vector<int> DtmfIdCodeChoices(std::span<const std::int16_t> memoryLengths) {
    std::vector<int> memories;
    for (std::size_t m = 0; m < memoryLengths.size(); ++m) {
        if (memoryLengths[m] > 0) memories.push_back(static_cast<int>(m));
    }
    return memories;
}

std::string DtmfIdCodeText(int memory) {
    return "M" + std::to_string(memory + 1);
}

std::vector<int> FiveToneIdCodeChoices(std::span<const bool> entryInUse) {
    std::vector<int> codes;
    for (std::size_t i = 0; i < entryInUse.size(); ++i) {
        if (entryInUse[i]) codes.push_back(static_cast<int>(i));
    }
    if (codes.empty()) codes.push_back(0);
    return codes;
}

}  // namespace torvik
