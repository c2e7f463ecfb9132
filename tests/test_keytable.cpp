// The fourteen names, major and minor, held against their signatures, all worked out here from
// the notes themselves: the circle of fifths gives the key of each signature, the relative minor
// lies three semitones below on the letter two steps down, and the scale of each name gives back
// its signature. None repeats the table.
#include <QtTest>
#include <array>

#include "keytable.h"

namespace {

using keytable::KeyKind;

// A note as it is spelled: a letter (0 for C to 6 for B) and its sharps (+) or flats (-).
struct Note {
    int letter = 0;
    int alteration = 0;
};

constexpr std::array<char, 7> kLetters = {'C', 'D', 'E', 'F', 'G', 'A', 'B'};
// Semitones from C of the natural notes.
constexpr std::array<int, 7> kNaturalPitch = {0, 2, 4, 5, 7, 9, 11};

int pitchOf(Note note) {
    return (kNaturalPitch[static_cast<size_t>(note.letter)] + note.alteration + 12) % 12;
}

// The note a number of letters and semitones above another, spelled on the letter reached.
Note above(Note from, int letters, int semitones) {
    Note to{(from.letter + letters) % 7, 0};
    const int wanted = (pitchOf(from) + semitones) % 12;
    to.alteration = (wanted - pitchOf(to) + 18) % 12 - 6;  // the nearest spelling, -6 to +5
    return to;
}

// A perfect fifth is four letters and seven semitones up; a fifth down is a fourth up.
Note fifthUp(Note note) {
    return above(note, 4, 7);
}
Note fifthDown(Note note) {
    return above(note, 3, 5);
}

// "%n sharps with 3": the words of a signature as the key table gives them, which each
// language says with the count, and the count.
QString inWords(int count, const char* accidental) {
    return QString("%n %1s with %2").arg(accidental).arg(count);
}

QString nameOf(Note note) {
    QString name(kLetters[static_cast<size_t>(note.letter)]);
    if (note.alteration > 0) {
        name += " Sharp";
    } else if (note.alteration < 0) {
        name += " Flat";
    }
    return name;
}

// The major and the natural minor scale, in semitones from the tonic.
constexpr std::array<int, 7> kMajorScale = {0, 2, 4, 5, 7, 9, 11};
constexpr std::array<int, 7> kMinorScale = {0, 2, 3, 5, 7, 8, 10};

// The signature of the key named, major or minor ("C Sharp Minor"): the sharps or flats its
// scale needs, in words.
QString signatureOfKey(QString name) {
    const bool minor = name.endsWith(" Minor");
    name.chop(minor ? 6 : 0);
    const qsizetype letter = name.isEmpty() ? -1 : QString("CDEFGAB").indexOf(name[0]);
    const QString accidental = name.mid(1);
    if (letter < 0 || !QStringList({"", " Sharp", " Flat"}).contains(accidental)) {
        return "not a key name: " + name;
    }
    const Note tonic{static_cast<int>(letter),
                     accidental == " Sharp" ? 1 : (accidental == " Flat" ? -1 : 0)};
    const std::array<int, 7>& kSemitonesFromTonic = minor ? kMinorScale : kMajorScale;
    int sharps = 0;
    int flats = 0;
    for (int degree = 0; degree < 7; ++degree) {
        const Note note = above(tonic, degree, kSemitonesFromTonic[static_cast<size_t>(degree)]);
        sharps += qMax(note.alteration, 0);
        flats += qMax(-note.alteration, 0);
    }
    if (sharps > 0 && flats > 0) {
        return "a scale with sharps and flats";
    }
    const int count = sharps + flats;
    if (count == 0) {
        return "no sharps or flats";
    }
    return inWords(count, sharps > 0 ? "sharp" : "flat");
}

QString tableName(int key, KeyMode mode = KeyMode::Major) {
    const std::string_view name = keytable::keyName(key, mode);
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

}  // namespace

class KeyTableTest : public QObject {
    Q_OBJECT
private slots:
    void eachKeyIsNamedForItsSignature_data();
    void eachKeyIsNamedForItsSignature();
    void eachKindAsksTheKeysOfItsSignatures_data();
    void eachKindAsksTheKeysOfItsSignatures();
};

// Key n shows n sharps and key 7 + n shows n flats; its name is the key reached from C by
// n fifths up or down, and the scale of that name needs exactly the signature described.
void KeyTableTest::eachKeyIsNamedForItsSignature_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("signature");
    QTest::addColumn<QString>("minor");
    // The relative minor: three semitones down, on the letter two steps down.
    const auto relativeMinor = [](Note major) { return nameOf(above(major, 5, 9)) + " Minor"; };
    Note sharpKey;  // C
    Note flatKey;
    for (int count = 1; count <= 7; ++count) {
        sharpKey = fifthUp(sharpKey);
        flatKey = fifthDown(flatKey);
        const QString sharps = inWords(count, "sharp");
        const QString flats = inWords(count, "flat");
        QTest::newRow(qPrintable(sharps))
            << count << nameOf(sharpKey) << sharps << relativeMinor(sharpKey);
        QTest::newRow(qPrintable(flats))
            << 7 + count << nameOf(flatKey) << flats << relativeMinor(flatKey);
    }
}

void KeyTableTest::eachKeyIsNamedForItsSignature() {
    QFETCH(int, key);
    QFETCH(QString, name);
    QFETCH(QString, signature);
    QFETCH(QString, minor);
    QCOMPARE(tableName(key), name);
    QCOMPARE(tableName(key, KeyMode::Minor), minor);
    QCOMPARE(signatureOfKey(minor), signature);
    const std::string_view words = keytable::signatureWords(key);
    QCOMPARE(QString("%1 with %2")
                 .arg(QString::fromUtf8(words.data(), static_cast<qsizetype>(words.size())))
                 .arg(keytable::accidentalCount(key)),
             signature);
    QCOMPARE(signatureOfKey(tableName(key)), signature);
}

void KeyTableTest::eachKindAsksTheKeysOfItsSignatures_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QStringList>("signatures");
    QStringList sharps;
    QStringList flats;
    for (int count = 1; count <= 7; ++count) {
        sharps << inWords(count, "sharp");
        flats << inWords(count, "flat");
    }
    QTest::newRow("flats") << static_cast<int>(KeyKind::Flats) << flats;
    QTest::newRow("sharps") << static_cast<int>(KeyKind::Sharps) << sharps;
    QTest::newRow("both") << static_cast<int>(KeyKind::Both) << sharps + flats;
}

// Each kind draws the keys whose names' scales need its signatures, each of them once.
void KeyTableTest::eachKindAsksTheKeysOfItsSignatures() {
    QFETCH(int, kind);
    QFETCH(QStringList, signatures);
    const keytable::KeyRange range = keytable::keysOfKind(static_cast<KeyKind>(kind));
    QStringList asked;
    for (int key = range.first; key < range.first + range.count; ++key) {
        QVERIFY2(key >= 1 && key <= keytable::kKeyCount, qPrintable(QString::number(key)));
        asked << signatureOfKey(tableName(key));
    }
    asked.sort();
    signatures.sort();
    QCOMPARE(asked, signatures);
}

QTEST_GUILESS_MAIN(KeyTableTest)
#include "test_keytable.moc"
