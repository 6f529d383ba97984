#include "storage/new_codeplug.h"

#include <string>
#include <system_error>

#include "codeplug/fixed_text.h"
#include "factory/test_data.h"
#include "storage/codeplug_files.h"
#include "storage/snapshot.h"

namespace torvik {
namespace {

constexpr int kFallbackTemplateBand = 3;

// Keeps only the VFO of a template's channels, moved to the first position.
void KeepOnlyVfo(ChannelTable& channels) {
    const ChannelRecord* vfo = channels.find(kChannelVFO);
    if (vfo) {
        const ChannelRecord kept = *vfo;
        channels.records[0] = kept;
        channels.ChannelCount = 1;
    } else {
        channels.ChannelCount = 0;
    }
}

}  // namespace

std::string TemplateFileName(std::string_view model, int bandCode) {
    return std::string(model) + "_" + std::to_string(bandCode) + ".dat";
}

void NewCodeplug(Codeplug& codeplug, const NewCodeplugOptions& options) {
    codeplug.identity.RadioKilled = false;
    codeplug.identity.RadioStunned = false;
    codeplug.file = CodeplugFileState{};

    ResetFunctionSettings(codeplug.record);
    codeplug.channels.ChannelCount = 1;
    DefaultVfoChannel(codeplug.channels, codeplug.band.limits());

    if (options.initFolder.empty()) {
        TakeSnapshot(codeplug);
        return;
    }
    std::error_code ec;
    const std::string model = CutAtNul(codeplug.identity.RadioModel);
    const std::filesystem::path own =
        options.initFolder / TemplateFileName(model, codeplug.band.code());
    const std::filesystem::path fallback =
        options.initFolder / TemplateFileName(ModelId, kFallbackTemplateBand);
    const bool haveOwn = std::filesystem::exists(own, ec);
    const std::optional<LoadedPair> loaded = ReadFilePair(haveOwn ? own : fallback);
    if (!loaded) {
        TakeSnapshot(codeplug);
        return;
    }

    codeplug.snapshot.record = loaded->record;
    codeplug.snapshot.record.SavedBandCode = codeplug.band.code();
    codeplug.snapshot.channels = loaded->channels;
    if (haveOwn && !options.keepTemplateChannels) KeepOnlyVfo(codeplug.snapshot.channels);
    codeplug.snapshot.record.ChannelCount = codeplug.snapshot.channels.ChannelCount;
    if (codeplug.factoryMode) {
        if (const auto companion = CompanionTestDataPath(haveOwn ? own : fallback)) {
            LoadTestDataFile(*companion, codeplug.snapshot.testData);
        }
    }
    RestoreSnapshot(codeplug);
    if (!haveOwn) {
        // Another band's template lends its function settings only.
        codeplug.channels.ChannelCount = 1;
        DefaultVfoChannel(codeplug.channels, codeplug.band.limits());
        TakeSnapshot(codeplug);
    }
}

}  // namespace torvik
