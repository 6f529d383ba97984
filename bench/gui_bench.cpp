// Application window speed: start-up to the main window shown (splash skipped), the channel
// list redraw with every channel slot used, the resident memory after start, and editing many
// channels (a 200-row paste, sort and fill, one changed channel) committed and drawn. Runs with
// any Qt platform; `QT_QPA_PLATFORM=offscreen build/bin/gui_bench` needs no display.
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QTableView>
#include <cstdio>
#include <fstream>
#include <functional>
#include <string>

#include "app/startup.h"
#include "channel_edit/channel_cells.h"
#include "channel_edit/channel_fill.h"
#include "channel_edit/channel_reorder.h"
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

    const double residentMb = ResidentMegabytes();

    // Editing many channels: each step committed to the document and drawn, as the user
    // sees it; the list redraws only the rows that changed.
    auto timed = [](const std::function<void()>& step, int rounds) {
        QElapsedTimer clock;
        clock.start();
        for (int i = 0; i < rounds; ++i) {
            step();
            QCoreApplication::processEvents();
        }
        return static_cast<double>(clock.nsecsElapsed()) / 1e6 / rounds;
    };
    window.channelList()->setCurrentIndex(window.channelModel()->index(0, 1));
    std::string sheet;
    int round = 0;
    const double pasteMs = timed(
        [&] {
            // Every round pastes other frequencies and names, so every row changes.
            sheet.clear();
            for (int row = 0; row < torvik::kMemoryChannels; ++row) {
                const int khz = 144000 + 25 * ((row + round) % 1000);
                sheet += std::to_string(khz / 1000) + "." +
                         std::to_string(khz % 1000 + 1000).substr(1) + "\t\tP" +
                         std::to_string(round) + "-" + std::to_string(row) + "\n";
            }
            ++round;
            QGuiApplication::clipboard()->setText(QString::fromStdString(sheet));
            window.runClipboardCommand(torvik::ClipboardCommand::Paste);
        },
        10);
    std::vector<int> memoryRows;
    for (int row = 1; row <= torvik::kMemoryChannels; ++row) memoryRows.push_back(row);
    bool descending = false;
    const double sortMs = timed(
        [&] {
            torvik::EditableState state = window.document().editableState();
            torvik::SortRows(state.channels, state.record, memoryRows,
                             torvik::ColumnOrder(torvik::kColumnName, descending));
            descending = !descending;
            window.document().commit("sort", state);
        },
        10);
    const double fillMs = timed(
        [&] {
            // A fill computes every row's before and after for its preview, then commits.
            const torvik::FillRequest request{torvik::kColumnRxFreq, descending ? "146.0" : "145.0",
                                              "12.5"};
            descending = !descending;
            const torvik::FillOutcome fill = torvik::FillChannels(
                window.codeplug(), session->features, memoryRows, request, window.reporter());
            window.document().commit("fill", torvik::EditableStateOf(fill.codeplug));
        },
        10);
    const double oneMs = timed(
        [&] {
            torvik::EditableState state = window.document().editableState();
            torvik::ChannelRecord& first = state.channels.records[0];
            first.TxPower = static_cast<std::int16_t>((first.TxPower + 1) % 3);
            window.document().commit("one", state);
        },
        kRounds);

    std::printf("start-up to main window shown: %.1f ms (target 400 ms)\n", startMs);
    std::printf("list rebuild, 203 channels:    %.2f ms (target 10 ms)\n", listMs);
    std::printf("  and the window repainted:    %.2f ms\n", paintedMs);
    std::printf("resident memory after start:   %.1f MB (target 80 MB)\n", residentMb);
    std::printf("paste of 200 rows, drawn:      %.2f ms (target 50 ms)\n", pasteMs);
    std::printf("sort of 200 rows, drawn:       %.2f ms (target 50 ms)\n", sortMs);
    std::printf("fill of 200 rows, drawn:       %.2f ms (target 50 ms)\n", fillMs);
    std::printf("one channel changed, drawn:    %.3f ms (target 1 ms)\n", oneMs);
    return 0;
}
