// The main window headless: its controls at rest, clicks on the answers, and the message
// boxes for missing pictures.
#include <QAbstractButton>
#include <QAccessible>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/resource.h>

#include "form1.h"
#include "layout.h"
#include "pictures.h"
#include "scriptedrandom.h"
#include "support/widgettest.h"

namespace {

// The smallest rectangle holding every pixel where the two pictures differ.
QRect differenceBetween(const QImage& a, const QImage& b) {
    QRect box;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y)) {
                box |= QRect(x, y, 1, 1);
            }
        }
    }
    return box;
}

// The width of the ink of a text set without any box to cut it (it may fall on another
// fraction of a pixel than the label's, so widths compare within a pixel).
int freeInkWidth(const QFont& font, const QString& text) {
    QImage canvas(400, 100, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    QPainter painter(&canvas);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(50, 70, text);
    painter.end();
    QImage blank(canvas.size(), canvas.format());
    blank.fill(Qt::white);
    return differenceBetween(canvas, blank).width();
}

long voluntarySwitches() {
    rusage usage{};
    getrusage(RUSAGE_THREAD, &usage);
    return usage.ru_nvcsw;
}

void pressButton(QWidget* button) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(button);
    accessible->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
}

}  // namespace

class Form1Test : public QObject {
    Q_OBJECT
private slots:
    void init();
    void theWindowAtRest();
    void eachArrowStandsLeftOfItsAnswerOnItsLine();
    void eachBarRunsItsNumberFromTheMostAtItsTop_data();
    void eachBarRunsItsNumberFromTheMostAtItsTop();
    void everySettingIsWholeAndClearOfItsBar_data();
    void everySettingIsWholeAndClearOfItsBar();
    void theWordsUnderTheSettingsShareALineBelowTheirNumbers();
    void theBarsTakeClicksOnEveryPixel();
    void aDoubleClickIsOneClick();
    void closingTheWindowEndsItsDrill();
    void aBoxOpenAtAOneMillisecondTickWakesNobody();
    void aDraggedThumbChangesTheSettingOnlyWhenReleased();
    void clicksOnAnswersMoveTheSingleArrow();
    void aWrongAnswerShowsTheCorrectOneInRedForThePause();
    void captionsAreNeverReadAsMarkup();
    void theMenuChoosesClefAndKeysOnlyWhileNoQuizRuns();

private:
    QLabel* label(const char* name) { return form->findChild<QLabel*>(name); }
    QScrollBar* bar(const char* name) { return form->findChild<QScrollBar*>(name); }
    QRect inkOf(QLabel* label);
    void click(const char* name) { QTest::mouseClick(label(name), Qt::LeftButton); }

    std::unique_ptr<QTemporaryDir> pictures;
    ScriptedRandom random;
    std::unique_ptr<Form1> form;
    QString windowMadeFor;  // the rows of one test share a window
};

void Form1Test::init() {
    if (form && windowMadeFor == QTest::currentTestFunction()) {
        return;
    }
    windowMadeFor = QTest::currentTestFunction();
    form.reset();
    pictures = std::make_unique<QTemporaryDir>();
    QDir::setCurrent(pictures->path());
    QVERIFY(pictures::copyAllBut());
    form = std::make_unique<Form1>(random);
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
}

void Form1Test::theWindowAtRest() {
    QCOMPARE(form->windowTitle(), QString("Duridaz"));
    QCOMPARE(form->size(), layout::kWindowSize);
    QCOMPARE(form->minimumSize(), form->maximumSize());
    QVERIFY(!(form->windowFlags() & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(form->windowFlags() & Qt::WindowMaximizeButtonHint));
    QCOMPARE(label("timeInt")->text(), QString("5"));
    QCOMPARE(label("qNumber")->text(), QString("16"));
    QCOMPARE(label("lleft")->text(), QString("0"));
    QCOMPARE(label("aright")->text(), QString("00"));
    QCOMPARE(label("awrong")->text(), QString("00"));
    QVERIFY(label("Isharps")->isVisible() && label("Iflats")->isVisible());
    QVERIFY(!label("Isharps")->pixmap().isNull());
    for (int pos = 1; pos <= 4; ++pos) {
        QVERIFY(label(qPrintable(QString("choice(%1)").arg(pos)))->text().isEmpty());
        QVERIFY(label(qPrintable(QString("ainput(%1)").arg(pos)))->pixmap().isNull());
    }
    const QImage staff = label("Picture1")->pixmap().toImage();
    QCOMPARE(staff, QImage(":/pictures/blankstaff.gif").convertToFormat(staff.format()));
    QCOMPARE(form->findChild<QScrollBar*>("IntScroll")->value(), 5);
    QCOMPARE(form->findChild<QScrollBar*>("questscroll")->value(), 10);
    QCOMPARE(QApplication::focusWidget(), form->findChild<QWidget*>("Picture1"));
    QVERIFY(!form->state().running);
    QVERIFY(form->state().freshStart);

    // Both timers stopped: nothing changes while the window waits.
    QTest::qWait(200);
    QCOMPARE(label("lleft")->text(), QString("0"));
    QVERIFY(label("choice(1)")->text().isEmpty());
}

// The answer rows are 30 pixels apart and each lies further right than the one above, as the
// staggered bars of the backdrop do; the arrow stands left of its answer on the same top line.
void Form1Test::eachArrowStandsLeftOfItsAnswerOnItsLine() {
    QRect rowAbove;
    for (int pos = 1; pos <= 4; ++pos) {
        const QRect answer = label(qPrintable(QString("choice(%1)").arg(pos)))->geometry();
        const QRect arrow = label(qPrintable(QString("ainput(%1)").arg(pos)))->geometry();
        QCOMPARE(arrow.top(), answer.top());
        QVERIFY2(arrow.right() < answer.left(), qPrintable(QString::number(pos)));
        if (pos > 1) {
            QCOMPARE(answer.top() - rowAbove.top(), 30);
            QVERIFY2(answer.left() > rowAbove.left(), qPrintable(QString::number(pos)));
        }
        rowAbove = answer;
    }
}

// A bar's top raises its number to the most, and a longer number grows to the right.
void Form1Test::eachBarRunsItsNumberFromTheMostAtItsTop_data() {
    QTest::addColumn<QString>("scrollBar");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("most");
    QTest::addColumn<QString>("fewest");
    QTest::newRow("seconds") << "IntScroll"
                             << "timeInt"
                             << "10"
                             << "0";
    QTest::newRow("questions") << "questscroll"
                               << "qNumber"
                               << "25"
                               << "1";
}

void Form1Test::eachBarRunsItsNumberFromTheMostAtItsTop() {
    QFETCH(QString, scrollBar);
    QFETCH(QString, number);
    QFETCH(QString, most);
    QFETCH(QString, fewest);
    QScrollBar* scroll = bar(qPrintable(scrollBar));
    QLabel* shown = label(qPrintable(number));
    const QPoint atStart = shown->pos();
    const int widthAtStart = shown->width();
    scroll->setValue(scroll->minimum());
    QCOMPARE(shown->text(), most);
    QCOMPARE(shown->pos(), atStart);
    QVERIFY(shown->width() >= widthAtStart);
    scroll->setValue(scroll->maximum());
    QCOMPARE(shown->text(), fewest);
}

// The ink a label puts on the window: what changes when it is hidden.
QRect Form1Test::inkOf(QLabel* label) {
    const QImage shown = form->grab().toImage();
    label->hide();
    const QImage hidden = form->grab().toImage();
    label->show();
    return differenceBetween(shown, hidden);
}

void Form1Test::everySettingIsWholeAndClearOfItsBar_data() {
    QTest::addColumn<QString>("setting");
    QTest::addColumn<QString>("scrollBar");
    QTest::addColumn<int>("value");
    for (const auto& [setting, unit] :
         {std::pair{layout::kSeconds, "seconds"}, std::pair{layout::kQuestions, "questions"}}) {
        for (int value = setting.minimum; value <= setting.maximum; ++value) {
            QTest::addRow("%d %s", setting.shown(value), unit)
                << QString::fromUtf8(setting.number) << QString::fromUtf8(setting.bar) << value;
        }
    }
}

// Each number is drawn whole, ends left of its bar, and the bar looks as it does at rest.
void Form1Test::everySettingIsWholeAndClearOfItsBar() {
    QFETCH(QString, setting);
    QFETCH(QString, scrollBar);
    QFETCH(int, value);
    QScrollBar* scroll = bar(qPrintable(scrollBar));
    const QImage barAtRest = form->grab(scroll->geometry()).toImage();
    scroll->setValue(value);
    QLabel* number = label(qPrintable(setting));
    const QRect ink = inkOf(number);
    QVERIFY(!ink.isEmpty());
    QVERIFY(QFontMetrics(number->font()).horizontalAdvance(number->text()) <= number->width());
    QVERIFY(qAbs(ink.width() - freeInkWidth(number->font(), number->text())) <= 1);
    QVERIFY2(ink.right() < scroll->x(), qPrintable(QString("ink ends at %1").arg(ink.right())));
    QCOMPARE(number->pos(), layout::rectOf(setting.toStdString()).topLeft());
    QCOMPARE(form->grab(scroll->geometry()).toImage(), barAtRest);
}

// "speed" and "questions" stand whole on one line, under their numbers at their widest, left of
// the questions bar and above the score band.
void Form1Test::theWordsUnderTheSettingsShareALineBelowTheirNumbers() {
    bar("IntScroll")->setValue(bar("IntScroll")->minimum());  // the most: the widest number
    bar("questscroll")->setValue(bar("questscroll")->minimum());
    const QRect speed = inkOf(label("Label1"));
    const QRect questions = inkOf(label("Label2"));
    QCOMPARE(speed.bottom(), questions.bottom());
    QVERIFY(qAbs(speed.top() - questions.top()) <= 2);
    QVERIFY(speed.top() > inkOf(label("timeInt")).bottom());
    QVERIFY(questions.top() > inkOf(label("qNumber")).bottom());
    QVERIFY(speed.right() < questions.left());
    QVERIFY(questions.right() < bar("questscroll")->x());
    QVERIFY(questions.bottom() < layout::furniture::scoreBand.top());
    for (const char* name : {"Label1", "Label2"}) {
        QLabel* word = label(name);
        QVERIFY(QFontMetrics(word->font()).horizontalAdvance(word->text()) <= word->width());
        QVERIFY(qAbs(inkOf(word).width() - freeInkWidth(word->font(), word->text())) <= 1);
    }
}

void Form1Test::theBarsTakeClicksOnEveryPixel() {
    bar("IntScroll")->setValue(bar("IntScroll")->minimum());  // the most: the widest number
    bar("questscroll")->setValue(bar("questscroll")->minimum());
    for (const char* name : {"IntScroll", "questscroll"}) {
        const QRect area = bar(name)->geometry();
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                QCOMPARE(form->childAt(x, y), bar(name));
            }
        }
    }
}

void Form1Test::aDoubleClickIsOneClick() {
    click("lselect");  // all keys again: no change
    // What a window system sends for a double-click: its second press comes as a double-click.
    click("lselect");
    QTest::mouseDClick(label("lselect"), Qt::LeftButton);
    QTest::mouseRelease(label("lselect"), Qt::LeftButton);
    QCOMPARE(form->state().keyKind, keytable::KeyKind::Flats);
    QVERIFY(!label("Isharps")->isVisible());
    QVERIFY(label("Iflats")->isVisible());
}

// Closed while a quiz runs, the window's drill is over: no further tick counts, nothing asks
// for a picture.
void Form1Test::closingTheWindowEndsItsDrill() {
    showSetting(form.get(), layout::kSeconds, 0);
    click("lgo");
    form->close();
    QVERIFY(!form->state().running);
    QVERIFY(pictures::copyAllBut(pictures::keyPictures()));
    QTest::qWait(1200);
    QCOMPARE(label("lleft")->text(), QString("16"));
    QCOMPARE(label("awrong")->text(), QString("0"));
    QVERIFY(!QApplication::activeModalWidget());
}

// Resumed after Stop cut a pause short, the clock moves on after 1 ms; a box that opens just
// then holds it, rather than letting it fire and be dropped a thousand times a second.
void Form1Test::aBoxOpenAtAOneMillisecondTickWakesNobody() {
    showSetting(form.get(), layout::kSeconds, 0);
    click("lgo");
    QTRY_COMPARE_WITH_TIMEOUT(label("awrong")->text(), QString("1"), 2000);
    click("lstop");
    QFile::remove("arrow.gif");
    long switchesWhileOpen = -1;
    QTimer::singleShot(0, form.get(), [&] {
        pressButton(label("lgo"));
        const long before = voluntarySwitches();
        QTimer::singleShot(500, form.get(), [&, before] {
            switchesWhileOpen = voluntarySwitches() - before;
            QCOMPARE(label("lleft")->text(), QString("16"));
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            box->button(QMessageBox::Ok)->click();
        });
    });
    click("choice(1)");
    QVERIFY2(switchesWhileOpen >= 0 && switchesWhileOpen < 10,
             qPrintable(QString("woke %1 times in half a second").arg(switchesWhileOpen)));
    QTRY_COMPARE_WITH_TIMEOUT(label("lleft")->text(), QString("15"), 1000);
}

void Form1Test::aDraggedThumbChangesTheSettingOnlyWhenReleased() {
    auto* questions = form->findChild<QScrollBar*>("questscroll");
    questions->setSliderDown(true);
    questions->setSliderPosition(1);
    QCOMPARE(label("qNumber")->text(), QString("16"));
    questions->setSliderDown(false);
    QCOMPARE(label("qNumber")->text(), QString("25"));
}

void Form1Test::clicksOnAnswersMoveTheSingleArrow() {
    for (int pos : {3, 1, 4, 2, 2}) {
        click(qPrintable(QString("choice(%1)").arg(pos)));
        for (int other = 1; other <= 4; ++other) {
            QCOMPARE(form->arrowShown(other), other == pos);
        }
    }
    QCOMPARE(label("ainput(2)")->pixmap().size().boundedTo(QSize(18, 18)),
             label("ainput(2)")->pixmap().size());
}

// The correct answer is drawn in pure red while the pause runs, and in white again after it.
void Form1Test::aWrongAnswerShowsTheCorrectOneInRedForThePause() {
    showSetting(form.get(), layout::kSeconds, 0);
    click("lgo");
    QTRY_COMPARE_WITH_TIMEOUT(label("awrong")->text(), QString("1"), 2000);
    QLabel* correct = label(qPrintable(QString("choice(%1)").arg(form->state().rightPos)));
    const auto pureRedPixels = [this, correct] {
        const QImage drawn = form->grab(correct->geometry()).toImage();
        int count = 0;
        for (int y = 0; y < drawn.height(); ++y) {
            for (int x = 0; x < drawn.width(); ++x) {
                count += drawn.pixel(x, y) == qRgb(255, 0, 0);
            }
        }
        return count;
    };
    QVERIFY(pureRedPixels() > 20);
    QTRY_COMPARE_WITH_TIMEOUT(pureRedPixels(), 0, 3000);
}

// A caption that looks like markup is drawn as it is written, tags and all: its ink is as wide
// as the plain text's, far wider than the bold words the markup would make.
void Form1Test::captionsAreNeverReadAsMarkup() {
    const QString caption = "<b>B</b> Flat";
    form->setChoiceText(1, caption.toStdString());
    QLabel* answer = label("choice(1)");
    QFont bold = answer->font();
    bold.setBold(true);
    const int written = freeInkWidth(answer->font(), caption);
    const int asMarkup = freeInkWidth(bold, "B Flat");
    QVERIFY(written > asMarkup + 10);
    const int drawn = inkOf(answer).width();
    QVERIFY2(qAbs(drawn - written) <= 1,
             qPrintable(QString("%1 pixels of ink, not %2").arg(drawn).arg(written)));
}

// A right-click on a control opens the window's menu, whose choices show the ones in force.
void Form1Test::theMenuChoosesClefAndKeysOnlyWhileNoQuizRuns() {
    const auto openMenuOver = [this](const char* name) {
        QLabel* control = label(name);
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                                control->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(control, &event);
        auto* menu = form->findChild<QMenu*>("WindowMenu");
        return menu && menu->isVisible() ? menu : nullptr;
    };
    const auto action = [](QMenu* menu, const char* submenu, const QString& text) {
        for (QAction* each : menu->findChild<QMenu*>(submenu)->actions()) {
            if (each->text().remove('&') == text) {
                return each;
            }
        }
        return static_cast<QAction*>(nullptr);
    };
    QMenu* menu = openMenuOver("choice(2)");
    QVERIFY(menu);
    QVERIFY(action(menu, "ClefMenu", "Treble")->isChecked());
    QVERIFY(action(menu, "KeysMenu", "Major")->isChecked());
    action(menu, "ClefMenu", "Bass")->trigger();
    action(menu, "KeysMenu", "Minor")->trigger();
    menu->close();
    const QImage rest = label("Picture1")->pixmap().toImage();
    QCOMPARE(rest, QImage(":/pictures/blankstaff-bass.gif").convertToFormat(rest.format()));

    click("lgo");
    QVERIFY(label(qPrintable(QString("choice(%1)").arg(form->state().rightPos)))
                ->text()
                .endsWith(" Minor"));
    menu = openMenuOver("Picture1");
    QVERIFY(menu);
    QVERIFY(action(menu, "ClefMenu", "Bass")->isChecked());
    for (const char* submenu : {"ClefMenu", "KeysMenu"}) {
        for (QAction* choice : menu->findChild<QMenu*>(submenu)->actions()) {
            QVERIFY(!choice->isEnabled());
        }
    }
    menu->close();
}

int main(int argc, char** argv) {
    return runWidgetTest<Form1Test>(argc, argv);
}

#include "test_form1.moc"
