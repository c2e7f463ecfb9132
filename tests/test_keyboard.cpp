// The keyboard drives the drill exactly as the mouse does, without taking the focus.
#include <QLabel>
#include <QScrollBar>
#include <QtTest>

#include "form1.h"
#include "scriptedrandom.h"
#include "support/widgettest.h"

class KeyboardTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void digitsPointAtAnswersLikeClicks_data();
    void digitsPointAtAnswersLikeClicks();
    void commandKeysActLikeTheirButtons();
    void aFocusedScrollBarKeepsItsArrowKeys();
    void buttonTooltipsNameTheirKeys();

private:
    QLabel* label(const char* name) { return form->findChild<QLabel*>(name); }
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }

    ScriptedRandom random;
    std::unique_ptr<Form1> form;
};

void KeyboardTest::init() {
    QDir::setCurrent(SOURCE_DIR "/assets");
    form = std::make_unique<Form1>(random);
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    form->activateWindow();
    QTRY_VERIFY(QApplication::focusWidget() != nullptr);
}

void KeyboardTest::digitsPointAtAnswersLikeClicks_data() {
    QTest::addColumn<bool>("keypad");
    QTest::newRow("main row") << false;
    QTest::newRow("keypad") << true;
}

void KeyboardTest::digitsPointAtAnswersLikeClicks() {
    QFETCH(bool, keypad);
    const Qt::KeyboardModifiers modifiers = keypad ? Qt::KeypadModifier : Qt::NoModifier;
    QWidget* focused = QApplication::focusWidget();
    for (int pos : {3, 1, 4, 2}) {
        press(static_cast<Qt::Key>(Qt::Key_0 + pos), modifiers);
        for (int other = 1; other <= 4; ++other) {
            QCOMPARE(form->arrowShown(other), other == pos);
        }
    }
    QCOMPARE(QApplication::focusWidget(), focused);
}

void KeyboardTest::commandKeysActLikeTheirButtons() {
    press(Qt::Key_S);
    press(Qt::Key_S);
    QVERIFY(!label("Isharps")->isVisible());
    press(Qt::Key_Return);
    QVERIFY(form->state().running);
    QCOMPARE(label("lleft")->text(), QString("16"));
    QVERIFY(form->state().keyNum >= 8);
    press(Qt::Key_S);  // the selector does nothing while the quiz runs
    QVERIFY(!label("Isharps")->isVisible());
    press(Qt::Key_Escape);
    QVERIFY(!form->state().running);
    press(Qt::Key_Enter, Qt::KeypadModifier);
    QVERIFY(form->state().running);
    press(Qt::Key_R);
    QVERIFY(form->state().freshStart);
    QCOMPARE(label("aright")->text(), QString("0"));
}

void KeyboardTest::aFocusedScrollBarKeepsItsArrowKeys() {
    auto* seconds = form->findChild<QScrollBar*>("IntScroll");
    QCOMPARE(QApplication::focusWidget(), form->findChild<QWidget*>("Picture1"));
    press(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), seconds);
    press(Qt::Key_Down);
    press(Qt::Key_Down);
    QCOMPARE(label("timeInt")->text(), QString("3"));
    press(Qt::Key_Up);
    QCOMPARE(label("timeInt")->text(), QString("4"));
    press(Qt::Key_2);
    QVERIFY(form->arrowShown(2));
    QCOMPARE(QApplication::focusWidget(), seconds);
    press(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), form->findChild<QWidget*>("questscroll"));
}

void KeyboardTest::buttonTooltipsNameTheirKeys() {
    QCOMPARE(label("lgo")->toolTip(), QString("Go (Enter)"));
    QCOMPARE(label("lstop")->toolTip(), QString("Stop (Esc)"));
    QCOMPARE(label("lrestart")->toolTip(), QString("Restart (R)"));
    QCOMPARE(label("lselect")->toolTip(), QString("Key kind (S)"));
}

int main(int argc, char** argv) {
    return runWidgetTest<KeyboardTest>(argc, argv);
}

#include "test_keyboard.moc"
