#include "keytable.h"

#include <array>
#include <cassert>
#include <charconv>

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

std::string signatureText(int key) {
    const bool sharps = key <= 7;
    const int count = sharps ? key : key - 7;
    const std::string kind = sharps ? "sharp" : "flat";
    return std::to_string(count) + " " + kind + (count == 1 ? "" : "s");
}

int keyOfPictureFile(std::string_view file) {
    int key = 0;
    const auto [end, error] = std::from_chars(file.data(), file.data() + file.size(), key);
    const std::string_view rest(end, static_cast<size_t>(file.data() + file.size() - end));
    const bool matches = error == std::errc() && rest == ".gif";
    return matches && key >= 1 && key <= kKeyCount ? key : 0;
}

}  // namespace keytable
