// Image codec speed: prefill + encode + decode of a codeplug with every channel slot used and
// every area of the image populated.
#include <benchmark/benchmark.h>

#include <string>

#include "aggregate/image_codec.h"
#include "calling/fivetone/five_tone_codec.h"
#include "calling/twotone/two_tone_codec.h"
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

// The 2-Tone area alone: the header and its 32 codes.
void BM_TwoToneRoundTrip(benchmark::State& state) {
    torvik::Codeplug codeplug = FullCodeplug();
    for (auto _ : state) {
        torvik::PackTwoTone(codeplug.record.twoTone, codeplug.image);
        torvik::UnpackTwoTone(codeplug.image, codeplug.record.twoTone);
        benchmark::DoNotOptimize(codeplug.record.twoTone);
    }
}
BENCHMARK(BM_TwoToneRoundTrip)->Unit(benchmark::kMicrosecond);

// The 5-Tone area alone: the header, the PTT-ID codes, 8 information codes, 100 entries.
void BM_FiveToneRoundTrip(benchmark::State& state) {
    torvik::Codeplug codeplug = FullCodeplug();
    for (auto _ : state) {
        torvik::PackFiveTone(codeplug.record.fiveTone, codeplug.record.decodeTime, codeplug.image);
        torvik::UnpackFiveTone(codeplug.image, codeplug.record.fiveTone,
                               codeplug.record.decodeTime);
        benchmark::DoNotOptimize(codeplug.record.fiveTone);
    }
}
BENCHMARK(BM_FiveToneRoundTrip)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
