#pragma once

#include <memory>
#include <vector>

#include "drillview.h"
#include "engine.h"
#include "quizstate.h"
#include "timer.h"

// Where a running quiz stands. The flags of the quiz state are the store; the phase names
// what they mean together.
enum class DrillPhase {
    Ready,          // the next Go prepares a new quiz
    QuestionTime,   // the clock runs for the question on show
    FeedbackPause,  // a wrong answer is shown in red for two seconds
    PauseEnd,       // the graded question makes way for the next at once, ungraded
    Stopped,        // the next Go resumes the quiz
};

// The drill's commands and its clock: what Go, Stop, Restart, the selector, the settings,
// the answer labels and the two timers do. It owns the quiz state and both timers for the
// whole run.
//
// Commands and ticks run one at a time, each to its end. A message box opened by one of them
// runs the event loop inside it; a tick that falls due then is dropped, and its timer holds
// still until the command or tick is over, so that the program does not wake for it.
class Drill {
public:
    Drill(DrillView& view, TimerFactory& timers, RandomSource& random);

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
    DrillPhase phase() const;

private:
    class Busy;
    void tick(void (Drill::*handler)(), Timer& timer);

    int questionTime() const;
    void clearArrows();
    void showNextQuestion();
    void whitenAnswers();
    void resetCounters();
    bool questionAlreadyGraded() const;
    void finishPause();
    void replaceGradedQuestion();

    DrillView& view_;
    QuizState state_;
    QuizEngine engine_;
    std::unique_ptr<Timer> questionClock_;
    std::unique_ptr<Timer> pause_;
    bool busy_ = false;
    std::vector<Timer*> held_;
};
