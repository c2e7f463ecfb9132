#include "firstframe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

FirstFrameProbe::FirstFrameProbe() {
    QCoreApplication::instance()->installEventFilter(this);
}

bool FirstFrameProbe::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->isWindow()) {
        window_ = static_cast<QWidget*>(watched);
        QCoreApplication::instance()->removeEventFilter(this);
        QCoreApplication::postEvent(this, new QEvent(QEvent::User));
    }
    return false;
}

void FirstFrameProbe::customEvent(QEvent* event) {
    if (event->type() == QEvent::User) {
        emit frameComplete(window_);
    }
}
