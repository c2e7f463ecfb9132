#include "keytable.h"

#include <array>
#include <cassert>

namespace keytable {

namespace {

constexpr std::array<std::string_view, kKeyCount> kNames = {
    "G", "D",      "A",      "E",      "B",      "F Sharp", "C Sharp",
    "F", "B Flat", "E Flat", "A Flat", "D Flat", "G Flat",  "C Flat",
};

}  // namespace

std::string_view keyName(int key) {
    assert(key >= 1 && key <= kKeyCount);
    return kNames[static_cast<size_t>(key - 1)];
}

std::string pictureFile(int key) {
    return std::to_string(key) + ".gif";
}

KeyRange keysOfKind(KeyKind kind) {
    switch (kind) {
        case KeyKind::Flats:
            return {8, 7};
        case KeyKind::Sharps:
            return {1, 7};
        case KeyKind::Both:
            break;
    }
    return {1, kKeyCount};
}

}  // namespace keytable
