#include "gifwriter.h"

#include <gif_lib.h>
#include <QByteArray>
#include <QSaveFile>
#include <memory>
#include <vector>

namespace {

int paletteBits(qsizetype colourCount) {
    int bits = 1;
    while ((qsizetype{1} << bits) < colourCount) {
        ++bits;
    }
    return bits;
}

// giflib only accepts colour maps whose size is a power of two; the padding entries stay black.
std::vector<GifColorType> paddedColourMap(const QList<QRgb>& colours) {
    std::vector<GifColorType> map(std::size_t{1} << paletteBits(colours.size()),
                                  GifColorType{0, 0, 0});
    for (qsizetype i = 0; i < colours.size(); ++i) {
        const QRgb c = colours[i];
        map[static_cast<std::size_t>(i)] =
            GifColorType{static_cast<GifByteType>(qRed(c)), static_cast<GifByteType>(qGreen(c)),
                         static_cast<GifByteType>(qBlue(c))};
    }
    return map;
}

// Rows in the order the file stores them: interlaced files hold every 8th row from 0, every 8th
// from 4, every 4th from 2, then every 2nd from 1.
std::vector<int> rowOrder(int height, bool interlaced) {
    std::vector<int> rows;
    if (!interlaced) {
        for (int y = 0; y < height; ++y) {
            rows.push_back(y);
        }
        return rows;
    }
    const int starts[] = {0, 4, 2, 1};
    const int steps[] = {8, 8, 4, 2};
    for (int pass = 0; pass < 4; ++pass) {
        for (int y = starts[pass]; y < height; y += steps[pass]) {
            rows.push_back(y);
        }
    }
    return rows;
}

int appendToBuffer(GifFileType* gif, const GifByteType* data, int length) {
    static_cast<QByteArray*>(gif->UserData)->append(reinterpret_cast<const char*>(data), length);
    return length;
}

QString gifError(const char* step, int code) {
    return QStringLiteral("%1: %2").arg(QLatin1String(step), QLatin1String(GifErrorString(code)));
}

QString putHeader(GifFileType* gif, const QImage& image, const GifOptions& options) {
    const std::vector<GifColorType> colours = paddedColourMap(image.colorTable());
    std::unique_ptr<ColorMapObject, decltype(&GifFreeMapObject)> map(
        GifMakeMapObject(static_cast<int>(colours.size()), colours.data()), &GifFreeMapObject);
    if (!map) {
        return QStringLiteral("cannot make a colour map");
    }
    const bool needsGif89 = options.transparentIndex >= 0;
    EGifSetGifVersion(gif, needsGif89);
    if (EGifPutScreenDesc(gif, image.width(), image.height(), map->BitsPerPixel, 0, map.get()) ==
        GIF_ERROR) {
        return gifError("screen descriptor", gif->Error);
    }
    if (needsGif89) {
        GraphicsControlBlock control{};
        control.TransparentColor = options.transparentIndex;
        GifByteType extension[4];
        const size_t length = EGifGCBToExtension(&control, extension);
        if (EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(length), extension) ==
            GIF_ERROR) {
            return gifError("graphics control", gif->Error);
        }
    }
    if (EGifPutImageDesc(gif, 0, 0, image.width(), image.height(), options.interlaced, nullptr) ==
        GIF_ERROR) {
        return gifError("image descriptor", gif->Error);
    }
    return {};
}

// EGifCloseFile does not notice missing rows, so the caller counts what went out.
QString putRows(GifFileType* gif, const QImage& image, bool interlaced) {
    std::vector<GifPixelType> line(static_cast<std::size_t>(image.width()));
    for (int y : rowOrder(image.height(), interlaced)) {
        const uchar* source = image.constScanLine(y);
        std::copy(source, source + image.width(), line.begin());
        if (EGifPutLine(gif, line.data(), image.width()) == GIF_ERROR) {
            return gifError("image row", gif->Error);
        }
    }
    return {};
}

QString encodeGif(QByteArray& bytes, const QImage& image, const GifOptions& options) {
    int error = 0;
    GifFileType* gif = EGifOpen(&bytes, appendToBuffer, &error);
    if (!gif) {
        return gifError("open", error);
    }
    QString problem = putHeader(gif, image, options);
    if (problem.isEmpty()) {
        problem = putRows(gif, image, options.interlaced);
    }
    // EGifCloseFile frees the handle whatever it returns.
    if (EGifCloseFile(gif, &error) == GIF_ERROR && problem.isEmpty()) {
        problem = gifError("close", error);
    }
    return problem;
}

QString checkImage(const QImage& image, const GifOptions& options) {
    if (image.format() != QImage::Format_Indexed8) {
        return QStringLiteral("the image is not 8-bit indexed");
    }
    const qsizetype colourCount = image.colorCount();
    if (colourCount < 1 || colourCount > 256) {
        return QStringLiteral("the image has %1 colours").arg(colourCount);
    }
    for (int y = 0; y < image.height(); ++y) {
        const uchar* row = image.constScanLine(y);
        for (int x = 0; x < image.width(); ++x) {
            if (row[x] >= colourCount) {
                return QStringLiteral("pixel (%1, %2) lies outside the palette").arg(x).arg(y);
            }
        }
    }
    if (options.transparentIndex >= colourCount) {
        return QStringLiteral("the transparent index lies outside the palette");
    }
    return {};
}

}  // namespace

QString writeGif(const QString& path, const QImage& indexedImage, const GifOptions& options) {
    QString problem = checkImage(indexedImage, options);
    QByteArray bytes;
    if (problem.isEmpty()) {
        problem = encodeGif(bytes, indexedImage, options);
    }
    if (!problem.isEmpty()) {
        return path + QStringLiteral(": ") + problem;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        return path + QStringLiteral(": ") + file.errorString();
    }
    return {};
}
