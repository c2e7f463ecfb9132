#pragma once

#include "drill.h"
#include "fakewindow.h"
#include "scriptedrandom.h"
#include "simclock.h"

// A drill on the fake window and the simulated clock, loaded as at start-up.
struct DrillRig {
    explicit DrillRig(unsigned seed = 1) : random(seed) { drill.Form_Load(); }

    SimClock clock;
    FakeWindow window;
    ScriptedRandom random;
    Drill drill{window, clock, random};
    SimClock::SimTimer& timer1 = clock.timer("Timer1");
    SimClock::SimTimer& timer2 = clock.timer("Timer2");
};
