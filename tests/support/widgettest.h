#pragma once

#include <QApplication>
#include <QtTest>

#include "fonts.h"

// The main() of a widget test: the window's fonts substituted as the program does, then the
// test class run in an application of the given kind.
template <typename Test, typename Application = QApplication>
int runWidgetTest(int argc, char** argv) {
    fonts::installSubstitutions();
    Application app(argc, argv);
    Test test;
    return QTest::qExec(&test, argc, argv);
}
