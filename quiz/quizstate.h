#pragma once

#include <string>

#include "keytable.h"

// The state of the drill for the whole run, with its start-up values.
struct QuizState {
    bool running = false;    // Go was pressed and Stop has not been since
    bool freshStart = true;  // the next Go prepares a new quiz
    bool advance = true;     // after grading, the clock may move on (clear during the pause)
    bool skipCheck = false;  // the next clock tick only ends a pause and must not grade
    int keyNum = 0;          // the key on show; 0 before the first question
    keytable::KeyKind keyKind = keytable::KeyKind::Both;
    Clef clef = Clef::Treble;       // the clef the pictures are drawn in
    KeyMode mode = KeyMode::Major;  // whether the answers name the major keys or the minor
    int kindStep = 3;  // the kind the next press of the selector applies (4 wraps to 1)
    int rightPos = 0;  // the answer position, 1 to 4, that holds the correct name
    std::string keyName;
    std::string answer;
    std::string wrong1, wrong2, wrong3;
};
