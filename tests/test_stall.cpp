// The real main window and its real timers while the event loop stalls: a quiz at 0 seconds a
// question, with the thread blocked once during the feedback pause and once during a
// question. When the loop runs again both timers are overdue; each tick must still run alone
// and grade at most one question, and the quiz must grade exactly its questions.
#include <QLabel>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include "clicklabel.h"
#include "counter.h"
#include "fonts.h"
#include "form1.h"
#include "scriptedrandom.h"

namespace {

constexpr int kQuestions = 3;

double numberIn(const QLabel* label) {
    return counter::valueOf(label->text().toStdString());
}

}  // namespace

// Watches every timer event and socket notification the program handles: whether one is
// handled inside another, and what the counters did across it.
class WatchingApplication : public QApplication {
public:
    using QApplication::QApplication;

    bool notify(QObject* receiver, QEvent* event) override {
        // The drill's timers may tick through timer events or through socket notifiers.
        const bool tick = event->type() == QEvent::Timer || event->type() == QEvent::SockAct;
        if (!tick || !watching) {
            return QApplication::notify(receiver, event);
        }
        ++depth;
        deepest = std::max(deepest, depth);
        const double before = counted();
        const bool handled = QApplication::notify(receiver, event);
        const double after = counted();
        --depth;
        ++ticks;
        largestStep = std::max(largestStep, after - before);
        const double total = after + numberIn(label("lleft"));
        if (total != kQuestions && total != kQuestions + 1) {
            brokenTotals << counter::textOf(total).c_str();
        }
        return handled;
    }

    QLabel* label(const char* name) const { return form->findChild<QLabel*>(name); }
    double counted() const { return numberIn(label("aright")) + numberIn(label("awrong")); }

    QWidget* form = nullptr;
    bool watching = false;
    int depth = 0;
    int deepest = 0;
    int ticks = 0;
    double largestStep = 0;
    QStringList brokenTotals;
};

class StallTest : public QObject {
    Q_OBJECT
public:
    explicit StallTest(WatchingApplication& app) : app_(app) {}

private slots:
    void ticksAfterAStallNeitherNestNorGradeTwice();

private:
    WatchingApplication& app_;
};

void StallTest::ticksAfterAStallNeitherNestNorGradeTwice() {
    QTemporaryDir pictures;
    QDir::setCurrent(pictures.path());
    const QDir assets(SOURCE_DIR "/assets");
    for (const QString& name : assets.entryList({"*.gif"})) {
        QVERIFY(QFile::copy(assets.filePath(name), name));
    }
    ScriptedRandom random;
    Form1 form(random);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.findChild<QScrollBar*>("IntScroll")->setValue(10);  // half a second a question
    form.findChild<QScrollBar*>("questscroll")->setValue(26 - kQuestions);
    app_.form = &form;
    app_.watching = true;

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
    QTimer::singleShot(600, [&] {
        QThread::msleep(2200);
        answering = true;
    });
    QTimer::singleShot(3000, [] { QThread::msleep(1000); });

    form.findChild<ClickLabel*>("lgo")->click();
    QVERIFY(form.state().running);
    QTRY_VERIFY_WITH_TIMEOUT(!form.state().running, 20000);
    app_.watching = false;

    QCOMPARE(app_.deepest, 1);
    QVERIFY(app_.ticks > 0);
    QCOMPARE(app_.largestStep, 1.0);
    QCOMPARE(app_.brokenTotals, QStringList());
    QCOMPARE(app_.label("lleft")->text(), QString("0"));
    QCOMPARE(app_.counted(), double(kQuestions));
    QVERIFY(numberIn(app_.label("awrong")) >= 1);
    app_.form = nullptr;
}

int main(int argc, char** argv) {
    fonts::installSubstitutions();
    WatchingApplication app(argc, argv);
    StallTest test(app);
    return QTest::qExec(&test, argc, argv);
}

#include "test_stall.moc"
