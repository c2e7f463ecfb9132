// The real main window under a quiz of the benchmark's own, in three ways:
//   memory    a 25-question quiz in simulated time, then 1,000 more questions: peak memory
//             after the quiz, and resident memory and the heap in use along the long run
//   prepare   10,000 questions prepared by the engine in the window, each beside a bare
//             decode of the same picture
//   timers    the question clock on the program's own timers in real time: 20 questions of
//             half a second and 4 of five and a half, every fourth one left unanswered
// Everything is printed as "name value" lines, times in nanoseconds, memory in kB.
#include <malloc.h>
#include <time.h>

#include <QApplication>
#include <QImageReader>
#include <QLocale>
#include <QScrollBar>
#include <QTimer>
#include <cstdio>
#include <map>
#include <string>

#include "engine.h"
#include "firstframe.h"
#include "fonts.h"
#include "keytable.h"
#include "layout.h"
#include "precisetimer.h"
#include "procstat.h"
#include "quizform.h"
#include "simclock.h"
#include "stats.h"
#include "translation.h"

namespace {

using Samples = std::vector<std::int64_t>;

void print(const std::string& name, long long value) {
    std::printf("%s %lld\n", name.c_str(), value);
    std::fflush(stdout);
}

void printSpread(const std::string& name, const Samples& samples) {
    print(name + ".count", static_cast<long long>(samples.size()));
    print(name + ".median", percentile(samples, 0.5));
    print(name + ".p99", percentile(samples, 0.99));
    print(name + ".max", percentile(samples, 1.0));
    print(name + ".min", samples.empty() ? 0 : *std::min_element(samples.begin(), samples.end()));
}

// Lets the window paint what the last step changed.
void paint() {
    QCoreApplication::processEvents();
}

// Half a second per question and 25 questions, set with the window's own scroll bars.
void fastSettings(Form1& form) {
    for (const auto& [setting, number] :
         {std::pair{layout::kSeconds, 0}, std::pair{layout::kQuestions, 25}}) {
        form.findChild<QScrollBar*>(QString::fromUtf8(setting.bar))
            ->setValue(setting.valueShowing(number));
    }
}

void runMemory(QuizForm& form, RandomSource& random) {
    SimClock clock;
    Drill drill(form, form, clock, random);
    Answerer answerer(drill, 4);
    clock.aroundTick = [&](SimClock::SimTimer& timer) {
        timer.onTick();
        answerer.answerNewQuestion();
        paint();
    };
    auto runQuizzes = [&](int questions, const std::function<void()>& afterQuestion) {
        const int end = answerer.questions() + questions;
        while (answerer.questions() < end) {
            drill.go();
            answerer.answerNewQuestion();
            paint();
            for (int seen = 0; drill.state().running; clock.runFor(100)) {
                clock.ticks.clear();  // the simulated clock's own record would grow
                if (answerer.questions() != seen && answerer.questions() <= end) {
                    seen = answerer.questions();
                    afterQuestion();
                }
            }
        }
    };

    fastSettings(form);
    runQuizzes(25, [] {});
    print("quiz.vmhwm", procstat::statusKb(0, "VmHWM"));

    const int before = answerer.questions();
    Samples resident;
    Samples heap;
    runQuizzes(1000, [&] {
        const int question = answerer.questions() - before;
        if (question == 1 || question % 100 == 0) {
            resident.push_back(procstat::statusKb(0, "VmRSS"));
            heap.push_back(static_cast<std::int64_t>(mallinfo2().uordblks));
        }
    });
    print("long.questions", answerer.questions() - before);
    print("long.rss.first", resident.front());
    print("long.rss.last", resident.back());
    print("long.rss.max", percentile(resident, 1.0));
    print("long.heap.first", heap.front() / 1024);
    print("long.heap.last", heap.back() / 1024);
}

void runPrepare(QuizForm& form, RandomSource& random, int questions) {
    QuizState state;
    QuizEngine engine(state, form, random);
    Samples prepare;
    Samples decode;
    for (int i = 0; i < questions; ++i) {
        const std::int64_t start = procstat::nowNs();
        engine.prepareQuestion();
        const std::int64_t prepared = procstat::nowNs();
        QImageReader reader(QString::fromStdString(keytable::pictureFile(state.keyNum)));
        const QImage image = reader.read();
        const std::int64_t decoded = procstat::nowNs();
        if (image.isNull()) {
            std::fprintf(stderr, "cannot read %s\n", keytable::pictureFile(state.keyNum).c_str());
            return;
        }
        prepare.push_back(prepared - start);
        decode.push_back(decoded - prepared);
        paint();
    }
    printSpread("prepare", prepare);
    printSpread("decode", decode);
}

// The program's timer, noting how late each tick comes: the time from arming it (starting
// it, or restarting it with a new interval) to the tick, less the interval. The time of
// arming is read just before the timer is armed, so a tick can never seem early when it
// was not.
class MeasuredTimer : public Timer {
public:
    explicit MeasuredTimer(std::function<void()> onTick)
        : timer_([this, tick = std::move(onTick)] {
              record();
              tick();
          }) {}

    void enable() override {
        if (!timer_.isEnabled()) {
            armedNs_ = procstat::nowNs();
        }
        timer_.enable();
    }
    void disable() override { timer_.disable(); }
    void setInterval(int milliseconds) override {
        if (timer_.isEnabled()) {
            armedNs_ = procstat::nowNs();
        }
        interval_ = milliseconds;
        timer_.setInterval(milliseconds);
    }
    bool isEnabled() const override { return timer_.isEnabled(); }
    void hold() override { timer_.hold(); }
    void release() override { timer_.release(); }

    std::map<int, Samples> lateness;  // by interval

private:
    void record() {
        const std::int64_t due = armedNs_ + std::int64_t{interval_} * 1'000'000;
        lateness[interval_].push_back(procstat::nowNs() - due);
        armedNs_ = due;  // a timer left running ticks again one interval after this was due
    }

    PreciseTimer timer_;
    std::int64_t armedNs_ = 0;
    int interval_ = 0;
};

// Makes the drill's timers measured ones, and lets the run look in before and after each tick.
class MeasuredTimers : public TimerFactory {
public:
    std::unique_ptr<Timer> makeTimer(const std::string& name,
                                     std::function<void()> onTick) override {
        auto timer = std::make_unique<MeasuredTimer>([this, name, tick = std::move(onTick)] {
            beforeTick(name);
            tick();
            afterTick(name);
        });
        made[name] = timer.get();
        return timer;
    }

    std::map<std::string, MeasuredTimer*> made;
    std::function<void(const std::string&)> beforeTick = [](const std::string&) {};
    std::function<void(const std::string&)> afterTick = [](const std::string&) {};
};

class TimerRun {
public:
    TimerRun(QuizForm& form, RandomSource& random)
        : form_(form),
          drill_(form, form, timers_, random),
          timer1_(*timers_.made.at("Timer1")),
          timer2_(*timers_.made.at("Timer2")),
          answerer_(drill_, 4) {
        timers_.beforeTick = [this](const std::string& name) {
            if (name == "Timer1") {
                noteRepaint();
            } else {
                pauseEndNs_ = procstat::nowNs();
            }
        };
        timers_.afterTick = [this](const std::string& name) {
            if (name == "Timer1") {
                afterQuestionTick();
            }
        };
    }

    void start() {
        fastSettings(form_);
        drill_.go();
        answerer_.answerNewQuestion();
    }

private:
    static constexpr int kShortTicks = 20;
    static constexpr int kLongTicks = 4;

    // The window repaints the whitened answers while the 1 ms re-arm runs down.
    void noteRepaint() {
        const size_t rearms = timer1_.lateness[1].size();
        if (rearms > repaints_.size() && form_.repaintStart > pauseEndNs_) {
            repaints_.push_back(form_.repaintEnd - form_.repaintStart);
        }
    }

    void afterQuestionTick() {
        answerer_.answerNewQuestion();
        if (timer1_.lateness[500].size() == kShortTicks && timer1_.lateness[5500].empty()) {
            drill_.stop();
            form_.findChild<QScrollBar*>("IntScroll")->setValue(5);
            drill_.go();
        } else if (timer1_.lateness[5500].size() == kLongTicks) {
            drill_.stop();
            finish();
        }
    }

    void finish() {
        printSpread("q500", timer1_.lateness[500]);
        printSpread("q5500", timer1_.lateness[5500]);
        printSpread("rearm", timer1_.lateness[1]);
        printSpread("pause", timer2_.lateness[2000]);
        printSpread("rearm.repaint", repaints_);
        QCoreApplication::quit();
    }

    QuizForm& form_;
    MeasuredTimers timers_;
    Drill drill_;
    MeasuredTimer& timer1_;
    MeasuredTimer& timer2_;
    Answerer answerer_;
    std::int64_t pauseEndNs_ = 0;
    Samples repaints_;
};

// The floor: how late the kernel wakes a thread that sleeps for a set time.
void runSleepBaseline() {
    Samples lateness;
    for (int i = 0; i < 25; ++i) {
        const std::int64_t start = procstat::nowNs();
        const timespec interval{0, 20'000'000};
        clock_nanosleep(CLOCK_MONOTONIC, 0, &interval, nullptr);
        lateness.push_back(procstat::nowNs() - start - 20'000'000);
    }
    printSpread("sleep", lateness);
}

}  // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode != "memory" && mode != "prepare" && mode != "timers") {
        std::fprintf(stderr, "usage: %s memory | prepare | timers\n", argv[0]);
        return 2;
    }
    // As the program's main() does.
    fonts::startReadingConfiguration();
    fonts::installSubstitutions();
    qputenv("QT_XCB_NO_MITSHM", "1");
    QApplication app(argc, argv);
    const Translation translation(QLocale::system().uiLanguages());
    ClockRandom random;
    QuizForm form(random, translation.language());
    std::unique_ptr<TimerRun> timers;
    FirstFrameProbe probe;
    QObject::connect(&probe, &FirstFrameProbe::frameComplete, [&] {
        if (mode == "memory") {
            runMemory(form, random);
        } else if (mode == "prepare") {
            runPrepare(form, random, 10'000);
        } else {
            runSleepBaseline();
            timers = std::make_unique<TimerRun>(form, random);
            timers->start();
            return;
        }
        QCoreApplication::quit();
    });
    form.show();
    return QApplication::exec();
}
