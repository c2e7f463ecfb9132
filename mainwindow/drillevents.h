#pragma once

#include "clef.h"
#include "keymode.h"
#include "keytable.h"
#include "question.h"

// The counters as the window shows them.
struct Counters {
    int left = 0;
    int right = 0;
    int wrong = 0;
};

// The commands whose effect a listener must hear even when it changes nothing on screen.
enum class DrillCommand { Go, Stop, Restart };

struct Grading {
    bool right = false;
    int rightPos = 0;        // where the correct name stands
    Counters counters;       // after the grading
    int secondsAllowed = 0;  // the seconds per question the question was graded at
};

// A quiz begins: Go prepared a new one, or Restart set the counters back for one.
struct QuizStart {
    Clef clef = Clef::Treble;
    KeyMode mode = KeyMode::Major;
    int questions = 0;
};

// What happened in the drill, as it happens. Everything one command or tick does comes before
// the turnEnded that closes it. A listener takes the events it needs and lets the others go.
class DrillEvents {
public:
    virtual ~DrillEvents() = default;

    virtual void quizStarted(const QuizStart& /*start*/) {}
    virtual void questionShown(const Question& /*question*/) {}
    // The arrow points at answer pos; 0 when no answer is pointed at (the arrow was not found).
    virtual void answerChosen(int /*pos*/) {}
    virtual void graded(const Grading& /*grading*/) {}
    // Go or Restart set the counters, or the clock counted a question off.
    virtual void countersShown(const Counters& /*counters*/) {}
    // The correct answer is no longer shown in red.
    virtual void pauseEnded() {}
    virtual void commandActed(DrillCommand /*command*/) {}
    virtual void keyKindShown(keytable::KeyKind /*kind*/) {}
    virtual void quizEnded(const Counters& /*counters*/) {}
    virtual void turnEnded() {}
};
