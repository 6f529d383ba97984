// Profile files (the settings file): parsed, read as the start-up settings, changed and
// written back, and the written text parsed again.
#include "app/settings.h"
#include "fuzz_targets.h"
#include "platform/profile_file.h"

namespace torvik::fuzz {

int FuzzProfile(const std::uint8_t* data, std::size_t size) {
    ProfileFile profile = ProfileFile::Parse(AsText(data, size));
    SetupSettings settings = ReadSetupSettings(profile);
    (void)profile.get("OTHER", "1");
    WriteStartupValues(profile, settings);
    profile.set("New Section", "key", "value");
    (void)ProfileFile::Parse(profile.text());
    return 0;
}

}  // namespace torvik::fuzz
