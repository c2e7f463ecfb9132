// Runs every benchmark in one go and judges each figure against a baseline measured in the
// same run, side by side: the bare window for start-up, memory and idle cost, a bare decode
// of the same picture for preparing a question, the kernel's own sleep for the timers, a bare
// insert of the same row for storing an answer in the record.
// Usage: bench-run PROGRAMS PICTURES [PART...], with an X server in DISPLAY; the parts are
// startup, memory, prepare, idle, timers and record, all of them when none is named.
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "procstat.h"
#include "stats.h"

namespace {

using Samples = std::vector<std::int64_t>;
using Values = std::map<std::string, Samples>;

std::string programs;
std::string pictures;

double ms(std::int64_t ns) {
    return static_cast<double>(ns) / 1e6;
}

double ratio(double value, double baseline) {
    return baseline > 0 ? value / baseline : 0.0;
}

// A bench program running in the picture folder, its standard input and output on pipes.
struct Child {
    pid_t pid = -1;
    int input = -1;
    int output = -1;
};

Child start(const std::vector<std::string>& args, const char* platform = "xcb") {
    int in[2];
    int out[2];
    if (::pipe2(in, O_CLOEXEC) != 0 || ::pipe2(out, O_CLOEXEC) != 0) {
        std::perror("pipe");
        std::exit(1);
    }
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(in[0], STDIN_FILENO);
        ::dup2(out[1], STDOUT_FILENO);
        std::vector<char*> argv;
        for (const std::string& arg : args) {
            argv.push_back(const_cast<char*>(arg.c_str()));
        }
        argv.push_back(nullptr);
        if (::chdir(pictures.c_str()) == 0 && ::setenv("QT_QPA_PLATFORM", platform, 1) == 0) {
            ::execvp(argv[0], argv.data());
        }
        std::perror(argv[0]);
        ::_exit(127);
    }
    ::close(in[0]);
    ::close(out[1]);
    return {pid, in[1], out[0]};
}

std::string readLine(int fd) {
    std::string line;
    char c = 0;
    while (::read(fd, &c, 1) == 1 && c != '\n') {
        line += c;
    }
    return line;
}

// Closes the child's input, reads all it prints and waits for it to end.
Values finish(Child& child, bool mayBeKilled = false) {
    ::close(child.input);
    std::string text;
    char buffer[4096];
    for (ssize_t got; (got = ::read(child.output, buffer, sizeof buffer)) > 0;) {
        text.append(buffer, static_cast<size_t>(got));
    }
    ::close(child.output);
    int status = 0;
    ::waitpid(child.pid, &status, 0);
    if (!mayBeKilled && (!WIFEXITED(status) || WEXITSTATUS(status) != 0)) {
        std::fprintf(stderr, "bench: a program failed (status %d)\n", status);
    }
    Values values;
    std::istringstream lines(text);
    std::string name;
    long long value = 0;
    while (lines >> name >> value) {
        values[name].push_back(value);
    }
    return values;
}

std::int64_t value(const Values& values, const std::string& name) {
    const auto found = values.find(name);
    return found == values.end() || found->second.empty() ? -1 : found->second.front();
}

std::string program(const std::string& name) {
    return programs + "/" + name;
}

class Report {
public:
    // Prints one figure and whether its goal is met.
    void figure(const char* format, bool met, auto... args) {
        std::printf(format, args...);
        std::printf("  %s\n", met ? "met" : "NOT MET");
        std::fflush(stdout);
        ++goals_;
        met_ += met ? 1 : 0;
    }
    void summary() const { std::printf("bench: %d of %d goals met\n", met_, goals_); }

private:
    int goals_ = 0;
    int met_ = 0;
};

Report report;

// Start-up: the same number of runs of both programs, interleaved, and the first of each
// thrown away so that the disk cache is warm for both.
void startup(const char* platform, int runs) {
    Samples bare;
    Samples form;
    for (int i = -1; i < runs; ++i) {
        for (const char* name : i % 2 == 0 ? std::array{"bench-bare", "bench-form"}
                                           : std::array{"bench-form", "bench-bare"}) {
            const std::int64_t launched = procstat::nowNs();
            Child child = start({program(name), "startup", std::to_string(launched)}, platform);
            const std::int64_t frame = value(finish(child), "firstframe.ns");
            if (i >= 0) {
                (name == std::string("bench-bare") ? bare : form).push_back(frame);
            }
        }
    }
    const double duridaz = ms(percentile(form, 0.5));
    const double baseline = ms(percentile(bare, 0.5));
    report.figure(
        "start-up to first complete frame, %-9s: duridaz %5.1f ms, bare window %5.1f ms "
        "(medians of %d): %.2fx, goal <= 1.20x",
        ratio(duridaz, baseline) <= 1.2, platform, duridaz, baseline, runs,
        ratio(duridaz, baseline));
}

void memory() {
    Samples bare;
    Samples form;
    for (int i = 0; i < 3; ++i) {
        Child b = start({program("bench-bare"), "memory"});
        bare.push_back(value(finish(b), "vmhwm.kb"));
        Child f = start({program("bench-form"), "memory"});
        form.push_back(value(finish(f), "vmhwm.kb"));
    }
    Child q = start({program("bench-quiz"), "memory"});
    const Values quiz = finish(q);
    const double baseline = static_cast<double>(percentile(bare, 0.5)) / 1024;
    const double rest = static_cast<double>(percentile(form, 0.5)) / 1024;
    const double afterQuiz = static_cast<double>(value(quiz, "quiz.vmhwm")) / 1024;
    report.figure(
        "peak memory at rest:              duridaz %5.1f MB, bare window %5.1f MB "
        "(VmHWM, medians of 3): %.2fx, goal <= 1.10x",
        ratio(rest, baseline) <= 1.1, rest, baseline, ratio(rest, baseline));
    report.figure(
        "peak memory after 25 questions:   duridaz %5.1f MB, bare window at rest "
        "%5.1f MB: %.2fx, goal <= 1.10x",
        ratio(afterQuiz, baseline) <= 1.1, afterQuiz, baseline, ratio(afterQuiz, baseline));
    // Pages the allocator has once touched stay resident, so the heap in use tells a leak
    // from noise; a leak of one picture a question would be 96 kB each time.
    const std::int64_t first = value(quiz, "long.rss.first");
    const std::int64_t last = value(quiz, "long.rss.last");
    report.figure(
        "resident memory, 1st to %lldth question of a long run: %.1f MB to %.1f MB "
        "(highest %.1f MB, heap in use %lld kB to %lld kB): %+lld kB, %.3fx, goal no "
        "growth (under 64 kB)",
        last - first < 64, static_cast<long long>(value(quiz, "long.questions")),
        static_cast<double>(first) / 1024, static_cast<double>(last) / 1024,
        static_cast<double>(value(quiz, "long.rss.max")) / 1024,
        static_cast<long long>(value(quiz, "long.heap.first")),
        static_cast<long long>(value(quiz, "long.heap.last")), static_cast<long long>(last - first),
        ratio(static_cast<double>(last), static_cast<double>(first)));
}

void prepare() {
    Child child = start({program("bench-quiz"), "prepare"});
    const Values values = finish(child);
    const double median = ms(value(values, "prepare.median"));
    const double p99 = ms(value(values, "prepare.p99"));
    const double decode = ms(value(values, "decode.median"));
    const double decode99 = ms(value(values, "decode.p99"));
    report.figure(
        "preparing a question, median of %lld: %.3f ms, bare decode of its picture "
        "%.3f ms: %.2fx, goal < 0.2 ms and <= 1.50x",
        median < 0.2 && ratio(median, decode) <= 1.5,
        static_cast<long long>(value(values, "prepare.count")), median, decode,
        ratio(median, decode));
    report.figure(
        "preparing a question, 99th percentile: %.3f ms, bare decode %.3f ms: "
        "%.2fx, goal < 1 ms",
        p99 < 1.0, p99, decode99, ratio(p99, decode99));
}

// Keeps the other core busy while it lives.
class BusyCore {
public:
    BusyCore() : pid_(::fork()) {
        if (pid_ == 0) {
            volatile unsigned long spin = 0;
            for (;;) {
                spin = spin + 1;
            }
        }
    }
    ~BusyCore() {
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
    }
    BusyCore(const BusyCore&) = delete;
    BusyCore& operator=(const BusyCore&) = delete;

private:
    pid_t pid_;
};

Values timerRun(bool busy) {
    std::unique_ptr<BusyCore> load;
    if (busy) {
        load = std::make_unique<BusyCore>();
    }
    Child child = start({program("bench-quiz"), "timers"});
    return finish(child);
}

void timerFigures(const Values& values, const char* condition) {
    const double sleep = ms(value(values, "sleep.median"));
    for (const char* clock : {"q500", "q5500"}) {
        const std::string name = clock;
        const double median = ms(value(values, name + ".median"));
        const double max = ms(value(values, name + ".max"));
        const double min = ms(value(values, name + ".min"));
        report.figure(
            "question clock %4s ms, %s: late by median %.2f ms, max %.2f ms, least "
            "%+.2f ms (%lld ticks); kernel sleep %.3f ms: %.1fx, goal median < 1 ms, "
            "max < 10 ms, never early",
            median < 1.0 && max < 10.0 && min >= 0.0, name.c_str() + 1, condition, median, max, min,
            static_cast<long long>(value(values, name + ".count")), sleep, ratio(median, sleep));
    }
    const double rearm = ms(value(values, "rearm.max"));
    report.figure(
        "re-arm of 1 ms after a pause, %s: late by at most %.2f ms (%lld ticks), "
        "least %+.2f ms; the repaint before it took up to %.2f ms; kernel sleep "
        "%.3f ms, goal < 0.5 ms, never early",
        rearm < 0.5 && value(values, "rearm.min") >= 0, condition, rearm,
        static_cast<long long>(value(values, "rearm.count")), ms(value(values, "rearm.min")),
        ms(value(values, "rearm.repaint.max")), sleep);
}

void timers() {
    const Values idle = timerRun(false);
    timerFigures(idle, "idle");
    const Values busy = timerRun(true);
    timerFigures(busy, "other core busy");
    const double idleMedian = ms(value(idle, "q500.median"));
    const double busyMedian = ms(value(busy, "q500.median"));
    report.figure(
        "question clock, other core busy against idle: median %.2f ms against "
        "%.2f ms: %.2fx, goal within 0.5 ms",
        busyMedian - idleMedian < 0.5, busyMedian, idleMedian, ratio(busyMedian, idleMedian));
}

// System calls of a process over some seconds, as strace counts them; it prints nothing
// when there were none.
long systemCalls(pid_t pid, int seconds) {
    const std::string file = "/tmp/duridaz-bench-strace-" + std::to_string(pid);
    Child tracer = start({"strace", "-c", "-f", "-q", "-o", file, "-p", std::to_string(pid)});
    std::this_thread::sleep_for(std::chrono::seconds(seconds));
    ::kill(tracer.pid, SIGINT);
    finish(tracer, true);
    std::ifstream in(file);
    std::string line;
    long calls = 0;
    while (std::getline(in, line)) {
        std::istringstream words(line);
        const std::vector<std::string> word{std::istream_iterator<std::string>(words), {}};
        if (word.size() >= 5 && word.back() == "total") {
            calls = std::stol(word[3]);
        }
    }
    std::remove(file.c_str());
    return calls;
}

// Four programs side by side in the same X server, first their context switches over some
// seconds, then their system calls over as many (tracing makes switches of its own).
void idleCost() {
    constexpr int kSeconds = 10;
    struct Subject {
        std::vector<std::string> args;
        Child child;
        procstat::Switches switches;
        long calls = 0;
        long ticks = 0;
    };
    std::vector<Subject> subjects = {
        {{program("bench-bare"), "idle", "rest"}, {}, {}},
        {{program("bench-form"), "idle", "rest"}, {}, {}},
        {{program("bench-form"), "idle", "stopped"}, {}, {}},
        {{program("bench-form"), "idle", "running"}, {}, {}},
    };
    for (Subject& s : subjects) {
        s.child = start(s.args);
        readLine(s.child.output);  // "ready"
    }
    std::this_thread::sleep_for(std::chrono::seconds(2));
    for (Subject& s : subjects) {
        s.switches = procstat::contextSwitches(s.child.pid);
    }
    const std::int64_t from = procstat::nowNs();
    std::this_thread::sleep_for(std::chrono::seconds(kSeconds));
    for (Subject& s : subjects) {
        const procstat::Switches now = procstat::contextSwitches(s.child.pid);
        s.switches = {now.voluntary - s.switches.voluntary,
                      now.involuntary - s.switches.involuntary};
    }
    const std::int64_t to = procstat::nowNs();
    std::vector<std::thread> tracers;
    for (Subject& s : subjects) {
        tracers.emplace_back([&s] { s.calls = systemCalls(s.child.pid, kSeconds); });
    }
    for (std::thread& t : tracers) {
        t.join();
    }
    for (Subject& s : subjects) {
        const Values values = finish(s.child);
        const auto found = values.find("tick");
        if (found != values.end()) {
            s.ticks = std::count_if(found->second.begin(), found->second.end(),
                                    [&](std::int64_t t) { return t >= from && t < to; });
        }
    }
    const Subject& bare = subjects[0];
    auto all = [](const Subject& s) { return s.switches.voluntary + s.switches.involuntary; };
    for (const auto& [name, s] :
         {std::pair{"at rest:", &subjects[1]}, {"stopped:", &subjects[2]}}) {
        report.figure(
            "idle cost %-8s  duridaz %ld context switches, %ld system calls in %d s; "
            "bare window %ld, %ld: goal zero, as the bare window",
            all(*s) == 0 && s->calls == 0, name, all(*s), s->calls, kSeconds, all(bare),
            bare.calls);
    }
    const Subject& running = subjects[3];
    const double perTick =
        ratio(static_cast<double>(running.switches.voluntary), static_cast<double>(running.ticks));
    report.figure(
        "idle cost running:  duridaz %ld wake-ups for %ld ticks in %d s: %.2f a tick "
        "(also %ld involuntary switches, %ld system calls); bare window %ld: goal at "
        "most 1 a tick",
        running.ticks > 0 && perTick <= 1.0, running.switches.voluntary, running.ticks, kSeconds,
        perTick, running.switches.involuntary, running.calls, all(bare));
}

// The record: storing an answer, and opening a record that years of practice could fill.
void recordCost() {
    Child adding = start({program("bench-record"), "add"}, "offscreen");
    const Values added = finish(adding);
    const double median = ms(value(added, "record.add.median"));
    const double bare = ms(value(added, "bare.add.median"));
    report.figure(
        "storing an answer, median of %lld: %.3f ms (99th percentile %.3f ms), bare insert of "
        "the same row %.3f ms (%.3f ms): %.2fx, goal median < 1 ms",
        median < 1.0, static_cast<long long>(value(added, "record.add.count")), median,
        ms(value(added, "record.add.p99")), bare, ms(value(added, "bare.add.p99")),
        ratio(median, bare));
    Child opening = start({program("bench-record"), "open"}, "offscreen");
    const double open = ms(value(finish(opening), "record.open.median"));
    report.figure("opening a record of 10,000 answers, median of 5: %.1f ms, goal < 50 ms",
                  open < 50.0, open);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s PROGRAMS PICTURES [PART...]\n", argv[0]);
        return 2;
    }
    programs = argv[1];
    pictures = argv[2];
    const std::vector<std::string> parts(argv + 3, argv + argc);
    auto wanted = [&parts](const std::string& part) {
        return parts.empty() || std::find(parts.begin(), parts.end(), part) != parts.end();
    };
    ::signal(SIGPIPE, SIG_IGN);
    // The language the program speaks, as run.sh passes it on.
    const char* language = std::getenv("LANGUAGE");
    const std::string speaks = language && *language ? std::string("LANGUAGE=") + language
                                                     : std::string("English, LANGUAGE unset");
    std::printf("bench: duridaz in %s\n", speaks.c_str());
    if (wanted("startup")) {
        startup("xcb", 21);
        startup("offscreen", 21);
    }
    if (wanted("memory")) {
        memory();
    }
    if (wanted("prepare")) {
        prepare();
    }
    if (wanted("idle")) {
        idleCost();
    }
    if (wanted("timers")) {
        timers();
    }
    if (wanted("record")) {
        recordCost();
    }
    report.summary();
    return 0;
}
