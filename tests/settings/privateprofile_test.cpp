#include "settings/privateprofile.h"

#include "testsupport.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

#include <random>

namespace {

QByteArray allByteValues()
{
    QByteArray bytes;
    for (int b = 0; b < 256; ++b)
        bytes.append(char(b));
    return bytes;
}

} // namespace

TEST(PrivateProfile, ReadsNamesWithoutRegardToCaseAndTrimsBlanksOnly)
{
    const auto p = PrivateProfile::fromBytes("Left=5\r\n"
                                             "[General]\r\n"
                                             "  left   =  120  \r\n"
                                             "no equals sign here\r\n"
                                             "  [ icon ]  trailing\r\n"
                                             "FileType=\tjpg\t\r\n"
                                             "Prefix=    \r\n"
                                             "Suffix= a  b \r\n"
                                             "Path=C:\\a=b\r\n");
    EXPECT_EQ(p.read("GENERAL", "Left", "0"), "120");
    EXPECT_EQ(p.read("Icon", "FILETYPE", "png"), "\tjpg\t"); // tabs are not blanks
    EXPECT_EQ(p.read("Icon", "Prefix", "dflt"), "dflt");      // empty reads as missing
    EXPECT_EQ(p.read("Icon", "Suffix", ""), "a  b");
    EXPECT_EQ(p.read("Icon", "Path", ""), "C:\\a=b"); // split at the first "=" only
    EXPECT_EQ(p.read("Icon", "Left", "x"), "x");      // keys belong to their own section
    EXPECT_EQ(p.read("Icon", "Missing", "x"), "x");
    EXPECT_EQ(p.read("Missing", "Left", "x"), "x");
    EXPECT_EQ(p.read("", "Left", "x"), "x"); // lines before the first section are nobody's
    EXPECT_EQ(p.read(settingsKeys::left), "120");
    EXPECT_EQ(p.read(settingsKeys::top), "0");
}

TEST(PrivateProfile, ValuesAreCutTo254CharactersNeverInsideAPair)
{
    const QString emoji = QStringLiteral("\U0001F600");
    PrivateProfile p;
    p.write("A", "long", QString(300, u'x'));
    p.write("A", "pairAtEdge", QString(253, u'x') + emoji + "tail");
    p.write("A", "pairFits", QString(252, u'x') + emoji + "tail");
    p.write("A", "blanksFirst", "   " + QString(254, u'y') + "   ");

    // The file keeps the whole value; only the reading is cut.
    EXPECT_TRUE(p.toBytes().contains("long=" + QByteArray(300, 'x') + "\r\n"));
    EXPECT_EQ(p.read("A", "long", ""), QString(254, u'x'));
    EXPECT_EQ(p.read("A", "pairAtEdge", ""), QString(253, u'x'));
    EXPECT_EQ(p.read("A", "pairFits", ""), QString(252, u'x') + emoji);
    EXPECT_EQ(p.read("A", "blanksFirst", ""), QString(254, u'y'));
}

TEST(PrivateProfile, WritesANewFileWithCrLfAndReadsItBack)
{
    PrivateProfile p;
    p.write("General", "Left", "10");
    p.write("General", "Top", "-20");
    p.write("Icon", "Prefix", QStringLiteral("Zoë \U0001F600"));
    p.write("icon", "Suffix", "");
    p.write("GENERAL", "left", "11");

    EXPECT_EQ(p.toBytes(), QByteArray("[General]\r\n"
                                      "left=11\r\n"
                                      "Top=-20\r\n"
                                      "\r\n"
                                      "[Icon]\r\n"
                                      "Prefix=Zo\xC3\xAB \xF0\x9F\x98\x80\r\n"
                                      "Suffix=\r\n"));
    const auto again = PrivateProfile::fromBytes(p.toBytes());
    EXPECT_EQ(again.read("General", "Left", ""), "11");
    EXPECT_EQ(again.read("General", "Top", ""), "-20");
    EXPECT_EQ(again.read("Icon", "Prefix", ""), QStringLiteral("Zoë \U0001F600"));
    EXPECT_EQ(again.read("Icon", "Suffix", "none"), "none");
}

TEST(PrivateProfile, ReplacingAValueKeepsEveryOtherByte)
{
    const QByteArray head = "; written by hand\r\n"
                            "stray=line before any section\n"
                            "[Binary]\r\n"
                            "blob="
                            + allByteValues()
                            + "\r\n"
                              "[General]\r\n"
                              "  left   =  1  \r\n"
                              "Unknown=keep me\n"
                              "Top=2\r\n";
    const QByteArray middle = "\r\n"
                              "[Template1]\r"
                              "Name=caf\xE9\r\n" // Latin-1 from an older system
                              "Path = x.txt \n"
                              "\r\n"
                              "[Icon]\r\n";
    const QByteArray tail = "Prefix=old";
    auto p = PrivateProfile::fromBytes(head + middle + tail);
    EXPECT_EQ(p.toBytes(), head + middle + tail);
    EXPECT_EQ(p.read("Template1", "Name", ""), QStringLiteral("café"));

    p.write("General", "Left", "300");
    p.write("Icon", "Prefix", QStringLiteral("né"));
    p.write("General", "Opacity", "128"); // new key after the section's last line
    p.write("Template1", "BackgroundColor", "255");

    QByteArray expectedHead = head;
    expectedHead.replace("  left   =  1  \r\n", "Left=300\r\n");
    EXPECT_EQ(p.toBytes(), expectedHead + "Opacity=128\r\n"
                               "\r\n"
                               "[Template1]\r"
                               "Name=caf\xE9\r\n"
                               "Path = x.txt \n"
                               "BackgroundColor=255\r\n"
                               "\r\n"
                               "[Icon]\r\n"
                               "Prefix=n\xC3\xA9");
    const auto again = PrivateProfile::fromBytes(p.toBytes());
    EXPECT_EQ(again.read("Template1", "Name", ""), QStringLiteral("café"));
    EXPECT_EQ(again.read("Icon", "Prefix", ""), QStringLiteral("né"));
    EXPECT_EQ(again.read("General", "Unknown", ""), "keep me");
}

TEST(PrivateProfile, FirstOfEqualKeysAndSectionsIsReadAndReplaced)
{
    auto p = PrivateProfile::fromBytes("[A]\r\n"
                                       "k=1\r\n"
                                       "K=2\r\n"
                                       "[B]\r\n"
                                       "k=3\r\n"
                                       "[a]\r\n"
                                       "k=4\r\n"
                                       "only=second\r\n");
    EXPECT_EQ(p.read("A", "k", ""), "1");
    EXPECT_EQ(p.read("A", "only", ""), "second"); // both sections of a name are searched
    p.write("a", "K", "9");
    p.write("A", "only", "changed");
    p.write("A", "new", "n");
    EXPECT_EQ(p.toBytes(), QByteArray("[A]\r\n"
                                      "K=9\r\n"
                                      "K=2\r\n"
                                      "new=n\r\n"
                                      "[B]\r\n"
                                      "k=3\r\n"
                                      "[a]\r\n"
                                      "k=4\r\n"
                                      "only=changed\r\n"));
    EXPECT_EQ(p.read("A", "k", ""), "9");
}

TEST(PrivateProfile, AppendsMissingKeysAndSectionsWhereTheyBelong)
{
    auto p = PrivateProfile::fromBytes("[General]\r\nLeft=1\r\n\r\n\r\n[Icon]\r\nPrefix=p\r\n");
    p.write("General", "Top", "2");
    p.write("SpawnMap", "X", "4");
    EXPECT_EQ(p.toBytes(), QByteArray("[General]\r\nLeft=1\r\nTop=2\r\n\r\n\r\n[Icon]\r\nPrefix=p\r\n"
                                      "\r\n[SpawnMap]\r\nX=4\r\n"));

    // A file that already ends in an empty line gets no second one.
    auto spaced = PrivateProfile::fromBytes("[A]\r\nk=1\r\n\r\n");
    spaced.write("B", "j", "2");
    EXPECT_EQ(spaced.toBytes(), QByteArray("[A]\r\nk=1\r\n\r\n[B]\r\nj=2\r\n"));

    // A last line without its line end is ended first; LF lines stay LF.
    auto unended = PrivateProfile::fromBytes("[A]\nk=1");
    unended.write("A", "j", "2");
    EXPECT_EQ(unended.toBytes(), QByteArray("[A]\nk=1\r\nj=2\r\n"));
    auto unended2 = PrivateProfile::fromBytes("[A]\nk=1");
    unended2.write("B", "j", "2");
    EXPECT_EQ(unended2.toBytes(), QByteArray("[A]\nk=1\r\n\r\n[B]\r\nj=2\r\n"));
    auto bareHeader = PrivateProfile::fromBytes("[A]");
    bareHeader.write("a", "k", "1");
    EXPECT_EQ(bareHeader.toBytes(), QByteArray("[A]\r\nk=1\r\n"));
}

TEST(PrivateProfile, LineBreaksInAValueCannotAddLines)
{
    auto p = PrivateProfile::fromBytes("[General]\r\nPrefix=x\r\n");
    p.write("General", "Prefix", "a\r\n[Evil]\r\nLeft=666");
    p.write("General", "Suffix", "b\nc\rd");
    EXPECT_EQ(p.toBytes(), QByteArray("[General]\r\nPrefix=a  [Evil]  Left=666\r\nSuffix=b c d\r\n"));
    EXPECT_EQ(p.read("Evil", "Left", "0"), "0");
    EXPECT_EQ(p.read("General", "Left", "0"), "0");
}

TEST(PrivateProfile, ByteOrderMarkIsSkippedForNamesAndKept)
{
    auto p = PrivateProfile::fromBytes("\xEF\xBB\xBF[General]\r\nLeft=5\r\n");
    EXPECT_EQ(p.read("General", "Left", ""), "5");
    p.write("General", "Left", "6");
    EXPECT_EQ(p.toBytes(), QByteArray("\xEF\xBB\xBF[General]\r\nLeft=6\r\n"));
}

TEST(PrivateProfile, MegabyteOfGarbageParsesAndStaysIntact)
{
    std::mt19937 random(12345);
    QByteArray garbage;
    garbage.reserve(1 << 20);
    while (garbage.size() < (1 << 20)) {
        const unsigned r = random();
        if (r % 997 == 0)
            garbage += "\r\n[General]\r\nLeft=";
        else if (r % 991 == 0)
            garbage += "=[";
        else
            garbage.append(char(r >> 8));
    }
    auto p = PrivateProfile::fromBytes(garbage);
    EXPECT_EQ(p.toBytes(), garbage);
    EXPECT_LE(p.read("General", "Left", "").size(), PrivateProfile::maxValueLength);
    p.write("QuillmarkOwn", "Key", "v");
    EXPECT_TRUE(p.toBytes().startsWith(garbage));
    EXPECT_EQ(p.read("QuillmarkOwn", "Key", ""), "v");
}

TEST(ReadWriteSetting, FileIsCreatedByTheFirstWriteAndPatchedAfter)
{
    testsupport::ProgramFolder folder;
    const QString ini = folder.file("Quillmark.ini");
    EXPECT_EQ(modVandrel::ReadSetting(ini, "General", "Left", "0"), "0");
    EXPECT_FALSE(folder.exists("Quillmark.ini"));

    EXPECT_TRUE(modVandrel::WriteSetting(ini, "General", "Left", "10"));
    EXPECT_EQ(folder.read("Quillmark.ini"), QByteArray("[General]\r\nLeft=10\r\n"));
    EXPECT_TRUE(modVandrel::WriteSetting(ini, "Icon", "Prefix", "pre"));
    EXPECT_TRUE(modVandrel::WriteSetting(ini, "general", "LEFT", "12"));
    EXPECT_EQ(folder.read("Quillmark.ini"), QByteArray("[General]\r\nLEFT=12\r\n\r\n[Icon]\r\nPrefix=pre\r\n"));
    EXPECT_EQ(modVandrel::ReadSetting(ini, "GENERAL", "left", "0"), "12");
    EXPECT_EQ(modVandrel::ReadSetting(ini, "Icon", "Prefix", ""), "pre");
}

TEST(ReadWriteSetting, FailedWriteDestroysNothing)
{
    testsupport::ProgramFolder folder;

    const QString inMissingFolder = folder.file("missing/Quillmark.ini");
    EXPECT_FALSE(modVandrel::WriteSetting(inMissingFolder, "General", "Left", "1"));
    EXPECT_FALSE(QFileInfo::exists(folder.file("missing")));

    // A directory where the file should be: reads give defaults, writes leave it alone.
    ASSERT_TRUE(QDir(folder.path()).mkdir("Quillmark.ini"));
    folder.write("Quillmark.ini/inside.txt", "keep");
    const QString dirIni = folder.file("Quillmark.ini");
    EXPECT_EQ(modVandrel::ReadSetting(dirIni, "General", "Left", "0"), "0");
    EXPECT_FALSE(modVandrel::WriteSetting(dirIni, "General", "Left", "1"));
    EXPECT_TRUE(QFileInfo(dirIni).isDir());
    EXPECT_EQ(folder.read("Quillmark.ini/inside.txt"), "keep");

    folder.write("plain", "[General]\r\nLeft=3\r\n");
    EXPECT_FALSE(modVandrel::WriteSetting(folder.file("plain/Quillmark.ini"), "General", "Left", "1"));
    EXPECT_EQ(folder.read("plain"), "[General]\r\nLeft=3\r\n");

    // saveTo reports the failure the same way.
    PrivateProfile p;
    p.write("General", "Left", "1");
    EXPECT_FALSE(p.saveTo(inMissingFolder));
    EXPECT_FALSE(p.saveTo(dirIni));
}
