#include "keyband.h"

#include <algorithm>
#include <cmath>

namespace {

// Hue in degrees along the scale: red at none right, amber at the middle of the middling band,
// green at all right.
double hueFor(double share) {
    constexpr double kAmberAt = 0.65;
    constexpr double kAmberHue = 40;
    constexpr double kGreenHue = 120;
    share = std::clamp(share, 0.0, 1.0);
    if (share <= kAmberAt) {
        return kAmberHue * share / kAmberAt;
    }
    return kAmberHue + (kGreenHue - kAmberHue) * (share - kAmberAt) / (1 - kAmberAt);
}

}  // namespace

std::optional<double> shareRight(const KeyProgress& key) {
    if (key.asked <= 0) {
        return std::nullopt;
    }
    return std::clamp(double(key.right) / key.asked, 0.0, 1.0);
}

Band bandOf(const KeyProgress& key) {
    const std::optional<double> share = shareRight(key);
    if (!share) {
        return Band::NotAsked;
    }
    if (*share >= kMasteredFrom) {
        return Band::Mastered;
    }
    return *share >= kMiddlingFrom ? Band::Middling : Band::Missed;
}

bool isSlow(const KeyProgress& key, int slowMs) {
    return key.averageMs && *key.averageMs > slowMs;
}

QColor fillFor(double share) {
    return QColor::fromHsvF(float(hueFor(share) / 360), 0.5f, 1.0f);
}

QColor rimFor(double share) {
    return QColor::fromHsvF(float(hueFor(share) / 360), 0.9f, 0.55f);
}

int percentRight(int right, int graded) {
    if (graded <= 0) {
        return 0;
    }
    return int(std::lround(100.0 * std::clamp(right, 0, graded) / graded));
}
