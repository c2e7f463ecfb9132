#include "qttimer.h"

QtTimer::QtTimer(std::function<void()> onTick) {
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, std::move(onTick));
}

void QtTimer::enable() {
    if (!timer_.isActive()) {
        timer_.start();
    }
}

void QtTimer::disable() {
    timer_.stop();
}

void QtTimer::setInterval(int milliseconds) {
    timer_.setInterval(milliseconds);
}

bool QtTimer::isEnabled() const {
    return timer_.isActive();
}
