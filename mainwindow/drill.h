#pragma once

#include "drillview.h"
#include "engine.h"
#include "quizstate.h"
#include "timer.h"

// The drill's commands and its clock: what Go, Stop, Restart, the selector, the settings,
// the answer labels and the two timers do. It owns the quiz state for the whole run.
class Drill {
public:
    Drill(DrillView& view, Timer& timer1, Timer& timer2, RandomSource& random);

    void Form_Load();
    void choice_Click(int index);
    void IntScroll_Change(int value);
    void questscroll_Change(int value);
    void lselect_Click();
    void lgo_Click();
    void lstop_Click();
    void lrestart_Click();
    void Timer1_Timer();
    void Timer2_Timer();

    const QuizState& state() const { return state_; }

private:
    int questionTime() const;
    void clearArrows();
    void showNextQuestion();
    void whitenAnswers();
    void resetCounters();
    bool questionAlreadyGraded() const;
    void finishPause();
    void replaceGradedQuestion();

    DrillView& view_;
    Timer& timer1_;
    Timer& timer2_;
    QuizState state_;
    QuizEngine engine_;
};
