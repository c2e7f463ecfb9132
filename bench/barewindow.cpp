// The yardstick: a bare Qt program with one fixed window of the main window's size and one
// label, built with the same toolkit and flags, and watched the same way as the real one.
#include <QApplication>
#include <QLabel>
#include <QWidget>

#include "layout.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(layout::kWindowSize);
    QLabel label("Duridaz", &window);
    window.show();
    return QApplication::exec();
}
