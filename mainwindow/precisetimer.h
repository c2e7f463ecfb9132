#pragma once

#include <QSocketNotifier>
#include <QTimer>
#include <functional>
#include <memory>

#include "timer.h"

// The program's timer: a kernel timer (timerfd) watched by the Qt event loop. A QTimer, even a
// precise one, comes late by a thousandth of its interval (the kernel's slack for poll
// timeouts) plus up to a millisecond (the event loop's rounding): 6 ms on a 5.5 s question.
// This one comes within a fraction of a millisecond, never early, with one wake-up a tick.
// Where the kernel timer cannot be made or set, it says so and goes on as a precise QTimer,
// so the clock never stops without a word.
class PreciseTimer : public Timer {
public:
    // kernelTimer is a timerfd of this timer's own, or -1 where none could be made.
    explicit PreciseTimer(std::function<void()> onTick, int kernelTimer = makeKernelTimer());
    ~PreciseTimer() override;
    PreciseTimer(const PreciseTimer&) = delete;
    PreciseTimer& operator=(const PreciseTimer&) = delete;

    static int makeKernelTimer();

    void enable() override;
    void disable() override;
    void setInterval(int milliseconds) override;
    bool isEnabled() const override;

    void hold() override;
    void release() override;

    bool onKernelTimer() const { return fd_ >= 0; }

    // The factory the main window gives its drill.
    class Factory : public TimerFactory {
    public:
        std::unique_ptr<Timer> makeTimer(const std::string& /*name*/,
                                         std::function<void()> onTick) override {
            return std::make_unique<PreciseTimer>(std::move(onTick));
        }
    };

private:
    void arm();
    void armKernelTimer();
    void armFallback();
    void fallBack(const char* why);
    void dropExpirations();
    void expired();
    bool mayTick() const { return enabled_ && !held_; }

    std::function<void()> onTick_;
    int fd_;
    std::unique_ptr<QSocketNotifier> notifier_;
    QTimer fallback_;
    int interval_ = 0;
    bool enabled_ = false;
    bool held_ = false;
};
