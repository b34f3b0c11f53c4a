#include "common/atomicfile.h"
#include "common/modvandrel.h"
#include "common/paths.h"
#include "common/textfile.h"
#include "support.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace textFiles;
using testsupport::ProgramFolder;

namespace {

mode_t modeOf(const QString &path)
{
    struct stat st {};
    ::stat(QFile::encodeName(path).constData(), &st);
    return st.st_mode & 07777;
}

} // namespace

TEST(AtomicFile, ReplacesOnlyOnCommitWithTheOldPermissionsAndLeavesNothingBehind)
{
    ProgramFolder folder;
    folder.write("out.bin", "old");
    ::chmod(QFile::encodeName(folder.file("out.bin")).constData(), 0640);
    {
        AtomicFile file(folder.file("out.bin"));
        ASSERT_TRUE(file.open());
        std::fputs("new", file.stream());
        EXPECT_EQ(folder.read("out.bin"), "old");
        ASSERT_TRUE(file.commit(Durability::Synced));
    }
    EXPECT_EQ(folder.read("out.bin"), "new");
    EXPECT_EQ(modeOf(folder.file("out.bin")), mode_t(0640));

    // A fresh file gets the usual permissions, not the temporary file's private ones.
    const mode_t mask = ::umask(022);
    EXPECT_TRUE(writeFileAtomic(folder.file("fresh.bin"), QByteArray()));
    ::umask(mask);
    EXPECT_EQ(modeOf(folder.file("fresh.bin")), mode_t(0644));
    EXPECT_EQ(QFileInfo(folder.file("fresh.bin")).size(), 0);
    {
        AtomicFile abandoned(folder.file("out.bin"));
        ASSERT_TRUE(abandoned.open());
        std::fputs("half", abandoned.stream());
    }
    EXPECT_EQ(folder.read("out.bin"), "new");
    EXPECT_EQ(testsupport::entriesOf(folder.path()), QStringList({"Images", "Templates", "fresh.bin", "out.bin"}));
}

TEST(AtomicFile, FailedWritesSayWhyAndKeepWhatStoodThere)
{
    ProgramFolder folder;
    folder.write("keep.txt", "precious");
    {
        AtomicFile file(folder.file("keep.txt"));
        ASSERT_TRUE(file.open());
        testsupport::FileSizeLimit full(4);
        std::fputs("far more than four bytes", file.stream());
        EXPECT_FALSE(file.commit());
        EXPECT_FALSE(file.errorString().isEmpty());
        EXPECT_FALSE(writeTextFileAtomic(folder.file("keep.txt"), "far more than four bytes"));
    }
    // A missing folder, a directory at the target, a path through a regular file.
    for (const char *target : {"missing/x.txt", "Templates", "keep.txt/inner"}) {
        AtomicFile file(folder.file(target));
        EXPECT_FALSE(file.open()) << target;
        EXPECT_FALSE(file.errorString().isEmpty()) << target;
        EXPECT_FALSE(file.commit()) << target;
        EXPECT_FALSE(writeFileAtomic(folder.file(target), "x")) << target;
    }
    EXPECT_EQ(folder.read("keep.txt"), "precious");
    EXPECT_TRUE(QFileInfo(folder.file("Templates")).isDir());
    EXPECT_EQ(testsupport::entriesOf(folder.path()), QStringList({"Images", "Templates", "keep.txt"}));
}

TEST(TextFiles, WrittenAsUtf8ReadAsUtf8ElseLatin1)
{
    ProgramFolder folder;
    EXPECT_TRUE(writeTextFileAtomic(folder.file("t.txt"), QStringLiteral("Zoë\r\n")));
    EXPECT_EQ(folder.read("t.txt"), "Zo\xC3\xAB\r\n");
    EXPECT_EQ(readTextFile(folder.file("t.txt")), QStringLiteral("Zoë\r\n"));
    folder.write("latin.txt", "caf\xE9");
    EXPECT_EQ(readTextFile(folder.file("latin.txt")), QStringLiteral("café"));
    EXPECT_FALSE(readTextFile(folder.file("none.txt")));
    EXPECT_FALSE(readTextFile(folder.file("Templates")));
}

TEST(ProgramFiles, FileExistsSeparatorsNamesAndLetterCase)
{
    ProgramFolder folder;
    folder.write("empty.txt", "");
    folder.write("default armor.TXT", "x");
    EXPECT_TRUE(modVandrel::fileExists(folder.file("empty.txt")));
    for (const QString &missing : {folder.file("b.txt"), folder.file("Templates"), QString()})
        EXPECT_FALSE(modVandrel::fileExists(missing)) << missing.toStdString();

    const QString sep = QDir::separator();
    for (const auto &[folderText, with] : {std::pair{"/tmp/x", "/tmp/x" + sep}, {"/tmp/x/", "/tmp/x/"},
                                           {"C:\\Temp", "C:\\Temp\\"}, {"C:\\Temp\\", "C:\\Temp\\"}})
        EXPECT_EQ(paths::withSeparator(folderText), with);
    EXPECT_EQ(paths::joinPath("/a", "b.txt"), "/a" + sep + "b.txt");
    EXPECT_EQ(paths::joinPath("/a/", "b.txt"), "/a/b.txt");
    for (const auto &[path, name] : {std::pair{"C:\\Temp\\x.bmp", "x.bmp"}, {"/a/b\\c.txt", "c.txt"},
                                     {"a\\b/c.txt", "c.txt"}, {"plain.txt", "plain.txt"}, {"/a/", ""}})
        EXPECT_EQ(paths::fileNameOf(path), name) << path;

    // Another letter case only when the exact name is missing.
    const QString dir = folder.path();
    EXPECT_EQ(paths::findFileNoCase(dir, "Default Armor.txt"), paths::joinPath(dir, "default armor.TXT"));
    EXPECT_EQ(paths::findFileNoCase(dir, "templates"), paths::joinPath(dir, "Templates"));
    EXPECT_EQ(paths::findFileNoCase(dir, "Nothing.txt"), paths::joinPath(dir, "Nothing.txt"));
    EXPECT_EQ(paths::findFileNoCase(dir + "/missing", "a.txt"), paths::joinPath(dir + "/missing", "a.txt"));
    folder.write("Default Armor.txt", "y");
    EXPECT_EQ(paths::findFileNoCase(dir, "Default Armor.txt"), paths::joinPath(dir, "Default Armor.txt"));
}

TEST(ScratchFile, SplitsThroughTheFileButNeverDependsOnIt)
{
    ProgramFolder folder, blocked;
    ASSERT_TRUE(QDir(blocked.path()).mkdir("Parse.tmp"));
    const struct {
        QString text;
        LoneLf loneLf;
        QStringList lines;
        QByteArray file;
    } cases[] = {
        {QStringLiteral("Zoë\r\nb"), LoneLf::StaysInLine, {QStringLiteral("Zoë"), "b"}, "Zo\xC3\xAB\r\nb\r\n"},
        {"", LoneLf::StaysInLine, {""}, "\r\n"},
        {"x\ny\r\nz", LoneLf::StaysInLine, {"x\ny", "z"}, "x\ny\r\nz\r\n"},
        {"a\nb\r\nc\rd\n", LoneLf::EndsLine, {"a", "b", "c", "d", ""}, "a\r\nb\r\nc\rd\r\n\r\n"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(modVandrel::scratchSplit(folder.path(), c.text, c.loneLf), c.lines);
        EXPECT_EQ(folder.read("Parse.tmp"), c.file);
        EXPECT_EQ(modVandrel::scratchSplit(folder.file("missing"), c.text, c.loneLf), c.lines);
        EXPECT_EQ(modVandrel::scratchSplit(blocked.path(), c.text, c.loneLf), c.lines);
    }
    EXPECT_TRUE(modVandrel::resetScratchFile(folder.path()));
    EXPECT_EQ(folder.read("Parse.tmp"), " \r\n");
    EXPECT_FALSE(modVandrel::resetScratchFile(folder.file("missing")));
    EXPECT_FALSE(modVandrel::resetScratchFile(blocked.path()));
    EXPECT_FALSE(QFileInfo::exists(folder.file("missing")));
    EXPECT_TRUE(QFileInfo(blocked.file("Parse.tmp")).isDir());

    // Written in pieces of 65536 characters: a CR LF across the first boundary, a lone LF
    // opening the third piece and a surrogate pair across the third boundary come out as
    // if written at once.
    constexpr qsizetype piece = 1 << 16;
    QString text(4 * piece, u'x');
    text[piece - 1] = u'\r';
    text[piece] = u'\n';
    text[2 * piece] = u'\n';
    const QString emoji = QStringLiteral("\U0001F600");
    text[3 * piece - 1] = emoji[0];
    text[3 * piece] = emoji[1];
    EXPECT_EQ(modVandrel::scratchSplit(folder.path(), text, LoneLf::EndsLine).size(), 3);
    QString expected = text;
    expected.insert(2 * piece, u'\r');
    EXPECT_EQ(folder.read("Parse.tmp"), (expected + "\r\n").toUtf8());
}

TEST(ProgramFolderChoice, PortableLayoutElseTheUserDataFolderMadeOnce)
{
    ProgramFolder portable;
    QTemporaryDir other, bare;
    const QString userData = other.path() + "/deep/Quillmark";
    const auto chosen = [&](const QString &executableFolder) {
        return QDir::fromNativeSeparators(paths::resolveProgramFolder(executableFolder, userData));
    };
    EXPECT_EQ(chosen(portable.path()), QDir(portable.path()).absolutePath());
    EXPECT_FALSE(QFileInfo::exists(userData));

    // A file named Templates beside the executable does not count.
    QFile notAFolder(bare.path() + "/Templates");
    ASSERT_TRUE(notAFolder.open(QIODevice::WriteOnly));
    notAFolder.close();
    for (int start = 0; start < 2; ++start) {
        EXPECT_EQ(chosen(bare.path()), QDir(userData).absolutePath()) << start;
        EXPECT_TRUE(QFileInfo(userData + "/Images").isDir());
        EXPECT_TRUE(QFileInfo(userData + "/Templates").isDir());
    }
}
