#include <QApplication>
#include <QLocale>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "about.h"
#include "commandline.h"
#include "fonts.h"
#include "form1.h"
#include "session.h"
#include "translation.h"

namespace {

QString lookedFor() {
    const auto named = [](const char* variable) {
        const QByteArray value = qgetenv(variable);
        return value.isEmpty() ? QString("%1 is not set").arg(variable)
                               : QString("%1 is \"%2\"").arg(variable, value);
    };
    return QStringList{named("QT_QPA_PLATFORM"), named("WAYLAND_DISPLAY"), named("DISPLAY")}.join(
        ", ");
}

// Qt's own words when no display can be opened ("reinstalling the application may fix
// this") mislead, and it aborts with a core dump. While the application is made, its messages
// are held back: a fatal one means there was no display, which is said plainly instead.
struct HeldMessage {
    QtMsgType type;
    QString text;
};

std::vector<HeldMessage>& heldMessages() {
    static std::vector<HeldMessage> held;
    return held;
}

void whileStarting(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type != QtFatalMsg) {
        heldMessages().push_back({type, message});
        return;
    }
    std::fprintf(stderr,
                 "duridaz: Duridaz needs a graphical display and could not open one (%s); "
                 "start it in a desktop session\n",
                 qPrintable(lookedFor()));
    std::_Exit(1);
}

void passOnHeldMessages() {
    for (const auto& [type, text] : heldMessages()) {
        qt_message_output(type, QMessageLogContext(), text);
    }
    heldMessages().clear();
}

}  // namespace

int main(int argc, char** argv) {
    const auto options = readCommandLine(argc, argv);
    if (const int* status = std::get_if<int>(&options)) {
        return *status;
    }
    fonts::startReadingConfiguration();
    fonts::installSubstitutions();
    // The small window goes to the X server through the socket: with shared memory, Qt waits
    // for the server on every repaint, which wakes the program twice more on every tick.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM")) {
        qputenv("QT_XCB_NO_MITSHM", "1");
    }
    const QtMessageHandler standard = qInstallMessageHandler(whileStarting);
    QApplication app(argc, argv);
    qInstallMessageHandler(standard);
    passOnHeldMessages();
    QGuiApplication::setDesktopFileName("org.duridaz.Duridaz");
    const Translation translation(QLocale::system().uiLanguages());
    ClockRandom random;
    Form1 form(random, translation.language());
    const Session session(form, std::get<Options>(options));
    QObject::connect(&form, &Form1::aboutRequested, [] { Form3::open(); });
    form.show();
    return QApplication::exec();
}
