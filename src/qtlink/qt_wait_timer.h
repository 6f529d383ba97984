// The link's wait timer on QTimer.
#pragma once

#include <QObject>
#include <QTimer>

#include "link/serial/wait_timer.h"

namespace torvik {

class QtWaitTimer : public QObject, public WaitTimer {
    Q_OBJECT

  public:
    explicit QtWaitTimer(QObject* parent = nullptr);
    void setListener(WaitTimerListener* listener) override { listener_ = listener; }
    void start(int ms) override { timer_.start(ms); }
    void stop() override { timer_.stop(); }
    bool isActive() const override { return timer_.isActive(); }

  private:
    QTimer timer_;
    WaitTimerListener* listener_ = nullptr;
};

}  // namespace torvik
