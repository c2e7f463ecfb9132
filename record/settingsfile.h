#pragma once

#include <QCoreApplication>
#include <QString>

#include "clef.h"
#include "keymode.h"

// The settings and choices that are remembered across runs while the record is kept.
struct StoredSettings {
    int seconds = 5;     // per question, 0 to 10
    int questions = 16;  // per quiz, 1 to 25
    int keyKind = 3;     // 1 flat keys, 2 sharp keys, 3 both
    Clef clef = Clef::Treble;
    KeyMode mode = KeyMode::Major;
    bool practice = false;
    bool keepRecord = false;

    bool operator==(const StoredSettings&) const = default;
};

// The settings file, an INI file the user may edit by hand. Reading never changes it, and a
// value that makes no sense falls back to its default alone.
class SettingsFile {
    Q_DECLARE_TR_FUNCTIONS(SettingsFile)

public:
    explicit SettingsFile(QString path) : path_(std::move(path)) {}

    struct Loaded {
        StoredSettings settings;
        QString message;  // for the user when the file could not be read; empty otherwise
    };
    // A missing file gives the defaults and no message; it is not created.
    Loaded load() const;
    // Replaces the file as a whole (a kill leaves the old file or the new one), creating its
    // folder first. Returns a message for the user when it could not, else an empty string.
    QString save(const StoredSettings& settings) const;

    const QString& path() const { return path_; }

private:
    QString path_;
};
