#include "keycircle.h"

#include <QLocale>
#include <QPainter>
#include <QtMath>
#include <cmath>
#include <functional>
#include <numbers>
#include <vector>

#include "fonts.h"
#include "keyband.h"
#include "marks.h"
#include "progresstext.h"

namespace {

// Radii of the ring of twelve places and of the outer ring that holds the three flat keys
// sharing a place, far enough apart that neighbouring discs never touch.
constexpr qreal kRingRadius = 128;
constexpr qreal kOuterRingRadius = 194;
constexpr qreal kCountGap = 5;
constexpr qreal kMargin = 4;
// Room for "right/asked" beside a disc; a longer one is set narrower.
constexpr int kCountRoom = 60;
constexpr int kMaxNameLines = 3;

// The place 0 to 11 clockwise from the top (C), and whether the key sits on the outer ring.
struct Place {
    int step;
    bool outer;
};

Place placeOf(int key) {
    if (key <= 7) {
        return {key, false};
    }
    const int flats = key - 7;
    return {12 - flats, flats >= 5};
}

QPointF unitAt(int step) {
    const qreal angle = qDegreesToRadians(30.0 * step);
    return {std::sin(angle), -std::cos(angle)};
}

QPointF offsetOf(int key) {
    const Place place = placeOf(key);
    return unitAt(place.step) * (place.outer ? kOuterRingRadius : kRingRadius);
}

// The count stands outside the circle, except beside the three keys whose outer neighbours
// take that room: there it stands inside.
QPointF countDirection(int key) {
    const Place place = placeOf(key);
    const bool inward = !place.outer && place.step >= 5 && place.step <= 7;
    return unitAt(place.step) * (inward ? -1 : 1);
}

QFont countFont() {
    return fonts::dialogBold(12);
}

// Upwards the count keeps clear of the marks on the upper rim too.
QRectF countBox(QPointF discCentre, QPointF direction, QSizeF size) {
    const QPointF mark = KeyCircle::markOffset();
    const qreal clear = direction.y() < -0.3
                            ? std::hypot(mark.x(), mark.y()) + KeyCircle::kBadgeRadius
                            : KeyCircle::kDiscRadius;
    const qreal reach = clear + kCountGap + std::abs(direction.x()) * size.width() / 2 +
                        std::abs(direction.y()) * size.height() / 2;
    QRectF box(QPointF(), size);
    box.moveCenter(discCentre + direction * reach);
    return box;
}

// Everything the circle may paint, around its centre.
QRectF measureExtent() {
    const QSizeF widest(kCountRoom, QFontMetricsF(countFont()).height());
    const qreal disc =
        std::max(KeyCircle::kDiscRadius, -KeyCircle::markOffset().y() + KeyCircle::kBadgeRadius);
    QRectF all(-QPointF(disc, disc + kRingRadius), QSizeF(2 * disc, 2 * disc));
    for (int key = 1; key <= 14; ++key) {
        all |= QRectF(offsetOf(key) - QPointF(disc, disc), QSizeF(2 * disc, 2 * disc));
        all |= countBox(offsetOf(key), countDirection(key), widest);
    }
    return all.adjusted(-kMargin, -kMargin, kMargin, kMargin);
}

const QRectF& extent() {
    static const QRectF measured = measureExtent();
    return measured;
}

// The name's pieces, each to be followed by a break: after a space (dropped when the line
// breaks there) or a hyphen (kept).
QStringList piecesOf(const QString& name) {
    QStringList pieces(QString{});
    for (QChar c : name) {
        pieces.last() += c;
        if (c == ' ' || c == '-') {
            pieces << QString{};
        }
    }
    if (pieces.size() > 1 && pieces.last().isEmpty()) {
        pieces.removeLast();
    }
    return pieces;
}

// Every way to set the pieces on at most kMaxNameLines lines, fewer lines first; a name of
// many words, which no key has, on one line.
std::vector<QStringList> arrangements(const QStringList& pieces) {
    const int gaps = int(pieces.size()) - 1;
    if (gaps > 8) {
        return {QStringList(pieces.join(QString()))};
    }
    std::vector<QStringList> all;
    for (unsigned breaks = 0; breaks < (1u << gaps); ++breaks) {
        QStringList lines(pieces.first());
        for (int gap = 0; gap < gaps; ++gap) {
            if (breaks & (1u << gap)) {
                lines << QString{};
            }
            lines.last() += pieces[gap + 1];
        }
        if (lines.size() <= kMaxNameLines) {
            for (QString& line : lines) {
                line = line.trimmed();
            }
            all.push_back(lines);
        }
    }
    std::stable_sort(all.begin(), all.end(), [](const QStringList& a, const QStringList& b) {
        return a.size() < b.size();
    });
    return all;
}

// The width a line of text has inside a disc between the heights top and bottom (from the
// disc's centre), clear of the rim and of the marks on the upper rim.
qreal roomBetween(qreal top, qreal bottom) {
    const qreal inner = KeyCircle::kDiscRadius - 3;
    const qreal far = std::max(std::abs(top), std::abs(bottom));
    if (far >= inner) {
        return 0;
    }
    qreal room = 2 * std::sqrt(inner * inner - far * far);
    const QPointF mark = KeyCircle::markOffset();
    const qreal markBottom = mark.y() + KeyCircle::kBadgeRadius;
    if (top < markBottom) {
        room = std::min(room, 2 * (mark.x() - KeyCircle::kBadgeRadius - 1));
    }
    return room;
}

bool linesFit(const QStringList& lines, const QFont& font) {
    const QFontMetricsF metrics(font);
    const qreal top = -metrics.height() * qreal(lines.size()) / 2;
    // Between the font's ascent and a capital's height lies no ink.
    const qreal inkTop = metrics.ascent() - metrics.capHeight();
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const qreal lineTop = top + metrics.height() * qreal(i);
        const qreal room = roomBetween(lineTop + inkTop, lineTop + metrics.height());
        if (metrics.horizontalAdvance(lines[i]) > room ||
            metrics.tightBoundingRect(lines[i]).width() > room) {
            return false;
        }
    }
    return true;
}

}  // namespace

KeyCircle::KeyCircle(QWidget* parent) : QWidget(parent) {
    setObjectName("KeyCircle");
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setAccessibleName(tr("Circle of fifths"));
}

QSize KeyCircle::sizeHint() const {
    return extent().size().toSize() + QSize(1, 1);
}

QPointF KeyCircle::centreOf(int key) {
    const QPointF centre = -extent().topLeft();
    return centre + (key == 0 ? QPointF(0, -kRingRadius) : offsetOf(key));
}

// The marks sit on the upper rim, mostly outside it, clear of a name's lines.
QPointF KeyCircle::markOffset() {
    return QPointF(1, -1) * ((kDiscRadius + kBadgeRadius - 2) / std::numbers::sqrt2);
}

QPointF KeyCircle::slowOffset() {
    return QPointF(-markOffset().x(), markOffset().y());
}

QFont KeyCircle::nameFont() {
    QFont font = fonts::dialogDefault();
    font.setPixelSize(12);
    return font;
}

// The widest stretch at which some arrangement fits, and of those the one with fewest lines.
KeyCircle::NameLines KeyCircle::fitName(const QString& name) {
    const std::vector<QStringList> candidates = arrangements(piecesOf(name));
    const auto fitting = [&](const QFont& font) -> const QStringList* {
        for (const QStringList& lines : candidates) {
            if (linesFit(lines, font)) {
                return &lines;
            }
        }
        return nullptr;
    };
    const std::optional<QFont> font =
        fonts::widestThatFits(nameFont(), [&](const QFont& f) { return fitting(f) != nullptr; });
    if (!font) {
        QFont narrowest = nameFont();
        narrowest.setStretch(QFont::UltraCondensed);
        return {narrowest, candidates.back()};
    }
    return {*font, *fitting(*font)};
}

void KeyCircle::setData(const ProgressData& shown) {
    data_ = shown;
    names_[0] = fitName(progresstext::referenceName(shown.mode));
    for (int key = 1; key <= 14; ++key) {
        names_[size_t(key)] = fitName(progresstext::keyName(key, shown.mode));
    }
    setAccessibleDescription(description());
    update();
}

void KeyCircle::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QPointF centre = centreOf(0) + QPointF(0, kRingRadius);
    painter.setPen(QPen(QColor(0xd0, 0xd0, 0xd0), 1.5));
    painter.drawEllipse(centre, kRingRadius, kRingRadius);
    // The pairs that share a place are joined along their spoke.
    for (int key : {12, 13, 14}) {
        const QPointF spoke = unitAt(placeOf(key).step);
        painter.drawLine(centre + spoke * (kRingRadius + kDiscRadius),
                         centre + spoke * (kOuterRingRadius - kDiscRadius));
    }
    for (int key = 0; key <= 14; ++key) {
        paintKey(painter, key);
    }
}

void KeyCircle::paintKey(QPainter& painter, int key) const {
    const QPointF centre = centreOf(key);
    const KeyProgress* figures = key == 0 ? nullptr : &data_.keys[size_t(key - 1)];
    DiscLook look;
    look.reference = key == 0;
    if (figures) {
        look.share = shareRight(*figures);
        look.slow = isSlow(*figures, data_.slowMs);
    }
    paintDisc(painter, centre, kDiscRadius, look);

    const NameLines& name = names_[size_t(key)];
    painter.setFont(name.font);
    painter.setPen(textColourOn(look));
    const qreal lineHeight = QFontMetricsF(name.font).height();
    QRectF line(centre.x() - kDiscRadius, centre.y() - lineHeight * qreal(name.lines.size()) / 2,
                2 * kDiscRadius, lineHeight);
    for (const QString& text : name.lines) {
        painter.drawText(line, Qt::AlignCenter, text);
        line.translate(0, lineHeight);
    }
    if (!figures) {
        return;
    }
    if (const std::optional<Mark> mark = markOf(bandOf(*figures))) {
        paintBadge(painter, centre + markOffset(), kBadgeRadius, *mark);
    }
    if (look.slow) {
        paintBadge(painter, centre + slowOffset(), kBadgeRadius, Mark::Clock);
    }
    paintCount(painter, key);
}

void KeyCircle::paintCount(QPainter& painter, int key) const {
    const KeyProgress& figures = data_.keys[size_t(key - 1)];
    if (figures.asked <= 0) {
        return;
    }
    const QLocale locale;
    const QString text = locale.toString(figures.right) + '/' + locale.toString(figures.asked);
    const QFont font = fonts::narrowedToFit(countFont(), text, kCountRoom);
    const QFontMetricsF metrics(font);
    const QSizeF size(metrics.horizontalAdvance(text), metrics.height());
    painter.setFont(font);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(countBox(centreOf(key), countDirection(key), size), Qt::AlignCenter, text);
}

// What the colours say, for a screen reader: the keys of each band by name.
QString KeyCircle::description() const {
    const QLocale locale;
    const auto keysWhere = [&](const std::function<bool(const KeyProgress&)>& holds) {
        QStringList names;
        for (int key = 1; key <= 14; ++key) {
            if (holds(data_.keys[size_t(key - 1)])) {
                names << progresstext::keyName(key, data_.mode);
            }
        }
        return names;
    };
    QStringList sentences;
    const auto addSentence = [&](const QString& head, const QStringList& names) {
        if (!names.isEmpty()) {
            //: A sentence of the circle's description: "80% or more right: G and D."
            sentences << tr("%1: %2.").arg(head, locale.createSeparatedList(names));
        }
    };
    for (Band band : {Band::Mastered, Band::Middling, Band::Missed, Band::NotAsked}) {
        addSentence(progresstext::bandWords(band),
                    keysWhere([band](const KeyProgress& key) { return bandOf(key) == band; }));
    }
    addSentence(progresstext::slowWords(data_.slowMs),
                keysWhere([this](const KeyProgress& key) { return isSlow(key, data_.slowMs); }));
    return sentences.join(' ');
}
