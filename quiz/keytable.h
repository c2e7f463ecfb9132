#pragma once

#include <string>
#include <string_view>

// The fourteen keys of the drill: 1 to 7 carry 1 to 7 sharps, 8 to 14 carry 1 to 7 flats.
namespace keytable {

constexpr int kKeyCount = 14;

// Which keys a drill asks about.
enum class KeyKind { Flats = 1, Sharps = 2, Both = 3 };

struct KeyRange {
    int first;
    int count;
};

// The name shown on an answer label for key 1..14, in English; the window translates it.
std::string_view keyName(int key);

// The picture file of key 1..14, read by relative name from the working directory.
std::string pictureFile(int key);

KeyRange keysOfKind(KeyKind kind);

// How many sharps (keys 1..7) or flats (keys 8..14) the signature of key 1..14 has.
int accidentalCount(int key);

// What the picture of key 1..14 shows, in words, with "%n" for accidentalCount: "%n flats". Each
// language words the count its own way, so the words are translated with the count.
std::string_view signatureWords(int key);

// The key whose picture file this is ("9.gif" gives 9), or 0.
int keyOfPictureFile(std::string_view file);

}  // namespace keytable
