#include "random.h"

#include <algorithm>
#include <chrono>
#include <cmath>

int wholeNumber(float r, int span, int base) {
    // In single precision, r * 7 + 8 rounds up to 15 for the largest r below 1; double is exact
    // enough, and the clamp keeps any r >= 1 from a scripted source inside the range too.
    const double value = std::floor(static_cast<double>(r) * span + base);
    return std::clamp(static_cast<int>(value), base, base + span - 1);
}

namespace {

std::uint64_t clockNow() {
    return static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
}

}  // namespace

ClockRandom::ClockRandom() : state_(clockNow()) {}

void ClockRandom::reseed() {
    // Multiplying by an odd constant is a bijection, so a reseed never merges two states and a
    // second reseed with the same clock reading still moves the state on.
    state_ = (state_ ^ clockNow()) * 0xBF58476D1CE4E5B9ULL + 0x9E3779B97F4A7C15ULL;
}

float ClockRandom::next() {
    state_ += 0x9E3779B97F4A7C15ULL;
    std::uint64_t z = state_;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    z ^= z >> 31;
    // The top 24 bits fill a float's mantissa exactly: 0 to 1 - 2^-24.
    return static_cast<float>(z >> 40) * 0x1.0p-24f;
}
