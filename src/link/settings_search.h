// The order in which the automatic search tries communication settings, and what it
// remembers while it runs: for each candidate port, stop bits 1 then 2, and for each of
// those, handshaking 0, 1, 2, 3. A port that cannot be opened is skipped with all its
// variants. The frames and time-outs of the search are the engine's.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "link/link_state.h"
#include "link/port_settings.h"

namespace torvik {

inline constexpr std::size_t kMaxSearchPorts = 256;
inline constexpr int kFixedSearchPortCount = 16;

// The candidates when ports are offered by number: 1..16.
std::vector<PortId> FixedSearchPorts();

class SettingsSearch {
  public:
    using TryOpen = std::function<bool(const PortSettings&)>;

    // A new search over `ports` (only the first 256 are tried) for a connection of
    // `savedMode`, whose progress caption was `savedCaption`.
    void begin(LinkMode savedMode, std::string savedCaption, std::vector<PortId> ports);

    bool hasCandidates() const { return !ports_.empty(); }

    // Opens the next setting to try with `tryOpen`: the current one when `advance` is false
    // (only at the start), else the one after it. Returns the setting that opened, nothing
    // when no candidate is left.
    std::optional<PortSettings> next(bool advance, const TryOpen& tryOpen);

    const PortSettings& current() const { return current_; }

    // A radio of another model answered on the current setting; only the first one counts.
    void noteOtherModel();
    const std::optional<PortSettings>& fallback() const { return fallback_; }

    LinkMode savedMode() const { return savedMode_; }
    const std::string& savedCaption() const { return savedCaption_; }

  private:
    void startPort(std::size_t position);

    LinkMode savedMode_ = LinkMode::Idle;
    std::string savedCaption_;
    std::vector<PortId> ports_;
    std::size_t position_ = 0;
    PortSettings current_;
    std::optional<PortSettings> fallback_;
};

}  // namespace torvik
