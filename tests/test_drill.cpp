// The drill's rules as timelines on the simulated clock: each row plays a script of commands,
// clicks and clock steps from start-up, then checks what the window and the clock show.
//
// Script words: s5 and q2 set 5 seconds and 2 questions; go, stop, restart, select; pick3
// clicks answer 3, right the correct answer, wrong another; +500 runs the clock 500 ms, @500 to
// 500 ms after start-up; end runs it until the quiz is over; -arrow and -keys take away the arrow
// or every key picture; box1300 keeps the next message box open for 1300 ms of clock; treble,
// bass, alto, tenor choose a clef, major and minor the keys named.
//
// Expectations are name=value words, each checked: left, right, wrong, seconds, questions (the
// captions); state (Ready, Running, Stopped); phase; T1 (off or its interval); T2 (off, on);
// arrow (none or its position); red (the correct answer in red: yes, no); shown (questions
// shown); kind and lamps (flats, sharps, both); keys (flats, sharps: the key on show is one);
// bars (on, off); reports (the files reported missing) and reported (how many); ticks (how many
// reached the drill); clef and mode (as chosen); picture (the clef of the picture on show, or
// "rest" and its clef for a staff without a signature).
#include <QtTest>
#include <map>
#include <optional>
#include <set>
#include <sstream>

#include "counter.h"
#include "drillrig.h"

namespace {

std::vector<std::string> words(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> all;
    for (std::string word; in >> word;) {
        all.push_back(word);
    }
    return all;
}

int numberAfter(const std::string& word, size_t prefix) {
    return std::stoi(word.substr(prefix));
}

std::string kindName(bool sharps, bool flats) {
    return sharps && flats ? "both" : sharps ? "sharps" : "flats";
}

std::string phaseName(DrillPhase phase) {
    switch (phase) {
        case DrillPhase::QuestionTime:
            return "QuestionTime";
        case DrillPhase::FeedbackPause:
            return "FeedbackPause";
        case DrillPhase::PauseEnd:
            return "PauseEnd";
        case DrillPhase::Halted:
            break;
    }
    return "Halted";
}

struct Rig : DrillRig {
    int boxOpenFor = 0;

    Rig() {
        window.whileBoxOpen = [this] { clock.runFor(std::exchange(boxOpenFor, 0)); };
    }

    const QuizState& state() const { return drill.state(); }

    void play(const std::string& word) {
        const std::map<std::string, void (Drill::*)()> commands = {{"go", &Drill::go},
                                                                   {"stop", &Drill::stop},
                                                                   {"restart", &Drill::restart},
                                                                   {"select", &Drill::selectKind}};
        if (const auto command = commands.find(word); command != commands.end()) {
            (drill.*command->second)();
        } else if (word == "right" || word == "wrong") {
            drill.choose(word == "right" ? state().rightPos : state().rightPos % 4 + 1);
        } else if (word == "end") {
            for (int i = 0; i < 10000 && state().running; ++i) {
                clock.runFor(100);
            }
            QVERIFY2(!state().running, "the quiz still runs after 1000 simulated seconds");
        } else if (const std::optional<Clef> clef = clefOfWord(word)) {
            drill.setClef(*clef);
        } else if (word == "major" || word == "minor") {
            drill.setMode(word == "minor" ? KeyMode::Minor : KeyMode::Major);
        } else if (word == "-arrow") {
            window.missing.insert("arrow.gif");
        } else if (word == "-keys") {
            for (int key = 1; key <= 14; ++key) {
                window.missing.insert(std::to_string(key) + ".gif");
            }
        } else {
            playNumbered(word);
        }
    }

    void playNumbered(const std::string& word) {
        switch (word[0]) {
            case 's':
                drill.setSeconds(numberAfter(word, 1));
                return;
            case 'q':
                drill.setQuestions(numberAfter(word, 1));
                return;
            case 'p':
                drill.choose(numberAfter(word, 4));
                return;
            case '+':
                clock.runFor(numberAfter(word, 1));
                return;
            case '@':
                clock.runUntil(numberAfter(word, 1));
                return;
            case 'b':
                boxOpenFor = numberAfter(word, 3);
                return;
        }
        QFAIL(qPrintable(QString("no such script word: %1").arg(word.c_str())));
    }

    std::string shown(const std::string& what) const {
        const std::map<std::string, Caption> captions = {{"left", Caption::QuestionsLeft},
                                                         {"right", Caption::Right},
                                                         {"wrong", Caption::Wrong},
                                                         {"seconds", Caption::Seconds},
                                                         {"questions", Caption::Questions}};
        if (const auto caption = captions.find(what); caption != captions.end()) {
            return window.caption(caption->second);
        }
        if (what == "state") {
            return state().running ? "Running" : state().freshStart ? "Ready" : "Stopped";
        }
        if (what == "phase") {
            return phaseName(drill.phase());
        }
        if (what == "T1" || what == "T2") {
            const SimClock::SimTimer& timer = what == "T1" ? timer1 : timer2;
            return !timer.isEnabled() ? "off"
                   : what == "T2"     ? "on"
                                      : std::to_string(timer.interval());
        }
        return shownElsewhere(what);
    }

    std::string shownElsewhere(const std::string& what) const {
        if (what == "arrow") {
            const auto& a = window.arrows;
            return window.arrowCount() == 0  ? "none"
                   : window.arrowCount() > 1 ? "several"
                                             : std::to_string(a[1]   ? 1
                                                              : a[2] ? 2
                                                              : a[3] ? 3
                                                                     : 4);
        }
        if (what == "red") {
            return window.colours.at(static_cast<size_t>(state().rightPos)) == kRed ? "yes" : "no";
        }
        if (what == "shown") {
            return std::to_string(window.questionsShown());
        }
        if (what == "kind") {
            return kindName(state().keyKind != keytable::KeyKind::Flats,
                            state().keyKind != keytable::KeyKind::Sharps);
        }
        if (what == "lamps") {
            return kindName(window.sharpsLit, window.flatsLit);
        }
        if (what == "keys") {
            return kindName(state().keyNum <= 7, state().keyNum >= 8);
        }
        if (what == "bars") {
            return window.scrollBarsEnabled ? "on" : "off";
        }
        if (what == "reports") {
            std::string all;
            for (const std::string& file : window.reports) {
                all += (all.empty() ? "" : ",") + file;
            }
            return all;
        }
        if (what == "reported") {
            return std::to_string(window.reports.size());
        }
        if (what == "ticks") {
            return std::to_string(clock.ticks.size());
        }
        if (what == "clef") {
            return std::string(clefWord(state().clef));
        }
        if (what == "mode") {
            return std::string(keyModeWord(state().mode));
        }
        if (what == "picture") {
            const std::string& file = window.picture;
            const size_t dash = file.find('-');
            return file.starts_with("rest")    ? "rest_" + file.substr(5)
                   : dash == std::string::npos ? "treble"
                                               : file.substr(0, dash);
        }
        return "no such expectation: " + what;
    }

    // What holds after every script: a question is graded once, the correct answer is the key's
    // own name among four different ones, no other answer is ever red, and what the drill told
    // is what the window shows.
    void checkTheRulesOfEveryDrill() const {
        QVERIFY(!events.gradedTwice);
        if (window.questionsShown() > 0) {
            const auto& c = window.choices;
            QCOMPARE(std::set<std::string>({c[1], c[2], c[3], c[4]}).size(), size_t{4});
            QCOMPARE(c.at(static_cast<size_t>(state().rightPos)),
                     std::string(keytable::keyName(state().keyNum, state().mode)));
            QCOMPARE(events.last.answers, window.choices);
            QCOMPARE(events.last.rightPos, state().rightPos);
            QCOMPARE(events.last.key, state().keyNum);
        }
        for (int pos = 1; pos <= 4; ++pos) {
            QVERIFY(pos == state().rightPos || window.colours[static_cast<size_t>(pos)] == kWhite);
        }
        const auto number = [this](Caption which) {
            return static_cast<int>(counter::valueOf(window.caption(which)));
        };
        QCOMPARE(events.counters.left, number(Caption::QuestionsLeft));
        QCOMPARE(events.counters.right, number(Caption::Right));
        QCOMPARE(events.counters.wrong, number(Caption::Wrong));
    }
};

}  // namespace

class DrillTest : public QObject {
    Q_OBJECT
private slots:
    void timeline_data();
    void timeline();
    void theWorkedTimelineTicksOnTime();
    void aTickDueWhileABoxIsOpenIsDroppedAndItsTimerHeld();
    void eachCommandIsToldOnceAndOnlyWhenItActs();
    void practiceAsksAMissedKeyMoreOftenAndStarvesNone();
};

void DrillTest::timeline_data() {
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("expected");
    const auto row = [](const char* name, const char* script, const char* expected) {
        QTest::newRow(name) << script << expected;
    };
    row("start-up", "",
        "state=Ready phase=Halted T1=off T2=off left=0 right=00 wrong=00 seconds=5 "
        "questions=16 kind=both lamps=both arrow=none bars=on shown=0");
    row("nothing ticks before Go", "+60000", "left=0 right=00 wrong=00 shown=0");

    // Five seconds a question, two questions: the first answered right, the second not.
    row("worked: Go", "s5 q2 go", "left=2 right=0 wrong=0 phase=QuestionTime T1=5500 T2=off");
    row("worked: 5.5 s", "s5 q2 go @2000 right @5500",
        "left=1 right=1 wrong=0 arrow=none T1=5500 T2=off shown=2");
    row("worked: 11 s", "s5 q2 go @2000 right @11000",
        "left=1 right=1 wrong=1 red=yes phase=FeedbackPause T1=off T2=on");
    row("worked: 13 s", "s5 q2 go @2000 right @13000",
        "left=1 right=1 wrong=1 red=no phase=PauseEnd T1=1 T2=on");
    row("worked: 13.001 s", "s5 q2 go @2000 right @13001",
        "left=0 right=1 wrong=1 phase=QuestionTime T1=5500 T2=off shown=2");
    row("worked: 18.501 s", "s5 q2 go @2000 right @18501",
        "left=0 right=1 wrong=1 state=Ready phase=Halted T1=off T2=off bars=on shown=2");

    row("Ready: Stop changes nothing", "stop", "state=Ready left=0 right=00 wrong=00");
    row("Ready: Restart", "q7 restart", "state=Ready left=7 right=0 wrong=0 T1=off");
    row("Ready: a click points", "pick2", "arrow=2");
    row("Ready: Go asks the kind chosen", "select select go",
        "state=Running bars=off shown=1 keys=flats T1=5500 left=16 right=0 wrong=0");
    row("Running: a second Go does nothing", "go go", "shown=1 state=Running");
    row("Running: settings and selector do nothing", "go s1 q3 select select",
        "seconds=5 questions=16 kind=both lamps=both shown=1");
    row("Running: the arrow moves", "go pick1 pick4", "arrow=4");
    row("Running: Stop", "go stop", "state=Stopped phase=Halted T1=off T2=off bars=on");
    row("Stopped: Stop again", "q5 go +5500 +2001 stop stop",
        "state=Stopped left=4 right=0 wrong=1");
    row("Stopped: settings and selector", "q5 go +5500 +2001 stop s0 q9 select select",
        "seconds=0 questions=9 kind=flats lamps=flats left=4 right=0 wrong=1");
    row("Stopped: Go resumes with the new time", "q5 go +5500 +2001 stop s0 go",
        "state=Running T1=500 left=4 right=0 wrong=1");
    row("Stopped: Restart", "q5 go +5500 +2001 stop q9 restart",
        "state=Ready left=9 right=0 wrong=0");

    row("selector 1: all keys again", "select", "kind=both lamps=both");
    row("selector 2: flats", "select select", "kind=flats lamps=flats");
    row("selector 3: sharps", "select select select", "kind=sharps lamps=sharps");
    row("selector 4: all keys", "select select select select", "kind=both lamps=both");
    row("selector 5: flats", "select select select select select", "kind=flats lamps=flats");

    row("10 s and 25 questions", "s10 q25 go", "T1=10500 left=25");
    row("0 s: half a second", "s0 q1 go", "T1=500 left=1");
    row("a quiz grades all its questions", "s0 q25 go end", "left=0 state=Ready");

    row("Go, Stop, Go keeps the question", "go right +5500 +3000 stop +60000 go",
        "left=15 right=1 wrong=0 shown=2 state=Running");
    row("the resumed question gets a full interval", "go right +5500 +3000 stop go +5499",
        "left=15 right=1 wrong=0");
    row("and is graded at its end", "go right +5500 +3000 stop go +5500",
        "left=15 right=1 wrong=1");
    row("right answers move on without a pause", "s0 go right +500 right +500 right +500",
        "right=3 shown=4 T2=off");
    row("the pause end never grades", "go +5500 right +2001", "left=15 right=0 wrong=1");
    row("Restart while running", "go right +5500 +1000 restart",
        "left=16 right=0 wrong=0 T1=5500 state=Running");
    row("counts into the fresh counters", "go right +5500 +1000 restart right +4500",
        "left=15 right=1 wrong=0");
    row("and the next Stop leaves it Ready", "go right +5500 +1000 restart stop", "state=Ready");

    row("Stop in the pause ends it", "q3 go +5500 +500 stop", "red=no state=Stopped");
    row("and Go moves on at once", "q3 go +5500 +500 stop go +1",
        "left=2 right=0 wrong=1 shown=2 T1=5500");
    row("and the drill never stands", "q3 go +5500 +500 stop go +1 right +5500 right +5500 +5500",
        "left=0 right=2 wrong=1 state=Ready");
    row("Stop at the pause end", "go +7500 stop go +1", "left=15 right=0 wrong=1");
    row("a new quiz after a pause cut short", "go +5500 +500 stop restart go right +5500",
        "left=15 right=1 wrong=0");
    row("Restart in the pause", "q3 go +5500 restart",
        "left=3 right=0 wrong=0 red=no T2=off T1=5500");
    row("asks the questions it shows", "q3 go +5500 restart end", "left=0 right=0 wrong=3");
    row("Restart after the last is counted off", "q1 go right +5500 restart",
        "shown=2 left=1 state=Running");
    row("grades the new question only", "q1 go right +5500 restart right +5500",
        "left=0 right=1 wrong=0");
    row("the last question is not followed by another", "q2 go right +5500 right +5500 +5500",
        "left=0 right=2 wrong=0 shown=2 state=Ready");

    // An arrow left from before the quiz or from a wrong answer never answers a new question.
    for (int pos = 1; pos <= 4; ++pos) {
        QTest::addRow("an old arrow %d is cleared by Go", pos)
            << QString("pick%1 go").arg(pos) << "arrow=none";
        QTest::addRow("an arrow %d from the pause is cleared", pos)
            << QString("pick%1 go +5500 pick%1 +2001 +5500").arg(pos) << "left=15 wrong=2";
    }

    row("minor keys name the relative minors", "minor s0 go right +500 right +500 +500",
        "mode=minor right=2 wrong=1 shown=3");
    row("a clef shows its staff at rest", "bass", "clef=bass picture=rest_bass state=Ready");
    row("and its pictures in a quiz", "alto go +5500 +2001", "picture=alto shown=2");
    row("neither changes while a quiz runs", "go tenor minor", "clef=treble mode=major");
    row("a change after Stop starts a fresh quiz", "go right +5500 stop tenor go",
        "clef=tenor picture=tenor left=16 right=0 wrong=0 shown=3");
    row("the same choice again resumes the quiz", "go right +5500 stop treble major go",
        "left=15 right=1 wrong=0 shown=2");
    row("a missing arrow is reported", "go right -arrow pick1",
        "reports=arrow.gif arrow=none T1=5500");
    row("and leaves no answer", "go right -arrow pick1 +5500", "left=16 right=0 wrong=1");
    row("a missing picture's question is asked by name", "-keys go right +5500 right +5500",
        "reported=3 right=2 shown=3");
    // A question whose box held the clock gets its full time after the box.
    row("a box holds the clock", "s0 go right -keys box1300 @500 @2299", "left=15 right=1 wrong=0");
    row("which moves on on its beat", "s0 go right -keys box1300 @500 @2300", "wrong=1");
    // Resumed after Stop cut a pause short, a box at the 1 ms tick lets it fire once.
    row("a 1 ms tick under a box", "s0 go +600 stop go -arrow box1000 pick2",
        "left=16 wrong=1 ticks=2");
    row("moves on once the box is closed", "s0 go +600 stop go -arrow box1000 pick2 +1",
        "left=15 wrong=1");
}

void DrillTest::timeline() {
    QFETCH(QString, script);
    QFETCH(QString, expected);
    Rig rig;
    for (const std::string& word : words(script.toStdString())) {
        rig.play(word);
        if (QTest::currentTestFailed()) {
            return;
        }
    }
    for (const std::string& expectation : words(expected.toStdString())) {
        const size_t equals = expectation.find('=');
        const std::string what = expectation.substr(0, equals);
        QCOMPARE(QString::fromStdString(what + "=" + rig.shown(what)),
                 QString::fromStdString(expectation));
    }
    rig.checkTheRulesOfEveryDrill();
}

void DrillTest::theWorkedTimelineTicksOnTime() {
    Rig rig;
    for (const std::string& word : words("s5 q2 go @2000 right @20000")) {
        rig.play(word);
    }
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

// A click whose box stays open for 1.3 s while the clock ticks every half second.
void DrillTest::aTickDueWhileABoxIsOpenIsDroppedAndItsTimerHeld() {
    Rig rig;
    rig.drill.setSeconds(0);
    rig.drill.go();
    rig.clock.runFor(100);
    rig.window.missing.insert("arrow.gif");
    bool heldWhileOpen = false;
    rig.window.whileBoxOpen = [&] {
        rig.clock.runFor(1300);
        heldWhileOpen = rig.timer1.isHeld();
    };
    rig.drill.choose(1);
    QVERIFY(heldWhileOpen);
    QVERIFY(!rig.timer1.isHeld());
    QCOMPARE(rig.clock.dropped, 1);  // the tick due at 1000 ms
    QCOMPARE(rig.window.caption(Caption::Wrong), std::string("0"));
    rig.clock.runUntil(1499);
    QCOMPARE(rig.window.caption(Caption::Wrong), std::string("0"));
    rig.clock.runUntil(1500);  // on the clock's beat, the first tick after the box
    QCOMPARE(rig.window.caption(Caption::Wrong), std::string("1"));
}

// What a listener hears depends on being told each command that acted, once, after all it did.
void DrillTest::eachCommandIsToldOnceAndOnlyWhenItActs() {
    Rig rig;
    rig.drill.stop();  // nothing runs: nothing to tell
    rig.drill.go();
    rig.drill.go();  // runs already
    rig.drill.restart();
    rig.drill.stop();
    const std::vector<DrillCommand> expected = {DrillCommand::Go, DrillCommand::Restart,
                                                DrillCommand::Stop};
    QCOMPARE(rig.events.commands, expected);
    QCOMPARE(rig.events.turns, 5);
    rig.drill.setQuestions(1);
    rig.drill.go();
    rig.clock.runFor(5500 + 2000 + 1 + 5500);
    QCOMPARE(rig.events.quizzesEnded, 1);
    QCOMPARE(rig.events.commands.size(), size_t{4});  // the end of a quiz is not a Stop
}

// A record where key 10 was missed five times and every other key answered right five times.
void DrillTest::practiceAsksAMissedKeyMoreOftenAndStarvesNone() {
    struct Record : KeyWeights {
        double weight(int key) const override {
            const practice::Outcome outcome{key != 10, 1000, 5500};
            const std::vector<practice::Outcome> lastFive(practice::kRecent, outcome);
            return practice::weightOf(lastFive);
        }
    } record;
    Rig rig;
    rig.drill.practise(&record);
    rig.drill.setSeconds(0);
    rig.drill.setQuestions(25);
    std::map<int, int> asked;
    int previous = 0;
    for (int counted = 0; counted < 10'000;) {
        if (!rig.state().running) {
            rig.drill.go();
        }
        if (rig.events.questions > counted) {
            counted = rig.events.questions;
            const int key = rig.state().keyNum;
            QVERIFY2(key != previous, qPrintable(QString("key %1 twice in a row").arg(key)));
            previous = key;
            ++asked[key];
            rig.drill.choose(rig.state().rightPos);
        }
        rig.clock.runFor(500);
    }
    QCOMPARE(asked.size(), size_t{14});
    for (const auto& [key, times] : asked) {
        QVERIFY2(
            key == 10 || asked[10] >= 3 * times,
            qPrintable(QString("key 10 %1 times, key %2 %3").arg(asked[10]).arg(key).arg(times)));
    }
}

QTEST_GUILESS_MAIN(DrillTest)
#include "test_drill.moc"
