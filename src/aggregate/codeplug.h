// The codeplug being edited: one object holding the radio image, the channel table, the
// band, the identity of the radio last talked to, every function-setting record, and the
// snapshot and file state that tell whether it was changed since it was last opened, saved,
// made new or read. Whoever needs it gets it by reference; tests make as many as they like.
#pragma once

#include <filesystem>
#include <string>

#include "aggregate/codeplug_record.h"
#include "codeplug/band.h"
#include "codeplug/channel_record.h"
#include "codeplug/identity.h"
#include "codeplug/radio_image.h"
#include "codeplug/test_data_bytes.h"
#include "functions/radioinfo/radio_info.h"

namespace torvik {

// What was last opened, saved, made new or read.
struct CodeplugSnapshot {
    CodeplugRecord record;
    ChannelTable channels;
    TestData testData{};
};

struct CodeplugFileState {
    std::filesystem::path CurrentFile{"new.dat"};
    bool NoFileName = true;  // a new or read codeplug: Save asks for a name
    std::string BookFile{"new.cb"};
};

struct Codeplug {
    // Transfer buffer only: filled and decoded around radio transfers, never saved.
    RadioImage image;
    ChannelTable channels;
    Band band;
    RadioIdentity identity;
    // The live function settings. Its SavedBandCode and ChannelCount are brought up to date
    // when a snapshot is taken; `band` and `channels` hold the live values.
    CodeplugRecord record;
    // The radio's embedded information: decoded, shown, never written.
    RadioInfo radioInfo;
    // Factory tuning values; kept, compared and saved only in factory mode.
    TestData testData{};
    bool factoryMode = false;

    CodeplugSnapshot snapshot;
    CodeplugFileState file;
};

}  // namespace torvik
