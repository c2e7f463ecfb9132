// The main window's keys and what it tells assistive technology.
#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QLabel>
#include <QPointer>
#include <QScrollBar>
#include <QShortcut>
#include <QTimer>
#include <algorithm>
#include <array>

#include "clicklabel.h"
#include "form1.h"

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

// A title and what follows it: "Questions left: 3".
QString titled(const QString& title, const QString& text) {
    return Form1::tr("%1: %2").arg(title, text);
}

constexpr Caption kAllCaptions[] = {Caption::QuestionsLeft, Caption::Right, Caption::Wrong,
                                    Caption::Seconds, Caption::Questions};

void describeButton(QLabel* button, const QString& name, const QString& key) {
    button->setAccessibleName(name);
    button->setToolTip(QString("%1 (%2)").arg(name, key));
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
    QVariant currentValue() const override { return shown(bar()->value()); }
    void setCurrentValue(const QVariant& value) override { bar()->setValue(shown(value.toInt())); }
    QVariant maximumValue() const override { return bar()->maximum(); }
    QVariant minimumValue() const override { return bar()->minimum(); }
    QVariant minimumStepSize() const override { return bar()->singleStep(); }

private:
    QScrollBar* bar() const { return static_cast<QScrollBar*>(widget()); }
    int shown(int value) const { return bar()->minimum() + bar()->maximum() - value; }
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
        (name == QLatin1String("IntScroll") || name == QLatin1String("questscroll"))) {
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

QString answerPhrase(const std::array<QString, 5>& answers, int pos) {
    return QString("%1, %2").arg(pos).arg(answers.at(static_cast<size_t>(pos)));
}

QString questionPhrase(const QString& signature, const std::array<QString, 5>& answers) {
    QStringList named;
    for (int pos = 1; pos <= 4; ++pos) {
        named << QString("%1 %2").arg(pos).arg(answers.at(static_cast<size_t>(pos)));
    }
    return answers[1].isEmpty() ? signature : titled(signature, named.join(", "));
}

QString signatureWords(int key) {
    const std::string words(keytable::signatureWords(key));
    return QCoreApplication::translate("Signature", words.c_str())
        .arg(keytable::accidentalCount(key));
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

// Names and descriptions for assistive technology, kept up to date with the screen. A screen
// reader that speaks only the focused control hears the changes as phrases (tellWhatChanged).
void Form1::describeControls() {
    QAccessible::installFactory(accessibleDrillPart);
    useOwnInterface<AccessibleSetting>(secondsBar_);
    useOwnInterface<AccessibleSetting>(questionsBar_);
    useOwnInterface<AccessiblePicture>(picture_);
    describeButton(goButton_, tr("Go"), tr("Enter"));
    describeButton(stopButton_, tr("Stop"), "Esc");
    describeButton(restartButton_, tr("Restart"), "R");
    describeButton(kindButton_, tr("Key kind"), "S");
    goButton_->setAccessibleDescription(tr("Starts the quiz, or resumes it after Stop"));
    stopButton_->setAccessibleDescription(tr("Halts the quiz"));
    restartButton_->setAccessibleDescription(tr("Sets the counters back for a new quiz"));
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
    heard_ = nowOnShow();
}

void Form1::describeAnswer(int pos) {
    QLabel* label = answers_.at(static_cast<size_t>(pos));
    QString name = tr("Answer %1").arg(pos);
    if (!label->text().isEmpty()) {
        name = titled(name, label->text());
    }
    if (arrowShown(pos)) {
        name += tr(", your choice");
    }
    if (label->palette().color(QPalette::WindowText) == QColor(Qt::red)) {
        name += tr(", the correct answer");
    }
    label->setAccessibleName(name);
    tellLater();
}

void Form1::describeCaption(Caption which) {
    QLabel* label = captionLabel(which);
    label->setAccessibleName(titled(captionTitle(which), label->text()));
    tellLater();
}

void Form1::describePicture(int key) {
    signature_ = key == 0 ? tr("Staff without a key signature") : signatureWords(key);
    picture_->setAccessibleName(key == 0 ? signature_ : titled(tr("Key signature"), signature_));
    tellLater();
}

void Form1::quizEnded() {
    setAccessibleDescription(
        tr("Quiz over: %1 right, %2 wrong").arg(rightCount_->text(), wrongCount_->text()));
    QAccessibleEvent over(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&over);
    command_ = accessibleDescription();
    tellLater();
}

void Form1::commandActed(QuizCommand command) {
    command_ = command == QuizCommand::Go     ? tr("Go")
               : command == QuizCommand::Stop ? tr("Stopped")
                                              : tr("Restart");
    tellLater();
}

Form1::Heard Form1::nowOnShow() const {
    Heard now;
    now.signature = signature_;
    for (int pos = 1; pos <= 4; ++pos) {
        now.answers.at(static_cast<size_t>(pos)) = answers_.at(static_cast<size_t>(pos))->text();
        if (arrowShown(pos)) {
            now.choice = pos;
        }
    }
    now.correct = drill_.state().rightPos;
    now.right = rightCount_->text().toInt();
    now.wrong = wrongCount_->text().toInt();
    now.left = questionsLeft_->text().toInt();
    now.keys = sharpsLamp_->isHidden()  ? tr("Flat keys")
               : flatsLamp_->isHidden() ? tr("Sharp keys")
                                        : tr("All keys");
    return now;
}

// Everything that changes in one turn of the event loop (a command, a click, a tick of the
// clock) is told as one phrase once that turn is over.
void Form1::tellLater() {
    if (!tellPending_) {
        tellPending_ = true;
        QTimer::singleShot(0, this, [this] { tellWhatChanged(); });
    }
}

// A counter that went up by one has just graded the question the listener heard last.
QString Form1::gradingNews(const Heard& before, const Heard& now) {
    if (now.right == before.right + 1) {
        return tr("Right: %1").arg(answerPhrase(before.answers, before.correct));
    }
    if (now.wrong == before.wrong + 1) {
        return tr("Wrong: the answer is %1").arg(answerPhrase(before.answers, before.correct));
    }
    return {};
}

QString Form1::countersNews(const Heard& before, const Heard& now) {
    QStringList counters;
    if (now.right != before.right) {
        counters << tr("%1 right").arg(now.right);
    }
    if (now.wrong != before.wrong) {
        counters << tr("%1 wrong").arg(now.wrong);
    }
    if (now.left != before.left) {
        counters
            << (now.left == 1 ? tr("%1 question left") : tr("%1 questions left")).arg(now.left);
    }
    return counters.join(", ");
}

void Form1::tellWhatChanged() {
    tellPending_ = false;
    const Heard before = heard_;
    const Heard now = nowOnShow();
    heard_ = now;
    QStringList news = {command_, gradingNews(before, now), countersNews(before, now)};
    command_.clear();
    if (now.signature != before.signature || now.answers != before.answers) {
        news << questionPhrase(now.signature, now.answers);
    }
    if (now.choice != before.choice && now.choice != 0) {
        news << tr("You chose %1").arg(answerPhrase(now.answers, now.choice));
    }
    if (now.keys != before.keys) {
        news << now.keys;
    }
    news.removeAll(QString());
    if (!news.isEmpty()) {
        tell(news.join(". ") + ".");
    }
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
