#include "qttimer.h"

#include <sys/timerfd.h>
#include <unistd.h>

#include <cstdint>

namespace {

timespec fromMilliseconds(int milliseconds) {
    // Interval 0 ticks on every pass of the event loop, as a QTimer's does.
    if (milliseconds <= 0) {
        return {0, 1};
    }
    return {milliseconds / 1000, static_cast<long>(milliseconds % 1000) * 1'000'000};
}

}  // namespace

QtTimer::QtTimer(std::function<void()> onTick)
    : onTick_(std::move(onTick)),
      fd_(::timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC)),
      notifier_(fd_, QSocketNotifier::Read) {
    notifier_.setEnabled(false);
    QObject::connect(&notifier_, &QSocketNotifier::activated, [this] { expired(); });
}

QtTimer::~QtTimer() {
    notifier_.setEnabled(false);
    ::close(fd_);
}

// Starts counting from now; the timer then ticks every interval until disabled.
void QtTimer::arm() {
    const timespec interval = fromMilliseconds(interval_);
    const itimerspec setting{enabled_ ? interval : timespec{}, enabled_ ? interval : timespec{}};
    ::timerfd_settime(fd_, 0, &setting, nullptr);
    // While its own handler runs (a message box may be open) the timer does not tick again.
    notifier_.setEnabled(enabled_ && !ticking_);
}

void QtTimer::enable() {
    if (!enabled_) {
        enabled_ = true;
        arm();
    }
}

void QtTimer::disable() {
    enabled_ = false;
    arm();
}

void QtTimer::setInterval(int milliseconds) {
    interval_ = milliseconds;
    if (enabled_) {
        arm();
    }
}

bool QtTimer::isEnabled() const {
    return enabled_;
}

void QtTimer::expired() {
    std::uint64_t expirations = 0;
    if (::read(fd_, &expirations, sizeof expirations) <= 0 || !enabled_) {
        return;
    }
    ticking_ = true;
    notifier_.setEnabled(false);
    onTick_();
    ticking_ = false;
    notifier_.setEnabled(enabled_);
}
