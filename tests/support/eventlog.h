#pragma once

#include <set>
#include <string>
#include <vector>

#include "drillevents.h"

// What the drill told, kept for a test to read: the questions shown and graded, the commands,
// the ends of quizzes. Its own checks run on every event: no question is graded twice.
class EventLog : public DrillEvents {
public:
    void quizStarted(const QuizStart& start) override { starts.push_back(start); }
    void questionShown(const Question& question) override {
        last = question;
        ++questions;
    }
    void answerChosen(int pos) override { chosen = pos; }
    void graded(const Grading& grading) override {
        gradings.push_back(grading);
        counters = grading.counters;
        if (!gradedQuestions.insert(questions).second) {
            gradedTwice = true;
        }
    }
    void countersShown(const Counters& shown) override { counters = shown; }
    void pauseEnded() override { ++pausesEnded; }
    void commandActed(DrillCommand command) override { commands.push_back(command); }
    void keyKindShown(keytable::KeyKind shown) override { kind = shown; }
    void quizEnded(const Counters& shown) override {
        counters = shown;
        ++quizzesEnded;
    }
    void turnEnded() override { ++turns; }

    std::vector<QuizStart> starts;
    Question last;      // the question on show
    int questions = 0;  // how many have been shown
    int chosen = 0;
    std::vector<Grading> gradings;
    std::set<int> gradedQuestions;  // by their number in the order shown
    bool gradedTwice = false;
    Counters counters;
    int pausesEnded = 0;
    std::vector<DrillCommand> commands;
    keytable::KeyKind kind = keytable::KeyKind::Both;
    int quizzesEnded = 0;
    int turns = 0;
};
