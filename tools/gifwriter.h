#pragma once

#include <QImage>
#include <QString>

// Writes an 8-bit indexed QImage as a GIF with exactly its colour table.
struct GifOptions {
    bool interlaced = false;
    int transparentIndex = -1;  // -1: every pixel is opaque
};

// Returns an empty string on success, otherwise what went wrong.
QString writeGif(const QString& path, const QImage& indexedImage, const GifOptions& options);
