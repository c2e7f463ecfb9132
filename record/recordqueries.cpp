// What the progress window and the practice read from the record.
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

#include "record.h"
#include "stored.h"

namespace {

// A query over the answers of one clef and mode, its values bound in order.
QSqlQuery ofKind(const QSqlDatabase& db, const QString& sql, Clef clef, KeyMode mode) {
    QSqlQuery query(db);
    query.setForwardOnly(true);
    query.prepare(sql);
    query.addBindValue(stored::word(clefWord(clef)));
    query.addBindValue(stored::word(keyModeWord(mode)));
    return query;
}

std::optional<int> intOrNone(const QVariant& value) {
    return value.isNull() ? std::nullopt : std::optional(qRound(value.toDouble()));
}

bool isKey(int key) {
    return key >= 1 && key <= 14;
}

}  // namespace

std::array<KeyFigures, 14> Record::keyFigures(Clef clef, KeyMode mode, const Span& span) const {
    std::array<KeyFigures, 14> figures;
    for (int key = 1; key <= 14; ++key) {
        figures[static_cast<size_t>(key - 1)].key = key;
    }
    if (!isOpen()) {
        return figures;
    }
    QString sql =
        "SELECT key, COUNT(*), SUM(correct), AVG(ms) FROM answers WHERE clef = ? AND mode = ?";
    if (span.since.isValid()) {
        sql += " AND at >= ?";
    }
    if (span.quizzes) {
        sql += " AND quiz IN (" + QStringList(span.quizzes->size(), "?").join(',') + ")";
    }
    QSqlQuery query = ofKind(db_, sql + " GROUP BY key", clef, mode);
    if (span.since.isValid()) {
        query.addBindValue(stored::time(span.since));
    }
    for (const qint64 quiz : span.quizzes.value_or(QList<qint64>())) {
        query.addBindValue(quiz);
    }
    query.exec();
    while (query.next()) {
        const int key = query.value(0).toInt();
        if (isKey(key)) {
            figures[static_cast<size_t>(key - 1)] = {
                key, query.value(1).toInt(), query.value(2).toInt(), intOrNone(query.value(3))};
        }
    }
    return figures;
}

std::vector<QuizScore> Record::lastQuizzes(Clef clef, KeyMode mode, int count) const {
    std::vector<QuizScore> scores;
    if (!isOpen()) {
        return scores;
    }
    QSqlQuery query = ofKind(db_,
                             "SELECT quizzes.id, started, COUNT(*), SUM(correct) FROM quizzes"
                             " JOIN answers ON answers.quiz = quizzes.id"
                             " WHERE quizzes.clef = ? AND quizzes.mode = ?"
                             " GROUP BY quizzes.id ORDER BY quizzes.id DESC LIMIT ?",
                             clef, mode);
    query.addBindValue(count);
    query.exec();
    while (query.next()) {
        scores.insert(scores.begin(),
                      {query.value(0).toLongLong(), stored::timeFrom(query.value(1).toString()),
                       query.value(2).toInt(), query.value(3).toInt()});
    }
    return scores;
}

std::array<std::vector<Outcome>, 14> Record::recentOutcomes(Clef clef, KeyMode mode,
                                                            int perKey) const {
    std::array<std::vector<Outcome>, 14> outcomes;
    if (!isOpen()) {
        return outcomes;
    }
    QSqlQuery query = ofKind(db_,
                             "SELECT key, correct, ms FROM ("
                             " SELECT key, correct, ms,"
                             " ROW_NUMBER() OVER (PARTITION BY key ORDER BY id DESC) AS newest"
                             " FROM answers WHERE clef = ? AND mode = ?)"
                             " WHERE newest <= ? ORDER BY key, newest",
                             clef, mode);
    query.addBindValue(perKey);
    query.exec();
    while (query.next()) {
        const int key = query.value(0).toInt();
        if (isKey(key)) {
            outcomes[static_cast<size_t>(key - 1)].push_back(
                {query.value(1).toInt() == 1, intOrNone(query.value(2))});
        }
    }
    return outcomes;
}
