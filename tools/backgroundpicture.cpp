#include "backgroundpicture.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "fonts.h"
#include "layout.h"
#include "palette.h"
#include "smallpictures.h"

namespace {

// The controls that sit on the backdrop's furniture.
constexpr QRect staffBox = layout::rectOf("Picture1");
constexpr QRect logoArea = layout::rectOf("Label3");
constexpr QRect correctCount = layout::rectOf("aright");
constexpr QRect wrongCount = layout::rectOf("awrong");
constexpr QRect selectButton = layout::rectOf("lselect");
constexpr QRect sharpsLamp = layout::rectOf("Isharps");
constexpr QRect flatsLamp = layout::rectOf("Iflats");
constexpr QRect goButton = layout::rectOf("lgo");
constexpr QRect resetButton = layout::rectOf("lrestart");
constexpr QRect stopButton = layout::rectOf("lstop");
constexpr QRect answerLabels[] = {layout::rectOf("choice(1)"), layout::rectOf("choice(2)"),
                                  layout::rectOf("choice(3)"), layout::rectOf("choice(4)")};

using namespace layout::furniture;

// Each count's word keeps a pixel clear of the counts either side of it.
constexpr QRect correctRoom(QPoint(correctCount.right() + 2, correctCount.top()),
                            QPoint(wrongCount.left() - 2, correctCount.bottom()));
constexpr QRect wrongRoom(QPoint(wrongCount.right() + 2, wrongCount.top()),
                          QPoint(backgroundSize.width() - 1, wrongCount.bottom()));

constexpr QRgb black = 0xff000000;
constexpr QRgb white = 0xffffffff;
constexpr QRgb bandGrey = 0xff7a7a7a;
constexpr QRgb faintBandGrey = 0xff8c8c8c;
constexpr QRgb edgeColour = 0xff2a0406;
constexpr QRgb tagGrey = 0xff6e6e6e;

constexpr qreal scoreBandRadius = 14;

// Every word keeps this far from the window's right edge, and a button's word this far inside its
// disc, clear of the darker rim.
constexpr int windowMargin = 2;
constexpr int rimMargin = 2;

// A repeatable pseudo-random value in [0, 1) for a lattice point.
double latticeValue(int x, int y, std::uint32_t seed) {
    std::uint32_t h = static_cast<std::uint32_t>(x) * 0x8da6b343u ^
                      static_cast<std::uint32_t>(y) * 0xd8163841u ^ seed * 0xcb1ab31fu;
    h ^= h >> 13;
    h *= 0x5bd1e995u;
    h ^= h >> 15;
    return (h & 0xffffu) / 65536.0;
}

double smoothStep(double t) {
    return t * t * (3 - 2 * t);
}

// Smoothly interpolated lattice noise with cells of the given size.
double valueNoise(double x, double y, double cell, std::uint32_t seed) {
    const double gx = x / cell;
    const double gy = y / cell;
    const int x0 = static_cast<int>(std::floor(gx));
    const int y0 = static_cast<int>(std::floor(gy));
    const double tx = smoothStep(gx - x0);
    const double ty = smoothStep(gy - y0);
    const double top = latticeValue(x0, y0, seed) * (1 - tx) + latticeValue(x0 + 1, y0, seed) * tx;
    const double bottom =
        latticeValue(x0, y0 + 1, seed) * (1 - tx) + latticeValue(x0 + 1, y0 + 1, seed) * tx;
    return top * (1 - ty) + bottom * ty;
}

// Dark red grain: broad cloudy patches crossed by fine diagonal fibres, in 24 shades. The grain is
// laid out in logical pixels and sampled at each of the picture's scale × scale pixels to a logical
// pixel, at its centre; at scale 1 the samples fall on whole coordinates.
QImage backdropTexture(QSize size, int scale) {
    QImage texture(size * scale, QImage::Format_RGB32);
    for (int row = 0; row < texture.height(); ++row) {
        QRgb* pixels = reinterpret_cast<QRgb*>(texture.scanLine(row));
        const double y = (row + 0.5) / scale - 0.5;
        for (int column = 0; column < texture.width(); ++column) {
            const double x = (column + 0.5) / scale - 0.5;
            const double clouds = 0.6 * valueNoise(x, y, 26, 1) + 0.4 * valueNoise(x, y, 9, 2);
            const double fibres = valueNoise(x + y, (y - x) * 0.25, 2.5, 3);
            double t = 0.75 * clouds + 0.25 * fibres;
            t = std::clamp((t - 0.3) * 1.6, 0.0, 1.0);
            t = std::round(t * 23) / 23;
            pixels[column] = qRgb(static_cast<int>(14 + 120 * t), static_cast<int>(3 + 14 * t),
                                  static_cast<int>(5 + 18 * t));
        }
    }
    return texture;
}

// The dark part of the window; the white area curves round it from the bottom left, along the
// bottom and up the right side.
QPainterPath darkRegion() {
    QPainterPath dark;
    dark.moveTo(0, 0);
    dark.lineTo(268, 0);
    dark.lineTo(268, 205);
    dark.cubicTo(268, 228, 286, 236, 286, 258);
    dark.lineTo(286, 266);
    dark.quadTo(286, 279, 273, 279);
    dark.lineTo(112, 279);
    dark.cubicTo(94, 279, 92, 262, 92, 250);
    dark.cubicTo(90, 225, 50, 175, 0, 140);
    dark.closeSubpath();
    return dark;
}

void paintBackdrop(QPainter& painter, int scale) {
    const QPainterPath dark = darkRegion();
    painter.fillRect(QRect(QPoint(0, 0), backgroundSize), QColor(white));
    painter.save();
    painter.setClipPath(dark);
    // The grain already has the picture's own pixels, so it goes on untransformed.
    painter.resetTransform();
    painter.drawImage(0, 0, backdropTexture(backgroundSize, scale));
    painter.restore();
    painter.setPen(QPen(QColor(edgeColour), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(dark);
}

// The picture box covers staffBox exactly; its black frame lies just outside, with a light mount
// round it so it stands out from the dark backdrop.
void paintStaffBox(QPainter& painter) {
    const QRect frame = staffBox.adjusted(-1, -1, 1, 1);
    painter.fillRect(frame.adjusted(-3, -3, 3, 3), QColor(edgeColour));
    painter.fillRect(frame.adjusted(-2, -2, 2, 2), QColor(214, 206, 200));
    painter.fillRect(frame, QColor(black));
    painter.fillRect(staffBox, QColor(white));
}

void paintLogo(QPainter& painter, const MusicFont& font) {
    QFont wordFont = sansFont(31, true);
    wordFont.setItalic(true);
    wordFont.setLetterSpacing(QFont::AbsoluteSpacing, -0.5);
    painter.setFont(wordFont);
    painter.setPen(QColor(150, 14, 24));
    painter.drawText(logoWord, Qt::AlignLeft | Qt::AlignBottom, QStringLiteral("Duridaz"));

    // A short staff under the word carries the same motif as the icon.
    constexpr double space = 4;
    const double staffTop = 55;
    for (int line = 0; line < 5; ++line) {
        painter.fillRect(QRectF(logoArea.left() + 6, staffTop + line * space, 120, 1),
                         QColor(120, 120, 120));
    }
    const double glyphScale = space / 14.0;
    auto drawSmallGlyph = [&](char32_t codePoint, QPointF origin) {
        painter.save();
        painter.translate(origin);
        painter.scale(glyphScale, glyphScale);
        painter.fillPath(font.glyph(codePoint), QColor(Qt::black));
        painter.restore();
    };
    const double bottomLine = staffTop + 4 * space + 0.5;
    drawSmallGlyph(Glyph::trebleClef, QPointF(logoArea.left() + 8, bottomLine - space));
    drawSmallGlyph(Glyph::sharp, QPointF(logoArea.left() + 25, staffTop + 0.5));
    const double noteXs[] = {46, 62, 78, 94, 110};
    const double noteSteps[] = {4, 5, 6, 7, 8};
    for (int i = 0; i < 5; ++i) {
        const QPointF head(logoArea.left() + noteXs[i], bottomLine - noteSteps[i] * space / 2);
        drawSmallGlyph(Glyph::blackNotehead, head);
        const double headWidth = 1.18 * space;
        painter.fillRect(
            QRectF(head.x() + headWidth - 0.7, head.y() - 3.4 * space, 0.8, 3.4 * space),
            QColor(Qt::black));
    }
}

void paintSettingsRule(QPainter& painter) {
    painter.fillRect(settingsRule, QColor(200, 200, 200));
}

// The band behind the two counts and their words.
void paintScoreBand(QPainter& painter) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(bandGrey));
    painter.drawRoundedRect(scoreBand, scoreBandRadius, scoreBandRadius);
    painter.restore();
}

// A domed button: lighter towards the top left, with a darker rim, filling its whole rectangle.
// The word sits in the lower half, leaving the disc's colour plain across its middle.
void paintButton(QPainter& painter, const QRect& rect, QColor base) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    const QRectF disc(rect);
    painter.setBrush(base.darker(190));
    painter.drawEllipse(disc);
    QRadialGradient dome(disc.center(), disc.width() / 2,
                         disc.center() - QPointF(disc.width() * 0.18, disc.height() * 0.22));
    dome.setColorAt(0, base.lighter(135));
    dome.setColorAt(0.55, base);
    dome.setColorAt(1, base.darker(125));
    painter.setBrush(dome);
    painter.drawEllipse(disc.adjusted(1.2, 1.2, -1.2, -1.2));
    painter.restore();
}

void paintControls(QPainter& painter) {
    paintButton(painter, selectButton, QColor(52, 50, 54));
    paintLamp(painter, QRectF(sharpsLamp), false);
    paintLamp(painter, QRectF(flatsLamp), false);
    paintButton(painter, goButton, QColor(24, 168, 48));
    paintButton(painter, resetButton, QColor(240, 128, 10));
    paintButton(painter, stopButton, QColor(214, 20, 20));
}

// Black bars with round ends under the answer labels, a little larger than each label; the arrow
// appears on the backdrop to the left of each.
void paintAnswerBars(QPainter& painter) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    for (const QRect& label : answerLabels) {
        const QRectF bar = QRectF(label).adjusted(-6, -2, 6, 2);
        const double radius = bar.height() / 2;
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(150, 120, 118));
        painter.drawRoundedRect(bar.adjusted(-1, -1, 1, 1), radius + 1, radius + 1);
        painter.setBrush(QColor(black));
        painter.drawRoundedRect(bar, radius, radius);
    }
    painter.restore();
}

// The questions-left number sits in the white corner; a light frame marks its place.
void paintQuestionsLeftFrame(QPainter& painter) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(190, 190, 190), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(questionsLeftFrame, 6, 6);
    painter.restore();
}

// --- The painted words ---------------------------------------------------------------------

QFont tagFont() {
    QFont font = sansFont(9, true);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 1.2);
    return font;
}

// A room clear of the window's right edge.
QPainterPath roomIn(const QRectF& rect, qreal cornerRadius = 0) {
    QPainterPath shape;
    shape.addRoundedRect(rect, cornerRadius, cornerRadius);
    QPainterPath clearOfTheEdge;
    clearOfTheEdge.addRect(0, 0, backgroundSize.width() - windowMargin, backgroundSize.height());
    return shape.intersected(clearOfTheEdge);
}

QPainterPath roomOnButton(const QRect& button) {
    QPainterPath disc;
    disc.addEllipse(QRectF(button).adjusted(rimMargin, rimMargin, -rimMargin, -rimMargin));
    return disc;
}

// A button's word is centred across the button with its capitals just below the middle, on a
// baseline at a whole pixel.
QPointF buttonWordOrigin(const QRect& button, const QFontMetricsF& metrics, const QString& text) {
    const double capTop = button.top() + button.height() / 2.0 + 2;
    const double left = button.left() + (button.width() - metrics.horizontalAdvance(text)) / 2;
    return QPointF(std::round(left), std::round(capTop + metrics.capHeight()));
}

// A small word set from the left of its box.
PaintedWord label(const char* source, const QRect& box, const QRect& room, QRgb colour) {
    return {source, box, Qt::AlignLeft | Qt::AlignVCenter, sansFont(9, true), colour, roomIn(room)};
}

PaintedWord lampLabel(const char* source, const QRect& lamp) {
    const QRect box(lamp.right() + 5, lamp.top(), 60, lamp.height());
    return label(source, box, box.adjusted(-2, 0, 0, 0), black);
}

PaintedWord onButton(const char* source, const QRect& button, int pixelSize) {
    return {source, button, {}, sansFont(pixelSize, true), white, roomOnButton(button)};
}

bool isOnButton(const PaintedWord& word) {
    return word.alignment == Qt::Alignment();
}

// Where the centres of the pixels the word's letters reach into may lie, in the given font: within
// half a pixel of the letters' bounding rectangle. They must lie in the word's room.
QRectF inkCentres(const PaintedWord& word, const QFont& font, const QString& text) {
    const QFontMetricsF metrics(font);
    QPointF origin;
    if (isOnButton(word)) {
        origin = buttonWordOrigin(word.box, metrics, text);
    } else {
        const QRectF line = metrics.boundingRect(QRectF(word.box), word.alignment, text);
        origin = QPointF(line.left(), line.top() + metrics.ascent());
    }
    return metrics.tightBoundingRect(text).translated(origin).adjusted(-0.5, -0.5, 0.5, 0.5);
}

}  // namespace

QImage drawBackground(const MusicFont& logoFont, int scale) {
    QImage image(backgroundSize * scale, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.scale(scale, scale);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    paintBackdrop(painter, scale);
    painter.setRenderHint(QPainter::Antialiasing, false);
    paintStaffBox(painter);
    painter.setRenderHint(QPainter::Antialiasing);
    paintLogo(painter, logoFont);
    paintSettingsRule(painter);
    paintScoreBand(painter);
    paintControls(painter);
    paintAnswerBars(painter);
    paintQuestionsLeftFrame(painter);
    for (const PaintedWord& word : paintedWords()) {
        paintWord(painter, word);
    }
    painter.end();
    return image;
}

// A ramp of greys keeps the small grey highlights grey instead of borrowing a backdrop red.
QList<QRgb> backgroundKeyColours() {
    QList<QRgb> colours = sixteenGreys();
    colours << bandGrey << faintBandGrey << edgeColour;
    return colours;
}

const QList<PaintedWord>& paintedWords() {
    static const QList<PaintedWord> words = {
        {QT_TRANSLATE_NOOP("Background", "KEY SIGNATURES"), logoTag, Qt::AlignCenter, tagFont(),
         tagGrey, roomIn(logoTag)},
        // The faint word behind the counts keeps a pixel inside the band.
        {QT_TRANSLATE_NOOP("Background", "ANSWERS"), answersWord, Qt::AlignCenter,
         sansFont(27, true), faintBandGrey,
         roomIn(scoreBand.adjusted(1, 1, -1, -1), scoreBandRadius - 1)},
        label(QT_TRANSLATE_NOOP("Background", "CORRECT"), correctWord, correctRoom, white),
        label(QT_TRANSLATE_NOOP("Background", "INCORRECT"), wrongWord, wrongRoom, white),
        onButton(QT_TRANSLATE_NOOP("Background", "SELECT"), selectButton, 8),
        lampLabel(QT_TRANSLATE_NOOP("Background", "SHARPS"), sharpsLamp),
        lampLabel(QT_TRANSLATE_NOOP("Background", "FLATS"), flatsLamp),
        onButton(QT_TRANSLATE_NOOP("Background", "GO"), goButton, 10),
        onButton(QT_TRANSLATE_NOOP("Background", "RESET"), resetButton, 8),
        onButton(QT_TRANSLATE_NOOP("Background", "STOP"), stopButton, 8),
    };
    return words;
}

QString PaintedWord::text() const {
    return QCoreApplication::translate("Background", source);
}

QFont PaintedWord::fittedFont() const {
    const QString painted = text();
    auto fits = [&](const QFont& candidate) {
        return room.contains(inkCentres(*this, candidate, painted));
    };
    // A word that fits keeps its font as it is; no width helps one too tall for its room.
    return fits(font) ? font : fonts::widestThatFits(font, fits).value_or(font);
}

void paintWord(QPainter& painter, const PaintedWord& word) {
    const QString text = word.text();
    painter.setFont(word.fittedFont());
    painter.setPen(QColor(word.colour));
    if (isOnButton(word)) {
        painter.drawText(buttonWordOrigin(word.box, QFontMetricsF(painter.font()), text), text);
    } else {
        // Unclipped: a word is measured against its room, and never cut by its box.
        painter.drawText(word.box, word.alignment | Qt::TextDontClip, text);
    }
}
