#include "musicfont.h"

#include <QList>

MusicFont::MusicFont(const QString& fontPath, double staffSpace)
    : font_(fontPath, 4 * staffSpace, QFont::PreferNoHinting) {}

QPainterPath MusicFont::glyph(char32_t codePoint) const {
    const QList<quint32> indexes = font_.glyphIndexesForString(QString::fromUcs4(&codePoint, 1));
    if (indexes.isEmpty()) {
        return {};
    }
    return font_.pathForGlyph(indexes.first());
}
