#include "keytable.h"

#include <array>
#include <cassert>

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

/* TRANSLATOR KeyName
   The relative minor of each signature: three semitones below its major key, on the letter two
   steps down ("E Flat" major and "C Minor" both have 3 flats). Write it as your tradition names a
   minor key. */
constexpr std::array<std::string_view, kKeyCount> kMinorNames = {
    QT_TRANSLATE_NOOP("KeyName", "E Minor"),       QT_TRANSLATE_NOOP("KeyName", "B Minor"),
    QT_TRANSLATE_NOOP("KeyName", "F Sharp Minor"), QT_TRANSLATE_NOOP("KeyName", "C Sharp Minor"),
    QT_TRANSLATE_NOOP("KeyName", "G Sharp Minor"), QT_TRANSLATE_NOOP("KeyName", "D Sharp Minor"),
    QT_TRANSLATE_NOOP("KeyName", "A Sharp Minor"), QT_TRANSLATE_NOOP("KeyName", "D Minor"),
    QT_TRANSLATE_NOOP("KeyName", "G Minor"),       QT_TRANSLATE_NOOP("KeyName", "C Minor"),
    QT_TRANSLATE_NOOP("KeyName", "F Minor"),       QT_TRANSLATE_NOOP("KeyName", "B Flat Minor"),
    QT_TRANSLATE_NOOP("KeyName", "E Flat Minor"),  QT_TRANSLATE_NOOP("KeyName", "A Flat Minor"),
};

/* TRANSLATOR Signature
   What a key signature shows, as a screen reader says it; %n is the number of sharps or flats,
   1 to 7. */
constexpr std::string_view kSharps = QT_TRANSLATE_N_NOOP("Signature", "%n sharps");
constexpr std::string_view kFlats = QT_TRANSLATE_N_NOOP("Signature", "%n flats");

}  // namespace

std::string_view keyName(int key, KeyMode mode) {
    assert(key >= 1 && key <= kKeyCount);
    return (mode == KeyMode::Minor ? kMinorNames : kNames)[static_cast<size_t>(key - 1)];
}

int keyNamed(std::string_view name, KeyMode mode) {
    for (int key = 1; key <= kKeyCount; ++key) {
        if (keyName(key, mode) == name) {
            return key;
        }
    }
    return 0;
}

std::string pictureFile(int key, Clef clef) {
    const std::string number = std::to_string(key) + ".gif";
    return clef == Clef::Treble ? number : std::string(clefWord(clef)) + "-" + number;
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

}  // namespace keytable
