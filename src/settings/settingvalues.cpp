#include "settings/settingvalues.h"

#include "common/numbers.h"

#include <algorithm>
#include <climits>

namespace settings::values {

int twipsToPixels(int twips)
{
    return int(numbers::roundHalfEven(double(twips) / twipsPerPixel));
}

int pixelsToTwips(int pixels)
{
    return pixels * twipsPerPixel;
}

int windowTwipsFor(int contentPixels, int minimumTwips)
{
    constexpr long long chromeTwips = 1020;
    const long long twips = (long long)twipsPerPixel * contentPixels + chromeTwips;
    return int(std::clamp<long long>(twips, minimumTwips, INT_MAX));
}

int opacityFromText(const QString &text)
{
    constexpr int fallback = 128;
    const auto value = numbers::toNumber(text);
    if (!value || *value < 0.0 || *value > 255.0)
        return fallback;
    return int(numbers::roundHalfEven(*value));
}

} // namespace settings::values
