#pragma once

#include <QTimer>
#include <functional>

#include "timer.h"

// A precise QTimer: the default coarse timer may fire up to 5% early.
class QtTimer : public Timer {
public:
    explicit QtTimer(std::function<void()> onTick);

    void enable() override;
    void disable() override;
    void setInterval(int milliseconds) override;
    bool isEnabled() const override;

private:
    QTimer timer_;
};
