#include "settings/settingvalues.h"

#include "common/numconv.h"

namespace settingValues {

int twipsToPixels(int twips)
{
    return int(modVandrel::roundHalfEven(double(twips) / twipsPerPixel));
}

int pixelsToTwips(int pixels)
{
    return pixels * twipsPerPixel;
}

int opacityFromText(const QString &text)
{
    constexpr int fallback = 128;
    const auto value = modVandrel::toNumber(text);
    if (!value || *value < 0.0 || *value > 255.0)
        return fallback;
    return int(modVandrel::roundHalfEven(*value));
}

} // namespace settingValues
