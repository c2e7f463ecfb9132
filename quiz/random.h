#pragma once

#include <cstdint>

// The engine's source of chance: single-precision draws from [0, 1).
class RandomSource {
public:
    virtual ~RandomSource() = default;
    // Mixes the clock into the generator's state.
    virtual void reseed() = 0;
    virtual float next() = 0;
};

// Int(r * span + base): a whole number from base to base + span - 1 for every r in [0, 1).
int wholeNumber(float r, int span, int base);

// A small generator (splitmix64) whose reseed folds the steady clock into its current state,
// so that draws after repeated reseeds within one clock tick still differ.
class ClockRandom : public RandomSource {
public:
    ClockRandom();
    void reseed() override;
    float next() override;

private:
    std::uint64_t state_;
};
