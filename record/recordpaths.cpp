#include "recordpaths.h"

#include <QStandardPaths>

namespace recordpaths {

namespace {

// The generic folders with the program's own name, rather than QStandardPaths' application
// folders: those follow the application and organisation names, so a test binary, a benchmark
// or a later organisation name would each look somewhere else.
QString inFolder(QStandardPaths::StandardLocation location, const QString& file) {
    return QStandardPaths::writableLocation(location) + "/duridaz/" + file;
}

}  // namespace

QString settingsFile() {
    return inFolder(QStandardPaths::GenericConfigLocation, "duridaz.conf");
}

QString database() {
    return inFolder(QStandardPaths::GenericDataLocation, "record.db");
}

}  // namespace recordpaths
