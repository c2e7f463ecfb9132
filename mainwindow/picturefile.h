#pragma once

#include <QImage>
#include <QString>
#include <functional>
#include <optional>

// Reads a picture file afresh, never blocking and never reading without bound: only a regular
// file of sensible size is opened, and only a GIF, a PNG or an uncompressed BMP that the file
// holds whole, every pixel of it, is read; a picture that would decode to a huge image is
// refused.
std::optional<QImage> loadPictureFile(const QString& path);

// The same, calling `meanwhile` once the file has been found and checked and before it is
// opened for reading; tests use it to change what the name stands for in between.
std::optional<QImage> loadPictureFile(const QString& path, const std::function<void()>& meanwhile);

// Decodes a GIF held in memory, as loadPictureFile does one read from disk: the first frame,
// transparent where the picture names a transparent colour; nullopt when it is broken.
std::optional<QImage> decodeGif(const QByteArray& data);
