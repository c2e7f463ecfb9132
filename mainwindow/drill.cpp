#include "drill.h"

#include "counter.h"

#include <utility>

namespace {

constexpr int kPauseMilliseconds = 2000;
constexpr int kResumeAtOnce = 1;

}  // namespace

Drill::Drill(DrillView& view, TimerFactory& timers, RandomSource& random)
    : view_(view),
      engine_(state_, view, random),
      questionClock_(
          timers.makeTimer("Timer1", [this] { tick(&Drill::Timer1_Timer, *questionClock_); })),
      pause_(timers.makeTimer("Timer2", [this] { tick(&Drill::Timer2_Timer, *pause_); })) {}

// Marks a command or tick as running; when the outermost one ends, the timers held meanwhile
// go on.
class Drill::Busy {
public:
    explicit Busy(Drill& drill) : drill_(drill), outermost_(!std::exchange(drill.busy_, true)) {}
    ~Busy() {
        if (outermost_) {
            drill_.busy_ = false;
            for (Timer* timer : std::exchange(drill_.held_, {})) {
                timer->release();
            }
        }
    }
    Busy(const Busy&) = delete;
    Busy& operator=(const Busy&) = delete;

private:
    Drill& drill_;
    bool outermost_;
};

void Drill::tick(void (Drill::*handler)(), Timer& timer) {
    if (busy_) {
        timer.hold();
        held_.push_back(&timer);
        return;
    }
    (this->*handler)();
}

DrillPhase Drill::phase() const {
    if (!state_.running) {
        return state_.freshStart ? DrillPhase::Ready : DrillPhase::Stopped;
    }
    if (pause_->isEnabled() && !questionClock_->isEnabled()) {
        return DrillPhase::FeedbackPause;
    }
    return state_.skipCheck ? DrillPhase::PauseEnd : DrillPhase::QuestionTime;
}

void Drill::Form_Load() {
    const Busy busy(*this);
    state_.running = false;
    state_.kindStep = 3;
    state_.keyKind = keytable::KeyKind::Both;
    questionClock_->disable();
    questionClock_->setInterval(kResumeAtOnce);
    pause_->disable();
    pause_->setInterval(kPauseMilliseconds);
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
    const Busy busy(*this);
    clearArrows();
    if (!view_.loadArrow(index)) {
        view_.reportMissingFile("arrow.gif");
    }
}

void Drill::IntScroll_Change(int value) {
    const Busy busy(*this);
    if (!state_.running) {
        view_.setCaption(Caption::Seconds, counter::textOf(10 - value));
    }
}

void Drill::questscroll_Change(int value) {
    const Busy busy(*this);
    if (!state_.running) {
        view_.setCaption(Caption::Questions, counter::textOf(26 - value));
    }
}

void Drill::lselect_Click() {
    const Busy busy(*this);
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
    const Busy busy(*this);
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
    questionClock_->setInterval(state_.skipCheck ? kResumeAtOnce : questionTime());
    questionClock_->enable();
    view_.commandActed(QuizCommand::Go);
}

void Drill::lstop_Click() {
    const Busy busy(*this);
    const bool halts = state_.running;
    if (phase() == DrillPhase::FeedbackPause) {
        finishPause();
    }
    questionClock_->disable();
    pause_->disable();
    state_.running = false;
    view_.setScrollBarsEnabled(true);
    if (halts) {
        view_.commandActed(QuizCommand::Stop);
    }
}

void Drill::lrestart_Click() {
    const Busy busy(*this);
    const bool graded = questionAlreadyGraded();
    state_.freshStart = true;
    resetCounters();
    if (graded) {
        replaceGradedQuestion();
    }
    view_.commandActed(QuizCommand::Restart);
}

// In a running quiz, the question on show has already been counted during the pause and at
// its end until the clock has moved on; so has the last question once it is counted off.
bool Drill::questionAlreadyGraded() const {
    switch (phase()) {
        case DrillPhase::FeedbackPause:
        case DrillPhase::PauseEnd:
            return true;
        case DrillPhase::QuestionTime:
            return counter::valueOf(view_.caption(Caption::QuestionsLeft)) <= 0;
        case DrillPhase::Ready:
        case DrillPhase::Stopped:
            break;
    }
    return false;
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
    pause_->disable();
    whitenAnswers();
    state_.skipCheck = false;
    state_.advance = true;
    showNextQuestion();
    questionClock_->setInterval(questionTime());
    questionClock_->enable();
}

void Drill::Timer1_Timer() {
    const Busy busy(*this);
    pause_->disable();
    if (counter::valueOf(view_.caption(Caption::QuestionsLeft)) <= 0) {
        state_.freshStart = true;
        lstop_Click();
        view_.quizEnded();
        return;
    }
    if (!state_.skipCheck && !engine_.CheckAnswer()) {
        pause_->enable();
    }
    state_.skipCheck = false;
    if (!state_.advance) {
        questionClock_->disable();
        return;
    }
    const auto left = counter::stepped(view_.caption(Caption::QuestionsLeft), -1);
    view_.setCaption(Caption::QuestionsLeft, left);
    // The last question counted off is not followed by one that would never be graded.
    if (counter::valueOf(left) > 0) {
        showNextQuestion();
    }
    questionClock_->setInterval(questionTime());
}

void Drill::Timer2_Timer() {
    const Busy busy(*this);
    finishPause();
    questionClock_->setInterval(kResumeAtOnce);
    questionClock_->enable();
}
