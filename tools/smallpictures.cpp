#include "smallpictures.h"

#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace {

constexpr int arrowSize = 18;
constexpr int lampSize = 17;
constexpr int aboutSize = 32;

// The pointer's outline: a short shaft and a broad head, symmetric about y = 9.
QPainterPath arrowShape() {
    QPainterPath shape;
    shape.addRect(QRectF(1, 6, 9, 6));
    QPainterPath head;
    head.moveTo(8, 0.5);
    head.lineTo(17.5, 9);
    head.lineTo(8, 17.5);
    head.closeSubpath();
    return shape.united(head);
}

bool insideAt(const QPainterPath& shape, int x, int y) {
    return shape.contains(QPointF(x + 0.5, y + 0.5));
}

bool onEdge(const QPainterPath& shape, int x, int y) {
    return !insideAt(shape, x - 1, y) || !insideAt(shape, x + 1, y) || !insideAt(shape, x, y - 1) ||
           !insideAt(shape, x, y + 1);
}

// Makes every pixel fully opaque or fully transparent, as a GIF or a two-tone icon needs.
QImage withHardAlpha(const QImage& image, int threshold) {
    QImage hard = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < hard.height(); ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(hard.scanLine(y));
        for (int x = 0; x < hard.width(); ++x) {
            row[x] = qAlpha(row[x]) >= threshold ? (row[x] | 0xff000000u) : 0u;
        }
    }
    return hard;
}

// Keeps black ink with only a few alpha steps so the icon stays crisp and small.
QImage withAlphaSteps(const QImage& image, int steps) {
    QImage stepped = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < stepped.height(); ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(stepped.scanLine(y));
        for (int x = 0; x < stepped.width(); ++x) {
            const int level = (qAlpha(row[x]) * steps + 127) / 255;
            row[x] = qRgba(0, 0, 0, level * 255 / steps);
        }
    }
    return stepped;
}

// The icon is laid out on a 16-unit grid; its staff lines stay one pixel thick at any size.
void paintIconStaff(QPainter& painter, int size, double unit) {
    for (int line = 0; line < 5; ++line) {
        painter.fillRect(QRectF(0, (2 + 3 * line) * unit, size, 1), Qt::black);
    }
}

// A rectangle of the grid, snapped to whole pixels so its edges stay sharp.
QRectF gridCell(double unit, double x, double y, double width, double height) {
    const QPointF topLeft(std::round(x * unit), std::round(y * unit));
    const QPointF bottomRight(std::round((x + width) * unit), std::round((y + height) * unit));
    return QRectF(topLeft, bottomRight);
}

// Upright strokes and level bars keep the sharp crisp at 16 pixels.
void paintIconSharp(QPainter& painter, double unit) {
    painter.fillRect(gridCell(unit, 2, 3, 1, 10), Qt::black);
    painter.fillRect(gridCell(unit, 4, 2.5, 1, 10), Qt::black);
    painter.fillRect(gridCell(unit, 1, 6, 5, 1), Qt::black);
    painter.fillRect(gridCell(unit, 1, 10, 5, 1), Qt::black);
}

// Two eighth notes, the second a step higher, with their stems joined by one beam.
void paintIconNotes(QPainter& painter, double unit) {
    const QPointF heads[] = {{8.2, 12.5}, {12.8, 9.5}};
    const double beamTop = 1;
    const double stemWidth = std::max(1.0, unit / 1.6);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    for (const QPointF& head : heads) {
        painter.save();
        painter.translate(head * unit);
        painter.rotate(-20);
        painter.drawEllipse(QPointF(0, 0), 2.0 * unit, 1.35 * unit);
        painter.restore();
        const double stemX = std::round((head.x() + 1.0) * unit);
        painter.fillRect(QRectF(stemX, beamTop * unit, stemWidth, (head.y() - beamTop) * unit),
                         Qt::black);
    }
    const double beamLeft = std::round((heads[0].x() + 1.0) * unit);
    const double beamRight = std::round((heads[1].x() + 1.0) * unit) + stemWidth;
    painter.fillRect(QRectF(beamLeft, beamTop * unit, beamRight - beamLeft, 2 * unit), Qt::black);
}

QColor aboutDiscColour(AboutStyle style) {
    return style == AboutStyle::Green ? QColor(22, 150, 52) : QColor(Qt::white);
}

QColor aboutMarkColour(AboutStyle style) {
    switch (style) {
        case AboutStyle::Red:
            return QColor(214, 16, 22);
        case AboutStyle::Mono:
            return QColor(Qt::black);
        case AboutStyle::Green:
            break;
    }
    return QColor(Qt::white);
}

}  // namespace

QFont sansFont(int pixelSize, bool bold) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

QImage drawArrow() {
    const QPainterPath shape = arrowShape();
    QImage image(arrowSize, arrowSize, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int y = 0; y < arrowSize; ++y) {
        for (int x = 0; x < arrowSize; ++x) {
            if (!insideAt(shape, x, y)) {
                continue;
            }
            // The upper half is lighter, as if lit from above.
            const QColor fill = y < arrowSize / 2 ? QColor(255, 240, 120) : QColor(255, 200, 0);
            image.setPixelColor(x, y, onEdge(shape, x, y) ? QColor(70, 35, 0) : fill);
        }
    }
    return image;
}

void paintLamp(QPainter& painter, const QRectF& rect, bool lit) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(96, 96, 16));
    painter.drawEllipse(rect);
    painter.setBrush(QColor(150, 150, 46));
    painter.drawEllipse(rect.adjusted(1, 1, -1, -1));
    const QRectF lens = rect.adjusted(3, 3, -3, -3);
    QRadialGradient glow(lens.center(), lens.width() / 2, lens.center() - QPointF(1.8, 1.8));
    if (lit) {
        glow.setColorAt(0, QColor(255, 190, 170));
        glow.setColorAt(0.45, QColor(240, 30, 20));
        glow.setColorAt(1, QColor(150, 0, 0));
    } else {
        glow.setColorAt(0, QColor(235, 235, 235));
        glow.setColorAt(0.45, QColor(170, 170, 170));
        glow.setColorAt(1, QColor(105, 105, 105));
    }
    painter.setBrush(glow);
    painter.drawEllipse(lens);
    painter.restore();
}

QImage drawLitLamp(int scale) {
    QImage image(lampSize * scale, lampSize * scale, QImage::Format_RGB888);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.scale(scale, scale);
    paintLamp(painter, QRectF(0, 0, lampSize, lampSize), true);
    return image;
}

QImage drawMainIcon(int size, int scale) {
    const double unit = size / 16.0;
    QImage image(size * scale, size * scale, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.scale(scale, scale);
    // Below 32 pixels smoothing only blurs the noteheads.
    painter.setRenderHint(QPainter::Antialiasing, size >= 32);
    paintIconStaff(painter, size, unit);
    paintIconSharp(painter, unit);
    paintIconNotes(painter, unit);
    painter.end();
    return withAlphaSteps(image, 3);
}

QImage drawAboutIcon(AboutStyle style, int scale) {
    const bool smooth = style != AboutStyle::Mono;
    QImage image(aboutSize * scale, aboutSize * scale, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.scale(scale, scale);
    painter.setRenderHint(QPainter::Antialiasing, smooth);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    const QRectF disc(0.5, 0.5, aboutSize - 1, aboutSize - 1);
    painter.drawEllipse(smooth ? disc : QRectF(0, 0, aboutSize - 1, aboutSize - 1));
    painter.setBrush(aboutDiscColour(style));
    painter.drawEllipse(smooth ? disc.adjusted(2, 2, -2, -2)
                               : QRectF(2, 2, aboutSize - 5, aboutSize - 5));
    QFont font = sansFont(25, true);
    if (!smooth) {
        font.setStyleStrategy(QFont::NoAntialias);
    }
    painter.setFont(font);
    painter.setPen(aboutMarkColour(style));
    painter.drawText(QRect(0, 0, aboutSize, aboutSize), Qt::AlignCenter, QStringLiteral("?"));
    painter.end();
    return smooth ? image : withHardAlpha(image, 128);
}
