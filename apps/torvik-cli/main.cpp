// torvik-cli: the command-line face of TORVIK CPS, for support engineers and scripts.
#include <cstdio>
#include <string_view>

#include "codeplug/band.h"

namespace {

constexpr std::string_view kUsage =
    "usage: torvik-cli <command> [options]\n"
    "\n"
    "commands:\n"
    "  bands      list the band codes and their frequency ranges\n"
    "  help       show this text\n";

int ListBands() {
    for (int index = 0; index < torvik::kBandListSize; ++index) {
        const int code = torvik::BandCodeFromListIndex(index);
        const std::string_view text = torvik::BandTextFromCode(code);
        std::printf("%2d  %.*s\n", code, static_cast<int>(text.size()), text.data());
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string_view command = argc > 1 ? argv[1] : "help";
    if (command == "bands") return ListBands();
    if (command == "help" || command == "--help" || command == "-h") {
        std::fputs(kUsage.data(), stdout);
        return 0;
    }
    std::fprintf(stderr, "torvik-cli: unknown command '%s'\n%s", argv[1], kUsage.data());
    return 2;
}
