#include "picturefile.h"

#include <errno.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QImageReader>

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

// Qt's GIF reader makes an image of the screen size in the header. Only when a side of the
// screen is 0 does it take that side from the first frame instead, and then its size() can
// tell a different story from what read() allocates (a 60000 x 0 screen reads as 1 x 500 and
// decodes to 60000 x 500): such a screen is refused. A GIF without its trailer byte was cut
// short; the reader would show the part it got.
bool gifNotSound(const QByteArray& data) {
    if (!data.startsWith("GIF8")) {
        return false;
    }
    if (data.size() < 10 || !data.endsWith(';')) {
        return true;
    }
    auto byte = [&data](int i) { return static_cast<qint64>(static_cast<unsigned char>(data[i])); };
    const qint64 width = byte(6) | byte(7) << 8;
    const qint64 height = byte(8) | byte(9) << 8;
    return width == 0 || height == 0 || width * height > kMaxPixels;
}

}  // namespace

std::optional<QImage> loadPictureFile(const QString& path) {
    auto data = readRegularFile(path);
    if (!data || data->isEmpty() || gifNotSound(*data)) {
        return std::nullopt;
    }
    // The limit is the whole program's, and it reads no larger pictures anywhere. It bounds
    // any reader whose size() and read() disagree, as the GIF reader's can.
    QImageReader::setAllocationLimit(kAllocationLimitMegabytes);
    QBuffer buffer(&*data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QSize size = reader.size();
    if (!size.isValid() || qint64{size.width()} * size.height() > kMaxPixels) {
        return std::nullopt;
    }
    QImage image = reader.read();
    if (image.isNull()) {
        return std::nullopt;
    }
    return image;
}
