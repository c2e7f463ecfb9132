#pragma once

#include <QFont>
#include <functional>
#include <optional>

// The window's fonts, by pixel height so that the layout does not depend on the screen's DPI.
namespace fonts {

// Starts reading the system's font configuration on another thread, for the first of the
// fonts below to wait for; call first thing in main().
void startReadingConfiguration();

// Arial and MS Sans Serif are drawn with a metric-compatible face; call before any widget.
void installSubstitutions();

QFont arialBold(int pixelHeight);
QFont dialogDefault();
QFont dialogBold(int pixelHeight);

// The substitute faces are a little wider than the ones the windows were drawn for: a text
// that would not fit the width given is set in a narrower stretch of the same face, never
// cut off or run under the next control.
QFont narrowedToFit(QFont font, const QString& text, int width);

// The font at the widest stretch, from the face's own width down, for which fits holds; nullopt
// when it holds for none.
std::optional<QFont> widestThatFits(QFont font, const std::function<bool(const QFont&)>& fits);

}  // namespace fonts
