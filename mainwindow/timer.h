#pragma once

// A millisecond timer as the drill uses it; the program's are QTimers, the tests' run on a
// simulated clock.
class Timer {
public:
    virtual ~Timer() = default;
    // Starts counting from zero; enabling an enabled timer changes nothing.
    virtual void enable() = 0;
    virtual void disable() = 0;
    // Restarts the count when the timer is enabled.
    virtual void setInterval(int milliseconds) = 0;
    virtual bool isEnabled() const = 0;
};
