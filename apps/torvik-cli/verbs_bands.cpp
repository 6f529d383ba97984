// The bands verb: the band codes of the band table with their frequency ranges.
#include <cstdio>
#include <string_view>

#include "cli_support.h"
#include "codeplug/band.h"
#include "verbs.h"

namespace torvik::cli {

int RunBands(const QStringList& arguments) {
    QCommandLineParser parser;
    AddHelpOption(parser);
    if (auto done = ParseVerb(parser, arguments, 0, "List the band codes and their ranges.")) {
        return *done;
    }
    for (int index = 0; index < kBandListSize; ++index) {
        const int code = BandCodeFromListIndex(index);
        const std::string_view text = BandTextFromCode(code);
        std::printf("%2d  %.*s\n", code, static_cast<int>(text.size()), text.data());
    }
    return kSuccess;
}

}  // namespace torvik::cli
