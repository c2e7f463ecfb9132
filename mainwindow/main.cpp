#include <QApplication>

#include "fonts.h"
#include "form1.h"

int main(int argc, char** argv) {
    fonts::installSubstitutions();
    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName("org.duridaz.Duridaz");
    ClockRandom random;
    Form1 form(random);
    form.show();
    return QApplication::exec();
}
