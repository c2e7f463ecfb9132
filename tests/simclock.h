#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "timer.h"

// Simulated time for the drill's timers: a whole quiz runs tick by tick in microseconds.
// Ticks are handled one at a time, each to its end, in order of their due time.
class SimClock {
public:
    class SimTimer : public Timer {
    public:
        SimTimer(SimClock& clock, std::string name) : clock_(clock), name_(std::move(name)) {}

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
        int interval() const { return interval_; }
        std::int64_t due() const { return due_; }
        const std::string& name() const { return name_; }

        std::function<void()> onTick;

    private:
        friend class SimClock;
        SimClock& clock_;
        std::string name_;
        bool enabled_ = false;
        int interval_ = 0;
        std::int64_t due_ = 0;
    };

    struct Tick {
        std::int64_t time;
        std::string timer;
    };

    SimTimer& addTimer(const std::string& name) {
        timers_.push_back(std::make_unique<SimTimer>(*this, name));
        return *timers_.back();
    }

    std::int64_t now() const { return now_; }

    // Fires every tick due up to and including the time given, then stands at that time.
    void runUntil(std::int64_t time) {
        while (SimTimer* timer = nextDue(time)) {
            now_ = timer->due_;
            timer->due_ = now_ + timer->interval_;
            ticks.push_back({now_, timer->name_});
            if (timer->onTick) {
                timer->onTick();
            }
        }
        now_ = time;
    }
    void runFor(std::int64_t milliseconds) { runUntil(now_ + milliseconds); }

    std::vector<Tick> ticks;

private:
    SimTimer* nextDue(std::int64_t limit) {
        SimTimer* next = nullptr;
        for (auto& timer : timers_) {
            if (timer->enabled_ && timer->due_ <= limit && (!next || timer->due_ < next->due_)) {
                next = timer.get();
            }
        }
        return next;
    }

    std::int64_t now_ = 0;
    std::vector<std::unique_ptr<SimTimer>> timers_;
};
