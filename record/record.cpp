#include "record.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>
#include <QVariant>
#include <atomic>
#include <chrono>
#include <thread>

#include "schema.h"
#include "stored.h"

namespace {

// SQLite's primary result codes, which Qt gives as the error's native code (sometimes as an
// extended code, whose low byte is the primary one).
constexpr int kSqliteBusy = 5;
constexpr int kSqliteReadOnly = 8;
constexpr int kSqliteCorrupt = 11;
constexpr int kSqliteFull = 13;
constexpr int kSqliteNotADatabase = 26;

int primaryCode(const QSqlError& error) {
    return error.nativeErrorCode().toInt() & 0xff;
}

bool isDamage(const QSqlError& error) {
    const int code = primaryCode(error);
    return code == kSqliteCorrupt || code == kSqliteNotADatabase;
}

QString uniqueConnectionName() {
    static std::atomic<int> made{0};
    return QString("duridaz-record-%1").arg(++made);
}

// The time to wait for another copy of the program to finish its write.
constexpr const char* kBusyTimeout = "QSQLITE_BUSY_TIMEOUT=5000";

// The files SQLite keeps for one database.
const std::array<QString, 3> kFileEndings = {"", "-wal", "-shm"};

// Switching needs the file to itself, and when another copy is switching it too SQLite says
// "busy" at once rather than wait: try again for about as long as the busy timeout waits.
bool switchToWal(QSqlQuery& query) {
    for (int attempt = 0; attempt < 500; ++attempt) {
        if (query.exec("PRAGMA journal_mode = WAL")) {
            return true;
        }
        if (primaryCode(query.lastError()) != kSqliteBusy) {
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

}  // namespace

Record::Record(QString path) : path_(std::move(path)), connection_(uniqueConnectionName()) {
    db_ = QSqlDatabase::addDatabase("QSQLITE", connection_);
    db_.setDatabaseName(path_);
    open();
}

Record::~Record() {
    db_.close();
    db_ = QSqlDatabase();
    QSqlDatabase::removeDatabase(connection_);
}

void Record::open() {
    if (QFileInfo(path_).isDir()) {
        fail(tr("Your record cannot be kept: %1 is a folder, not a file. Duridaz goes on "
                "without storing your answers.")
                 .arg(path_));
        return;
    }
    if (!QDir().mkpath(QFileInfo(path_).absolutePath())) {
        fail(tr("Your record cannot be kept: the folder for %1 cannot be made. Duridaz goes on "
                "without storing your answers.")
                 .arg(path_));
        return;
    }
    QString asideName;
    switch (inspect()) {
        case Found::Unknown:
            fail(tr("Your record in %1 was written by a newer version of Duridaz. It is left as "
                    "it is, and this version stores nothing.")
                     .arg(path_));
            return;
        case Found::Unusable:
            fail(cannotKeep(error_));
            return;
        case Found::Damaged:
            if (!keepAside(asideName)) {
                return;
            }
            break;
        case Found::Usable:
            break;
    }
    if (!prepare()) {
        fail(cannotKeep(error_));
    } else if (!asideName.isEmpty()) {
        message_ = tr("Your record in %1 was damaged. It is kept as %2, and a new record has "
                      "been started.")
                       .arg(path_, asideName);
    }
}

// Reads the file, if there is one: open() alone succeeds on any file. The connection only
// reads, so that a file this version must not change is left as it was, and closing it does not
// fold a damaged file's journal into it.
Record::Found Record::inspect() {
    if (!QFileInfo::exists(path_)) {
        return Found::Usable;
    }
    db_.setConnectOptions(QString("QSQLITE_OPEN_READONLY;") + kBusyTimeout);
    Found found = Found::Unusable;
    if (db_.open()) {
        found = readFile();
    } else {
        error_ = db_.lastError();
    }
    db_.close();
    return found;
}

Record::Found Record::readFile() {
    QSqlQuery query(db_);
    const auto failed = [&] {
        error_ = query.lastError();
        return isDamage(error_) ? Found::Damaged : Found::Unusable;
    };
    if (!query.exec("PRAGMA user_version") || !query.next()) {
        return failed();
    }
    // A newer schema may use what this SQLite cannot read, which the check would take for damage.
    if (const int version = query.value(0).toInt(); version < 0 || version > schema::kVersion) {
        return Found::Unknown;
    }
    if (!query.exec("PRAGMA quick_check") || !query.next()) {
        return failed();
    }
    return query.value(0).toString() == "ok" ? Found::Usable : Found::Damaged;
}

// Sets the file up for storing and brings its tables up to date, in one transaction that also
// writes, so that a file that cannot be written shows now rather than at the first answer.
bool Record::prepare() {
    db_.setConnectOptions(kBusyTimeout);
    if (!db_.open()) {
        error_ = db_.lastError();
        return false;
    }
    QSqlQuery query(db_);
    // WAL lets two copies of the program store at once, and with synchronous=NORMAL every
    // commit survives a crash of the program; only a crash of the system may lose the last.
    if (!switchToWal(query) || !query.exec("PRAGMA synchronous = NORMAL") ||
        !query.exec("BEGIN IMMEDIATE")) {
        error_ = query.lastError();
        return false;
    }
    error_ = schema::migrate(db_);
    if (error_.type() == QSqlError::NoError && query.exec("COMMIT")) {
        return true;
    }
    if (error_.type() == QSqlError::NoError) {
        error_ = query.lastError();
    }
    query.exec("ROLLBACK");
    return false;
}

// Renames the damaged file and its companions to a new name in the same folder.
bool Record::keepAside(QString& asideName) {
    const QString stamp = QDateTime::currentDateTimeUtc().toString("yyyyMMdd'T'HHmmss'Z'");
    asideName = path_ + ".damaged-" + stamp;
    for (int n = 2; QFileInfo::exists(asideName); ++n) {
        asideName = QString("%1.damaged-%2-%3").arg(path_, stamp).arg(n);
    }
    for (const QString& ending : kFileEndings) {
        QFile file(path_ + ending);
        if (file.exists() && !file.rename(asideName + ending)) {
            fail(tr("Your record in %1 is damaged and could not be moved aside (%2). It is left "
                    "where it is, and Duridaz goes on without storing your answers.")
                     .arg(path_, file.errorString()));
            return false;
        }
    }
    return true;
}

QString Record::cannotKeep(const QSqlError& error) const {
    switch (primaryCode(error)) {
        case kSqliteReadOnly:
            return tr("Your record cannot be kept: %1 or its folder is read-only. Duridaz goes "
                      "on without storing your answers.")
                .arg(path_);
        case kSqliteFull:
            return tr("Your record cannot be kept: the disk that holds %1 is full. Duridaz goes "
                      "on without storing your answers.")
                .arg(path_);
        default:
            return tr("Your record cannot be kept in %1 (%2). Duridaz goes on without storing "
                      "your answers.")
                .arg(path_, error.databaseText());
    }
}

void Record::fail(const QString& message) {
    db_.close();
    message_ = message;
}

std::optional<qint64> Record::startQuiz(Clef clef, KeyMode mode, int questions) {
    if (!isOpen()) {
        return std::nullopt;
    }
    QSqlQuery query(db_);
    query.prepare("INSERT INTO quizzes (started, clef, mode, questions) VALUES (?, ?, ?, ?)");
    query.addBindValue(stored::time(QDateTime::currentDateTimeUtc()));
    query.addBindValue(stored::word(clefWord(clef)));
    query.addBindValue(stored::word(keyModeWord(mode)));
    query.addBindValue(questions);
    if (!query.exec()) {
        message_ = tr("A new quiz could not be stored in %1 (%2).")
                       .arg(path_, query.lastError().databaseText());
        return std::nullopt;
    }
    return query.lastInsertId().toLongLong();
}

// One statement, so SQLite commits it on its own the moment it is done.
bool Record::add(const GradedAnswer& answer) {
    if (!isOpen()) {
        return false;
    }
    QSqlQuery query(db_);
    query.prepare(
        "INSERT INTO answers (at, clef, mode, key, chosen, correct, seconds, ms, quiz)"
        " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)");
    const QDateTime at = answer.at.isValid() ? answer.at : QDateTime::currentDateTimeUtc();
    query.addBindValue(stored::time(at));
    query.addBindValue(stored::word(clefWord(answer.clef)));
    query.addBindValue(stored::word(keyModeWord(answer.mode)));
    query.addBindValue(answer.key);
    query.addBindValue(stored::orNull(answer.chosen));
    query.addBindValue(answer.right ? 1 : 0);
    query.addBindValue(answer.secondsAllowed);
    query.addBindValue(stored::orNull(answer.msToChoice));
    query.addBindValue(stored::orNull(answer.quiz));
    if (!query.exec()) {
        message_ = tr("An answer could not be stored in %1 (%2).")
                       .arg(path_, query.lastError().databaseText());
        return false;
    }
    return true;
}

QString Record::remove(const QString& path) {
    for (const QString& ending : kFileEndings) {
        QFile file(path + ending);
        if (file.exists() && !file.remove()) {
            return tr("%1 could not be deleted (%2).").arg(file.fileName(), file.errorString());
        }
    }
    return {};
}
