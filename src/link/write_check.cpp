// Comparing a written image with the radio's image read back.
#include "link/write_check.h"

#include <algorithm>
#include <cstdio>
#include <string_view>

#include "aggregate/image_codec.h"
#include "compare/codeplug_diff.h"

namespace torvik {
namespace {

constexpr std::size_t kWrittenStart = 0x0100;
constexpr std::size_t kWrittenEnd = 0x4000;
constexpr std::size_t kBlock = 16;

}  // namespace

std::vector<std::string> DifferingAreas(const Codeplug& a, const Codeplug& b,
                                        const Reporter& texts) {
    std::vector<std::string> areas;
    for (const Difference& difference : CompareCodeplugs(a, b, texts)) {
        std::string area = difference.channelNumber != 0 ? ChannelLabel(difference.channelNumber)
                                                         : difference.place;
        if (std::find(areas.begin(), areas.end(), area) == areas.end()) {
            areas.push_back(std::move(area));
        }
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
