#pragma once

#include <QPainter>
#include <optional>

#include "keyband.h"

// The shapes that tell the bands apart without colour, drawn as paths so that they are crisp at
// any scale and need no glyph from a font.
enum class Mark { Tick, Dash, Cross, Clock };

std::optional<Mark> markOf(Band band);

// A mark in a white badge with a dark outline, centred on `centre`.
void paintBadge(QPainter& painter, QPointF centre, qreal radius, Mark mark);

// How a key's disc looks: its band's colour, a grey one for the reference key, and a dashed
// rim when the key is slow.
struct DiscLook {
    std::optional<double> share;  // none: not asked, or the reference
    bool reference = false;
    bool slow = false;
};

void paintDisc(QPainter& painter, QPointF centre, qreal radius, const DiscLook& look);
QColor textColourOn(const DiscLook& look);
