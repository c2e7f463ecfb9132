// What assistive technology is told: names for every control a person uses or reads, kept up
// to date with everything a sighted user sees. (The events that announce the changes need a
// real accessibility bus; the X server test listens for them.)
#include <QAccessible>
#include <QLabel>
#include <QScrollBar>
#include <QtTest>

#include "fonts.h"
#include "form1.h"
#include "scriptedrandom.h"

namespace {

// Keys 1 to 7 have one to seven sharps, keys 8 to 14 one to seven flats.
QString signatureOfKey(int key) {
    const int count = key <= 7 ? key : key - 7;
    const QString kind = key <= 7 ? "sharp" : "flat";
    return QString("%1 %2%3").arg(count).arg(kind, count == 1 ? "" : "s");
}

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void everyControlHasAName_data();
    void everyControlHasAName();
    void thePictureIsDescribedByItsContent();
    void aQuestionIsFollowedStepByStep();
    void theSettingsReadAsTheNumbersOnScreen();
    void aListenerIsToldEachChange();

private:
    QString nameOf(const char* objectName) {
        auto* widget = form->findChild<QWidget*>(objectName);
        return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
    }
    QString descriptionOf(const char* objectName) {
        auto* widget = form->findChild<QWidget*>(objectName);
        return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Description);
    }
    QAccessibleValueInterface* valueOf(const char* objectName) {
        auto* widget = form->findChild<QWidget*>(objectName);
        return QAccessible::queryAccessibleInterface(widget)->valueInterface();
    }
    QString told() {
        QAccessibleInterface* picture =
            QAccessible::queryAccessibleInterface(form->findChild<QWidget*>("Picture1"));
        for (int i = 0; i < picture->childCount(); ++i) {
            if (picture->child(i)->state().focused) {
                return picture->child(i)->text(QAccessible::Name);
            }
        }
        return {};
    }
    void press(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }
    QString textOf(const char* objectName) { return form->findChild<QLabel*>(objectName)->text(); }
    QString answerAt(int pos) {
        return QString("%1, %2").arg(pos).arg(textOf(qPrintable(QString("choice(%1)").arg(pos))));
    }
    QString questionOnShow(const QString& signature) {
        QStringList answers;
        for (int pos = 1; pos <= 4; ++pos) {
            answers << answerAt(pos).replace(", ", " ");
        }
        return signature + ": " + answers.join(", ");
    }

    ScriptedRandom random;
    std::unique_ptr<Form1> form;
};

void AccessibilityTest::init() {
    QDir::setCurrent(SOURCE_DIR "/assets");
    form = std::make_unique<Form1>(random);
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
}

void AccessibilityTest::everyControlHasAName_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("role");
    const std::vector<std::tuple<const char*, const char*, QAccessible::Role>> table = {
        {"lgo", "Go", QAccessible::Button},
        {"lstop", "Stop", QAccessible::Button},
        {"lrestart", "Restart", QAccessible::Button},
        {"lselect", "Key kind", QAccessible::Button},
        {"Label3", "About", QAccessible::Button},
        {"IntScroll", "Seconds per question", QAccessible::ScrollBar},
        {"questscroll", "Questions per quiz", QAccessible::ScrollBar},
        {"timeInt", "Seconds per question: 5", QAccessible::StaticText},
        {"qNumber", "Questions per quiz: 16", QAccessible::StaticText},
        {"lleft", "Questions left: 0", QAccessible::StaticText},
        {"aright", "Right answers: 00", QAccessible::StaticText},
        {"awrong", "Wrong answers: 00", QAccessible::StaticText},
        {"choice(1)", "Answer 1", QAccessible::Button},
        {"choice(4)", "Answer 4", QAccessible::Button},
        {"Picture1", "Staff without a key signature", QAccessible::Graphic}};
    for (const auto& [control, name, role] : table) {
        QTest::newRow(control) << control << name << static_cast<int>(role);
    }
}

void AccessibilityTest::everyControlHasAName() {
    QFETCH(QString, control);
    QFETCH(QString, name);
    QFETCH(int, role);
    auto* widget = form->findChild<QWidget*>(control);
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    QVERIFY(accessible);
    QCOMPARE(accessible->text(QAccessible::Name), name);
    QCOMPARE(static_cast<int>(accessible->role()), role);
}

void AccessibilityTest::thePictureIsDescribedByItsContent() {
    QCOMPARE(descriptionOf("lselect"), QString("Asks all fourteen keys; press to change"));
    const std::pair<int, const char*> pictures[] = {
        {10, "3 flats"}, {1, "1 sharp"}, {14, "7 flats"}, {8, "1 flat"}, {7, "7 sharps"}};
    for (const auto& [key, signature] : pictures) {
        form->questionShown({key, true, {}, 1});
        QCOMPARE(nameOf("Picture1"), QString("Key signature: ") + signature);
    }
}

void AccessibilityTest::aQuestionIsFollowedStepByStep() {
    auto* seconds = form->findChild<QScrollBar*>("IntScroll");
    auto* questions = form->findChild<QScrollBar*>("questscroll");
    seconds->setValue(10);
    questions->setValue(25);
    QCOMPARE(valueOf("IntScroll")->currentValue().toInt(), 0);
    random.script({ScriptedRandom::drawFor(3, 14, 1)});  // key 3: "A", three sharps

    QTest::mouseClick(form->findChild<QLabel*>("lgo"), Qt::LeftButton);
    QCOMPARE(nameOf("Picture1"), QString("Key signature: 3 sharps"));
    QCOMPARE(nameOf("lleft"), QString("Questions left: 1"));

    const int right = form->state().rightPos;
    const int wrong = right % 4 + 1;
    QTest::mouseClick(form->findChild<QLabel*>(qPrintable(QString("choice(%1)").arg(wrong))),
                      Qt::LeftButton);
    const QString wrongAnswer = QString("choice(%1)").arg(wrong);
    QVERIFY(nameOf(qPrintable(wrongAnswer)).endsWith(", your choice"));

    const QString rightAnswer = QString("choice(%1)").arg(right);
    QTRY_COMPARE(nameOf("awrong"), QString("Wrong answers: 1"));
    QCOMPARE(nameOf(qPrintable(rightAnswer)),
             QString("Answer %1: A, the correct answer").arg(right));

    QTRY_VERIFY_WITH_TIMEOUT(!form->state().running, 5000);
    QCOMPARE(form->accessibleDescription(), QString("Quiz over: 0 right, 1 wrong"));
}

// A bar's value runs against the number on screen; what assistive technology reads, and what
// it sets, is the number on screen.
void AccessibilityTest::theSettingsReadAsTheNumbersOnScreen() {
    const std::vector<std::tuple<const char*, const char*, int, int>> settings = {
        {"IntScroll", "timeInt", 0, 10}, {"questscroll", "qNumber", 1, 25}};
    for (const auto& [barName, captionName, fewest, most] : settings) {
        auto* bar = form->findChild<QScrollBar*>(barName);
        QAccessibleValueInterface* value = valueOf(barName);
        QVERIFY(value);
        QCOMPARE(value->minimumValue().toInt(), fewest);
        QCOMPARE(value->maximumValue().toInt(), most);
        for (int raw = bar->minimum(); raw <= bar->maximum(); ++raw) {
            bar->setValue(raw);
            QCOMPARE(value->currentValue().toInt(), textOf(captionName).toInt());
        }
        value->setCurrentValue(3);
        QCOMPARE(textOf(captionName), QString("3"));
    }
}

// What a screen reader speaks next: the phrase that has taken the accessible focus inside the
// picture, which keeps the keyboard focus.
void AccessibilityTest::aListenerIsToldEachChange() {
    form->findChild<QScrollBar*>("IntScroll")->setValue(10);    // 0 seconds
    form->findChild<QScrollBar*>("questscroll")->setValue(24);  // 2 questions
    random.script({ScriptedRandom::drawFor(3, 14, 1)});         // key 3: "A", three sharps
    QCOMPARE(told(), QString());

    press(Qt::Key_Return);
    QTRY_VERIFY(!told().isEmpty());
    QCOMPARE(told(), "Go. 2 questions left. " + questionOnShow("3 sharps") + ".");
    const QString rightAnswer = answerAt(form->state().rightPos);
    press(static_cast<Qt::Key>(Qt::Key_0 + form->state().rightPos));
    QTRY_COMPARE(told(), "You chose " + rightAnswer + ".");
    QTRY_VERIFY(told().startsWith("Right: "));
    const QString signature = signatureOfKey(form->state().keyNum);
    QCOMPARE(told(), "Right: " + rightAnswer + ". 1 right, 1 question left. " +
                         questionOnShow(signature) + ".");

    const int right = form->state().rightPos;
    const int wrong = right % 4 + 1;
    press(static_cast<Qt::Key>(Qt::Key_0 + wrong));
    QTRY_COMPARE(told(), "You chose " + answerAt(wrong) + ".");
    QTRY_COMPARE(told(), "Wrong: the answer is " + answerAt(right) + ". 1 wrong.");
    QTRY_COMPARE_WITH_TIMEOUT(told(), QString("0 questions left."), 3000);
    QTRY_COMPARE(told(), QString("Quiz over: 1 right, 1 wrong."));

    press(Qt::Key_R);
    QTRY_COMPARE(told(), QString("Restart. 0 right, 0 wrong, 2 questions left."));
    press(Qt::Key_Return);
    QTRY_VERIFY2(told().startsWith("Go. "), qPrintable(told()));
    press(Qt::Key_Escape);
    QTRY_COMPARE(told(), QString("Stopped."));

    press(Qt::Key_S);  // all fourteen keys, as before: nothing to tell
    press(Qt::Key_S);
    QTRY_COMPARE(told(), QString("Flat keys."));
    QTest::mouseClick(form->findChild<QLabel*>("lselect"), Qt::LeftButton);
    QTRY_COMPARE(told(), QString("Sharp keys."));
}

int main(int argc, char** argv) {
    fonts::installSubstitutions();
    QApplication app(argc, argv);
    AccessibilityTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_accessibility.moc"
