// The windows' faces, and the rule that narrows a caption to its room: the widest stretch of
// its face in which the whole text, ink included, fits; the font as it is where the text fits
// already; the narrowest stretch tried where it fits in none.
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QtTest>
#include <algorithm>

#include "fonts.h"

namespace {

int widthAt(QFont font, int stretch, const QString& text) {
    font.setStretch(stretch);
    const QFontMetrics metrics(font);
    return std::max(metrics.horizontalAdvance(text), metrics.tightBoundingRect(text).right() + 1);
}

}  // namespace

class FontsTest : public QObject {
    Q_OBJECT
private slots:
    void aMissingFaceIsDrawnInItsStandIn_data();
    void aMissingFaceIsDrawnInItsStandIn();
    void aCaptionGetsTheWidestStretchThatFits_data();
    void aCaptionGetsTheWidestStretchThatFits();
};

void FontsTest::aMissingFaceIsDrawnInItsStandIn_data() {
    QTest::addColumn<QFont>("font");
    QTest::addColumn<QString>("designed");
    QTest::newRow("Arial") << fonts::arialBold(13) << "Arial";
    QTest::newRow("MS Sans Serif") << fonts::dialogDefault() << "MS Sans Serif";
    QTest::newRow("MS Sans Serif, bold") << fonts::dialogBold(16) << "MS Sans Serif";
}

void FontsTest::aMissingFaceIsDrawnInItsStandIn() {
    QFETCH(QFont, font);
    QFETCH(QString, designed);
    const bool installed = QFontDatabase::families().contains(designed, Qt::CaseInsensitive);
    QCOMPARE(QFontInfo(font).family(), installed ? designed : QString("Liberation Sans"));
}

void FontsTest::aCaptionGetsTheWidestStretchThatFits_data() {
    QTest::addColumn<QFont>("font");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("spare");  // the room's width less the text's at the face's own width
    const QFont dialog = fonts::dialogDefault();
    const QFont number = fonts::arialBold(21);
    QTest::newRow("fits with room to spare") << dialog << "speed" << 3;
    QTest::newRow("fits exactly") << dialog << "speed" << 0;
    QTest::newRow("a pixel too wide") << dialog << "speed" << -1;
    QTest::newRow("a tenth too wide") << dialog << "questions" << -5;
    QTest::newRow("a long word") << dialog << "Geschwindigkeit" << -12;
    QTest::newRow("two digits") << number << "10" << -3;
    QTest::newRow("too wide at any stretch") << dialog << "questions" << -30;
}

void FontsTest::aCaptionGetsTheWidestStretchThatFits() {
    QFETCH(QFont, font);
    QFETCH(QString, text);
    QFETCH(int, spare);
    const int room = widthAt(font, QFont::AnyStretch, text) + spare;
    const QFont fitted = fonts::narrowedToFit(font, text, room);
    if (spare >= 0) {
        QCOMPARE(fitted.stretch(), int(QFont::AnyStretch));
        return;
    }
    const int stretch = fitted.stretch();
    const int narrowest = QFont::UltraCondensed + 1;
    QVERIFY(stretch >= narrowest && stretch < QFont::Unstretched);
    QVERIFY(stretch == narrowest || widthAt(font, stretch, text) <= room);
    for (int wider = stretch + 1; wider <= QFont::Unstretched; ++wider) {
        QVERIFY2(widthAt(font, wider, text) > room, qPrintable(QString::number(wider)));
    }
}

QTEST_MAIN(FontsTest)
#include "test_fonts.moc"
