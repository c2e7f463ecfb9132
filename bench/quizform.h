#pragma once

#include <QEvent>
#include <cstdint>

#include "drill.h"
#include "form1.h"
#include "procstat.h"

// The real main window driven by a Drill of the benchmark's own, on timers it chooses; the
// window's own drill stays idle.
class QuizForm : public Form1 {
public:
    QuizForm(RandomSource& random, const QString& language) : Form1(random, language) {}

    // When the last repaint began and ended.
    std::int64_t repaintStart = 0;
    std::int64_t repaintEnd = 0;

protected:
    bool event(QEvent* event) override {
        if (event->type() != QEvent::UpdateRequest) {
            return Form1::event(event);
        }
        const std::int64_t start = procstat::nowNs();
        const bool done = Form1::event(event);
        repaintStart = start;
        repaintEnd = procstat::nowNs();
        return done;
    }
};

// Answers every new question on show right at once, except every n-th, which it leaves
// unanswered so that the pause follows.
class Answerer {
public:
    Answerer(Drill& drill, int unansweredEvery) : drill_(drill), every_(unansweredEvery) {}

    // Call after Go and after every tick.
    void answerNewQuestion() {
        const QuizState& state = drill_.state();
        if (!state.running || state.keyNum == shownKey_) {
            return;
        }
        shownKey_ = state.keyNum;
        ++questions_;
        if (questions_ % every_ != 0) {
            drill_.choose(state.rightPos);
        }
    }
    int questions() const { return questions_; }

private:
    Drill& drill_;
    int every_;
    int shownKey_ = 0;
    int questions_ = 0;
};
