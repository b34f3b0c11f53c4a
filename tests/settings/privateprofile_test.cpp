#include "settings/privateprofile.h"
#include "settings/settingvalues.h"
#include "support.h"

TEST(PrivateProfile, ReadsNamesInAnyCaseTrimsBlanksOnlyAndCutsAt254CharactersNeverInsideAPair)
{
    const QString emoji = QStringLiteral("\U0001F600");
    const auto p = PrivateProfile::fromBytes("Left=5\r\n[General]\r\n  left   =  120  \r\nno equals sign here\r\n"
                                             "  [ icon ]  trailing\r\nFileType=\tjpg\t\r\nPrefix=    \r\n"
                                             "Suffix= a  b \r\nPath=C:\\a=b\r\nlong="
        + QByteArray(300, 'x') + "\r\npairAtEdge=" + QByteArray(253, 'x') + emoji.toUtf8() + "\r\npairFits="
        + QByteArray(252, 'x') + emoji.toUtf8() + "tail\r\nblanks=   " + QByteArray(254, 'y') + "   \r\n");
    const std::tuple<const char *, const char *, QString> cases[]
        = {{"GENERAL", "Left", "120"}, {"Icon", "FILETYPE", "\tjpg\t"}, // tabs are not blanks
            {"Icon", "Prefix", "dflt"},                                 // empty reads as missing
            {"Icon", "Suffix", "a  b"}, {"Icon", "Path", "C:\\a=b"},    // split at the first "="
            {"Icon", "Left", "dflt"},                                   // keys belong to their own section
            {"Missing", "Left", "dflt"}, {"", "Left", "dflt"},          // lines before any section are nobody's
            {"Icon", "long", QString(254, u'x')}, {"Icon", "pairAtEdge", QString(253, u'x')},
            {"Icon", "pairFits", QString(252, u'x') + emoji}, {"Icon", "blanks", QString(254, u'y')}};
    for (const auto &[section, key, value] : cases)
        EXPECT_EQ(p.read(section, key, "dflt"), value) << section << " " << key;
    EXPECT_EQ(p.read(settings::keys::left), "120");
    EXPECT_EQ(p.read(settings::keys::top), "0");
}

TEST(PrivateProfile, WritesANewFileWithCrLfAndReadsItBack)
{
    PrivateProfile p;
    p.write("General", "Left", "10");
    p.write("General", "Top", "-20");
    p.write("Icon", "Prefix", QStringLiteral("Zoë \U0001F600"));
    p.write("icon", "Suffix", "");
    p.write("GENERAL", "left", "11");
    p.write("General", "Evil", "a\r\n[Evil]\r\nLeft=666"); // line breaks cannot add lines
    p.write("General", "Multi", "b\nc\rd");
    EXPECT_EQ(p.toBytes(),
        QByteArray("[General]\r\nleft=11\r\nTop=-20\r\nEvil=a  [Evil]  Left=666\r\n"
                   "Multi=b c d\r\n\r\n[Icon]\r\nPrefix=Zo\xC3\xAB \xF0\x9F\x98\x80\r\nSuffix=\r\n"));
    const auto again = PrivateProfile::fromBytes(p.toBytes());
    EXPECT_EQ(again.read("General", "Left", ""), "11");
    EXPECT_EQ(again.read("Icon", "Prefix", ""), QStringLiteral("Zoë \U0001F600"));
    EXPECT_EQ(again.read("Icon", "Suffix", "none"), "none");
    EXPECT_EQ(again.read("Evil", "Left", "0"), "0");
}

TEST(PrivateProfile, PatchingKeepsEveryOtherByte)
{
    QByteArray everyByte;
    for (int b = 0; b < 256; ++b)
        everyByte.append(char(b));
    const QByteArray head = "\xEF\xBB\xBF; written by hand\r\nstray=line before any section\n[Binary]\r\nblob="
        + everyByte + "\r\n[General]\r\n  left   =  1  \r\nUnknown=keep me\nTop=2\r\n";
    const QByteArray middle = "\r\n[Template1]\rName=caf\xE9\r\nPath = x.txt \n\r\n[Icon]\r\n";
    auto p = PrivateProfile::fromBytes(head + middle + "Prefix=old");
    EXPECT_EQ(p.toBytes(), head + middle + "Prefix=old");
    EXPECT_EQ(p.read("Template1", "Name", ""), QStringLiteral("café")); // Latin-1 from an older system
    p.write("General", "Left", "300");
    p.write("Icon", "Prefix", QStringLiteral("né"));
    p.write("General", "Opacity", "128"); // after the section's last line
    p.write("Template1", "BackgroundColor", "255");
    QByteArray expectedHead = head;
    expectedHead.replace("  left   =  1  \r\n", "Left=300\r\n");
    EXPECT_EQ(p.toBytes(),
        expectedHead
            + "Opacity=128\r\n\r\n[Template1]\rName=caf\xE9\r\nPath = x.txt \n"
              "BackgroundColor=255\r\n\r\n[Icon]\r\nPrefix=n\xC3\xA9");
    // The first of equal keys and sections is read and replaced; both sections are searched.
    auto twice = PrivateProfile::fromBytes("[A]\r\nk=1\r\nK=2\r\n[B]\r\nk=3\r\n[a]\r\nk=4\r\nonly=second\r\n");
    EXPECT_EQ(twice.read("A", "only", ""), "second");
    twice.write("a", "K", "9");
    twice.write("A", "only", "changed");
    twice.write("A", "new", "n");
    EXPECT_EQ(twice.toBytes(), "[A]\r\nK=9\r\nK=2\r\nnew=n\r\n[B]\r\nk=3\r\n[a]\r\nk=4\r\nonly=changed\r\n");
}

TEST(PrivateProfile, AppendsMissingKeysAndSectionsWhereTheyBelong)
{
    const std::tuple<QByteArray, const char *, QByteArray> cases[]
        = {{"[General]\r\nLeft=1\r\n\r\n\r\n[Icon]\r\n", "General", "[General]\r\nLeft=1\r\nk=v\r\n\r\n\r\n[Icon]\r\n"},
            {"[General]\r\nLeft=1\r\n", "SpawnMap", "[General]\r\nLeft=1\r\n\r\n[SpawnMap]\r\nk=v\r\n"},
            {"[A]\r\nk1=1\r\n\r\n", "B", "[A]\r\nk1=1\r\n\r\n[B]\r\nk=v\r\n"}, // no second empty line
            {"[A]\nj=1", "A", "[A]\nj=1\r\nk=v\r\n"},                          // ended first; LF lines stay
            {"[A]\nj=1", "B", "[A]\nj=1\r\n\r\n[B]\r\nk=v\r\n"}, {"[A]", "a", "[A]\r\nk=v\r\n"}};
    for (const auto &[before, section, after] : cases) {
        auto p = PrivateProfile::fromBytes(before);
        p.write(section, "k", "v");
        EXPECT_EQ(p.toBytes(), after) << before.toStdString();
    }
}

TEST(SettingsFile, CreatedByTheFirstWritePatchedAfterAndNeverDestroyedByAFailedOne)
{
    testsupport::ProgramFolder folder;
    const QString ini = folder.file("Quillmark.ini");
    EXPECT_EQ(modVandrel::ReadSetting(ini, "General", "Left", "0"), "0");
    EXPECT_FALSE(folder.exists("Quillmark.ini"));
    EXPECT_TRUE(modVandrel::WriteSetting(ini, "General", "Left", "10"));
    EXPECT_TRUE(modVandrel::WriteSetting(ini, "Icon", "Prefix", "pre"));
    EXPECT_TRUE(modVandrel::WriteSetting(ini, "general", "LEFT", "12"));
    EXPECT_EQ(folder.read("Quillmark.ini"), "[General]\r\nLEFT=12\r\n\r\n[Icon]\r\nPrefix=pre\r\n");
    EXPECT_EQ(modVandrel::ReadSetting(ini, "GENERAL", "left", "0"), "12");
    // A missing folder, a directory at the file, a path through a regular file.
    ASSERT_TRUE(QDir(folder.path()).mkdir("dir.ini"));
    folder.write("dir.ini/inside.txt", "keep");
    PrivateProfile p;
    p.write("General", "Left", "1");
    for (const char *target : {"missing/Quillmark.ini", "dir.ini", "Quillmark.ini/x.ini"}) {
        EXPECT_EQ(modVandrel::ReadSetting(folder.file(target), "General", "Left", "0"), "0") << target;
        EXPECT_FALSE(modVandrel::WriteSetting(folder.file(target), "General", "Left", "1")) << target;
        EXPECT_FALSE(p.saveTo(folder.file(target))) << target;
    }
    EXPECT_EQ(folder.read("dir.ini/inside.txt"), "keep");
    EXPECT_EQ(folder.read("Quillmark.ini"), "[General]\r\nLEFT=12\r\n\r\n[Icon]\r\nPrefix=pre\r\n");
    EXPECT_EQ(testsupport::entriesOf(folder.path()), QStringList({"Images", "Quillmark.ini", "Templates", "dir.ini"}));
}

// Check texts, the opacity and each key's default are the options' table's.
TEST(SettingValues, TwipsAndCustomFolders)
{
    for (const auto &[twips, pixels] : {std::pair{1500, 100}, {22, 1}, {-22, -1}, {7, 0}, {-8, -1}, {9100, 607}})
        EXPECT_EQ(settings::values::twipsToPixels(twips), pixels) << twips;
    EXPECT_EQ(settings::values::pixelsToTwips(-7), -105);
    for (const auto &[content, twips] : {std::pair{300, 9100}, {1000, 16020}, {-40, 9100}, {INT_MAX, INT_MAX}})
        EXPECT_EQ(settings::values::windowTwipsFor(content, 9100), twips) << content;
    // The custom folder is the temporary folder by default (on Windows the one the settings
    // have always named).
    const QString byDefault = settings::keys::defaultCustomSavePath();
    EXPECT_TRUE(byDefault.endsWith(QDir::separator()));
    EXPECT_EQ(QDir::cleanPath(QDir::fromNativeSeparators(byDefault)),
              testsupport::onWindows ? QStringLiteral("C:/Temp") : QDir::cleanPath(QDir::tempPath()));
}
