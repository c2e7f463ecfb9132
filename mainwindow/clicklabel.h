#pragma once

#include <QLabel>

// A label that reports a click released inside its rectangle, caption or not; the second
// press of a double-click is not a second click. Assistive technology sees it as a button that
// can be pressed.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickLabel(QWidget* parent = nullptr);

    void click() { emit clicked(); }

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    bool inDoubleClick_ = false;
};
