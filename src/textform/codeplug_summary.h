// A readable plain-text summary of a codeplug for the terminal.
#pragma once

#include <string>

#include "aggregate/codeplug.h"
#include "platform/reporter.h"

namespace torvik {

std::string CodeplugSummary(const Codeplug& codeplug, Reporter& reporter);

}  // namespace torvik
