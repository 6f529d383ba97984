// A fleet job: the units of a sound plan written into the radios on several ports at once,
// each port its own radio sessions on the one event loop, sharing nothing but the queue of
// units. A port identifies the radio on it (its serial number, model and version), takes the
// unit pinned to the port or to that serial number, else the next unit not yet done, then
// keeps a backup of what the radio holds, writes the unit's codeplug and, when asked, reads it
// back to compare. A failing unit never stops the others; every unit that ends is logged.
//
// The command-line tool and the window both run it; they hear of it through FleetListener.
#pragma once

#include <chrono>
#include <filesystem>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "fleet/fleet_log.h"
#include "fleet/fleet_plan.h"
#include "link/port_settings.h"
#include "link/serial/port_map.h"
#include "platform/reporter.h"

namespace torvik {

// Where a port is with its radio.
enum class FleetStep {
    Waiting,      // for a radio to answer
    Identifying,  // reading its embedded information
    BackingUp,    // reading what it holds into the backup folder
    Writing,
    Verifying,  // reading it back to compare
    Done,       // the unit succeeded; with --continuous the port waits for the next radio
    Failed,
    Stopped,
};

// "waiting for a radio", "reading", "backing up", ... in English, for the terminal.
std::string_view FleetStepText(FleetStep step);

// What a port shows: the device, the radio and unit on it, its step and progress.
struct FleetPortView {
    std::string device;
    std::string unit;  // empty until a unit is taken
    std::string serial;
    FleetStep step = FleetStep::Waiting;
    int percent = 0;        // of the step's transfer
    double seconds = 0;     // since the unit was taken
    std::string detail;     // why it failed, or what it waits for
    bool finished = false;  // the port has ended its part of the job
};

class FleetListener {
  public:
    virtual ~FleetListener() = default;
    // A port changed step or progress.
    virtual void portChanged(std::size_t port, const FleetPortView& view) = 0;
    // A unit ended; the row has been appended to the log (when there is one).
    virtual void unitEnded(const FleetLogRow& row) = 0;
    // Every port has ended: every unit is done, each port has had its one radio, or the job
    // was stopped.
    virtual void jobEnded() = 0;
};

struct FleetJobOptions {
    bool verify = false;
    // Each port goes on with the next radio until every unit is done or the job is stopped;
    // without it each port programs one unit.
    bool continuous = false;
    std::optional<std::string> password;  // the radios' programming password
    // Where the codeplug of every radio is kept before it is written; none: no backups.
    std::optional<std::filesystem::path> backupFolder;
    // One trace file of every frame per unit attempt; none: no traces.
    std::optional<std::filesystem::path> traceFolder;
    std::string templateDigest;  // for the log
    std::int16_t handshakeMode = 0;
    std::int16_t stopBits = 1;
    // How long a port without a radio waits before asking again; how many times a port
    // without --continuous asks before it gives up.
    std::chrono::milliseconds pollInterval{1000};
    int identifyAttempts = 3;
};

class FleetPort;

class FleetJob {
  public:
    // `units` comes from a sound plan; `finished` names units to skip (done in an earlier run
    // of the job). `blank` is what a read starts from; `texts` gives the language texts of the
    // radio messages. All references outlive the job.
    FleetJob(std::vector<UnitPlan> units, const std::set<std::string>& finished,
             const std::vector<PortId>& ports, const Codeplug& blank, FleetJobOptions options,
             const PortMap& portMap, const Reporter& texts, FleetLogFile* log,
             FleetListener& listener);
    ~FleetJob();
    FleetJob(const FleetJob&) = delete;
    FleetJob& operator=(const FleetJob&) = delete;

    void start();
    // Every session stops at its next frame; units in flight are logged stopped.
    void stop();
    bool stopping() const { return stopping_; }
    bool ended() const { return ended_; }

    std::size_t unitCount() const { return units_.size(); }
    std::size_t unitsLeft() const;
    // Units that ended failed (or stopped) and never succeeded since, and ports that ended
    // without a radio or a unit for it.
    int failures() const;
    const FleetPortView& portView(std::size_t port) const;
    std::size_t portCount() const { return ports_.size(); }

  private:
    friend class FleetPort;
    enum class UnitState { Open, InFlight, Done };
    struct Unit {
        UnitPlan plan;
        UnitState state = UnitState::Open;
        bool failed = false;  // its last attempt failed
    };

    // The unit for the radio with `serial` on `device`, now in flight; or why there is none:
    // a unit pinned to this port is for another radio (a failure), or no unit is left for
    // this radio (nothing to do).
    struct Claim {
        Unit* unit = nullptr;
        std::string refusal;
        bool wrongRadio = false;
    };
    Claim claim(const std::string& device, std::optional<int> portNumber,
                const std::string& serial);
    void unitEnded(Unit& unit, const FleetLogRow& row);
    void portEnded();
    // Whether a port should wait for another radio.
    bool wantsMoreRadios() const;
    // A serial number already written (or tried) in this job; a port does not take it again.
    bool serialSeen(const std::string& serial) const { return seenSerials_.count(serial) > 0; }
    void markSerialSeen(const std::string& serial) {
        if (!serial.empty()) seenSerials_.insert(serial);
    }

    std::vector<Unit> units_;
    std::vector<std::unique_ptr<FleetPort>> ports_;
    const Codeplug& blank_;
    FleetJobOptions options_;
    const PortMap& portMap_;
    const Reporter& texts_;
    FleetLogFile* log_;
    FleetListener& listener_;
    std::set<std::string> seenSerials_;
    int failures_ = 0;
    bool stopping_ = false;
    bool ended_ = false;
};

}  // namespace torvik
