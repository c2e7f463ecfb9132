#include "fonts.h"

#include <QFontMetrics>

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

QFont dialogBold(int pixelHeight) {
    QFont font("MS Sans Serif");
    font.setPixelSize(pixelHeight);
    font.setBold(true);
    return font;
}

QFont narrowedToFit(QFont font, const QString& text, int width) {
    for (int stretch = QFont::Unstretched; stretch > QFont::UltraCondensed; --stretch) {
        font.setStretch(stretch);
        const QFontMetrics metrics(font);
        if (metrics.horizontalAdvance(text) <= width &&
            metrics.tightBoundingRect(text).right() < width) {
            break;
        }
    }
    return font;
}

}  // namespace fonts
