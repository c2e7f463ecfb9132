#pragma once

#include <QImage>

#include "musicfont.h"

// The main window's backdrop: every painted item lies under the control that uses it.

constexpr QSize backgroundSize{414, 287};

// The logo's notes are drawn with the music font at a small staff space.
QImage drawBackground(const MusicFont& logoFont);

// Colours that must survive the reduction to 256 colours exactly.
QList<QRgb> backgroundKeyColours();
