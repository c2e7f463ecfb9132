// The staff pictures of every clef: the treble rest picture draws the staff they all share; each
// rest picture shows its clef on it; each key picture's accidentals, read back from its pixels,
// stand where engravers put them in its clef, evenly spaced after the clef, and add nothing else
// to its clef's rest picture.
#include <QtTest>

#include "staffink.h"

using namespace staffink;

namespace {

// Notes counted in steps of the scale, so that a line and the space above it are one apart:
// C4 is 28, D4 29, B4 34, C5 35.
int note(char letter, int octave) {
    return octave * 7 + static_cast<int>(QByteArray("CDEFGAB").indexOf(letter));
}

constexpr int kFourth = 3;
constexpr int kFifth = 4;
constexpr int kOctave = 7;

// The treble clef's signatures as engravers write them. The sharps climb the circle of fifths
// from F5 on the top line, each dropping an octave rather than rise above G5, the space above the
// staff; the flats descend it from B4 on the middle line, each rising an octave rather than fall
// below F4, the first space.
QList<int> trebleSignature(Kind kind) {
    QList<int> notes{kind == Kind::Sharp ? note('F', 5) : note('B', 4)};
    while (notes.size() < 7) {
        int next = notes.last() + (kind == Kind::Sharp ? kFifth : -kFifth);
        if (kind == Kind::Sharp && next > note('G', 5)) {
            next -= kOctave;
        }
        if (kind == Kind::Flat && next < note('F', 4)) {
            next += kOctave;
        }
        notes << next;
    }
    return notes;
}

// Tenor clef's sharps written like the others would start above the staff: engravers put F sharp
// on the second line, then go alternately up a fifth and down a fourth.
QList<int> tenorSharps() {
    QList<int> notes{note('F', 3)};
    while (notes.size() < 7) {
        notes << notes.last() + (notes.size() % 2 == 1 ? kFifth : -kFourth);
    }
    return notes;
}

struct ClefOnStaff {
    QString word;            // none for the treble clef
    int referenceNote;       // the note the clef names...
    int referenceLine;       // ...on this line, 1 being the bottom one
    int octavesBelowTreble;  // where it writes the treble clef's signatures
    double reachAbove;       // how far the clef glyph reaches above and below its line, in staff
    double reachBelow;       // spaces, as the music font measures it
};

const ClefOnStaff kClefs[] = {
    {"", note('G', 4), 2, 0, 4.392, 2.632},
    {"bass", note('F', 3), 4, 2, 1.048, 2.540},
    {"alto", note('C', 4), 3, 1, 2.024, 2.024},
    {"tenor", note('C', 4), 4, 1, 2.024, 2.024},
};

int referenceStep(const ClefOnStaff& clef) {
    return 2 * (clef.referenceLine - 1);
}

// The notes of the clef's signature: the treble clef's moved down whole octaves, but for tenor
// clef's sharps.
QList<int> signatureNotes(const ClefOnStaff& clef, Kind kind) {
    if (clef.word == QLatin1String("tenor") && kind == Kind::Sharp) {
        return tenorSharps();
    }
    QList<int> notes = trebleSignature(kind);
    for (int& written : notes) {
        written -= clef.octavesBelowTreble * kOctave;
    }
    return notes;
}

// Staff steps from the bottom line of the clef's signature with this many accidentals.
QList<int> signatureSteps(const ClefOnStaff& clef, Kind kind, int count) {
    QList<int> steps;
    for (int written : signatureNotes(clef, kind).first(count)) {
        steps << written - clef.referenceNote + referenceStep(clef);
    }
    return steps;
}

}  // namespace

class ClefPicturesTest : public QObject {
    Q_OBJECT
private slots:
    void trebleRestPictureDrawsTheSharedStaff_data();
    void trebleRestPictureDrawsTheSharedStaff();
    void restPictureShowsItsClefOnTheSharedStaff_data();
    void restPictureShowsItsClefOnTheSharedStaff();
    void keyPictureShowsItsSignatureOnItsClefsStaff_data();
    void keyPictureShowsItsSignatureOnItsClefsStaff();
};

void ClefPicturesTest::trebleRestPictureDrawsTheSharedStaff_data() {
    addScaleRows();
}

void ClefPicturesTest::trebleRestPictureDrawsTheSharedStaff() {
    QFETCH(int, scale);
    const QImage blank = loadPicture(blankStaffPath(scale));
    QVERIFY(!blank.isNull());
    auto countIn = [&blank, scale](const QRect& rect, bool (*test)(QRgb)) {
        return countPixels(blank, scaled(rect, scale), test);
    };
    const int pixelsPerPixel = scale * scale;
    for (int row : kLineRows) {
        QCOMPARE(countIn(QRect(60, row, 130, 1), isBlack), 130 * pixelsPerPixel);
        // Lines are one pixel thick, scale pixels when scaled; the rows beside them stay white
        // right of the clef.
        QCOMPARE(countPixels(blank, QRect(60 * scale, row * scale - 1, 135 * scale, 1), isWhite),
                 135 * scale);
        QCOMPARE(countPixels(blank, QRect(60 * scale, (row + 1) * scale, 135 * scale, 1), isWhite),
                 135 * scale);
    }
    // Lines stop short of the picture's right edge, so the key pictures, three columns wider, show
    // the same staff; below what the picture box shows, the picture is white.
    const QRect single(QPoint(), blank.size() / scale);
    QCOMPARE(countIn(QRect(single.right() - 1, 0, 2, single.height()), isWhite),
             2 * single.height() * pixelsPerPixel);
    const QRect belowTheBox(QPoint(0, kSharedStaffArea.height()), single.bottomRight());
    QCOMPARE(countIn(belowTheBox, isWhite), area(belowTheBox) * pixelsPerPixel);
    const int clefEdge = clefRightEdge(blank, scale);
    QVERIFY2(clefEdge >= 44 && clefEdge <= 50, qPrintable(QString::number(clefEdge)));
}

void ClefPicturesTest::restPictureShowsItsClefOnTheSharedStaff_data() {
    QTest::addColumn<int>("clef");
    QTest::addColumn<int>("scale");
    for (int clef = 0; clef < int(std::size(kClefs)); ++clef) {
        for (int scale : {1, 2}) {
            QTest::addRow("%s", qPrintable(blankStaffPath(scale, kClefs[clef].word)))
                << clef << scale;
        }
    }
}

void ClefPicturesTest::restPictureShowsItsClefOnTheSharedStaff() {
    QFETCH(int, clef);
    QFETCH(int, scale);
    const ClefOnStaff& shown = kClefs[clef];
    const QImage blank = loadPicture(blankStaffPath(scale, shown.word));
    const QImage treble = loadPicture(blankStaffPath(scale));
    QVERIFY(!blank.isNull());
    QCOMPARE(blank.size(), treble.size());

    // The clef glyph spans from its reach above its line to its reach below; the staff lines hide
    // a pixel at either end.
    const InkedGlyph ink = clefInk(blank, scale);
    const double lineRow = kBottomLineRow + 0.5 - referenceStep(shown) * kStaffSpace / 2.0;
    const double top = lineRow - shown.reachAbove * kStaffSpace;
    const double bottom = lineRow + shown.reachBelow * kStaffSpace;
    QVERIFY2(std::abs(ink.top - top) <= 2 && std::abs(ink.bottom + 1 - bottom) <= 2,
             qPrintable(QStringLiteral("ink from row %1 to %2, expected %3 to %4")
                            .arg(ink.top)
                            .arg(ink.bottom + 1)
                            .arg(top)
                            .arg(bottom)));
    // Every clef starts where the treble clef does; the F clef reaches a fiftieth of a staff
    // space further left.
    QVERIFY(std::abs(ink.left - clefInk(treble, scale).left) <= 1);

    // Right of the clef lie the treble clef's staff lines and nothing else.
    for (int y = 0; y < blank.height(); ++y) {
        for (int x = 55 * scale; x < blank.width(); ++x) {
            if (blank.pixel(x, y) != treble.pixel(x, y)) {
                QFAIL(qPrintable(QStringLiteral("pixel (%1, %2) differs").arg(x).arg(y)));
            }
        }
    }
}

void ClefPicturesTest::keyPictureShowsItsSignatureOnItsClefsStaff_data() {
    QTest::addColumn<QString>("clef");
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QList<int>>("steps");
    for (const ClefOnStaff& clef : kClefs) {
        for (int count = 1; count <= 7; ++count) {
            for (const auto& [kind, number] :
                 {std::pair{Kind::Sharp, count}, {Kind::Flat, count + 7}}) {
                QTest::addRow("%s", qPrintable(keyPicturePath(number, clef.word)))
                    << clef.word << number << static_cast<int>(kind)
                    << signatureSteps(clef, kind, count);
            }
        }
    }
}

void ClefPicturesTest::keyPictureShowsItsSignatureOnItsClefsStaff() {
    QFETCH(QString, clef);
    QFETCH(int, number);
    QFETCH(int, kind);
    QFETCH(QList<int>, steps);
    const QImage blank = loadPicture(blankStaffPath(1, clef));
    const QImage key = loadPicture(keyPicturePath(number, clef));
    QVERIFY(!blank.isNull() && !key.isNull());
    const QString misread = misreadKeySignature(key, blank, static_cast<Kind>(kind), steps);
    QVERIFY2(misread.isEmpty(), qPrintable(misread));
    const QString difference = differenceOffTheAccidentals(key, blank);
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
    // The columns the rest picture lacks show the picture box's white.
    const QRect beyondTheRest(blank.width(), 0, key.width() - blank.width(), key.height());
    QCOMPARE(countPixels(key, beyondTheRest, isWhite), area(beyondTheRest));

    // Every clef's signature starts where the treble clef's does, about a staff space after the
    // clef, and goes on in steady steps.
    const QList<InkedGlyph> glyphs = glyphColumns(key, blank);
    const QImage trebleKey = loadPicture(keyPicturePath(number));
    const QImage trebleBlank = loadPicture(blankStaffPath(1));
    QCOMPARE(glyphs.first().left, glyphColumns(trebleKey, trebleBlank).first().left);
    const double gap = gapAfterClef(glyphs, blank);
    QVERIFY2(gap >= 0.7 && gap <= 1.1, qPrintable(QString::number(gap)));
    const bool sharps = kind == static_cast<int>(Kind::Sharp);
    for (qsizetype i = 1; i < glyphs.size(); ++i) {
        const int advance = glyphs[i].left - glyphs[i - 1].left;
        const double inSpaces = advance / double(kStaffSpace);
        QVERIFY2(sharps ? inSpaces >= 1.1 && inSpaces <= 1.3 : inSpaces >= 0.95 && inSpaces <= 1.2,
                 qPrintable(QString::number(inSpaces)));
        QVERIFY(std::abs(advance - (glyphs[1].left - glyphs[0].left)) <= 1);
    }
}

QTEST_MAIN(ClefPicturesTest)
#include "test_clefpictures.moc"
