#pragma once

#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "timer.h"

// Simulated time for the drill's timers: a whole quiz runs tick by tick in microseconds.
// Ticks are handled in order of their due time. A tick's handler may run the clock on
// itself, as the event loop of a message box does; ticks that fall due then are delivered
// as the real timers deliver them, and held timers drop theirs.
class SimClock : public TimerFactory {
public:
    class SimTimer : public Timer {
    public:
        SimTimer(SimClock& clock, std::string name, std::function<void()> handler)
            : onTick(std::move(handler)), clock_(clock), name_(std::move(name)) {}
        ~SimTimer() override { std::erase(clock_.timers_, this); }
        SimTimer(const SimTimer&) = delete;
        SimTimer& operator=(const SimTimer&) = delete;

        void enable() override {
            if (!enabled_) {
                enabled_ = true;
                due_ = clock_.now() + interval_;
            }
        }
        void disable() override { enabled_ = false; }
        void setInterval(int milliseconds) override {
            interval_ = milliseconds;
            if (enabled_) {
                due_ = clock_.now() + interval_;
            }
        }
        bool isEnabled() const override { return enabled_; }
        void hold() override { held_ = true; }
        void release() override { held_ = false; }
        bool isHeld() const { return held_; }
        int interval() const { return interval_; }
        std::int64_t due() const { return due_; }
        const std::string& name() const { return name_; }

        std::function<void()> onTick;

    private:
        friend class SimClock;
        SimClock& clock_;
        std::string name_;
        bool enabled_ = false;
        bool held_ = false;
        int interval_ = 0;
        std::int64_t due_ = 0;
    };

    struct Tick {
        std::int64_t time;
        std::string timer;
    };

    std::unique_ptr<Timer> makeTimer(const std::string& name,
                                     std::function<void()> onTick) override {
        auto timer = std::make_unique<SimTimer>(*this, name, std::move(onTick));
        timers_.push_back(timer.get());
        return timer;
    }

    SimTimer& timer(const std::string& name) {
        return **std::find_if(timers_.begin(), timers_.end(),
                              [&name](const SimTimer* t) { return t->name_ == name; });
    }

    std::int64_t now() const { return now_; }

    // Fires every tick due up to and including the time given, then stands at that time.
    void runUntil(std::int64_t time) {
        while (SimTimer* timer = nextDue(time)) {
            now_ = timer->due_;
            // An interval of 0 ticks on every pass of the event loop: here, every millisecond.
            timer->due_ = now_ + std::max(timer->interval_, 1);
            if (timer->held_) {
                ++dropped;
                continue;
            }
            ticks.push_back({now_, timer->name_});
            if (aroundTick) {
                aroundTick(*timer);
            } else {
                timer->onTick();
            }
        }
        now_ = std::max(now_, time);
    }
    void runFor(std::int64_t milliseconds) { runUntil(now_ + milliseconds); }

    // Wraps every tick when set: a test's observer calls timer.onTick() itself.
    std::function<void(SimTimer& timer)> aroundTick;
    std::vector<Tick> ticks;
    int dropped = 0;  // ticks that fell due on a held timer

private:
    SimTimer* nextDue(std::int64_t limit) {
        SimTimer* next = nullptr;
        for (SimTimer* timer : timers_) {
            if (timer->enabled_ && timer->due_ <= limit && (!next || timer->due_ < next->due_)) {
                next = timer;
            }
        }
        return next;
    }

    std::int64_t now_ = 0;
    std::vector<SimTimer*> timers_;  // owned by whoever asked for them
};
