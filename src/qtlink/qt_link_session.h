// One radio session on Qt: the serial port (resolving port numbers through the port map), the
// wait timer and the protocol engine wired together. The window and the command-line tool
// both run the link through it; sessions share nothing, so several can run side by side.
#pragma once

#include <memory>
#include <ostream>

#include "link/link_engine.h"
#include "link/serial/port_map.h"
#include "link/serial/traced_serial_port.h"
#include "qtlink/qt_serial_port.h"
#include "qtlink/qt_wait_timer.h"

namespace torvik {

// What a session works on besides its port and timer; all of it outlives the session.
struct LinkSubject {
    Codeplug& codeplug;
    FeatureFlags& features;
    bool factoryMode = false;
    PortSettings& portSettings;
    Reporter& reporter;
    LinkHost& host;
};

class QtLinkSession {
  public:
    // With `trace`, every frame sent and every reply taken is written there.
    QtLinkSession(const PortMap& ports, const LinkSubject& subject, std::ostream* trace = nullptr);
    QtLinkSession(const QtLinkSession&) = delete;
    QtLinkSession& operator=(const QtLinkSession&) = delete;

    LinkEngine& engine() { return engine_; }
    // The last port open was refused because this user may not use serial devices.
    bool portPermissionRefused() const { return serial_.permissionRefused(); }

  private:
    QtSerialPort serial_;
    std::unique_ptr<TracedSerialPort> traced_;
    QtWaitTimer timer_;
    LinkEngine engine_;
};

}  // namespace torvik
