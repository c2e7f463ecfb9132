#include "progresstext.h"

#include <QCoreApplication>
#include <QLocale>
#include <string>

#include "keytable.h"

namespace progresstext {

namespace {

QString translated(const char* context, std::string_view english) {
    return QCoreApplication::translate(context, std::string(english).c_str());
}

QString clefWords(Clef clef) {
    switch (clef) {
        case Clef::Bass:
            return QCoreApplication::translate("ProgressText", "Bass clef");
        case Clef::Alto:
            return QCoreApplication::translate("ProgressText", "Alto clef");
        case Clef::Tenor:
            return QCoreApplication::translate("ProgressText", "Tenor clef");
        case Clef::Treble:
            break;
    }
    return QCoreApplication::translate("ProgressText", "Treble clef");
}

}  // namespace

QString keyName(int key, KeyMode mode) {
    return translated("KeyName", keytable::keyName(key, mode));
}

QString referenceName(KeyMode mode) {
    if (mode == KeyMode::Minor) {
        //: The minor key without sharps or flats, at the top of the circle of fifths.
        return QCoreApplication::translate("KeyName", "A Minor");
    }
    //: The major key without sharps or flats, at the top of the circle of fifths.
    return QCoreApplication::translate("KeyName", "C");
}

QString heading(Clef clef, KeyMode mode) {
    const QString keys = mode == KeyMode::Minor
                             ? QCoreApplication::translate("ProgressText", "minor keys")
                             : QCoreApplication::translate("ProgressText", "major keys");
    //: What the window shows: "Bass clef, minor keys".
    return QCoreApplication::translate("ProgressText", "%1, %2").arg(clefWords(clef), keys);
}

QString percent(int value) {
    //: A percentage: "85%", as your language writes it.
    return QCoreApplication::translate("ProgressText", "%1%").arg(QLocale().toString(value));
}

QString seconds(std::optional<int> ms) {
    if (!ms) {
        return QStringLiteral("\u2014");
    }
    //: A time in seconds with one decimal: "2.4 s".
    return QCoreApplication::translate("ProgressText", "%1 s")
        .arg(QLocale().toString(*ms / 1000.0, 'f', 1));
}

QString bandWords(Band band) {
    const int middling = int(kMiddlingFrom * 100);
    const int mastered = int(kMasteredFrom * 100);
    switch (band) {
        case Band::Mastered:
            return QCoreApplication::translate("ProgressText", "%1% or more right").arg(mastered);
        case Band::Middling:
            return QCoreApplication::translate("ProgressText", "%1 to %2% right")
                .arg(middling)
                .arg(mastered - 1);
        case Band::Missed:
            return QCoreApplication::translate("ProgressText", "Under %1% right").arg(middling);
        case Band::NotAsked:
            break;
    }
    return QCoreApplication::translate("ProgressText", "Not asked yet");
}

QString slowWords(int slowMs) {
    return QCoreApplication::translate("ProgressText", "Slower than %1 on average")
        .arg(seconds(slowMs));
}

}  // namespace progresstext
