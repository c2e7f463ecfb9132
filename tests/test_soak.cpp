// A long drill in simulated time: random clicks, Go, Stop, Restart, selector presses, setting
// changes and pictures coming and going, at random moments (inside pauses and on the very
// millisecond a tick falls due too), with the drill's rules checked after every event and
// every tick.
#include <QtTest>
#include <deque>
#include <random>
#include <set>
#include <sstream>

#include "counter.h"
#include "drillrig.h"

namespace {

constexpr int kQuestionsToGrade = 10'000;
// Ten times the steps a run takes, so that a drill that stands still fails instead of running
// on.
constexpr long kMostSteps = 1'000'000;

// Digits only, and no leading zero: "0", "7", "25".
bool plainNumber(const std::string& text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos &&
           (text == "0" || text[0] != '0');
}

class Soak {
public:
    explicit Soak(unsigned seed) : rig_(seed), chance_(seed) {
        clock_.aroundTick = [this](SimClock::SimTimer& timer) { tick(timer.name(), timer.onTick); };
    }

    // Runs until enough questions are graded or a rule is broken; returns what broke it.
    std::string run() {
        for (long step = 0;
             rig_.events.gradedQuestions.size() < kQuestionsToGrade && broken_.empty(); ++step) {
            if (step == kMostSteps) {
                return "only " + std::to_string(rig_.events.gradedQuestions.size()) +
                       " questions graded in " + std::to_string(kMostSteps) + " steps";
            }
            advanceClock();
            if (broken_.empty()) {
                act();
            }
        }
        return broken_;
    }

    size_t graded() const { return rig_.events.gradedQuestions.size(); }
    int quizzesEnded() const { return quizzesEnded_; }
    int events() const { return events_; }

private:
    double number(Caption which) const { return counter::valueOf(window_.caption(which)); }
    double counted() const { return number(Caption::Right) + number(Caption::Wrong); }
    int randomInt(int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(chance_);
    }

    void note(const std::string& what) {
        std::ostringstream line;
        line << "t=" << clock_.now() << " " << what << " -> left "
             << window_.caption(Caption::QuestionsLeft) << ", right "
             << window_.caption(Caption::Right) << ", wrong " << window_.caption(Caption::Wrong)
             << (drill_.state().running ? ", running" : "");
        log_.push_back(line.str());
        if (log_.size() > 30) {
            log_.pop_front();
        }
    }

    // Steps the clock by a random amount: none, a little, a lot, or onto a tick's due time.
    void advanceClock() {
        const int how = randomInt(0, 9);
        if (how <= 1) {
            return;
        }
        SimClock::SimTimer& timer = randomInt(0, 1) ? timer1_ : timer2_;
        if (how <= 3 && timer.isEnabled()) {
            clock_.runUntil(timer.due() - randomInt(0, 1));
        } else if (how <= 6) {
            clock_.runFor(randomInt(1, 600));
        } else {
            clock_.runFor(randomInt(600, 4000));
        }
    }

    void act() {
        const int what = randomInt(0, 99);
        const bool running = drill_.state().running;
        if (what < 45) {
            const int pos = randomInt(1, 4);
            drill_.choose(pos);
            note("click " + std::to_string(pos));
        } else if (what < 60) {
            // A fresh Go resets the counters to the questions shown at that moment.
            const bool fresh = !running && drill_.state().freshStart;
            const double questions = number(Caption::Questions);
            const int shownBefore = window_.questionsShown();
            drill_.go();
            if (fresh) {
                startQuiz(questions, shownBefore);
            }
            note("Go");
        } else if (what < 68) {
            drill_.stop();
            note("Stop");
        } else if (what < 74) {
            const double questions = number(Caption::Questions);
            const int shownBefore = window_.questionsShown();
            drill_.restart();
            // A running drill goes on with the question now on show as its first.
            startQuiz(questions, running ? window_.questionsShown() - 1 : shownBefore);
            note("Restart");
        } else if (what < 80) {
            drill_.selectKind();
            note("Select");
        } else if (what < 86) {
            const int seconds = randomInt(0, 10);
            drill_.setSeconds(seconds);
            note("seconds " + std::to_string(seconds));
        } else if (what < 94) {
            // Short quizzes mostly, so that many end on their own.
            const int questions = randomInt(0, 3) ? randomInt(1, 8) : randomInt(1, 25);
            drill_.setQuestions(questions);
            note("questions " + std::to_string(questions));
        } else {
            const int key = randomInt(1, 15);
            const std::string file = key == 15 ? "arrow.gif" : std::to_string(key) + ".gif";
            if (!window_.missing.erase(file)) {
                window_.missing.insert(file);
            }
            note("toggle " + file);
        }
        ++events_;
        check();
    }

    void startQuiz(double questions, int shownBefore) {
        quizQuestions_ = questions;
        firstQuestionOfQuiz_ = shownBefore + 1;
    }

    // Runs a tick, checking the question it graded, if any, and whether it ended the quiz.
    void tick(const std::string& name, const std::function<void()>& handler) {
        const bool wasRunning = drill_.state().running;
        handler();
        const double after = counted();
        if (rig_.events.gradedTwice) {
            fail(name + " graded a question a second time");
        }
        if (wasRunning && !drill_.state().running) {
            ++quizzesEnded_;
            if (after != quizQuestions_) {
                fail("a quiz of " + counter::textOf(quizQuestions_) + " questions ended with " +
                     counter::textOf(after) + " graded");
            }
        }
        note(name);
        check();
    }

    // The rules that hold after every event and every tick.
    void check() {
        for (Caption which : {Caption::QuestionsLeft, Caption::Right, Caption::Wrong}) {
            const std::string& text = window_.caption(which);
            if (!plainNumber(text) && text != "00") {
                fail("a counter reads '" + text + "'");
            }
        }
        const auto& state = drill_.state();
        if (state.running && !timer1_.isEnabled() && !timer2_.isEnabled()) {
            fail("the drill stands still with running set");
        }
        if (quizQuestions_ > 0) {
            const double asked = window_.questionsShown() - firstQuestionOfQuiz_ + 1;
            if (counted() > asked) {
                fail("more questions graded than asked");
            }
            const double total = counted() + number(Caption::QuestionsLeft);
            if (total != quizQuestions_ && total != quizQuestions_ + 1) {
                fail("right + wrong + left is " + counter::textOf(total) + " in a quiz of " +
                     counter::textOf(quizQuestions_));
            }
        }
        if (window_.questionsShown() > 0) {
            const auto& c = window_.choices;
            if (std::set<std::string>{c[1], c[2], c[3], c[4]}.size() != 4) {
                fail("two answers show the same name: " + c[1] + ", " + c[2] + ", " + c[3] + ", " +
                     c[4]);
            }
        }
    }

    void fail(const std::string& what) {
        if (!broken_.empty()) {
            return;
        }
        std::ostringstream message;
        message << what << " after " << events_ << " events; the last steps:\n";
        for (const auto& line : log_) {
            message << "  " << line << "\n";
        }
        broken_ = message.str();
    }

    DrillRig rig_;
    SimClock& clock_ = rig_.clock;
    FakeWindow& window_ = rig_.window;
    Drill& drill_ = rig_.drill;
    SimClock::SimTimer& timer1_ = rig_.timer1;
    SimClock::SimTimer& timer2_ = rig_.timer2;
    std::mt19937 chance_;

    double quizQuestions_ = 0;
    int firstQuestionOfQuiz_ = 0;
    int quizzesEnded_ = 0;
    int events_ = 0;
    std::deque<std::string> log_;
    std::string broken_;
};

}  // namespace

class SoakTest : public QObject {
    Q_OBJECT
private slots:
    void tenThousandQuestionsKeepEveryRule_data();
    void tenThousandQuestionsKeepEveryRule();
};

void SoakTest::tenThousandQuestionsKeepEveryRule_data() {
    QTest::addColumn<unsigned>("seed");
    for (unsigned seed : {1u, 2u, 3u}) {
        QTest::addRow("seed %u", seed) << seed;
    }
}

void SoakTest::tenThousandQuestionsKeepEveryRule() {
    QFETCH(unsigned, seed);
    Soak soak(seed);
    const std::string broken = soak.run();
    if (!broken.empty()) {
        qWarning("%s", broken.c_str());  // a failure message would be cut short
    }
    QVERIFY(broken.empty());
    QCOMPARE(soak.graded(), size_t{kQuestionsToGrade});
    // The run took in quizzes that ended on their own, not only ones cut short.
    QVERIFY(soak.quizzesEnded() > 100);
    qInfo("%zu questions graded, %d quizzes ended, %d events", soak.graded(), soak.quizzesEnded(),
          soak.events());
}

QTEST_GUILESS_MAIN(SoakTest)
#include "test_soak.moc"
