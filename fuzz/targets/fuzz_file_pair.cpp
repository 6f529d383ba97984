// The data-file pair: the first 8587 bytes are the data file, the rest its channel file. A
// pair that opens becomes the codeplug and is encoded for the radio, as a write would.
#include "aggregate/image_codec.h"
#include "fuzz_targets.h"
#include "platform/silent_reporter.h"
#include "storage/codeplug_files.h"
#include "storage/snapshot.h"

namespace torvik::fuzz {

int FuzzFilePair(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes = AsText(data, size);
    const std::string_view dataFile = bytes.substr(0, kDataFileSize);
    const std::string_view channelFile =
        bytes.size() > kDataFileSize ? bytes.substr(kDataFileSize) : std::string_view();
    const std::optional<LoadedPair> pair = ParseFilePair(dataFile, channelFile);
    if (!pair) return 0;
    Codeplug& codeplug = BlankCodeplug();
    codeplug.snapshot.record = pair->record;
    codeplug.snapshot.channels = pair->channels;
    RestoreSnapshot(codeplug);
    SilentReporter reporter;
    (void)EncodeImage(codeplug, reporter);
    return 0;
}

}  // namespace torvik::fuzz
