// The About window: one at a time, the link's colours under the mouse, the link's request to
// the desktop, and its life beside the main window.
#include <QDesktopServices>
#include <QLabel>
#include <QtTest>

#include "about.h"
#include "form1.h"
#include "scriptedrandom.h"
#include "support/widgettest.h"

// Catches what would otherwise go to the desktop's web browser.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> requests;
public slots:
    void open(const QUrl& url) { requests << url; }
};

class AboutTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void thereIsOnlyEverOneAboutWindow();
    void theWindowAtRest();
    void theLinkTurnsRedOverItAndBlackOverTheBackground();
    void onlyAClickOnTheBackgroundClosesIt();
    void eachLinkClickAsksTheDesktopOnceForTheAddress();
    void itOutlivesTheMainWindowAndTheProgramEndsWithIt();

private:
    Form3* openAbout();
    QLabel* aboutLabel(const char* name) { return Form3::instance()->findChild<QLabel*>(name); }
    QColor linkColour() { return aboutLabel("Label4")->palette().color(QPalette::WindowText); }

    ScriptedRandom random;
    std::unique_ptr<Form1> form;
};

// The test itself watches for the last window.
void AboutTest::initTestCase() {
    QApplication::setQuitOnLastWindowClosed(false);
}

void AboutTest::init() {
    form = std::make_unique<Form1>(random);
    connect(form.get(), &Form1::aboutRequested, [] { Form3::open(); });
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
}

void AboutTest::cleanup() {
    delete Form3::instance();
    form.reset();
}

Form3* AboutTest::openAbout() {
    QTest::mouseClick(form->findChild<QLabel*>("Label3"), Qt::LeftButton, {}, QPoint(20, 60));
    return Form3::instance();
}

void AboutTest::thereIsOnlyEverOneAboutWindow() {
    Form3* first = openAbout();
    QVERIFY(first);
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(openAbout(), first);
    }
    int aboutWindows = 0;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        aboutWindows += qobject_cast<Form3*>(window) != nullptr && window->isVisible();
    }
    QCOMPARE(aboutWindows, 1);
    QVERIFY(first->parentWidget() == nullptr);
}

void AboutTest::theWindowAtRest() {
    Form3* about = openAbout();
    QCOMPARE(about->windowTitle(), QString("About"));
    QCOMPARE(about->size(), QSize(312, 141));
    QCOMPARE(about->minimumSize(), about->maximumSize());
    QVERIFY(!(about->windowFlags() & Qt::WindowMinimizeButtonHint));
    QCOMPARE(aboutLabel("Label1")->text(), QString("Duridaz 2"));
    QCOMPARE(aboutLabel("Label3")->text(), QString("Please visit my website for more information"));
    QCOMPARE(aboutLabel("Label4")->text(), QString("duridaz.org"));
    QCOMPARE(aboutLabel("Label4")->toolTip(), QString("Click To Visit"));
    QCOMPARE(aboutLabel("Label5")->text(), QString("Freeware"));
    QVERIFY(aboutLabel("Label2")->text().contains("Duridaz authors"));
    QCOMPARE(aboutLabel("Label4")->geometry(), QRect(48, 88, 224, 20));
    QCOMPARE(linkColour(), about->palette().color(QPalette::ButtonText));
}

void AboutTest::theLinkTurnsRedOverItAndBlackOverTheBackground() {
    Form3* about = openAbout();
    QTest::mouseMove(aboutLabel("Label4"), QPoint(100, 10));
    QCOMPARE(linkColour(), QColor(Qt::red));
    QTest::mouseMove(aboutLabel("Label1"), QPoint(20, 20));
    QCOMPARE(linkColour(), QColor(Qt::red));
    QTest::mouseMove(about, QPoint(300, 70));
    QCOMPARE(linkColour(), QColor(Qt::black));
    QTest::mouseMove(aboutLabel("Label4"), QPoint(30, 5));
    QCOMPARE(linkColour(), QColor(Qt::red));
}

void AboutTest::onlyAClickOnTheBackgroundClosesIt() {
    Form3* about = openAbout();
    QTest::mouseMove(aboutLabel("Label4"), QPoint(100, 10));
    for (const char* name : {"Label1", "Label2", "Label3", "Label5"}) {
        QTest::mouseClick(aboutLabel(name), Qt::LeftButton);
        QVERIFY(Form3::instance() && about->isVisible());
    }
    QTest::mouseClick(about, Qt::LeftButton, {}, QPoint(300, 70));
    QTRY_VERIFY(Form3::instance() == nullptr);

    Form3* fresh = openAbout();
    QVERIFY(fresh);
    QCOMPARE(linkColour(), fresh->palette().color(QPalette::ButtonText));
}

void AboutTest::eachLinkClickAsksTheDesktopOnceForTheAddress() {
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler("https", &catcher, "open");
    Form3* about = openAbout();
    QTest::mouseMove(aboutLabel("Label4"), QPoint(100, 10));
    QTest::mouseClick(aboutLabel("Label4"), Qt::LeftButton, {}, QPoint(100, 10));
    QCOMPARE(catcher.requests, QList<QUrl>{QUrl("https://duridaz.org/")});
    QTest::mouseMove(aboutLabel("Label4"), QPoint(5, 5));
    QCOMPARE(linkColour(), QColor(Qt::red));
    QTest::mouseClick(aboutLabel("Label4"), Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(catcher.requests.size(), 2);
    QVERIFY(about->isVisible());
    QCOMPARE(linkColour(), QColor(Qt::red));

    // A double-click, as a window system sends it, opens the page once.
    QTest::mouseClick(aboutLabel("Label4"), Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseDClick(aboutLabel("Label4"), Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(aboutLabel("Label4"), Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(catcher.requests.size(), 3);
    QDesktopServices::unsetUrlHandler("https");
}

// The program's own event loop ends when the last window closes, and not before.
void AboutTest::itOutlivesTheMainWindowAndTheProgramEndsWithIt() {
    Form3* about = openAbout();
    bool aboutOpenAfterMainClosed = false;
    QTimer::singleShot(50, form.get(), [&] { form->close(); });
    QTimer::singleShot(300, about, [&] {
        aboutOpenAfterMainClosed = about->isVisible();
        about->close();
    });
    QTimer giveUp;
    giveUp.callOnTimeout([] { QCoreApplication::exit(1); });
    giveUp.start(5000);
    qApp->setQuitOnLastWindowClosed(true);
    const int result = QApplication::exec();
    qApp->setQuitOnLastWindowClosed(false);
    QCOMPARE(result, 0);
    QVERIFY(aboutOpenAfterMainClosed);
}

int main(int argc, char** argv) {
    return runWidgetTest<AboutTest>(argc, argv);
}

#include "test_about.moc"
