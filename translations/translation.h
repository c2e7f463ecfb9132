#pragma once

#include <QStringList>
#include <QTranslator>

// The language the program speaks: the first of the user's languages, in their order, that it
// has a translation for. A regional variant falls back to its language (de-AT to de); English,
// the language of the sources, ends the search, and its translation gives only the plural
// forms of the counted phrases ("1 question left", "2 questions left").
class Translation {
public:
    // Installs the translation, with Qt's own for its dialogs, into the running application.
    explicit Translation(const QStringList& userLanguages);
    ~Translation();
    Translation(const Translation&) = delete;
    Translation& operator=(const Translation&) = delete;

    // "de", "fr" and so on; empty for English.
    QString language() const { return language_; }

    // The languages the program has a translation for, English aside.
    static QStringList available();
    // What a user who prefers these languages (as QLocale::uiLanguages gives them) gets.
    static QString chooseFrom(const QStringList& userLanguages);

private:
    QString language_;
    QTranslator own_;
    QTranslator qts_;
};
