// torvik-templates: writes the factory template file pairs (Init/MERLAN_<band>.dat and their
// channel files) that new codeplugs start from: every function setting at its default, the
// default VFO channel and sixteen simplex channels in the transmit range of the band.
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

#include "codeplug/band.h"
#include "codeplug/freq_code.h"
#include "platform/number_text.h"
#include "storage/codeplug_files.h"
#include "storage/new_codeplug.h"
#include "storage/snapshot.h"

namespace {

using namespace torvik;

constexpr int kTemplateChannels = 16;
constexpr double kChannelSpacingMhz = 0.0125;

class PrintingReporter : public Reporter {
  public:
    Language language() const override { return Language::English; }
    std::string langText(int) const override { return {}; }
    void show(Severity, std::string_view text, std::string_view) override {
        std::fprintf(stderr, "torvik-templates: %.*s\n", static_cast<int>(text.size()),
                     text.data());
    }
    Answer ask(Severity, std::string_view, Buttons, std::string_view) override {
        return Answer::Cancel;
    }
};

void AddChannels(Codeplug& codeplug) {
    const BandLimits& limits = codeplug.band.limits();
    const double first = limits.TxLow + std::min(0.5, (limits.TxHigh - limits.TxLow) / 4);
    for (int n = 1; n <= kTemplateChannels; ++n) {
        ChannelRecord r = NewChannelRecord(n);
        r.Used = 1;
        const double mhz = SnapRxFrequency(first + (n - 1) * kChannelSpacingMhz, codeplug.band);
        r.RxFreq = FixedText<9>::Raw(FreqTextToCode(FormatFrequency(mhz)));
        r.Bandwidth = 2;  // 12.5 kHz
        r.Name = FixedText<7>::Value("CH-" + std::string(n < 10 ? "0" : "") + std::to_string(n));
        codeplug.channels.records[static_cast<std::size_t>(codeplug.channels.ChannelCount++)] = r;
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: torvik-templates OUTPUT-FOLDER\n");
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    PrintingReporter reporter;
    for (int index = 0; index < kBandListSize; ++index) {
        Codeplug codeplug;
        codeplug.band.setCode(static_cast<std::int16_t>(BandCodeFromListIndex(index)));
        NewCodeplug(codeplug, {/*initFolder=*/{}, /*keepTemplateChannels=*/false});
        AddChannels(codeplug);
        const std::filesystem::path out = folder / TemplateFileName(ModelId, codeplug.band.code());
        if (!SaveCodeplug(out, codeplug, reporter)) return 1;
    }
    return 0;
}
