#pragma once

#include "quizview.h"

// What the drill's commands and clock need of the main window, beyond the engine's needs.
class DrillView : public QuizView {
public:
    virtual void setScrollBarsEnabled(bool enabled) = 0;
    virtual void showIndicators(bool sharps, bool flats) = 0;
    // Shows the arrow beside answer pos; false when "arrow.gif" cannot be loaded.
    virtual bool loadArrow(int pos) = 0;
    // Shows the staff of a clef without a key signature, as before the first question.
    virtual void showRestPicture(Clef clef) = 0;
};
