// Comparing a written image with the radio's image read back.
#include "link/write_check.h"

#include <algorithm>
#include <cstdio>
#include <set>
#include <string_view>

#include "aggregate/image_codec.h"

namespace torvik {
namespace {

constexpr std::size_t kWrittenStart = 0x0100;
constexpr std::size_t kWrittenEnd = 0x4000;
constexpr std::size_t kBlock = 16;

// Each function-setting field of the record, by the language key of its area's tree node;
// the band and channel count are the channel table's business.
struct AreaKey {
    std::string_view field;
    int key;
};
constexpr AreaKey kAreaKeys[] = {
    {"OptionSettings", 5021},  {"squelchOffInhibit", 5021}, {"DtmfSettings", 5023},
    {"TwoToneSettings", 5024}, {"FiveToneSettings", 5025},  {"decodeTime", 5025},
    {"ScanSettings", 2400},    {"EmergencySettings", 2600}, {"CommBook", 5804},
};

}  // namespace

std::vector<std::string> DifferingAreas(const Codeplug& a, const Codeplug& b,
                                        const Reporter& texts) {
    std::vector<std::string> areas;
    std::set<int> numbers;
    for (const ChannelRecord& channel : a.channels.used()) numbers.insert(channel.Number);
    for (const ChannelRecord& channel : b.channels.used()) numbers.insert(channel.Number);
    for (int number : numbers) {
        const ChannelRecord* left = a.channels.find(number);
        const ChannelRecord* right = b.channels.find(number);
        if (!left || !right || !(*left == *right)) areas.push_back(ChannelListLabel(number));
    }
    const std::vector<std::string_view> changed =
        ChangedFields(kCodeplugRecordFields, a.record, b.record);
    for (const AreaKey& area : kAreaKeys) {
        if (std::find(changed.begin(), changed.end(), area.field) == changed.end()) continue;
        std::string name = texts.langText(area.key);
        if (std::find(areas.begin(), areas.end(), name) == areas.end()) areas.push_back(name);
    }
    return areas;
}

WriteCheck CheckWrittenImage(const RadioImage& written, const Codeplug& readBack,
                             const Reporter& texts) {
    WriteCheck check;
    std::vector<std::size_t>& blocks = check.blocks;
    for (std::size_t address = kWrittenStart; address < kWrittenEnd; address += kBlock) {
        const auto sent = written.block(address, kBlock);
        const auto held = readBack.image.block(address, kBlock);
        if (!std::equal(sent.begin(), sent.end(), held.begin())) blocks.push_back(address);
    }
    if (blocks.empty()) return check;
    check.same = false;

    Codeplug sent = readBack;
    std::copy_n(written.bytes().begin() + kWrittenStart, kWrittenEnd - kWrittenStart,
                sent.image.block(kWrittenStart, kWrittenEnd - kWrittenStart).begin());
    DecodeImage(sent);
    check.areas = DifferingAreas(sent, readBack, texts);
    if (check.areas.empty()) {
        for (std::size_t address : blocks) {
            char name[16];
            std::snprintf(name, sizeof name, "block 0x%04zX", address);
            check.areas.emplace_back(name);
        }
    }
    return check;
}

std::string JoinAreas(const std::vector<std::string>& areas) {
    std::string joined;
    for (const std::string& area : areas) {
        if (!joined.empty()) joined += ", ";
        joined += area;
    }
    return joined;
}

}  // namespace torvik
