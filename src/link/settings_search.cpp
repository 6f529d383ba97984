#include "link/settings_search.h"

namespace torvik {
namespace {

constexpr std::int16_t kLastHandshake = 3;
constexpr std::int16_t kLastStopBits = 2;

}  // namespace

std::vector<PortId> FixedSearchPorts() {
    std::vector<PortId> ports;
    for (int number = 1; number <= kFixedSearchPortCount; ++number) {
        ports.push_back(PortId::Number(number));
    }
    return ports;
}

void SettingsSearch::begin(LinkMode savedMode, std::string savedCaption,
                           std::vector<PortId> ports) {
    savedMode_ = savedMode;
    savedCaption_ = std::move(savedCaption);
    if (ports.size() > kMaxSearchPorts) ports.resize(kMaxSearchPorts);
    ports_ = std::move(ports);
    fallback_.reset();
    if (!ports_.empty()) startPort(0);
}

void SettingsSearch::startPort(std::size_t position) {
    position_ = position;
    current_ = {ports_[position], 0, 1};
}

std::optional<PortSettings> SettingsSearch::next(bool advance, const TryOpen& tryOpen) {
    if (ports_.empty() || position_ >= ports_.size()) return std::nullopt;
    if (advance && ++current_.HandshakeMode > kLastHandshake) {
        current_.HandshakeMode = 0;
        if (++current_.StopBits > kLastStopBits) {
            if (position_ + 1 >= ports_.size()) {
                position_ = ports_.size();
                return std::nullopt;
            }
            startPort(position_ + 1);
        }
    }
    bool opened = tryOpen(current_);
    while (!opened && position_ + 1 < ports_.size()) {
        startPort(position_ + 1);
        opened = tryOpen(current_);
    }
    if (!opened) {
        position_ = ports_.size();
        return std::nullopt;
    }
    return current_;
}

void SettingsSearch::noteOtherModel() {
    if (!fallback_) fallback_ = current_;
}

}  // namespace torvik
