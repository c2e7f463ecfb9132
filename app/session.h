#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPointer>

#include "commandline.h"
#include "drillevents.h"
#include "learner.h"
#include "progressdata.h"
#include "settingsfile.h"

class Form1;
class QMessageBox;

// The program's run beside its window: the learner the drill meets, their practice and
// progress, and, only while they ask for it, their settings and record kept from one run to the
// next. With the record not kept, nothing is written anywhere.
class Session : public DrillEvents {
    Q_DECLARE_TR_FUNCTIONS(Session)
public:
    // Reads the remembered settings, if any, and puts them and the options in the window.
    Session(Form1& form, const Options& options);
    ~Session() override;
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // The record is opened with the first quiz, not at start-up.
    void quizStarted(const QuizStart& start) override;
    // Keeps My progress up to date.
    void graded(const Grading& grading) override;
    // Remembers a changed setting at once while the record is kept.
    void turnEnded() override;

private:
    void restore(const StoredSettings& stored, const Options& options);
    void keepRecord(bool keep);
    void stopKeeping();
    void showRecordKept();
    void practise(bool practising);
    void showProgress();
    ProgressData progress(ProgressScope scope) const;
    void remember();
    StoredSettings current() const;
    void tell(const QString& message);

    Form1& form_;
    QElapsedTimer clock_;
    Learner learner_;
    SettingsFile settingsFile_;
    bool keeping_ = false;
    bool practising_ = false;
    bool recordTried_ = false;
    StoredSettings remembered_;
};
