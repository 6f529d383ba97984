// Application window speed: start-up to the main window shown (splash skipped), the channel
// list redraw with every channel slot used, and the resident memory after start. Runs with
// any Qt platform; `QT_QPA_PLATFORM=offscreen build/bin/gui_bench` needs no display.
#include <QApplication>
#include <QElapsedTimer>
#include <cstdio>
#include <fstream>
#include <string>

#include "app/startup.h"
#include "link/serial/port_map.h"
#include "storage/sample_codeplug.h"
#include "ui/channel_list_model.h"
#include "ui/main_window.h"

namespace {

// Resident set size in MB, from /proc.
double ResidentMegabytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) return std::stod(line.substr(6)) / 1024.0;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    QElapsedTimer clock;
    clock.start();
    QApplication app(argc, argv);
    torvik::PortMap ports(torvik::ProfileFile{});
    const auto session = torvik::RunStartup({std::nullopt, "C", ports.presentNumbers()});
    torvik::MainWindow window(*session, ports);
    window.show();
    QCoreApplication::processEvents();
    const double startMs = static_cast<double>(clock.nsecsElapsed()) / 1e6;

    torvik::Codeplug sample = window.codeplug();
    torvik::FillSampleCodeplug(sample);
    window.document().commit("sample", torvik::EditableStateOf(sample));
    constexpr int kRounds = 50;
    QElapsedTimer redraw;
    redraw.start();
    for (int i = 0; i < kRounds; ++i) window.channelModel()->rebuild();
    const double listMs = static_cast<double>(redraw.nsecsElapsed()) / 1e6 / kRounds;
    redraw.restart();
    for (int i = 0; i < kRounds; ++i) {
        window.channelModel()->rebuild();
        window.repaint();
    }
    const double paintedMs = static_cast<double>(redraw.nsecsElapsed()) / 1e6 / kRounds;

    std::printf("start-up to main window shown: %.1f ms (target 400 ms)\n", startMs);
    std::printf("list rebuild, 203 channels:    %.2f ms (target 10 ms)\n", listMs);
    std::printf("  and the window repainted:    %.2f ms\n", paintedMs);
    std::printf("resident memory after start:   %.1f MB (target 80 MB)\n", ResidentMegabytes());
    return 0;
}
