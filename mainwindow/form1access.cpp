// The main window's keys and what it tells assistive technology.
#include <QAccessible>
#include <QLabel>
#include <QScrollBar>
#include <QShortcut>

#include "clicklabel.h"
#include "form1.h"

namespace {

const char* captionTitle(Caption which) {
    switch (which) {
        case Caption::QuestionsLeft:
            return "Questions left";
        case Caption::Right:
            return "Right answers";
        case Caption::Wrong:
            return "Wrong answers";
        case Caption::Seconds:
            return "Seconds per question";
        case Caption::Questions:
            break;
    }
    return "Questions per quiz";
}

constexpr Caption kAllCaptions[] = {Caption::QuestionsLeft, Caption::Right, Caption::Wrong,
                                    Caption::Seconds, Caption::Questions};

void describeButton(QLabel* button, const QString& name, const QString& key) {
    button->setAccessibleName(name);
    button->setToolTip(QString("%1 (%2)").arg(name, key));
}

}  // namespace

// Window-wide keys that take no focus, so a focused scroll bar keeps its arrow keys.
void Form1::bindKeys() {
    auto bind = [this](QKeyCombination keys, auto action) {
        connect(new QShortcut(QKeySequence(keys), this), &QShortcut::activated, this, action);
    };
    for (int pos = 1; pos <= 4; ++pos) {
        const auto digit = static_cast<Qt::Key>(Qt::Key_0 + pos);
        bind(digit, [this, pos] { drill_.choice_Click(pos); });
        bind(Qt::KeypadModifier | digit, [this, pos] { drill_.choice_Click(pos); });
    }
    for (QKeyCombination go : {QKeyCombination(Qt::Key_Return), QKeyCombination(Qt::Key_Enter),
                               Qt::KeypadModifier | Qt::Key_Enter}) {
        bind(go, [this] { drill_.lgo_Click(); });
    }
    bind(Qt::Key_Escape, [this] { drill_.lstop_Click(); });
    bind(Qt::Key_R, [this] { drill_.lrestart_Click(); });
    bind(Qt::Key_S, [this] { drill_.lselect_Click(); });
}

// Names and descriptions for assistive technology. Every change of a name is announced, so
// a screen reader can follow the questions, the arrow, the grading and the counters.
void Form1::describeControls() {
    describeButton(lgo, "Go", "Enter");
    describeButton(lstop, "Stop", "Esc");
    describeButton(lrestart, "Restart", "R");
    describeButton(lselect, "Key kind", "S");
    lgo->setAccessibleDescription("Starts the quiz, or resumes it after Stop");
    lstop->setAccessibleDescription("Halts the quiz");
    lrestart->setAccessibleDescription("Sets the counters back for a new quiz");
    Label3->setAccessibleName("About");
    Isharps->setAccessibleName("Sharp keys lamp");
    Iflats->setAccessibleName("Flat keys lamp");
    IntScroll->setAccessibleName(captionTitle(Caption::Seconds));
    questscroll->setAccessibleName(captionTitle(Caption::Questions));
    for (Caption which : kAllCaptions) {
        describeCaption(which);
    }
    for (int pos = 1; pos <= 4; ++pos) {
        describeAnswer(pos);
    }
    describePicture(0);
    showIndicators(true, true);
}

void Form1::describeAnswer(int pos) {
    QLabel* label = choice.at(static_cast<size_t>(pos));
    QString name = QString("Answer %1").arg(pos);
    if (!label->text().isEmpty()) {
        name += ": " + label->text();
    }
    if (arrowShown(pos)) {
        name += ", your choice";
    }
    if (label->palette().color(QPalette::WindowText) == QColor(Qt::red)) {
        name += ", the correct answer";
    }
    label->setAccessibleName(name);
}

void Form1::describeCaption(Caption which) {
    QLabel* label = captionLabel(which);
    label->setAccessibleName(QString("%1: %2").arg(captionTitle(which), label->text()));
    if (which == Caption::Seconds) {
        IntScroll->setAccessibleDescription(label->text() + " seconds");
    } else if (which == Caption::Questions) {
        questscroll->setAccessibleDescription(label->text() + " questions");
    }
}

void Form1::describePicture(int key) {
    Picture1->setAccessibleName(
        key == 0 ? QString("Staff without a key signature")
                 : QString("Key signature: %1").arg(keytable::signatureText(key).c_str()));
}

void Form1::quizEnded() {
    setAccessibleDescription(
        QString("Quiz over: %1 right, %2 wrong").arg(aright->text(), awrong->text()));
    QAccessibleEvent over(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&over);
}
