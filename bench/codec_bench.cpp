// Image codec speed: prefill + encode + decode of a codeplug with every channel slot used and
// every area of the image populated.
#include <benchmark/benchmark.h>

#include <string>

#include "aggregate/image_codec.h"
#include "codeplug/channel_codec.h"
#include "storage/sample_codeplug.h"

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
    torvik::Codeplug codeplug;
    torvik::FillSampleCodeplug(codeplug);
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

// The channel area alone: 203 channels through the channel encoder and decoder.
void BM_ChannelRoundTrip(benchmark::State& state) {
    torvik::Codeplug codeplug = FullCodeplug();
    for (auto _ : state) {
        torvik::PrefillImage(codeplug.image);
        torvik::EncodeChannels(codeplug.channels, codeplug.image);
        torvik::DecodeChannels(codeplug.image, codeplug.channels);
        benchmark::DoNotOptimize(codeplug.channels);
    }
}
BENCHMARK(BM_ChannelRoundTrip)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
