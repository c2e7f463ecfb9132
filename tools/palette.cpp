#include "palette.h"

#include <QHash>
#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace {

struct ColourCount {
    QRgb colour;
    qint64 pixels;
};

using Box = std::vector<ColourCount>;

int channel(QRgb colour, int which) {
    switch (which) {
        case 0:
            return qRed(colour);
        case 1:
            return qGreen(colour);
        default:
            return qBlue(colour);
    }
}

int greyLevel(QRgb colour) {
    return qGray(colour);
}

QRgb opaque(QRgb colour) {
    return colour | 0xff000000u;
}

QHash<QRgb, qint64> countColours(const QImage& image) {
    QHash<QRgb, qint64> counts;
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            ++counts[opaque(row[x])];
        }
    }
    return counts;
}

// The channel along which the box spreads furthest, and how far.
std::pair<int, int> widestChannel(const Box& box) {
    int bestChannel = 0;
    int bestRange = -1;
    for (int c = 0; c < 3; ++c) {
        const auto [low, high] = std::minmax_element(
            box.begin(), box.end(), [c](const ColourCount& a, const ColourCount& b) {
                return channel(a.colour, c) < channel(b.colour, c);
            });
        const int range = channel(high->colour, c) - channel(low->colour, c);
        if (range > bestRange) {
            bestRange = range;
            bestChannel = c;
        }
    }
    return {bestChannel, bestRange};
}

qint64 pixelsIn(const Box& box) {
    qint64 total = 0;
    for (const ColourCount& entry : box) {
        total += entry.pixels;
    }
    return total;
}

// Favours boxes that are both wide and well populated, so the large textured areas keep their
// shades while the thin antialiased edges share a few colours.
double splitPriority(const Box& box) {
    if (box.size() < 2) {
        return -1.0;
    }
    return widestChannel(box).second * std::sqrt(static_cast<double>(pixelsIn(box)));
}

std::pair<Box, Box> splitAtMedian(Box box) {
    const int c = widestChannel(box).first;
    std::sort(box.begin(), box.end(), [c](const ColourCount& a, const ColourCount& b) {
        if (channel(a.colour, c) != channel(b.colour, c)) {
            return channel(a.colour, c) < channel(b.colour, c);
        }
        return a.colour < b.colour;
    });
    const qint64 half = pixelsIn(box) / 2;
    qint64 seen = 0;
    std::size_t cut = 1;
    for (; cut < box.size(); ++cut) {
        seen += box[cut - 1].pixels;
        if (seen >= half) {
            break;
        }
    }
    cut = std::min(cut, box.size() - 1);
    const auto middle = box.begin() + static_cast<std::ptrdiff_t>(cut);
    return {Box(box.begin(), middle), Box(middle, box.end())};
}

QRgb averageColour(const Box& box) {
    double sums[3] = {0, 0, 0};
    const double total = static_cast<double>(pixelsIn(box));
    for (const ColourCount& entry : box) {
        for (int c = 0; c < 3; ++c) {
            sums[c] += channel(entry.colour, c) * static_cast<double>(entry.pixels);
        }
    }
    return qRgb(static_cast<int>(std::lround(sums[0] / total)),
                static_cast<int>(std::lround(sums[1] / total)),
                static_cast<int>(std::lround(sums[2] / total)));
}

std::vector<Box> medianCut(Box all, int boxCount) {
    std::vector<Box> boxes{std::move(all)};
    while (static_cast<int>(boxes.size()) < boxCount) {
        auto widest = std::max_element(boxes.begin(), boxes.end(), [](const Box& a, const Box& b) {
            return splitPriority(a) < splitPriority(b);
        });
        if (splitPriority(*widest) < 0) {
            break;
        }
        auto [first, second] = splitAtMedian(std::move(*widest));
        *widest = std::move(first);
        boxes.push_back(std::move(second));
    }
    return boxes;
}

int squaredDistance(QRgb a, QRgb b) {
    const int dr = qRed(a) - qRed(b);
    const int dg = qGreen(a) - qGreen(b);
    const int db = qBlue(a) - qBlue(b);
    return dr * dr + dg * dg + db * db;
}

int nearestIndex(QRgb colour, const QList<QRgb>& palette) {
    int best = 0;
    int bestDistance = std::numeric_limits<int>::max();
    for (int i = 0; i < palette.size(); ++i) {
        const int distance = squaredDistance(colour, palette[i]);
        if (distance < bestDistance) {
            bestDistance = distance;
            best = i;
        }
    }
    return best;
}

QImage indexWith(const QImage& image, const QList<QRgb>& palette,
                 const QHash<QRgb, int>& indexOfColour) {
    QImage indexed(image.size(), QImage::Format_Indexed8);
    indexed.setColorTable(palette);
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); ++y) {
        const QRgb* source = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        uchar* target = indexed.scanLine(y);
        for (int x = 0; x < rgb.width(); ++x) {
            target[x] = static_cast<uchar>(indexOfColour.value(opaque(source[x])));
        }
    }
    return indexed;
}

}  // namespace

QList<QRgb> sixteenGreys() {
    QList<QRgb> greys;
    for (int level = 0; level < 16; ++level) {
        greys.append(qRgb(level * 17, level * 17, level * 17));
    }
    return greys;
}

QImage roundToSixteenGreys(const QImage& image) {
    QImage rounded = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rounded.height(); ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(rounded.scanLine(y));
        for (int x = 0; x < rounded.width(); ++x) {
            const int level = (greyLevel(row[x]) + 8) / 17 * 17;
            row[x] = qRgb(level, level, level);
        }
    }
    return rounded;
}

QList<QRgb> distinctColours(const QImage& image) {
    QList<QRgb> colours;
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x) {
            if (qAlpha(row[x]) != 0) {
                colours.append(opaque(row[x]));
            }
        }
    }
    std::sort(colours.begin(), colours.end());
    colours.erase(std::unique(colours.begin(), colours.end()), colours.end());
    return colours;
}

QImage indexAgainst(const QImage& image, const QList<QRgb>& palette, int transparentIndex) {
    QImage indexed(image.size(), QImage::Format_Indexed8);
    indexed.setColorTable(palette);
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y) {
        const QRgb* source = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        uchar* target = indexed.scanLine(y);
        for (int x = 0; x < argb.width(); ++x) {
            if (qAlpha(source[x]) == 0 && transparentIndex >= 0) {
                target[x] = static_cast<uchar>(transparentIndex);
                continue;
            }
            const qsizetype index = palette.indexOf(opaque(source[x]));
            if (index < 0 || (qAlpha(source[x]) != 255)) {
                return {};
            }
            target[x] = static_cast<uchar>(index);
        }
    }
    return indexed;
}

QImage reduceColours(const QImage& image, const QList<QRgb>& pinnedColours, int paletteSize) {
    const QHash<QRgb, qint64> counts = countColours(image);
    Box all;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        all.push_back({it.key(), it.value()});
    }
    // Hash order is not stable between runs; sorting keeps the palette the same every time.
    std::sort(all.begin(), all.end(),
              [](const ColourCount& a, const ColourCount& b) { return a.colour < b.colour; });

    QList<QRgb> palette;
    for (QRgb pinned : pinnedColours) {
        palette.append(opaque(pinned));
    }
    for (const Box& box : medianCut(all, paletteSize - static_cast<int>(palette.size()))) {
        const QRgb average = averageColour(box);
        if (!palette.contains(average)) {
            palette.append(average);
        }
    }
    QHash<QRgb, int> indexOfColour;
    for (const ColourCount& entry : all) {
        indexOfColour.insert(entry.colour, nearestIndex(entry.colour, palette));
    }
    return indexWith(image, palette, indexOfColour);
}
