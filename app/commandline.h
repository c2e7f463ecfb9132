#pragma once

#include <optional>
#include <variant>

#include "clef.h"
#include "keymode.h"

// What the command line asks of the drill; what it leaves out is as remembered, or as at first.
struct Options {
    std::optional<Clef> clef;
    std::optional<KeyMode> mode;
};

// Reads the program's own options; Qt's own, such as -platform, are left for Qt. When there is
// nothing more to do (help, the version, or a mistake, told in one line), it has said so and
// gives the exit status instead.
std::variant<Options, int> readCommandLine(int argc, char** argv);
