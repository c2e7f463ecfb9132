#pragma once

#include <memory>
#include <vector>

#include "drillevents.h"
#include "drillview.h"
#include "engine.h"
#include "quizstate.h"
#include "timer.h"

// The settings and choices a learner may want remembered from one run to the next.
struct DrillSettings {
    int seconds = 0;    // per question
    int questions = 0;  // per quiz
    keytable::KeyKind kind = keytable::KeyKind::Both;
    Clef clef = Clef::Treble;
    KeyMode mode = KeyMode::Major;

    bool operator==(const DrillSettings&) const = default;
};

// Where the question clock stands. Only setPhase() changes it, and with it both timers and the
// flags of the quiz state that follow from it.
enum class DrillPhase {
    Halted,         // no quiz runs: not started, stopped or ended
    QuestionTime,   // the clock runs for the question on show
    FeedbackPause,  // a wrong answer is shown in red for two seconds
    PauseEnd,       // the graded question makes way for the next at once, ungraded
};

// The drill's commands and its clock: what Go, Stop, Restart, the selector, the settings, the
// answer labels and the two timers do. It owns the quiz state and both timers for the whole
// run, works the window through DrillView and tells what happened through DrillEvents.
//
// Commands and ticks run one at a time, each to its end. A message box opened by one of them
// runs the event loop inside it; a tick that falls due then is dropped, and its timer holds
// still until the command or tick is over, so that the program does not wake for it.
class Drill {
public:
    Drill(DrillView& view, DrillEvents& events, TimerFactory& timers, RandomSource& random);

    void choose(int pos);
    // The settings as the window shows them: seconds per question, questions per quiz.
    void setSeconds(int seconds);
    void setQuestions(int questions);
    void selectKind();
    // A clef or mode chosen while no quiz runs; the next Go starts a fresh quiz with it.
    void setClef(Clef clef);
    void setMode(KeyMode mode);
    // A key kind remembered from an earlier run, set while no quiz runs as the selector would.
    void restoreKind(keytable::KeyKind kind);

    DrillSettings settings() const;
    void go();
    void stop();
    void restart();
    void onQuestionClock();
    void onPauseEnd();

    const QuizState& state() const { return state_; }
    void practise(const KeyWeights* weights) { engine_.practise(weights); }
    DrillPhase phase() const { return phase_; }

private:
    class Turn;
    void tick(void (Drill::*handler)(), Timer& timer);

    void setPhase(DrillPhase phase);
    void halt();
    int questionTime() const;
    Counters counters() const;
    void clearArrows();
    void showNextQuestion();
    void endPause();
    void resetCounters();
    bool questionAlreadyGraded() const;
    void replaceGradedQuestion();
    void grade();
    void countOff();

    DrillView& view_;
    DrillEvents& events_;
    QuizState state_;
    QuizEngine engine_;
    std::unique_ptr<Timer> questionClock_;  // Timer1 in the window's design
    std::unique_ptr<Timer> pause_;          // Timer2
    DrillPhase phase_ = DrillPhase::Halted;
    bool busy_ = false;
    std::vector<Timer*> held_;
};
