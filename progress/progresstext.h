#pragma once

#include <QString>
#include <optional>

#include "clef.h"
#include "keyband.h"
#include "keymode.h"

// The words and numbers of the progress window, in the user's language and locale.
namespace progresstext {

// Key 1 to 14 in the mode, as the answer labels name it.
QString keyName(int key, KeyMode mode);
// The key without sharps or flats at the top of the circle: C, or A minor.
QString referenceName(KeyMode mode);
// "Bass clef, minor keys".
QString heading(Clef clef, KeyMode mode);
// "85%", as the language writes a percentage.
QString percent(int value);
// "2.4 s" with the locale's decimal sign, or a dash when there is no time.
QString seconds(std::optional<int> ms);

// What a band means, as the legend says it: "80% or more right".
QString bandWords(Band band);
// "Slower than 6.0 s on average".
QString slowWords(int slowMs);

}  // namespace progresstext
