#include "capture/saveoptions.h"

#include "testsupport.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace capture;

TEST(SaveOptions, QualityTextFollowsTheTypedNumber)
{
    const std::pair<const char *, const char *> cases[] = {
        {"75", "75%"},   {"75%", "75%"},    {"0.8", "80%"},  {"1", "100%"},   {"1%", "100%"},
        {"150%", "100%"}, {"abc", "90%"},   {"", "90%"},     {"0", "0%"},     {"-5", "-500%"},
        {"2.5", "2%"},   {"99.5", "100%"},  {"0.125", "12%"}, {"1.005", "90%"}, {"1.01", "1%"},
        {" 75 ", "75%"}, {"%7%5%", "75%"},  {"7 5", "90%"},  {"1e2", "90%"},  {"100.4", "100%"},
    };
    for (const auto &[typed, expected] : cases)
        EXPECT_EQ(qualityText(typed), expected) << typed;
    EXPECT_EQ(qualityNumber(qualityText("75")), 75);
    EXPECT_EQ(qualityNumber(qualityText("-5")), -500);
}

TEST(SaveOptions, PrefixAndSuffixCarryTheirSeparatingBlank)
{
    EXPECT_EQ(prefixFromBox("Icon"), "Icon ");
    EXPECT_EQ(suffixFromBox("Small"), " Small");
    // Taken as typed: blanks the user typed stay.
    EXPECT_EQ(prefixFromBox(" a "), " a  ");
    for (const QString typed : {"", "Icon", " a ", "  "}) {
        EXPECT_EQ(prefixForBox(prefixFromBox(typed)), typed);
        EXPECT_EQ(suffixForBox(suffixFromBox(typed)), typed);
    }
}

TEST(SaveOptions, TimeStampIsRoundedSecondsSinceMidnight)
{
    EXPECT_EQ(timeStampName(QTime(12, 34, 56, 300)), "45296");
    EXPECT_EQ(timeStampName(QTime(0, 0, 0, 0)), "0");
    EXPECT_EQ(timeStampName(QTime(0, 0, 0, 500)), "0");
    EXPECT_EQ(timeStampName(QTime(0, 0, 1, 500)), "2");
    EXPECT_EQ(timeStampName(QTime(23, 59, 59, 499)), "86399");
    EXPECT_EQ(timeStampName(QTime(23, 59, 59, 500)), "86400");
    EXPECT_EQ(timeStampName(QTime(23, 59, 59, 700)), "86400");
}

TEST(SaveOptions, FoldersAndPaths)
{
    const testsupport::ProgramFolder program;
    const QString root = program.path();
    KindOptions options;
    EXPECT_EQ(saveFolder(options, root), root + "/Images/");
    EXPECT_EQ(savePath(options, root, "Sword"), root + "/Images/Sword.png");

    options.prefix = prefixFromBox("Icon");
    options.suffix = suffixFromBox("Small");
    EXPECT_EQ(savePath(options, root, "Sword"), root + "/Images/Icon Sword Small.png");
    options.fileType = "jpg";
    EXPECT_EQ(savePath(options, root, "v1.2 Sword"), root + "/Images/Icon v1.2 Sword Small.jpg");

    options.useDefaultFolder = false;
    options.customFolder = "/srv/shots";
    EXPECT_EQ(saveFolder(options, root), "/srv/shots/");
    options.customFolder = "/srv/shots/";
    EXPECT_EQ(saveFolder(options, root), "/srv/shots/");
    // Relative to the program folder, never the working directory.
    options.customFolder = "Shots";
    EXPECT_EQ(saveFolder(options, root), root + "/Shots/");
    // Windows-style texts name the same folder with or without the closing "\".
    options.customFolder = "Shots\\Day";
    const QString withoutEnd = saveFolder(options, root);
    options.customFolder = "Shots\\Day\\";
    EXPECT_EQ(saveFolder(options, root), withoutEnd);
    EXPECT_EQ(QDir::cleanPath(QDir::fromNativeSeparators(withoutEnd)), root + "/Shots/Day");
    options.customFolder.clear();
    EXPECT_EQ(QDir::cleanPath(saveFolder(options, root)), root);
}

TEST(SaveOptions, MarkedPathGoesBeforeTheExtension)
{
    const std::pair<const char *, const char *> cases[] = {
        {"/p/Images/Sword.png", "/p/Images/Sword Icon.png"},
        {"/p/Images/v1.2 Sword.jpg", "/p/Images/v1.2 Sword Icon.jpg"},
        {"/p/v1.2/Sword", "/p/v1.2/Sword Icon"},
        {"C:\\v1.2\\Sword", "C:\\v1.2\\Sword Icon"},
        {"/p/Images/.png", "/p/Images/ Icon.png"},
    };
    for (const auto &[path, marked] : cases)
        EXPECT_EQ(markedPath(path, " Icon"), marked) << path;
}
