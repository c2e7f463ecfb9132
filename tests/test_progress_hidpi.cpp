// At 200% scaling the progress window paints its circle and chart at twice the pixels, not a
// 1x picture enlarged.
#include <QApplication>
#include <QtTest>

#include "fonts.h"
#include "keycircle.h"
#include "progresswindow.h"

namespace {

// The share of 2 x 2 blocks of device pixels that are not of one colour: none in a picture
// enlarged pixel by pixel, many along the edges of one painted at its own scale.
double unevenBlocks(const QImage& image) {
    int uneven = 0;
    int blocks = 0;
    for (int y = 0; y + 1 < image.height(); y += 2) {
        for (int x = 0; x + 1 < image.width(); x += 2) {
            const QRgb corner = image.pixel(x, y);
            uneven += image.pixel(x + 1, y) != corner || image.pixel(x, y + 1) != corner ||
                      image.pixel(x + 1, y + 1) != corner;
            ++blocks;
        }
    }
    return double(uneven) / blocks;
}

}  // namespace

class ProgressHiDpiTest : public QObject {
    Q_OBJECT
private slots:
    void theCircleAndChartAreDrawnAtTwiceThePixels();
};

void ProgressHiDpiTest::theCircleAndChartAreDrawnAtTwiceThePixels() {
    QCOMPARE(qGuiApp->devicePixelRatio(), 2.0);
    ProgressData data;
    for (int key = 1; key <= 14; ++key) {
        data.keys[size_t(key - 1)] = {key, key, key / 2, 1000 * key};
    }
    data.slowMs = 6000;
    for (int quiz = 0; quiz < 20; ++quiz) {
        data.quizzes.push_back({QDateTime::currentDateTime(), 10, quiz / 2});
    }
    ProgressWindow* window = ProgressWindow::open([data](ProgressScope) { return data; }, true);
    for (const char* name : {"KeyCircle", "QuizChart"}) {
        auto* widget = window->findChild<QWidget*>(name);
        const QImage image = widget->grab().toImage();
        QCOMPARE(image.size(), widget->size() * 2);
        const double share = unevenBlocks(image);
        QVERIFY2(share > 0.01, qPrintable(QString("%1: %2").arg(name).arg(share)));
    }
    QCOMPARE(window->findChild<KeyCircle*>()->size(), KeyCircle().sizeHint());
    delete window;
}

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_SCALE_FACTOR", "2");
    fonts::installSubstitutions();
    QApplication app(argc, argv);
    ProgressHiDpiTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_progress_hidpi.moc"
