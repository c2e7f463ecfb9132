#pragma once

#include <QPainterPath>
#include <QRawFont>
#include <QString>

// Code points of the music font's glyphs (Standard Music Font Layout).
namespace Glyph {
constexpr char32_t trebleClef = 0xE050;
constexpr char32_t cClef = 0xE05C;
constexpr char32_t fClef = 0xE062;
constexpr char32_t blackNotehead = 0xE0A4;
constexpr char32_t flat = 0xE260;
constexpr char32_t sharp = 0xE262;
}  // namespace Glyph

// The Bravura music font at a given staff space; its em is four staff spaces.
class MusicFont {
public:
    MusicFont(const QString& fontPath, double staffSpace);

    bool isValid() const { return font_.isValid(); }

    // The glyph's outline with its origin at (0, 0).
    QPainterPath glyph(char32_t codePoint) const;

private:
    QRawFont font_;
};
