#pragma once

#include <QFont>
#include <QImage>
#include <QList>
#include <QPainterPath>

#include "layout.h"
#include "musicfont.h"

// The main window's backdrop: every painted item lies under the control that uses it. At scale 2
// the same drawing comes at twice the size for screens with two pixels to each logical pixel;
// everything lies at twice its coordinates at scale 1.

constexpr QSize backgroundSize = layout::kBackdropSize;

// The logo's notes are drawn with the music font at a small staff space. The words come in the
// language whose translation is installed while it draws.
QImage drawBackground(const MusicFont& logoFont, int scale = 1);

// Colours that must survive the reduction to 256 colours exactly.
QList<QRgb> backgroundKeyColours();

// A word painted on the backdrop. Its letters must keep within its room; a translation too wide
// for the room is set in a narrower stretch of the same face, as the windows do with captions.
struct PaintedWord {
    const char* source;       // the English word, by which the translations know it
    QRect box;                // the rectangle it is aligned in, or the round button it sits on
    Qt::Alignment alignment;  // within the box; none for a word on a button
    QFont font;               // before any narrowing
    QRgb colour;
    QPainterPath room;  // where the centres of the pixels its letters colour must lie

    QString text() const;
    // The font it is painted in: its own, narrowed only as far as the room needs.
    QFont fittedFont() const;
};

// Every word of the backdrop, in the order in which it is painted.
const QList<PaintedWord>& paintedWords();

// Paints the word in the language installed, in its fitted font.
void paintWord(QPainter& painter, const PaintedWord& word);
