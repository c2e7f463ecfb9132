#include "windowbench.h"

#include <unistd.h>

#include <QApplication>
#include <QSocketNotifier>
#include <QTimer>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <vector>

#include "firstframe.h"
#include "procstat.h"

namespace windowbench {

namespace {

constexpr int kSettleMs = 500;

using Setups = std::map<std::string, std::function<void(QWidget&)>>;

Setups& setups() {
    static Setups all{{"rest", [](QWidget&) {}}};
    return all;
}

void print(const char* name, long long value) {
    std::printf("%s %lld\n", name, value);
    std::fflush(stdout);
}

void printPeakMemory() {
    print("vmhwm.kb", procstat::statusKb(0, "VmHWM"));
}

// Sits in the idle window, noting the time of every tick of a timer, until standard input
// closes. A tick reaches the application's filters as a QTimer's timer event, or as the
// activation of the socket notifier of a timer on a kernel timer.
class TickLog : public QObject {
public:
    TickLog() : input_(STDIN_FILENO, QSocketNotifier::Read) {
        QCoreApplication::instance()->installEventFilter(this);
        connect(&input_, &QSocketNotifier::activated, this, &TickLog::inputReady);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const auto type = event->type();
        if ((type == QEvent::Timer && watched->inherits("QTimer")) ||
            (type == QEvent::SockAct && watched != &input_)) {
            ticks_.push_back(procstat::nowNs());
        }
        return false;
    }

private:
    void inputReady() {
        char byte = 0;
        if (::read(STDIN_FILENO, &byte, 1) > 0) {
            return;
        }
        input_.setEnabled(false);
        for (std::int64_t tick : ticks_) {
            print("tick", tick);
        }
        printPeakMemory();
        QCoreApplication::quit();
    }

    QSocketNotifier input_;
    std::vector<std::int64_t> ticks_;
};

void frameComplete(const QStringList& args, QWidget& window) {
    if (args[1] == "startup") {
        print("firstframe.ns", procstat::nowNs() - args[2].toLongLong());
        QCoreApplication::quit();
    } else if (args[1] == "memory") {
        QTimer::singleShot(kSettleMs, [] {
            printPeakMemory();
            QCoreApplication::quit();
        });
    } else {
        new TickLog;
        setups().at(args[2].toStdString())(window);
        std::puts("ready");
        std::fflush(stdout);
    }
}

// What to measure comes in WINDOWBENCH, "startup LAUNCHED", "idle SETUP" or "memory", as the
// program's own command line is left to the program.
void start() {
    const QStringList args = QStringList{QCoreApplication::arguments().value(0)} +
                             QString::fromLocal8Bit(qgetenv("WINDOWBENCH")).split(' ');
    const bool known = (args.size() == 3 && (args[1] == "startup" || args[1] == "idle")) ||
                       (args.size() == 2 && args[1] == "memory");
    if (!known || (args[1] == "idle" && !setups().contains(args[2].toStdString()))) {
        std::fprintf(stderr, "usage: %s startup LAUNCHED | idle SETUP | memory\n",
                     qPrintable(args.value(0)));
        std::exit(2);
    }
    auto* probe = new FirstFrameProbe;
    QObject::connect(probe, &FirstFrameProbe::frameComplete,
                     [args](QWidget* window) { frameComplete(args, *window); });
}

Q_COREAPP_STARTUP_FUNCTION(start)

}  // namespace

void addSetup(const std::string& name, std::function<void(QWidget& window)> setup) {
    setups()[name] = std::move(setup);
}

}  // namespace windowbench
