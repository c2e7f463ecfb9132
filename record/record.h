#pragma once

#include <QCoreApplication>
#include <QDateTime>
#include <QList>
#include <QSqlDatabase>
#include <QSqlError>
#include <QString>
#include <array>
#include <optional>
#include <vector>

#include "clef.h"
#include "keymode.h"

// One graded answer as it is stored.
struct GradedAnswer {
    QDateTime at;  // when it was graded; left invalid, add() takes the current time
    Clef clef = Clef::Treble;
    KeyMode mode = KeyMode::Major;
    int key = 1;                // the key asked, 1 to 14
    std::optional<int> chosen;  // the key the chosen answer names; none when none was chosen
    bool right = false;
    int secondsAllowed = 5;         // the setting, 0 to 10
    std::optional<int> msToChoice;  // from showing the question to the last choice
    std::optional<qint64> quiz;     // from startQuiz()
};

// How one key has gone.
struct KeyFigures {
    int key = 0;
    int asked = 0;
    int right = 0;
    std::optional<int> averageMs;  // to the last choice, over the answers that had one
};

struct QuizScore {
    qint64 quiz = 0;
    QDateTime started;
    int graded = 0;
    int right = 0;
};

// One answer to a key: right or not, and the time to its last choice, if one was made.
struct Outcome {
    bool right = false;
    std::optional<int> ms;
};

// Which answers the figures cover: all of them unless narrowed.
struct Span {
    QDateTime since;                       // invalid: from the first answer
    std::optional<QList<qint64>> quizzes;  // set: only the answers of these quizzes
};

// The learner's record: a SQLite database of graded answers, each committed the moment it is
// stored. Everything runs on the caller's thread, when called.
//
// Opening never loses what is in the file. A damaged file is kept aside under a new name and a
// fresh one started; a file that cannot be opened or written, or that a newer version wrote,
// is left as it was and nothing is stored. Each case gives one message for the user.
class Record {
    Q_DECLARE_TR_FUNCTIONS(Record)

public:
    // Opens the database at `path`, creating it and its folder when missing.
    explicit Record(QString path);
    ~Record();
    Record(const Record&) = delete;
    Record& operator=(const Record&) = delete;

    // Whether answers can be stored.
    bool isOpen() const { return db_.isOpen(); }
    // What went wrong last, in a sentence for the user, or, right after opening, where a
    // damaged file was put aside. Empty when there is nothing to say.
    const QString& message() const { return message_; }

    // Each returns none or false, with a message, when nothing could be stored.
    std::optional<qint64> startQuiz(Clef clef, KeyMode mode, int questions);
    bool add(const GradedAnswer& answer);

    // The figures of the keys 1 to 14, in that order.
    std::array<KeyFigures, 14> keyFigures(Clef clef, KeyMode mode, const Span& span = {}) const;
    // The scores of the last `count` quizzes with an answer graded, oldest first.
    std::vector<QuizScore> lastQuizzes(Clef clef, KeyMode mode, int count) const;
    // For each of the keys 1 to 14, its last `perKey` outcomes, newest first.
    std::array<std::vector<Outcome>, 14> recentOutcomes(Clef clef, KeyMode mode, int perKey) const;

    // Deletes the database at `path` with its -wal and -shm files; no Record may have it open.
    // Returns a message for the user when it could not, else an empty string.
    static QString remove(const QString& path);

private:
    enum class Found { Usable, Damaged, Unknown, Unusable };
    void open();
    Found inspect();
    Found readFile();
    bool prepare();
    bool keepAside(QString& asideName);
    QString cannotKeep(const QSqlError& error) const;
    void fail(const QString& message);

    QString path_;
    QString connection_;
    QSqlDatabase db_;
    QSqlError error_;
    QString message_;
};
