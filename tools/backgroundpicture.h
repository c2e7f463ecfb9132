#pragma once

#include <QImage>

#include "musicfont.h"

// The main window's backdrop: every painted item lies under the control that uses it. At scale 2
// the same drawing comes at twice the size for screens with two pixels to each logical pixel;
// everything lies at twice its coordinates at scale 1.

constexpr QSize backgroundSize{414, 287};

// The logo's notes are drawn with the music font at a small staff space.
QImage drawBackground(const MusicFont& logoFont, int scale = 1);

// Colours that must survive the reduction to 256 colours exactly.
QList<QRgb> backgroundKeyColours();
