#pragma once

#include <array>
#include <optional>
#include <string_view>

// The clefs a key signature can be shown in. Plain C++, so the quiz and the picture generator
// share it.
enum class Clef { Treble, Bass, Alto, Tenor };

constexpr std::array<Clef, 4> allClefs{Clef::Treble, Clef::Bass, Clef::Alto, Clef::Tenor};

// The clef's word: "bass" names "bass-3.gif" and "blankstaff-bass.gif"; the treble clef's
// pictures keep their plain names, "3.gif" and "blankstaff.gif".
constexpr std::string_view clefWord(Clef clef) {
    switch (clef) {
        case Clef::Bass:
            return "bass";
        case Clef::Alto:
            return "alto";
        case Clef::Tenor:
            return "tenor";
        case Clef::Treble:
            break;
    }
    return "treble";
}

// The clef of a word, as clefWord gives it, or none.
constexpr std::optional<Clef> clefOfWord(std::string_view word) {
    for (Clef clef : allClefs) {
        if (clefWord(clef) == word) {
            return clef;
        }
    }
    return std::nullopt;
}
