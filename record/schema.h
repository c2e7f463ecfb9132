#pragma once

#include <QSqlDatabase>
#include <QSqlError>

// The tables of the record and the steps that bring an older file up to date. The version is
// kept in the file's PRAGMA user_version.
namespace schema {

// 1: one row per graded answer.
// 2: the quizzes, and the quiz each answer belongs to (none for answers stored before).
constexpr int kVersion = 2;

// Takes the file from the version it holds to kVersion, step by step, inside the caller's write
// transaction: read there, the version cannot change under it. Returns the error of the step
// that failed, or no error.
QSqlError migrate(const QSqlDatabase& db);

}  // namespace schema
