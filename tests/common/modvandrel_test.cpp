#include "common/modvandrel.h"
#include "common/paths.h"

#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace modVandrel;
using namespace paths;
using namespace textFiles;

TEST(ProgramFiles, FileExistsWantsAReadableFile)
{
    testsupport::ProgramFolder folder;
    folder.write("a.txt", "x");
    folder.write("empty.txt", "");
    EXPECT_TRUE(fileExists(folder.file("a.txt")));
    EXPECT_TRUE(fileExists(folder.file("empty.txt")));
    EXPECT_FALSE(fileExists(folder.file("b.txt")));
    EXPECT_FALSE(fileExists(folder.file("Templates")));
    EXPECT_FALSE(fileExists(""));
}

TEST(ProgramFiles, SeparatorsAndFileNames)
{
    const QString sep = QDir::separator();
    EXPECT_EQ(withSeparator("/tmp/x"), "/tmp/x" + sep);
    EXPECT_EQ(withSeparator("/tmp/x/"), "/tmp/x/");
    EXPECT_EQ(withSeparator("C:\\Temp"), "C:\\Temp\\");
    EXPECT_EQ(withSeparator("C:\\Temp\\"), "C:\\Temp\\");
    EXPECT_EQ(joinPath("/a", "b.txt"), "/a" + sep + "b.txt");
    EXPECT_EQ(joinPath("/a/", "b.txt"), "/a/b.txt");

    EXPECT_EQ(fileNameOf("C:\\Temp\\x.bmp"), "x.bmp");
    EXPECT_EQ(fileNameOf("/a/b\\c.txt"), "c.txt");
    EXPECT_EQ(fileNameOf("a\\b/c.txt"), "c.txt");
    EXPECT_EQ(fileNameOf("plain.txt"), "plain.txt");
    EXPECT_EQ(fileNameOf("/a/"), "");
}

TEST(ProgramFiles, FindFileIgnoresLetterCaseOnlyWhenNeeded)
{
    testsupport::ProgramFolder folder;
    folder.write("default armor.TXT", "x");
    const QString dir = folder.path();
    EXPECT_EQ(findFileNoCase(dir, "Default Armor.txt"), joinPath(dir, "default armor.TXT"));
    EXPECT_EQ(findFileNoCase(dir, "templates"), joinPath(dir, "Templates"));
    EXPECT_EQ(findFileNoCase(dir, "Nothing.txt"), joinPath(dir, "Nothing.txt"));
    EXPECT_EQ(findFileNoCase(dir + "/missing", "a.txt"), joinPath(dir + "/missing", "a.txt"));

    // An exact match wins over another spelling.
    folder.write("Default Armor.txt", "y");
    EXPECT_EQ(findFileNoCase(dir, "Default Armor.txt"), joinPath(dir, "Default Armor.txt"));
}

TEST(ScratchFile, SplitWritesTheFileButNeverDependsOnIt)
{
    testsupport::ProgramFolder folder;
    EXPECT_EQ(scratchSplit(folder.path(), QStringLiteral("Zoë\r\nb")), (QStringList{QStringLiteral("Zoë"), "b"}));
    EXPECT_EQ(folder.read("Parse.tmp"), "Zo\xC3\xAB\r\nb\r\n");
    EXPECT_EQ(scratchSplit(folder.path(), ""), QStringList{""});
    EXPECT_EQ(folder.read("Parse.tmp"), "\r\n");

    EXPECT_TRUE(resetScratchFile(folder.path()));
    EXPECT_EQ(folder.read("Parse.tmp"), " \r\n");

    // No program folder at all.
    EXPECT_EQ(scratchSplit(folder.file("missing"), "a\rb\r\n"), (QStringList{"a", "b", ""}));
    EXPECT_FALSE(QFileInfo::exists(folder.file("missing")));
    EXPECT_FALSE(resetScratchFile(folder.file("missing")));

    // A directory standing where the scratch file goes.
    testsupport::ProgramFolder blocked;
    ASSERT_TRUE(QDir(blocked.path()).mkdir("Parse.tmp"));
    EXPECT_EQ(scratchSplit(blocked.path(), "x\ny\r\nz"), (QStringList{"x\ny", "z"}));
    EXPECT_TRUE(QFileInfo(blocked.file("Parse.tmp")).isDir());
    EXPECT_FALSE(resetScratchFile(blocked.path()));
}

TEST(ScratchFile, LoneLineFeedsEndLinesWhenAskedAndTheFileShowsThemAsCrLf)
{
    testsupport::ProgramFolder folder;
    EXPECT_EQ(scratchSplit(folder.path(), "a\nb\r\nc\rd\n", LoneLf::EndsLine),
              (QStringList{"a", "b", "c", "d", ""}));
    EXPECT_EQ(folder.read("Parse.tmp"), "a\r\nb\r\nc\rd\r\n\r\n");

    // The file is written in pieces of 65536 characters: a CR LF across the first piece
    // boundary, a lone LF opening the third piece and a surrogate pair across the third
    // boundary must all come out as if written at once.
    constexpr qsizetype piece = 1 << 16;
    QString text(4 * piece, u'x');
    text[piece - 1] = u'\r';
    text[piece] = u'\n';
    text[2 * piece] = u'\n';
    const QString emoji = QStringLiteral("\U0001F600");
    text[3 * piece - 1] = emoji[0];
    text[3 * piece] = emoji[1];
    EXPECT_EQ(scratchSplit(folder.path(), text, LoneLf::EndsLine).size(), 3);
    QString expected = text;
    expected.insert(2 * piece, u'\r');
    EXPECT_EQ(folder.read("Parse.tmp"), (expected + QStringLiteral("\r\n")).toUtf8());
}

TEST(ProgramFolderChoice, PortableLayoutElseUserDataFolder)
{
    testsupport::ProgramFolder portable;
    QTemporaryDir other;
    const QString userData = other.path() + "/deep/Quillmark";
    EXPECT_EQ(QDir::fromNativeSeparators(resolveProgramFolder(portable.path(), userData)),
              QDir(portable.path()).absolutePath());
    EXPECT_FALSE(QFileInfo::exists(userData));

    // Without Templates beside the executable (a file of that name does not count).
    QTemporaryDir bare;
    QFile notAFolder(bare.path() + "/Templates");
    ASSERT_TRUE(notAFolder.open(QIODevice::WriteOnly));
    notAFolder.close();
    const QString chosen = QDir::fromNativeSeparators(resolveProgramFolder(bare.path(), userData));
    EXPECT_EQ(chosen, QDir(userData).absolutePath());
    EXPECT_TRUE(QFileInfo(userData + "/Images").isDir());
    EXPECT_TRUE(QFileInfo(userData + "/Templates").isDir());

    // Second start: the folder is already there and is chosen again.
    EXPECT_EQ(QDir::fromNativeSeparators(resolveProgramFolder(bare.path(), userData)), chosen);
}
