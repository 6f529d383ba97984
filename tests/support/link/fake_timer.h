// A wait timer on a manual clock: time moves only when the test says so.
#pragma once

#include <cstdint>

#include "link/serial/wait_timer.h"

namespace torvik::test {

class FakeTimer : public WaitTimer {
  public:
    void setListener(WaitTimerListener* listener) override { listener_ = listener; }
    void start(int ms) override {
        active_ = true;
        deadline_ = now_ + ms;
        lastInterval_ = ms;
    }
    void stop() override { active_ = false; }
    bool isActive() const override { return active_; }

    std::int64_t now() const { return now_; }
    int lastInterval() const { return lastInterval_; }
    int expiries() const { return expiries_; }

    // Moves the clock on; the timer fires when its deadline is reached.
    void advance(std::int64_t ms) {
        now_ += ms;
        if (active_ && now_ >= deadline_) fire();
    }
    // Moves the clock straight to the deadline and fires. False when the timer is stopped.
    bool expire() {
        if (!active_) return false;
        now_ = deadline_;
        fire();
        return true;
    }

  private:
    void fire() {
        active_ = false;
        ++expiries_;
        if (listener_) listener_->waitTimerExpired();
    }

    WaitTimerListener* listener_ = nullptr;
    bool active_ = false;
    std::int64_t now_ = 0;
    std::int64_t deadline_ = 0;
    int lastInterval_ = 0;
    int expiries_ = 0;
};

}  // namespace torvik::test
