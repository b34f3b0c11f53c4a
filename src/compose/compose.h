#pragma once
// Icon composition and colour work on 32 x 32 pictures (RGB32): laying an icon over a
// background, outlining it by damage type, masking by difference, colour balance.

#include <QColor>
#include <QImage>
#include <QString>
#include <QStringList>
#include <optional>

namespace compose {

constexpr int side = 32;
// The colour of an empty 32 x 32 area.
constexpr QRgb emptyColour = 0xff404040; // RGB(64, 64, 64)
constexpr QRgb white = 0xffffffff;
constexpr QRgb outlineMarker = 0xffff00ff; // magenta between the two outline passes

// A 32 x 32 picture: the top-left 32 x 32 of picture, the rest of the area (when picture
// is smaller) left at the empty colour.
QImage workingIcon(const QImage &picture);
// A blank 32 x 32 area.
QImage emptyArea();

// Every pixel of icon that differs from key replaces the pixel of target; pixels equal to
// key leave it. Both 32 x 32.
void composeOnto(const QImage &icon, QImage &target, QRgb key);

// The effect number of an outline drop-down entry, by its untranslated name (0 for "None";
// nothing for a text that is no entry).
std::optional<int> edgeEffectFor(const QString &entry);
// The row colour of outline texture effect (1 to 10) at row y.
QRgb textureColour(int effect, int y);
// The outline step on the working icon, in place: background pixels (colour mask) with a
// direct neighbour that is neither background nor marker get the texture's row colour.
void outline(QImage &icon, int effect, QRgb mask);

// The mask colour from the mask drop-down's text: a whole number 0 to 255 gives (g, g, g).
std::optional<QRgb> maskColour(const QString &text);
inline const QStringList maskEntries = {QStringLiteral("255"), QStringLiteral("250"), QStringLiteral("0")};

// Pixels of picture equal to those of comparison become white; the others are kept.
QImage maskByDifference(const QImage &picture, const QImage &comparison);

// c x f in single precision, clamped to 0..255, rounded halves to even.
int scaleComponent(int component, float factor);
// Every pixel's red, green and blue scaled by the three factors.
QImage colourBalance(const QImage &source, float red, float green, float blue);
// Every pixel's brightness scaled by factor, keeping its hue.
QImage overallAdjustment(const QImage &source, float factor);
// The mean RGB distance between the working icon and the result over the icon's
// non-white pixels; nothing when the icon has none.
std::optional<double> conformity(const QImage &workingIcon, const QImage &result);
// The text shown for a conformity: up to 15 significant digits, or "n/a".
QString conformityText(std::optional<double> value);

// A nudge key typed for a percentage box holding text: the new text, or nothing when the
// key changes nothing ("4" -1, "6" +1, "7" -10, "9" +10) or the text is not a number.
std::optional<QString> nudge(const QString &text, QChar key);

// Where a converted picture goes: the dropped path without its last four characters,
// with ".bmp".
QString bmpPathFor(const QString &droppedPath);

} // namespace compose
