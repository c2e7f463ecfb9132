#pragma once

#include <QImage>
#include <QPainter>
#include <QRectF>

// The window's small pictures: the answer pointer, the indicator lamp and the icons. Those with a
// scale draw the same picture at scale times the size, every shape at scale times its coordinates.

QFont sansFont(int pixelSize, bool bold);

// A right-pointing pointer on a transparent background; every pixel is opaque or transparent.
QImage drawArrow();

// The indicator lamp fills rect; the background picture paints the unlit one where the lit
// picture later covers it.
void paintLamp(QPainter& painter, const QRectF& rect, bool lit);
QImage drawLitLamp(int scale = 1);

// The program's icon: a staff with two beamed eighth notes and a sharp, black on transparent. Its
// staff lines are one pixel thick at any size, scale pixels when scaled.
QImage drawMainIcon(int size, int scale = 1);

enum class AboutStyle { Red, Mono, Green };

// A question mark in a black-rimmed disc, transparent outside the disc.
QImage drawAboutIcon(AboutStyle style, int scale = 1);
