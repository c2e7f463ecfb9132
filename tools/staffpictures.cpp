#include "staffpictures.h"

#include <QPainter>
#include <array>

#include "palette.h"

namespace {

using namespace StaffLayout;

// Sharps run F C G D A E B, flats B E A D G C F, each placed within the treble staff.
constexpr std::array<int, 7> sharpSteps{8, 5, 9, 6, 3, 7, 4};
constexpr std::array<int, 7> flatSteps{4, 7, 3, 6, 2, 5, 1};
// Tenor clef's sharps would start above the staff if they followed the treble pattern, so they
// start on the second line and zigzag within the staff.
constexpr std::array<int, 7> tenorSharpSteps{2, 6, 3, 7, 4, 8, 5};

// How many steps higher a clef writes the treble pattern's letters: bass clef has G, not E, on its
// bottom line, so each letter sits two steps lower; alto clef has F there, one step lower; tenor
// clef has D, one step higher.
int stepsAboveTreble(Clef clef) {
    switch (clef) {
        case Clef::Bass:
            return -2;
        case Clef::Alto:
            return -1;
        case Clef::Tenor:
            return 1;
        case Clef::Treble:
            break;
    }
    return 0;
}

struct ClefGlyph {
    char32_t codePoint;
    int step;  // of the line the clef names, where the glyph's origin lies
};

// The G clef names G on the second line, the F clef F on the fourth, the C clef middle C on the
// middle line (alto) or the fourth (tenor).

ClefGlyph clefGlyph(Clef clef) {
    switch (clef) {
        case Clef::Bass:
            return {Glyph::fClef, 6};
        case Clef::Alto:
            return {Glyph::cClef, 4};
        case Clef::Tenor:
            return {Glyph::cClef, 6};
        case Clef::Treble:
            break;
    }
    return {Glyph::trebleClef, 2};
}

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

void drawKeySignature(QPainter& painter, const MusicFont& font, Clef clef, KeySignature key) {
    const bool sharps = key.kind == Accidental::Sharp;
    const int advance = sharps ? sharpAdvance : flatAdvance;
    for (int i = 0; i < key.count; ++i) {
        const QPointF origin =
            originOnStep(firstAccidentalX + i * advance, accidentalStep(clef, key.kind, i));
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

int accidentalStep(Clef clef, Accidental kind, int position) {
    const auto index = static_cast<std::size_t>(position);
    if (kind == Accidental::Flat) {
        return flatSteps.at(index) + stepsAboveTreble(clef);
    }
    if (clef == Clef::Tenor) {
        return tenorSharpSteps.at(index);
    }
    return sharpSteps.at(index) + stepsAboveTreble(clef);
}

QImage drawStaffPicture(const MusicFont& font, Clef clef, QSize size,
                        std::optional<KeySignature> key, int scale) {
    QImage image(size * scale, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.scale(scale, scale);
    painter.setRenderHint(QPainter::Antialiasing);
    drawStaffLines(painter);
    const ClefGlyph glyph = clefGlyph(clef);
    drawGlyph(painter, font, glyph.codePoint, originOnStep(clefX, glyph.step));
    if (key) {
        drawKeySignature(painter, font, clef, *key);
    }
    painter.end();
    return roundToSixteenGreys(image);
}
