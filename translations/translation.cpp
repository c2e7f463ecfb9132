#include "translation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <algorithm>

namespace {

const QString kFolder = QStringLiteral(":/i18n");
const QString kPrefix = QStringLiteral("duridaz_");
// The language of the sources, whose translation holds only the plural forms of its counts.
const QString kEnglish = QStringLiteral("en");

// "de-Latn-AT" and "de_AT" both give "de".
QString baseLanguage(const QString& language) {
    const auto end = std::find_if(language.begin(), language.end(),
                                  [](QChar c) { return c == '-' || c == '_'; });
    return QStringView(language.begin(), end).toString().toLower();
}

// Asked for by name: listing the folder costs more than the few names a user's languages give.
bool isTranslated(const QString& language) {
    return QFile::exists(kFolder + '/' + kPrefix + language + ".qm");
}

}  // namespace

QStringList Translation::available() {
    QStringList languages;
    for (const QString& file : QDir(kFolder).entryList({kPrefix + "*.qm"}, QDir::Files)) {
        languages << file.mid(kPrefix.size()).chopped(3);
    }
    languages.removeOne(kEnglish);
    return languages;
}

QString Translation::chooseFrom(const QStringList& userLanguages) {
    for (const QString& language : userLanguages) {
        const QString base = baseLanguage(language);
        if (base == QLatin1String("en")) {
            return {};
        }
        for (const QString& candidate : {QLocale(language).name(), base}) {
            if (isTranslated(candidate)) {
                return candidate;
            }
        }
    }
    return {};
}

Translation::Translation(const QStringList& userLanguages) : language_(chooseFrom(userLanguages)) {
    if (own_.load(kPrefix + (language_.isEmpty() ? kEnglish : language_), kFolder)) {
        QCoreApplication::installTranslator(&own_);
    }
    if (language_.isEmpty()) {
        return;
    }
    // Qt's words on its own buttons; without them the dialogs' buttons stay in English.
    if (qts_.load(QStringLiteral("qtbase_") + language_,
                  QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(&qts_);
    }
}

Translation::~Translation() {
    QCoreApplication::removeTranslator(&qts_);
    QCoreApplication::removeTranslator(&own_);
}
