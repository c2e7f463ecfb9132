// The real main window and its real timers, in a quiz at 0 seconds a question, while the event
// loop stalls and while a tick's message box runs an event loop of its own. When the loop
// stalls, both timers come out of it overdue; while the box is open, the question clock falls
// due again and again. Each tick must still run alone and grade at most one question, and the
// quiz must grade exactly its questions.
#include <unistd.h>

#include <QLabel>
#include <QMessageBox>
#include <QScrollBar>
#include <QSocketNotifier>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>
#include <string_view>

#include "clicklabel.h"
#include "counter.h"
#include "eventlog.h"
#include "form1.h"
#include "pictures.h"
#include "scriptedrandom.h"
#include "support/widgettest.h"

namespace {

constexpr int kQuestions = 3;

double numberIn(const QLabel* label) {
    return counter::valueOf(label->text().toStdString());
}

// The drill's timers are kernel timers: each tick comes as a notification on one of them.
bool isTickOfTheDrill(QObject* receiver, QEvent* event) {
    auto* notifier = qobject_cast<QSocketNotifier*>(receiver);
    if (event->type() != QEvent::SockAct || !notifier) {
        return false;
    }
    const QByteArray link = "/proc/self/fd/" + QByteArray::number(notifier->socket());
    char target[64];
    const ssize_t length = ::readlink(link.constData(), target, sizeof target);
    return length > 0 && std::string_view(target, static_cast<size_t>(length)) ==
                             std::string_view("anon_inode:[timerfd]");
}

// The real window, with a log of the questions it is told are shown and graded.
class WatchedForm : public Form1 {
public:
    using Form1::Form1;
    void questionShown(const Question& question) override {
        log.questionShown(question);
        Form1::questionShown(question);
    }
    void graded(const Grading& grading) override {
        log.graded(grading);
        Form1::graded(grading);
    }
    EventLog log;
};

}  // namespace

// Watches every tick of the drill's timers: whether one runs inside another (a tick that
// comes inside another may only be dropped, changing nothing).
class WatchingApplication : public QApplication {
public:
    using QApplication::QApplication;

    bool notify(QObject* receiver, QEvent* event) override {
        if (!watching || !isTickOfTheDrill(receiver, event)) {
            return QApplication::notify(receiver, event);
        }
        ++depth;
        const QStringList marksBefore = marks();
        const bool handled = QApplication::notify(receiver, event);
        --depth;
        ++ticks;
        if (depth > 0 && marks() != marksBefore) {
            ranInside << marksBefore.join(' ') + " became " + marks().join(' ');
        }
        return handled;
    }

    QLabel* label(const char* name) const { return form->findChild<QLabel*>(name); }
    double counted() const { return numberIn(label("aright")) + numberIn(label("awrong")); }

    // What a tick that runs may change: the counters, the answers and the quiz state.
    QStringList marks() const {
        QStringList marks = {label("lleft")->text(), label("aright")->text(),
                             label("awrong")->text()};
        for (int pos = 1; pos <= 4; ++pos) {
            marks << label(qPrintable(QString("choice(%1)").arg(pos)))->text();
        }
        const QuizState& state = form->state();
        for (int value : {state.keyNum, state.rightPos, int(state.running), int(state.advance),
                          int(state.skipCheck)}) {
            marks << QString::number(value);
        }
        return marks;
    }

    void startWatching(Form1* window) {
        form = window;
        watching = true;
        depth = ticks = 0;
        ranInside.clear();
    }

    Form1* form = nullptr;
    bool watching = false;
    int depth = 0;
    QStringList ranInside;
    int ticks = 0;
};

class StallTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void ticksAfterAStallNeitherNestNorGradeTwice();
    void noTickRunsInsideTheMessageBoxOfATick();

private:
    void checkTheWatchedQuiz();
    QStringList counters() const {
        return {app_.label("lleft")->text(), app_.label("aright")->text(),
                app_.label("awrong")->text()};
    }

    WatchingApplication& app_ = *static_cast<WatchingApplication*>(qApp);
    std::unique_ptr<QTemporaryDir> pictures_;
    ScriptedRandom random_;
    std::unique_ptr<WatchedForm> form_;
};

// A quiz of three questions at half a second each, ready to go, with the watch on.
void StallTest::init() {
    pictures_ = std::make_unique<QTemporaryDir>();
    QDir::setCurrent(pictures_->path());
    QVERIFY(pictures::copyAllBut());
    form_ = std::make_unique<WatchedForm>(random_);
    form_->show();
    QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
    showSetting(form_.get(), layout::kSeconds, 0);
    showSetting(form_.get(), layout::kQuestions, kQuestions);
    app_.startWatching(form_.get());
}

void StallTest::cleanup() {
    app_.watching = false;
    app_.form = nullptr;
    form_.reset();
    QDir::setCurrent(QDir::tempPath());
    pictures_.reset();
}

// The quiz has ended: no tick ran inside another or graded twice, and every question counted.
void StallTest::checkTheWatchedQuiz() {
    app_.watching = false;
    QVERIFY2(app_.ticks > 0, "no tick of a kernel timer was seen");
    QCOMPARE(app_.ranInside, QStringList());
    QVERIFY(!form_->log.gradedTwice);
    QCOMPARE(app_.label("lleft")->text(), QString("0"));
    QCOMPARE(app_.counted(), double(kQuestions));
}

void StallTest::ticksAfterAStallNeitherNestNorGradeTwice() {
    Form1& form = *form_;
    // The first question goes unanswered, so its pause starts at 0.5 s and is due to end at
    // 2.5 s; the thread sleeps from 0.6 s to 2.8 s. Later questions are answered right, and
    // the second one's tick falls due while the thread sleeps again.
    bool answering = false;
    QTimer user;
    QObject::connect(&user, &QTimer::timeout, [&] {
        const int right = form.state().rightPos;
        if (answering && right >= 1 && !form.arrowShown(right)) {
            form.findChild<ClickLabel*>(QString("choice(%1)").arg(right))->click();
        }
    });
    user.start(20);
    QTimer::singleShot(600, &user, [&] {
        QThread::msleep(2200);
        answering = true;
    });
    QTimer::singleShot(3000, &user, [] { QThread::msleep(1000); });

    form.findChild<ClickLabel*>("lgo")->click();
    QVERIFY(form.state().running);
    QTRY_VERIFY_WITH_TIMEOUT(!form.state().running, 20000);
    checkTheWatchedQuiz();
    QVERIFY(numberIn(app_.label("awrong")) >= 1);
}

// The first question is answered; then the key pictures go, so the tick that moves on opens a
// message box, as a modal box does with an event loop of its own. It stays open while the
// clock falls due three times; the pictures come back before it closes.
void StallTest::noTickRunsInsideTheMessageBoxOfATick() {
    Form1& form = *form_;
    QElapsedTimer boxOpen;
    QStringList whenOpened;
    QStringList whenClosed;
    QTimer user;
    QObject::connect(&user, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            if (!boxOpen.isValid()) {
                boxOpen.start();
                whenOpened = counters();
            }
            if (boxOpen.hasExpired(1600)) {
                QVERIFY(pictures::copyAllBut());
                whenClosed = counters();
                box->done(QMessageBox::Ok);
            }
            return;
        }
        const int right = form.state().rightPos;
        if (right >= 1 && !form.arrowShown(right)) {
            form.findChild<ClickLabel*>(QString("choice(%1)").arg(right))->click();
        }
    });
    user.start(20);

    form.findChild<ClickLabel*>("lgo")->click();
    QVERIFY(form.state().running);
    QVERIFY(pictures::copyAllBut(pictures::keyPictures()));
    QTRY_VERIFY_WITH_TIMEOUT(!form.state().running, 20000);

    QVERIFY2(boxOpen.isValid(), "no message box opened");
    QCOMPARE(whenOpened, QStringList({"2", "1", "0"}));
    QCOMPARE(whenClosed, whenOpened);
    checkTheWatchedQuiz();
}

int main(int argc, char** argv) {
    return runWidgetTest<StallTest, WatchingApplication>(argc, argv);
}

#include "test_stall.moc"
