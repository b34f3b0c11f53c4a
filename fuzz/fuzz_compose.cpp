// The steps of "4 Merge" fed random pictures of any size and format: the working icon, an
// icon laid over a tile, the outlines, the mask by difference, colour balance with its
// conformity figure, and the values typed in its boxes.

#include "fuzzing.h"
#include "common/numbers.h"
#include "compose/compose.h"

#include <cmath>

using fuzzing::check;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider in(data, size);
    const float red = in.ConsumeFloatingPoint<float>(), green = in.ConsumeFloatingPoint<float>(),
                blue = in.ConsumeFloatingPoint<float>();
    const QRgb key = in.ConsumeIntegral<QRgb>();
    const QString typed = fuzzing::text(in, 16);
    const QChar nudgeKey(char16_t(in.ConsumeIntegral<uint16_t>()));
    const QImage dropped = fuzzing::picture(in), other = fuzzing::picture(in);

    const QImage icon = compose::workingIcon(dropped);
    QImage tile = compose::workingIcon(other);
    compose::composeOnto(icon, tile, key);
    QList<QImage> results = {icon, tile, compose::maskByDifference(dropped, other),
                             compose::colourBalance(icon, red, green, blue), compose::overallAdjustment(icon, red)};
    compose::edgeEffectFor(typed); // an entry's name or any other text
    for (int effect = 1; effect <= 10; ++effect) { // every outline texture
        results.append(icon);
        compose::outline(results.last(), effect, compose::maskColour(typed).value_or(compose::white));
    }
    for (const QImage &result : results) {
        check(result.size() == QSize(compose::side, compose::side), "every step gives a 32 x 32 icon");
        if (const auto value = compose::conformity(icon, result))
            check(std::isfinite(*value) && *value >= 0 && *value <= 442, "conformity is a colour distance");
    }
    compose::conformityText(compose::conformity(icon, results[3]));
    if (const auto nudged = compose::nudge(typed, nudgeKey))
        check(numbers::toNumber(*nudged).has_value(), "a nudged value is a number", *nudged);
    compose::bmpPathFor(typed);
    return 0;
}
