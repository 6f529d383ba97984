// The ports verb: the serial devices of this machine with the numbers the settings and the
// window use, their device paths, stable names and, for USB adapters, what they are.
#include <cstdio>

#include "cli_support.h"
#include "link/serial/port_map.h"
#include "link/serial/usb_info.h"
#include "verbs.h"

namespace torvik::cli {

int RunPorts(const QStringList& arguments) {
    QCommandLineParser parser;
    AddCommonOptions(parser);
    if (auto done =
            ParseVerb(parser, arguments, 0, "List the serial devices with their port numbers.")) {
        return *done;
    }
    CliContext context = MakeContext(parser);
    ProfileFile profile = ProfileFile::Load(context.home.setupProfileForRead());
    PortMap ports(profile);
    if (ports.update(ScanSerialDevices())) {
        // The numbers shown here are the ones the window and later runs will use.
        ports.store(profile);
        profile.save(context.home.setupProfile());
    }
    const std::vector<NumberedPort> present = ports.presentPorts();
    if (present.empty()) {
        std::fputs("torvik-cli: no serial devices found\n", stderr);
        return kSuccess;
    }
    for (const NumberedPort& port : present) {
        std::printf("COM%-3d %s\n", port.number, DeviceDescription(port.device).c_str());
    }
    return kSuccess;
}

}  // namespace torvik::cli
