#include "compose/compose.h"
#include "support.h"

#include <QSet>

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
    QImage icon = tile(white);
    icon.setPixel(3, 4, red);
    icon.setPixel(5, 6, grey250);
    icon.setPixel(7, 8, black);
    for (const QRgb key : {white, grey250}) {
        QImage target = tile(blue);
        composeOnto(icon, target, key);
        QImage expected = key == white ? tile(blue) : tile(white);
        for (const QPoint p : {QPoint(3, 4), QPoint(5, 6), QPoint(7, 8)})
            expected.setPixel(p, icon.pixel(p) == key ? blue : icon.pixel(p));
        EXPECT_EQ(target, expected) << std::hex << key;
    }
    // A small picture leaves the rest at the empty colour, which covers a tile; a large one
    // is cut; alpha from a file does not make a white pixel a colour.
    QImage large = filled({40, 50}, white);
    large.setPixel(31, 31, red);
    large.setPixel(32, 0, blue);
    QImage withAlpha(side, side, QImage::Format_ARGB32);
    withAlpha.fill(0xffffffff);
    for (const QImage &picture :
        {filled({10, 5}, red), filled({40, 3}, red), filled({3, 40}, red), large, withAlpha, QImage()}) {
        const QImage working = workingIcon(picture);
        ASSERT_EQ(working.size(), QSize(side, side));
        for (int y = 0; y < side; ++y)
            for (int x = 0; x < side; ++x)
                ASSERT_EQ(working.pixel(x, y),
                    x < picture.width() && y < picture.height() ? picture.pixel(x, y) | black : emptyColour)
                    << picture.width() << "x" << picture.height() << " at " << x << "," << y;
    }
    QImage target = tile(blue);
    composeOnto(workingIcon(withAlpha), target, white);
    EXPECT_EQ(target, tile(blue));
    EXPECT_EQ(emptyArea(), tile(qRgb(64, 64, 64)));
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
                    << "round " << round << " at " << x << "," << y;
            }
    }
    // No effect, an effect past the last, a picture short of 32 either way, nothing but
    // background or no background at all: no outline.
    QImage dot = tile(white);
    dot.setPixel(4, 4, red);
    const struct {
        QImage icon;
        int effect;
    } none[] = {{dot, 0}, {dot, 11}, {dot, -1}, {dot.copy(0, 0, 31, 32), 3}, {dot.copy(0, 0, 32, 31), 3},
        {tile(red), 2}, {tile(white), 2}};
    for (const auto &c : none)
        EXPECT_EQ(outlined(c.icon, c.effect, white), c.icon)
            << c.effect << " " << c.icon.width() << "x" << c.icon.height();
    for (const auto &[effect, y, colour] : {std::tuple{3, 0, 0xffff7825u}, {10, 31, 0xfffd7f7fu}, {6, 5, black},
             {0, 3, black}, {11, 3, black}, {3, 32, black}, {3, -1, black}})
        EXPECT_EQ(textureColour(effect, y), colour) << effect << " row " << y;
    // Numbered as the textures are, not as the list is sorted.
    const std::pair<const char *, int> effects[]
        = {{"None", 0}, {"Magic", 1}, {"Fire", 3}, {"Nonmagic", 6}, {"Spell Vuln", 10}};
    for (const auto &[entry, effect] : effects)
        EXPECT_EQ(edgeEffectFor(entry), effect) << entry;
    for (const char *other : {"", "fire", " Fire", "Spell", "0"})
        EXPECT_FALSE(edgeEffectFor(other)) << other;
    QSet<int> listed; // every effect listed once
    for (const QString &entry : edgeEffectEntries())
        listed.insert(edgeEffectFor(entry).value_or(-1));
    EXPECT_EQ(listed, QSet<int>({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
}

TEST(Mask, WholeNumbersGiveGreysAndOnlyWhatDiffersIsKept)
{
    for (const auto &[text, colour] :
        {std::pair{"255", white}, {"250", grey250}, {"0", black}, {" 12 ", qRgb(12, 12, 12)}})
        EXPECT_EQ(maskColour(text), colour) << text;
    for (const char *bad : {"", "256", "-1", "12.5", "abc", "1e2", "25 5"})
        EXPECT_FALSE(maskColour(bad)) << bad;
    QImage background = tile(qRgb(30, 60, 90));
    background.setPixel(0, 0, red);
    EXPECT_EQ(maskByDifference(background, background), tile(white));
    QImage withIcon = background;
    withIcon.setPixel(8, 9, blue);
    withIcon.setPixel(31, 31, qRgb(30, 60, 91)); // one step off is a difference
    QImage expected = tile(white);
    expected.setPixel(8, 9, blue);
    expected.setPixel(31, 31, qRgb(30, 60, 91));
    EXPECT_EQ(maskByDifference(withIcon, background), expected);
}

TEST(Colour, BalanceAndOverallAdjustmentClampAndRoundHalvesToEven)
{
    const struct {
        int component;
        float factor;
        int expected;
    } cases[] = {{1, 0.5f, 0}, {3, 0.5f, 2}, {5, 0.5f, 2}, {7, 0.5f, 4}, {255, 0.9927f, 253}, {255, 2.0f, 255},
        {200, -1.0f, 0}, {0, 1e30f, 0}, {255, 1e30f, 255}, {100, 1.0f, 100},
        {10, std::numeric_limits<float>::quiet_NaN(), 0}};
    for (const auto &c : cases)
        EXPECT_EQ(scaleComponent(c.component, c.factor), c.expected) << c.component << " x " << c.factor;
    QImage sweep(side, side, QImage::Format_RGB32);
    for (int x = 0; x < side; ++x)
        for (int y = 0; y < side; ++y)
            sweep.setPixel(x, y, qRgb(255 - x * 8, y * 8 + 3, (x * 37 + y * 11) % 256));
    sweep.setPixel(1, 1, black);
    sweep.setPixel(2, 2, qRgb(255, 1, 0));
    EXPECT_EQ(colourBalance(sweep, 1, 1, 1), sweep);
    EXPECT_EQ(colourBalance(sweep, 0, 0, 0), tile(black));
    EXPECT_EQ(overallAdjustment(sweep, 1.0f), sweep); // despite the float ratio in between
    EXPECT_EQ(overallAdjustment(sweep, 0.0f), tile(black));
    EXPECT_EQ(overallAdjustment(sweep, -3.0f), tile(black));
    const QImage doubled = overallAdjustment(sweep, 2.0f);
    EXPECT_EQ(
        colourBalance(tile(qRgb(3, 100, 200)), 0.5f, 1.0f, 2.0f), tile(qRgb(2, 100, 255))); // each channel its own
    EXPECT_EQ(doubled.pixel(1, 1), black);
    EXPECT_EQ(doubled.pixel(2, 2), qRgb(255, 2, 0)); // the hue is kept, not every channel doubled
    EXPECT_EQ(overallAdjustment(tile(qRgb(100, 150, 200)), 2.0f), tile(qRgb(200, 255, 255)));
    EXPECT_EQ(overallAdjustment(tile(qRgb(1, 3, 0)), 0.5f), tile(qRgb(0, 2, 0)));
}

TEST(Colour, ConformityNudgeAndConvertedNames)
{
    QImage icon = tile(white), result = tile(blue); // white pixels of the icon are not counted
    icon.setPixel(4, 4, black);
    icon.setPixel(6, 6, black);
    result.setPixel(4, 4, qRgb(3, 4, 12));
    result.setPixel(6, 6, black);
    QImage one = tile(white), off = tile(white);
    one.setPixel(0, 0, black);
    off.setPixel(0, 0, qRgb(3, 2, 1));
    const struct {
        std::optional<double> value;
        const char *text;
    } figures[] = {{conformity(tile(red), tile(red)), "0"}, {conformity(icon, result), "6.5"}, // (13 + 0) / 2
        {conformity(one, off), "3.74165725708008"}, // both roots in single precision, not 3.74165749549866
        {conformity(tile(white), tile(red)), "n/a"}, {1.0 / 3.0, "0.333333333333333"}};
    for (const auto &f : figures)
        EXPECT_EQ(conformityText(f.value), f.text);
    const struct {
        const char *text;
        char key;
        std::optional<QString> expected;
    } nudges[] = {{"99.27", '4', "98.27"}, {"99.27", '6', "100.27"}, {"99.27", '7', "89.27"}, {"99.27", '9', "109.27"},
        {"0", '4', "-1"}, {" 5 ", '9', "15"}, {"74.21", '6', "75.21"}, {"99.27", '5', {}}, {"99.27", '8', {}},
        {"99.27", 'a', {}}, {"abc", '6', {}}, {"", '4', {}}, {"1e2", '9', {}}};
    for (const auto &n : nudges)
        EXPECT_EQ(nudge(n.text, QChar(n.key)), n.expected) << n.text << " key " << n.key;
    for (const auto &[from, to] : {std::pair{"/icons/Sword.png", "/icons/Sword.bmp"},
             {"/icons/Helm.jpeg", "/icons/Helm..bmp"}, {"abc", ".bmp"}, {"", ".bmp"}})
        EXPECT_EQ(bmpPathFor(from), to) << from;
}
