// The cost of the learner's record, each part in a fresh temporary folder:
//   add    1,000 answers stored with Record::add(), each beside a bare INSERT of the same row
//          through Qt SQL into a table of the same shape on a plain connection (WAL, NORMAL)
//   open   opening a record of 10,000 answers, five times
// Printed as "name value" lines, times in nanoseconds.
#include <QCoreApplication>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <cstdio>
#include <string>

#include "procstat.h"
#include "record.h"
#include "stats.h"

namespace {

using Samples = std::vector<std::int64_t>;

void printSpread(const std::string& name, const Samples& samples) {
    std::printf("%s.count %zu\n", name.c_str(), samples.size());
    std::printf("%s.median %lld\n", name.c_str(), static_cast<long long>(percentile(samples, 0.5)));
    std::printf("%s.p99 %lld\n", name.c_str(), static_cast<long long>(percentile(samples, 0.99)));
}

GradedAnswer answerNumber(int n, std::optional<qint64> quiz) {
    return {{},         Clef::Treble,   KeyMode::Major,
            n % 14 + 1, n % 13 + 1,     n % 3 != 0,
            5,          800 + n % 2000, quiz};
}

// The same row as Record::add() stores, on a connection with nothing around it.
class BareInsert {
public:
    explicit BareInsert(const QString& path) {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "bare");
        db.setDatabaseName(path);
        db.open();
        QSqlQuery query(db);
        for (const char* statement :
             {"PRAGMA journal_mode = WAL", "PRAGMA synchronous = NORMAL",
              "CREATE TABLE answers (id INTEGER PRIMARY KEY, at TEXT, clef TEXT, mode TEXT,"
              " key INTEGER, chosen INTEGER, correct INTEGER, seconds INTEGER, ms INTEGER,"
              " quiz INTEGER)",
              "CREATE INDEX answers_by_kind ON answers (clef, mode, key)",
              "CREATE INDEX answers_by_quiz ON answers (quiz)"}) {
            query.exec(statement);
        }
    }
    ~BareInsert() { QSqlDatabase::removeDatabase("bare"); }
    void add(int n) {
        QSqlQuery query(QSqlDatabase::database("bare", false));
        query.prepare("INSERT INTO answers VALUES (NULL, ?, 'treble', 'major', ?, ?, ?, 5, ?, 1)");
        query.addBindValue(QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs));
        query.addBindValue(n % 14 + 1);
        query.addBindValue(n % 13 + 1);
        query.addBindValue(n % 3 != 0);
        query.addBindValue(800 + n % 2000);
        query.exec();
    }
};

void runAdd(const QTemporaryDir& folder) {
    Record record(folder.filePath("record.db"));
    BareInsert bare(folder.filePath("bare.db"));
    const std::optional<qint64> quiz = record.startQuiz(Clef::Treble, KeyMode::Major, 25);
    Samples adds;
    Samples bareAdds;
    for (int n = 0; n < 1000; ++n) {
        std::int64_t start = procstat::nowNs();
        record.add(answerNumber(n, quiz));
        adds.push_back(procstat::nowNs() - start);
        start = procstat::nowNs();
        bare.add(n);
        bareAdds.push_back(procstat::nowNs() - start);
    }
    printSpread("record.add", adds);
    printSpread("bare.add", bareAdds);
}

void runOpen(const QTemporaryDir& folder) {
    const QString path = folder.filePath("big.db");
    {
        Record record(path);
        const std::optional<qint64> quiz = record.startQuiz(Clef::Treble, KeyMode::Major, 25);
        for (int n = 0; n < 10'000; ++n) {
            record.add(answerNumber(n, quiz));
        }
    }
    Samples opens;
    for (int i = 0; i < 5; ++i) {
        const std::int64_t start = procstat::nowNs();
        const Record record(path);
        opens.push_back(procstat::nowNs() - start);
    }
    printSpread("record.open", opens);
}

}  // namespace

int main(int argc, char** argv) {
    const std::string part = argc > 1 ? argv[1] : "";
    if (part != "add" && part != "open") {
        std::fprintf(stderr, "usage: %s add | open\n", argv[0]);
        return 2;
    }
    QCoreApplication app(argc, argv);
    const QTemporaryDir folder;
    if (part == "add") {
        runAdd(folder);
    } else {
        runOpen(folder);
    }
    return 0;
}
