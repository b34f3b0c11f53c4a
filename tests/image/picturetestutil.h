#pragma once
// Pictures and file checks shared by the JPEG, BMP and loader tests.

#include <QDir>
#include <QFile>
#include <QImage>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <cstdlib>

namespace picturetest {

// A picture of distinct, reproducible colours: row, column and seed all change every pixel.
inline QImage noisyPicture(int width, int height, unsigned seed = 1)
{
    QImage picture(width, height, QImage::Format_RGB32);
    unsigned state = seed * 2654435761u + 1;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            state = state * 1664525u + 1013904223u;
            picture.setPixel(x, y, 0xff000000u | (state >> 8));
        }
    }
    return picture;
}

inline QString dataFile(const QString &name)
{
    return QStringLiteral(QUILLMARK_TEST_DATA "/") + name;
}

inline QByteArray bytesOf(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Every entry of the folder, hidden ones included: a temporary file left behind shows up.
inline QStringList entriesOf(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

// Largest difference of any channel between two pictures of the same size.
inline int largestDifference(const QImage &a, const QImage &b)
{
    int worst = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            worst = std::max({worst, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                              std::abs(qBlue(p) - qBlue(q))});
        }
    }
    return worst;
}

} // namespace picturetest
