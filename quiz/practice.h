#pragma once

#include <optional>
#include <span>

// Practice: keys the learner misses, or answers slowly, come up more often. Every key keeps a
// weight of at least one, so none is ever left out.
namespace practice {

// How the learner answered a key once.
struct Outcome {
    bool right = false;
    std::optional<int> msToChoice;  // none when no answer was chosen
    int msAllowed = 0;              // the time the question had
};

// How many of a key's last answers count.
constexpr int kRecent = 5;
// A right answer is slow when it came after more than this share of the question's time.
constexpr double kSlowShare = 0.6;

// The weight of a key from its recent answers, newest first: one, and more for each miss and
// each slow right answer among the last kRecent.
double weightOf(std::span<const Outcome> newestFirst);

}  // namespace practice

// The weights the next question is drawn with; one per key 1 to 14.
class KeyWeights {
public:
    virtual ~KeyWeights() = default;
    virtual double weight(int key) const = 0;
};
