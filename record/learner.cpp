#include "learner.h"

#include <QDateTime>
#include <algorithm>
#include <map>

namespace {

constexpr int kQuizzesShown = 20;

int msAllowed(int seconds) {
    return seconds * 1000 + 500;
}

}  // namespace

Learner::Learner(std::function<qint64()> clock, std::function<void(const QString&)> tell)
    : clock_(std::move(clock)), tell_(std::move(tell)) {}

Learner::~Learner() = default;

bool Learner::keep(const QString& path) {
    auto record = std::make_unique<Record>(path);
    if (!record->message().isEmpty()) {
        tell_(record->message());  // a damaged file kept aside, or one that cannot be used
    }
    if (!record->isOpen()) {
        return false;
    }
    record_ = std::move(record);
    storedQuiz_.reset();
    weights_.reset();
    return true;
}

void Learner::stopKeeping() {
    record_.reset();
    storedQuiz_.reset();
    weights_.reset();
}

// One problem is told once; the answers go on being counted in this run.
void Learner::giveUp(const QString& why) {
    tell_(why);
    stopKeeping();
}

// The record learns of a quiz with its first answer, so that a Restart and the Go after it
// do not leave an empty quiz behind.
void Learner::quizStarted(const QuizStart& start) {
    quiz_ = start;
    ++quizzes_;
    quizStarts_.push_back(QDateTime::currentDateTimeUtc());
    weights_.reset();
    storedQuiz_.reset();
}

void Learner::questionShown(const Question& question) {
    question_ = question;
    shownAt_ = clock_();
    choiceAt_.reset();
    chosenPos_ = 0;
}

void Learner::answerChosen(int pos) {
    chosenPos_ = pos;
    choiceAt_ = pos == 0 ? std::nullopt : std::optional(clock_());
}

void Learner::graded(const Grading& grading) {
    GradedAnswer answer;
    answer.at = QDateTime::currentDateTimeUtc();
    answer.clef = quiz_.clef;
    answer.mode = quiz_.mode;
    answer.key = question_.key;
    if (chosenPos_ != 0) {
        const std::string& name = question_.answers.at(static_cast<size_t>(chosenPos_));
        answer.chosen = keytable::keyNamed(name, quiz_.mode);
    }
    answer.right = grading.right;
    answer.secondsAllowed = grading.secondsAllowed;
    if (choiceAt_) {
        answer.msToChoice = static_cast<int>(*choiceAt_ - shownAt_);
    }
    run_.push_back({answer, quizzes_});
    weights_.reset();
    store(answer);
}

void Learner::store(GradedAnswer answer) {
    if (!record_) {
        return;
    }
    if (!storedQuiz_) {
        storedQuiz_ = record_->startQuiz(quiz_.clef, quiz_.mode, quiz_.questions);
    }
    answer.quiz = storedQuiz_;
    if (!storedQuiz_ || !record_->add(answer)) {
        giveUp(record_->message());
    }
}

// Newest first: the record's while it is kept, which holds this run's too, else this run's.
std::array<std::vector<practice::Outcome>, 14> Learner::recentOutcomes() const {
    std::array<std::vector<practice::Outcome>, 14> outcomes;
    if (record_) {
        const auto stored = record_->recentOutcomes(quiz_.clef, quiz_.mode, practice::kRecent);
        for (size_t key = 0; key < outcomes.size(); ++key) {
            for (const Outcome& outcome : stored[key]) {
                outcomes[key].push_back(
                    {outcome.right, outcome.ms, msAllowed(outcome.secondsAllowed)});
            }
        }
        return outcomes;
    }
    for (auto answer = run_.rbegin(); answer != run_.rend(); ++answer) {
        const GradedAnswer& a = answer->answer;
        if (a.clef == quiz_.clef && a.mode == quiz_.mode) {
            outcomes.at(static_cast<size_t>(a.key - 1))
                .push_back({a.right, a.msToChoice, msAllowed(a.secondsAllowed)});
        }
    }
    return outcomes;
}

double Learner::weight(int key) const {
    if (!weights_) {
        const auto outcomes = recentOutcomes();
        weights_.emplace();
        for (size_t i = 0; i < outcomes.size(); ++i) {
            (*weights_)[i] = practice::weightOf(outcomes[i]);
        }
    }
    return weights_->at(static_cast<size_t>(key - 1));
}

Learner::Figures Learner::figures(Clef clef, KeyMode mode, bool wholeRecord) const {
    if (wholeRecord && record_) {
        return {record_->keyFigures(clef, mode), record_->lastQuizzes(clef, mode, kQuizzesShown)};
    }
    return runFigures(clef, mode);
}

Learner::Figures Learner::runFigures(Clef clef, KeyMode mode) const {
    Figures figures;
    std::array<long long, 14> totalMs{};
    std::array<int, 14> timed{};
    std::map<int, QuizScore> quizzes;
    for (const auto& [answer, quiz] : run_) {
        if (answer.clef != clef || answer.mode != mode) {
            continue;
        }
        const auto index = static_cast<size_t>(answer.key - 1);
        KeyFigures& key = figures.keys.at(index);
        ++key.asked;
        key.right += answer.right;
        if (answer.msToChoice) {
            totalMs[index] += *answer.msToChoice;
            ++timed[index];
        }
        QuizScore& score = quizzes[quiz];
        score.quiz = quiz;
        score.started = quizStarts_.at(static_cast<size_t>(quiz - 1));
        ++score.graded;
        score.right += answer.right;
    }
    for (size_t i = 0; i < figures.keys.size(); ++i) {
        figures.keys[i].key = static_cast<int>(i) + 1;
        if (timed[i] > 0) {
            figures.keys[i].averageMs = static_cast<int>(totalMs[i] / timed[i]);
        }
    }
    for (const auto& [quiz, score] : quizzes) {
        figures.quizzes.push_back(score);
    }
    const auto excess = std::max<ptrdiff_t>(0, std::ssize(figures.quizzes) - kQuizzesShown);
    figures.quizzes.erase(figures.quizzes.begin(), figures.quizzes.begin() + excess);
    return figures;
}
