#pragma once

#include <QDir>
#include <QFile>
#include <QStringList>

// The program's pictures in the working directory, as a test wants them.
namespace pictures {

// Copies every picture the program reads, but those named; false if one could not be copied.
inline bool copyAllBut(const QStringList& except = {}) {
    const QDir assets(SOURCE_DIR "/assets");
    bool copied = true;
    for (const QString& name : assets.entryList({"*.gif"})) {
        QFile::remove(name);
        if (!except.contains(name)) {
            copied &= QFile::copy(assets.filePath(name), name);
        }
    }
    return copied;
}

// "1.gif" to "14.gif".
inline QStringList keyPictures() {
    QStringList names;
    for (int key = 1; key <= 14; ++key) {
        names << QString("%1.gif").arg(key);
    }
    return names;
}

}  // namespace pictures
