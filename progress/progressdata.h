#pragma once

#include <QDateTime>
#include <array>
#include <optional>
#include <vector>

#include "clef.h"
#include "keymode.h"

// What the progress window shows, as plain numbers; whoever keeps the answers fills it in.

// How one key has gone: asked so often, right so often, and the mean time to the last choice
// over the answers that had one.
struct KeyProgress {
    int key = 0;
    int asked = 0;
    int right = 0;
    std::optional<int> averageMs;
};

struct QuizProgress {
    QDateTime started;
    int graded = 0;
    int right = 0;
};

struct ProgressData {
    Clef clef = Clef::Treble;
    KeyMode mode = KeyMode::Major;
    std::array<KeyProgress, 14> keys;   // keys 1 to 14 in order
    std::vector<QuizProgress> quizzes;  // the last twenty at most, oldest first
    int slowMs = 0;                     // an average above this marks a key as slow
};

// Which answers the figures cover.
enum class ProgressScope { ThisRun, WholeRecord };
