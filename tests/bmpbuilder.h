#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QString>
#include <QVector>

// Test fixtures: BMP files and tile folders made in the test code itself.
namespace BmpBuilder {

// A 24-bit uncompressed BMP of the picture.
QByteArray bmp24(const QImage &picture);

// A w x h picture filled with one colour, as RGB32.
QImage solid(QColor colour, int w = 50, int h = 50);

// A tile picture that differs for every seed: a frame and a seeded fill, so
// tests can tell tiles apart pixel by pixel.
QImage patterned(int seed, int w = 50, int h = 50);

// Writes <folder>/<code>.bmp for each code, each with its own pattern
// (seed = position in the list). Returns false when a file cannot be written.
bool writeTileFolder(const QString &folder, const QVector<QByteArray> &codes);

} // namespace BmpBuilder
