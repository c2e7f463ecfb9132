#pragma once

#include <functional>
#include <memory>
#include <string>

// A millisecond timer as the drill uses it; the program's run on the kernel's clock, the
// tests' on a simulated one.
class Timer {
public:
    virtual ~Timer() = default;
    // Starts counting from zero; enabling an enabled timer changes nothing.
    virtual void enable() = 0;
    virtual void disable() = 0;
    // Restarts the count when the timer is enabled.
    virtual void setInterval(int milliseconds) = 0;
    virtual bool isEnabled() const = 0;
    // While held the timer keeps its interval and rhythm but delivers nothing and wakes
    // nobody; a tick that falls due meanwhile is dropped.
    virtual void hold() = 0;
    virtual void release() = 0;
};

// Makes timers that call the handler given on each tick. The name is the timer's in the
// window's design ("Timer1", "Timer2"), for those who watch the timers.
class TimerFactory {
public:
    virtual ~TimerFactory() = default;
    virtual std::unique_ptr<Timer> makeTimer(const std::string& name,
                                             std::function<void()> onTick) = 0;
};
