#pragma once

#include <QCoreApplication>
#include <QString>
#include <functional>
#include <string>

#include "drillevents.h"

// Tells a listener what happened in the drill, one phrase for each command or tick, for a
// screen reader to speak: the command, the grading, the counters that changed, the question
// now on show, the answer chosen and the keys asked. Each thing is told once, when it changes.
class Narrator : public DrillEvents {
    Q_DECLARE_TR_FUNCTIONS(Narrator)
public:
    explicit Narrator(std::function<void(const QString&)> say);

    void questionShown(const Question& question) override;
    void answerChosen(int pos) override;
    void graded(const Grading& grading) override;
    void countersShown(const Counters& counters) override;
    void commandActed(DrillCommand command) override;
    void keyKindShown(keytable::KeyKind kind) override;
    void quizEnded(const Counters& counters) override;
    void turnEnded() override;

    // A key's name in the user's language.
    static QString keyName(const std::string& name);
    // What the picture of a key shows, "3 flats"; key 0 is the staff without a signature.
    static QString signature(int key);
    static QString quizOver(const Counters& counters);
    // A title and what follows it: "Questions left: 3".
    static QString titled(const QString& title, const QString& text);

private:
    // What the listener knows at the end of a turn.
    struct Heard {
        Counters counters;
        int choice = 0;
        keytable::KeyKind kind = keytable::KeyKind::Both;
    };

    // "1 right, 2 wrong": parts joined as the language joins a list.
    static QString listed(const QStringList& items);
    // A whole sentence: a capital first, closed as the language closes one.
    static QString sentence(const QString& text);
    QString answerAt(int pos) const;
    QString questionPhrase() const;
    static QString rightCount(int count);
    static QString wrongCount(int count);
    static QString questionsLeft(int count);
    static QString countersNews(const Counters& before, const Counters& now);
    static QString kindWords(keytable::KeyKind kind);

    std::function<void(const QString&)> say_;
    Heard heard_;
    Heard now_;
    Question question_;
    QString command_;
    QString grading_;
    bool newQuestion_ = false;
};
