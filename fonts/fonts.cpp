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

std::optional<QFont> widestThatFits(QFont font, const std::function<bool(const QFont&)>& fits) {
    for (int stretch = QFont::Unstretched; stretch > QFont::UltraCondensed; --stretch) {
        font.setStretch(stretch);
        if (fits(font)) {
            return font;
        }
    }
    return std::nullopt;
}

QFont narrowedToFit(QFont font, const QString& text, int width) {
    const auto fitted = widestThatFits(font, [&](const QFont& candidate) {
        const QFontMetrics metrics(candidate);
        return metrics.horizontalAdvance(text) <= width &&
               metrics.tightBoundingRect(text).right() < width;
    });
    // Too wide at any stretch: the narrowest tried still cuts off the least.
    font.setStretch(QFont::UltraCondensed + 1);
    return fitted.value_or(font);
}

}  // namespace fonts
