#include "precisetimer.h"

#include <errno.h>
#include <sys/timerfd.h>
#include <unistd.h>

#include <QtGlobal>
#include <cstdint>
#include <cstring>
#include <utility>

namespace {

timespec fromMilliseconds(int milliseconds) {
    // Interval 0 ticks on every pass of the event loop, as a QTimer's does.
    if (milliseconds <= 0) {
        return {0, 1};
    }
    return {milliseconds / 1000, static_cast<long>(milliseconds % 1000) * 1'000'000};
}

}  // namespace

int PreciseTimer::makeKernelTimer() {
    return ::timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC);
}

PreciseTimer::PreciseTimer(std::function<void()> onTick, int kernelTimer)
    : onTick_(std::move(onTick)), fd_(kernelTimer) {
    fallback_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&fallback_, &QTimer::timeout, [this] { onTick_(); });
    if (fd_ < 0) {
        fallBack(std::strerror(errno));
        return;
    }
    notifier_ = std::make_unique<QSocketNotifier>(fd_, QSocketNotifier::Read);
    notifier_->setEnabled(false);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] { expired(); });
}

PreciseTimer::~PreciseTimer() {
    notifier_.reset();
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

void PreciseTimer::fallBack(const char* why) {
    qWarning("duridaz: the kernel timer failed (%s); the clock goes on with Qt's timer", why);
    notifier_.reset();
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    armFallback();
}

// Starts counting from now; the timer then ticks every interval until disabled.
void PreciseTimer::arm() {
    if (fd_ >= 0) {
        armKernelTimer();
    } else {
        armFallback();
    }
}

void PreciseTimer::armKernelTimer() {
    const timespec interval = enabled_ ? fromMilliseconds(interval_) : timespec{};
    const itimerspec setting{interval, interval};
    if (::timerfd_settime(fd_, 0, &setting, nullptr) != 0) {
        fallBack(std::strerror(errno));
        return;
    }
    notifier_->setEnabled(mayTick());
}

// Held, the QTimer stands still; it starts afresh when released.
void PreciseTimer::armFallback() {
    fallback_.stop();
    fallback_.setInterval(qMax(interval_, 0));
    if (enabled_ && !held_) {
        fallback_.start();
    }
}

void PreciseTimer::enable() {
    if (!enabled_) {
        enabled_ = true;
        arm();
    }
}

void PreciseTimer::disable() {
    enabled_ = false;
    arm();
}

void PreciseTimer::setInterval(int milliseconds) {
    interval_ = milliseconds;
    if (enabled_) {
        arm();
    }
}

bool PreciseTimer::isEnabled() const {
    return enabled_;
}

void PreciseTimer::hold() {
    held_ = true;
    if (notifier_) {
        notifier_->setEnabled(false);
    } else {
        fallback_.stop();
    }
}

// The kernel timer kept its rhythm while held: what fell due is dropped, and the next tick
// comes on the beat.
void PreciseTimer::release() {
    if (!std::exchange(held_, false)) {
        return;
    }
    if (notifier_) {
        dropExpirations();
        notifier_->setEnabled(mayTick());
    } else if (enabled_ && !fallback_.isActive()) {
        fallback_.start();
    }
}

void PreciseTimer::dropExpirations() {
    std::uint64_t expirations = 0;
    while (::read(fd_, &expirations, sizeof expirations) < 0 && errno == EINTR) {
    }
}

void PreciseTimer::expired() {
    std::uint64_t expirations = 0;
    if (::read(fd_, &expirations, sizeof expirations) > 0 && enabled_) {
        onTick_();
    }
}
