#include "narrator.h"

#include <QStringList>
#include <utility>

namespace {

// Every language the program speaks begins a sentence with a capital; the parts that fill a
// sentence are translated as they stand inside one.
QString capitalised(QString text) {
    for (QChar& c : text) {
        if (c.isLetterOrNumber()) {
            c = c.toUpper();
            break;
        }
    }
    return text;
}

}  // namespace

Narrator::Narrator(std::function<void(const QString&)> say) : say_(std::move(say)) {}

QString Narrator::keyName(const std::string& name) {
    return QCoreApplication::translate("KeyName", name.c_str());
}

QString Narrator::signature(int key) {
    if (key == 0) {
        return tr("Staff without a key signature");
    }
    const std::string words(keytable::signatureWords(key));
    return QCoreApplication::translate("Signature", words.c_str(), nullptr,
                                       keytable::accidentalCount(key));
}

QString Narrator::quizOver(const Counters& counters) {
    //: %1 lists the right and the wrong answers: "1 right, 2 wrong".
    return tr("Quiz over: %1")
        .arg(listed({rightCount(counters.right), wrongCount(counters.wrong)}));
}

QString Narrator::titled(const QString& title, const QString& text) {
    return tr("%1: %2").arg(title, text);
}

QString Narrator::listed(const QStringList& items) {
    QString list;
    for (const QString& item : items) {
        //: Joins the parts of a list: "1 right, 2 wrong"; %1 may itself be a list.
        list = list.isEmpty() ? item : tr("%1, %2", "a list").arg(list, item);
    }
    return list;
}

QString Narrator::sentence(const QString& text) {
    //: A sentence told to the listener, closed as your language closes one. Its first letter
    //: is made a capital.
    return capitalised(tr("%1.").arg(text));
}

void Narrator::questionShown(const Question& question) {
    question_ = question;
    now_.choice = 0;
    newQuestion_ = true;
}

void Narrator::answerChosen(int pos) {
    now_.choice = pos;
}

// Told as the question the listener heard last stands: the next one has not come yet.
void Narrator::graded(const Grading& grading) {
    const QString answer = answerAt(grading.rightPos);
    grading_ =
        grading.right ? tr("Right: %1").arg(answer) : tr("Wrong: the answer is %1").arg(answer);
    if (grading.right) {
        now_.choice = 0;  // a right answer takes the arrow away
    }
    countersShown(grading.counters);
}

void Narrator::countersShown(const Counters& counters) {
    now_.counters = counters;
}

void Narrator::commandActed(DrillCommand command) {
    command_ = command == DrillCommand::Go     ? tr("Go")
               : command == DrillCommand::Stop ? tr("Stopped")
                                               : tr("Restart");
}

void Narrator::keyKindShown(keytable::KeyKind kind) {
    now_.kind = kind;
}

void Narrator::quizEnded(const Counters& counters) {
    command_ = quizOver(counters);
}

QString Narrator::answerAt(int pos) const {
    //: An answer told with its place: "1, F Sharp".
    return tr("%1, %2", "an answer")
        .arg(pos)
        .arg(keyName(question_.answers.at(static_cast<size_t>(pos))));
}

QString Narrator::questionPhrase() const {
    QStringList named;
    for (int pos = 1; pos <= 4; ++pos) {
        //: One of the four answers read out with the question: "1 F Sharp".
        named << tr("%1 %2", "an answer in the list")
                     .arg(pos)
                     .arg(keyName(question_.answers.at(static_cast<size_t>(pos))));
    }
    return titled(signature(question_.pictureShown ? question_.key : 0), listed(named));
}

QString Narrator::rightCount(int count) {
    return tr("%n right", nullptr, count);
}

QString Narrator::wrongCount(int count) {
    return tr("%n wrong", nullptr, count);
}

// None left is no count: each language says it in its own words.
QString Narrator::questionsLeft(int count) {
    if (count == 0) {
        //: Said when no question is left, alone or after the counts of right and wrong answers.
        return tr("0 questions left");
    }
    return tr("%n questions left", nullptr, count);
}

QString Narrator::countersNews(const Counters& before, const Counters& now) {
    QStringList counters;
    if (now.right != before.right) {
        counters << rightCount(now.right);
    }
    if (now.wrong != before.wrong) {
        counters << wrongCount(now.wrong);
    }
    if (now.left != before.left) {
        counters << questionsLeft(now.left);
    }
    return listed(counters);
}

QString Narrator::kindWords(keytable::KeyKind kind) {
    switch (kind) {
        case keytable::KeyKind::Flats:
            return tr("Flat keys");
        case keytable::KeyKind::Sharps:
            return tr("Sharp keys");
        case keytable::KeyKind::Both:
            break;
    }
    return tr("All keys");
}

// Everything one command or tick changed, in one phrase of whole sentences.
void Narrator::turnEnded() {
    QStringList news = {std::exchange(command_, {}), std::exchange(grading_, {}),
                        countersNews(heard_.counters, now_.counters)};
    if (std::exchange(newQuestion_, false)) {
        news << questionPhrase();
    }
    if (now_.choice != heard_.choice && now_.choice != 0) {
        news << tr("You chose %1").arg(answerAt(now_.choice));
    }
    if (now_.kind != heard_.kind) {
        news << kindWords(now_.kind);
    }
    heard_ = now_;
    news.removeAll(QString());
    QStringList sentences;
    for (const QString& part : news) {
        sentences << sentence(part);
    }
    if (!sentences.isEmpty()) {
        say_(sentences.join(' '));
    }
}
