#pragma once

#include "drill.h"
#include "eventlog.h"
#include "fakewindow.h"
#include "scriptedrandom.h"
#include "simclock.h"

// A drill on the fake window and the simulated clock, as at start-up, with a log of what it told.
struct DrillRig {
    explicit DrillRig(unsigned seed = 1) : random(seed) {}

    SimClock clock;
    FakeWindow window;
    EventLog events;
    ScriptedRandom random;
    Drill drill{window, events, clock, random};
    SimClock::SimTimer& timer1 = clock.timer("Timer1");
    SimClock::SimTimer& timer2 = clock.timer("Timer2");
};
