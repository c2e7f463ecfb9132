#include "settingsfile.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>
#include <optional>

#include "stored.h"

namespace {

constexpr const char* kSeconds = "seconds";
constexpr const char* kQuestions = "questions";
constexpr const char* kKeyKind = "keyKind";
constexpr const char* kClef = "clef";
constexpr const char* kMode = "mode";
constexpr const char* kPractice = "practice";
constexpr const char* kKeepRecord = "keepRecord";

// Each value is read as the text the file holds: QVariant would take "banana" for true.
QString textOf(const QSettings& file, const char* key) {
    return file.value(key).toString().trimmed().toLower();
}

std::optional<int> numberIn(const QSettings& file, const char* key, int lowest, int highest) {
    bool ok = false;
    const int number = textOf(file, key).toInt(&ok);
    return ok && number >= lowest && number <= highest ? std::optional(number) : std::nullopt;
}

std::optional<bool> yesOrNoIn(const QSettings& file, const char* key) {
    const QString text = textOf(file, key);
    if (text == "true" || text == "1") {
        return true;
    }
    if (text == "false" || text == "0") {
        return false;
    }
    return std::nullopt;
}

// The one of `all` whose word the file holds.
template <typename T, size_t N, typename Word>
std::optional<T> wordIn(const QSettings& file, const char* key, const std::array<T, N>& all,
                        Word word) {
    const QString text = textOf(file, key);
    for (T item : all) {
        if (text == QLatin1String(word(item))) {
            return item;
        }
    }
    return std::nullopt;
}

StoredSettings settingsIn(const QSettings& file) {
    const StoredSettings defaults;
    StoredSettings read;
    read.seconds = numberIn(file, kSeconds, 0, 10).value_or(defaults.seconds);
    read.questions = numberIn(file, kQuestions, 1, 25).value_or(defaults.questions);
    read.keyKind = numberIn(file, kKeyKind, 1, 3).value_or(defaults.keyKind);
    read.clef = wordIn(file, kClef, allClefs, clefWord).value_or(defaults.clef);
    read.mode = wordIn(file, kMode, allKeyModes, keyModeWord).value_or(defaults.mode);
    read.practice = yesOrNoIn(file, kPractice).value_or(defaults.practice);
    read.keepRecord = yesOrNoIn(file, kKeepRecord).value_or(defaults.keepRecord);
    return read;
}

}  // namespace

SettingsFile::Loaded SettingsFile::load() const {
    if (!QFileInfo::exists(path_)) {
        return {};
    }
    const QSettings file(path_, QSettings::IniFormat);
    const StoredSettings read = settingsIn(file);
    switch (file.status()) {
        case QSettings::NoError:
            return {read, {}};
        case QSettings::FormatError:
            return {{},
                    tr("The settings in %1 could not be understood, so Duridaz starts with its "
                       "usual settings. The file is replaced when the settings are next saved.")
                        .arg(path_)};
        case QSettings::AccessError:
            break;
    }
    return {{},
            tr("The settings in %1 could not be read, so Duridaz starts with its usual "
               "settings.")
                .arg(path_)};
}

// Written out whole rather than through QSettings: QSettings keeps the first error it met, so a
// failed write over a file it could not parse would show only as that parse error, and QSaveFile
// says what went wrong. It writes a new file beside the old one and renames it over the old.
QString SettingsFile::save(const StoredSettings& settings) const {
    const QString folder = QFileInfo(path_).absolutePath();
    if (!QDir().mkpath(folder)) {
        return tr("The settings could not be saved: the folder %1 cannot be made.").arg(folder);
    }
    const auto yesOrNo = [](bool yes) { return QString(yes ? "true" : "false"); };
    const std::pair<const char*, QString> lines[] = {
        {kSeconds, QString::number(settings.seconds)},
        {kQuestions, QString::number(settings.questions)},
        {kKeyKind, QString::number(settings.keyKind)},
        {kClef, stored::word(clefWord(settings.clef))},
        {kMode, stored::word(keyModeWord(settings.mode))},
        {kPractice, yesOrNo(settings.practice)},
        {kKeepRecord, yesOrNo(settings.keepRecord)},
    };
    QByteArray text = "[General]\n";
    for (const auto& [key, value] : lines) {
        text += key + ('=' + value.toUtf8()) + '\n';
    }
    QSaveFile file(path_);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit()) {
        return tr("The settings could not be saved in %1 (%2).").arg(path_, file.errorString());
    }
    return {};
}
