#pragma once

#include <QMenu>
#include <map>

#include "clef.h"
#include "keymode.h"

class QActionGroup;

// The main window's menu: the clef and the keys (major or minor) a quiz asks, which show the
// current ones and can be changed only while no quiz runs; the learner's record, practice and
// progress; and the About window.
class WindowMenu : public QMenu {
    Q_OBJECT
public:
    explicit WindowMenu(QWidget* parent);

    // Shows the choices in force, enabled or not, and opens the menu at a place on the screen.
    void open(QPoint where, Clef clef, KeyMode mode, bool quizRuns);

    // The learner's choices as they stand, without telling anyone.
    void showRecordKept(bool kept) { keepRecord_->setChecked(kept); }
    void showPractising(bool practising) { practise_->setChecked(practising); }
    // My progress, with its key, for the window to take the key too.
    QAction* progressAction() const { return progress_; }

signals:
    void clefChosen(Clef clef);
    void modeChosen(KeyMode mode);
    void recordKeptChosen(bool kept);
    void practiseChosen(bool practising);
    void progressChosen();
    void aboutChosen();

private:
    QActionGroup* clefs_;
    QActionGroup* modes_;
    std::map<Clef, QAction*> clefActions_;
    std::map<KeyMode, QAction*> modeActions_;
    QAction* keepRecord_;
    QAction* practise_;
    QAction* progress_;
};
