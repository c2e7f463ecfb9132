// The drill's commands and clock in simulated time: whole quizzes run tick by tick.
#include <QtTest>
#include <set>

#include "counter.h"
#include "drillrig.h"

namespace {

struct Rig : DrillRig {
    std::set<int> gradedQuestions;
    bool gradedTwice = false;

    Rig() {
        clock.aroundTick = [this](SimClock::SimTimer& timer) { checkedTick(timer); };
    }

    // Runs a tick and notes which question it graded, if any.
    void checkedTick(SimClock::SimTimer& timer) {
        const int question = window.questionsShown();
        const double before = number(Caption::Right) + number(Caption::Wrong);
        timer.onTick();
        if (number(Caption::Right) + number(Caption::Wrong) > before) {
            gradedTwice |= !gradedQuestions.insert(question).second;
        }
    }

    double number(Caption which) const { return counter::valueOf(window.caption(which)); }
    std::string text(Caption which) const { return window.caption(which); }
    const QuizState& state() const { return drill.state(); }

    void setSeconds(int seconds) { drill.IntScroll_Change(10 - seconds); }
    void setQuestions(int questions) { drill.questscroll_Change(26 - questions); }
    void answerRight() { drill.choice_Click(state().rightPos); }
    void answerWrong() { drill.choice_Click(state().rightPos % 4 + 1); }
    bool readyState() const { return !state().running && state().freshStart; }
    bool stoppedState() const { return !state().running && !state().freshStart; }
    bool runningState() const { return state().running; }
    void runToEndOfQuiz() {
        for (int i = 0; i < 10000 && state().running; ++i) {
            clock.runFor(100);
        }
        QVERIFY2(!state().running, "the quiz still runs after 1000 simulated seconds");
    }
};

#define COUNTERS(rig, left, right, wrong)                                \
    do {                                                                 \
        QCOMPARE((rig).text(Caption::QuestionsLeft), std::string(left)); \
        QCOMPARE((rig).text(Caption::Right), std::string(right));        \
        QCOMPARE((rig).text(Caption::Wrong), std::string(wrong));        \
    } while (false)

}  // namespace

class DrillTest : public QObject {
    Q_OBJECT
private slots:
    void startsReadyWithBothTimersStopped();
    void workedTimelineTickForTick();
    void eventsInTheReadyState();
    void eventsInTheRunningState();
    void eventsInTheStoppedState();
    void selectorCyclesBothFlatsSharpsBoth();
    void settingsReachTheirExtremes_data();
    void settingsReachTheirExtremes();
    void goStopGoKeepsTheQuestionAndCounters();
    void aRightAnswerMovesOnWithoutAPause();
    void theTickThatEndsAPauseNeverGrades();
    void restartWhileRunningCountsIntoFreshCounters();
    void everyQuizGradesExactlyItsQuestions_data();
    void everyQuizGradesExactlyItsQuestions();
    void stopDuringThePauseNeverGradesTheQuestionTwiceOrStalls();
    void stopAtThePauseEndNeverGradesTheQuestionTwice();
    void restartDuringThePauseAsksExactlyTheQuestionsShown();
    void anUnansweredQuestionIsAlwaysWrong();
    void aMissingKeyPictureStillAsksThatKeyByName();
    void theLastQuestionCountedOffIsNotFollowedByAnother();
    void aMissingArrowIsReportedAndLeavesNoAnswer();
    void aTickDueWhileABoxIsOpenIsDroppedAndItsTimerHeld();
    void theClocksOwnTickIsNotRepeatedAfterItsBox();
    void aOneMillisecondTickUnderABoxWakesOnce();
    void thePhaseFollowsTheQuiz();
    void restartAfterTheLastQuestionIsCountedOffGradesNoQuestionTwice();
};

void DrillTest::startsReadyWithBothTimersStopped() {
    Rig rig;
    QVERIFY(rig.readyState());
    QVERIFY(!rig.timer1.isEnabled());
    QVERIFY(!rig.timer2.isEnabled());
    QCOMPARE(rig.timer1.interval(), 1);
    QCOMPARE(rig.timer2.interval(), 2000);
    rig.clock.runFor(60'000);
    QVERIFY(rig.clock.ticks.empty());
}

void DrillTest::workedTimelineTickForTick() {
    Rig rig;
    rig.setSeconds(5);
    rig.setQuestions(2);
    rig.drill.lgo_Click();
    COUNTERS(rig, "2", "0", "0");
    QCOMPARE(rig.timer1.interval(), 5500);

    rig.clock.runUntil(2000);
    rig.answerRight();
    rig.clock.runUntil(5500);
    COUNTERS(rig, "1", "1", "0");
    QCOMPARE(rig.window.arrowCount(), 0);

    rig.clock.runUntil(11000);
    COUNTERS(rig, "1", "1", "1");
    QCOMPARE(rig.window.colours[static_cast<size_t>(rig.state().rightPos)], kRed);
    QVERIFY(!rig.timer1.isEnabled());
    QVERIFY(rig.timer2.isEnabled());

    rig.clock.runUntil(13000);
    QVERIFY(!rig.window.anyRed());
    QVERIFY(rig.state().skipCheck);
    QCOMPARE(rig.timer1.interval(), 1);

    rig.clock.runUntil(13001);
    COUNTERS(rig, "0", "1", "1");
    QVERIFY(!rig.timer2.isEnabled());

    rig.clock.runUntil(18501);
    COUNTERS(rig, "0", "1", "1");
    QVERIFY(rig.readyState());
    QVERIFY(!rig.timer1.isEnabled());
    QVERIFY(rig.window.scrollBarsEnabled);

    const std::vector<std::pair<std::int64_t, std::string>> expected = {{5500, "Timer1"},
                                                                        {11000, "Timer1"},
                                                                        {13000, "Timer2"},
                                                                        {13001, "Timer1"},
                                                                        {18501, "Timer1"}};
    QCOMPARE(rig.clock.ticks.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        QCOMPARE(rig.clock.ticks[i].time, expected[i].first);
        QCOMPARE(rig.clock.ticks[i].timer, expected[i].second);
    }
}

void DrillTest::eventsInTheReadyState() {
    Rig rig;
    rig.drill.lstop_Click();
    QVERIFY(rig.readyState());
    COUNTERS(rig, "0", "00", "00");

    rig.setQuestions(7);
    QCOMPARE(rig.text(Caption::Questions), std::string("7"));
    rig.drill.lrestart_Click();
    COUNTERS(rig, "7", "0", "0");
    QVERIFY(rig.readyState());
    QVERIFY(!rig.timer1.isEnabled());

    rig.drill.lselect_Click();
    rig.drill.lselect_Click();
    QVERIFY(!rig.window.sharpsLit);

    rig.drill.choice_Click(2);
    QVERIFY(rig.window.arrows[2]);

    rig.drill.lgo_Click();
    QVERIFY(rig.runningState());
    QVERIFY(!rig.window.scrollBarsEnabled);
    QCOMPARE(rig.window.questionsShown(), 1);
    QVERIFY(rig.state().keyNum >= 8);
    QCOMPARE(rig.timer1.interval(), 5500);
}

void DrillTest::eventsInTheRunningState() {
    Rig rig;
    rig.drill.lgo_Click();
    const auto question = rig.window.choices;

    rig.drill.lgo_Click();
    rig.setSeconds(1);
    rig.setQuestions(3);
    rig.drill.lselect_Click();
    rig.drill.lselect_Click();
    QCOMPARE(rig.text(Caption::Seconds), std::string("5"));
    QCOMPARE(rig.text(Caption::Questions), std::string("16"));
    QCOMPARE(rig.state().keyKind, keytable::KeyKind::Both);
    QVERIFY(rig.window.sharpsLit && rig.window.flatsLit);
    QCOMPARE(rig.window.choices, question);
    QCOMPARE(rig.window.questionsShown(), 1);

    rig.drill.choice_Click(1);
    rig.drill.choice_Click(4);
    QCOMPARE(rig.window.arrowCount(), 1);
    QVERIFY(rig.window.arrows[4]);

    rig.drill.lstop_Click();
    QVERIFY(rig.stoppedState());
    QVERIFY(!rig.timer1.isEnabled() && !rig.timer2.isEnabled());
    QVERIFY(rig.window.scrollBarsEnabled);
}

void DrillTest::eventsInTheStoppedState() {
    Rig rig;
    rig.setQuestions(5);
    rig.drill.lgo_Click();
    rig.clock.runFor(5500);  // one question graded wrong, the pause runs
    rig.clock.runFor(2001);  // and ends
    rig.drill.lstop_Click();
    COUNTERS(rig, "4", "0", "1");

    rig.drill.lstop_Click();
    QVERIFY(rig.stoppedState());
    rig.setSeconds(0);
    rig.setQuestions(9);
    QCOMPARE(rig.text(Caption::Seconds), std::string("0"));
    rig.drill.lselect_Click();
    QCOMPARE(rig.state().keyKind, keytable::KeyKind::Both);
    rig.drill.lselect_Click();
    QCOMPARE(rig.state().keyKind, keytable::KeyKind::Flats);
    COUNTERS(rig, "4", "0", "1");

    // Go resumes: the questions left stay as they were, the new time applies.
    rig.drill.lgo_Click();
    QVERIFY(rig.runningState());
    QCOMPARE(rig.timer1.interval(), 500);
    COUNTERS(rig, "4", "0", "1");
    rig.drill.lstop_Click();

    rig.drill.lrestart_Click();
    QVERIFY(rig.readyState());
    COUNTERS(rig, "9", "0", "0");
}

void DrillTest::selectorCyclesBothFlatsSharpsBoth() {
    Rig rig;
    using keytable::KeyKind;
    const std::vector<std::tuple<KeyKind, bool, bool>> expected = {
        {KeyKind::Both, true, true}, {KeyKind::Flats, false, true}, {KeyKind::Sharps, true, false},
        {KeyKind::Both, true, true}, {KeyKind::Flats, false, true}, {KeyKind::Sharps, true, false}};
    for (const auto& [kind, sharps, flats] : expected) {
        rig.drill.lselect_Click();
        QCOMPARE(rig.state().keyKind, kind);
        QCOMPARE(rig.window.sharpsLit, sharps);
        QCOMPARE(rig.window.flatsLit, flats);
    }
}

void DrillTest::settingsReachTheirExtremes_data() {
    QTest::addColumn<int>("intScroll");
    QTest::addColumn<int>("questScroll");
    QTest::addColumn<QString>("seconds");
    QTest::addColumn<QString>("questions");
    QTest::addColumn<int>("interval");
    QTest::newRow("tops") << 0 << 1 << "10"
                          << "25" << 10500;
    QTest::newRow("bottoms") << 10 << 25 << "0"
                             << "1" << 500;
    QTest::newRow("start-up values") << 5 << 10 << "5"
                                     << "16" << 5500;
}

void DrillTest::settingsReachTheirExtremes() {
    QFETCH(int, intScroll);
    QFETCH(int, questScroll);
    QFETCH(QString, seconds);
    QFETCH(QString, questions);
    QFETCH(int, interval);
    Rig rig;
    rig.drill.IntScroll_Change(intScroll);
    rig.drill.questscroll_Change(questScroll);
    QCOMPARE(rig.text(Caption::Seconds), seconds.toStdString());
    QCOMPARE(rig.text(Caption::Questions), questions.toStdString());
    rig.drill.lgo_Click();
    QCOMPARE(rig.timer1.interval(), interval);
    QCOMPARE(rig.text(Caption::QuestionsLeft), questions.toStdString());
    rig.runToEndOfQuiz();
    QCOMPARE(rig.number(Caption::Right) + rig.number(Caption::Wrong), questions.toDouble());
}

void DrillTest::goStopGoKeepsTheQuestionAndCounters() {
    Rig rig;
    rig.drill.lgo_Click();
    rig.answerRight();
    rig.clock.runFor(5500);
    const auto question = rig.window.choices;
    const int shown = rig.window.questionsShown();
    rig.clock.runFor(3000);
    rig.drill.lstop_Click();
    rig.clock.runFor(60'000);
    rig.drill.lgo_Click();
    QCOMPARE(rig.window.choices, question);
    QCOMPARE(rig.window.questionsShown(), shown);
    COUNTERS(rig, "15", "1", "0");
    // The question on show gets a full interval again from the moment of Go.
    rig.clock.runFor(5499);
    COUNTERS(rig, "15", "1", "0");
    rig.clock.runFor(1);
    COUNTERS(rig, "15", "1", "1");
}

void DrillTest::aRightAnswerMovesOnWithoutAPause() {
    Rig rig;
    rig.setSeconds(0);
    rig.drill.lgo_Click();
    for (int i = 1; i <= 5; ++i) {
        rig.answerRight();
        rig.clock.runFor(500);
        QCOMPARE(rig.number(Caption::Right), double(i));
        QCOMPARE(rig.window.questionsShown(), i + 1);
        QVERIFY(!rig.timer2.isEnabled());
    }
}

void DrillTest::theTickThatEndsAPauseNeverGrades() {
    Rig rig;
    rig.drill.lgo_Click();
    rig.clock.runFor(5500);
    COUNTERS(rig, "16", "0", "1");
    rig.answerRight();  // during the pause
    rig.clock.runFor(2001);
    COUNTERS(rig, "15", "0", "1");
    QVERIFY(!rig.gradedTwice);
}

void DrillTest::restartWhileRunningCountsIntoFreshCounters() {
    Rig rig;
    rig.drill.lgo_Click();
    rig.answerRight();
    rig.clock.runFor(5500);
    rig.clock.runFor(1000);
    rig.drill.lrestart_Click();
    COUNTERS(rig, "16", "0", "0");
    QVERIFY(rig.timer1.isEnabled());
    rig.answerRight();
    rig.clock.runFor(4500);
    COUNTERS(rig, "15", "1", "0");
    rig.drill.lstop_Click();
    QVERIFY(rig.readyState());
}

void DrillTest::everyQuizGradesExactlyItsQuestions_data() {
    QTest::addColumn<int>("seconds");
    QTest::addColumn<int>("questions");
    QTest::addColumn<int>("seed");
    for (int seed = 1; seed <= 24; ++seed) {
        const int seconds = seed % 11;
        const int questions = seed;
        QTest::addRow("%ds x %d", seconds, questions) << seconds << questions << seed;
    }
}

void DrillTest::everyQuizGradesExactlyItsQuestions() {
    QFETCH(int, seconds);
    QFETCH(int, questions);
    QFETCH(int, seed);
    Rig rig;
    std::mt19937 chance(static_cast<unsigned>(seed));
    rig.setSeconds(seconds);
    rig.setQuestions(questions);
    rig.drill.lgo_Click();
    for (int step = 0; rig.state().running; ++step) {
        QVERIFY2(step < 10000, "the quiz still runs after 10000 steps");
        switch (chance() % 3) {
            case 0:
                rig.answerRight();
                break;
            case 1:
                rig.answerWrong();
                break;
            default:
                break;
        }
        rig.clock.runFor(static_cast<int>(chance() % 3000));
    }
    QCOMPARE(rig.number(Caption::Right) + rig.number(Caption::Wrong), double(questions));
    QCOMPARE(rig.text(Caption::QuestionsLeft), std::string("0"));
    QVERIFY(!rig.gradedTwice);
    QVERIFY(rig.readyState());
}

// Stop during the pause ends the pause: the answers turn white, and the resumed quiz moves
// on to the next question without grading the one on show again.
void DrillTest::stopDuringThePauseNeverGradesTheQuestionTwiceOrStalls() {
    Rig rig;
    rig.setQuestions(3);
    rig.drill.lgo_Click();
    rig.clock.runFor(5500);
    QVERIFY(rig.timer2.isEnabled());
    rig.clock.runFor(500);
    rig.drill.lstop_Click();
    QVERIFY(!rig.window.anyRed());
    const int shown = rig.window.questionsShown();

    rig.drill.lgo_Click();
    rig.clock.runFor(1);
    COUNTERS(rig, "2", "0", "1");
    QCOMPARE(rig.window.questionsShown(), shown + 1);

    // Right answers keep the drill moving: it never stands with running set.
    rig.answerRight();
    rig.clock.runFor(5500);
    COUNTERS(rig, "1", "1", "1");
    QVERIFY(rig.timer1.isEnabled());
    rig.answerRight();
    rig.clock.runFor(5500);
    rig.clock.runFor(5500);
    COUNTERS(rig, "0", "2", "1");
    QVERIFY(rig.readyState());
    QVERIFY(!rig.gradedTwice);
}

void DrillTest::stopAtThePauseEndNeverGradesTheQuestionTwice() {
    Rig rig;
    rig.drill.lgo_Click();
    rig.clock.runFor(7500);  // graded wrong, the pause has just ended, the 1 ms tick is due
    QVERIFY(rig.state().skipCheck);
    rig.drill.lstop_Click();
    rig.drill.lgo_Click();
    rig.clock.runFor(1);
    COUNTERS(rig, "15", "0", "1");
    QVERIFY(!rig.gradedTwice);

    // A new quiz after a pause cut short grades its first question.
    rig.clock.runFor(5500);
    rig.clock.runFor(500);
    rig.drill.lstop_Click();
    rig.drill.lrestart_Click();
    rig.drill.lgo_Click();
    rig.answerRight();
    rig.clock.runFor(5500);
    COUNTERS(rig, "15", "1", "0");
}

// Restart during the pause replaces the graded question, so the restarted quiz grades as
// many questions as it showed at the start.
void DrillTest::restartDuringThePauseAsksExactlyTheQuestionsShown() {
    Rig rig;
    rig.setQuestions(3);
    rig.drill.lgo_Click();
    rig.clock.runFor(5500);
    QVERIFY(rig.timer2.isEnabled());
    rig.drill.lrestart_Click();
    COUNTERS(rig, "3", "0", "0");
    QVERIFY(!rig.window.anyRed());
    QVERIFY(!rig.timer2.isEnabled());
    rig.runToEndOfQuiz();
    COUNTERS(rig, "0", "0", "3");
    QVERIFY(!rig.gradedTwice);
}

// An arrow left from a wrong answer, or from before the quiz, never answers a new question.
void DrillTest::anUnansweredQuestionIsAlwaysWrong() {
    for (int pos = 1; pos <= 4; ++pos) {
        Rig rig;
        rig.drill.choice_Click(pos);
        rig.drill.lgo_Click();
        QCOMPARE(rig.window.arrowCount(), 0);
        rig.clock.runFor(5500);
        COUNTERS(rig, "16", "0", "1");

        rig.drill.choice_Click(pos);  // during the pause
        rig.clock.runFor(2001);
        QCOMPARE(rig.window.arrowCount(), 0);
        rig.clock.runFor(5500);
        COUNTERS(rig, "15", "0", "2");
    }
}

void DrillTest::aMissingKeyPictureStillAsksThatKeyByName() {
    Rig rig;
    for (int key = 1; key <= 14; ++key) {
        rig.window.missing.insert(std::to_string(key) + ".gif");
    }
    rig.drill.lgo_Click();
    for (int i = 0; i < 20; ++i) {
        QCOMPARE(rig.window.picture, std::string("blank staff"));
        const auto& c = rig.window.choices;
        QCOMPARE(std::set<std::string>({c[1], c[2], c[3], c[4]}).size(), size_t{4});
        QCOMPARE(c[static_cast<size_t>(rig.state().rightPos)],
                 std::string(keytable::keyName(rig.state().keyNum)));
        rig.answerRight();
        rig.clock.runFor(5500);
    }
    QCOMPARE(rig.number(Caption::Right), 16.0);
    QCOMPARE(rig.window.reports.size(), size_t{16});
}

void DrillTest::theLastQuestionCountedOffIsNotFollowedByAnother() {
    Rig rig;
    rig.setQuestions(2);
    rig.drill.lgo_Click();
    rig.answerRight();
    rig.clock.runFor(5500);
    rig.answerRight();
    rig.clock.runFor(5500);
    COUNTERS(rig, "0", "2", "0");
    QCOMPARE(rig.window.questionsShown(), 2);
    rig.clock.runFor(5500);
    QVERIFY(rig.readyState());
    QCOMPARE(rig.window.questionsShown(), 2);
}

void DrillTest::aMissingArrowIsReportedAndLeavesNoAnswer() {
    Rig rig;
    rig.drill.lgo_Click();
    rig.answerRight();
    rig.window.missing.insert("arrow.gif");
    rig.drill.choice_Click(1);
    QCOMPARE(rig.window.reports, std::vector<std::string>{"arrow.gif"});
    QCOMPARE(rig.window.arrowCount(), 0);
    QVERIFY(rig.timer1.isEnabled());
    rig.clock.runFor(5500);
    COUNTERS(rig, "16", "0", "1");
}

// A click whose box stays open for 1.3 s while the clock ticks every half second.
void DrillTest::aTickDueWhileABoxIsOpenIsDroppedAndItsTimerHeld() {
    Rig rig;
    rig.setSeconds(0);
    rig.drill.lgo_Click();
    rig.clock.runFor(100);
    rig.window.missing.insert("arrow.gif");
    bool heldWhileOpen = false;
    rig.window.whileBoxOpen = [&] {
        rig.clock.runFor(1300);
        heldWhileOpen = rig.timer1.isHeld();
        COUNTERS(rig, "16", "0", "0");
    };
    rig.drill.choice_Click(1);
    QVERIFY(heldWhileOpen);
    QVERIFY(!rig.timer1.isHeld());
    QCOMPARE(rig.clock.dropped, 1);  // the tick due at 1000 ms
    rig.clock.runUntil(1499);
    COUNTERS(rig, "16", "0", "0");
    rig.clock.runUntil(1500);  // on the clock's beat, the first tick after the box
    COUNTERS(rig, "16", "0", "1");
}

// A question prepared by a tick whose picture is missing gets its full time after the box,
// rather than being graded the moment the box closes.
void DrillTest::theClocksOwnTickIsNotRepeatedAfterItsBox() {
    Rig rig;
    rig.setSeconds(0);
    rig.drill.lgo_Click();
    rig.answerRight();
    for (int key = 1; key <= 14; ++key) {
        rig.window.missing.insert(std::to_string(key) + ".gif");
    }
    rig.window.whileBoxOpen = [&] { rig.clock.runFor(1300); };
    rig.clock.runUntil(500);  // graded right; the next question's box is open until 1800
    rig.window.whileBoxOpen = nullptr;
    COUNTERS(rig, "15", "1", "0");
    rig.clock.runUntil(2299);
    COUNTERS(rig, "15", "1", "0");
    rig.clock.runUntil(2300);
    COUNTERS(rig, "15", "1", "1");
}

// Resumed after Stop cut a pause short, the clock moves on after 1 ms; a box that opens just
// then holds it instead of letting it fire and be dropped a thousand times a second.
void DrillTest::aOneMillisecondTickUnderABoxWakesOnce() {
    Rig rig;
    rig.setSeconds(0);
    rig.drill.lgo_Click();
    rig.clock.runFor(600);
    rig.drill.lstop_Click();  // during the pause
    rig.drill.lgo_Click();
    QCOMPARE(rig.timer1.interval(), 1);
    rig.window.missing.insert("arrow.gif");
    const size_t ticksBefore = rig.clock.ticks.size();
    rig.window.whileBoxOpen = [&] { rig.clock.runFor(1000); };
    rig.drill.choice_Click(2);
    QCOMPARE(rig.clock.ticks.size() - ticksBefore, size_t{1});
    COUNTERS(rig, "16", "0", "1");
    rig.clock.runFor(1);
    COUNTERS(rig, "15", "0", "1");
}

void DrillTest::thePhaseFollowsTheQuiz() {
    Rig rig;
    QCOMPARE(rig.drill.phase(), DrillPhase::Ready);
    rig.setSeconds(0);
    rig.drill.lgo_Click();
    QCOMPARE(rig.drill.phase(), DrillPhase::QuestionTime);
    rig.clock.runUntil(500);  // unanswered
    QCOMPARE(rig.drill.phase(), DrillPhase::FeedbackPause);
    rig.clock.runUntil(2500);
    QCOMPARE(rig.drill.phase(), DrillPhase::PauseEnd);
    rig.clock.runUntil(2501);
    QCOMPARE(rig.drill.phase(), DrillPhase::QuestionTime);
    rig.drill.lstop_Click();
    QCOMPARE(rig.drill.phase(), DrillPhase::Stopped);
    rig.drill.lrestart_Click();
    QCOMPARE(rig.drill.phase(), DrillPhase::Ready);
}

// The first fault the soak test found: Restart in the last question's interval, once that
// question was counted off, let the next tick grade it again as the new quiz's first.
void DrillTest::restartAfterTheLastQuestionIsCountedOffGradesNoQuestionTwice() {
    Rig rig;
    rig.setQuestions(1);
    rig.drill.lgo_Click();
    rig.answerRight();
    rig.clock.runFor(5500);
    COUNTERS(rig, "0", "1", "0");
    QVERIFY(rig.runningState());

    rig.drill.lrestart_Click();
    QCOMPARE(rig.window.questionsShown(), 2);
    rig.answerRight();
    rig.clock.runFor(5500);
    COUNTERS(rig, "0", "1", "0");
    QVERIFY(!rig.gradedTwice);
}

QTEST_GUILESS_MAIN(DrillTest)
#include "test_drill.moc"
