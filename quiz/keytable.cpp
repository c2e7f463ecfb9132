#include "keytable.h"

#include <array>
#include <cassert>
#include <charconv>

// Marks a text for Qt's translation tools, which find it here; the window translates it.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif
#ifndef QT_TRANSLATE_N_NOOP
#define QT_TRANSLATE_N_NOOP(context, text) text
#endif

namespace keytable {

namespace {

/* TRANSLATOR KeyName
   The name of a major key as a musician of your language writes it. Keys 1 to 7 have 1 to 7
   sharps, keys 8 to 14 have 1 to 7 flats; "B" is B natural (5 sharps), "B Flat" has 2 flats. */
constexpr std::array<std::string_view, kKeyCount> kNames = {
    QT_TRANSLATE_NOOP("KeyName", "G"),       QT_TRANSLATE_NOOP("KeyName", "D"),
    QT_TRANSLATE_NOOP("KeyName", "A"),       QT_TRANSLATE_NOOP("KeyName", "E"),
    QT_TRANSLATE_NOOP("KeyName", "B"),       QT_TRANSLATE_NOOP("KeyName", "F Sharp"),
    QT_TRANSLATE_NOOP("KeyName", "C Sharp"), QT_TRANSLATE_NOOP("KeyName", "F"),
    QT_TRANSLATE_NOOP("KeyName", "B Flat"),  QT_TRANSLATE_NOOP("KeyName", "E Flat"),
    QT_TRANSLATE_NOOP("KeyName", "A Flat"),  QT_TRANSLATE_NOOP("KeyName", "D Flat"),
    QT_TRANSLATE_NOOP("KeyName", "G Flat"),  QT_TRANSLATE_NOOP("KeyName", "C Flat"),
};

/* TRANSLATOR Signature
   What a key signature shows, as a screen reader says it; %n is the number of sharps or flats,
   1 to 7. */
constexpr std::string_view kSharps = QT_TRANSLATE_N_NOOP("Signature", "%n sharps");
constexpr std::string_view kFlats = QT_TRANSLATE_N_NOOP("Signature", "%n flats");

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

int accidentalCount(int key) {
    return key <= 7 ? key : key - 7;
}

std::string_view signatureWords(int key) {
    return key <= 7 ? kSharps : kFlats;
}

int keyOfPictureFile(std::string_view file) {
    int key = 0;
    const auto [end, error] = std::from_chars(file.data(), file.data() + file.size(), key);
    const std::string_view rest(end, static_cast<size_t>(file.data() + file.size() - end));
    const bool matches = error == std::errc() && rest == ".gif";
    return matches && key >= 1 && key <= kKeyCount ? key : 0;
}

}  // namespace keytable
