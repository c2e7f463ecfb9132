// What assistive technology is told: names for every control a person uses or reads, kept up
// to date with everything a sighted user sees. (The events that announce the changes need a
// real accessibility bus, and what a listener hears a screen reader: the X server tests.)
#include <QAccessible>
#include <QLabel>
#include <QScrollBar>
#include <QtTest>

#include "fonts.h"
#include "form1.h"
#include "scriptedrandom.h"
#include "translation.h"
#include "widgettest.h"

class AccessibilityTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void everyControlHasAName_data();
    void everyControlHasAName();
    void thePictureIsDescribedByItsContent();
    void aQuestionIsFollowedStepByStep();
    void theSettingsReadAsTheNumbersOnScreen();

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
    QString textOf(const char* objectName) { return form->findChild<QLabel*>(objectName)->text(); }
    const Translation english{QStringList{"en"}};  // the plural forms of "1 sharp", "3 sharps"
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
    showSetting(form.get(), layout::kSeconds, 0);
    showSetting(form.get(), layout::kQuestions, 1);
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
    for (const layout::Setting& setting : {layout::kSeconds, layout::kQuestions}) {
        const QByteArray barName(setting.bar.data(), qsizetype(setting.bar.size()));
        const QByteArray numberName(setting.number.data(), qsizetype(setting.number.size()));
        auto* bar = form->findChild<QScrollBar*>(barName);
        QAccessibleValueInterface* value = valueOf(barName);
        QVERIFY(value);
        QList<int> numbersShown;
        for (int raw = bar->minimum(); raw <= bar->maximum(); ++raw) {
            bar->setValue(raw);
            numbersShown << textOf(numberName).toInt();
            QCOMPARE(value->currentValue().toInt(), numbersShown.last());
        }
        QCOMPARE(value->minimumValue().toInt(),
                 *std::min_element(numbersShown.begin(), numbersShown.end()));
        QCOMPARE(value->maximumValue().toInt(),
                 *std::max_element(numbersShown.begin(), numbersShown.end()));
        value->setCurrentValue(3);
        QCOMPARE(textOf(numberName), QString("3"));
    }
}

int main(int argc, char** argv) {
    fonts::installSubstitutions();
    QApplication app(argc, argv);
    AccessibilityTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_accessibility.moc"
