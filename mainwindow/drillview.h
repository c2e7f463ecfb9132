#pragma once

#include "quizview.h"

// The commands whose effect a listener must hear even when it changes nothing on screen.
enum class QuizCommand { Go, Stop, Restart };

// What the drill's commands and clock need of the main window, beyond the engine's needs.
class DrillView : public QuizView {
public:
    virtual void setScrollBarsEnabled(bool enabled) = 0;
    virtual void showIndicators(bool sharps, bool flats) = 0;
    // Shows the arrow beside answer pos; false when "arrow.gif" cannot be loaded.
    virtual bool loadArrow(int pos) = 0;
    // The last question has been counted off and the quiz is over.
    virtual void quizEnded() {}
    // Go started or resumed the quiz, Stop halted it, or Restart set the counters back.
    virtual void commandActed(QuizCommand /*command*/) {}
};
