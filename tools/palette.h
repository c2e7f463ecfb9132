#pragma once

#include <QImage>
#include <QList>

// Turning painted pictures into exact 8-bit indexed images for the GIF writer.

// The sixteen evenly spaced greys, black first; staff pictures are rounded to these.
QList<QRgb> sixteenGreys();

// Rounds every pixel of a black-on-white picture to the nearest of sixteenGreys().
QImage roundToSixteenGreys(const QImage& image);

// The distinct opaque colours of the image, sorted by value.
QList<QRgb> distinctColours(const QImage& image);

// Indexes the image against a palette that must already hold each of its colours exactly; fully
// transparent pixels take transparentIndex. Returns a null image if a colour is missing.
QImage indexAgainst(const QImage& image, const QList<QRgb>& palette, int transparentIndex = -1);

// Reduces an opaque picture to paletteSize colours by median cut. The pinned colours come first in
// the palette and are kept exactly, so solid black stays black.
QImage reduceColours(const QImage& image, const QList<QRgb>& pinnedColours, int paletteSize);
