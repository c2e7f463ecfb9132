// Feeds arbitrary bytes to the picture loader as the contents of a picture file. The file is
// an in-memory one reached by its /proc path, so the loader opens, checks and reads it as it
// would any file in the working directory. Beyond crashes, it checks what the loader
// promises: an accepted picture is never empty and never larger than the cap. Run it with
// -malloc_limit_mb so that any huge allocation, in Qt's readers too, counts as a crash.
#include <sys/mman.h>
#include <unistd.h>

#include <QGuiApplication>
#include <cstdint>
#include <cstdlib>

#include "picturefile.h"

namespace {

int pictureFile = -1;
QString picturePath;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    // Qt's readers complain about every broken input; only crashes matter here.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    pictureFile = memfd_create("picture.gif", MFD_CLOEXEC);
    if (pictureFile < 0) {
        std::abort();
    }
    picturePath = QStringLiteral("/proc/self/fd/%1").arg(pictureFile);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (ftruncate(pictureFile, 0) != 0 ||
        (size > 0 && pwrite(pictureFile, data, size, 0) != static_cast<ssize_t>(size))) {
        std::abort();
    }
    const auto image = loadPictureFile(picturePath);
    if (image && (image->isNull() || qint64{image->width()} * image->height() > 2048 * 2048)) {
        std::abort();
    }
    return 0;
}
