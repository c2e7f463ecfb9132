#pragma once

#include <QApplication>
#include <QScrollBar>
#include <QtTest>

#include "fonts.h"
#include "layout.h"

// Moves a setting's bar to where the number given is shown beside it.
inline void showSetting(QWidget* window, const layout::Setting& setting, int number) {
    window->findChild<QScrollBar*>(QString::fromUtf8(setting.bar))
        ->setValue(setting.valueShowing(number));
}

// The main() of a widget test: the window's fonts substituted as the program does, then the
// test class run in an application of the given kind.
template <typename Test, typename Application = QApplication>
int runWidgetTest(int argc, char** argv) {
    fonts::installSubstitutions();
    Application app(argc, argv);
    Test test;
    return QTest::qExec(&test, argc, argv);
}
