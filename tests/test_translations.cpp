// The program in each language it speaks: which language a user gets, the key names of each
// tradition, and every caption within its box.
#include <QAbstractButton>
#include <QLabel>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "about.h"
#include "form1.h"
#include "keytable.h"
#include "layout.h"
#include "messagebox.h"
#include "pictures.h"
#include "scriptedrandom.h"
#include "translation.h"
#include "widgettest.h"

namespace {

// How a musical tradition writes a key's name: its seven letters or syllables from C to B, how it
// marks a sharp or a flat, and how it names a minor key.
struct Tradition {
    QStringList steps;  // C D E F G A B
    QString sharp;      // a suffix
    QString flat;
    bool joined;          // suffixes joined to the letter (Fis, Es) rather than words (Fa dièse)
    QString minor;        // the suffix of a minor key
    bool minorLowercase;  // a minor key's letter in lower case (c-Moll)
};

const QMap<QString, Tradition>& traditions() {
    static const QMap<QString, Tradition> all = {
        {"de", {{"C", "D", "E", "F", "G", "A", "H"}, "is", "es", true, "-Moll", true}},
        {"nl", {{"C", "D", "E", "F", "G", "A", "B"}, "is", "es", true, " klein", true}},
        {"fr",
         {{"Do", "Ré", "Mi", "Fa", "Sol", "La", "Si"},
          " dièse",
          " bémol",
          false,
          " mineur",
          false}},
        {"es",
         {{"Do", "Re", "Mi", "Fa", "Sol", "La", "Si"},
          " sostenido",
          " bemol",
          false,
          " menor",
          false}},
        {"it",
         {{"Do", "Re", "Mi", "Fa", "Sol", "La", "Si"},
          " diesis",
          " bemolle",
          false,
          " minore",
          false}},
        {"pl", {{"C", "D", "E", "F", "G", "A", "H"}, "is", "es", true, "-moll", true}},
        {"ru",
         {{"До", "Ре", "Ми", "Фа", "Соль", "Ля", "Си"},
          "-диез",
          "-бемоль",
          false,
          " минор",
          false}},
    };
    return all;
}

// The names as musicians of each language write them, keys 1 to 14.
const QMap<QString, QStringList>& expectedNames() {
    static const QMap<QString, QStringList> all = {
        {"de", {"G", "D", "A", "E", "H", "Fis", "Cis", "F", "B", "Es", "As", "Des", "Ges", "Ces"}},
        {"nl",
         {"G", "D", "A", "E", "B", "Fis", "Cis", "F", "Bes", "Es", "As", "Des", "Ges", "Ces"}},
        {"fr",
         {"Sol", "Ré", "La", "Mi", "Si", "Fa dièse", "Do dièse", "Fa", "Si bémol", "Mi bémol",
          "La bémol", "Ré bémol", "Sol bémol", "Do bémol"}},
        {"es",
         {"Sol", "Re", "La", "Mi", "Si", "Fa sostenido", "Do sostenido", "Fa", "Si bemol",
          "Mi bemol", "La bemol", "Re bemol", "Sol bemol", "Do bemol"}},
        {"it",
         {"Sol", "Re", "La", "Mi", "Si", "Fa diesis", "Do diesis", "Fa", "Si bemolle", "Mi bemolle",
          "La bemolle", "Re bemolle", "Sol bemolle", "Do bemolle"}},
        {"pl", {"G", "D", "A", "E", "H", "Fis", "Cis", "F", "B", "Es", "As", "Des", "Ges", "Ces"}},
        {"ru",
         {"Соль", "Ре", "Ля", "Ми", "Си", "Фа-диез", "До-диез", "Фа", "Си-бемоль", "Ми-бемоль",
          "Ля-бемоль", "Ре-бемоль", "Соль-бемоль", "До-бемоль"}},
    };
    return all;
}

// The key's place on the circle of fifths (sharps above zero, flats below) that a name in
// this tradition stands for, or nullopt when it is no name of the tradition.
std::optional<int> fifthsOf(const QString& name, const Tradition& tradition) {
    constexpr int kFifthsFromC[] = {0, 2, 4, -1, 1, 3, 5};
    auto natural = [&](const QString& step) -> std::optional<int> {
        const qsizetype index = tradition.steps.indexOf(step);
        return index < 0 ? std::nullopt : std::optional(kFifthsFromC[index]);
    };
    if (tradition.joined && tradition.steps.last() == "H" && name == "B") {
        return natural("H").value() - 7;  // German B is B flat
    }
    if (auto plain = natural(name)) {
        return plain;
    }
    for (const auto& [suffix, shift] :
         {std::pair(tradition.sharp, 7), std::pair(tradition.flat, -7)}) {
        if (name.endsWith(suffix)) {
            if (auto step = natural(name.chopped(suffix.size()))) {
                return *step + shift;
            }
        }
    }
    // Es and As: a vowel takes the flat's "s" alone.
    if (tradition.joined && name.size() == 2 && name.endsWith('s')) {
        if (auto step = natural(name.left(1)); step && QString("AE").contains(name[0])) {
            return *step - 7;
        }
    }
    return std::nullopt;
}

int fifthsOfKey(int key) {
    return key <= 7 ? key : 7 - key;
}

// The place on the circle of fifths of a minor key's tonic, or nullopt. The relative minor lies
// three semitones below its major on the letter two steps down: three fifths further round.
std::optional<int> tonicFifthsOfMinor(QString name, const Tradition& tradition) {
    if (!name.endsWith(tradition.minor) || name.isEmpty() ||
        name[0].isLower() != tradition.minorLowercase) {
        return std::nullopt;
    }
    name.chop(tradition.minor.size());
    name[0] = name[0].toUpper();
    return fifthsOf(name, tradition);
}

QString translatedName(int key, KeyMode mode = KeyMode::Major) {
    const std::string english(keytable::keyName(key, mode));
    return QCoreApplication::translate("KeyName", english.c_str());
}

// The whole of a text, ink included, lies within width pixels of the font, and the font is
// narrowed to no less than three quarters of its width to get there.
bool fits(const QString& text, const QFont& font, int width) {
    const QFontMetrics metrics(font);
    const bool readable = font.stretch() == QFont::AnyStretch || font.stretch() >= QFont::Condensed;
    return readable && metrics.horizontalAdvance(text) <= width &&
           metrics.tightBoundingRect(text).right() < width;
}

// The room a label of the main window has: its box in the layout table, or less where a
// caption must stay clear of the bar beside it.
int roomOf(const QLabel* label) {
    const QVariant room = label->property("room");
    return room.isValid() ? room.toInt()
                          : layout::rectOf(label->objectName().toStdString()).width();
}

}  // namespace

class TranslationsTest : public QObject {
    Q_OBJECT
private slots:
    void theLanguageIsTheFirstOfTheUsersThatIsSpoken_data();
    void theLanguageIsTheFirstOfTheUsersThatIsSpoken();
    void eachNameIsItsTraditionsNameForTheKey_data();
    void eachNameIsItsTraditionsNameForTheKey();
    void everyCaptionFitsItsBox_data();
    void everyCaptionFitsItsBox();
    void theRightAnswerNamesTheKeyOnShow_data();
    void theRightAnswerNamesTheKeyOnShow();

private:
    void addLanguageRows(bool withEnglish);
};

void TranslationsTest::addLanguageRows(bool withEnglish) {
    QTest::addColumn<QString>("language");
    if (withEnglish) {
        QTest::newRow("en") << QString();
    }
    for (const QString& language : Translation::available()) {
        QTest::newRow(qPrintable(language)) << language;
    }
}

void TranslationsTest::theLanguageIsTheFirstOfTheUsersThatIsSpoken_data() {
    QTest::addColumn<QStringList>("preferred");
    QTest::addColumn<QString>("chosen");
    QTest::newRow("German") << QStringList{"de-DE", "de-Latn-DE"} << "de";
    QTest::newRow("Austrian German") << QStringList{"de-AT", "de-Latn-AT"} << "de";
    QTest::newRow("Austrian German, written with _") << QStringList{"de_AT"} << "de";
    QTest::newRow("Belgian Dutch") << QStringList{"nl-BE"} << "nl";
    QTest::newRow("French before German") << QStringList{"fr", "fr-FR", "de", "de-DE"} << "fr";
    QTest::newRow("American English") << QStringList{"en-US", "en-Latn-US", "en"} << "";
    QTest::newRow("English before German") << QStringList{"en", "en-US", "de", "de-DE"} << "";
    QTest::newRow("unspoken, then Italian") << QStringList{"pt-BR", "it-IT"} << "it";
    QTest::newRow("Russian before Polish") << QStringList{"ru-RU", "pl-PL"} << "ru";
    QTest::newRow("unspoken only") << QStringList{"ja-JP", "ja"} << "";
    QTest::newRow("C locale") << QStringList{"C"} << "";
    QTest::newRow("none") << QStringList{} << "";
}

void TranslationsTest::theLanguageIsTheFirstOfTheUsersThatIsSpoken() {
    QFETCH(QStringList, preferred);
    QFETCH(QString, chosen);
    QCOMPARE(Translation::available(), QStringList({"de", "es", "fr", "it", "nl", "pl", "ru"}));
    QCOMPARE(Translation::chooseFrom(preferred), chosen);
    const Translation translation(preferred);
    QCOMPARE(translation.language(), chosen);
    QCOMPARE(translatedName(6) == "F Sharp", chosen.isEmpty());
}

void TranslationsTest::eachNameIsItsTraditionsNameForTheKey_data() {
    addLanguageRows(false);
}

// Each name is checked against its key's signature by the tradition's own rules, so that a
// swapped pair fails, and must fit the narrowest answer label as the window draws it.
void TranslationsTest::eachNameIsItsTraditionsNameForTheKey() {
    QFETCH(QString, language);
    QVERIFY2(traditions().contains(language), "a language without its tradition's rules here");
    const Translation translation({language});
    QStringList names;
    for (int key = 1; key <= keytable::kKeyCount; ++key) {
        names << translatedName(key);
        const std::optional<int> fifths = fifthsOf(names.last(), traditions()[language]);
        QVERIFY2(fifths == fifthsOfKey(key),
                 qPrintable(QString("key %1 is named \"%2\"").arg(key).arg(names.last())));
    }
    QCOMPARE(names, expectedNames()[language]);
    for (int key = 1; key <= keytable::kKeyCount; ++key) {
        names << translatedName(key, KeyMode::Minor);
        QVERIFY2(tonicFifthsOfMinor(names.last(), traditions()[language]) == fifthsOfKey(key) + 3,
                 qPrintable(QString("key %1's minor is named \"%2\"").arg(key).arg(names.last())));
    }
    QCOMPARE(names.removeDuplicates(), 0);

    ScriptedRandom random;
    Form1 form(random, language);
    auto* narrowest = form.findChild<QLabel*>("choice(3)");
    for (int key = 1; key <= keytable::kKeyCount; ++key) {
        for (KeyMode mode : {KeyMode::Major, KeyMode::Minor}) {
            form.setChoiceText(3, std::string(keytable::keyName(key, mode)));
            QCOMPARE(narrowest->text(), translatedName(key, mode));
            QVERIFY2(fits(narrowest->text(), narrowest->font(), narrowest->width()),
                     qPrintable(narrowest->text()));
        }
    }
}

void TranslationsTest::everyCaptionFitsItsBox_data() {
    addLanguageRows(true);
}

void TranslationsTest::everyCaptionFitsItsBox() {
    QFETCH(QString, language);
    const Translation translation({language});
    ScriptedRandom random;
    Form1 form(random, language);
    for (const QLabel* label : form.findChildren<QLabel*>()) {
        QVERIFY2(fits(label->text(), label->font(), roomOf(label)), qPrintable(label->text()));
    }
    QCOMPARE(form.findChild<QLabel*>("Label1")->text() == "speed", language.isEmpty());

    Form3* about = Form3::open();
    QStringList captions;
    for (const QLabel* label : about->findChildren<QLabel*>()) {
        QVERIFY2(fits(label->text(), label->font(), label->width()), qPrintable(label->text()));
        captions << label->text();
    }
    QVERIFY(captions.contains("Duridaz 2") && captions.contains("duridaz.org"));
    QCOMPARE(captions.contains("Freeware"),
             language.isEmpty() || language == "de" || language == "it" || language == "nl");
    about->close();
    QTest::qWait(0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TranslationsTest::theRightAnswerNamesTheKeyOnShow_data() {
    addLanguageRows(false);
}

// Grading goes by position: the answer in the right place names the key on show, and the
// box for a missing picture speaks the user's language.
void TranslationsTest::theRightAnswerNamesTheKeyOnShow() {
    QFETCH(QString, language);
    const Translation translation({language});
    QTemporaryDir folder;
    QDir::setCurrent(folder.path());
    QVERIFY(pictures::copyAllBut({"10.gif"}));
    ScriptedRandom random;
    random.script({ScriptedRandom::drawFor(10, 14, 1)});
    Form1 form(random, language);
    form.show();
    SeenBox seen;
    closeNextMessageBox(&seen, &form);
    auto click = [&form](const char* name) {
        QTest::mouseClick(form.findChild<QLabel*>(name), Qt::LeftButton);
    };
    click("lgo");
    QCOMPARE(seen.title, QString("10.gif"));
    QVERIFY2(!seen.text.isEmpty() && seen.text != "A File That Is Needed Was Not Found!",
             qPrintable(seen.text));

    QVERIFY(pictures::copyAllBut());
    for (int question = 0; question < 8; ++question) {
        const int key = form.state().keyNum;
        const QString right = QString("choice(%1)").arg(form.state().rightPos);
        QCOMPARE(form.findChild<QLabel*>(right)->text(), expectedNames()[language][key - 1]);
        for (const char* command : {"lstop", "lrestart", "lgo"}) {
            click(command);
        }
    }
    form.close();
}

int main(int argc, char** argv) {
    return runWidgetTest<TranslationsTest>(argc, argv);
}

#include "test_translations.moc"
