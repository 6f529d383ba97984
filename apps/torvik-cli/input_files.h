// Opening what a verb reads. A file that is missing, unreadable or of the wrong kind fails
// with one line on stderr that names the file and what is wrong with it.
#pragma once

#include <QString>
#include <optional>
#include <string>

#include "aggregate/codeplug.h"
#include "cli_support.h"

namespace torvik::cli {

// Opens a data file (and its channel file) into `codeplug`; false after the failure line.
bool OpenDataFile(const QString& path, Codeplug& codeplug, TerminalReporter& reporter);

// The whole content of an input file (an image, CSV, JSON); nothing after the failure line.
std::optional<std::string> ReadInputFile(const QString& path);

}  // namespace torvik::cli
