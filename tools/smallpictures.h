#pragma once

#include <QImage>
#include <QPainter>
#include <QRectF>

// The window's small pictures: the answer pointer, the indicator lamp and the icons.

QFont sansFont(int pixelSize, bool bold);

// A right-pointing pointer on a transparent background; every pixel is opaque or transparent.
QImage drawArrow();

// The indicator lamp fills rect; the background picture paints the unlit one where the lit
// picture later covers it.
void paintLamp(QPainter& painter, const QRectF& rect, bool lit);
QImage drawLitLamp();

// The program's icon: a staff with two beamed eighth notes and a sharp, black on transparent.
QImage drawMainIcon(int size);

enum class AboutStyle { Red, Mono, Green };

// A question mark in a black-rimmed disc, transparent outside the disc.
QImage drawAboutIcon(AboutStyle style);
