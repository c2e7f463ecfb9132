#pragma once

#include <QImage>
#include <QString>
#include <optional>

// Reads a picture file afresh, never blocking and never reading without bound: only a regular
// file of sensible size is read, and a picture that would decode to a huge image, or a GIF
// cut short, is refused.
std::optional<QImage> loadPictureFile(const QString& path);

// Decodes a GIF held in memory, as loadPictureFile does one read from disk: the first frame,
// transparent where the picture names a transparent colour; nullopt when it is broken.
std::optional<QImage> decodeGif(const QByteArray& data);
