#pragma once

#include <QFont>

// The window's fonts, by pixel height so that the layout does not depend on the screen's DPI.
namespace fonts {

// Arial and MS Sans Serif are drawn with a metric-compatible face; call before any widget.
void installSubstitutions();

QFont arialBold(int pixelHeight);
QFont dialogDefault();

}  // namespace fonts
