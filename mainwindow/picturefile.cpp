#include "picturefile.h"

#include <errno.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QImageReader>
#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <utility>
#include <vector>

#include <gif_lib.h>

namespace {

constexpr qint64 kMaxFileBytes = 4 * 1024 * 1024;
constexpr qint64 kMaxPixels = 2048 * 2048;
// Room for kMaxPixels at four bytes each, with some to spare.
constexpr int kAllocationLimitMegabytes = 32;

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

bool isSmallRegularFile(const struct stat& info) {
    return S_ISREG(info.st_mode) && info.st_size <= kMaxFileBytes;
}

// A device is never opened, since opening some has effects of its own. O_NONBLOCK keeps a
// named pipe put in the file's place since the stat from blocking the open, and fstat then
// turns it away. The read stops at the size found, however much the file grows meanwhile.
std::optional<QByteArray> readRegularFile(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    struct stat info {};
    if (::stat(name.constData(), &info) != 0 || !isSmallRegularFile(info)) {
        return std::nullopt;
    }
    FileDescriptor file(::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (file.get() < 0 || ::fstat(file.get(), &info) != 0 || !isSmallRegularFile(info)) {
        return std::nullopt;
    }
    QByteArray data;
    data.resize(static_cast<qsizetype>(info.st_size));
    qsizetype done = 0;
    while (done < data.size()) {
        const auto got =
            ::read(file.get(), data.data() + done, static_cast<size_t>(data.size() - done));
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            break;
        }
        done += got;
    }
    data.truncate(done);
    return data;
}

bool withinCap(qint64 width, qint64 height) {
    return width > 0 && height > 0 && width * height <= kMaxPixels;
}

// giflib reads the file from memory.
struct GifSource {
    const QByteArray& data;
    qsizetype at = 0;
};

int readGifBytes(GifFileType* gif, GifByteType* into, int wanted) {
    auto* source = static_cast<GifSource*>(gif->UserData);
    const auto count = std::min<qsizetype>(wanted, source->data.size() - source->at);
    std::memcpy(into, source->data.constData() + source->at, static_cast<size_t>(count));
    source->at += count;
    return static_cast<int>(count);
}

struct GifCloser {
    void operator()(GifFileType* gif) const {
        int error = 0;
        DGifCloseFile(gif, &error);
    }
};
using GifFile = std::unique_ptr<GifFileType, GifCloser>;

using ColourTable = std::array<QRgb, 256>;

// A pixel that names no colour of the table shows nothing: it is transparent, or black in a
// picture without transparency.
ColourTable coloursOf(const ColorMapObject& map, int transparent, QRgb missing) {
    ColourTable colours;
    colours.fill(missing);
    for (int i = 0; i < map.ColorCount && i < 256; ++i) {
        const GifColorType& c = map.Colors[i];
        colours[static_cast<size_t>(i)] =
            i == transparent ? qRgba(0, 0, 0, 0) : qRgb(c.Red, c.Green, c.Blue);
    }
    return colours;
}

bool coversScreen(const GifFileType& gif) {
    const GifImageDesc& frame = gif.Image;
    return frame.Left == 0 && frame.Top == 0 && frame.Width >= gif.SWidth &&
           frame.Height >= gif.SHeight;
}

// The rows of a frame in the order the file holds them: interlaced frames hold every eighth
// row first, then the rows between, in four passes.
std::vector<int> rowOrder(const GifImageDesc& frame) {
    std::vector<int> rows;
    if (!frame.Interlace) {
        for (int row = 0; row < frame.Height; ++row) {
            rows.push_back(row);
        }
        return rows;
    }
    for (auto [first, step] : {std::pair{0, 8}, {4, 8}, {2, 4}, {1, 2}}) {
        for (int row = first; row < frame.Height; row += step) {
            rows.push_back(row);
        }
    }
    return rows;
}

// The first frame, on a screen that is transparent where the frame does not cover it; the
// parts of the frame that lie off the screen are decoded and left out.
std::optional<QImage> decodeFirstFrame(GifFileType* gif, int transparent) {
    if (DGifGetImageDesc(gif) != GIF_OK) {
        return std::nullopt;
    }
    const GifImageDesc& frame = gif->Image;
    const ColorMapObject* map = frame.ColorMap ? frame.ColorMap : gif->SColorMap;
    if (!map || !withinCap(frame.Width, frame.Height)) {
        return std::nullopt;
    }
    // As Qt's own reader does: a picture without transparency has no alpha channel, which
    // makes it cheaper to draw.
    const bool opaque = transparent == NO_TRANSPARENT_COLOR && coversScreen(*gif);
    const ColourTable colours = coloursOf(*map, transparent, opaque ? qRgb(0, 0, 0) : 0);
    QImage image(gif->SWidth, gif->SHeight, opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32);
    if (!opaque) {
        image.fill(Qt::transparent);
    }
    std::vector<GifPixelType> line(static_cast<size_t>(frame.Width));
    for (const int row : rowOrder(frame)) {
        if (DGifGetLine(gif, line.data(), frame.Width) != GIF_OK) {
            return std::nullopt;
        }
        const int y = frame.Top + row;
        if (y >= image.height() || frame.Left >= image.width()) {
            continue;
        }
        auto* pixels = reinterpret_cast<QRgb*>(image.scanLine(y)) + frame.Left;
        const int visible = std::min(frame.Width, image.width() - frame.Left);
        for (int x = 0; x < visible; ++x) {
            pixels[x] = colours[line[static_cast<size_t>(x)]];
        }
    }
    return image;
}

// A later frame is read through to its end, undecoded: only the first one is shown.
bool skipFrame(GifFileType* gif) {
    int codeSize = 0;
    GifByteType* block = nullptr;
    if (DGifGetImageDesc(gif) != GIF_OK || DGifGetCode(gif, &codeSize, &block) != GIF_OK) {
        return false;
    }
    while (block) {
        if (DGifGetCodeNext(gif, &block) != GIF_OK) {
            return false;
        }
    }
    return true;
}

// An extension is read through; the one before the first frame may name its transparent
// colour.
bool readExtension(GifFileType* gif, bool beforeFirstFrame, int& transparent) {
    int code = 0;
    GifByteType* block = nullptr;
    if (DGifGetExtension(gif, &code, &block) != GIF_OK) {
        return false;
    }
    if (block && code == GRAPHICS_EXT_FUNC_CODE && beforeFirstFrame) {
        GraphicsControlBlock control{};
        if (DGifExtensionToGCB(block[0], block + 1, &control) == GIF_OK) {
            transparent = control.TransparentColor;
        }
    }
    while (block) {
        if (DGifGetExtensionNext(gif, &block) != GIF_OK) {
            return false;
        }
    }
    return true;
}

}  // namespace

// giflib reads the file record by record up to its trailer, and says when it is cut short
// or broken; what follows the trailer is no concern of the picture's.
std::optional<QImage> decodeGif(const QByteArray& data) {
    GifSource source{data};
    int error = 0;
    GifFile gif(DGifOpen(&source, readGifBytes, &error));
    if (!gif || !withinCap(gif->SWidth, gif->SHeight)) {
        return std::nullopt;
    }
    std::optional<QImage> image;
    int transparent = NO_TRANSPARENT_COLOR;
    for (;;) {
        GifRecordType record = UNDEFINED_RECORD_TYPE;
        if (DGifGetRecordType(gif.get(), &record) != GIF_OK) {
            return std::nullopt;
        }
        bool read = true;
        if (record == TERMINATE_RECORD_TYPE) {
            return image;
        } else if (record == IMAGE_DESC_RECORD_TYPE && !image) {
            image = decodeFirstFrame(gif.get(), transparent);
            read = image.has_value();
        } else if (record == IMAGE_DESC_RECORD_TYPE) {
            read = skipFrame(gif.get());
        } else if (record == EXTENSION_RECORD_TYPE) {
            read = readExtension(gif.get(), !image, transparent);
        }
        if (!read) {
            return std::nullopt;
        }
    }
}

namespace {

bool isGif(const QByteArray& data) {
    return data.startsWith("GIF87a") || data.startsWith("GIF89a");
}

// Other formats go to Qt's readers, with the size they announce checked before they decode.
std::optional<QImage> decodeOther(QByteArray& data) {
    // The limit is the whole program's, and it reads no larger pictures anywhere. It bounds
    // any reader whose size() and read() disagree.
    QImageReader::setAllocationLimit(kAllocationLimitMegabytes);
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QSize size = reader.size();
    if (!size.isValid() || !withinCap(size.width(), size.height())) {
        return std::nullopt;
    }
    QImage image = reader.read();
    if (image.isNull()) {
        return std::nullopt;
    }
    return image;
}

}  // namespace

std::optional<QImage> loadPictureFile(const QString& path) {
    auto data = readRegularFile(path);
    if (!data || data->isEmpty()) {
        return std::nullopt;
    }
    return isGif(*data) ? decodeGif(*data) : decodeOther(*data);
}
