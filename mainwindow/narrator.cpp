#include "narrator.h"

#include <QStringList>
#include <utility>

Narrator::Narrator(std::function<void(const QString&)> say) : say_(std::move(say)) {}

QString Narrator::keyName(const std::string& name) {
    return QCoreApplication::translate("KeyName", name.c_str());
}

QString Narrator::signature(int key) {
    if (key == 0) {
        return tr("Staff without a key signature");
    }
    const std::string words(keytable::signatureWords(key));
    return QCoreApplication::translate("Signature", words.c_str())
        .arg(keytable::accidentalCount(key));
}

QString Narrator::quizOver(const Counters& counters) {
    return tr("Quiz over: %1 right, %2 wrong").arg(counters.right).arg(counters.wrong);
}

QString Narrator::titled(const QString& title, const QString& text) {
    return tr("%1: %2").arg(title, text);
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
    return QString("%1, %2").arg(pos).arg(keyName(question_.answers.at(static_cast<size_t>(pos))));
}

QString Narrator::questionPhrase() const {
    QStringList named;
    for (int pos = 1; pos <= 4; ++pos) {
        named << QString("%1 %2").arg(pos).arg(
            keyName(question_.answers.at(static_cast<size_t>(pos))));
    }
    return titled(signature(question_.pictureShown ? question_.key : 0), named.join(", "));
}

QString Narrator::countersNews(const Counters& before, const Counters& now) {
    QStringList counters;
    if (now.right != before.right) {
        counters << tr("%1 right").arg(now.right);
    }
    if (now.wrong != before.wrong) {
        counters << tr("%1 wrong").arg(now.wrong);
    }
    if (now.left != before.left) {
        counters
            << (now.left == 1 ? tr("%1 question left") : tr("%1 questions left")).arg(now.left);
    }
    return counters.join(", ");
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

// Everything one command or tick changed, in one phrase.
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
    if (!news.isEmpty()) {
        say_(news.join(". ") + ".");
    }
}
