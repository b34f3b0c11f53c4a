#include "compose/compose.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QSet>
#include <limits>
#include <random>
#include <vector>

using namespace compose;

namespace {

constexpr QRgb red = 0xffff0000;
constexpr QRgb blue = 0xff0000ff;
constexpr QRgb black = 0xff000000;

QImage filled(QRgb colour, int w = side, int h = side)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

struct Pixel {
    int x, y;
};

// The pixels in which two 32 x 32 pictures differ.
std::vector<Pixel> changed(const QImage &before, const QImage &after)
{
    std::vector<Pixel> out;
    for (int x = 0; x < side; ++x)
        for (int y = 0; y < side; ++y)
            if (before.pixel(x, y) != after.pixel(x, y))
                out.push_back({x, y});
    return out;
}

QImage outlined(QImage icon, int effect, QRgb mask)
{
    outline(icon, effect, mask);
    return icon;
}

} // namespace

TEST(ComposeRule, KeyColourIsSeeThroughAndEverythingElseReplaces)
{
    QImage icon = filled(white);
    icon.setPixel(3, 4, red);
    icon.setPixel(5, 6, qRgb(250, 250, 250));
    icon.setPixel(7, 8, black);

    QImage onWhite = filled(blue);
    composeOnto(icon, onWhite, white);
    EXPECT_EQ(changed(filled(blue), onWhite).size(), 3u);
    EXPECT_EQ(onWhite.pixel(3, 4), red);
    EXPECT_EQ(onWhite.pixel(5, 6), qRgb(250, 250, 250));
    EXPECT_EQ(onWhite.pixel(0, 0), blue);

    // With a grey key the grey is see-through and white covers the target.
    QImage onGrey = filled(blue);
    composeOnto(icon, onGrey, qRgb(250, 250, 250));
    EXPECT_EQ(onGrey.pixel(5, 6), blue);
    EXPECT_EQ(onGrey.pixel(0, 0), white);
    EXPECT_EQ(onGrey.pixel(7, 8), black);
}

TEST(ComposeRule, WorkingIconIsAlways32By32)
{
    // A small picture leaves the rest at the empty colour, which is not white and so
    // covers the tile.
    const QImage small = workingIcon(filled(red, 10, 5));
    ASSERT_EQ(small.size(), QSize(side, side));
    EXPECT_EQ(small.pixel(9, 4), red);
    EXPECT_EQ(small.pixel(10, 4), emptyColour);
    EXPECT_EQ(small.pixel(9, 5), emptyColour);
    QImage tile = filled(blue);
    composeOnto(small, tile, white);
    EXPECT_EQ(tile.pixel(31, 31), emptyColour);

    QImage large = filled(white, 40, 50);
    large.setPixel(31, 31, red);
    large.setPixel(32, 0, blue);
    const QImage cut = workingIcon(large);
    ASSERT_EQ(cut.size(), QSize(side, side));
    EXPECT_EQ(cut.pixel(31, 31), red);
    EXPECT_EQ(cut.pixel(31, 0), white);

    EXPECT_EQ(workingIcon(QImage()), emptyArea());
    EXPECT_EQ(emptyArea().pixel(17, 3), qRgb(64, 64, 64));

    // Alpha from a file does not make an otherwise white pixel count as a colour.
    QImage withAlpha(side, side, QImage::Format_ARGB32);
    withAlpha.fill(0xffffffff);
    const QImage icon = workingIcon(withAlpha);
    QImage target = filled(blue);
    composeOnto(icon, target, white);
    EXPECT_EQ(target, filled(blue));
}

TEST(Outline, SinglePixelGetsFourNeighboursInRowColours)
{
    QImage icon = filled(white);
    icon.setPixel(10, 10, red);
    const QImage out = outlined(icon, 3, white);
    const auto diff = changed(icon, out);
    ASSERT_EQ(diff.size(), 4u);
    EXPECT_EQ(out.pixel(9, 10), textureColour(3, 10));
    EXPECT_EQ(out.pixel(11, 10), textureColour(3, 10));
    EXPECT_EQ(out.pixel(10, 9), textureColour(3, 9));
    EXPECT_EQ(out.pixel(10, 11), textureColour(3, 11));
    EXPECT_EQ(out.pixel(10, 10), red);
}

TEST(Outline, BorderIsNotIconAndSidesPastItGetNothing)
{
    struct Case {
        Pixel icon;
        std::vector<Pixel> expected;
    };
    const Case cases[] = {
        {{0, 0}, {{0, 1}, {1, 0}}},
        {{31, 31}, {{30, 31}, {31, 30}}},
        {{0, 15}, {{0, 14}, {0, 16}, {1, 15}}},
        {{15, 31}, {{14, 31}, {15, 30}, {16, 31}}},
    };
    for (const auto &c : cases) {
        QImage icon = filled(white);
        icon.setPixel(c.icon.x, c.icon.y, red);
        const QImage out = outlined(icon, 6, white);
        const auto diff = changed(icon, out);
        ASSERT_EQ(diff.size(), c.expected.size()) << c.icon.x << "," << c.icon.y;
        for (const auto &p : c.expected)
            EXPECT_EQ(out.pixel(p.x, p.y), black) << p.x << "," << p.y;
    }
}

TEST(Outline, MagentaIsNotIconAndGetsPainted)
{
    QImage icon = filled(white);
    icon.setPixel(5, 5, outlineMarker);
    const QImage out = outlined(icon, 1, white);
    const auto diff = changed(icon, out);
    ASSERT_EQ(diff.size(), 1u);
    EXPECT_EQ(out.pixel(5, 5), textureColour(1, 5));
    EXPECT_EQ(textureColour(1, 5), 0xff56a7ffu);
}

TEST(Outline, MaskColourDecidesTheBackground)
{
    // Pure white is icon on a black or a 250 grey background.
    for (const QRgb mask : {black, qRgb(250, 250, 250)}) {
        QImage icon = filled(mask);
        icon.setPixel(20, 20, white);
        EXPECT_EQ(changed(icon, outlined(icon, 3, mask)).size(), 4u) << std::hex << mask;
    }
    // A near-white icon pixel on a 250 background, and the 250 itself when it is not the mask.
    QImage grey = filled(qRgb(250, 250, 250));
    grey.setPixel(1, 1, qRgb(251, 251, 251));
    EXPECT_EQ(changed(grey, outlined(grey, 3, qRgb(250, 250, 250))).size(), 4u);
    EXPECT_TRUE(changed(grey, outlined(grey, 3, white)).empty());

    // No background at all, or nothing but background: no outline.
    EXPECT_TRUE(changed(filled(red), outlined(filled(red), 2, white)).empty());
    EXPECT_TRUE(changed(filled(white), outlined(filled(white), 2, white)).empty());
    // No effect: the step does nothing.
    QImage icon = filled(white);
    icon.setPixel(4, 4, red);
    EXPECT_EQ(outlined(icon, 0, white), icon);
}

TEST(Outline, MatchesNeighbourDefinitionOnRandomShapes)
{
    // The marked pixels are exactly the background pixels with a direct neighbour whose
    // colour before the step was neither background nor marker.
    std::mt19937 gen(7);
    const QRgb palette[] = {white, white, white, red, outlineMarker, qRgb(250, 250, 250)};
    for (int round = 0; round < 40; ++round) {
        const QRgb mask = round % 2 ? white : qRgb(250, 250, 250);
        QImage icon(side, side, QImage::Format_RGB32);
        for (int x = 0; x < side; ++x)
            for (int y = 0; y < side; ++y)
                icon.setPixel(x, y, palette[gen() % 6]);
        const int effect = 1 + round % 10;
        const QImage out = outlined(icon, effect, mask);

        const auto isIcon = [&](int x, int y) {
            if (x < 0 || y < 0 || x >= side || y >= side)
                return false;
            const QRgb c = icon.pixel(x, y);
            return c != mask && c != outlineMarker;
        };
        for (int x = 0; x < side; ++x)
            for (int y = 0; y < side; ++y) {
                const QRgb before = icon.pixel(x, y);
                const bool marked = before == outlineMarker ||
                                    (before == mask && (isIcon(x - 1, y) || isIcon(x + 1, y) ||
                                                        isIcon(x, y - 1) || isIcon(x, y + 1)));
                ASSERT_EQ(out.pixel(x, y), marked ? textureColour(effect, y) : before)
                    << "round " << round << " at " << x << "," << y;
            }
    }
}

TEST(Outline, TextureRowsAndEntries)
{
    struct Row {
        int effect, y;
        QRgb colour;
    };
    const Row rows[] = {{3, 0, 0xffff7825}, {3, 31, 0xffe25600}, {6, 0, black},       {6, 31, black},
                        {1, 0, 0xff70d6ff}, {2, 15, 0xff2ed841}, {4, 31, 0xffb300e2}, {5, 24, 0xff5c8381},
                        {7, 8, 0xffdcbcbc}, {8, 31, 0xff7a8189}, {9, 9, 0xffeae1c1},  {10, 31, 0xfffd7f7f}};
    for (const auto &r : rows)
        EXPECT_EQ(textureColour(r.effect, r.y), r.colour) << r.effect << " row " << r.y;

    // Fire outline pixels in the top and bottom rows.
    QImage icon = filled(white);
    icon.setPixel(5, 1, red);
    icon.setPixel(9, 30, red);
    const QImage out = outlined(icon, 3, white);
    EXPECT_EQ(out.pixel(5, 0), 0xffff7825u);
    EXPECT_EQ(out.pixel(9, 31), 0xffe25600u);

    EXPECT_EQ(edgeEffectEntries(),
              QStringList({"Acid", "Bludgeon", "Cold", "Fire", "Lightning", "Magic", "Spell Vuln", "None", "Nonmagic",
                           "Pierce", "Slash"}));
    const std::pair<const char *, int> effects[] = {{"None", 0},     {"Magic", 1},    {"Acid", 2},   {"Fire", 3},
                                                    {"Lightning", 4}, {"Cold", 5},    {"Nonmagic", 6}, {"Bludgeon", 7},
                                                    {"Slash", 8},    {"Pierce", 9},   {"Spell Vuln", 10}};
    for (const auto &[entry, effect] : effects)
        EXPECT_EQ(edgeEffectFor(entry), effect) << entry;
    for (const char *other : {"", "fire", " Fire", "Spell", "0"})
        EXPECT_FALSE(edgeEffectFor(other).has_value()) << other;
}

TEST(Mask, TypedWholeNumbersGiveGreys)
{
    EXPECT_EQ(maskEntries, QStringList({"255", "250", "0"}));
    EXPECT_EQ(maskColour("255"), white);
    EXPECT_EQ(maskColour("250"), qRgb(250, 250, 250));
    EXPECT_EQ(maskColour("0"), black);
    EXPECT_EQ(maskColour(" 12 "), qRgb(12, 12, 12));
    for (const char *bad : {"", "256", "-1", "12.5", "abc", "1e2", "25 5"})
        EXPECT_FALSE(maskColour(bad).has_value()) << bad;
}

TEST(Mask, KeepsOnlyWhatDiffers)
{
    QImage background = filled(qRgb(30, 60, 90));
    background.setPixel(0, 0, red);
    EXPECT_EQ(maskByDifference(background, background), filled(white));

    QImage withIcon = background;
    withIcon.setPixel(8, 9, blue);
    withIcon.setPixel(0, 0, qRgb(254, 0, 0)); // one step off is a difference
    const QImage result = maskByDifference(withIcon, background);
    EXPECT_EQ(changed(filled(white), result).size(), 2u);
    EXPECT_EQ(result.pixel(8, 9), blue);
    EXPECT_EQ(result.pixel(0, 0), qRgb(254, 0, 0));
}

TEST(Colour, ComponentScalingClampsAndRoundsHalvesToEven)
{
    struct Case {
        int component;
        float factor;
        int expected;
    };
    const Case cases[] = {
        {1, 0.5f, 0},   {3, 0.5f, 2},     {5, 0.5f, 2},     {7, 0.5f, 4},       {255, 0.9927f, 253},
        {255, 2.0f, 255}, {200, -1.0f, 0}, {0, 1e30f, 0},  {255, 1e30f, 255}, {100, 1.0f, 100},
        {10, std::numeric_limits<float>::quiet_NaN(), 0},
    };
    for (const auto &c : cases)
        EXPECT_EQ(scaleComponent(c.component, c.factor), c.expected) << c.component << " x " << c.factor;
}

TEST(Colour, BalanceScalesEachChannel)
{
    QImage source(side, side, QImage::Format_RGB32);
    for (int x = 0; x < side; ++x)
        for (int y = 0; y < side; ++y)
            source.setPixel(x, y, qRgb(x * 8, y * 8, (x * 7 + y * 3) % 256));
    source.setPixel(0, 0, red);

    EXPECT_EQ(colourBalance(source, 1.0f, 1.0f, 1.0f), source);
    EXPECT_EQ(colourBalance(source, 0.0f, 0.0f, 0.0f), filled(black));

    const QImage balanced = colourBalance(source, 99.27f / 100.0f, 84.21f / 100.0f, 63.56f / 100.0f);
    EXPECT_EQ(balanced.pixel(0, 0), qRgb(253, 0, 0));
    // The channels are independent: only blue changes with the blue factor.
    const QImage blueOnly = colourBalance(source, 1.0f, 1.0f, 0.5f);
    EXPECT_EQ(blueOnly.pixel(3, 5), qRgb(24, 40, 18));
}

TEST(Colour, OverallAdjustmentKeepsHueAndBlack)
{
    QImage source = filled(qRgb(100, 150, 200));
    source.setPixel(1, 1, black);
    source.setPixel(2, 2, qRgb(255, 1, 0));
    const QImage doubled = overallAdjustment(source, 2.0f);
    EXPECT_EQ(doubled.pixel(0, 0), qRgb(200, 255, 255));
    EXPECT_EQ(doubled.pixel(1, 1), black);
    EXPECT_EQ(doubled.pixel(2, 2), qRgb(255, 2, 0));
    EXPECT_EQ(overallAdjustment(source, 0.0f), filled(black));
    EXPECT_EQ(overallAdjustment(source, -3.0f), filled(black));

    // 100 % is the identity for every colour, despite the float ratio in between.
    QImage sweep(side, side, QImage::Format_RGB32);
    for (int x = 0; x < side; ++x)
        for (int y = 0; y < side; ++y)
            sweep.setPixel(x, y, qRgb(255 - x * 8, y * 8 + 3, (x * 37 + y * 11) % 256));
    EXPECT_EQ(overallAdjustment(sweep, 1.0f), sweep);
    // A half rounds to even: 1 and 3 halved.
    EXPECT_EQ(overallAdjustment(filled(qRgb(1, 3, 0)), 0.5f).pixel(0, 0), qRgb(0, 2, 0));
}

TEST(Conformity, MeanDistanceOverNonWhitePixels)
{
    EXPECT_EQ(conformity(filled(red), filled(red)), 0.0);

    QImage icon = filled(white);
    icon.setPixel(4, 4, black);
    icon.setPixel(6, 6, black);
    QImage result = filled(blue); // white pixels of the icon are not counted
    result.setPixel(4, 4, qRgb(3, 4, 12));
    result.setPixel(6, 6, black);
    EXPECT_EQ(conformity(icon, result), 6.5); // (13 + 0) / 2
    EXPECT_EQ(conformityText(conformity(icon, result)), "6.5");

    // Both square roots are taken to single precision.
    QImage one = filled(white);
    one.setPixel(0, 0, black);
    QImage off = filled(white);
    off.setPixel(0, 0, qRgb(1, 1, 1));
    EXPECT_EQ(conformityText(conformity(one, off)), "1.73205077648163");
    off.setPixel(0, 0, qRgb(3, 2, 1)); // one rounding only would give 3.74165749549866
    EXPECT_EQ(conformityText(conformity(one, off)), "3.74165725708008");

    EXPECT_FALSE(conformity(filled(white), filled(red)).has_value());
    EXPECT_EQ(conformityText(std::nullopt), "n/a");
    EXPECT_EQ(conformityText(0.0), "0");
    EXPECT_EQ(conformityText(1.0 / 3.0), "0.333333333333333");
}

TEST(Nudge, KeypadKeysStepThePartnerValue)
{
    struct Case {
        const char *text;
        char key;
        std::optional<QString> expected;
    };
    const Case cases[] = {
        {"99.27", '4', "98.27"}, {"99.27", '6', "100.27"}, {"99.27", '7', "89.27"}, {"99.27", '9', "109.27"},
        {"0", '4', "-1"},        {" 5 ", '9', "15"},       {"-5", '9', "5"},        {"74.21", '6', "75.21"},
        {"99.27", '5', {}},      {"99.27", '8', {}},       {"99.27", 'a', {}},      {"99.27", '0', {}},
        {"abc", '6', {}},        {"", '4', {}},            {"1e2", '9', {}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(nudge(c.text, QChar(c.key)), c.expected) << c.text << " key " << c.key;
}

TEST(Conversion, BmpPathCutsLastFourCharacters)
{
    EXPECT_EQ(bmpPathFor("/icons/Sword.png"), "/icons/Sword.bmp");
    EXPECT_EQ(bmpPathFor("/icons/Shield.bmp"), "/icons/Shield.bmp");
    EXPECT_EQ(bmpPathFor("/icons/Helm.jpeg"), "/icons/Helm..bmp");
    EXPECT_EQ(bmpPathFor("abc"), ".bmp");
}

TEST(Artwork, StockTilesAndSlotPicturesAreDistinct32By32Resources)
{
    QFile qrc(QStringLiteral(QUILLMARK_ARTWORK_DIR "/artwork.qrc"));
    ASSERT_TRUE(qrc.open(QIODevice::ReadOnly));
    const QString listing = QString::fromUtf8(qrc.readAll());
    EXPECT_TRUE(listing.contains(QLatin1String("prefix=\"/tiles\"")));

    QStringList names;
    for (int i = 1; i <= 45; ++i)
        names << QStringLiteral("tile%1.png").arg(i, 2, 10, QLatin1Char('0'));
    names << "slot5.png" << "slot6.png";
    QSet<QByteArray> distinct;
    for (const QString &name : names) {
        EXPECT_TRUE(listing.contains(QStringLiteral("alias=\"%1\"").arg(name))) << name.toStdString();
        const QImage image(QStringLiteral(QUILLMARK_ARTWORK_DIR "/tiles/") + name);
        ASSERT_EQ(image.size(), QSize(side, side)) << name.toStdString();
        const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
        distinct.insert(QByteArray(reinterpret_cast<const char *>(rgb.constBits()), int(rgb.sizeInBytes())));
    }
    EXPECT_EQ(distinct.size(), names.size());
}
