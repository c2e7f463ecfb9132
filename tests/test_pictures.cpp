// The generated pictures: each file's size and format as the window's design gives them, the
// backdrop's furniture under each control, what the small pictures show, the main window's pictures
// at twice the size matching the single ones, and that the generator reproduces the committed files
// exactly; and that each painted word, in every language, keeps within its place. The staff
// pictures are read back in test_clefpictures.
#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>
#include <array>
#include <optional>

#include "backgroundpicture.h"
#include "layout.h"
#include "staffink.h"
#include "translation.h"

namespace {

using namespace staffink;

// The English backdrop is "background", the one in German "background-de".
QString backgroundPath(int scale, const QString& language = {}) {
    const QString name = language.isEmpty() ? QStringLiteral("background")
                                            : QStringLiteral("background-") + language;
    return atScale(QStringLiteral("mainwindow/pictures/") + name, scale, QStringLiteral(".gif"));
}

// Every backdrop at one scale: the English one first, then one for each language spoken.
QStringList backgroundPaths(int scale) {
    QStringList paths = {backgroundPath(scale)};
    for (const QString& language : Translation::available()) {
        paths << backgroundPath(scale, language);
    }
    return paths;
}

QString lampPath(int scale) {
    return atScale(QStringLiteral("mainwindow/pictures/lamp"), scale, QStringLiteral(".bmp"));
}

// The icon is named by its size in pixels: icon-64.png is the 32-pixel icon at twice the size.
QString iconPath(int pixels) {
    return QStringLiteral("mainwindow/pictures/icon-%1.png").arg(pixels);
}

const char* const kAboutStyles[] = {"red", "mono", "green"};

QString aboutPath(const QString& style, int scale) {
    return atScale(QStringLiteral("about/pictures/about-") + style, scale, QStringLiteral(".png"));
}

// The fourteen key pictures of every clef.
QStringList keyPicturePaths() {
    QStringList paths;
    for (const QString& clef : everyClef()) {
        for (int number = 1; number <= 14; ++number) {
            paths << keyPicturePath(number, clef);
        }
    }
    return paths;
}

QStringList blankStaffPaths(int scale) {
    QStringList paths;
    for (const QString& clef : everyClef()) {
        paths << blankStaffPath(scale, clef);
    }
    return paths;
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// --- How a picture's file is made ------------------------------------------------------------

// Walks a GIF's blocks up to its first image descriptor and reports that image's interlace flag.
std::optional<bool> gifIsInterlaced(const QByteArray& gif) {
    auto byteAt = [&gif](qsizetype i) { return static_cast<quint8>(gif.at(i)); };
    if (gif.size() < 13 || !gif.startsWith("GIF8")) {
        return std::nullopt;
    }
    qsizetype at = 13;
    if (byteAt(10) & 0x80) {
        at += 3 * (qsizetype{2} << (byteAt(10) & 0x07));
    }
    while (at < gif.size()) {
        const quint8 block = byteAt(at);
        if (block == 0x2C) {
            return at + 9 < gif.size() ? std::optional<bool>((byteAt(at + 9) & 0x40) != 0)
                                       : std::nullopt;
        }
        if (block != 0x21) {
            return std::nullopt;
        }
        at += 2;  // introducer and label, then data sub-blocks up to an empty one
        while (at < gif.size() && byteAt(at) != 0) {
            at += byteAt(at) + 1;
        }
        ++at;
    }
    return std::nullopt;
}

std::optional<bool> isInterlaced(const QByteArray& file, const QByteArray& format) {
    if (format == "gif") {
        return gifIsInterlaced(file);
    }
    if (format == "png" && file.size() > 28) {
        return file.at(28) != 0;  // the header chunk's last byte
    }
    return format == "bmp" ? std::optional<bool>(false) : std::nullopt;
}

int distinctColours(const QImage& image) {
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            colours.insert(image.pixel(x, y));
        }
    }
    return static_cast<int>(colours.size());
}

// The colours a file can hold, where it fixes them itself: a GIF in its colour table, a bitmap by
// its bits per pixel. A PNG in true colour fixes none.
std::optional<qint64> coloursFixedBy(const QByteArray& file, const QByteArray& format) {
    auto byteAt = [&file](qsizetype i) { return static_cast<quint8>(file.at(i)); };
    if (format == "gif" && file.size() > 10) {
        return (byteAt(10) & 0x80) ? qint64{2} << (byteAt(10) & 0x07) : 0;
    }
    if (format == "bmp" && file.size() > 29) {
        return qint64{1} << (byteAt(28) | byteAt(29) << 8);
    }
    return std::nullopt;
}

bool hasClearPixels(const QImage& image) {
    if (!image.hasAlphaChannel()) {
        return false;
    }
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y) {
        for (int x = 0; x < argb.width(); ++x) {
            if (qAlpha(argb.pixel(x, y)) == 0) {
                return true;
            }
        }
    }
    return false;
}

// --- The pictures' design --------------------------------------------------------------------

// A generated picture as the design gives it.
struct PictureDesign {
    QString file;
    QSize size;
    QByteArray format;
    qint64 colours;  // what a GIF's table or a bitmap holds; the most a PNG may use
    bool interlaced;
    bool transparent;
};

// The icons' sizes, which the layout table does not give.
constexpr int kIconSize = 32;
constexpr int kSmallIconSize = 16;
constexpr qint64 kTrueColour = qint64{1} << 24;

QList<PictureDesign> pictureDesigns() {
    const QSize keyPictureSize = layout::rectOf("Picture1").size();
    QList<PictureDesign> designs;
    for (const QString& file : keyPicturePaths()) {
        designs.append({file, keyPictureSize, "gif", 16, true, false});
    }
    // The arrow fills its place beside an answer in three shades and the clear colour.
    designs.append({QStringLiteral("assets/arrow.gif"), layout::rectOf("ainput(1)").size(), "gif",
                    4, false, true});
    designs.append(
        {iconPath(kSmallIconSize), QSize(kSmallIconSize, kSmallIconSize), "png", 16, false, true});
    for (int scale : {1, 2}) {
        for (const QString& file : backgroundPaths(scale)) {
            designs.append({file, layout::kBackdropSize * scale, "gif", 256, true, false});
        }
        for (const QString& file : blankStaffPaths(scale)) {
            designs.append({file, kRestPictureSize * scale, "gif", 16, true, false});
        }
        designs.append({lampPath(scale), layout::rectOf("Isharps").size() * scale, "bmp",
                        kTrueColour, false, false});
        const QSize icon = QSize(kIconSize, kIconSize) * scale;
        designs.append({iconPath(kIconSize * scale), icon, "png", 16, false, true});
        for (const char* style : kAboutStyles) {
            designs.append(
                {aboutPath(QLatin1String(style), scale), icon, "png", kTrueColour, false, true});
        }
    }
    return designs;
}

// --- The backdrop's furniture ----------------------------------------------------------------

// The English backdrop at a scale, read once for all the rows that look at it.
const QImage& backdrop(int scale) {
    static const QImage pictures[] = {loadPicture(backgroundPath(1)),
                                      loadPicture(backgroundPath(2))};
    return pictures[scale - 1];
}

// What every pixel of a region of the backdrop shows.
enum class Shows { White, Black, NoBlack, NoWhite, DarkRed, Grey, Green, Orange, Red };

bool hueBetween(QRgb pixel, int lowest, int highest) {
    const QColor colour(pixel);
    return colour.hue() >= lowest && colour.hue() <= highest && colour.saturation() > 150 &&
           colour.value() > 100;
}

bool fits(Shows shows, QRgb pixel) {
    switch (shows) {
        case Shows::White:
            return isWhite(pixel);
        case Shows::Black:
            return isBlack(pixel);
        case Shows::NoBlack:
            return !isBlack(pixel);
        case Shows::NoWhite:
            return !isWhite(pixel);
        case Shows::DarkRed:
            return qRed(pixel) > qGreen(pixel) + 8;
        case Shows::Grey:
            return QColor(pixel).saturation() < 30 && !isWhite(pixel) && !isBlack(pixel);
        case Shows::Green:
            return hueBetween(pixel, 90, 160);
        case Shows::Orange:
            return hueBetween(pixel, 20, 45);
        case Shows::Red:
            return hueBetween(pixel, 0, 12);
    }
    return false;
}

// The dark red grain is broken by darker fibres, and the band by its words.
double shareThatMustFit(Shows shows) {
    return shows == Shows::DarkRed || shows == Shows::Grey ? 0.75 : 1.0;
}

struct Region {
    QString what;
    QRect rect;  // in the single backdrop's pixels
    Shows shows;
};

QRect onePixel(QPoint at) {
    return QRect(at, QSize(1, 1));
}

// The staff box is white in a black frame, one pixel outside it, with a light mount round that.
QList<Region> staffBoxRegions() {
    const QRect box = layout::rectOf("Picture1");
    const QRect frame = box.adjusted(-1, -1, 1, 1);
    return {
        {"staff box", box, Shows::White},
        {"frame above", QRect(frame.topLeft(), QSize(frame.width(), 1)), Shows::Black},
        {"frame below", QRect(frame.bottomLeft(), QSize(frame.width(), 1)), Shows::Black},
        {"frame left", QRect(frame.topLeft(), QSize(1, frame.height())), Shows::Black},
        {"frame right", QRect(frame.topRight(), QSize(1, frame.height())), Shows::Black},
        {"mount left", onePixel(QPoint(frame.left() - 1, frame.center().y())), Shows::NoBlack},
        {"mount right", onePixel(QPoint(frame.right() + 1, frame.center().y())), Shows::NoBlack},
    };
}

// Each answer lies on a black bar that reaches a little beyond it at both ends; the arrow beside
// it lies on the dark red backdrop.
QList<Region> answerRegions() {
    QList<Region> regions;
    for (int answer = 1; answer <= 4; ++answer) {
        const QString label = QStringLiteral("choice(%1)").arg(answer);
        const QString arrow = QStringLiteral("ainput(%1)").arg(answer);
        const QRect rect = layout::rectOf(label.toStdString());
        const int middle = rect.center().y();
        regions << Region{label, rect, Shows::Black}
                << Region{label + QStringLiteral(" bar's middle row"),
                          QRect(rect.left() - 2, middle, rect.width() + 4, 1), Shows::Black}
                << Region{label + QStringLiteral(" past the bar's end"),
                          onePixel(QPoint(rect.right() + 14, middle)), Shows::NoBlack}
                << Region{arrow, layout::rectOf(arrow.toStdString()), Shows::DarkRed};
    }
    return regions;
}

// A round button fills its rectangle, in its colour left of its middle, clear of its word.
QList<Region> buttonRegions(const char* name, const char* word, Shows colour) {
    const QRect button = layout::rectOf(name);
    const QPoint centre = button.center();
    const QString what = QString::fromLatin1(word);
    return {
        {what + QStringLiteral(" in its colour"), QRect(centre.x() - 10, centre.y() - 6, 1, 7),
         colour},
        {what + QStringLiteral(" middle row"), QRect(button.left(), centre.y(), button.width(), 1),
         Shows::NoWhite},
        {what + QStringLiteral(" top"), onePixel(QPoint(centre.x(), button.top())), Shows::NoWhite},
        {what + QStringLiteral(" bottom"), onePixel(QPoint(centre.x(), button.bottom())),
         Shows::NoWhite},
        {what + QStringLiteral(" corner"), onePixel(button.topLeft()), Shows::White},
    };
}

// Under the logo, between the rule and the score band, the settings lie on white out to the
// window's edge, where a caption in a longer language grows; so do the questions left and the
// logo's "? " caption, right-aligned at its top.
QList<Region> whiteRegions() {
    using namespace layout;
    const QRect logo = rectOf("Label3");
    const QRect settings(QPoint(logo.left(), furniture::settingsRule.bottom() + 1),
                         QPoint(kWindowSize.width() - 1, int(furniture::scoreBand.top()) - 1));
    return {
        {"logo's caption", QRect(logo.right() - 15, logo.top(), 16, 16), Shows::White},
        {"settings", settings, Shows::White},
        {"questions left", rectOf("lleft"), Shows::White},
    };
}

QList<Region> backdropRegions() {
    QList<Region> regions = staffBoxRegions() + answerRegions() + whiteRegions();
    regions << buttonRegions("lgo", "GO", Shows::Green)
            << buttonRegions("lrestart", "RESET", Shows::Orange)
            << buttonRegions("lstop", "STOP", Shows::Red);
    regions << Region{
        "score band",
        layout::furniture::scoreBand.toRect() & QRect(QPoint(), layout::kBackdropSize),
        Shows::Grey};
    return regions;
}

// --- Pictures at twice the size -------------------------------------------------------------

// A main window picture and the same drawing at twice the size.
struct DoubledPicture {
    QString single;
    QString twice;
};

QList<DoubledPicture> doubledPictures() {
    QList<DoubledPicture> pictures = {
        {lampPath(1), lampPath(2)},
        {iconPath(kIconSize), iconPath(2 * kIconSize)},
    };
    for (const QString& clef : everyClef()) {
        pictures.append({blankStaffPath(1, clef), blankStaffPath(2, clef)});
    }
    for (const char* style : kAboutStyles) {
        pictures.append({aboutPath(QLatin1String(style), 1), aboutPath(QLatin1String(style), 2)});
    }
    for (qsizetype i = 0; i < backgroundPaths(1).size(); ++i) {
        pictures.append({backgroundPaths(1)[i], backgroundPaths(2)[i]});
    }
    return pictures;
}

void addDoubledPictureRows() {
    QTest::addColumn<QString>("single");
    QTest::addColumn<QString>("twice");
    for (const DoubledPicture& picture : doubledPictures()) {
        QTest::newRow(qPrintable(picture.twice)) << picture.single << picture.twice;
    }
}

// Premultiplied, so the colour of a clear pixel weighs nothing in an average.
QImage premultiplied(const QImage& image) {
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

std::array<int, 4> channelsOf(QRgb pixel) {
    return {qAlpha(pixel), qRed(pixel), qGreen(pixel), qBlue(pixel)};
}

// The twice-size picture brought down to the single size, each pixel the average of a 2 × 2
// block.
QImage halved(const QImage& twice) {
    const QImage source = premultiplied(twice);
    QImage half(source.size() / 2, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < half.height(); ++y) {
        for (int x = 0; x < half.width(); ++x) {
            std::array<int, 4> sums{};
            for (const QPoint& corner : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(1, 1)}) {
                const std::array<int, 4> channels =
                    channelsOf(source.pixel(2 * x + corner.x(), 2 * y + corner.y()));
                for (std::size_t c = 0; c < 4; ++c) {
                    sums[c] += channels[c];
                }
            }
            half.setPixel(
                x, y,
                qRgba((sums[1] + 2) / 4, (sums[2] + 2) / 4, (sums[3] + 2) / 4, (sums[0] + 2) / 4));
        }
    }
    return half;
}

// The mean difference in the channel that differs most, between two premultiplied pictures of one
// size.
double meanDifference(const QImage& a, const QImage& b) {
    std::array<double, 4> sums{};
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const std::array<int, 4> first = channelsOf(a.pixel(x, y));
            const std::array<int, 4> second = channelsOf(b.pixel(x, y));
            for (std::size_t c = 0; c < 4; ++c) {
                sums[c] += std::abs(first[c] - second[c]);
            }
        }
    }
    return *std::max_element(sums.begin(), sums.end()) / area(a.rect());
}

// The 2 × 2 blocks whose four pixels are not all alike; an enlarged picture has none.
int unevenBlocks(const QImage& twice) {
    int count = 0;
    for (int y = 0; y + 1 < twice.height(); y += 2) {
        for (int x = 0; x + 1 < twice.width(); x += 2) {
            const QRgb first = twice.pixel(x, y);
            const bool even = twice.pixel(x + 1, y) == first && twice.pixel(x, y + 1) == first &&
                              twice.pixel(x + 1, y + 1) == first;
            count += even ? 0 : 1;
        }
    }
    return count;
}

// --- The painted words in each language ----------------------------------------------------

// Narrower than this a word is hard to read: a translation that needs it must be made shorter.
constexpr int kNarrowestStretch = 75;

// Every word keeps this far from the window's right edge, and from the rim of a round button.
constexpr double kClearance = 2;

constexpr QRect kRoundButtons[] = {layout::rectOf("lselect"), layout::rectOf("lgo"),
                                   layout::rectOf("lrestart"), layout::rectOf("lstop")};

// The faint word across the score band lies behind the counts and their words by design.
bool liesBehindTheCounts(const PaintedWord& word) {
    return word.source == QLatin1String("ANSWERS");
}

// The centres of the pixels a word colours when painted alone as the backdrop paints it, at the
// given scale, in the single picture's pixels.
QList<QPointF> inkOf(const PaintedWord& word, int scale) {
    const QRgb ground = qGray(word.colour) > 127 ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
    QImage image(backgroundSize * scale, QImage::Format_RGB32);
    image.fill(ground);
    QPainter painter(&image);
    painter.scale(scale, scale);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    paintWord(painter, word);
    painter.end();
    QList<QPointF> ink;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != ground) {
                ink << QPointF(x + 0.5, y + 0.5) / scale;
            }
        }
    }
    return ink;
}

// The rectangle that the pixels with these centres cover.
QRectF extentOf(const QList<QPointF>& centres) {
    QRectF extent(centres.first(), QSizeF());
    for (const QPointF& centre : centres) {
        extent |= QRectF(centre, QSizeF());
    }
    return extent.adjusted(-0.5, -0.5, 0.5, 0.5);
}

// How the word is cut short, or an empty string: at the single size, where the font's measures
// are its pixels, a whole word covers its letters' bounding rectangle.
QString cutShort(const PaintedWord& word) {
    const QString text = word.text();
    const QSizeF letters = QFontMetricsF(word.fittedFont()).tightBoundingRect(text).size();
    const QSizeF inked = extentOf(inkOf(word, 1)).size();
    if (std::abs(inked.width() - letters.width()) <= 1 &&
        std::abs(inked.height() - letters.height()) <= 1) {
        return {};
    }
    return QStringLiteral("%1 covers %2 × %3 of %4 × %5")
        .arg(text)
        .arg(inked.width())
        .arg(inked.height())
        .arg(letters.width())
        .arg(letters.height());
}

bool insideEllipse(const QRectF& bounds, const QPointF& point) {
    const QPointF offset = point - bounds.center();
    const double x = offset.x() / (bounds.width() / 2);
    const double y = offset.y() / (bounds.height() / 2);
    return x * x + y * y <= 1;
}

// What a pixel of the word must not touch, or an empty string.
QString misplacedInk(const PaintedWord& word, const QPointF& pixel) {
    if (!word.room.contains(pixel)) {
        return QStringLiteral("outside its room");
    }
    if (pixel.x() > backgroundSize.width() - kClearance) {
        return QStringLiteral("at the window's right edge");
    }
    const bool onButton = std::find(std::begin(kRoundButtons), std::end(kRoundButtons), word.box) !=
                          std::end(kRoundButtons);
    const QRectF clearOfTheRim =
        QRectF(word.box).adjusted(kClearance, kClearance, -kClearance, -kClearance);
    if (onButton && !insideEllipse(clearOfTheRim, pixel)) {
        return QStringLiteral("on the button's rim");
    }
    if (liesBehindTheCounts(word)) {
        return {};
    }
    for (const layout::Control& control : layout::controls) {
        const QRect place = control.rect;
        if (!place.contains(word.box) && QRectF(place).contains(pixel)) {
            return QStringLiteral("on the control ") +
                   QLatin1String(control.name.data(), control.name.size());
        }
    }
    for (const PaintedWord& other : paintedWords()) {
        if (&other != &word && !liesBehindTheCounts(other) && other.room.contains(pixel)) {
            return QStringLiteral("in the room of ") + QLatin1String(other.source);
        }
    }
    return {};
}

}  // namespace

class PicturesTest : public QObject {
    Q_OBJECT
private slots:
    void pictureIsMadeAsDesigned_data();
    void pictureIsMadeAsDesigned();

    void backdropShowsItsFurnitureUnderEachControl_data();
    void backdropShowsItsFurnitureUnderEachControl();
    void unlitLampLiesWhereTheLitLampCovers_data();
    void unlitLampLiesWhereTheLitLampCovers();

    void arrowIsABrightPointerOnTransparency();
    void litLampIsRedOnWhite_data();
    void litLampIsRedOnWhite();
    void iconsAreBlackOnTransparency_data();
    void iconsAreBlackOnTransparency();
    void aboutIconsAreDiscsInTheirColours_data();
    void aboutIconsAreDiscsInTheirColours();

    void doubledPictureHalvesToItsSinglePicture_data();
    void doubledPictureHalvesToItsSinglePicture();
    void doubledPictureIsDrawnAfreshNotEnlarged_data();
    void doubledPictureIsDrawnAfreshNotEnlarged();

    void paintedWordKeepsItsPlace_data();
    void paintedWordKeepsItsPlace();

    void generatorReproducesTheCommittedFiles();
};

void PicturesTest::pictureIsMadeAsDesigned_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QByteArray>("format");
    QTest::addColumn<qint64>("colours");
    QTest::addColumn<bool>("interlaced");
    QTest::addColumn<bool>("transparent");
    for (const PictureDesign& design : pictureDesigns()) {
        QTest::newRow(qPrintable(design.file))
            << design.file << design.size << design.format << design.colours << design.interlaced
            << design.transparent;
    }
}

void PicturesTest::pictureIsMadeAsDesigned() {
    QFETCH(QString, file);
    QFETCH(QSize, size);
    QFETCH(QByteArray, format);
    QFETCH(qint64, colours);
    QFETCH(bool, interlaced);
    QFETCH(bool, transparent);
    QImageReader reader(sourcePath(file));
    QCOMPARE(reader.format(), format);
    const QImage image = reader.read();
    QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
    QCOMPARE(image.size(), size);
    const QByteArray bytes = fileBytes(sourcePath(file));
    if (const std::optional<qint64> fixed = coloursFixedBy(bytes, format)) {
        QCOMPARE(*fixed, colours);
    } else {
        const int used = distinctColours(image.convertToFormat(QImage::Format_ARGB32));
        QVERIFY2(used <= colours, qPrintable(QString::number(used)));
    }
    QCOMPARE(isInterlaced(bytes, format), std::optional<bool>(interlaced));
    QCOMPARE(hasClearPixels(image), transparent);
    // A GIF's clear colour needs the version that brought it.
    QVERIFY(!(transparent && format == "gif") || bytes.startsWith("GIF89a"));
}

void PicturesTest::backdropShowsItsFurnitureUnderEachControl_data() {
    QTest::addColumn<QRect>("region");
    QTest::addColumn<int>("shows");
    QTest::addColumn<int>("scale");
    for (int scale : {1, 2}) {
        for (const Region& region : backdropRegions()) {
            QTest::addRow("%s, scale %d", qPrintable(region.what), scale)
                << region.rect << static_cast<int>(region.shows) << scale;
        }
    }
}

// At twice the size every region covers twice its pixels each way: a frame one pixel thick is two.
void PicturesTest::backdropShowsItsFurnitureUnderEachControl() {
    QFETCH(QRect, region);
    QFETCH(int, shows);
    QFETCH(int, scale);
    const QImage& background = backdrop(scale);
    const QRect pixels = scaled(region, scale);
    int fitting = 0;
    for (int y = pixels.top(); y <= pixels.bottom(); ++y) {
        for (int x = pixels.left(); x <= pixels.right(); ++x) {
            fitting += fits(static_cast<Shows>(shows), background.pixel(x, y)) ? 1 : 0;
        }
    }
    const double share = double(fitting) / area(pixels);
    QVERIFY2(share >= shareThatMustFit(static_cast<Shows>(shows)),
             qPrintable(QStringLiteral("%1 of %2 pixels").arg(fitting).arg(area(pixels))));
}

void PicturesTest::unlitLampLiesWhereTheLitLampCovers_data() {
    QTest::addColumn<QRect>("lamp");
    QTest::addColumn<int>("scale");
    for (int scale : {1, 2}) {
        QTest::addRow("SHARPS, scale %d", scale) << layout::rectOf("Isharps") << scale;
        QTest::addRow("FLATS, scale %d", scale) << layout::rectOf("Iflats") << scale;
    }
}

// Away from the lens the two lamps are the same picture, so the lit one fits exactly.
void PicturesTest::unlitLampLiesWhereTheLitLampCovers() {
    QFETCH(QRect, lamp);
    QFETCH(int, scale);
    const QImage& background = backdrop(scale);
    const QImage lit = loadPicture(lampPath(scale));
    const QColor centre(background.pixel(lamp.center() * scale));
    QVERIFY(centre.saturation() < 30 && centre.value() > 80);
    for (int y = 0; y < lit.height(); ++y) {
        for (int x = 0; x < lit.width(); ++x) {
            const QPoint offset(x - lit.width() / 2, y - lit.height() / 2);
            if (offset.manhattanLength() < 9 * scale) {
                continue;
            }
            const QRgb expected = lit.pixel(x, y);
            const QRgb seen = background.pixel(lamp.topLeft() * scale + QPoint(x, y));
            QVERIFY2(std::abs(luma(expected) - luma(seen)) < 24,
                     qPrintable(QStringLiteral("(%1, %2)").arg(x).arg(y)));
        }
    }
}

void PicturesTest::arrowIsABrightPointerOnTransparency() {
    const QImage arrow =
        loadPicture(QStringLiteral("assets/arrow.gif")).convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(qAlpha(arrow.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(arrow.pixel(0, arrow.height() - 1)), 0);
    QCOMPARE(qAlpha(arrow.pixel(arrow.width() - 1, 0)), 0);
    // It points right: the far right column is inked only near the middle row.
    int rightmostInked = -1;
    int middleRowInked = -1;
    for (int x = 0; x < arrow.width(); ++x) {
        if (qAlpha(arrow.pixel(x, arrow.height() / 2)) != 0) {
            middleRowInked = x;
        }
        for (int y = 0; y < arrow.height(); ++y) {
            if (qAlpha(arrow.pixel(x, y)) != 0) {
                rightmostInked = x;
            }
        }
    }
    QCOMPARE(middleRowInked, rightmostInked);
    const QRgb inside = arrow.pixel(arrow.width() / 2, arrow.height() / 2);
    QCOMPARE(qAlpha(inside), 255);
    QVERIFY(luma(inside) > 150);
}

void PicturesTest::litLampIsRedOnWhite_data() {
    addScaleRows();
}

void PicturesTest::litLampIsRedOnWhite() {
    QFETCH(int, scale);
    const QImage lamp = loadPicture(lampPath(scale));
    QVERIFY(isWhite(lamp.pixel(0, 0)));
    const QRgb centre = lamp.pixel(lamp.width() / 2, lamp.height() / 2);
    QVERIFY(qRed(centre) > 180 && qGreen(centre) < 90 && qBlue(centre) < 90);
    // The rim is olive: red and green alike, little blue.
    const QRgb rim = lamp.pixel(scale, lamp.height() / 2);
    QVERIFY(std::abs(qRed(rim) - qGreen(rim)) < 30 && qBlue(rim) < qGreen(rim) - 40);
}

void PicturesTest::iconsAreBlackOnTransparency_data() {
    QTest::addColumn<QString>("file");
    for (int pixels : {kSmallIconSize, kIconSize, 2 * kIconSize}) {
        QTest::newRow(qPrintable(iconPath(pixels))) << iconPath(pixels);
    }
}

void PicturesTest::iconsAreBlackOnTransparency() {
    QFETCH(QString, file);
    const QImage icon = loadPicture(file).convertToFormat(QImage::Format_ARGB32);
    int opaqueBlack = 0;
    for (int y = 0; y < icon.height(); ++y) {
        for (int x = 0; x < icon.width(); ++x) {
            const QRgb pixel = icon.pixel(x, y);
            opaqueBlack += pixel == qRgba(0, 0, 0, 255) ? 1 : 0;
            if (qAlpha(pixel) != 0) {
                QVERIFY(isBlack(pixel));
            }
        }
    }
    // Five staff lines alone cover 5 × width pixels; the notes and sharp add more.
    QVERIFY(opaqueBlack > 6 * icon.width());
    QVERIFY(opaqueBlack < icon.width() * icon.height() * 3 / 4);
}

void PicturesTest::aboutIconsAreDiscsInTheirColours_data() {
    addScaleRows();
}

void PicturesTest::aboutIconsAreDiscsInTheirColours() {
    QFETCH(int, scale);
    const QImage red = loadPicture(aboutPath(QStringLiteral("red"), scale));
    const QImage mono = loadPicture(aboutPath(QStringLiteral("mono"), scale));
    const QImage green = loadPicture(aboutPath(QStringLiteral("green"), scale));
    // Points in the single picture's pixels: the top left of each one's block when scaled.
    auto at = [scale](int x, int y) { return QPoint(x, y) * scale; };
    const int size = kIconSize * scale;
    for (const QImage& icon : {red, mono, green}) {
        QCOMPARE(qAlpha(icon.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(icon.pixel(size - 1, size - 1)), 0);
        QVERIFY(isBlack(icon.pixel(at(16, 0))) || isBlack(icon.pixel(at(16, 1))));
        QCOMPARE(qAlpha(icon.pixel(at(5, 16))), 255);
    }
    QVERIFY(isWhite(red.pixel(at(5, 16))));
    QVERIFY(isWhite(mono.pixel(at(5, 16))));
    const QColor greenDisc = QColor(green.pixel(at(5, 16)));
    QVERIFY(greenDisc.hue() > 90 && greenDisc.hue() < 160 && greenDisc.saturation() > 128);

    auto countInside = [scale](const QImage& icon, auto test) {
        return countPixels(icon, scaled(QRect(6, 6, 20, 20), scale), test);
    };
    const int least = 30 * scale * scale;
    QVERIFY(countInside(red, [](QRgb p) { return qRed(p) > 180 && qGreen(p) < 60; }) > least);
    QVERIFY(countInside(mono, isBlack) > least);
    QVERIFY(countInside(green, isWhite) > least);
    // The plain variant is strictly black, white or clear.
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const QRgb p = mono.pixel(x, y);
            QVERIFY(qAlpha(p) == 0 || p == qRgb(0, 0, 0) || p == qRgb(255, 255, 255));
        }
    }
}

void PicturesTest::doubledPictureHalvesToItsSinglePicture_data() {
    addDoubledPictureRows();
}

// Halving the larger picture gives back the smaller one up to rounding and smoothing; a drawing out
// of place or at the wrong size, even by one pixel of the smaller picture, shows. The tests above
// check single items of the furniture at both sizes.
void PicturesTest::doubledPictureHalvesToItsSinglePicture() {
    QFETCH(QString, single);
    QFETCH(QString, twice);
    const QImage small = premultiplied(loadPicture(single));
    const QImage large = loadPicture(twice);
    QVERIFY(!small.isNull() && !large.isNull());
    QCOMPARE(large.size(), small.size() * 2);
    // A two-tone picture's edges fall on whole pixels at either size, so halving it leaves greys
    // all along edges that are plain black or white in the smaller picture; a shift of one pixel
    // of the smaller picture still more than doubles the difference.
    const bool twoTone = single.contains(QStringLiteral("mono"));
    const double difference = meanDifference(halved(large), small);
    QVERIFY2(difference < (twoTone ? 20 : 3), qPrintable(QString::number(difference)));
}

void PicturesTest::doubledPictureIsDrawnAfreshNotEnlarged_data() {
    addDoubledPictureRows();
}

// A picture enlarged pixel for pixel has every 2 × 2 block in one colour; one drawn at twice the
// size has edges finer than a block.
void PicturesTest::doubledPictureIsDrawnAfreshNotEnlarged() {
    QFETCH(QString, twice);
    const QImage large = loadPicture(twice);
    QVERIFY(!large.isNull());
    const int uneven = unevenBlocks(large);
    const int blocks = area(large.rect()) / 4;
    QVERIFY2(uneven > blocks / 200, qPrintable(QStringLiteral("%1 of %2").arg(uneven).arg(blocks)));
}

void PicturesTest::paintedWordKeepsItsPlace_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("word");
    for (const QString& language : QStringList{"en"} + Translation::available()) {
        for (qsizetype word = 0; word < paintedWords().size(); ++word) {
            QTest::addRow("%s %s", qPrintable(language), paintedWords()[word].source)
                << language << static_cast<int>(word);
        }
    }
}

// Each word as painted with its language installed, in the font it is painted in: narrowed no
// further than readable, whole, every pixel inside its room, clear of the window's edge, a
// button's rim, the other controls and the other words.
void PicturesTest::paintedWordKeepsItsPlace() {
    QFETCH(QString, language);
    QFETCH(int, word);
    const Translation translation(QStringList{language});
    const PaintedWord& painted = paintedWords()[word];
    const QString text = painted.text();
    const int stretch = painted.fittedFont().stretch();
    QVERIFY2(stretch == QFont::AnyStretch || stretch >= kNarrowestStretch,
             qPrintable(QStringLiteral("%1 narrowed to %2 %").arg(text).arg(stretch)));
    const QString cut = cutShort(painted);
    QVERIFY2(cut.isEmpty(), qPrintable(cut));
    for (int scale : {1, 2}) {
        const QList<QPointF> ink = inkOf(painted, scale);
        QVERIFY(!ink.isEmpty());
        for (const QPointF& pixel : ink) {
            const QString problem = misplacedInk(painted, pixel);
            QVERIFY2(problem.isEmpty(),
                     qPrintable(QStringLiteral("%1 at scale %2: pixel (%3, %4) %5")
                                    .arg(text)
                                    .arg(scale)
                                    .arg(pixel.x())
                                    .arg(pixel.y())
                                    .arg(problem)));
        }
    }
}

void PicturesTest::generatorReproducesTheCommittedFiles() {
    QTemporaryDir output;
    QVERIFY(output.isValid());
    // The generator reads the music font from below the folder it writes into.
    const QString font = QStringLiteral("tools/fonts/bravura.otf");
    QVERIFY(QDir(output.path()).mkpath(QStringLiteral("tools/fonts")));
    QVERIFY(QFile::copy(sourcePath(font), QDir(output.path()).filePath(font)));

    QProcess generator;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    generator.setProcessEnvironment(environment);
    generator.start(QStringLiteral(MAKEPICTURES), {output.path()});
    QVERIFY(generator.waitForFinished(60000));
    QVERIFY2(generator.exitStatus() == QProcess::NormalExit && generator.exitCode() == 0,
             generator.readAllStandardError().constData());

    for (const PictureDesign& design : pictureDesigns()) {
        const QByteArray committed = fileBytes(sourcePath(design.file));
        QVERIFY2(!committed.isEmpty(), qPrintable(design.file));
        QVERIFY2(fileBytes(QDir(output.path()).filePath(design.file)) == committed,
                 qPrintable(design.file));
    }
}

QTEST_MAIN(PicturesTest)
#include "test_pictures.moc"
