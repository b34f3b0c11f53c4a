// What a save makes ready for the wiki: the clipboard text after a save, the magnified
// view of a fixed crop, and file names cleaned by the wiki's rules.

#include "capture/autocopy.h"
#include "capture/imagewriter.h"
#include "capture/magnifier.h"

#include <gtest/gtest.h>

using namespace capture;

TEST(Autocopy, NameFileNamesOrMarkupOneLineEach)
{
    const QStringList two = {"/p/Images/Sword Icon.png", "/p/Images/Sword.png"};
    EXPECT_EQ(autocopyText(AutocopyKind::Name, "Sword", two), "Sword");
    EXPECT_EQ(autocopyText(AutocopyKind::FileName, "Sword", two), "Sword Icon.png\r\nSword.png");
    EXPECT_EQ(autocopyText(AutocopyKind::Markup, "Sword", two), "[[File:Sword Icon.png]]\r\n[[File:Sword.png]]");
    EXPECT_EQ(autocopyText(AutocopyKind::Markup, "x", {"C:\\Shots\\%1 50%.jpg"}), "[[File:%1 50%.jpg]]");
    // Nothing written (a GIF type): the name still goes, file names do not.
    EXPECT_EQ(autocopyText(AutocopyKind::Name, "Sword", {}), "Sword");
    EXPECT_FALSE(autocopyText(AutocopyKind::FileName, "Sword", {}).has_value());
    EXPECT_FALSE(autocopyText(AutocopyKind::Markup, "Sword", {}).has_value());

    const std::pair<const char *, AutocopyKind> settings[] = {
        {"Markup", AutocopyKind::Markup}, {"mArKuP", AutocopyKind::Markup}, {"FileName", AutocopyKind::FileName},
        {"Name", AutocopyKind::Name},     {"", AutocopyKind::Name},         {"File name", AutocopyKind::Name}};
    for (const auto &[word, kind] : settings)
        EXPECT_EQ(autocopyKindFrom(word), kind) << word;
    for (AutocopyKind kind : {AutocopyKind::Name, AutocopyKind::FileName, AutocopyKind::Markup})
        EXPECT_EQ(autocopyKindFrom(autocopySetting(kind)), kind);
}

TEST(Magnifier, EachPixelASquareBetweenGridLinesWithTheCropEdgeDrawn)
{
    QImage shot(40, 30, QImage::Format_RGB32);
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            shot.setPixel(x, y, qRgb(x * 6, y * 8, 77));
    const int z = magnifierZoom;
    // Pointer in the middle, at the top-left corner (pixels outside are black) and past the end.
    for (const QPoint pointer : {QPoint(20, 15), QPoint(0, 0), QPoint(45, 33)}) {
        const QRect crop(pointer - QPoint(10, 6), QSize(10, 6)); // the pointer is its bottom-right corner
        const QImage view = magnifiedView(shot, pointer, crop);
        ASSERT_EQ(view.size(), QSize(magnifierSide, magnifierSide));
        const QPoint origin = magnifierOrigin(pointer);
        EXPECT_EQ(origin, pointer - QPoint(7, 7));
        for (int cy = 0; cy < magnifierSpan; ++cy) {
            for (int cx = 0; cx < magnifierSpan; ++cx) {
                const QPoint at = origin + QPoint(cx, cy);
                const QRgb want = shot.rect().contains(at) ? shot.pixel(at) : qRgb(0, 0, 0);
                // Every pixel of the square but its first row and column.
                EXPECT_EQ(view.pixel(cx * z + 1, cy * z + 1), want) << cx << "," << cy;
                EXPECT_EQ(view.pixel(cx * z + z - 1, cy * z + z - 1), want) << cx << "," << cy;
            }
        }
        // The edge runs along the grid lines around the rectangle: its corner is the middle
        // square's top-left corner; grid lines away from it stay grey.
        const int corner = 7 * z;
        EXPECT_EQ(view.pixel(corner, corner - 3), magnifierEdge);
        EXPECT_EQ(view.pixel(corner - 3, corner), magnifierEdge);
        EXPECT_EQ(view.pixel(corner, corner + 3), magnifierGrid);
        EXPECT_EQ(view.pixel(corner + z, corner - 3), magnifierGrid);
    }
}

TEST(WikiCleanedNames, OnlyTheFileNameChangesAndTheIconStillGoesBeside)
{
    KindOptions options;
    options.prefix = prefixFromBox("Icon#");
    const QString folder = "/p";
    const WriteChoices cleaned{false, true};
    EXPECT_EQ(plannedFileName(options, folder, "a/b  c", {}, cleaned), "Icon- a-b c.png");
    EXPECT_EQ(plannedFileName(options, folder, "a/b  c"), "Icon# a/b  c.png");
    // The name the panel takes is compared before cleaning; the icon's mark survives it.
    options.prefix.clear();
    const QString taken = plannedPath(options, folder, "Sword|1");
    EXPECT_EQ(plannedFileName(options, folder, "Sword|1", taken, cleaned), "Sword-1 Icon.png");
}
