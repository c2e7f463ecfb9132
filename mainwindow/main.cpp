#include <QApplication>

#include "fonts.h"
#include "form1.h"

int main(int argc, char** argv) {
    fonts::installSubstitutions();
    // The small window goes to the X server through the socket: with shared memory, Qt waits
    // for the server on every repaint, which wakes the program twice more on every tick.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM")) {
        qputenv("QT_XCB_NO_MITSHM", "1");
    }
    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName("org.duridaz.Duridaz");
    ClockRandom random;
    Form1 form(random);
    form.show();
    return QApplication::exec();
}
