#include "drill.h"

#include <utility>

#include "counter.h"

namespace {

constexpr int kPauseMilliseconds = 2000;
constexpr int kResumeAtOnce = 1;

}  // namespace

Drill::Drill(DrillView& view, DrillEvents& events, TimerFactory& timers, RandomSource& random)
    : view_(view),
      events_(events),
      engine_(state_, view, random),
      questionClock_(
          timers.makeTimer("Timer1", [this] { tick(&Drill::onQuestionClock, *questionClock_); })),
      pause_(timers.makeTimer("Timer2", [this] { tick(&Drill::onPauseEnd, *pause_); })) {
    questionClock_->setInterval(kResumeAtOnce);
    pause_->setInterval(kPauseMilliseconds);
}

// One command or tick. When the outermost one ends, the listener hears that the turn is over
// and the timers held meanwhile go on.
class Drill::Turn {
public:
    explicit Turn(Drill& drill) : drill_(drill), outermost_(!std::exchange(drill.busy_, true)) {}
    ~Turn() {
        if (outermost_) {
            drill_.busy_ = false;
            for (Timer* timer : std::exchange(drill_.held_, {})) {
                timer->release();
            }
            drill_.events_.turnEnded();
        }
    }
    Turn(const Turn&) = delete;
    Turn& operator=(const Turn&) = delete;

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

// The one place where the timers are armed and stopped. The flags of the quiz state follow
// the phase; a halt leaves advance and skipCheck as they were, so that Go resumes where the
// quiz stood.
void Drill::setPhase(DrillPhase phase) {
    phase_ = phase;
    state_.running = phase != DrillPhase::Halted;
    switch (phase) {
        case DrillPhase::Halted:
            questionClock_->disable();
            pause_->disable();
            break;
        case DrillPhase::QuestionTime:
            state_.advance = true;
            state_.skipCheck = false;
            pause_->disable();
            questionClock_->setInterval(questionTime());
            questionClock_->enable();
            break;
        case DrillPhase::FeedbackPause:
            state_.advance = false;
            state_.skipCheck = false;
            questionClock_->disable();
            pause_->enable();
            break;
        case DrillPhase::PauseEnd:
            // The pause's timer is stopped by the tick that follows at once.
            state_.advance = true;
            state_.skipCheck = true;
            questionClock_->setInterval(kResumeAtOnce);
            questionClock_->enable();
            break;
    }
}

void Drill::halt() {
    setPhase(DrillPhase::Halted);
    view_.setScrollBarsEnabled(true);
}

// The seconds shown plus half a second: "5" gives 5500 ms.
int Drill::questionTime() const {
    return static_cast<int>(counter::valueOf(view_.caption(Caption::Seconds) + "500"));
}

Counters Drill::counters() const {
    const auto number = [this](Caption which) {
        return static_cast<int>(counter::valueOf(view_.caption(which)));
    };
    return {number(Caption::QuestionsLeft), number(Caption::Right), number(Caption::Wrong)};
}

void Drill::clearArrows() {
    for (int pos = 1; pos <= 4; ++pos) {
        view_.clearArrow(pos);
    }
}

// A new question never inherits an arrow, so an unanswered question is always wrong.
void Drill::showNextQuestion() {
    clearArrows();
    events_.questionShown(engine_.prepareQuestion());
}

void Drill::endPause() {
    for (int pos = 1; pos <= 4; ++pos) {
        view_.setChoiceColour(pos, kWhite);
    }
    events_.pauseEnded();
}

void Drill::resetCounters() {
    view_.setCaption(Caption::QuestionsLeft, view_.caption(Caption::Questions));
    view_.setCaption(Caption::Wrong, "0");
    view_.setCaption(Caption::Right, "0");
    events_.quizStarted({state_.clef, state_.mode, counters().left});
    events_.countersShown(counters());
}

void Drill::choose(int pos) {
    const Turn turn(*this);
    clearArrows();
    if (view_.loadArrow(pos)) {
        events_.answerChosen(pos);
    } else {
        events_.answerChosen(0);
        view_.reportMissingFile("arrow.gif");
    }
}

void Drill::setSeconds(int seconds) {
    const Turn turn(*this);
    if (!state_.running) {
        view_.setCaption(Caption::Seconds, counter::textOf(seconds));
    }
}

void Drill::setQuestions(int questions) {
    const Turn turn(*this);
    if (!state_.running) {
        view_.setCaption(Caption::Questions, counter::textOf(questions));
    }
}

void Drill::selectKind() {
    const Turn turn(*this);
    if (state_.running) {
        return;
    }
    if (state_.kindStep == 4) {
        state_.kindStep = 1;
    }
    state_.keyKind = static_cast<keytable::KeyKind>(state_.kindStep);
    view_.showIndicators(state_.keyKind != keytable::KeyKind::Flats,
                         state_.keyKind != keytable::KeyKind::Sharps);
    ++state_.kindStep;
    events_.keyKindShown(state_.keyKind);
}

void Drill::restoreKind(keytable::KeyKind kind) {
    // The selector applies kindStep: one step before the kind wanted, it applies that kind.
    state_.kindStep = static_cast<int>(kind);
    selectKind();
}

DrillSettings Drill::settings() const {
    const auto number = [this](Caption which) {
        return static_cast<int>(counter::valueOf(view_.caption(which)));
    };
    return {number(Caption::Seconds), number(Caption::Questions), state_.keyKind, state_.clef,
            state_.mode};
}

void Drill::setClef(Clef clef) {
    const Turn turn(*this);
    if (state_.running || clef == state_.clef) {
        return;
    }
    state_.clef = clef;
    state_.freshStart = true;
    view_.showRestPicture(clef);
}

void Drill::setMode(KeyMode mode) {
    const Turn turn(*this);
    if (state_.running || mode == state_.mode) {
        return;
    }
    state_.mode = mode;
    state_.freshStart = true;
}

void Drill::go() {
    const Turn turn(*this);
    if (state_.running) {
        return;
    }
    view_.setScrollBarsEnabled(false);
    if (state_.freshStart) {
        resetCounters();
        showNextQuestion();
        state_.freshStart = false;
        setPhase(DrillPhase::QuestionTime);
    } else {
        // After a pause cut short by Stop, the graded question moves on at once.
        setPhase(state_.skipCheck ? DrillPhase::PauseEnd : DrillPhase::QuestionTime);
    }
    events_.commandActed(DrillCommand::Go);
}

// Stop during the pause ends the pause first, so that the resumed quiz moves on from the
// graded question instead of grading it again.
void Drill::stop() {
    const Turn turn(*this);
    const bool halts = state_.running;
    if (phase_ == DrillPhase::FeedbackPause) {
        endPause();
        setPhase(DrillPhase::PauseEnd);
    }
    halt();
    if (halts) {
        events_.commandActed(DrillCommand::Stop);
    }
}

void Drill::restart() {
    const Turn turn(*this);
    const bool graded = questionAlreadyGraded();
    state_.freshStart = true;
    resetCounters();
    if (graded) {
        replaceGradedQuestion();
    }
    events_.commandActed(DrillCommand::Restart);
}

// In a running quiz, the question on show has already been counted during the pause and at
// its end until the clock has moved on; so has the last question once it is counted off.
bool Drill::questionAlreadyGraded() const {
    switch (phase_) {
        case DrillPhase::FeedbackPause:
        case DrillPhase::PauseEnd:
            return true;
        case DrillPhase::QuestionTime:
            return counter::valueOf(view_.caption(Caption::QuestionsLeft)) <= 0;
        case DrillPhase::Halted:
            break;
    }
    return false;
}

// A restarted quiz asks exactly the number of questions it shows, so the graded question on
// show makes way for a fresh one with a full interval.
void Drill::replaceGradedQuestion() {
    if (phase_ == DrillPhase::FeedbackPause) {
        endPause();
    }
    showNextQuestion();
    setPhase(DrillPhase::QuestionTime);
}

void Drill::grade() {
    const bool right = engine_.CheckAnswer();
    const int seconds = static_cast<int>(counter::valueOf(view_.caption(Caption::Seconds)));
    events_.graded({right, state_.rightPos, counters(), seconds});
    if (!right) {
        setPhase(DrillPhase::FeedbackPause);
    }
}

void Drill::countOff() {
    const auto left = counter::stepped(view_.caption(Caption::QuestionsLeft), -1);
    view_.setCaption(Caption::QuestionsLeft, left);
    events_.countersShown(counters());
    // The last question counted off is not followed by one that would never be graded.
    if (counter::valueOf(left) > 0) {
        showNextQuestion();
    }
    setPhase(DrillPhase::QuestionTime);
}

void Drill::onQuestionClock() {
    const Turn turn(*this);
    if (counter::valueOf(view_.caption(Caption::QuestionsLeft)) <= 0) {
        state_.freshStart = true;
        halt();
        events_.quizEnded(counters());
        return;
    }
    if (!state_.skipCheck) {
        grade();
    }
    if (phase_ != DrillPhase::FeedbackPause) {
        countOff();
    }
}

void Drill::onPauseEnd() {
    const Turn turn(*this);
    endPause();
    setPhase(DrillPhase::PauseEnd);
}
