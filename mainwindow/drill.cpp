#include "drill.h"

#include "counter.h"

namespace {

constexpr int kPauseMilliseconds = 2000;
constexpr int kResumeAtOnce = 1;

}  // namespace

Drill::Drill(DrillView& view, Timer& timer1, Timer& timer2, RandomSource& random)
    : view_(view), timer1_(timer1), timer2_(timer2), engine_(state_, view, random) {}

void Drill::Form_Load() {
    state_.running = false;
    state_.kindStep = 3;
    state_.keyKind = keytable::KeyKind::Both;
    timer1_.disable();
    timer1_.setInterval(kResumeAtOnce);
    timer2_.disable();
    timer2_.setInterval(kPauseMilliseconds);
    state_.freshStart = true;
    state_.advance = true;
}

// The seconds shown plus half a second: "5" gives 5500 ms.
int Drill::questionTime() const {
    return static_cast<int>(counter::valueOf(view_.caption(Caption::Seconds) + "500"));
}

void Drill::clearArrows() {
    for (int pos = 1; pos <= 4; ++pos) {
        view_.clearArrow(pos);
    }
}

// A new question never inherits an arrow, so an unanswered question is always wrong.
void Drill::showNextQuestion() {
    clearArrows();
    engine_.prepareQuestion();
}

void Drill::whitenAnswers() {
    for (int pos = 1; pos <= 4; ++pos) {
        view_.setChoiceColour(pos, kWhite);
    }
}

void Drill::resetCounters() {
    view_.setCaption(Caption::QuestionsLeft, view_.caption(Caption::Questions));
    view_.setCaption(Caption::Wrong, "0");
    view_.setCaption(Caption::Right, "0");
}

void Drill::choice_Click(int index) {
    clearArrows();
    if (!view_.loadArrow(index)) {
        view_.reportMissingFile("arrow.gif");
    }
}

void Drill::IntScroll_Change(int value) {
    if (!state_.running) {
        view_.setCaption(Caption::Seconds, counter::textOf(10 - value));
    }
}

void Drill::questscroll_Change(int value) {
    if (!state_.running) {
        view_.setCaption(Caption::Questions, counter::textOf(26 - value));
    }
}

void Drill::lselect_Click() {
    if (state_.running) {
        return;
    }
    if (state_.kindStep == 4) {
        state_.kindStep = 1;
    }
    state_.keyKind = static_cast<keytable::KeyKind>(state_.kindStep);
    const bool sharps = state_.keyKind != keytable::KeyKind::Flats;
    const bool flats = state_.keyKind != keytable::KeyKind::Sharps;
    view_.showIndicators(sharps, flats);
    ++state_.kindStep;
}

void Drill::lgo_Click() {
    if (state_.running) {
        return;
    }
    state_.running = true;
    view_.setScrollBarsEnabled(false);
    if (state_.freshStart) {
        resetCounters();
        // A quiz starts clean even when the last one was left in the middle of a pause.
        state_.advance = true;
        state_.skipCheck = false;
        showNextQuestion();
        state_.freshStart = false;
    }
    // After a pause cut short by Stop, the graded question moves on at once.
    timer1_.setInterval(state_.skipCheck ? kResumeAtOnce : questionTime());
    timer1_.enable();
}

void Drill::lstop_Click() {
    if (timer2_.isEnabled()) {
        finishPause();
    }
    timer1_.disable();
    timer2_.disable();
    state_.running = false;
    view_.setScrollBarsEnabled(true);
}

void Drill::lrestart_Click() {
    const bool graded = questionAlreadyGraded();
    state_.freshStart = true;
    resetCounters();
    if (state_.running && graded) {
        replaceGradedQuestion();
    }
}

// During the pause, and at its end until the clock has moved on, the question on show has
// already been counted; so has the last question once it is counted off.
bool Drill::questionAlreadyGraded() const {
    return timer2_.isEnabled() || state_.skipCheck ||
           counter::valueOf(view_.caption(Caption::QuestionsLeft)) <= 0;
}

// The pause's work without re-arming the clock: the graded question is never graded again.
void Drill::finishPause() {
    whitenAnswers();
    state_.skipCheck = true;
    state_.advance = true;
}

// A restarted quiz asks exactly the number of questions it shows, so the graded question on
// show makes way for a fresh one with a full interval.
void Drill::replaceGradedQuestion() {
    timer2_.disable();
    whitenAnswers();
    state_.skipCheck = false;
    state_.advance = true;
    showNextQuestion();
    timer1_.setInterval(questionTime());
    timer1_.enable();
}

void Drill::Timer1_Timer() {
    timer2_.disable();
    if (counter::valueOf(view_.caption(Caption::QuestionsLeft)) <= 0) {
        state_.freshStart = true;
        lstop_Click();
        view_.quizEnded();
        return;
    }
    if (!state_.skipCheck) {
        engine_.CheckAnswer();
    }
    state_.skipCheck = false;
    if (!state_.advance) {
        timer1_.disable();
        return;
    }
    const auto left = counter::stepped(view_.caption(Caption::QuestionsLeft), -1);
    view_.setCaption(Caption::QuestionsLeft, left);
    // The last question counted off is not followed by one that would never be graded.
    if (counter::valueOf(left) > 0) {
        showNextQuestion();
    }
    timer1_.setInterval(questionTime());
}

void Drill::Timer2_Timer() {
    finishPause();
    timer1_.setInterval(kResumeAtOnce);
    timer1_.enable();
}
