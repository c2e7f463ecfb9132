// The program's timer on the kernel's clock and, where that clock cannot be had, on Qt's: it
// ticks either way, says why it fell back, and holds still while a message box is open.
#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QtTest>
#include <vector>

#include "precisetimer.h"

namespace {

long voluntarySwitches() {
    rusage usage{};
    getrusage(RUSAGE_THREAD, &usage);
    return usage.ru_nvcsw;
}

// Uses up every free file descriptor until destroyed, so that no kernel timer can be made.
class NoFreeDescriptors {
public:
    NoFreeDescriptors() {
        getrlimit(RLIMIT_NOFILE, &saved_);
        rlimit low = saved_;
        low.rlim_cur = 64;
        setrlimit(RLIMIT_NOFILE, &low);
        for (int fd = ::open("/dev/null", O_RDONLY); fd >= 0; fd = ::open("/dev/null", O_RDONLY)) {
            taken_.push_back(fd);
        }
    }
    ~NoFreeDescriptors() {
        for (int fd : taken_) {
            ::close(fd);
        }
        setrlimit(RLIMIT_NOFILE, &saved_);
    }
    NoFreeDescriptors(const NoFreeDescriptors&) = delete;
    NoFreeDescriptors& operator=(const NoFreeDescriptors&) = delete;

private:
    rlimit saved_{};
    std::vector<int> taken_;
};

// Unlike QTest::qWait, which looks at the event loop every few milliseconds, this sleeps
// until something is due.
void waitQuietly(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

const QRegularExpression kFellBack("the kernel timer failed .*; the clock goes on with Qt's timer");

}  // namespace

class PreciseTimerTest : public QObject {
    Q_OBJECT
private slots:
    void itTicksOnTheKernelClock();
    void withoutAFreeDescriptorItTicksOnQtsClock();
    void aKernelTimerThatCannotBeSetGivesWayToQtsClock();
    void heldItNeitherTicksNorWakes_data();
    void heldItNeitherTicksNorWakes();
    void aDisabledTimerNeverTicks_data();
    void aDisabledTimerNeverTicks();
};

void PreciseTimerTest::itTicksOnTheKernelClock() {
    int ticks = 0;
    PreciseTimer timer([&] { ++ticks; });
    QVERIFY(timer.onKernelTimer());
    timer.setInterval(20);
    timer.enable();
    QTRY_VERIFY_WITH_TIMEOUT(ticks >= 3, 2000);
}

void PreciseTimerTest::withoutAFreeDescriptorItTicksOnQtsClock() {
    int descriptor = 0;
    {
        NoFreeDescriptors exhausted;
        descriptor = PreciseTimer::makeKernelTimer();
    }
    QCOMPARE(descriptor, -1);
    QTest::ignoreMessage(QtWarningMsg, kFellBack);
    int ticks = 0;
    PreciseTimer timer([&] { ++ticks; }, descriptor);
    QVERIFY(!timer.onKernelTimer());
    timer.setInterval(20);
    timer.enable();
    QTRY_VERIFY_WITH_TIMEOUT(ticks >= 3, 2000);
}

// A descriptor that is not a kernel timer makes every setting of it fail.
void PreciseTimerTest::aKernelTimerThatCannotBeSetGivesWayToQtsClock() {
    int pipeEnds[2];
    QCOMPARE(::pipe(pipeEnds), 0);
    ::close(pipeEnds[1]);
    int ticks = 0;
    PreciseTimer timer([&] { ++ticks; }, pipeEnds[0]);
    timer.setInterval(20);
    QVERIFY(timer.onKernelTimer());
    QTest::ignoreMessage(QtWarningMsg, kFellBack);
    timer.enable();
    QVERIFY(!timer.onKernelTimer());
    QVERIFY(timer.isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(ticks >= 3, 2000);
}

void PreciseTimerTest::heldItNeitherTicksNorWakes_data() {
    QTest::addColumn<bool>("kernelClock");
    QTest::newRow("kernel clock") << true;
    QTest::newRow("Qt's clock") << false;
}

// A 1 ms timer held for half a second: no tick, and the thread sleeps; released, it ticks.
void PreciseTimerTest::heldItNeitherTicksNorWakes() {
    QFETCH(bool, kernelClock);
    if (!kernelClock) {
        QTest::ignoreMessage(QtWarningMsg, kFellBack);
    }
    int ticks = 0;
    PreciseTimer timer([&] { ++ticks; }, kernelClock ? PreciseTimer::makeKernelTimer() : -1);
    timer.setInterval(1);
    timer.enable();
    timer.hold();
    const long before = voluntarySwitches();
    waitQuietly(500);
    const long woken = voluntarySwitches() - before;
    QCOMPARE(ticks, 0);
    QVERIFY2(woken < 10, qPrintable(QString("woke %1 times").arg(woken)));
    QVERIFY(timer.isEnabled());
    timer.release();
    QTRY_VERIFY_WITH_TIMEOUT(ticks >= 3, 1000);
}

void PreciseTimerTest::aDisabledTimerNeverTicks_data() {
    heldItNeitherTicksNorWakes_data();
}

// Released after a box, a timer disabled meanwhile stays silent.
void PreciseTimerTest::aDisabledTimerNeverTicks() {
    QFETCH(bool, kernelClock);
    if (!kernelClock) {
        QTest::ignoreMessage(QtWarningMsg, kFellBack);
    }
    int ticks = 0;
    PreciseTimer timer([&] { ++ticks; }, kernelClock ? PreciseTimer::makeKernelTimer() : -1);
    timer.setInterval(1);
    timer.enable();
    timer.disable();
    timer.hold();
    timer.release();
    QTest::qWait(100);
    QCOMPARE(ticks, 0);
}

QTEST_GUILESS_MAIN(PreciseTimerTest)

#include "test_precisetimer.moc"
