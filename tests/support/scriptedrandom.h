#pragma once

#include <deque>
#include <random>

#include "random.h"

// Draws from a script first, then from a seeded generator, so a test can steer the draws it
// cares about and still run a long quiz.
class ScriptedRandom : public RandomSource {
public:
    explicit ScriptedRandom(unsigned seed = 1) : generator_(seed) {}

    void script(std::initializer_list<float> next) { draws_.insert(draws_.end(), next); }
    // The draw that gives value from Int(r * span + base).
    static float drawFor(int value, int span, int base) {
        return (static_cast<float>(value - base) + 0.5f) / static_cast<float>(span);
    }

    void reseed() override { ++reseeds; }
    float next() override {
        ++draws;
        if (!draws_.empty()) {
            const float r = draws_.front();
            draws_.pop_front();
            return r;
        }
        return std::uniform_real_distribution<float>(0.0f, 1.0f)(generator_);
    }

    int reseeds = 0;
    int draws = 0;

private:
    std::deque<float> draws_;
    std::mt19937 generator_;
};
