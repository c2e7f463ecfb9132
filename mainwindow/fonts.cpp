#include "fonts.h"

namespace fonts {

void installSubstitutions() {
    QFont::insertSubstitution("Arial", "Liberation Sans");
    QFont::insertSubstitution("MS Sans Serif", "Liberation Sans");
}

QFont arialBold(int pixelHeight) {
    QFont font("Arial");
    font.setPixelSize(pixelHeight);
    font.setBold(true);
    return font;
}

// 8.25 points at 96 dots an inch.
QFont dialogDefault() {
    QFont font("MS Sans Serif");
    font.setPixelSize(11);
    return font;
}

}  // namespace fonts
