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
#include <cstdint>
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
// Frames and extensions in a GIF: a picture has one or two, a long animation some hundreds.
constexpr int kMaxGifRecords = 1000;

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

// The name is looked up once, with O_PATH, which opens nothing: no device's open runs and no
// named pipe waits for a writer. Only a small regular file found so is opened for reading,
// through /proc/self/fd, which reaches that very file whatever the name stands for by then.
// The read stops at the size found, however much the file grows meanwhile.
std::optional<QByteArray> readRegularFile(const QString& path,
                                          const std::function<void()>& meanwhile) {
    FileDescriptor found(::open(QFile::encodeName(path).constData(), O_PATH | O_CLOEXEC));
    struct stat info {};
    if (found.get() < 0 || ::fstat(found.get(), &info) != 0 || !isSmallRegularFile(info)) {
        return std::nullopt;
    }
    if (meanwhile) {
        meanwhile();
    }
    const QByteArray link = "/proc/self/fd/" + QByteArray::number(found.get());
    FileDescriptor file(::open(link.constData(), O_RDONLY | O_NOCTTY | O_CLOEXEC));
    if (file.get() < 0) {
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

// A PNG gives its size in 32 bits, whose product would overflow.
bool withinCap(qint64 width, qint64 height) {
    return width > 0 && height > 0 && width <= kMaxPixels && height <= kMaxPixels &&
           width * height <= kMaxPixels;
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

// An extension is read through; one of them may name the first frame's transparent colour.
bool readExtension(GifFileType* gif, int& transparent) {
    int code = 0;
    GifByteType* block = nullptr;
    if (DGifGetExtension(gif, &code, &block) != GIF_OK) {
        return false;
    }
    if (block && code == GRAPHICS_EXT_FUNC_CODE) {
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

// A file's bytes, read front to back; a read past the end fails.
class ByteReader {
public:
    explicit ByteReader(const QByteArray& data) : data_(data) {}
    bool take(int& byte) {
        if (at_ >= data_.size()) {
            return false;
        }
        byte = static_cast<uchar>(data_[at_++]);
        return true;
    }
    bool takeWord(int& word) {
        int low = 0;
        int high = 0;
        if (!take(low) || !take(high)) {
            return false;
        }
        word = low | high << 8;
        return true;
    }
    bool skip(qsizetype count) {
        if (count > data_.size() - at_) {
            return false;
        }
        at_ += count;
        return true;
    }

private:
    const QByteArray& data_;
    qsizetype at_ = 0;
};

// Data blocks of up to 255 bytes, each after its length, up to an empty one.
bool skipBlocks(ByteReader& in) {
    for (;;) {
        int length = 0;
        if (!in.take(length)) {
            return false;
        }
        if (length == 0) {
            return true;
        }
        if (!in.skip(length)) {
            return false;
        }
    }
}

// The codes in a frame's data blocks, least significant bit first.
class CodeReader {
public:
    explicit CodeReader(ByteReader& in) : in_(in) {}
    // Fails when the data ends before the code does.
    bool read(int width, int& code) {
        while (count_ < width) {
            int byte = 0;
            if ((left_ == 0 && (!in_.take(left_) || left_ == 0)) || !in_.take(byte)) {
                return false;
            }
            --left_;
            bits_ |= static_cast<std::uint32_t>(byte) << count_;
            count_ += 8;
        }
        code = static_cast<int>(bits_ & ((1u << width) - 1));
        bits_ >>= width;
        count_ -= width;
        return true;
    }
    bool skipRest() { return in_.skip(left_) && skipBlocks(in_); }

private:
    ByteReader& in_;
    int left_ = 0;
    std::uint32_t bits_ = 0;
    int count_ = 0;
};

// Reads a frame's codes as giflib decodes them, up to the frame's last pixel, and says whether
// they make its pixels: every code is defined by the time it is used (giflib makes up pixels
// for one that is not, where other decoders refuse the picture), and the end code does not
// come first. The codes start a bit wider than the code size and widen by a bit, up to 12,
// whenever the codes read since the last clear code, counted from the first code of the
// table, pass a power of two; the table ends at code 4095. What follows the last pixel is
// skipped unread, as giflib skips it.
bool codesMakePixels(ByteReader& in, qint64 pixels) {
    int codeSize = 0;
    if (!in.take(codeSize) || codeSize > 8) {
        return false;
    }
    const int clear = 1 << codeSize;
    const int end = clear + 1;
    constexpr int kCodes = 4096;
    std::array<quint16, kCodes> length;  // of the string of each code that is defined
    std::fill_n(length.begin(), clear, 1);
    int width = 0;
    int counted = 0;
    int next = 0;
    int previous = -1;
    auto restart = [&] {
        width = codeSize + 1;
        counted = next = end + 1;
        previous = -1;
    };
    restart();
    CodeReader codes(in);
    for (qint64 done = 0; done < pixels;) {
        int code = 0;
        if (!codes.read(width, code)) {
            return false;
        }
        if (++counted > 1 << width && width < 12) {
            ++width;
        }
        if (code == clear) {
            restart();
            continue;
        }
        // The code that is defined next may be used as it is defined, after another one.
        const bool defined = code < clear || (code > end && code < next);
        if (!defined && !(code == next && previous >= 0)) {
            return false;
        }
        if (previous >= 0 && next < kCodes) {
            length[static_cast<size_t>(next++)] = length[static_cast<size_t>(previous)] + 1;
        }
        done += length[static_cast<size_t>(code)];
        previous = code;
    }
    return codes.skipRest();
}

bool skipColours(ByteReader& in, int flags) {
    return (flags & 0x80) == 0 || in.skip(3 << ((flags & 7) + 1));
}

bool frameIsWhole(ByteReader& in) {
    int width = 0;
    int height = 0;
    int flags = 0;
    return in.skip(4) && in.takeWord(width) && in.takeWord(height) && in.take(flags) &&
           skipColours(in, flags) && codesMakePixels(in, qint64{width} * height);
}

// A GIF read from its screen to its trailer through a bounded number of records, keeping
// nothing of them: whole when every record is complete and every frame's codes make its
// pixels.
bool isWholeGif(const QByteArray& data) {
    ByteReader in(data);
    int flags = 0;
    if (!in.skip(10) || !in.take(flags) || !in.skip(2) || !skipColours(in, flags)) {
        return false;
    }
    for (int records = 0;; ++records) {
        int kind = 0;
        if (!in.take(kind) || (kind != ';' && records == kMaxGifRecords)) {
            return false;
        }
        if (kind == ';') {
            return true;
        }
        const bool whole =
            kind == ',' ? frameIsWhole(in) : kind == '!' && in.skip(1) && skipBlocks(in);
        if (!whole) {
            return false;
        }
    }
}

}  // namespace

// giflib decodes the first frame of a GIF found whole, so it never reads past that frame.
std::optional<QImage> decodeGif(const QByteArray& data) {
    if (!isWholeGif(data)) {
        return std::nullopt;
    }
    GifSource source{data};
    int error = 0;
    GifFile gif(DGifOpen(&source, readGifBytes, &error));
    if (!gif || !withinCap(gif->SWidth, gif->SHeight)) {
        return std::nullopt;
    }
    int transparent = NO_TRANSPARENT_COLOR;
    for (;;) {
        GifRecordType record = UNDEFINED_RECORD_TYPE;
        if (DGifGetRecordType(gif.get(), &record) != GIF_OK || record == TERMINATE_RECORD_TYPE) {
            return std::nullopt;
        }
        if (record == IMAGE_DESC_RECORD_TYPE) {
            return decodeFirstFrame(gif.get(), transparent);
        }
        if (record == EXTENSION_RECORD_TYPE && !readExtension(gif.get(), transparent)) {
            return std::nullopt;
        }
    }
}

namespace {

// Qt's reader of the one format named decodes a picture of the size its file announces, or
// it is refused.
std::optional<QImage> readWithQt(QByteArray& data, const char* format, qint64 width,
                                 qint64 height) {
    if (!withinCap(width, height)) {
        return std::nullopt;
    }
    // The limit is the whole program's, and it reads no larger pictures anywhere.
    QImageReader::setAllocationLimit(kAllocationLimitMegabytes);
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    reader.setAutoDetectImageFormat(false);
    QImage image = reader.read();
    if (image.size() != QSize(static_cast<int>(width), static_cast<int>(height))) {
        return std::nullopt;
    }
    return image;
}

// The number in `count` bytes of a file from `at` on, which the caller has checked are there.
quint32 bigEndianAt(const QByteArray& data, qsizetype at, int count) {
    quint32 number = 0;
    for (int i = 0; i < count; ++i) {
        number = number << 8 | static_cast<uchar>(data[at + i]);
    }
    return number;
}

quint32 littleEndianAt(const QByteArray& data, qsizetype at, int count) {
    quint32 number = 0;
    for (int i = count - 1; i >= 0; --i) {
        number = number << 8 | static_cast<uchar>(data[at + i]);
    }
    return number;
}

// libpng refuses a PNG whose image data ends before its last row.
std::optional<QImage> decodePng(QByteArray& data) {
    if (data.size() < 24) {
        return std::nullopt;
    }
    return readWithQt(data, "png", bigEndianAt(data, 16, 4), bigEndianAt(data, 20, 4));
}

// Qt's reader reads what rows of a BMP it finds and leaves the others as the memory was, so
// every row must be in the file: an uncompressed BMP whose pixels begin after the header, the
// masks and the colours that the reader reads first. A header it reads otherwise, as an old
// 12-byte one, gives it another size, and the picture is refused.
std::optional<QImage> decodeBmp(QByteArray& data) {
    if (data.size() < 54) {
        return std::nullopt;
    }
    const qint64 offset = littleEndianAt(data, 10, 4);
    const qint64 header = littleEndianAt(data, 14, 4);
    const qint64 width = static_cast<qint32>(littleEndianAt(data, 18, 4));
    // Negative when the rows run top down.
    const qint64 rows = std::abs(qint64{static_cast<qint32>(littleEndianAt(data, 22, 4))});
    const int bits = static_cast<int>(littleEndianAt(data, 28, 2));
    const qint64 compression = littleEndianAt(data, 30, 4);
    const qint64 colours = littleEndianAt(data, 46, 4);
    const bool masked = compression == 3 && (bits == 16 || bits == 32);
    const qint64 tables = (masked && header == 40 ? 12 : 0) +
                          (bits <= 8 ? 4 * (colours > 0 ? colours : qint64{1} << bits) : 0);
    if ((compression != 0 && !masked) || !withinCap(width, rows) || offset < 14 + header + tables ||
        data.size() < offset + (width * bits + 31) / 32 * 4 * rows) {
        return std::nullopt;
    }
    return readWithQt(data, "bmp", width, rows);
}

// Key pictures are GIFs. A PNG or an uncompressed BMP is read too, as their readers take
// time in proportion to the file and can be made sure of reading every pixel from it; every
// other format is refused, JPEG for one, whose scans a file can repeat without end.
std::optional<QImage> decodePicture(QByteArray& data) {
    if (data.startsWith("GIF87a") || data.startsWith("GIF89a")) {
        return decodeGif(data);
    }
    if (data.startsWith("\x89PNG\r\n\x1a\n")) {
        return decodePng(data);
    }
    if (data.startsWith("BM")) {
        return decodeBmp(data);
    }
    return std::nullopt;
}

}  // namespace

std::optional<QImage> loadPictureFile(const QString& path, const std::function<void()>& meanwhile) {
    auto data = readRegularFile(path, meanwhile);
    if (!data) {
        return std::nullopt;
    }
    auto image = decodePicture(*data);
    // Whatever the file announced, the picture decoded is held to the cap.
    if (image && !withinCap(image->width(), image->height())) {
        return std::nullopt;
    }
    return image;
}

std::optional<QImage> loadPictureFile(const QString& path) {
    return loadPictureFile(path, {});
}
