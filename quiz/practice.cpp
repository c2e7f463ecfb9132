#include "practice.h"

#include <algorithm>

namespace practice {

namespace {

constexpr double kFloor = 1.0;
constexpr double kPerMiss = 2.0;
constexpr double kPerSlowAnswer = 0.5;

bool slow(const Outcome& outcome) {
    return outcome.right && outcome.msToChoice &&
           *outcome.msToChoice > kSlowShare * outcome.msAllowed;
}

}  // namespace

double weightOf(std::span<const Outcome> newestFirst) {
    double weight = kFloor;
    for (const Outcome& outcome :
         newestFirst.first(std::min<size_t>(newestFirst.size(), kRecent))) {
        weight += !outcome.right ? kPerMiss : slow(outcome) ? kPerSlowAnswer : 0.0;
    }
    return weight;
}

}  // namespace practice
