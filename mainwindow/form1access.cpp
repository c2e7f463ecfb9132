// The main window's keys and what it tells assistive technology.
#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QKeySequence>
#include <QLabel>
#include <QPointer>
#include <QScrollBar>
#include <QShortcut>
#include <QTimer>
#include <algorithm>
#include <array>

#include "clicklabel.h"
#include "commands.h"
#include "form1.h"
#include "layout.h"

namespace {

QString captionTitle(Caption which) {
    switch (which) {
        case Caption::QuestionsLeft:
            return Form1::tr("Questions left");
        case Caption::Right:
            return Form1::tr("Right answers");
        case Caption::Wrong:
            return Form1::tr("Wrong answers");
        case Caption::Seconds:
            return Form1::tr("Seconds per question");
        case Caption::Questions:
            break;
    }
    return Form1::tr("Questions per quiz");
}

constexpr Caption kAllCaptions[] = {Caption::QuestionsLeft, Caption::Right, Caption::Wrong,
                                    Caption::Seconds, Caption::Questions};

// A button is named as the command it gives; its tooltip adds the first of its keys, named as
// the user's desktop names it.
void describeButton(QWidget* window, const commands::Command& command) {
    auto* button = window->findChild<QLabel*>(QString::fromUtf8(command.control));
    const QString name = QCoreApplication::translate("Form1", command.name);
    const QString key = QKeySequence(command.keys[0]).toString(QKeySequence::NativeText);
    button->setAccessibleName(name);
    button->setToolTip(QString("%1 (%2)").arg(name, key));
    if (command.description) {
        button->setAccessibleDescription(QCoreApplication::translate("Form1", command.description));
    }
}

const layout::Setting& settingOf(const QScrollBar* bar) {
    return bar->objectName() == QLatin1String(layout::kSeconds.bar.data()) ? layout::kSeconds
                                                                           : layout::kQuestions;
}

// A setting's bar runs upside down: its up arrow raises the number on screen. Its value for
// assistive technology is that number, so a screen reader says what the user sees.
class AccessibleSetting : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit AccessibleSetting(QScrollBar* bar) : QAccessibleWidget(bar, QAccessible::ScrollBar) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface) {
            return static_cast<QAccessibleValueInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }
    QVariant currentValue() const override { return setting().shown(bar()->value()); }
    void setCurrentValue(const QVariant& value) override {
        bar()->setValue(setting().valueShowing(value.toInt()));
    }
    QVariant maximumValue() const override {
        return std::max(setting().shown(bar()->minimum()), setting().shown(bar()->maximum()));
    }
    QVariant minimumValue() const override {
        return std::min(setting().shown(bar()->minimum()), setting().shown(bar()->maximum()));
    }
    QVariant minimumStepSize() const override { return bar()->singleStep(); }

private:
    QScrollBar* bar() const { return static_cast<QScrollBar*>(widget()); }
    const layout::Setting& setting() const { return settingOf(bar()); }
};

// One phrase told to the listener. Orca 43 speaks the object that takes the focus; a change of
// a name reaches it from Qt 6.4 without the new name, and it says nothing. So each phrase is an
// object of its own inside the picture and takes the accessible focus, while the picture keeps
// the keyboard focus.
class SpokenPhrase : public QAccessibleInterface {
public:
    explicit SpokenPhrase(QWidget* picture) : picture_(picture) {}

    void say(const QString& phrase) { phrase_ = phrase; }
    void setCurrent(bool current) { current_ = current; }

    bool isValid() const override { return !picture_.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return picture_->window()->windowHandle(); }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(picture_);
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text which) const override {
        return which == QAccessible::Name ? phrase_ : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override { return {picture_->mapToGlobal(QPoint()), picture_->size()}; }
    // A filler to the screen reader, which therefore says the phrase without a role after it.
    QAccessible::Role role() const override { return QAccessible::Client; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.focusable = true;
        state.focused = current_ && picture_->hasFocus();
        state.readOnly = true;
        return state;
    }

private:
    QPointer<QWidget> picture_;
    QString phrase_;
    bool current_ = false;
};

// The picture holds two phrases and gives the focus to each in turn, since a screen reader
// stays silent when the focus goes to the object that already has it.
class AccessiblePicture : public QAccessibleWidget {
public:
    explicit AccessiblePicture(QWidget* picture)
        : QAccessibleWidget(picture, QAccessible::Graphic) {
        for (size_t i = 0; i < phrases_.size(); ++i) {
            phrases_[i] = new SpokenPhrase(picture);
            ids_[i] = QAccessible::registerAccessibleInterface(phrases_[i]);
        }
    }
    ~AccessiblePicture() override {
        for (QAccessible::Id id : ids_) {
            QAccessible::deleteAccessibleInterface(id);
        }
    }

    void say(const QString& phrase) {
        phrases_[current_]->setCurrent(false);
        current_ = (current_ + 1) % phrases_.size();
        phrases_[current_]->say(phrase);
        phrases_[current_]->setCurrent(true);
        QAccessibleEvent focus(phrases_[current_], QAccessible::Focus);
        QAccessible::updateAccessibility(&focus);
    }

    int childCount() const override { return static_cast<int>(phrases_.size()); }
    QAccessibleInterface* child(int index) const override {
        return index >= 0 && index < childCount() ? phrases_[static_cast<size_t>(index)] : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const auto found = std::find(phrases_.begin(), phrases_.end(), child);
        return found == phrases_.end() ? -1 : static_cast<int>(found - phrases_.begin());
    }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

private:
    std::array<SpokenPhrase*, 2> phrases_{};
    std::array<QAccessible::Id, 2> ids_{};
    size_t current_ = 0;
};

QAccessibleInterface* accessibleDrillPart(const QString& className, QObject* object) {
    const QString name = object->objectName();
    if (className == QLatin1String("QScrollBar") &&
        (name == QLatin1String(layout::kSeconds.bar.data()) ||
         name == QLatin1String(layout::kQuestions.bar.data()))) {
        return new AccessibleSetting(static_cast<QScrollBar*>(object));
    }
    if (className == QLatin1String("QLabel") && name == QLatin1String("Picture1")) {
        return new AccessiblePicture(static_cast<QWidget*>(object));
    }
    return nullptr;
}

// A control may have been asked for its interface while it was being built, before the
// factory was installed; that interface is dropped so that the next question gets ours.
template <typename Own>
void useOwnInterface(QWidget* widget) {
    QAccessibleInterface* current = QAccessible::queryAccessibleInterface(widget);
    if (current && !dynamic_cast<Own*>(current)) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(current));
    }
}

}  // namespace

// Window-wide keys that take no focus, so a focused scroll bar keeps its arrow keys.
void Form1::bindKeys() {
    for (const commands::Command& command : commands::table) {
        auto* control = findChild<ClickLabel*>(QString::fromUtf8(command.control));
        for (QKeyCombination keys : command.keys) {
            if (keys != commands::kNone) {
                connect(new QShortcut(QKeySequence(keys), this), &QShortcut::activated, control,
                        &ClickLabel::click);
            }
        }
    }
}

// Names and descriptions for assistive technology, kept up to date with the screen. A screen
// reader that speaks only the focused control hears the changes as the narrator's phrases.
void Form1::describeControls() {
    QAccessible::installFactory(accessibleDrillPart);
    useOwnInterface<AccessibleSetting>(secondsBar_);
    useOwnInterface<AccessibleSetting>(questionsBar_);
    useOwnInterface<AccessiblePicture>(picture_);
    for (const commands::Command& command : commands::table) {
        if (command.name) {
            describeButton(this, command);
        }
    }
    logo_->setAccessibleName(tr("About"));
    sharpsLamp_->setAccessibleName(tr("Sharp keys lamp"));
    flatsLamp_->setAccessibleName(tr("Flat keys lamp"));
    secondsBar_->setAccessibleName(captionTitle(Caption::Seconds));
    questionsBar_->setAccessibleName(captionTitle(Caption::Questions));
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
    QLabel* label = answers_.at(static_cast<size_t>(pos));
    QString name = tr("Answer %1").arg(pos);
    if (!label->text().isEmpty()) {
        name = Narrator::titled(name, label->text());
    }
    if (arrowShown(pos)) {
        name += tr(", your choice");
    }
    if (pos == correctShown_) {
        name += tr(", the correct answer");
    }
    label->setAccessibleName(name);
}

void Form1::describeCaption(Caption which) {
    QLabel* label = captionLabel(which);
    label->setAccessibleName(Narrator::titled(captionTitle(which), label->text()));
}

void Form1::describePicture(int key) {
    const QString signature = Narrator::signature(key);
    picture_->setAccessibleName(key == 0 ? signature
                                         : Narrator::titled(tr("Key signature"), signature));
}

void Form1::quizStarted(const QuizStart& start) {
    forward(&DrillEvents::quizStarted, start);
}

void Form1::questionShown(const Question& question) {
    describePicture(question.pictureShown ? question.key : 0);
    setAccessibleDescription({});  // a quiz runs: the last one's result is old news
    forward(&DrillEvents::questionShown, question);
}

void Form1::answerChosen(int pos) {
    forward(&DrillEvents::answerChosen, pos);
}

void Form1::graded(const Grading& grading) {
    if (!grading.right) {
        correctShown_ = grading.rightPos;
        describeAnswer(grading.rightPos);
    }
    forward(&DrillEvents::graded, grading);
}

void Form1::countersShown(const Counters& counters) {
    forward(&DrillEvents::countersShown, counters);
}

void Form1::pauseEnded() {
    correctShown_ = 0;
    for (int pos = 1; pos <= 4; ++pos) {
        describeAnswer(pos);
    }
    forward(&DrillEvents::pauseEnded);
}

void Form1::commandActed(DrillCommand command) {
    forward(&DrillEvents::commandActed, command);
}

void Form1::keyKindShown(keytable::KeyKind kind) {
    forward(&DrillEvents::keyKindShown, kind);
}

void Form1::quizEnded(const Counters& counters) {
    setAccessibleDescription(Narrator::quizOver(counters));
    QAccessibleEvent over(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&over);
    forward(&DrillEvents::quizEnded, counters);
}

void Form1::turnEnded() {
    forward(&DrillEvents::turnEnded);
}

// A phrase is heard only where the listener is: while a setting has the focus, the screen
// reader follows the setting.
void Form1::tell(const QString& phrase) {
    auto* picture =
        dynamic_cast<AccessiblePicture*>(QAccessible::queryAccessibleInterface(picture_));
    if (picture && picture_->hasFocus()) {
        picture->say(phrase);
    }
}
