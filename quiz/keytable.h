#pragma once

#include <string>
#include <string_view>

#include "clef.h"
#include "keymode.h"

// The fourteen keys of the drill: 1 to 7 carry 1 to 7 sharps, 8 to 14 carry 1 to 7 flats.
namespace keytable {

constexpr int kKeyCount = 14;

// Which keys a drill asks about.
enum class KeyKind { Flats = 1, Sharps = 2, Both = 3 };

struct KeyRange {
    int first;
    int count;
};

// The name shown on an answer label for key 1..14, in English; the window translates it. In
// minor, the key is the relative minor of the same signature: "E Flat" gives "C Minor".
std::string_view keyName(int key, KeyMode mode = KeyMode::Major);

// The key named so in a mode, or 0: keyNamed(keyName(k, mode), mode) is k.
int keyNamed(std::string_view name, KeyMode mode);

// The picture file of key 1..14 in a clef, read by relative name from the working directory:
// "3.gif" in the treble clef, "bass-3.gif" in the bass clef.
std::string pictureFile(int key, Clef clef = Clef::Treble);

KeyRange keysOfKind(KeyKind kind);

// How many sharps (keys 1..7) or flats (keys 8..14) the signature of key 1..14 has.
int accidentalCount(int key);

// What the picture of key 1..14 shows, in words, with "%n" for accidentalCount: "%n flats". Each
// language words the count its own way, so the words are translated with the count.
std::string_view signatureWords(int key);

}  // namespace keytable
