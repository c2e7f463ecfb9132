// Draws every picture Duridaz uses and writes them into the repository given as the only argument.
// The output depends only on the code and the fonts, so running it again reproduces each file
// byte for byte.

#include <QDir>
#include <QFileInfo>
#include <QFontInfo>
#include <QGuiApplication>
#include <QImage>
#include <QTextStream>
#include <utility>

#include "backgroundpicture.h"
#include "clef.h"
#include "gifwriter.h"
#include "musicfont.h"
#include "palette.h"
#include "smallpictures.h"
#include "staffpictures.h"
#include "translation.h"

namespace {

// The main window's pictures also come at twice the size, named with "@2x", for screens with two
// pixels to each logical pixel.
constexpr int doubleScale = 2;

QString withScale(const QString& name, int scale, const QString& extension) {
    const QString suffix = scale == 1 ? QString() : QStringLiteral("@%1x").arg(scale);
    return name + suffix + extension;
}

class PictureWriter {
public:
    explicit PictureWriter(const QDir& root) : root_(root) {}

    void gif(const QString& relativePath, const QImage& indexed, GifOptions options) {
        if (indexed.isNull()) {
            fail(relativePath, QStringLiteral("a colour is missing from the palette"));
            return;
        }
        if (!makeFolderFor(relativePath)) {
            return;
        }
        const QString problem = writeGif(root_.filePath(relativePath), indexed, options);
        if (!problem.isEmpty()) {
            fail(relativePath, problem);
        }
    }

    void image(const QString& relativePath, const QImage& picture, const char* format) {
        if (makeFolderFor(relativePath) && !picture.save(root_.filePath(relativePath), format)) {
            fail(relativePath, QStringLiteral("cannot be written"));
        }
    }

    void fail(const QString& relativePath, const QString& problem) {
        QTextStream(stderr) << "makepictures: " << relativePath << ": " << problem << '\n';
        failed_ = true;
    }

    bool failed() const { return failed_; }

private:
    bool makeFolderFor(const QString& relativePath) {
        const QString folder = QFileInfo(root_.filePath(relativePath)).path();
        if (!QDir().mkpath(folder)) {
            fail(relativePath, QStringLiteral("cannot create its folder"));
            return false;
        }
        return true;
    }

    QDir root_;
    bool failed_ = false;
};

QString clefName(Clef clef) {
    const std::string_view word = clefWord(clef);
    return QString::fromLatin1(word.data(), static_cast<qsizetype>(word.size()));
}

// The treble clef's pictures keep their plain names, "3.gif" and "blankstaff.gif"; the other
// clefs' carry the clef's word, "bass-3.gif" and "blankstaff-bass.gif".
QString keyPicturePath(Clef clef, int number) {
    const QString prefix = clef == Clef::Treble ? QString() : clefName(clef) + QLatin1Char('-');
    return QStringLiteral("assets/%1%2.gif").arg(prefix).arg(number);
}

QString blankStaffName(Clef clef) {
    const QString suffix = clef == Clef::Treble ? QString() : QLatin1Char('-') + clefName(clef);
    return QStringLiteral("mainwindow/pictures/blankstaff") + suffix;
}

void writeStaffPictures(PictureWriter& out, const MusicFont& font, Clef clef) {
    const GifOptions interlaced{.interlaced = true};
    for (int number = 1; number <= 14; ++number) {
        const QImage picture =
            drawStaffPicture(font, clef, keyPictureSize, keySignatureOfPicture(number));
        out.gif(keyPicturePath(clef, number), indexAgainst(picture, sixteenGreys()), interlaced);
    }
    for (int scale : {1, doubleScale}) {
        const QImage blank = drawStaffPicture(font, clef, blankStaffSize, std::nullopt, scale);
        out.gif(withScale(blankStaffName(clef), scale, QStringLiteral(".gif")),
                indexAgainst(blank, sixteenGreys()), interlaced);
    }
}

void writeArrow(PictureWriter& out) {
    const QImage arrow = drawArrow();
    // The transparent entry goes last, after the arrow's own colours.
    QList<QRgb> palette = distinctColours(arrow);
    palette.append(qRgb(0, 0, 0));
    const int transparentIndex = static_cast<int>(palette.size() - 1);
    out.gif(QStringLiteral("assets/arrow.gif"), indexAgainst(arrow, palette, transparentIndex),
            GifOptions{.interlaced = false, .transparentIndex = transparentIndex});
}

// The backdrop with its words in English, then in each language the program speaks.
void writeBackgrounds(PictureWriter& out, const MusicFont& font) {
    const auto write = [&out, &font](const QString& name) {
        for (int scale : {1, doubleScale}) {
            out.gif(withScale(QStringLiteral("mainwindow/pictures/") + name, scale,
                              QStringLiteral(".gif")),
                    reduceColours(drawBackground(font, scale), backgroundKeyColours(), 256),
                    GifOptions{.interlaced = true});
        }
    };
    write(QStringLiteral("background"));
    for (const QString& language : Translation::available()) {
        const Translation translation(QStringList{language});
        write(QStringLiteral("background-") + language);
    }
}

void writeWindowPictures(PictureWriter& out, const MusicFont& font) {
    writeBackgrounds(out, font);
    for (int scale : {1, doubleScale}) {
        out.image(
            withScale(QStringLiteral("mainwindow/pictures/lamp"), scale, QStringLiteral(".bmp")),
            drawLitLamp(scale), "BMP");
        // The icon is named by its size in pixels: icon-64.png is the 32-pixel icon at twice size.
        out.image(QStringLiteral("mainwindow/pictures/icon-%1.png").arg(32 * scale),
                  drawMainIcon(32, scale), "PNG");
    }
    out.image(QStringLiteral("mainwindow/pictures/icon-16.png"), drawMainIcon(16), "PNG");
}

void writeAboutPictures(PictureWriter& out) {
    const std::pair<AboutStyle, QString> styles[] = {{AboutStyle::Red, QStringLiteral("red")},
                                                     {AboutStyle::Mono, QStringLiteral("mono")},
                                                     {AboutStyle::Green, QStringLiteral("green")}};
    for (int scale : {1, doubleScale}) {
        for (const auto& [style, name] : styles) {
            out.image(withScale(QStringLiteral("about/pictures/about-") + name, scale,
                                QStringLiteral(".png")),
                      drawAboutIcon(style, scale), "PNG");
        }
    }
}

bool wordFontIsInstalled() {
    return QFontInfo(sansFont(12, false)).family() == QStringLiteral("Liberation Sans");
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    QTextStream errors(stderr);
    if (argc != 2) {
        errors << "usage: makepictures <repository root>\n";
        return 2;
    }
    const QDir root(QString::fromLocal8Bit(argv[1]));
    const MusicFont font(root.filePath(QStringLiteral("tools/fonts/bravura.otf")),
                         StaffLayout::staffSpace);
    if (!font.isValid()) {
        errors << "makepictures: cannot load tools/fonts/bravura.otf under " << root.path() << '\n';
        return 1;
    }
    if (!wordFontIsInstalled()) {
        errors << "makepictures: the Liberation Sans font is not installed\n";
        return 1;
    }
    PictureWriter out(root);
    for (Clef clef : allClefs) {
        writeStaffPictures(out, font, clef);
    }
    writeArrow(out);
    writeWindowPictures(out, font);
    writeAboutPictures(out);
    return out.failed() ? 1 : 0;
}
