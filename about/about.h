#pragma once

#include <QWidget>

class QLabel;

// The makers' page; the link shows it without the scheme and the final slash.
inline constexpr const char* kWebAddress = "https://duridaz.org/";

// The About window: title, notice and a link to the makers' page. There is only ever one;
// it has no owner, so it outlives the main window, and a click on its background closes it.
// As in the main window, members are named for their role; the design's names ("Label4") are
// the object names.
class Form3 : public QWidget {
    Q_OBJECT
public:
    // Creates the window if it is not open and brings it to the front.
    static Form3* open();
    static Form3* instance();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Form3();
    void setLinkColour(const QColor& colour);
    void Form_Click();
    void Label4_Click();

    QLabel* link_ = nullptr;
    bool linkDoubleClick_ = false;
};
