#include "fleet/fleet_job.h"

#include <algorithm>

#include "fleet/fleet_port.h"

namespace torvik {
namespace {

// Whether a roster's Device cell names this port: its path, or its number.
bool PinnedHere(const std::string& pin, const std::string& device, std::optional<int> number) {
    if (pin.empty()) return false;
    if (pin == device) return true;
    return number && pin == std::to_string(*number);
}

}  // namespace

std::string_view FleetStepText(FleetStep step) {
    switch (step) {
        case FleetStep::Waiting:
            return "waiting for a radio";
        case FleetStep::Identifying:
            return "identifying";
        case FleetStep::BackingUp:
            return "backing up";
        case FleetStep::Writing:
            return "writing";
        case FleetStep::Verifying:
            return "verifying";
        case FleetStep::Done:
            return "done";
        case FleetStep::Failed:
            return "failed";
        case FleetStep::Stopped:
            return "stopped";
    }
    return "failed";
}

FleetJob::FleetJob(std::vector<UnitPlan> units, const std::set<std::string>& finished,
                   const std::vector<PortId>& ports, const Codeplug& blank, FleetJobOptions options,
                   const PortMap& portMap, const Reporter& texts, FleetLogFile* log,
                   FleetListener& listener)
    : blank_(blank),
      options_(std::move(options)),
      portMap_(portMap),
      texts_(texts),
      log_(log),
      listener_(listener) {
    for (UnitPlan& plan : units) {
        Unit& unit = units_.emplace_back(Unit{std::move(plan)});
        if (finished.count(unit.plan.unit.unit) > 0) unit.state = UnitState::Done;
    }
    for (std::size_t i = 0; i < ports.size(); ++i) {
        ports_.push_back(std::make_unique<FleetPort>(*this, i, ports[i]));
    }
}

FleetJob::~FleetJob() = default;

void FleetJob::start() {
    if (unitsLeft() == 0 || ports_.empty()) {
        ended_ = true;
        listener_.jobEnded();
        return;
    }
    for (const auto& port : ports_) port->start();
}

void FleetJob::stop() {
    stopping_ = true;
    for (const auto& port : ports_) {
        if (!port->finished()) port->stop();
    }
}

std::size_t FleetJob::unitsLeft() const {
    return static_cast<std::size_t>(std::count_if(
        units_.begin(), units_.end(), [](const Unit& u) { return u.state != UnitState::Done; }));
}

int FleetJob::failures() const {
    return failures_ + static_cast<int>(std::count_if(units_.begin(), units_.end(),
                                                      [](const Unit& u) { return u.failed; }));
}

const FleetPortView& FleetJob::portView(std::size_t port) const {
    return ports_.at(port)->view();
}

FleetJob::Claim FleetJob::claim(const std::string& device, std::optional<int> portNumber,
                                const std::string& serial) {
    auto open = [](const Unit& u) { return u.state == UnitState::Open; };
    auto take = [](Unit& u) {
        u.state = UnitState::InFlight;
        return Claim{&u, {}, false};
    };
    // The unit pinned to this radio's serial number, unless it is pinned to another port.
    if (!serial.empty()) {
        for (Unit& u : units_) {
            const RosterUnit& r = u.plan.unit;
            if (open(u) && r.serial == serial &&
                (r.device.empty() || PinnedHere(r.device, device, portNumber))) {
                return take(u);
            }
        }
    }
    // The unit pinned to this port, when this is its radio.
    for (Unit& u : units_) {
        const RosterUnit& r = u.plan.unit;
        if (!open(u) || !PinnedHere(r.device, device, portNumber)) continue;
        if (r.serial.empty()) return take(u);
        return {nullptr,
                "unit " + r.unit + " is for the radio with serial number " + r.serial +
                    "; the radio on " + device + " has " + (serial.empty() ? "none" : serial),
                true};
    }
    // The next unit pinned to nothing.
    for (Unit& u : units_) {
        if (open(u) && u.plan.unit.device.empty() && u.plan.unit.serial.empty()) return take(u);
    }
    return {nullptr,
            unitsLeft() == 0
                ? "every unit is done"
                : "no unit left for the radio" + (serial.empty() ? std::string() : " " + serial) +
                      " on " + device,
            false};
}

void FleetJob::unitEnded(Unit& unit, const FleetLogRow& row) {
    const bool succeeded = row.result == UnitResult::Written || row.result == UnitResult::Verified;
    unit.state = succeeded ? UnitState::Done : UnitState::Open;
    unit.failed = !succeeded;
    FleetLogRow logged = row;
    if (log_ && !log_->append(row)) {
        logged.detail += logged.detail.empty() ? "" : "; ";
        logged.detail += "this row could not be written to the log";
    }
    listener_.unitEnded(logged);
}

void FleetJob::portEnded() {
    if (ended_) return;
    const bool all = std::all_of(ports_.begin(), ports_.end(),
                                 [](const auto& port) { return port->finished(); });
    if (!all) return;
    ended_ = true;
    listener_.jobEnded();
}

bool FleetJob::wantsMoreRadios() const {
    return !stopping_ && std::any_of(units_.begin(), units_.end(),
                                     [](const Unit& u) { return u.state == UnitState::Open; });
}

}  // namespace torvik
