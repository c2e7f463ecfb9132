// The keyboard drives the drill exactly as the mouse does, without taking the focus.
#include <QLabel>
#include <QScrollBar>
#include <QtTest>

#include "commands.h"
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
    void eachTooltipNamesAKeyThatGivesItsCommand_data();
    void eachTooltipNamesAKeyThatGivesItsCommand();
    void theReadmeListsEveryKey();

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

void KeyboardTest::eachTooltipNamesAKeyThatGivesItsCommand_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("name");
    for (const commands::Command& command : commands::table) {
        if (command.name) {
            QTest::newRow(command.name) << QString::fromUtf8(command.control) << command.name;
        }
    }
}

// The key a tooltip names, pressed as the desktop names it, does what the button does.
void KeyboardTest::eachTooltipNamesAKeyThatGivesItsCommand() {
    QFETCH(QString, button);
    QFETCH(QString, name);
    const QString tooltip = label(qPrintable(button))->toolTip();
    const QRegularExpressionMatch parts = QRegularExpression(R"(^(.+) \((.+)\)$)").match(tooltip);
    QVERIFY2(parts.hasMatch(), qPrintable(tooltip));
    QCOMPARE(parts.captured(1), name);
    const QKeySequence keys = QKeySequence::fromString(parts.captured(2), QKeySequence::NativeText);
    QCOMPARE(keys.count(), 1);
    QSignalSpy clicked(label(qPrintable(button)), SIGNAL(clicked()));
    press(keys[0].key(), keys[0].keyboardModifiers());
    QCOMPARE(clicked.count(), 1);
}

// README's key table names the keys of the command table, each beside what it does.
void KeyboardTest::theReadmeListsEveryKey() {
    QFile readme(SOURCE_DIR "/README.md");
    QVERIFY(readme.open(QIODevice::ReadOnly | QIODevice::Text));
    const QString text = QString::fromUtf8(readme.readAll());
    const qsizetype start = text.indexOf("| Key | Does |");
    QVERIFY(start >= 0);
    QMap<QString, QString> doesOfKey;
    for (const QString& line : text.mid(start).split('\n').mid(2)) {
        if (!line.startsWith('|')) {
            break;
        }
        const QStringList cells = line.split('|');
        QString keys = cells[1];
        keys.remove(QRegularExpression(R"(\(.*\))"));
        for (const QString& key : keys.split(QRegularExpression(", | or "))) {
            doesOfKey[key.trimmed()] = cells[2].trimmed();
        }
    }
    QMap<QString, QString> expected;
    for (const commands::Command& command : commands::table) {
        for (QKeyCombination keys : command.keys) {
            if (keys != commands::kNone && !(keys.keyboardModifiers() & Qt::KeypadModifier)) {
                expected[QKeySequence(keys).toString(QKeySequence::NativeText)] =
                    command.name ? command.name : "";
            }
        }
    }
    QCOMPARE(doesOfKey.keys(), expected.keys());
    for (auto named = expected.cbegin(); named != expected.cend(); ++named) {
        QVERIFY2(doesOfKey[named.key()].startsWith(named.value()), qPrintable(named.key()));
    }
}

int main(int argc, char** argv) {
    return runWidgetTest<KeyboardTest>(argc, argv);
}

#include "test_keyboard.moc"
