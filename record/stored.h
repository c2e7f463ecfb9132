#pragma once

#include <QDateTime>
#include <QString>
#include <QVariant>
#include <optional>
#include <string_view>

// How values are written in the settings file and the record.
namespace stored {

inline QString word(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// UTC with milliseconds, "2024-03-01T18:04:05.123Z": text that sorts as the times do.
inline QString time(const QDateTime& at) {
    return at.toUTC().toString(Qt::ISODateWithMs);
}

inline QDateTime timeFrom(const QString& text) {
    return QDateTime::fromString(text, Qt::ISODateWithMs);
}

template <typename T>
QVariant orNull(const std::optional<T>& value) {
    return value ? QVariant::fromValue(*value) : QVariant();
}

}  // namespace stored
