#include "codeplug/tones.h"

#include "codeplug/band.h"

namespace torvik {

const std::array<std::string_view, kCtcssCount> CtcssTable{
    "62.5",  "67.0",  "69.3",  "71.9",  "74.4",  "77.0",  "79.7",  "82.5",  "85.4",
    "88.5",  "91.5",  "94.8",  "97.4",  "100.0", "103.5", "107.2", "110.9", "114.8",
    "118.8", "123.0", "127.3", "131.8", "136.5", "141.3", "146.2", "151.4", "156.7",
    "159.8", "162.2", "165.5", "167.9", "171.3", "173.8", "177.3", "179.9", "183.5",
    "186.2", "189.9", "192.8", "196.6", "199.5", "203.5", "206.5", "210.7", "218.1",
    "225.7", "229.1", "233.6", "241.8", "250.3", "254.1"};

std::string DcsText(int code, bool inverted) {
    const int c = code & 0x1FF;
    std::string text = "D";
    text += static_cast<char>('0' + ((c >> 6) & 7));
    text += static_cast<char>('0' + ((c >> 3) & 7));
    text += static_cast<char>('0' + (c & 7));
    text += inverted ? 'I' : 'N';
    return text;
}

std::vector<std::string_view> StepList(int bandCode) {
    static constexpr std::array<std::string_view, 10> kSteps{
        "2.5K", "5K", "6.25K", "8.33K", "10K", "12.5K", "20K", "25K", "30K", "50K"};
    const std::size_t first = HasFineRaster(bandCode) ? 0 : 1;
    return {kSteps.begin() + static_cast<std::ptrdiff_t>(first), kSteps.end()};
}

}  // namespace torvik
