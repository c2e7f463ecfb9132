#pragma once

#include <QCoreApplication>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "drillevents.h"
#include "practice.h"
#include "record.h"

// The learner as the drill meets them: every answer graded in this run and, while the record is
// kept, in the record on disk as well; the weights practice draws the next key by; and the
// figures the progress window shows.
class Learner : public DrillEvents, public KeyWeights {
    Q_DECLARE_TR_FUNCTIONS(Learner)
public:
    // `clock` gives steady milliseconds; `tell` puts a problem with the record to the user.
    Learner(std::function<qint64()> clock, std::function<void(const QString&)> tell);
    ~Learner() override;

    // Keeps every answer from now on in the database at `path`. False, having told the user
    // why, when it cannot be opened; the drill goes on without storing.
    bool keep(const QString& path);
    void stopKeeping();
    bool keeping() const { return record_ != nullptr; }

    // The practice weights, for the clef and keys of the quiz on now.
    double weight(int key) const override;

    struct Figures {
        std::array<KeyFigures, 14> keys;
        std::vector<QuizScore> quizzes;  // the last twenty, oldest first
    };
    // For a clef and keys: this run's answers, or the whole record's while it is kept.
    Figures figures(Clef clef, KeyMode mode, bool wholeRecord) const;

    void quizStarted(const QuizStart& start) override;
    void questionShown(const Question& question) override;
    void answerChosen(int pos) override;
    void graded(const Grading& grading) override;

private:
    struct RunAnswer {
        GradedAnswer answer;
        int quiz;  // this run's count of quizzes when it was graded
    };
    std::array<std::vector<practice::Outcome>, 14> recentOutcomes() const;
    Figures runFigures(Clef clef, KeyMode mode) const;
    void store(GradedAnswer answer);
    void giveUp(const QString& why);

    std::function<qint64()> clock_;
    std::function<void(const QString&)> tell_;
    std::unique_ptr<Record> record_;
    std::vector<RunAnswer> run_;
    QuizStart quiz_;
    int quizzes_ = 0;
    std::vector<QDateTime> quizStarts_;  // this run's, by count
    std::optional<qint64> storedQuiz_;
    Question question_;
    qint64 shownAt_ = 0;
    std::optional<qint64> choiceAt_;
    int chosenPos_ = 0;
    mutable std::optional<std::array<double, 14>> weights_;
};
