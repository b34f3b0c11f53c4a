#pragma once
// How the window's own settings are read from and written to their text.

#include <QString>

namespace settings::values {

constexpr int twipsPerPixel = 15;

int twipsToPixels(int twips);
int pixelsToTwips(int pixels);

// The window's size as designed, which every tab switch restores.
constexpr int designedWindowWidthTwips = 5400;
constexpr int designedWindowHeightTwips = 9100;
// A window grown to show contentPixels of a picture along one side: its frame and the
// controls around the picture take 1020 twips; never less than minimumTwips. Computed
// without overflow.
int windowTwipsFor(int contentPixels, int minimumTwips);

// A number from 0 to 255, rounded halves to even; anything else gives 128.
int opacityFromText(const QString &text);

} // namespace settings::values
