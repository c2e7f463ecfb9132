#pragma once

#include <array>
#include <string>

// A question as it is put to the user: the key whose signature is on show and the four names
// offered for it.
struct Question {
    int key = 0;                           // 1 to 14
    bool pictureShown = false;             // false when the key's picture could not be shown
    std::array<std::string, 5> answers{};  // the names at positions 1 to 4, as the engine has them
    int rightPos = 0;                      // the position of the key's own name
};
