// At 200% scaling the window draws its own pictures at twice the size, not enlarged.
#include <QLabel>
#include <QtTest>

#include "form1.h"
#include "layout.h"
#include "scriptedrandom.h"
#include "support/widgettest.h"

namespace {

// The share of pixels in a region of device pixels where two pictures differ.
double differingShare(const QImage& a, const QImage& b, QRect region) {
    int differing = 0;
    for (int y = region.top(); y <= region.bottom(); ++y) {
        for (int x = region.left(); x <= region.right(); ++x) {
            differing += a.pixel(x, y) != b.pixel(x, y);
        }
    }
    return double(differing) / (region.width() * region.height());
}

QImage doubled(const QImage& image) {
    return image.scaled(image.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

}  // namespace

class HiDpiTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void theBackgroundIsTheDoubledDrawing();
    void layoutStaysInLogicalPixels();
    void theStaffAndLampsAreSharpToo();

private:
    QImage grabbed() { return form->grab().toImage().convertToFormat(QImage::Format_RGB32); }

    ScriptedRandom random;
    std::unique_ptr<Form1> form;
};

void HiDpiTest::initTestCase() {
    QCOMPARE(qGuiApp->devicePixelRatio(), 2.0);
    QDir::setCurrent(SOURCE_DIR "/assets");
    form = std::make_unique<Form1>(random);
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
}

void HiDpiTest::theBackgroundIsTheDoubledDrawing() {
    const QImage window = grabbed();
    QCOMPARE(window.size(), layout::kWindowSize * 2);
    const QImage crisp =
        QImage(":/pictures/background@2x.gif").convertToFormat(QImage::Format_RGB32);
    const QImage enlarged =
        doubled(QImage(":/pictures/background.gif").convertToFormat(QImage::Format_RGB32));
    // The logo and the backdrop left of the answers: no control paints there.
    for (QRect region : {QRect(570, 60, 200, 120), QRect(4, 300, 50, 150)}) {
        QCOMPARE(differingShare(window, crisp, region), 0.0);
        const double share = differingShare(window, enlarged, region);
        QVERIFY2(share > 0.01, qPrintable(QString::number(share)));
    }
}

void HiDpiTest::layoutStaysInLogicalPixels() {
    QCOMPARE(form->size(), layout::kWindowSize);
    for (const char* name : {"Picture1", "lgo"}) {
        QCOMPARE(form->findChild<QWidget*>(name)->geometry(), layout::rectOf(name));
    }
}

void HiDpiTest::theStaffAndLampsAreSharpToo() {
    const QPixmap staff = form->findChild<QLabel*>("Picture1")->pixmap();
    QCOMPARE(staff.devicePixelRatio(), 2.0);
    QCOMPARE(staff.deviceIndependentSize().toSize(), QSize(195, 200));
    const QPixmap lamp = form->findChild<QLabel*>("Isharps")->pixmap();
    QCOMPARE(lamp.size(), QSize(34, 34));
    QCOMPARE(lamp.devicePixelRatio(), 2.0);
}

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_SCALE_FACTOR", "2");
    return runWidgetTest<HiDpiTest>(argc, argv);
}

#include "test_hidpi.moc"
