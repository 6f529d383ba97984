// Ctrl+C and SIGTERM during a radio session: while a StopSignals lives, either signal asks
// the session to stop (through the event loop, never from inside the handler); the default
// handling comes back when it goes.
#pragma once

#include <QSocketNotifier>
#include <functional>
#include <memory>

namespace torvik::cli {

class StopSignals {
  public:
    explicit StopSignals(std::function<void()> onStop);
    ~StopSignals();
    StopSignals(const StopSignals&) = delete;
    StopSignals& operator=(const StopSignals&) = delete;

    // A stop signal came in while one was installed.
    static bool raised();

  private:
    std::function<void()> onStop_;
    std::unique_ptr<QSocketNotifier> notifier_;
};

// The exit status of a run stopped by the person at the controls.
inline constexpr int kStopped = 130;

}  // namespace torvik::cli
