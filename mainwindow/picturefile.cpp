#include "picturefile.h"

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

// O_NONBLOCK keeps a named pipe from blocking the open; fstat then turns it away.
std::optional<QByteArray> readRegularFile(const QString& path) {
    FileDescriptor file(
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat info {};
    if (file.get() < 0 || ::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode) ||
        info.st_size > kMaxFileBytes) {
        return std::nullopt;
    }
    QByteArray data;
    data.resize(static_cast<qsizetype>(info.st_size));
    qsizetype done = 0;
    while (done < data.size()) {
        const auto got =
            ::read(file.get(), data.data() + done, static_cast<size_t>(data.size() - done));
        if (got <= 0) {
            break;
        }
        done += got;
    }
    data.truncate(done);
    return data;
}

// A GIF decodes to the screen size its header claims, whatever its frames hold.
bool gifScreenTooLarge(const QByteArray& data) {
    if (data.size() < 10 || !data.startsWith("GIF8")) {
        return false;
    }
    auto byte = [&data](int i) { return static_cast<qint64>(static_cast<unsigned char>(data[i])); };
    const qint64 width = byte(6) | byte(7) << 8;
    const qint64 height = byte(8) | byte(9) << 8;
    return width * height > kMaxPixels;
}

}  // namespace

std::optional<QImage> loadPictureFile(const QString& path) {
    auto data = readRegularFile(path);
    if (!data || data->isEmpty() || gifScreenTooLarge(*data)) {
        return std::nullopt;
    }
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
