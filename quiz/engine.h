#pragma once

#include <array>
#include <string>

#include "practice.h"
#include "question.h"
#include "quizstate.h"
#include "quizview.h"
#include "random.h"

// The four quiz procedures, working on the quiz state and the window's controls.
class QuizEngine {
public:
    QuizEngine(QuizState& state, QuizView& view, RandomSource& random);

    // Chooses a key of the drilled kind other than the previous one and shows its picture;
    // false when the picture could not be shown (the user has been told).
    bool PickQuestion();
    // Chooses three distinct wrong names, from all fourteen keys.
    void PickDistractors();
    // Puts the four names at random positions and returns them by position.
    std::array<std::string, 5> PlaceAnswers();
    // Grades the question on show by where the arrow is; true when it was right. A wrong answer
    // shows the correct one in red: the caller starts the pause.
    bool CheckAnswer();

    // The three preparation steps, always together and in this order.
    Question prepareQuestion();

    // Draws the next keys by these weights, or, with none, each key of the kind alike.
    void practise(const KeyWeights* weights) { weights_ = weights; }

private:
    int drawKey(int span, int base);
    int drawWeightedKey(keytable::KeyRange keys);
    void countOne(Caption counter);

    QuizState& state_;
    QuizView& view_;
    RandomSource& random_;
    const KeyWeights* weights_ = nullptr;
};
