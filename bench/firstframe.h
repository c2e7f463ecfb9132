#pragma once

#include <QObject>
#include <QWidget>

// Sees the first complete frame of the first window to paint: on that window's first paint
// it posts an event to itself, and a posted event runs only once the paint cycle, every
// child included, is over. It watches the whole application, so it needs no hook in the code
// that builds the window; create it before the window is shown.
class FirstFrameProbe : public QObject {
    Q_OBJECT
public:
    FirstFrameProbe();

signals:
    void frameComplete(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void customEvent(QEvent* event) override;

private:
    QWidget* window_ = nullptr;
};
