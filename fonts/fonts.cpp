#include "fonts.h"

#include <fontconfig/fontconfig.h>

#include <QFontDatabase>
#include <QFontMetrics>
#include <QStringList>
#include <algorithm>
#include <thread>

namespace fonts {

namespace {

// Fontconfig reads the system's whole font configuration the first time a font is looked up:
// some 3 ms, a third of the time a bare window takes to show. Started first thing, it is read
// on another core while the application starts and the window reads its pictures, and the
// first of the windows' fonts waits for what is left of it.
class ConfigurationReader {
public:
    void start() {
        if (!thread_.joinable()) {
            thread_ = std::thread([] { FcInit(); });
        }
    }
    void wait() {
        if (thread_.joinable()) {
            thread_.join();
        }
    }
    ~ConfigurationReader() { wait(); }

private:
    std::thread thread_;
};

ConfigurationReader& configurationReader() {
    static ConfigurationReader reader;
    return reader;
}

const QString kStandIn = QStringLiteral("Liberation Sans");

// The face a window's font asks for: the one it was designed in where the system has it, else
// the metric-compatible one that stands in for it. Asked for a missing face, Qt finds the
// stand-in through the substitution too, but only after working out the missing face's
// fallbacks, which costs as much as loading a font, once for each face and script.
QString face(const QString& designed) {
    configurationReader().wait();
    static const QStringList families = QFontDatabase::families();
    return families.contains(designed, Qt::CaseInsensitive) ? designed : kStandIn;
}

}  // namespace

void startReadingConfiguration() {
    configurationReader().start();
}

void installSubstitutions() {
    QFont::insertSubstitution("Arial", kStandIn);
    QFont::insertSubstitution("MS Sans Serif", kStandIn);
}

QFont arialBold(int pixelHeight) {
    QFont font(face("Arial"));
    font.setPixelSize(pixelHeight);
    font.setBold(true);
    return font;
}

// 8.25 points at 96 dots an inch.
QFont dialogDefault() {
    QFont font(face("MS Sans Serif"));
    font.setPixelSize(11);
    return font;
}

QFont dialogBold(int pixelHeight) {
    QFont font(face("MS Sans Serif"));
    font.setPixelSize(pixelHeight);
    font.setBold(true);
    return font;
}

std::optional<QFont> widestThatFits(QFont font, const std::function<bool(const QFont&)>& fits) {
    for (int stretch = QFont::Unstretched; stretch > QFont::UltraCondensed; --stretch) {
        font.setStretch(stretch);
        if (fits(font)) {
            return font;
        }
    }
    return std::nullopt;
}

// Each stretch tried is a font of its own for Qt to find and load, so the search starts where
// the text would just fit, a stretch scaling its width, rather than at the face's own width.
QFont narrowedToFit(QFont font, const QString& text, int width) {
    auto widthAt = [&](int stretch) {
        font.setStretch(stretch);
        const QFontMetrics metrics(font);
        return std::max(metrics.horizontalAdvance(text),
                        metrics.tightBoundingRect(text).right() + 1);
    };
    // A text that fits keeps the face's own width, and so the font other labels have loaded.
    const int natural = widthAt(QFont::AnyStretch);
    if (natural <= width) {
        return font;
    }
    constexpr int kNarrowest = QFont::UltraCondensed + 1;
    auto fits = [&](int stretch) { return widthAt(stretch) <= width; };
    const int estimate = (QFont::Unstretched * width + natural - 1) / std::max(natural, 1);
    int stretch = std::clamp(estimate, kNarrowest, QFont::Unstretched - 1);
    while (stretch > kNarrowest && !fits(stretch)) {
        --stretch;
    }
    while (stretch + 1 < QFont::Unstretched && fits(stretch + 1)) {
        ++stretch;
    }
    // Too wide at any stretch: the narrowest tried still cuts off the least.
    font.setStretch(stretch);
    return font;
}

}  // namespace fonts
