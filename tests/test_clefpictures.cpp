// The bass, alto and tenor clef pictures: each key picture's accidentals, read back from its
// pixels, stand where engravers put them in that clef; each rest picture shows its clef on the
// treble pictures' staff; and a clef's key pictures add only accidentals to its rest picture.
#include <QDir>
#include <QImageReader>
#include <QtTest>

#include "staffink.h"

using namespace staffink;

namespace {

QImage loadPicture(const QString& relative) {
    return QImageReader(QDir(QStringLiteral(SOURCE_DIR)).filePath(relative)).read();
}

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
    QString word;
    int referenceNote;       // the note the clef names...
    int referenceLine;       // ...on this line, 1 being the bottom one
    int octavesBelowTreble;  // where it writes the treble clef's signatures
    double reachAbove;       // how far the clef glyph reaches above and below its line, in staff
    double reachBelow;       // spaces, as the music font measures it
};

const ClefOnStaff kClefs[] = {
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
    void keyPictureShowsItsSignatureOnItsClefsStaff_data();
    void keyPictureShowsItsSignatureOnItsClefsStaff();
    void restPictureShowsItsClefOnTheTrebleStaff_data();
    void restPictureShowsItsClefOnTheTrebleStaff();
};

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

    // The signature starts where the treble clef's does, about a staff space after the clef.
    const QList<InkedGlyph> glyphs = glyphColumns(key, blank);
    const QImage trebleKey = loadPicture(keyPicturePath(number));
    const QImage trebleBlank = loadPicture(blankStaffPath(1));
    QCOMPARE(glyphs.first().left, glyphColumns(trebleKey, trebleBlank).first().left);
    const double gap = gapAfterClef(glyphs, blank);
    QVERIFY2(gap >= 0.7 && gap <= 1.1, qPrintable(QString::number(gap)));
}

void ClefPicturesTest::restPictureShowsItsClefOnTheTrebleStaff_data() {
    QTest::addColumn<int>("clef");
    QTest::addColumn<int>("scale");
    for (int clef = 0; clef < int(std::size(kClefs)); ++clef) {
        for (int scale : {1, 2}) {
            QTest::addRow("%s", qPrintable(blankStaffPath(scale, kClefs[clef].word)))
                << clef << scale;
        }
    }
}

void ClefPicturesTest::restPictureShowsItsClefOnTheTrebleStaff() {
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

QTEST_MAIN(ClefPicturesTest)
#include "test_clefpictures.moc"
