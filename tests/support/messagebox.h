#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>

// What a message box showed, read just before the test closed it.
struct SeenBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int buttons = 0;
    QStringList counters;  // questions left, right and wrong, as the box was closed
    QObject watching;      // the watch ends when the record goes
};

namespace support {

inline void watchForMessageBox(SeenBox* seen, QWidget* window, int openForMs, QElapsedTimer waited,
                               QElapsedTimer open) {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box && !open.isValid()) {
        open.start();
    }
    if (!box && waited.hasExpired(5000)) {
        return;  // none came: the title stays empty for the test to find
    }
    if (!box || open.elapsed() < openForMs) {
        QTimer::singleShot(10, &seen->watching,
                           [=] { watchForMessageBox(seen, window, openForMs, waited, open); });
        return;
    }
    seen->title = box->windowTitle();
    seen->text = box->text();
    seen->icon = box->icon();
    seen->buttons = static_cast<int>(box->buttons().size());
    seen->counters.clear();
    for (const char* name : {"lleft", "aright", "awrong"}) {
        seen->counters << window->findChild<QLabel*>(name)->text();
    }
    box->button(QMessageBox::Ok)->click();
}

}  // namespace support

// Closes the next message box of the window once it has been open for the given time,
// noting what it showed. If none opens within five seconds it stops looking.
inline void closeNextMessageBox(SeenBox* seen, QWidget* window, int openForMs = 0) {
    QElapsedTimer waited;
    waited.start();
    QTimer::singleShot(0, &seen->watching, [=] {
        support::watchForMessageBox(seen, window, openForMs, waited, QElapsedTimer());
    });
}
