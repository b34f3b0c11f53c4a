// The steps of "4 Merge" fed random pictures of any size and format: the working icon,
// laying an icon over a tile, the outlines, the mask by difference, colour balance and its
// conformity figure, and the typed values of its boxes.

#include "fuzzing.h"
#include "common/numconv.h"
#include "compose/compose.h"

#include <cmath>

using fuzzing::check;

namespace {

void checkIcon(const QImage &icon, const char *what)
{
    check(icon.size() == QSize(compose::side, compose::side), what);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider in(data, size);
    const float factors[3] = {in.ConsumeFloatingPoint<float>(), in.ConsumeFloatingPoint<float>(),
                              in.ConsumeFloatingPoint<float>()};
    const QRgb key = in.ConsumeIntegral<QRgb>();
    const QString typed = fuzzing::text(in, 16);
    const QChar nudgeKey = QChar(char16_t(in.ConsumeIntegral<uint16_t>()));
    const QImage dropped = fuzzing::picture(in), other = fuzzing::picture(in);

    QImage icon = compose::workingIcon(dropped);
    checkIcon(icon, "the working icon is 32 x 32");
    QImage tile = compose::workingIcon(other);
    compose::composeOnto(icon, tile, key);
    checkIcon(tile, "a composed tile stays 32 x 32");
    for (const QString &entry : compose::edgeEffectEntries())
        if (const auto effect = compose::edgeEffectFor(entry); effect && *effect > 0) {
            QImage outlined = icon;
            compose::outline(outlined, *effect, compose::maskColour(typed).value_or(compose::white));
            checkIcon(outlined, "an outlined icon stays 32 x 32");
        }
    const QImage masked = compose::maskByDifference(dropped, other);
    checkIcon(masked, "the mask is 32 x 32");

    const QImage balanced = compose::colourBalance(icon, factors[0], factors[1], factors[2]);
    const QImage overall = compose::overallAdjustment(icon, factors[0]);
    check(balanced.size() == icon.size() && overall.size() == icon.size(), "colour balance keeps the size");
    for (const QImage &result : {balanced, overall})
        if (const auto value = compose::conformity(icon, result))
            check(std::isfinite(*value) && *value >= 0 && *value <= 442, "conformity is a colour distance");
    compose::conformityText(compose::conformity(icon, balanced));
    if (const auto nudged = compose::nudge(typed, nudgeKey))
        check(numbers::toNumber(*nudged).has_value(), "a nudged value is a number", *nudged);
    compose::bmpPathFor(typed);
    return 0;
}
