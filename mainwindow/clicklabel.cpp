#include "clicklabel.h"

#include <QAccessibleWidget>
#include <QMouseEvent>
#include <utility>

namespace {

class AccessibleClickLabel : public QAccessibleWidget {
public:
    explicit AccessibleClickLabel(QWidget* widget)
        : QAccessibleWidget(widget, QAccessible::Button) {}

    QString text(QAccessible::Text which) const override {
        if (which == QAccessible::Name && widget()->accessibleName().isEmpty()) {
            return static_cast<ClickLabel*>(widget())->text();
        }
        return QAccessibleWidget::text(which);
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override {
        if (action == pressAction()) {
            static_cast<ClickLabel*>(widget())->click();
        }
    }
};

QAccessibleInterface* accessibleClickLabel(const QString& className, QObject* object) {
    if (className == QLatin1String("ClickLabel") && object->isWidgetType()) {
        return new AccessibleClickLabel(static_cast<QWidget*>(object));
    }
    return nullptr;
}

}  // namespace

ClickLabel::ClickLabel(QWidget* parent) : QLabel(parent) {
    static const bool installed = [] {
        QAccessible::installFactory(accessibleClickLabel);
        return true;
    }();
    Q_UNUSED(installed);
}

void ClickLabel::mousePressEvent(QMouseEvent* event) {
    event->setAccepted(event->button() == Qt::LeftButton);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    const bool second = std::exchange(inDoubleClick_, false);
    if (!second && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
}

void ClickLabel::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        inDoubleClick_ = true;
    }
    event->setAccepted(event->button() == Qt::LeftButton);
}
