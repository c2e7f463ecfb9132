// The remembered settings and the learner's record on disk: what is read back, what becomes of
// a bad file, and that no committed answer is lost to a kill or to a second copy at work.
#include <linux/capability.h>
#include <sys/syscall.h>

#include <QProcess>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QtTest>

#include "record.h"
#include "recordpaths.h"
#include "settingsfile.h"

namespace {

// Root writes through any permission; without these capabilities it meets them as a user does.
void overridePermissions(bool override) {
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct caps[2]{};
    constexpr __u32 kOverride = (1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH);
    if (syscall(SYS_capget, &header, caps) == 0) {
        caps[0].effective = override ? caps[0].effective | (caps[0].permitted & kOverride)
                                     : caps[0].effective & ~kOverride;
        syscall(SYS_capset, &header, caps);
    }
}

struct AsOrdinaryUser {
    AsOrdinaryUser() { overridePermissions(false); }
    ~AsOrdinaryUser() { overridePermissions(true); }
};

// Runs statements on a connection of the test's own, as another program would, and gives the
// last one's rows as "a|b,c|d".
QString rows(const QString& path, const QString& statements) {
    QStringList rows;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "raw");
        db.setDatabaseName(path);
        QSqlQuery query(db.open() ? db : QSqlDatabase());
        for (const QString& statement : statements.split(';')) {
            [&] { QVERIFY2(query.exec(statement), qPrintable(query.lastError().text())); }();
        }
        while (query.next()) {
            QStringList values;
            for (int i = 0; i < query.record().count(); ++i) {
                values << (query.isNull(i) ? "NULL" : query.value(i).toString());
            }
            rows << values.join('|');
        }
    }
    QSqlDatabase::removeDatabase("raw");
    return rows.join(',');
}

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

const QDateTime kMarch1 = QDateTime({2024, 3, 1}, {10, 0}, Qt::UTC);

GradedAnswer answer(int key, bool right, std::optional<int> ms, std::optional<qint64> quiz,
                    int minute = 0, Clef clef = Clef::Treble, KeyMode mode = KeyMode::Major) {
    return {kMarch1.addSecs(minute * 60), clef, mode, key, std::nullopt, right, 5, ms, quiz};
}

// A copy of this test storing answers for its parent: it says "ready" and waits for a line, then
// opens the record and prints each answer's number once it is committed (for ever on 0).
int storeAnswers(const QString& path, int count) {
    std::printf("ready\n");
    std::fflush(stdout);
    if (std::getchar() == EOF) {
        return 1;
    }
    Record record(path);
    const std::optional<qint64> quiz = record.startQuiz(Clef::Treble, KeyMode::Major, 25);
    for (int n = 1; quiz && (count == 0 || n <= count); ++n) {
        if (!record.add(answer(n % 14 + 1, true, n, quiz))) {
            break;
        }
        std::printf("%d\n", n);
        std::fflush(stdout);
    }
    std::fprintf(stderr, "%s\n", qPrintable(record.message()));
    return record.message().isEmpty() ? 0 : 1;
}

void startStoring(QProcess& child, const QString& path, int count) {
    child.start(QCoreApplication::applicationFilePath(), {"store", path, QString::number(count)});
    QVERIFY(child.waitForReadyRead(10000));
    QCOMPARE(child.readLine(), "ready\n");
}

enum class Bad {
    NotADatabase,
    Truncated,
    PageOverwritten,
    Newer,
    ReadOnly,
    ReadOnlyFolder,
    Folder
};

// The bad file of each kind at `path`; a damaged one has a journal beside it.
void makeBad(Bad bad, const QString& path) {
    if (bad == Bad::Truncated || bad == Bad::PageOverwritten) {
        rows(path,
             "CREATE TABLE t (x);"
             "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 3000)"
             " INSERT INTO t SELECT printf('%050d', i) FROM n");
        QFile file(path);
        const qint64 middlePage = file.size() / 2 / 4096 * 4096;
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(bad == Bad::Truncated ? file.resize(middlePage)
                                      : file.seek(middlePage) && file.write(QByteArray(4096, 'x')));
    } else if (bad == Bad::NotADatabase) {
        writeFile(path, "answers: C major, G major\n");
    } else if (bad == Bad::Newer) {
        rows(path, "CREATE TABLE answers (x); PRAGMA user_version = 3");
    } else if (bad == Bad::Folder) {
        QVERIFY(QDir().mkpath(path));
    } else {
        QVERIFY(Record(path).add(answer(1, true, 100, std::nullopt)));
        const QString readOnly = bad == Bad::ReadOnly ? path : QFileInfo(path).absolutePath();
        QFile(readOnly).setPermissions(QFile::ReadOwner | QFile::ExeOwner);
    }
    if (bad <= Bad::PageOverwritten) {
        writeFile(path + "-wal", "its journal");
    }
}

// The known answers of the query tests: two quizzes of the treble clef in major keys, one in
// the bass clef, one without answers, and an answer of the minor keys outside any quiz.
void fillKnownRecord(Record& record, QList<qint64>& quizzes) {
    for (Clef clef : {Clef::Treble, Clef::Treble, Clef::Bass, Clef::Treble}) {
        quizzes << record.startQuiz(clef, KeyMode::Major, 16).value_or(-1);
    }
    for (const GradedAnswer& a :
         {answer(3, true, 1000, quizzes[0], 0), answer(3, false, std::nullopt, quizzes[0], 1),
          answer(5, false, 400, quizzes[0], 2), answer(3, true, 2000, quizzes[1], 60),
          answer(14, true, 300, quizzes[1], 61), answer(3, true, 10, quizzes[2], 62, Clef::Bass),
          answer(3, false, 20, {}, 63, Clef::Treble, KeyMode::Minor)}) {
        QVERIFY(record.add(a));
    }
}

// The figures of the keys asked, as "key:asked/right/average ms".
QString inWords(const std::array<KeyFigures, 14>& figures) {
    QStringList words;
    for (const KeyFigures& f : figures) {
        if (f.asked > 0) {
            words << QString("%1:%2/%3/%4")
                         .arg(f.key)
                         .arg(f.asked)
                         .arg(f.right)
                         .arg(f.averageMs ? QString::number(*f.averageMs) : "-");
        }
    }
    return words.join(' ');
}

const StoredSettings kLowest{0, 1, 1, Clef::Tenor, KeyMode::Minor, true, true};

}  // namespace

Q_DECLARE_METATYPE(StoredSettings)
Q_DECLARE_METATYPE(Bad)

class RecordTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void askingForThePathsCreatesNothing();
    void anEditedSettingKeepsItsValueOrFallsBackAlone_data();
    void anEditedSettingKeepsItsValueOrFallsBackAlone();
    void anUnreadableSettingsFileIsKeptUntilTheNextSave_data();
    void anUnreadableSettingsFileIsKeptUntilTheNextSave();
    void aVersion1RecordIsBroughtUpToDate();
    void aBadRecordIsKeptAsideOrLeftAsItWas_data();
    void aBadRecordIsKeptAsideOrLeftAsItWas();
    void removingDeletesTheRecordWithItsJournal();
    void twoCopiesStoreAtOnce();
    void aKillLosesNoCommittedAnswer();
    void keyFiguresCountTheSpanAsked_data();
    void keyFiguresCountTheSpanAsked();
    void lastQuizzesAndRecentOutcomes();

private:
    QTemporaryDir home_;
    std::unique_ptr<QTemporaryDir> dir_;
    QString path_;      // a record in a fresh folder of each test
    QString settings_;  // a settings file in that folder
};

void RecordTest::initTestCase() {
    qputenv("HOME", home_.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", home_.filePath("config").toUtf8());
    qputenv("XDG_DATA_HOME", home_.filePath("data").toUtf8());
}

void RecordTest::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    path_ = dir_->filePath("duridaz/record.db");
    settings_ = dir_->filePath("duridaz/duridaz.conf");
}

void RecordTest::askingForThePathsCreatesNothing() {
    QCOMPARE(recordpaths::settingsFile(), home_.filePath("config/duridaz/duridaz.conf"));
    QCOMPARE(recordpaths::database(), home_.filePath("data/duridaz/record.db"));
    const SettingsFile::Loaded loaded = SettingsFile(recordpaths::settingsFile()).load();
    QCOMPARE(loaded.settings, StoredSettings());
    QCOMPARE(loaded.message, QString());
    QCOMPARE(QDir(home_.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), {});
}

void RecordTest::anEditedSettingKeepsItsValueOrFallsBackAlone_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<StoredSettings>("expected");
    const StoredSettings defaults;
    auto row = [&](const char* key, const char* value, auto change) {
        StoredSettings expected = kLowest;
        change(expected);
        QTest::addRow("%s=%s", key, value) << QString(key) << QString(value) << expected;
    };
    row("none", "", [](StoredSettings&) {});
    row("seconds", "10", [](StoredSettings& s) { s.seconds = 10; });
    row("questions", "25", [](StoredSettings& s) { s.questions = 25; });
    row("keyKind", "3", [](StoredSettings& s) { s.keyKind = 3; });
    row("clef", "bass", [](StoredSettings& s) { s.clef = Clef::Bass; });
    row("practice", "false", [](StoredSettings& s) { s.practice = false; });
    for (const char* value : {"-1", "11", "five", "2.5", "3,4"}) {
        row("seconds", value, [&](StoredSettings& s) { s.seconds = defaults.seconds; });
    }
    for (const char* value : {"0", "26", "99999999999999999999"}) {
        row("questions", value, [&](StoredSettings& s) { s.questions = defaults.questions; });
    }
    for (const char* value : {"0", "4"}) {
        row("keyKind", value, [&](StoredSettings& s) { s.keyKind = defaults.keyKind; });
    }
    row("clef", "soprano", [&](StoredSettings& s) { s.clef = defaults.clef; });
    row("mode", "dorian", [&](StoredSettings& s) { s.mode = defaults.mode; });
    row("practice", "maybe", [&](StoredSettings& s) { s.practice = defaults.practice; });
    row("keepRecord", "2", [&](StoredSettings& s) { s.keepRecord = defaults.keepRecord; });
}

void RecordTest::anEditedSettingKeepsItsValueOrFallsBackAlone() {
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(StoredSettings, expected);
    const SettingsFile file(settings_);
    QCOMPARE(file.save(kLowest), QString());
    QString text = QString::fromUtf8(bytesOf(settings_));
    text.replace(QRegularExpression("^" + key + "=.*$", QRegularExpression::MultilineOption),
                 key + "=" + value);
    writeFile(settings_, text.toUtf8());
    // QSettings keeps what it read while the file's size and time stay the same; a hand edit
    // comes seconds later.
    QFile edit(settings_);
    QVERIFY(edit.open(QIODevice::ReadWrite) &&
            edit.setFileTime(kMarch1, QFileDevice::FileModificationTime));
    QCOMPARE(file.load().settings, expected);
    QCOMPARE(file.load().message, QString());
}

void RecordTest::anUnreadableSettingsFileIsKeptUntilTheNextSave_data() {
    QTest::addColumn<QByteArray>("content");  // none: a folder in the file's place
    QTest::addColumn<bool>("folderWritable");
    QTest::newRow("not INI text") << QByteArray("seconds=9\n\x7f\xfe\n[General\n") << true;
    QTest::newRow("not INI text, read-only folder") << QByteArray("seconds\n[General") << false;
    QTest::newRow("a folder") << QByteArray() << true;
}

void RecordTest::anUnreadableSettingsFileIsKeptUntilTheNextSave() {
    QFETCH(QByteArray, content);
    QFETCH(bool, folderWritable);
    const SettingsFile file(settings_);
    const QString folder = dir_->filePath("duridaz");
    QVERIFY(QDir().mkpath(content.isEmpty() ? settings_ : folder));
    if (!content.isEmpty()) {
        writeFile(settings_, content);
    }
    if (!folderWritable) {
        QFile(folder).setPermissions(QFile::ReadOwner | QFile::ExeOwner);
    }
    const SettingsFile::Loaded loaded = file.load();
    QCOMPARE(loaded.settings, StoredSettings());
    QVERIFY(loaded.message.contains(settings_));
    bool saved = false;
    {
        AsOrdinaryUser user;
        saved = file.save(kLowest).isEmpty();
    }
    QFile(folder).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QCOMPARE(saved, !content.isEmpty() && folderWritable);
    QCOMPARE(file.load().settings, saved ? kLowest : StoredSettings());
    if (!saved) {
        QCOMPARE(bytesOf(settings_), content);
        QCOMPARE(QFileInfo(settings_).isDir(), content.isEmpty());
    }
}

void RecordTest::aVersion1RecordIsBroughtUpToDate() {
    QVERIFY(QDir().mkpath(dir_->filePath("duridaz")));
    // The file as the first version wrote it.
    rows(path_,
         "CREATE TABLE answers (id INTEGER PRIMARY KEY, at TEXT NOT NULL, clef TEXT NOT NULL,"
         " mode TEXT NOT NULL, key INTEGER NOT NULL CHECK (key BETWEEN 1 AND 14),"
         " chosen INTEGER CHECK (chosen BETWEEN 1 AND 14),"
         " correct INTEGER NOT NULL CHECK (correct IN (0, 1)), seconds INTEGER NOT NULL,"
         " ms INTEGER);"
         "CREATE INDEX answers_by_kind ON answers (clef, mode, key);"
         "INSERT INTO answers VALUES (1, '2023-01-02T03:04:05.006Z', 'bass', 'major', 3, 3, 1, 5,"
         " 800), (2, '2023-01-02T03:04:09.000Z', 'bass', 'major', 3, NULL, 0, 0, NULL);"
         "PRAGMA user_version = 1");
    {
        Record record(path_);
        QCOMPARE(record.message(), QString());
        const std::optional<qint64> quiz = record.startQuiz(Clef::Bass, KeyMode::Minor, 16);
        QVERIFY(record.add({kMarch1, Clef::Bass, KeyMode::Minor, 9, 4, false, 7, 2345, quiz}));
        QCOMPARE(inWords(record.keyFigures(Clef::Bass, KeyMode::Major)), "3:2/1/800");
    }
    QCOMPARE(rows(path_, "PRAGMA user_version"), "2");
    QCOMPARE(rows(path_, "PRAGMA journal_mode"), "wal");
    QCOMPARE(rows(path_, "SELECT id, clef, mode, questions FROM quizzes"), "1|bass|minor|16");
    QCOMPARE(rows(path_, "SELECT * FROM answers"),
             "1|2023-01-02T03:04:05.006Z|bass|major|3|3|1|5|800|NULL,"
             "2|2023-01-02T03:04:09.000Z|bass|major|3|NULL|0|0|NULL|NULL,"
             "3|2024-03-01T10:00:00.000Z|bass|minor|9|4|0|7|2345|1");
}

void RecordTest::aBadRecordIsKeptAsideOrLeftAsItWas_data() {
    QTest::addColumn<Bad>("bad");
    QTest::addColumn<bool>("keptAside");
    QTest::newRow("not a database") << Bad::NotADatabase << true;
    QTest::newRow("truncated") << Bad::Truncated << true;
    QTest::newRow("a page overwritten") << Bad::PageOverwritten << true;
    QTest::newRow("a newer version") << Bad::Newer << false;
    QTest::newRow("read-only") << Bad::ReadOnly << false;
    QTest::newRow("in a read-only folder") << Bad::ReadOnlyFolder << false;
    QTest::newRow("a folder in its place") << Bad::Folder << false;
}

void RecordTest::aBadRecordIsKeptAsideOrLeftAsItWas() {
    QFETCH(Bad, bad);
    QFETCH(bool, keptAside);
    QVERIFY(QDir().mkpath(dir_->filePath("duridaz")));
    makeBad(bad, path_);
    const QByteArray before = bytesOf(path_);
    QString message;
    {
        AsOrdinaryUser user;
        Record record(path_);
        message = record.message();
        QCOMPARE(record.isOpen(), keptAside);
        // The caller goes on either way.
        const std::optional<qint64> quiz = record.startQuiz(Clef::Treble, KeyMode::Major, 5);
        QCOMPARE(record.add(answer(2, true, 500, quiz)), keptAside);
        QCOMPARE(inWords(record.keyFigures(Clef::Treble, KeyMode::Major)),
                 keptAside ? "2:1/1/500" : "");
    }
    QFile(dir_->filePath("duridaz"))
        .setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QVERIFY2(message.contains(path_), qPrintable(message));
    const QStringList aside = QDir(dir_->filePath("duridaz")).entryList({"record.db.damaged-*"});
    QCOMPARE(aside.size(), keptAside ? 3 : 0);  // the file, its journal and the journal's index
    if (keptAside) {
        QCOMPARE(bytesOf(dir_->filePath("duridaz/" + aside[0])), before);
        QCOMPARE(bytesOf(dir_->filePath("duridaz/" + aside[0] + "-wal")), "its journal");
        QVERIFY2(message.contains(aside[0]), qPrintable(message));
    } else {
        QCOMPARE(bytesOf(path_), before);
        QCOMPARE(QFileInfo(path_).isDir(), bad == Bad::Folder);
    }
}

void RecordTest::removingDeletesTheRecordWithItsJournal() {
    const QString folder = dir_->filePath("duridaz");
    QVERIFY(QDir().mkpath(folder));
    for (const char* ending : {"", "-wal", "-shm"}) {
        writeFile(path_ + ending, "stored");
    }
    QFile(folder).setPermissions(QFile::ReadOwner | QFile::ExeOwner);
    {
        AsOrdinaryUser user;
        QVERIFY(Record::remove(path_).contains(path_));
    }
    QFile(folder).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QCOMPARE(bytesOf(path_), "stored");
    QCOMPARE(Record::remove(path_), QString());
    QCOMPARE(QDir(folder).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), {});
    QCOMPARE(Record::remove(path_), QString());
}

void RecordTest::twoCopiesStoreAtOnce() {
    QProcess copies[2];
    for (QProcess& copy : copies) {
        startStoring(copy, path_, 500);
    }
    // QProcess writes only when waited on: both are told, then both are waited on.
    for (QProcess& copy : copies) {
        copy.write("go\n");
    }
    QVERIFY(copies[0].waitForBytesWritten() && copies[1].waitForBytesWritten());
    for (QProcess& copy : copies) {
        QVERIFY(copy.waitForFinished(60000));
        QVERIFY2(copy.exitCode() == 0, copy.readAllStandardError().constData());
    }
    QCOMPARE(rows(path_, "SELECT quiz, COUNT(*) FROM answers GROUP BY quiz"), "1|500,2|500");
}

void RecordTest::aKillLosesNoCommittedAnswer() {
    QProcess copy;
    startStoring(copy, path_, 0);
    copy.write("go\n");
    QByteArray reported;
    while (reported.count('\n') < 300 && copy.waitForReadyRead(10000)) {
        reported += copy.readAllStandardOutput();
    }
    copy.kill();
    QVERIFY(copy.waitForFinished(10000));
    reported += copy.readAllStandardOutput();
    reported.truncate(reported.lastIndexOf('\n'));  // a line cut short was not reported
    QCOMPARE(rows(path_, "PRAGMA integrity_check"), "ok");
    const QStringList stored = rows(path_, "SELECT ms FROM answers").split(',');
    const QList<QByteArray> numbers = reported.split('\n');
    QVERIFY(numbers.size() >= 300);
    for (const QByteArray& number : numbers) {
        QVERIFY2(stored.contains(QString(number)), number.constData());
    }
}

void RecordTest::keyFiguresCountTheSpanAsked_data() {
    QTest::addColumn<QDateTime>("since");
    QTest::addColumn<QList<int>>("quizzes");  // indexes of the known quizzes; empty: all
    QTest::addColumn<QString>("figures");
    QTest::newRow("all") << QDateTime() << QList<int>() << "3:3/2/1500 5:1/0/400 14:1/1/300";
    QTest::newRow("since") << kMarch1.addSecs(3600) << QList<int>() << "3:1/1/2000 14:1/1/300";
    QTest::newRow("first quiz") << QDateTime() << QList<int>{0} << "3:2/1/1000 5:1/0/400";
    QTest::newRow("the empty quiz") << QDateTime() << QList<int>{3} << "";
}

void RecordTest::keyFiguresCountTheSpanAsked() {
    QFETCH(QDateTime, since);
    QFETCH(QList<int>, quizzes);
    QFETCH(QString, figures);
    Record record(path_);
    QList<qint64> known;
    fillKnownRecord(record, known);
    Span span{since, std::nullopt};
    for (int index : quizzes) {
        span.quizzes = span.quizzes.value_or(QList<qint64>()) << known[index];
    }
    QCOMPARE(inWords(record.keyFigures(Clef::Treble, KeyMode::Major, span)), figures);
}

void RecordTest::lastQuizzesAndRecentOutcomes() {
    Record record(path_);
    QList<qint64> known;
    fillKnownRecord(record, known);
    QStringList scores;
    for (const QuizScore& s : record.lastQuizzes(Clef::Treble, KeyMode::Major, 20)) {
        scores << QString("%1:%2/%3").arg(known.indexOf(s.quiz)).arg(s.right).arg(s.graded);
        QVERIFY(s.started.secsTo(QDateTime::currentDateTimeUtc()) < 60);
    }
    QCOMPARE(scores.join(' '), "0:1/3 1:2/2");
    const std::vector<QuizScore> last = record.lastQuizzes(Clef::Treble, KeyMode::Major, 1);
    QCOMPARE(last.size(), 1u);
    QCOMPARE(last[0].quiz, known[1]);
    const auto outcomes = record.recentOutcomes(Clef::Treble, KeyMode::Major, 2);
    QStringList words;
    for (size_t key = 1; key <= outcomes.size(); ++key) {
        for (const Outcome& o : outcomes[key - 1]) {
            words << QString("%1%2%3").arg(key).arg(o.right ? '+' : '-').arg(o.ms.value_or(0));
        }
    }
    QCOMPARE(words.join(' '), "3+2000 3-0 5-400 14+300");
}

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc == 4 && qstrcmp(argv[1], "store") == 0) {
        return storeAnswers(argv[2], QByteArray(argv[3]).toInt());
    }
    RecordTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_record.moc"
