// A new codeplug for the current band: every function record at its defaults, the default
// VFO channel, and the factory template of the band from the Init folder.
#pragma once

#include <filesystem>

#include "aggregate/codeplug.h"

namespace torvik {

struct NewCodeplugOptions {
    std::filesystem::path initFolder;   // where the factory templates live; empty: none
    bool keepTemplateChannels = false;  // FactoryFres non-zero, or the Init command
};

// The file name of the template of a model and band: "MERLAN_3.dat".
std::string TemplateFileName(std::string_view model, int bandCode);

// Template failures are silent: the built-in defaults stay.
void NewCodeplug(Codeplug& codeplug, const NewCodeplugOptions& options);

}  // namespace torvik
