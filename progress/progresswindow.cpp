#include "progresswindow.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "fonts.h"
#include "keycircle.h"
#include "progresslegend.h"
#include "progresstable.h"
#include "progresstext.h"
#include "quizchart.h"

namespace {

QPointer<ProgressWindow>& theWindow() {
    static QPointer<ProgressWindow> window;
    return window;
}

QFont windowFont() {
    QFont font = fonts::dialogDefault();
    font.setPixelSize(12);
    return font;
}

}  // namespace

ProgressWindow* ProgressWindow::open(Source source, bool wholeRecordKept) {
    auto& window = theWindow();
    if (!window) {
        window = new ProgressWindow;
    }
    window->source_ = std::move(source);
    const ProgressScope before = window->scope();
    window->setWholeRecordKept(wholeRecordKept);
    if (window->scope() == before) {
        window->refresh();  // else the change of scope has asked the source already
    }
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

ProgressWindow* ProgressWindow::instance() {
    return theWindow();
}

ProgressWindow::ProgressWindow()
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setObjectName("ProgressWindow");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("My progress"));
    setFont(windowFont());

    heading_ = new QLabel(this);
    heading_->setObjectName("heading");
    heading_->setTextFormat(Qt::PlainText);
    QFont headingFont = windowFont();
    headingFont.setPixelSize(16);
    headingFont.setBold(true);
    heading_->setFont(headingFont);

    thisRun_ = new QRadioButton(tr("&This run"), this);
    thisRun_->setObjectName("thisRun");
    thisRun_->setChecked(true);
    wholeRecord_ = new QRadioButton(tr("&Whole record"), this);
    wholeRecord_->setObjectName("wholeRecord");
    // The two are siblings, so choosing one clears the other: one toggle per change of scope.
    connect(wholeRecord_, &QRadioButton::toggled, this, &ProgressWindow::refresh);

    circle_ = new KeyCircle(this);
    legend_ = new ProgressLegend(this);
    table_ = new ProgressTable(this);
    chart_ = new QuizChart(this);
    auto* chartCaption = new QLabel(chart_->accessibleName(), this);
    chartCaption->setBuddy(chart_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QWidget::close);
    new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &QWidget::close);

    layOut(chartCaption, buttons);
    setTabOrder(thisRun_, wholeRecord_);
    setTabOrder(wholeRecord_, table_);
    setTabOrder(table_, chart_);
    setTabOrder(chart_, buttons->button(QDialogButtonBox::Close));
}

// The heading and the scope above; the circle and its legend at the left, the table and the
// chart at the right; the Close button below.
void ProgressWindow::layOut(QLabel* chartCaption, QWidget* buttons) {
    auto* top = new QHBoxLayout;
    top->addWidget(heading_, 1);
    top->addWidget(thisRun_);
    top->addWidget(wholeRecord_);
    auto* left = new QVBoxLayout;
    left->addWidget(circle_);
    left->addWidget(legend_);
    left->addStretch(1);
    auto* right = new QVBoxLayout;
    right->addWidget(table_);
    right->addSpacing(6);
    right->addWidget(chartCaption);
    right->addWidget(chart_);
    right->addStretch(1);
    auto* body = new QHBoxLayout;
    body->addLayout(left);
    body->addSpacing(8);
    body->addLayout(right);
    auto* whole = new QVBoxLayout(this);
    whole->addLayout(top);
    whole->addLayout(body);
    whole->addWidget(buttons);
    // The window takes the size its contents ask for in the user's language, and keeps it.
    whole->setSizeConstraint(QLayout::SetFixedSize);
}

ProgressScope ProgressWindow::scope() const {
    return wholeRecord_->isChecked() ? ProgressScope::WholeRecord : ProgressScope::ThisRun;
}

void ProgressWindow::setWholeRecordKept(bool kept) {
    if (!kept) {
        thisRun_->setChecked(true);
    }
    wholeRecord_->setEnabled(kept);
    wholeRecord_->setToolTip(kept ? QString()
                                  : tr("No record is kept: only this run's answers can be shown."));
    wholeRecord_->setAccessibleDescription(wholeRecord_->toolTip());
}

void ProgressWindow::refresh() {
    if (source_) {
        showData(source_(scope()));
    }
}

void ProgressWindow::showData(const ProgressData& shown) {
    heading_->setText(progresstext::heading(shown.clef, shown.mode));
    circle_->setData(shown);
    legend_->setSlowMs(shown.slowMs);
    table_->setData(shown);
    chart_->setQuizzes(shown.quizzes);
}
