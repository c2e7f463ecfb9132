#include "schema.h"

#include <QSqlQuery>
#include <QVariant>
#include <array>
#include <vector>

namespace schema {

namespace {

using Step = std::vector<const char*>;

// Step i takes a file from version i to version i + 1. A step, once released, never changes:
// files of its version are out there.
const std::array<Step, kVersion> kSteps = {
    Step{
        "CREATE TABLE answers ("
        " id INTEGER PRIMARY KEY,"
        " at TEXT NOT NULL,"  // UTC, ISO 8601 with milliseconds
        " clef TEXT NOT NULL,"
        " mode TEXT NOT NULL,"
        " key INTEGER NOT NULL CHECK (key BETWEEN 1 AND 14),"
        " chosen INTEGER CHECK (chosen BETWEEN 1 AND 14),"  // NULL: no answer was chosen
        " correct INTEGER NOT NULL CHECK (correct IN (0, 1)),"
        " seconds INTEGER NOT NULL,"  // the seconds allowed
        " ms INTEGER)",               // from the question to the last choice; NULL: none
        "CREATE INDEX answers_by_kind ON answers (clef, mode, key)",
    },
    Step{
        "CREATE TABLE quizzes ("
        " id INTEGER PRIMARY KEY,"
        " started TEXT NOT NULL,"
        " clef TEXT NOT NULL,"
        " mode TEXT NOT NULL,"
        " questions INTEGER NOT NULL)",
        "ALTER TABLE answers ADD COLUMN quiz INTEGER REFERENCES quizzes (id)",
        "CREATE INDEX answers_by_quiz ON answers (quiz)",
    },
};

}  // namespace

QSqlError migrate(const QSqlDatabase& db) {
    QSqlQuery query(db);
    if (!query.exec("PRAGMA user_version") || !query.next()) {
        return query.lastError();
    }
    const int from = query.value(0).toInt();
    if (from < 0 || from > kVersion) {
        return QSqlError("", "unknown version", QSqlError::StatementError);
    }
    for (int version = from; version < kVersion; ++version) {
        for (const char* statement : kSteps[static_cast<size_t>(version)]) {
            if (!query.exec(statement)) {
                return query.lastError();
            }
        }
    }
    if (!query.exec(QString("PRAGMA user_version = %1").arg(kVersion))) {
        return query.lastError();
    }
    return {};
}

}  // namespace schema
