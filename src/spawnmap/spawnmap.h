#pragma once
// The spawn map: a screenshot of the map viewer compared with a reference screenshot of
// the same map without markers; every 2 x 2 block of the 512 x 512 sampling window where
// the two differ becomes a red pixel on a white 256 x 256 map.

#include <QImage>
#include <QPoint>
#include <QString>

namespace spawnMap {

constexpr int mapSize = 256;
constexpr int windowSize = 2 * mapSize;
// The largest X or Y: the whole sampling window must stay within 16-bit coordinates.
constexpr int maxOffset = 32767 - (windowSize - 1);
constexpr QRgb white = 0xFFFFFFFF;
constexpr QRgb red = 0xFFFF0000;

inline const QString referenceFileName = QStringLiteral("Spawn Map Comparison.bmp");
inline const QString fileNameStart = QStringLiteral("Spawn Map ");
// Whether the whole sampling window at offset lies in 0..32767 both ways.
bool offsetValid(QPoint offset);

// A white map (RGB32, mapSize x mapSize).
QImage blankMap();

// Marks map columns first..last-1 (map must be a blank or partly made map from blankMap;
// marked pixels are set red, the others are left alone). A sampling position outside one
// picture differs from the other picture's colour there; outside both it counts as equal.
// Each picture pixel in those columns' part of the window is read once. Nothing is done
// for an offset that offsetValid refuses.
void markColumns(const QImage &reference, const QImage &screenshot, QPoint offset, QImage &map, int first,
                 int last);
// The whole map; a blank map for a refused offset.
QImage compare(const QImage &reference, const QImage &screenshot, QPoint offset);

} // namespace spawnMap
