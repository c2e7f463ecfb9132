#include "about.h"

#include <QDesktopServices>
#include <QIcon>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QUrl>
#include <utility>

#include "fonts.h"

namespace {

QPointer<Form3>& theWindow() {
    static QPointer<Form3> window;
    return window;
}

QString linkCaption() {
    QString address = kWebAddress;
    address.remove(0, address.indexOf("://") + 3);
    if (address.endsWith('/')) {
        address.chop(1);
    }
    return address;
}

// The labels are opaque, in the window's colours; clicks and moves on them go no further.
QLabel* makeLabel(QWidget* parent, const QString& name, QRect geometry, const QString& text,
                  Qt::Alignment alignment = Qt::AlignLeft) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    label->setAlignment(alignment | Qt::AlignTop);
    label->setAutoFillBackground(true);
    label->setAttribute(Qt::WA_NoMousePropagation);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, palette.color(QPalette::ButtonText));
    label->setPalette(palette);
    return label;
}

}  // namespace

Form3* Form3::open() {
    auto& window = theWindow();
    if (!window) {
        window = new Form3;
    }
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

Form3* Form3::instance() {
    return theWindow();
}

Form3::Form3()
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    Q_INIT_RESOURCE(about);  // the icon lives in a static library
    setObjectName("Form3");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("About"));
    QIcon icon(":/about/pictures/about-red.png");
    icon.addFile(":/about/pictures/about-green.png", {}, QIcon::Active);
    icon.addFile(":/about/pictures/about-mono.png", {}, QIcon::Disabled);
    setWindowIcon(icon);
    setFont(fonts::dialogDefault());
    setGeometry(3, 242, 312, 141);
    setFixedSize(312, 141);
    setMouseTracking(true);

    makeLabel(this, "Label5", {160, 120, 141, 17}, tr("Freeware"), Qt::AlignRight);
    link_ = makeLabel(this, "Label4", {48, 88, 224, 20}, linkCaption(), Qt::AlignHCenter);
    link_->setFont(fonts::dialogBold(16));
    link_->setToolTip(tr("Click To Visit"));
    link_->setMouseTracking(true);
    link_->setCursor(Qt::PointingHandCursor);
    link_->installEventFilter(this);
    makeLabel(this, "Label3", {11, 65, 210, 15},
              tr("Please visit my website for more information"));
    makeLabel(this, "Label2", {10, 121, 143, 17}, tr("\u00A9 2026 the Duridaz authors"));
    auto* title = makeLabel(this, "Label1", {9, 7, 304, 45}, "Duridaz 2");
    title->setFont(fonts::arialBold(32));
    for (QLabel* label : findChildren<QLabel*>()) {
        label->setFont(fonts::narrowedToFit(label->font(), label->text(), label->width()));
    }
}

void Form3::setLinkColour(const QColor& colour) {
    QPalette palette = link_->palette();
    palette.setColor(QPalette::WindowText, colour);
    link_->setPalette(palette);
}

bool Form3::eventFilter(QObject* watched, QEvent* event) {
    if (watched != link_) {
        return false;
    }
    if (event->type() == QEvent::MouseMove) {
        setLinkColour(Qt::red);
    } else if (event->type() == QEvent::MouseButtonDblClick) {
        // The second press of a double-click asks for the page no second time.
        linkDoubleClick_ = static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
    } else if (event->type() == QEvent::MouseButtonRelease) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton && !std::exchange(linkDoubleClick_, false) &&
            link_->rect().contains(mouse->position().toPoint())) {
            Label4_Click();
        }
    }
    return false;
}

void Form3::mouseMoveEvent(QMouseEvent*) {
    setLinkColour(Qt::black);
}

void Form3::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        Form_Click();
    }
}

void Form3::Form_Click() {
    close();
}

// The desktop opens the page; whether it could is not our concern, and the window stays.
void Form3::Label4_Click() {
    QDesktopServices::openUrl(QUrl(kWebAddress));
}
