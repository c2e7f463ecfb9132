#pragma once

#include <QImage>
#include <QSize>
#include <optional>

#include "clef.h"
#include "musicfont.h"

// The staff shown in the picture box, in one clef: empty, or with one key signature.

enum class Accidental { Sharp, Flat };

struct KeySignature {
    Accidental kind;
    int count;  // 1 to 7
};

// Pictures 1 to 7 hold 1 to 7 sharps, pictures 8 to 14 hold 1 to 7 flats.
KeySignature keySignatureOfPicture(int pictureNumber);

namespace StaffLayout {
constexpr int staffSpace = 14;
constexpr int topLineY = 34;
constexpr int bottomLineY = topLineY + 4 * staffSpace;
constexpr int lineLeftX = 4;
constexpr int lineRightX = 191;  // inclusive; the blank staff picture is only 195 wide
constexpr int clefX = 10;
constexpr int firstAccidentalX = 61;
constexpr int sharpAdvance = 17;
constexpr int flatAdvance = 15;
}  // namespace StaffLayout

// Staff steps from the bottom line (0; odd steps are spaces) in the order they are written.
int accidentalStep(Clef clef, Accidental kind, int position);

// Black on white, rounded to sixteen greys; the staff and clef fall on the same pixels whatever the
// picture size and key. Scale 2 draws the picture at twice size, each line two pixels thick.
QImage drawStaffPicture(const MusicFont& font, Clef clef, QSize size,
                        std::optional<KeySignature> key, int scale = 1);

constexpr QSize keyPictureSize{198, 121};
constexpr QSize blankStaffSize{195, 200};
