#pragma once
// How the window's own settings are read from and written to their text.

#include <QString>

namespace settingValues {

constexpr int twipsPerPixel = 15;

int twipsToPixels(int twips);
int pixelsToTwips(int pixels);

// A number from 0 to 255, rounded halves to even; anything else gives 128.
int opacityFromText(const QString &text);

} // namespace settingValues
