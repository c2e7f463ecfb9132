// What a listener hears: the drill's events, a turn at a time, in the phrases a screen reader
// speaks. Each row plays events and lists the phrases told, one per turn that had news.
//
// Event words: show1, show2, show3 put one of three questions on show (nopic2 the second without
// its picture); chose2 points at answer 2 (chose0: at none); right:L/R/W and wrong:L/R/W grade the
// question on show, leaving those counters; n:L/R/W shows counters; go, stop, restart; kind:flats,
// kind:sharps, kind:both; pause ends the pause; over:L/R/W ends the quiz; | ends the turn.
#include <QtTest>
#include <map>
#include <sstream>

#include "narrator.h"
#include "translation.h"

namespace {

Question question(int key, std::array<std::string, 5> answers, int rightPos) {
    return {key, true, std::move(answers), rightPos};
}

const std::map<std::string, Question> kQuestions = {
    {"show1", question(6, {"", "F Sharp", "A", "D Flat", "E Flat"}, 1)},
    {"show2", question(10, {"", "C Flat", "A Flat", "E Flat", "B"}, 3)},
    {"show3", question(1, {"", "F", "G", "D", "C Sharp"}, 2)},
};

Counters countersIn(const std::string& word) {
    Counters counters;
    char slash = 0;
    std::istringstream(word.substr(word.find(':') + 1)) >> counters.left >> slash >>
        counters.right >> slash >> counters.wrong;
    return counters;
}

class Listener {
public:
    Listener() : narrator_([this](const QString& phrase) { heard << phrase; }) {}

    void play(const std::string& word) {
        const std::string head = word.substr(0, word.find(':'));
        const std::map<std::string, DrillCommand> commands = {{"go", DrillCommand::Go},
                                                              {"stop", DrillCommand::Stop},
                                                              {"restart", DrillCommand::Restart}};
        const std::map<std::string, keytable::KeyKind> kinds = {
            {"kind:flats", keytable::KeyKind::Flats},
            {"kind:sharps", keytable::KeyKind::Sharps},
            {"kind:both", keytable::KeyKind::Both}};
        if (kQuestions.contains(word)) {
            onShow_ = kQuestions.at(word);
            narrator_.questionShown(onShow_);
        } else if (word == "nopic2") {
            onShow_ = kQuestions.at("show2");
            onShow_.pictureShown = false;
            narrator_.questionShown(onShow_);
        } else if (head == "chose0" || head.starts_with("chose")) {
            narrator_.answerChosen(std::stoi(word.substr(5)));
        } else if (head == "right" || head == "wrong") {
            narrator_.graded({head == "right", onShow_.rightPos, countersIn(word)});
        } else if (head == "n") {
            narrator_.countersShown(countersIn(word));
        } else if (head == "over") {
            narrator_.quizEnded(countersIn(word));
        } else if (commands.contains(word)) {
            narrator_.commandActed(commands.at(word));
        } else if (kinds.contains(word)) {
            narrator_.keyKindShown(kinds.at(word));
        } else if (word == "pause") {
            narrator_.pauseEnded();
        } else if (word == "|") {
            narrator_.turnEnded();
        } else {
            QFAIL(qPrintable(QString("no such event word: %1").arg(word.c_str())));
        }
    }

    QStringList heard;

private:
    Narrator narrator_;
    Question onShow_;
};

}  // namespace

class NarratorTest : public QObject {
    Q_OBJECT
private slots:
    void eachTurnIsToldAsOnePhrase_data();
    void eachTurnIsToldAsOnePhrase();
};

void NarratorTest::eachTurnIsToldAsOnePhrase_data() {
    QTest::addColumn<QString>("events");
    QTest::addColumn<QStringList>("heard");
    QTest::newRow("a quiz of two questions")
        << "n:2/0/0 show1 go | chose1 | right:2/1/0 n:1/1/0 show2 | chose2 | wrong:1/1/1 | "
           "pause | n:0/1/1 | over:0/1/1 | n:2/0/0 restart | show3 go | stop |"
        << QStringList{"Go. 2 questions left. 6 sharps: 1 F Sharp, 2 A, 3 D Flat, 4 E Flat.",
                       "You chose 1, F Sharp.",
                       "Right: 1, F Sharp. 1 right, 1 question left. 3 flats: 1 C Flat, "
                       "2 A Flat, 3 E Flat, 4 B.",
                       "You chose 2, A Flat.",
                       "Wrong: the answer is 3, E Flat. 1 wrong.",
                       "0 questions left.",
                       "Quiz over: 1 right, 1 wrong.",
                       "Restart. 0 right, 0 wrong, 2 questions left.",
                       "Go. 1 sharp: 1 F, 2 G, 3 D, 4 C Sharp.",
                       "Stopped."};
    QTest::newRow("a turn without news is silent") << "| n:0/0/0 | pause |" << QStringList{};
    QTest::newRow("the same choice again is not news")
        << "show1 | chose2 | chose2 | chose0 | chose2 |"
        << QStringList{"6 sharps: 1 F Sharp, 2 A, 3 D Flat, 4 E Flat.", "You chose 2, A.",
                       "You chose 2, A."};
    QTest::newRow("a right answer takes the arrow away")
        << "show1 | chose1 | right:0/1/0 | chose1 |"
        << QStringList{"6 sharps: 1 F Sharp, 2 A, 3 D Flat, 4 E Flat.", "You chose 1, F Sharp.",
                       "Right: 1, F Sharp. 1 right.", "You chose 1, F Sharp."};
    QTest::newRow("a wrong one leaves it")
        << "show1 | chose2 | wrong:0/0/1 | chose2 |"
        << QStringList{"6 sharps: 1 F Sharp, 2 A, 3 D Flat, 4 E Flat.", "You chose 2, A.",
                       "Wrong: the answer is 1, F Sharp. 1 wrong."};
    QTest::newRow("a question without its picture")
        << "nopic2 |"
        << QStringList{"Staff without a key signature: 1 C Flat, 2 A Flat, 3 E Flat, 4 B."};
    QTest::newRow("the key kind when it changes")
        << "kind:both | kind:flats | kind:flats | kind:sharps | kind:both |"
        << QStringList{"Flat keys.", "Sharp keys.", "All keys."};
    QTest::newRow("one question left, then none")
        << "n:1/0/0 | n:0/0/0 |" << QStringList{"1 question left.", "0 questions left."};
}

void NarratorTest::eachTurnIsToldAsOnePhrase() {
    QFETCH(QString, events);
    QFETCH(QStringList, heard);
    const Translation english({"en"});
    Listener listener;
    for (const QString& word : events.split(' ', Qt::SkipEmptyParts)) {
        listener.play(word.toStdString());
    }
    QCOMPARE(listener.heard, heard);
}

QTEST_GUILESS_MAIN(NarratorTest)
#include "test_narrator.moc"
