// Picture files that are not what they should be, through the one function that reads them:
// the committed bad files, the things that can stand in a picture's place in a folder
// (a folder, a named pipe, a device, a dangling link, an oversized file), a name that comes to
// stand for something else while it is read, and pictures that change between two reads. A
// named pipe or a device must be turned away at once, unopened: the test's time limit in
// CTest turns a hang into a failure.
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdio>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <map>

#include "picturefile.h"

namespace {

const QString kBadFiles = QStringLiteral(SOURCE_DIR "/tests/badfiles");
const QString kAssets = QStringLiteral(SOURCE_DIR "/assets");

// What becomes of each committed bad file: an invalid size means it is refused.
const std::map<QString, QSize>& badFileOutcomes() {
    static const std::map<QString, QSize> outcomes = {
        {"empty.gif", {}},
        {"text.gif", {}},
        {"html-error-page.gif", {}},
        {"header-only.gif", {}},
        {"truncated.gif", {}},
        {"wrong-magic.gif", {}},
        {"huge-screen.gif", {}},
        {"widest-screen.gif", {}},
        {"zero-screen.gif", {}},
        {"zero-screen-huge-frame.gif", {}},
        {"zero-height-wide-screen.gif", {}},
        {"zero-width-tall-screen.gif", {}},
        {"huge-png-named.gif", {}},
        {"widest-png-named.gif", {}},
        {"huge-bmp-named.gif", {}},
        {"xpm-huge-named.gif", {}},
        // Frames that promise far more pixels than their data holds were cut short.
        {"frame-larger-than-screen.gif", {}},
        {"frame-outside-screen.gif", {}},
        {"later-frame-larger.gif", {}},
        {"cut-before-trailer.gif", {}},
        // Whole frames are cut to the screen, so these decode to the screen's 16 x 16.
        {"whole-frame-overhanging-screen.gif", {16, 16}},
        {"whole-frame-off-screen.gif", {16, 16}},
        {"whole-later-frame-larger.gif", {16, 16}},
        {"one-pixel.gif", {1, 1}},
        // What follows the trailer is not the picture's.
        {"trailing-newline.gif", {198, 121}},
        {"padded-after-trailer.gif", {198, 121}},
        // A PNG or an uncompressed BMP is a picture, whatever its name says.
        {"png-named.gif", {8, 8}},
        {"png-wide-named.gif", {16, 4}},
        {"bmp-named.gif", {8, 8}},
        {"bmp-8-bit-named.gif", {8, 8}},
        {"bmp-bitfields-named.gif", {8, 8}},
        {"bmp-top-down-named.gif", {8, 4}},
        // So long as the file holds every row of it.
        {"png-cut-in-image-data.gif", {}},
        {"png-image-data-short.gif", {}},
        {"bmp-bottom-row-only.gif", {}},
        {"bmp-cut-by-one-byte.gif", {}},
        {"bmp-offset-inside-colours.gif", {}},
        {"bmp-offset-on-masks.gif", {}},
        {"bmp-rle-claims-2048.gif", {}},
        {"bmp-rle-padded.gif", {}},
        // Every other format is refused, the slow, the cut and the oversized alike.
        {"jpeg-progressive-many-scans.gif", {}},
        {"jpeg-cut-in-half.gif", {}},
        {"ico-hiding-huge-png.gif", {}},
        {"xpm-named.gif", {}},
        {"pbm-named.gif", {}},
        // A code used before it is defined, in any frame, breaks the picture.
        {"lzw-code-before-defined.gif", {}},
        {"lzw-table-code-after-clear.gif", {}},
        {"lzw-end-before-last-pixel.gif", {}},
        {"lzw-later-frame-code-before-defined.gif", {}},
        {"lzw-code-as-it-is-defined.gif", {3, 1}},
        {"lzw-without-clear.gif", {4, 1}},
        {"lzw-full-table.gif", {64, 64}},
        {"lzw-undefined-code-after-last-pixel.gif", {4, 1}},
        // Frames that lie at an offset in their screens.
        {"frame-at-offset.gif", {12, 10}},
        {"interlaced-frame-at-offset.gif", {12, 12}},
        // No picture has thousands of frames; an animation may have hundreds.
        {"many-frames.gif", {}},
        {"some-frames.gif", {16, 16}},
    };
    return outcomes;
}

QSize loadedSize(const QString& path) {
    const auto image = loadPictureFile(path);
    return image ? image->size() : QSize();
}

// Tells whether anything has opened a file since the watch began; a look-up with O_PATH,
// which opens nothing, does not count.
class OpenWatch {
public:
    explicit OpenWatch(const QString& path)
        : fd_(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC)),
          watch_(::inotify_add_watch(fd_, QFile::encodeName(path).constData(),
                                     IN_OPEN | IN_DONT_FOLLOW)) {}
    ~OpenWatch() { ::close(fd_); }
    OpenWatch(const OpenWatch&) = delete;
    OpenWatch& operator=(const OpenWatch&) = delete;
    bool isWatching() const { return watch_ >= 0; }
    bool opened() const {
        char event[sizeof(inotify_event) + NAME_MAX + 1];
        return ::read(fd_, event, sizeof event) > 0;
    }

private:
    int fd_;
    int watch_;
};

bool copyFile(const QString& from, const QString& to) {
    QFile::remove(to);
    return QFile::copy(from, to);
}

}  // namespace

class BadFilesTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void everyCommittedBadFileIsListed();
    void committedFiles_data();
    void committedFiles();
    void goodGifsAreReadAsQtReadsThem_data();
    void goodGifsAreReadAsQtReadsThem();
    void aFramePartlyOffTheScreenShowsWhatIsOnIt();
    void aFrameIsDrawnAtItsPlaceOnTheScreen_data();
    void aFrameIsDrawnAtItsPlaceOnTheScreen();
    void thingsThatAreNotRegularFilesAreRefused_data();
    void thingsThatAreNotRegularFilesAreRefused();
    void theFileFoundIsTheFileRead_data();
    void theFileFoundIsTheFileRead();
    void aFileOverTheSizeCapIsRefusedAndOneAtItIsRead();
    void aChangedPictureIsReadAfresh();

private:
    std::unique_ptr<QTemporaryDir> dir;
    QString path(const QString& name) const { return dir->filePath(name); }
};

void BadFilesTest::init() {
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
}

// A file added to the corpus without a stated outcome would go untested.
void BadFilesTest::everyCommittedBadFileIsListed() {
    const QStringList files = QDir(kBadFiles).entryList({"*.gif"}, QDir::Files);
    QCOMPARE(files.size(), static_cast<qsizetype>(badFileOutcomes().size()));
    for (const QString& name : files) {
        QVERIFY2(badFileOutcomes().contains(name), qPrintable(name));
    }
}

void BadFilesTest::committedFiles_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    for (const auto& [name, size] : badFileOutcomes()) {
        QTest::newRow(qPrintable(name)) << name << size;
    }
}

void BadFilesTest::committedFiles() {
    QFETCH(QString, name);
    QFETCH(QSize, size);
    QCOMPARE(loadedSize(QDir(kBadFiles).filePath(name)), size);
}

void BadFilesTest::goodGifsAreReadAsQtReadsThem_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QSize>("size");
    for (int key = 1; key <= 14; ++key) {
        const QString name = QStringLiteral("%1.gif").arg(key);
        QTest::newRow(qPrintable(name)) << QDir(kAssets).filePath(name) << QSize(198, 121);
    }
    QTest::newRow("arrow.gif") << QDir(kAssets).filePath("arrow.gif") << QSize(18, 18);
    // Code streams as unusual as they are right.
    for (const auto& [name, size] : {std::pair{"lzw-code-as-it-is-defined.gif", QSize(3, 1)},
                                     {"lzw-without-clear.gif", {4, 1}},
                                     {"lzw-full-table.gif", {64, 64}},
                                     {"lzw-undefined-code-after-last-pixel.gif", {4, 1}}}) {
        QTest::newRow(name) << QDir(kBadFiles).filePath(name) << size;
    }
}

// Pixel for pixel as Qt's own reader decodes them, transparency included.
void BadFilesTest::goodGifsAreReadAsQtReadsThem() {
    QFETCH(QString, file);
    QFETCH(QSize, size);
    const auto image = loadPictureFile(file);
    QVERIFY(image);
    QCOMPARE(image->size(), size);
    QCOMPARE(image->convertToFormat(QImage::Format_ARGB32_Premultiplied),
             QImage(file).convertToFormat(QImage::Format_ARGB32_Premultiplied));
}

// A frame partly off the screen shows its part on it, transparent elsewhere.
void BadFilesTest::aFramePartlyOffTheScreenShowsWhatIsOnIt() {
    const auto image =
        loadPictureFile(QDir(kBadFiles).filePath("whole-frame-overhanging-screen.gif"));
    QVERIFY(image);
    QCOMPARE(image->pixel(3, 3), qRgba(0, 0, 0, 0));
    QCOMPARE(image->pixel(12, 12), qRgb(0, 0, 0));
}

void BadFilesTest::aFrameIsDrawnAtItsPlaceOnTheScreen_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("frame");
    // The colour of the frame's pixel (x, y) is (x + step * y) % 4 of its table.
    QTest::addColumn<int>("step");
    QTest::newRow("plain") << "frame-at-offset.gif" << QRect(5, 3, 4, 4) << 1;
    QTest::newRow("interlaced") << "interlaced-frame-at-offset.gif" << QRect(2, 1, 3, 9) << 2;
}

// Every pixel of the screen: the frame's own where it lies, transparent elsewhere.
void BadFilesTest::aFrameIsDrawnAtItsPlaceOnTheScreen() {
    QFETCH(QString, name);
    QFETCH(QRect, frame);
    QFETCH(int, step);
    const QRgb table[] = {qRgb(0, 0, 0), qRgb(255, 255, 255), qRgb(0, 0, 255), qRgb(0, 255, 0)};
    const auto image = loadPictureFile(QDir(kBadFiles).filePath(name));
    QVERIFY(image);
    for (int y = 0; y < image->height(); ++y) {
        for (int x = 0; x < image->width(); ++x) {
            const QPoint at = QPoint(x, y) - frame.topLeft();
            const QRgb expected = frame.contains(x, y) ? table[(at.x() + step * at.y()) % 4] : 0;
            QVERIFY2(image->pixel(x, y) == expected,
                     qPrintable(QString("at %1, %2").arg(x).arg(y)));
        }
    }
}

void BadFilesTest::thingsThatAreNotRegularFilesAreRefused_data() {
    QTest::addColumn<QString>("kind");
    for (const char* kind : {"missing", "folder", "named pipe", "dangling link", "link to a folder",
                             "link to /dev/zero", "link to /dev/null", "file from /proc"}) {
        QTest::newRow(kind) << QString(kind);
    }
}

void BadFilesTest::thingsThatAreNotRegularFilesAreRefused() {
    QFETCH(QString, kind);
    const QString name = path("5.gif");
    const QByteArray local = QFile::encodeName(name);
    if (kind == "folder") {
        QVERIFY(QDir().mkdir(name));
    } else if (kind == "named pipe") {
        QCOMPARE(::mkfifo(local.constData(), 0600), 0);
    } else if (kind == "dangling link") {
        QVERIFY(QFile::link(path("gone.gif"), name));
    } else if (kind == "link to a folder") {
        QVERIFY(QFile::link(dir->path(), name));
    } else if (kind == "link to /dev/zero") {
        QVERIFY(QFile::link("/dev/zero", name));
    } else if (kind == "link to /dev/null") {
        QVERIFY(QFile::link("/dev/null", name));
    } else if (kind == "file from /proc") {
        // A regular file that says it is empty and yet has something to read.
        QVERIFY(QFile::link("/proc/self/status", name));
    }
    // Not even opened: a folder or a named pipe in the name's place is only looked at.
    const OpenWatch watch(name);
    QVERIFY(!loadPictureFile(name));
    QVERIFY2(!watch.opened(), "opened");
}

void BadFilesTest::theFileFoundIsTheFileRead_data() {
    QTest::addColumn<QString>("kind");
    for (const char* kind : {"another picture", "named pipe", "link to /dev/zero"}) {
        QTest::newRow(kind) << QString(kind);
    }
}

// The name is made to stand for something else between the check of the file and its
// opening: what is read is still the picture that was checked, and the newcomer is not even
// opened.
void BadFilesTest::theFileFoundIsTheFileRead() {
    QFETCH(QString, kind);
    const QString name = path("5.gif");
    const QString other = path("other");
    QVERIFY(copyFile(QDir(kAssets).filePath("5.gif"), name));
    if (kind == "another picture") {
        QVERIFY(copyFile(QDir(kAssets).filePath("6.gif"), other));
    } else if (kind == "named pipe") {
        QCOMPARE(::mkfifo(QFile::encodeName(other).constData(), 0600), 0);
    } else {
        QVERIFY(QFile::link("/dev/zero", other));
    }
    const OpenWatch newcomer(other);
    QVERIFY(newcomer.isWatching());
    int renamed = -1;
    const auto image = loadPictureFile(name, [&] {
        renamed =
            std::rename(QFile::encodeName(other).constData(), QFile::encodeName(name).constData());
    });
    QCOMPARE(renamed, 0);
    QVERIFY(image);
    QCOMPARE(*image, *loadPictureFile(QDir(kAssets).filePath("5.gif")));
    QVERIFY2(!newcomer.opened(), "the newcomer was opened");
}

void BadFilesTest::aFileOverTheSizeCapIsRefusedAndOneAtItIsRead() {
    constexpr qint64 kCap = 4 * 1024 * 1024;
    QFile picture(QDir(kBadFiles).filePath("png-named.gif"));
    QVERIFY(picture.open(QIODevice::ReadOnly));
    const QByteArray png = picture.readAll();

    // A PNG ignores what follows its end, so padding keeps it a picture.
    QFile padded(path("5.gif"));
    QVERIFY(padded.open(QIODevice::WriteOnly));
    padded.write(png);
    QVERIFY(padded.resize(kCap));
    padded.close();
    QCOMPARE(loadedSize(padded.fileName()), QSize(8, 8));

    QVERIFY(padded.resize(kCap + 1));
    QVERIFY(!loadPictureFile(padded.fileName()));
}

// Nothing is kept between two reads: a picture replaced, removed or put back is read as it
// is now, also through a link.
void BadFilesTest::aChangedPictureIsReadAfresh() {
    const QString name = path("5.gif");
    QVERIFY(copyFile(QDir(kAssets).filePath("5.gif"), name));
    const auto first = loadPictureFile(name);
    QVERIFY(first);
    QCOMPARE(first->size(), QSize(198, 121));

    QVERIFY(copyFile(QDir(kAssets).filePath("arrow.gif"), name));
    QCOMPARE(loadedSize(name), QSize(18, 18));

    QVERIFY(copyFile(QDir(kAssets).filePath("6.gif"), name));
    const auto other = loadPictureFile(name);
    QVERIFY(other);
    QVERIFY(*other != *first);

    QVERIFY(QFile::remove(name));
    QVERIFY(!loadPictureFile(name));

    QVERIFY(QFile::link(QDir(kAssets).filePath("5.gif"), name));
    const auto linked = loadPictureFile(name);
    QVERIFY(linked);
    QCOMPARE(*linked, *first);
}

QTEST_GUILESS_MAIN(BadFilesTest)

#include "test_badfiles.moc"
