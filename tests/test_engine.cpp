// The quiz engine on its own: question picking, answer preparation and grading, with the
// draws scripted so each rule can be steered into.
#include <QtTest>
#include <array>
#include <charconv>
#include <cmath>
#include <set>

#include "counter.h"
#include "engine.h"
#include "fakewindow.h"
#include "scriptedrandom.h"

namespace {

using keytable::KeyKind;
// Short names are given as std::string ("A"s): GCC 12 takes the copy of a one-letter literal
// into a fresh string for an overlap when it inlines it (-Wrestrict at -O3).
using namespace std::string_literals;

const float kLargestBelowOne = std::nextafter(1.0f, 0.0f);

struct Rig {
    QuizState state;
    FakeWindow window;
    ScriptedRandom random;
    QuizEngine engine{state, window, random};
};

std::set<std::string> shownNames(const FakeWindow& window) {
    return {window.choices[1], window.choices[2], window.choices[3], window.choices[4]};
}

}  // namespace

class EngineTest : public QObject {
    Q_OBJECT
private slots:
    void wholeNumbersStayInRangeForEveryDraw_data();
    void wholeNumbersStayInRangeForEveryDraw();
    void eachKindDrawsOnlyItsKeys_data();
    void eachKindDrawsOnlyItsKeys();
    void aQuestionNeverRepeatsThePreviousKey();
    void theFirstQuestionMayBeAnyKey();
    void everyDrawOfAKeyIsReseededFirst();
    void aMissingPictureStillAsksTheNewKeyByItsOwnName();
    void eachClefShowsItsOwnPictureFile_data();
    void eachClefShowsItsOwnPictureFile();
    void distractorsAreThreeOtherDistinctNamesFromAllKeys();
    void allTwentyFourOrdersOccurEvenly();
    void aRightAnswerCountsAndClearsTheArrows();
    void aWrongOrMissingAnswerTurnsTheAnswerRed_data();
    void aWrongOrMissingAnswerTurnsTheAnswerRed();
    void countersAreWrittenAsPlainDecimals();
    void countersReadAndWriteAsTheDecimalConversionsDo_data();
    void countersReadAndWriteAsTheDecimalConversionsDo();
};

void EngineTest::wholeNumbersStayInRangeForEveryDraw_data() {
    QTest::addColumn<int>("span");
    QTest::addColumn<int>("base");
    QTest::newRow("flat keys") << 7 << 8;
    QTest::newRow("sharp keys") << 7 << 1;
    QTest::newRow("all keys") << 14 << 1;
    QTest::newRow("positions") << 4 << 1;
}

void EngineTest::wholeNumbersStayInRangeForEveryDraw() {
    QFETCH(int, span);
    QFETCH(int, base);
    QCOMPARE(wholeNumber(0.0f, span, base), base);
    QCOMPARE(wholeNumber(kLargestBelowOne, span, base), base + span - 1);
    for (int value = base; value < base + span; ++value) {
        QCOMPARE(wholeNumber(ScriptedRandom::drawFor(value, span, base), span, base), value);
    }
}

void EngineTest::eachKindDrawsOnlyItsKeys_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    QTest::newRow("flats") << 1 << 8 << 14;
    QTest::newRow("sharps") << 2 << 1 << 7;
    QTest::newRow("both") << 3 << 1 << 14;
}

void EngineTest::eachKindDrawsOnlyItsKeys() {
    QFETCH(int, kind);
    QFETCH(int, first);
    QFETCH(int, last);
    Rig rig;
    rig.state.keyKind = static_cast<KeyKind>(kind);
    std::set<int> seen;
    for (int i = 0; i < 400; ++i) {
        rig.state.keyNum = 0;
        rig.random.script({i % 2 ? kLargestBelowOne : static_cast<float>(i) / 400.0f});
        rig.engine.PickQuestion();
        seen.insert(rig.state.keyNum);
        QVERIFY(rig.state.keyNum >= first && rig.state.keyNum <= last);
        QCOMPARE(rig.window.picture, keytable::pictureFile(rig.state.keyNum));
        QCOMPARE(rig.state.keyName, std::string(keytable::keyName(rig.state.keyNum)));
    }
    QCOMPARE(static_cast<int>(seen.size()), last - first + 1);
}

void EngineTest::aQuestionNeverRepeatsThePreviousKey() {
    Rig rig;
    rig.state.keyNum = 6;
    rig.random.script({ScriptedRandom::drawFor(6, 14, 1), ScriptedRandom::drawFor(6, 14, 1),
                       ScriptedRandom::drawFor(2, 14, 1)});
    rig.engine.PickQuestion();
    QCOMPARE(rig.state.keyNum, 2);
    QCOMPARE(rig.state.keyName, std::string("D"));
    for (int i = 0; i < 1000; ++i) {
        const int previous = rig.state.keyNum;
        rig.engine.PickQuestion();
        QVERIFY(rig.state.keyNum != previous);
    }
}

void EngineTest::theFirstQuestionMayBeAnyKey() {
    Rig rig;
    rig.random.script({0.0f});
    rig.engine.PickQuestion();
    QCOMPARE(rig.state.keyNum, 1);
    QCOMPARE(rig.random.draws, 1);
}

void EngineTest::everyDrawOfAKeyIsReseededFirst() {
    Rig rig;
    rig.engine.PickQuestion();
    rig.engine.PickDistractors();
    QCOMPARE(rig.random.reseeds, rig.random.draws);
    const int reseeds = rig.random.reseeds;
    rig.engine.PlaceAnswers();
    QCOMPARE(rig.random.reseeds, reseeds);

    // Reseeding many times within one clock tick must not freeze the draws.
    ClockRandom clockRandom;
    std::set<float> draws;
    for (int i = 0; i < 100; ++i) {
        clockRandom.reseed();
        draws.insert(clockRandom.next());
    }
    QVERIFY(draws.size() > 90);
}

void EngineTest::aMissingPictureStillAsksTheNewKeyByItsOwnName() {
    Rig rig;
    rig.window.missing = {"5.gif"};
    rig.state.keyName = "E Flat";  // left over from an earlier question's distractors
    rig.random.script({ScriptedRandom::drawFor(5, 14, 1)});
    rig.engine.prepareQuestion();
    QCOMPARE(rig.window.reports, std::vector<std::string>{"5.gif"});
    QCOMPARE(rig.window.picture, std::string("blank staff"));
    QCOMPARE(rig.state.answer, std::string("B"));
    QCOMPARE(rig.window.choices[static_cast<size_t>(rig.state.rightPos)], std::string("B"));
    QCOMPARE(shownNames(rig.window).size(), size_t{4});
}

void EngineTest::eachClefShowsItsOwnPictureFile_data() {
    QTest::addColumn<int>("clef");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("file");
    QTest::newRow("treble") << int(Clef::Treble) << 9 << "9.gif";
    QTest::newRow("bass") << int(Clef::Bass) << 5 << "bass-5.gif";
    QTest::newRow("alto") << int(Clef::Alto) << 14 << "alto-14.gif";
    QTest::newRow("tenor") << int(Clef::Tenor) << 1 << "tenor-1.gif";
}

void EngineTest::eachClefShowsItsOwnPictureFile() {
    QFETCH(int, clef);
    QFETCH(int, key);
    QFETCH(QString, file);
    Rig rig;
    rig.state.clef = static_cast<Clef>(clef);
    rig.random.script({ScriptedRandom::drawFor(key, 14, 1)});
    rig.engine.prepareQuestion();
    QCOMPARE(QString::fromStdString(rig.window.picture), file);
}

void EngineTest::distractorsAreThreeOtherDistinctNamesFromAllKeys() {
    Rig rig;
    rig.state.keyKind = KeyKind::Sharps;
    std::set<std::string> wrongNames;
    for (int i = 0; i < 500; ++i) {
        rig.engine.prepareQuestion();
        const std::string key(keytable::keyName(rig.state.keyNum));
        QCOMPARE(rig.state.answer, key);
        const std::set<std::string> wrong = {rig.state.wrong1, rig.state.wrong2, rig.state.wrong3};
        QCOMPARE(wrong.size(), size_t{3});
        QVERIFY(!wrong.contains(key));
        QCOMPARE(shownNames(rig.window).size(), size_t{4});
        wrongNames.insert(wrong.begin(), wrong.end());
    }
    // Flat names appear among the wrong answers of a sharps-only drill.
    QCOMPARE(wrongNames.size(), size_t{14});
}

void EngineTest::allTwentyFourOrdersOccurEvenly() {
    Rig rig;
    rig.state.answer = "A"s;
    rig.state.wrong1 = "B"s;
    rig.state.wrong2 = "C"s;
    rig.state.wrong3 = "D"s;
    std::map<std::string, int> orders;
    const int rounds = 24000;
    for (int i = 0; i < rounds; ++i) {
        rig.engine.PlaceAnswers();
        const auto& c = rig.window.choices;
        orders[c[1] + c[2] + c[3] + c[4]]++;
        QCOMPARE(c[static_cast<size_t>(rig.state.rightPos)], std::string("A"));
    }
    QCOMPARE(orders.size(), size_t{24});
    // Chi-square with 23 degrees of freedom: 49.7 is the 0.1% critical value.
    const double expected = rounds / 24.0;
    double chiSquare = 0;
    for (const auto& [order, count] : orders) {
        chiSquare += (count - expected) * (count - expected) / expected;
    }
    QVERIFY2(chiSquare < 49.7, qPrintable(QString::number(chiSquare)));
}

void EngineTest::aRightAnswerCountsAndClearsTheArrows() {
    Rig rig;
    rig.window.captions[Caption::Right] = "0"s;
    rig.state.rightPos = 3;
    rig.window.loadArrow(3);
    QVERIFY(rig.engine.CheckAnswer());
    QCOMPARE(rig.window.caption(Caption::Right), std::string("1"));
    QCOMPARE(rig.window.caption(Caption::Wrong), std::string("00"));
    QCOMPARE(rig.window.arrowCount(), 0);
    QVERIFY(!rig.window.anyRed());
}

void EngineTest::aWrongOrMissingAnswerTurnsTheAnswerRed_data() {
    QTest::addColumn<int>("arrowAt");
    QTest::newRow("no arrow") << 0;
    QTest::newRow("arrow beside another answer") << 2;
}

void EngineTest::aWrongOrMissingAnswerTurnsTheAnswerRed() {
    QFETCH(int, arrowAt);
    Rig rig;
    rig.window.captions[Caption::Wrong] = "9"s;
    rig.state.rightPos = 4;
    if (arrowAt != 0) {
        rig.window.loadArrow(arrowAt);
    }
    QVERIFY(!rig.engine.CheckAnswer());
    QCOMPARE(rig.window.caption(Caption::Wrong), std::string("10"));
    QCOMPARE(rig.window.colours[4], kRed);
    QCOMPARE(rig.window.colours[2], kWhite);
    QCOMPARE(rig.window.arrowCount(), arrowAt != 0 ? 1 : 0);
}

void EngineTest::countersAreWrittenAsPlainDecimals() {
    QCOMPARE(counter::stepped("00", 1), std::string("1"));
    QCOMPARE(counter::stepped("9", 1), std::string("10"));
    QCOMPARE(counter::stepped("1", -1), std::string("0"));
    QCOMPARE(counter::stepped("0", -1), std::string("-1"));
    QCOMPARE(counter::valueOf(""), 0.0);
    QCOMPARE(counter::valueOf("5500"), 5500.0);
    std::string caption = "0";
    for (int i = 1; i <= 1000; ++i) {
        caption = counter::stepped(caption, 1);
        QCOMPARE(caption, std::to_string(i));
    }
}

// Whole numbers take a shorter way than other numbers; both give what the general decimal
// conversions give, at the edges of the shorter way too.
void EngineTest::countersReadAndWriteAsTheDecimalConversionsDo_data() {
    QTest::addColumn<QString>("caption");
    QTest::newRow("zero") << "0";
    QTest::newRow("negative zero") << "-0";
    QTest::newRow("largest written as digits") << "99999";
    QTest::newRow("shorter as 1e+05") << "100000";
    QTest::newRow("negative, shorter as -1e+05") << "-100000";
    QTest::newRow("fraction") << "2.5";
    QTest::newRow("point without fraction") << "7.";
    QTest::newRow("text after digits") << "12abc";
}

void EngineTest::countersReadAndWriteAsTheDecimalConversionsDo() {
    QFETCH(QString, caption);
    const std::string text = caption.toStdString();
    double general = 0;
    std::from_chars(text.data(), text.data() + text.size(), general, std::chars_format::fixed);
    const double value = counter::valueOf(text);
    QCOMPARE(value, general);
    QCOMPARE(std::signbit(value), std::signbit(general));
    std::array<char, 32> buffer{};
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), general).ptr;
    QCOMPARE(counter::textOf(general), std::string(buffer.data(), end));
}

QTEST_GUILESS_MAIN(EngineTest)
#include "test_engine.moc"
