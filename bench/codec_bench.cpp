// Image codec speed: prefill + encode + decode of a codeplug with every channel slot used.
#include <benchmark/benchmark.h>

#include <string>

#include "codeplug/image_codec.h"

namespace {

class SilentReporter : public torvik::Reporter {
public:
    torvik::Language language() const override { return torvik::Language::English; }
    std::string langText(int) const override { return {}; }
    void show(torvik::Severity, std::string_view, std::string_view) override {}
    torvik::Answer ask(torvik::Severity, std::string_view, torvik::Buttons,
                       std::string_view) override {
        return torvik::Answer::Cancel;
    }
};

torvik::Codeplug FullCodeplug() {
    using namespace torvik;
    Codeplug codeplug;
    for (int n = 1; n <= kChannelSlots; ++n) {
        ChannelRecord r = NewChannelRecord(n);
        r.Used = 1;
        r.RxFreq = FixedText<9>::Raw("043500625");
        r.Offset = FixedText<9>::Raw("000500000");
        r.Name = FixedText<7>::Value("CH" + std::to_string(n));
        r.TxToneType = 2;
        r.TxDcs = 0754;
        r.PttIdCode = FixedText<5>::Raw("12345");
        codeplug.channels.records[codeplug.channels.ChannelCount++] = r;
    }
    return codeplug;
}

void BM_EncodeDecodeRoundTrip(benchmark::State& state) {
    torvik::Codeplug codeplug = FullCodeplug();
    SilentReporter reporter;
    for (auto _ : state) {
        auto encoded = torvik::EncodeImage(codeplug, reporter);  // prefills first
        benchmark::DoNotOptimize(encoded);
        torvik::DecodeImage(codeplug);
        benchmark::DoNotOptimize(codeplug.channels);
    }
}
BENCHMARK(BM_EncodeDecodeRoundTrip)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
