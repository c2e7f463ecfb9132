#include "staffpictures.h"

#include <QPainter>
#include <array>

#include "palette.h"

namespace {

using namespace StaffLayout;

// Sharps run F C G D A E B, flats B E A D G C F, each placed within the treble staff.
constexpr std::array<int, 7> sharpSteps{8, 5, 9, 6, 3, 7, 4};
constexpr std::array<int, 7> flatSteps{4, 7, 3, 6, 2, 5, 1};

// Glyph origins sit on pixel centres so a glyph on a line shares that line's row exactly.
QPointF originOnStep(int x, int step) {
    return QPointF(x, bottomLineY - step * staffSpace / 2.0 + 0.5);
}

void drawGlyph(QPainter& painter, const MusicFont& font, char32_t codePoint, QPointF origin) {
    painter.fillPath(font.glyph(codePoint).translated(origin), Qt::black);
}

void drawStaffLines(QPainter& painter) {
    for (int line = 0; line < 5; ++line) {
        painter.fillRect(
            QRect(lineLeftX, topLineY + line * staffSpace, lineRightX - lineLeftX + 1, 1),
            Qt::black);
    }
}

void drawKeySignature(QPainter& painter, const MusicFont& font, KeySignature key) {
    const bool sharps = key.kind == Accidental::Sharp;
    const int advance = sharps ? sharpAdvance : flatAdvance;
    for (int i = 0; i < key.count; ++i) {
        const QPointF origin =
            originOnStep(firstAccidentalX + i * advance, accidentalStep(key.kind, i));
        drawGlyph(painter, font, sharps ? Glyph::sharp : Glyph::flat, origin);
    }
}

}  // namespace

KeySignature keySignatureOfPicture(int pictureNumber) {
    if (pictureNumber <= 7) {
        return {Accidental::Sharp, pictureNumber};
    }
    return {Accidental::Flat, pictureNumber - 7};
}

int accidentalStep(Accidental kind, int position) {
    const auto index = static_cast<std::size_t>(position);
    return kind == Accidental::Sharp ? sharpSteps.at(index) : flatSteps.at(index);
}

QImage drawStaffPicture(const MusicFont& font, QSize size, std::optional<KeySignature> key,
                        int scale) {
    QImage image(size * scale, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.scale(scale, scale);
    painter.setRenderHint(QPainter::Antialiasing);
    drawStaffLines(painter);
    // The clef's origin lies on the G line, the second from the bottom.
    drawGlyph(painter, font, Glyph::trebleClef, originOnStep(clefX, 2));
    if (key) {
        drawKeySignature(painter, font, *key);
    }
    painter.end();
    return roundToSixteenGreys(image);
}
