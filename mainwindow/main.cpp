#include <QApplication>

#include "fonts.h"
#include "form1.h"

int main(int argc, char** argv) {
    fonts::installSubstitutions();
    QApplication app(argc, argv);
    ClockRandom random;
    Form1 form(random);
    form.show();
    return QApplication::exec();
}
