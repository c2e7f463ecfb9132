#pragma once

#include <QString>

// Where the remembered settings and the record live: the desktop's usual config and data
// folders, each with a folder "duridaz" of its own. Asking creates nothing.
namespace recordpaths {

QString settingsFile();
QString database();

}  // namespace recordpaths
