// The seam to a single-shot timer of the event loop: the link's wait for a reply.
#pragma once

namespace torvik {

class WaitTimerListener {
  public:
    virtual ~WaitTimerListener() = default;
    virtual void waitTimerExpired() = 0;
};

class WaitTimer {
  public:
    virtual ~WaitTimer() = default;
    virtual void setListener(WaitTimerListener* listener) = 0;
    // Starts (or restarts) the timer; the listener hears it once, `ms` milliseconds later,
    // unless stop() comes first.
    virtual void start(int ms) = 0;
    virtual void stop() = 0;
    virtual bool isActive() const = 0;
};

}  // namespace torvik
