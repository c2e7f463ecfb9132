#pragma once

#include <array>
#include <string_view>

// Whether the drill names the major keys of the signatures or their relative minors. Plain C++,
// so the quiz and the record share it.
enum class KeyMode { Major, Minor };

constexpr std::array<KeyMode, 2> allKeyModes{KeyMode::Major, KeyMode::Minor};

// The mode's word, as the command line, the settings and the record write it.
constexpr std::string_view keyModeWord(KeyMode mode) {
    return mode == KeyMode::Minor ? "minor" : "major";
}
