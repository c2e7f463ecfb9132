#include "marks.h"

#include <QPainterPath>

namespace {

const QColor kInk(0x20, 0x20, 0x20);
const QColor kGreyRim(0x9a, 0x9a, 0x9a);

// The mark's strokes in the unit square, [0, 1] x [0, 1].
QPainterPath unitStrokes(Mark mark) {
    QPainterPath path;
    switch (mark) {
        case Mark::Tick:
            path.moveTo(0.22, 0.52);
            path.lineTo(0.42, 0.72);
            path.lineTo(0.78, 0.3);
            break;
        case Mark::Dash:
            path.moveTo(0.26, 0.5);
            path.lineTo(0.74, 0.5);
            break;
        case Mark::Cross:
            path.moveTo(0.3, 0.3);
            path.lineTo(0.7, 0.7);
            path.moveTo(0.7, 0.3);
            path.lineTo(0.3, 0.7);
            break;
        case Mark::Clock:
            path.moveTo(0.5, 0.24);
            path.lineTo(0.5, 0.5);
            path.lineTo(0.7, 0.6);
            break;
    }
    return path;
}

}  // namespace

std::optional<Mark> markOf(Band band) {
    switch (band) {
        case Band::Mastered:
            return Mark::Tick;
        case Band::Middling:
            return Mark::Dash;
        case Band::Missed:
            return Mark::Cross;
        case Band::NotAsked:
            break;
    }
    return std::nullopt;
}

void paintBadge(QPainter& painter, QPointF centre, qreal radius, Mark mark) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kInk, qMax(1.0, radius / 7)));
    painter.setBrush(Qt::white);
    painter.drawEllipse(centre, radius, radius);
    // The strokes fill the badge's inner square, as thick as a fifth of the badge.
    painter.translate(centre - QPointF(radius, radius));
    painter.scale(2 * radius, 2 * radius);
    painter.setBrush(Qt::NoBrush);
    const qreal stroke = mark == Mark::Clock ? 0.1 : 0.16;
    painter.setPen(QPen(kInk, stroke, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(unitStrokes(mark));
    painter.restore();
}

void paintDisc(QPainter& painter, QPointF centre, qreal radius, const DiscLook& look) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QColor fill = Qt::white;
    QColor rim = kGreyRim;
    if (look.reference) {
        fill = QColor(0xe4, 0xe4, 0xe4);
    } else if (look.share) {
        fill = fillFor(*look.share);
        rim = rimFor(*look.share);
    }
    QPen pen(rim, look.share ? 2.5 : 1.5);
    if (look.slow) {
        pen.setStyle(Qt::DashLine);
        pen.setCapStyle(Qt::FlatCap);
        pen.setDashPattern({2.2, 1.4});
    }
    painter.setPen(pen);
    painter.setBrush(fill);
    painter.drawEllipse(centre, radius, radius);
    painter.restore();
}

QColor textColourOn(const DiscLook& look) {
    return look.reference ? QColor(0x70, 0x70, 0x70) : kInk;
}
