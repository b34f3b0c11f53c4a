#include "compose/compose.h"
#include "support.h"


#include <limits>
#include <random>

using namespace compose;
using testsupport::filled;

namespace {

constexpr QRgb red = 0xffff0000, blue = 0xff0000ff, black = 0xff000000, grey250 = 0xfffafafa;

QImage tile(QRgb colour) { return filled({side, side}, colour); }

QImage outlined(QImage icon, int effect, QRgb mask)
{
    outline(icon, effect, mask);
    return icon;
}

} // namespace

TEST(ComposeRule, TheKeyColourIsSeeThroughAndTheWorkingIconIsAlways32By32)
{
    QImage icon = tile(white), onBlue = tile(blue), onGrey = tile(blue);
    icon.setPixel(3, 4, red);
    icon.setPixel(5, 6, grey250);
    composeOnto(icon, onBlue, white);
    composeOnto(icon, onGrey, grey250);
    EXPECT_EQ(
        QList<QRgb>({onBlue.pixel(3, 4), onBlue.pixel(5, 6), onBlue.pixel(0, 0)}), QList<QRgb>({red, grey250, blue}));
    EXPECT_EQ(
        QList<QRgb>({onGrey.pixel(3, 4), onGrey.pixel(5, 6), onGrey.pixel(0, 0)}), QList<QRgb>({red, blue, white}));
    // A small picture leaves the rest at the empty colour, which covers a tile; a large one is cut.
    QImage large = filled({40, 50}, white);
    large.setPixel(31, 31, red);
    for (const QImage &picture : {filled({10, 5}, red), filled({40, 3}, red), filled({3, 40}, red), large, QImage()}) {
        const QImage working = workingIcon(picture);
        ASSERT_EQ(working.size(), QSize(side, side));
        for (int y = 0; y < side; ++y)
            for (int x = 0; x < side; ++x)
                ASSERT_EQ(working.pixel(x, y),
                    x < picture.width() && y < picture.height() ? picture.pixel(x, y) : emptyColour)
                    << picture.width() << "x" << picture.height() << " at " << x << "," << y;
    }
    QImage withAlpha(side, side, QImage::Format_ARGB32); // alpha from a file makes no white a colour
    withAlpha.fill(0xffffffff);
    QImage target = tile(blue);
    composeOnto(workingIcon(withAlpha), target, white);
    EXPECT_EQ(target, tile(blue));
}

TEST(Outline, MarksExactlyTheBackgroundPixelsNextToTheIconInTheRowsColour)
{
    // An outline pixel is a background pixel with a direct neighbour that was neither
    // background nor marker before the step; a marker pixel is painted too.
    std::mt19937 gen(7);
    const QRgb palette[] = {white, white, white, red, outlineMarker, grey250, black, black};
    for (int round = 0; round < 60; ++round) {
        const QRgb mask = round % 3 == 0 ? white : round % 3 == 1 ? grey250 : black;
        QImage icon(side, side, QImage::Format_RGB32);
        for (int x = 0; x < side; ++x)
            for (int y = 0; y < side; ++y)
                icon.setPixel(x, y, palette[gen() % (round < 30 ? 6 : 8)]);
        const int effect = 1 + round % 10;
        const QImage out = outlined(icon, effect, mask);
        const auto isIcon = [&](int x, int y) {
            return x >= 0 && y >= 0 && x < side && y < side && icon.pixel(x, y) != mask
                && icon.pixel(x, y) != outlineMarker;
        };
        for (int x = 0; x < side; ++x)
            for (int y = 0; y < side; ++y) {
                const QRgb before = icon.pixel(x, y);
                const bool marked = before == outlineMarker
                    || (before == mask
                        && (isIcon(x - 1, y) || isIcon(x + 1, y) || isIcon(x, y - 1) || isIcon(x, y + 1)));
                ASSERT_EQ(out.pixel(x, y), marked ? textureColour(effect, y) : before)
                    << round << " at " << x << "," << y;
            }
    }
    // No effect, one past the last, a picture short of 32 either way, all or no background.
    QImage dot = tile(white);
    dot.setPixel(4, 4, red);
    for (const auto &[icon, effect] : {std::pair{dot, 0}, {dot, 11}, {dot, -1}, {dot.copy(0, 0, 31, 32), 3},
             {dot.copy(0, 0, 32, 31), 3}, {tile(red), 2}, {tile(white), 2}})
        EXPECT_EQ(outlined(icon, effect, white), icon) << effect << " " << icon.width() << "x" << icon.height();
    for (const auto &[effect, y, colour] : {std::tuple{1, 0, 0xff70d6ffu}, {3, 0, 0xffff7825u}, {10, 31, 0xfffd7f7fu},
             {6, 5, black}, {0, 3, black}, {11, 3, black}, {3, 32, black}, {3, -1, black}})
        EXPECT_EQ(textureColour(effect, y), colour) << effect << " row " << y;
    // Numbered as the textures are, not as the list is sorted.
    for (const auto &[entry, effect] : {std::pair{"None", 0}, {"Magic", 1}, {"Nonmagic", 6}, {"Spell Vuln", 10}})
        EXPECT_EQ(edgeEffectFor(entry), effect) << entry;
    for (const char *other : {"", "fire", " Fire", "Spell"})
        EXPECT_FALSE(edgeEffectFor(other)) << other;
}

TEST(Colour, MaskBalanceAndOverallAdjustmentClampAndRoundHalvesToEven)
{
    for (const auto &[text, colour] :
        {std::pair{"255", white}, {"250", grey250}, {"0", black}, {" 12 ", qRgb(12, 12, 12)}})
        EXPECT_EQ(maskColour(text), colour) << text;
    for (const char *bad : {"", "256", "-1", "12.5", "abc", "1e2"})
        EXPECT_FALSE(maskColour(bad)) << bad;
    QImage background = tile(qRgb(30, 60, 90)), withIcon = background, expected = tile(white);
    withIcon.setPixel(8, 9, blue);
    withIcon.setPixel(31, 31, qRgb(30, 60, 91)); // one step off is a difference
    expected.setPixel(8, 9, blue);
    expected.setPixel(31, 31, qRgb(30, 60, 91));
    EXPECT_EQ(maskByDifference(withIcon, background), expected);

    for (const auto &[component, factor, scaled] :
        {std::tuple{1, 0.5f, 0}, {3, 0.5f, 2}, {5, 0.5f, 2}, {255, 0.9927f, 253}, {255, 2.0f, 255}, {200, -1.0f, 0},
            {0, 1e30f, 0}, {255, 1e30f, 255}, {10, std::numeric_limits<float>::quiet_NaN(), 0}})
        EXPECT_EQ(scaleComponent(component, factor), scaled) << component << " x " << factor;
    QImage sweep(side, side, QImage::Format_RGB32);
    for (int x = 0; x < side; ++x)
        for (int y = 0; y < side; ++y)
            sweep.setPixel(x, y, qRgb(255 - x * 8, y * 8 + 3, (x * 37 + y * 11) % 256));
    sweep.setPixel(1, 1, black);
    sweep.setPixel(2, 2, qRgb(255, 1, 0));
    EXPECT_EQ(colourBalance(sweep, 1, 1, 1), sweep);
    EXPECT_EQ(overallAdjustment(sweep, 1.0f), sweep); // despite the float ratio in between
    EXPECT_EQ(
        colourBalance(tile(qRgb(3, 100, 200)), 0.5f, 1.0f, 2.0f), tile(qRgb(2, 100, 255))); // each channel its own
    for (const float factor : {0.0f, -3.0f})
        EXPECT_EQ(overallAdjustment(sweep, factor), tile(black)) << factor;
    const QImage doubled = overallAdjustment(sweep, 2.0f);
    EXPECT_EQ(
        QList<QRgb>({doubled.pixel(1, 1), doubled.pixel(2, 2)}), QList<QRgb>({black, qRgb(255, 2, 0)})); // the hue kept
    EXPECT_EQ(overallAdjustment(tile(qRgb(100, 150, 200)), 2.0f), tile(qRgb(200, 255, 255)));
    EXPECT_EQ(overallAdjustment(tile(qRgb(1, 3, 0)), 0.5f), tile(qRgb(0, 2, 0)));
}

TEST(Colour, ConformityNudgeAndConvertedNames)
{
    QImage icon = tile(white), result = tile(blue), single = tile(white), off = tile(white); // white is not counted
    icon.setPixel(4, 4, black);
    icon.setPixel(6, 6, black);
    result.setPixel(4, 4, qRgb(3, 4, 12));
    result.setPixel(6, 6, black);
    single.setPixel(0, 0, black);
    off.setPixel(0, 0, qRgb(3, 2, 1));
    for (const auto &[value, text] :
        {std::pair<std::optional<double>, const char *>{conformity(tile(red), tile(red)), "0"},
            {conformity(icon, result), "6.5"},             // (13 + 0) / 2
            {conformity(single, off), "3.74165725708008"}, // both roots in single precision, not 3.74165749549866
            {conformity(tile(qRgb(0, 0, 10)), tile(qRgb(0, 0, 4))), "6"}, {conformity(tile(white), tile(red)), "n/a"},
            {1.0 / 3.0, "0.333333333333333"}})
        EXPECT_EQ(conformityText(value), text);
    for (const auto &[text, key, nudged] :
        {std::tuple<const char *, char, std::optional<QString>>{"99.27", '4', "98.27"}, {"99.27", '6', "100.27"},
            {"99.27", '7', "89.27"}, {"99.27", '9', "109.27"}, {" 5 ", '9', "15"}, {"74.21", '6', "75.21"},
            {"99.27", '5', {}}, {"99.27", '8', {}}, {"abc", '6', {}}, {"", '4', {}}})
        EXPECT_EQ(nudge(text, QChar(key)), nudged) << text << " key " << key;
    for (const auto &[from, to] : {std::pair{"/icons/Sword.png", "/icons/Sword.bmp"},
             {"/icons/Helm.jpeg", "/icons/Helm..bmp"}, {"abc", ".bmp"}, {"", ".bmp"}})
        EXPECT_EQ(bmpPathFor(from), to) << from;
}
