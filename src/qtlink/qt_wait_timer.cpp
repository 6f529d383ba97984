#include "qtlink/qt_wait_timer.h"

namespace torvik {

QtWaitTimer::QtWaitTimer(QObject* parent) : QObject(parent) {
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, [this] {
        if (listener_) listener_->waitTimerExpired();
    });
}

}  // namespace torvik
