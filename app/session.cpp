#include "session.h"

#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "form1.h"
#include "progresswindow.h"
#include "recordpaths.h"
#include "windowmenu.h"

Session::Session(Form1& form, const Options& options)
    : form_(form),
      learner_([this] { return clock_.elapsed(); }, [this](const QString& why) { tell(why); }),
      settingsFile_(recordpaths::settingsFile()) {
    clock_.start();
    form_.listen(*this);
    form_.listen(learner_);
    WindowMenu& menu = form_.menu();
    QObject::connect(&menu, &WindowMenu::recordKeptChosen, &form_,
                     [this](bool keep) { keepRecord(keep); });
    QObject::connect(&menu, &WindowMenu::practiseChosen, &form_,
                     [this](bool practising) { practise(practising); });
    QObject::connect(&menu, &WindowMenu::progressChosen, &form_, [this] { showProgress(); });
    const SettingsFile::Loaded loaded = settingsFile_.load();
    if (!loaded.message.isEmpty()) {
        tell(loaded.message);
    }
    restore(loaded.settings.keepRecord ? loaded.settings : StoredSettings{}, options);
}

Session::~Session() = default;

// What was remembered comes back only from a kept record; the command line has the last word.
void Session::restore(const StoredSettings& stored, const Options& options) {
    const DrillSettings atStart = form_.settings();
    DrillSettings wanted = atStart;
    if (stored.keepRecord) {
        wanted = {stored.seconds, stored.questions, static_cast<keytable::KeyKind>(stored.keyKind),
                  stored.clef, stored.mode};
        practise(stored.practice);
        form_.menu().showRecordKept(true);
    }
    wanted.clef = options.clef.value_or(wanted.clef);
    wanted.mode = options.mode.value_or(wanted.mode);
    if (!(wanted == atStart)) {
        form_.restore(wanted);
    }
    // Kept from here on: what was just read back is no change to write.
    keeping_ = stored.keepRecord;
    remembered_ = current();
}

void Session::quizStarted(const QuizStart& /*start*/) {
    if (keeping_ && !recordTried_) {
        recordTried_ = true;
        learner_.keep(recordpaths::database());
    }
}

void Session::graded(const Grading& /*grading*/) {
    if (ProgressWindow* window = ProgressWindow::instance()) {
        window->refresh();
    }
}

void Session::turnEnded() {
    remember();
}

void Session::remember() {
    const StoredSettings now = current();
    if (!keeping_ || now == remembered_) {
        return;
    }
    remembered_ = now;
    const QString problem = settingsFile_.save(now);
    if (!problem.isEmpty()) {
        tell(problem);
    }
}

StoredSettings Session::current() const {
    const DrillSettings settings = form_.settings();
    return {settings.seconds, settings.questions, static_cast<int>(settings.kind),
            settings.clef,    settings.mode,      practising_,
            keeping_};
}

void Session::keepRecord(bool keep) {
    if (!keep) {
        stopKeeping();
        return;
    }
    recordTried_ = true;
    if (!learner_.keep(recordpaths::database())) {
        form_.menu().showRecordKept(false);
        return;
    }
    keeping_ = true;
    showRecordKept();
    remember();
}

void Session::showRecordKept() {
    if (ProgressWindow* window = ProgressWindow::instance()) {
        window->setWholeRecordKept(learner_.keeping());
    }
}

// Turned off, the record asks what becomes of what it holds.
void Session::stopKeeping() {
    QMessageBox ask(QMessageBox::Question, tr("Keep my record"),
                    tr("Your answers are kept in %1 and your settings in %2. Delete them too?")
                        .arg(recordpaths::database(), settingsFile_.path()),
                    QMessageBox::NoButton, &form_);
    QPushButton* erase = ask.addButton(tr("Delete them"), QMessageBox::DestructiveRole);
    QPushButton* leave = ask.addButton(tr("Keep the files"), QMessageBox::AcceptRole);
    ask.addButton(QMessageBox::Cancel);
    ask.setDefaultButton(leave);
    ask.exec();
    if (ask.clickedButton() != erase && ask.clickedButton() != leave) {
        form_.menu().showRecordKept(true);
        return;
    }
    learner_.stopKeeping();
    keeping_ = false;
    showRecordKept();
    if (ask.clickedButton() == erase) {
        const QString problem = Record::remove(recordpaths::database());
        if (!problem.isEmpty()) {
            tell(problem);
        }
        QFile::remove(settingsFile_.path());
    } else {
        const QString problem = settingsFile_.save(current());
        if (!problem.isEmpty()) {
            tell(problem);
        }
    }
}

void Session::practise(bool practising) {
    practising_ = practising;
    form_.practise(practising ? &learner_ : nullptr);
    form_.menu().showPractising(practising);
    remember();
}

void Session::showProgress() {
    ProgressWindow::open([this](ProgressScope scope) { return progress(scope); },
                         learner_.keeping());
}

// The figures of the clef and keys chosen now; a key counts as slow when its answers took on
// average more than the share of the question's time that practice counts as slow.
ProgressData Session::progress(ProgressScope scope) const {
    const DrillSettings settings = form_.settings();
    const Learner::Figures figures =
        learner_.figures(settings.clef, settings.mode, scope == ProgressScope::WholeRecord);
    ProgressData data;
    data.clef = settings.clef;
    data.mode = settings.mode;
    for (size_t i = 0; i < data.keys.size(); ++i) {
        const KeyFigures& key = figures.keys.at(i);
        data.keys[i] = {key.key, key.asked, key.right, key.averageMs};
    }
    for (const QuizScore& quiz : figures.quizzes) {
        data.quizzes.push_back({quiz.started, quiz.graded, quiz.right});
    }
    data.slowMs = static_cast<int>(practice::kSlowShare * (settings.seconds * 1000 + 500));
    return data;
}

// A problem with the record is told beside the drill, which goes on: the box waits for the
// user without holding the clock.
void Session::tell(const QString& message) {
    auto* box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Duridaz"), message,
                                QMessageBox::Ok, &form_);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::NonModal);
    QTimer::singleShot(0, box, &QMessageBox::show);
}
