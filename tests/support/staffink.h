#pragma once

#include <QDir>
#include <QImage>
#include <QImageReader>
#include <QList>
#include <QRect>
#include <QString>
#include <QTest>
#include <algorithm>
#include <iterator>
#include <optional>

#include "layout.h"

// What the picture tests share: where the generated pictures lie, rows for both their sizes, and
// reading them back from their pixels: what colours fill their regions, the accidentals a key
// picture adds to its clef's rest picture, and the clef in front of them.
namespace staffink {

inline QString sourcePath(const QString& relative) {
    return QDir(QStringLiteral(SOURCE_DIR)).filePath(relative);
}

// A picture of the source tree, by its path there; a null image if it cannot be read.
inline QImage loadPicture(const QString& relative) {
    return QImageReader(sourcePath(relative)).read();
}

// Data rows for a test run on the single pictures and on those at twice the size.
inline void addScaleRows() {
    QTest::addColumn<int>("scale");
    QTest::newRow("single size") << 1;
    QTest::newRow("twice the size") << 2;
}

// The main window's pictures come at the single size and, named with "@2x", at twice the size.
inline QString atScale(const QString& name, int scale, const QString& extension) {
    return name + (scale == 1 ? QString() : QStringLiteral("@%1x").arg(scale)) + extension;
}

// The treble clef's pictures have plain names, "3.gif" and "blankstaff.gif"; the other clefs'
// carry the clef's word, "bass-3.gif" and "blankstaff-bass.gif".
inline QString keyPicturePath(int number, const QString& clef = {}) {
    const QString prefix = clef.isEmpty() ? QString() : clef + QLatin1Char('-');
    return QStringLiteral("assets/%1%2.gif").arg(prefix).arg(number);
}

inline QString blankStaffPath(int scale, const QString& clef = {}) {
    const QString suffix = clef.isEmpty() ? QString() : QLatin1Char('-') + clef;
    return atScale(QStringLiteral("mainwindow/pictures/blankstaff") + suffix, scale,
                   QStringLiteral(".gif"));
}

// The clefs besides the treble clef, by their words in the picture names.
inline QStringList otherClefs() {
    return {QStringLiteral("bass"), QStringLiteral("alto"), QStringLiteral("tenor")};
}

// Every clef, the treble clef first with no word.
inline QStringList everyClef() {
    return QStringList{QString()} + otherClefs();
}

inline int luma(QRgb pixel) {
    return qGray(pixel);
}

inline bool isBlack(QRgb pixel) {
    return qRed(pixel) < 24 && qGreen(pixel) < 24 && qBlue(pixel) < 24;
}

inline bool isWhite(QRgb pixel) {
    return qRed(pixel) == 255 && qGreen(pixel) == 255 && qBlue(pixel) == 255;
}

inline int area(const QRect& rect) {
    return rect.width() * rect.height();
}

inline int countPixels(const QImage& image, const QRect& rect, bool (*test)(QRgb)) {
    int count = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            count += test(image.pixel(x, y)) ? 1 : 0;
        }
    }
    return count;
}

// A rectangle given in the single picture's pixels, in the pixels of one at the given scale.
inline QRect scaled(const QRect& rect, int scale) {
    return QRect(rect.topLeft() * scale, rect.size() * scale);
}

// The staff every staff picture shares: staff space 14 px, lines on these rows.
constexpr int kStaffSpace = 14;
constexpr int kLineRows[] = {34, 48, 62, 76, 90};
constexpr int kBottomLineRow = 90;
// The rest pictures are taller than the picture box, which shows their top part; the key pictures
// fill the box. Both show the same staff where they overlap.
constexpr QSize kRestPictureSize{195, 200};
constexpr QRect kSharedStaffArea{0, 0, kRestPictureSize.width(),
                                 layout::rectOf("Picture1").height()};

// How much darker the key picture is than the blank staff at a pixel.
inline int inkAt(const QImage& key, const QImage& blank, int x, int y) {
    return std::max(0, luma(blank.pixel(x, y)) - luma(key.pixel(x, y)));
}

constexpr int kInkThreshold = 64;

inline bool hasInk(const QImage& key, const QImage& blank, int x, int y) {
    return inkAt(key, blank, x, y) > kInkThreshold;
}

struct InkedGlyph {
    int left = 0;
    int right = 0;  // inclusive
    int top = 0;
    int bottom = 0;  // inclusive
};

// The runs of columns in which the key picture adds ink to the blank staff.
inline QList<InkedGlyph> glyphColumns(const QImage& key, const QImage& blank) {
    QList<InkedGlyph> glyphs;
    std::optional<InkedGlyph> current;
    for (int x = 0; x < kSharedStaffArea.width(); ++x) {
        int top = -1;
        int bottom = -1;
        for (int y = 0; y < kSharedStaffArea.height(); ++y) {
            if (hasInk(key, blank, x, y)) {
                top = top < 0 ? y : top;
                bottom = y;
            }
        }
        if (top < 0) {
            if (current) {
                glyphs << *current;
                current.reset();
            }
            continue;
        }
        if (!current) {
            current = InkedGlyph{x, x, top, bottom};
        }
        current->right = x;
        current->top = std::min(current->top, top);
        current->bottom = std::max(current->bottom, bottom);
    }
    if (current) {
        glyphs << *current;
    }
    return glyphs;
}

// Separate stretches of ink in one row of a glyph.
inline int inkStretches(const QImage& key, const QImage& blank, const InkedGlyph& glyph, int y) {
    int stretches = 0;
    bool inside = false;
    for (int x = glyph.left; x <= glyph.right; ++x) {
        const bool ink = hasInk(key, blank, x, y);
        stretches += ink && !inside ? 1 : 0;
        inside = ink;
    }
    return stretches;
}

enum class Kind { Sharp, Flat };

// A sharp's upper part shows its two upright strokes side by side; a flat's shows only its stem.
inline Kind kindOf(const QImage& key, const QImage& blank, const InkedGlyph& glyph) {
    const int upperThirdEnd = glyph.top + (glyph.bottom - glyph.top) / 3;
    int rowsWithTwoStrokes = 0;
    for (int y = glyph.top; y <= upperThirdEnd; ++y) {
        rowsWithTwoStrokes += inkStretches(key, blank, glyph, y) >= 2 ? 1 : 0;
    }
    return rowsWithTwoStrokes >= 3 ? Kind::Sharp : Kind::Flat;
}

// Bravura draws a sharp centred on its note and a flat from 0.70 staff spaces below the note.
inline double noteRowOf(const InkedGlyph& glyph, Kind kind) {
    const double inkBottom = glyph.bottom + 1;
    if (kind == Kind::Sharp) {
        return (glyph.top + inkBottom) / 2.0;
    }
    return inkBottom - 0.70 * kStaffSpace;
}

// Half staff spaces above the bottom line; the line's centre lies half a pixel below its row.
inline double staffStepAt(double row) {
    return (kBottomLineRow + 0.5 - row) / (kStaffSpace / 2.0);
}

// What is wrong with the accidentals a key picture adds to its rest picture, or an empty string:
// each must be of the kind expected, of an accidental's width, and on its expected staff step.
inline QString misreadKeySignature(const QImage& key, const QImage& blank, Kind kind,
                                   const QList<int>& steps) {
    const QList<InkedGlyph> glyphs = glyphColumns(key, blank);
    if (glyphs.size() != steps.size()) {
        return QStringLiteral("%1 accidentals, expected %2").arg(glyphs.size()).arg(steps.size());
    }
    for (qsizetype i = 0; i < glyphs.size(); ++i) {
        const InkedGlyph& glyph = glyphs[i];
        const QString where = QStringLiteral("accidental %1 at x %2").arg(i + 1).arg(glyph.left);
        const int width = glyph.right - glyph.left + 1;
        if (width < 11 || width > 15) {
            return where + QStringLiteral(" is %1 pixels wide").arg(width);
        }
        const Kind seen = kindOf(key, blank, glyph);
        if (seen != kind) {
            return where + QStringLiteral(": wrong kind");
        }
        const double step = staffStepAt(noteRowOf(glyph, seen));
        if (std::abs(step - steps[i]) >= 0.3) {
            return where + QStringLiteral(" sits on step %1, expected %2")
                               .arg(step, 0, 'f', 2)
                               .arg(steps[i]);
        }
    }
    return {};
}

// The first pixel in which a key picture differs from its rest picture away from its accidentals,
// or an empty string.
inline QString differenceOffTheAccidentals(const QImage& key, const QImage& blank) {
    const QList<InkedGlyph> glyphs = glyphColumns(key, blank);
    auto nearAGlyph = [&glyphs](int x) {
        return std::any_of(glyphs.begin(), glyphs.end(), [x](const InkedGlyph& glyph) {
            return x >= glyph.left - 1 && x <= glyph.right + 1;
        });
    };
    for (int x = 0; x < kSharedStaffArea.width(); ++x) {
        if (nearAGlyph(x)) {
            continue;
        }
        for (int y = 0; y < kSharedStaffArea.height(); ++y) {
            if (key.pixel(x, y) != blank.pixel(x, y)) {
                return QStringLiteral("pixel (%1, %2) differs from the blank staff").arg(x).arg(y);
            }
        }
    }
    return {};
}

// The clef's dark ink left of the key signature, off the lines, in the single picture's pixels
// for a picture at the given scale; its right edge -1 when there is none.
inline InkedGlyph clefInk(const QImage& blank, int scale = 1) {
    InkedGlyph clef{kSharedStaffArea.width(), -1, kSharedStaffArea.height(), -1};
    for (int x = 0; x < 58 * scale; ++x) {
        for (int y = 0; y < kSharedStaffArea.height() * scale; ++y) {
            const int row = y / scale;
            const bool onLine =
                std::find(std::begin(kLineRows), std::end(kLineRows), row) != std::end(kLineRows);
            if (!onLine && luma(blank.pixel(x, y)) < 128) {
                clef = {std::min(clef.left, x / scale), x / scale, std::min(clef.top, row),
                        std::max(clef.bottom, row)};
            }
        }
    }
    return clef;
}

// The right edge of the clef: the last inked column left of the key signature, off the lines.
inline int clefRightEdge(const QImage& blank, int scale = 1) {
    return clefInk(blank, scale).right;
}

// The white between the clef and the first accidental, in staff spaces.
inline double gapAfterClef(const QList<InkedGlyph>& glyphs, const QImage& blank) {
    return (glyphs.first().left - clefRightEdge(blank) - 1) / double(kStaffSpace);
}

}  // namespace staffink
