// What a listener hears: the drill's events, a turn at a time, in the phrases a screen reader
// speaks. Each row plays events and lists the phrases told, one per turn that had news.
//
// Event words: show1, show2, show3 put one of three questions on show (nopic2 the second without
// its picture); chose2 points at answer 2 (chose0: at none); right:L/R/W and wrong:L/R/W grade the
// question on show, leaving those counters; n:L/R/W shows counters; go, stop, restart; kind:flats,
// kind:sharps, kind:both; pause ends the pause; over:L/R/W ends the quiz; | ends the turn.
// Then the same in each language the program speaks, as its grammar and typography have it.
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

QStringList heardFrom(const QString& events) {
    Listener listener;
    for (const QString& word : events.split(' ', Qt::SkipEmptyParts)) {
        listener.play(word.toStdString());
    }
    return listener.heard;
}

// For each language: the counters told for 0, 1, 2, 5 and 22 right, wrong and left answers,
// then the pictures of 1, 2 and 5 sharps and flats.
const std::map<QString, QStringList> kCounted = {
    {"en",
     {"0 right, 0 wrong, 0 questions left.", "1 right, 1 wrong, 1 question left.",
      "2 right, 2 wrong, 2 questions left.", "5 right, 5 wrong, 5 questions left.",
      "22 right, 22 wrong, 22 questions left.", "1 sharp, 1 flat", "2 sharps, 2 flats",
      "5 sharps, 5 flats"}},
    {"de",
     {"0 richtig, 0 falsch, keine Fragen mehr.", "1 richtig, 1 falsch, 1 Frage übrig.",
      "2 richtig, 2 falsch, 2 Fragen übrig.", "5 richtig, 5 falsch, 5 Fragen übrig.",
      "22 richtig, 22 falsch, 22 Fragen übrig.", "1 Kreuz, 1 b", "2 Kreuze, 2 b", "5 Kreuze, 5 b"}},
    {"fr",
     {"0 bonne réponse, 0 erreur, plus aucune question.",
      "1 bonne réponse, 1 erreur, 1 question restante.",
      "2 bonnes réponses, 2 erreurs, 2 questions restantes.",
      "5 bonnes réponses, 5 erreurs, 5 questions restantes.",
      "22 bonnes réponses, 22 erreurs, 22 questions restantes.", "1 dièse, 1 bémol",
      "2 dièses, 2 bémols", "5 dièses, 5 bémols"}},
    {"es",
     {"0 aciertos, 0 errores, no quedan preguntas.", "1 acierto, 1 error, queda 1 pregunta.",
      "2 aciertos, 2 errores, quedan 2 preguntas.", "5 aciertos, 5 errores, quedan 5 preguntas.",
      "22 aciertos, 22 errores, quedan 22 preguntas.", "1 sostenido, 1 bemol",
      "2 sostenidos, 2 bemoles", "5 sostenidos, 5 bemoles"}},
    {"it",
     {"0 giuste, 0 sbagliate, non restano domande.", "1 giusta, 1 sbagliata, resta 1 domanda.",
      "2 giuste, 2 sbagliate, restano 2 domande.", "5 giuste, 5 sbagliate, restano 5 domande.",
      "22 giuste, 22 sbagliate, restano 22 domande.", "1 diesis, 1 bemolle", "2 diesis, 2 bemolli",
      "5 diesis, 5 bemolli"}},
    {"nl",
     {"0 goed, 0 fout, geen vragen meer.", "1 goed, 1 fout, nog 1 vraag.",
      "2 goed, 2 fout, nog 2 vragen.", "5 goed, 5 fout, nog 5 vragen.",
      "22 goed, 22 fout, nog 22 vragen.", "1 kruis, 1 mol", "2 kruisen, 2 mollen",
      "5 kruisen, 5 mollen"}},
    {"pl",
     {"0 poprawnych, 0 błędnych, nie ma już pytań.", "1 poprawna, 1 błędna, zostało 1 pytanie.",
      "2 poprawne, 2 błędne, zostały 2 pytania.", "5 poprawnych, 5 błędnych, zostało 5 pytań.",
      "22 poprawne, 22 błędne, zostały 22 pytania.", "1 krzyżyk, 1 bemol", "2 krzyżyki, 2 bemole",
      "5 krzyżyków, 5 bemoli"}},
    {"ru",
     {"0 верных ответов, 0 ошибок, вопросов больше нет.",
      "1 верный ответ, 1 ошибка, остался 1 вопрос.",
      "2 верных ответа, 2 ошибки, осталось 2 вопроса.",
      "5 верных ответов, 5 ошибок, осталось 5 вопросов.",
      "22 верных ответа, 22 ошибки, осталось 22 вопроса.", "1 диез, 1 бемоль", "2 диеза, 2 бемоля",
      "5 диезов, 5 бемолей"}},
};

// A capital after a comma, where no key name stands: the start of a piece glued into a sentence.
bool capitalAfterComma(const QString& phrase) {
    static const QRegularExpression capital(", \\p{Lu}");
    for (auto match = capital.globalMatch(phrase); match.hasNext();) {
        const QString rest = phrase.mid(match.next().capturedStart() + 2);
        bool keyName = false;
        for (int key = 1; key <= keytable::kKeyCount; ++key) {
            const QString name = Narrator::keyName(std::string(keytable::keyName(key)));
            keyName |= rest.startsWith(name) &&
                       !rest.mid(name.size(), 1).contains(QRegularExpression("\\w"));
        }
        if (!keyName) {
            return true;
        }
    }
    return false;
}

}  // namespace

class NarratorTest : public QObject {
    Q_OBJECT
private slots:
    void eachTurnIsToldAsOnePhrase_data();
    void eachTurnIsToldAsOnePhrase();
    void eachLanguageSaysAQuizAsItIsWritten_data();
    void eachLanguageSaysAQuizAsItIsWritten();
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
    QCOMPARE(heardFrom(events), heard);
}

void NarratorTest::eachLanguageSaysAQuizAsItIsWritten_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("counters");
    QTest::addColumn<QString>("signatures");
    for (const auto& [language, said] : kCounted) {
        const int counts[] = {0, 1, 2, 5, 22};
        for (int i = 0; i < 5; ++i) {
            QTest::addRow("%s %d", qPrintable(language), counts[i])
                << language << counts[i] << said[i] << (i == 0 || i == 4 ? "" : said[4 + i]);
        }
    }
}

// Each count in the form its language's grammar asks for; every sentence begins with a
// capital, none comes after a comma, and French sets its no-break spaces before : ; ! ?.
void NarratorTest::eachLanguageSaysAQuizAsItIsWritten() {
    QFETCH(QString, language);
    QFETCH(int, count);
    QFETCH(QString, counters);
    QFETCH(QString, signatures);
    const Translation translation({language});
    const QString n = QString::number(count);
    const QStringList heard =
        heardFrom(QString("n:9/9/9 | n:%1/%1/%1 | n:3/%1/%1 show1 go | chose2 | wrong:3/%1/%1 | "
                          "kind:flats | n:0/%1/%1 | over:0/%1/%1 | restart |")
                      .arg(n));
    QCOMPARE(heard.value(1), counters);
    if (!signatures.isEmpty()) {
        QCOMPARE(Narrator::signature(count) + ", " + Narrator::signature(7 + count), signatures);
    }
    static const QRegularExpression lowerStart("(^|\\. )\\p{Ll}");
    static const QRegularExpression frenchSpace("[^\\x{00A0}]:|[^\\x{202F}][;!?]");
    for (const QString& phrase : heard) {
        QVERIFY2(!lowerStart.match(phrase).hasMatch() && !capitalAfterComma(phrase),
                 qPrintable(phrase));
        QVERIFY2(language != "fr" || !frenchSpace.match(phrase).hasMatch(), qPrintable(phrase));
    }
}

QTEST_GUILESS_MAIN(NarratorTest)
#include "test_narrator.moc"
