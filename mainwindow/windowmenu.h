#pragma once

#include <QMenu>
#include <map>

#include "clef.h"
#include "keymode.h"

class QActionGroup;

// The main window's menu: the clef and the keys (major or minor) a quiz asks, and the About
// window. Its choices show the current ones and can be changed only while no quiz runs.
class WindowMenu : public QMenu {
    Q_OBJECT
public:
    explicit WindowMenu(QWidget* parent);

    // Shows the choices in force, enabled or not, and opens the menu at a place on the screen.
    void open(QPoint where, Clef clef, KeyMode mode, bool quizRuns);

signals:
    void clefChosen(Clef clef);
    void modeChosen(KeyMode mode);
    void aboutChosen();

private:
    QActionGroup* clefs_;
    QActionGroup* modes_;
    std::map<Clef, QAction*> clefActions_;
    std::map<KeyMode, QAction*> modeActions_;
};
