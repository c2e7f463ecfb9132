#pragma once

#include <QColor>
#include <optional>

#include "progressdata.h"

// How well a key has gone, in bands that the circle marks with a shape as well as a colour.
enum class Band { NotAsked, Missed, Middling, Mastered };

// The shares of right answers where the middling and the mastered bands begin.
inline constexpr double kMiddlingFrom = 0.5;
inline constexpr double kMasteredFrom = 0.8;

// The share of right answers, or nullopt for a key not asked.
std::optional<double> shareRight(const KeyProgress& key);
Band bandOf(const KeyProgress& key);
bool isSlow(const KeyProgress& key, int slowMs);

// A light fill on a scale from red (none right) through amber to green (all right), dark
// enough text on it to read, and the darker rim of the same hue.
QColor fillFor(double share);
QColor rimFor(double share);

// A whole percentage, rounded, of the right answers among those graded.
int percentRight(int right, int graded);
