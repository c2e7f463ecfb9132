#include "windowmenu.h"

#include <QActionGroup>

namespace {

QAction* addChoice(QMenu* menu, QActionGroup* group, const QString& text) {
    QAction* action = menu->addAction(text);
    action->setCheckable(true);
    group->addAction(action);
    return action;
}

}  // namespace

WindowMenu::WindowMenu(QWidget* parent)
    : QMenu(parent), clefs_(new QActionGroup(this)), modes_(new QActionGroup(this)) {
    setObjectName("WindowMenu");
    QMenu* clef = addMenu(tr("&Clef"));
    clef->setObjectName("ClefMenu");
    const std::pair<Clef, QString> clefs[] = {{Clef::Treble, tr("&Treble")},
                                              {Clef::Bass, tr("&Bass")},
                                              {Clef::Alto, tr("&Alto")},
                                              {Clef::Tenor, tr("T&enor")}};
    for (const auto& [which, text] : clefs) {
        clefActions_[which] = addChoice(clef, clefs_, text);
        connect(clefActions_[which], &QAction::triggered, this,
                [this, which] { emit clefChosen(which); });
    }
    QMenu* keys = addMenu(tr("&Keys"));
    keys->setObjectName("KeysMenu");
    const std::pair<KeyMode, QString> modes[] = {{KeyMode::Major, tr("&Major")},
                                                 {KeyMode::Minor, tr("M&inor")}};
    for (const auto& [which, text] : modes) {
        modeActions_[which] = addChoice(keys, modes_, text);
        connect(modeActions_[which], &QAction::triggered, this,
                [this, which] { emit modeChosen(which); });
    }
    addSeparator();
    keepRecord_ = addAction(tr("Keep my &record"));
    keepRecord_->setCheckable(true);
    connect(keepRecord_, &QAction::triggered, this, &WindowMenu::recordKeptChosen);
    practise_ = addAction(tr("&Practise the keys I miss"));
    practise_->setCheckable(true);
    connect(practise_, &QAction::triggered, this, &WindowMenu::practiseChosen);
    progress_ = addAction(tr("My pro&gress…"));
    progress_->setShortcut(Qt::Key_P);
    connect(progress_, &QAction::triggered, this, &WindowMenu::progressChosen);
    addSeparator();
    connect(addAction(tr("&About Duridaz")), &QAction::triggered, this, &WindowMenu::aboutChosen);
}

void WindowMenu::open(QPoint where, Clef clef, KeyMode mode, bool quizRuns) {
    clefActions_.at(clef)->setChecked(true);
    modeActions_.at(mode)->setChecked(true);
    clefs_->setEnabled(!quizRuns);
    modes_->setEnabled(!quizRuns);
    popup(where);
}
