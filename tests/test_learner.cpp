// The learner as the drill meets them, on the simulated clock: what each graded answer becomes
// in the record, this run's figures beside the record's, practice weights, and a record that
// fails while the drill goes on.
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

#include "drill.h"
#include "fakewindow.h"
#include "learner.h"
#include "scriptedrandom.h"
#include "simclock.h"

namespace {

// Each answer stored: "key|chosen|correct|seconds|ms|quiz", NULL for none.
QStringList storedAnswers(const QString& path) {
    QStringList rows;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "check");
        db.setDatabaseName(path);
        db.open();
        QSqlQuery query("SELECT key, chosen, correct, seconds, ms, quiz FROM answers ORDER BY id",
                        db);
        while (query.next()) {
            QStringList values;
            for (int i = 0; i < 6; ++i) {
                values << (query.isNull(i) ? "NULL" : query.value(i).toString());
            }
            rows << values.join('|');
        }
    }
    QSqlDatabase::removeDatabase("check");
    return rows;
}

struct Rig {
    explicit Rig(const QString& record = {}) {
        if (!record.isEmpty()) {
            QVERIFY(learner.keep(record));
        }
    }
    const QuizState& state() const { return drill.state(); }
    void answer(int pos, int afterMs) {
        clock.runFor(afterMs);
        drill.choose(pos);
    }

    SimClock clock;
    FakeWindow window;
    ScriptedRandom random;
    QStringList told;
    Learner learner{[this] { return clock.now(); }, [this](const QString& why) { told << why; }};
    Drill drill{window, learner, clock, random};
};

}  // namespace

class LearnerTest : public QObject {
    Q_OBJECT
private slots:
    void eachGradedAnswerIsStoredWithItsTimeAndChoice();
    void thisRunIsCountedApartFromTheWholeRecord();
    void aMissedKeyWeighsMoreInItsOwnClefAndKeys();
    void aRecordThatFailsIsToldOnceAndTheDrillGoesOn();

private:
    QTemporaryDir folder;
    QString record() const { return folder.filePath("record.db"); }
};

// 2 s a question: right after 1.2 s, wrong after 0.3 s, then none; Restart and Go make one
// quiz of it.
void LearnerTest::eachGradedAnswerIsStoredWithItsTimeAndChoice() {
    QFile::remove(record());
    Rig rig(record());
    rig.drill.setSeconds(2);
    rig.drill.restart();
    rig.drill.go();
    const int first = rig.state().keyNum;
    rig.answer(rig.state().rightPos, 1200);
    rig.clock.runFor(1300);
    const int second = rig.state().keyNum;
    const int wrongPos = rig.state().rightPos % 4 + 1;
    const std::string wrongName = rig.window.choices.at(static_cast<size_t>(wrongPos));
    rig.answer(wrongPos, 300);
    rig.clock.runFor(2200 + 2000 + 1);
    const int third = rig.state().keyNum;
    rig.clock.runFor(2500);
    const QStringList expected = {
        QString("%1|%1|1|2|1200|1").arg(first),
        QString("%1|%2|0|2|300|1").arg(second).arg(keytable::keyNamed(wrongName, KeyMode::Major)),
        QString("%1|NULL|0|2|NULL|1").arg(third)};
    QCOMPARE(storedAnswers(record()), expected);
    QCOMPARE(rig.told, QStringList());
}

void LearnerTest::thisRunIsCountedApartFromTheWholeRecord() {
    QFile::remove(record());
    for (int run = 1; run <= 2; ++run) {
        Rig rig(record());
        rig.drill.setQuestions(1);
        rig.drill.go();
        rig.answer(rig.state().rightPos, 100);
        rig.clock.runFor(5500);
        const auto asked = [&](bool whole) {
            int sum = 0;
            for (const KeyFigures& key :
                 rig.learner.figures(Clef::Treble, KeyMode::Major, whole).keys) {
                sum += key.asked;
            }
            return sum;
        };
        QCOMPARE(asked(false), 1);
        QCOMPARE(asked(true), run);
        QCOMPARE(rig.learner.figures(Clef::Bass, KeyMode::Major, true).keys[0].asked, 0);
        QCOMPARE(int(rig.learner.figures(Clef::Treble, KeyMode::Major, true).quizzes.size()), run);
    }
}

// Without a record, this run's answers weigh: a key missed weighs more in the clef and keys it
// was missed in, and nothing anywhere else.
void LearnerTest::aMissedKeyWeighsMoreInItsOwnClefAndKeys() {
    Rig rig;
    rig.drill.go();
    const int missed = rig.state().keyNum;
    rig.clock.runFor(5500);
    QVERIFY(rig.learner.weight(missed) > rig.learner.weight(missed % 14 + 1));
    rig.drill.stop();
    rig.drill.setMode(KeyMode::Minor);
    rig.drill.go();
    QCOMPARE(rig.learner.weight(missed), rig.learner.weight(missed % 14 + 1));
}

// The record's folder turns read-only under a running quiz: one message, then this run goes on.
void LearnerTest::aRecordThatFailsIsToldOnceAndTheDrillGoesOn() {
    QFile::remove(record());
    Rig rig(record());
    rig.drill.setSeconds(0);
    rig.drill.go();
    rig.clock.runFor(500);
    QSqlDatabase::database(QSqlDatabase::connectionNames().value(0)).exec("PRAGMA query_only = 1");
    rig.clock.runFor(5000);
    QCOMPARE(rig.told.size(), 1);
    QVERIFY(!rig.learner.keeping());
    QVERIFY(rig.window.caption(Caption::Wrong) != "1");
}

QTEST_GUILESS_MAIN(LearnerTest)
#include "test_learner.moc"
