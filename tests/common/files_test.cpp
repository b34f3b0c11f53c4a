#include "common/atomicfile.h"
#include "common/modvandrel.h"
#include "common/paths.h"
#include "common/textfile.h"
#include "support.h"

#include <QDir>

#include <optional>

using namespace textFiles;
using testsupport::entriesOf;
using testsupport::ProgramFolder;

TEST(ProgramFiles, FileExistsSeparatorsNamesAndLetterCase)
{
    ProgramFolder folder;
    folder.write("empty.txt", "");
    folder.write("default armor.TXT", "x");
    EXPECT_TRUE(modVandrel::fileExists(folder.file("empty.txt")));
    EXPECT_FALSE(modVandrel::fileExists(folder.file("b.txt")) || modVandrel::fileExists(folder.file("Templates"))
        || modVandrel::fileExists(QString()));
    const QString sep = QDir::separator();
    for (const auto &[text, with] : {std::pair{"/tmp/x", "/tmp/x" + sep}, {"/tmp/x/", "/tmp/x/"},
             {"C:\\Temp", "C:\\Temp\\"}, {"C:\\Temp\\", "C:\\Temp\\"}})
        EXPECT_EQ(paths::withSeparator(text), with);
    EXPECT_EQ(paths::joinPath("/a", "b.txt"), "/a" + sep + "b.txt");
    EXPECT_EQ(paths::joinPath("/a/", "b.txt"), "/a/b.txt");
    for (const auto &[path, name] : {std::pair{"C:\\Temp\\x.bmp", "x.bmp"}, {"/a/b\\c.txt", "c.txt"},
             {"a\\b/c.txt", "c.txt"}, {"plain.txt", "plain.txt"}, {"/a/", ""}})
        EXPECT_EQ(paths::fileNameOf(path), name) << path;
    // Another letter case only when the exact name is missing.
    const QString dir = folder.path();
    for (const auto &[asked, found] : {std::pair{"Default Armor.txt", "default armor.TXT"}, {"templates", "Templates"},
             {"Nothing.txt", "Nothing.txt"}})
        EXPECT_EQ(testsupport::pathKey(paths::findFileNoCase(dir, asked)), testsupport::pathKey(paths::joinPath(dir, found)));
    EXPECT_EQ(paths::findFileNoCase(dir + "/missing", "a.txt"), paths::joinPath(dir + "/missing", "a.txt"));
    folder.write("Default Armor.txt", "y");
    EXPECT_EQ(paths::findFileNoCase(dir, "Default Armor.txt"), paths::joinPath(dir, "Default Armor.txt"));
}

TEST(AtomicFile, ReplacesOnlyOnCommitAndOnFailureKeepsWhatStoodThere)
{
    ProgramFolder folder;
    folder.write("out.bin", "old");
    for (const bool commit : {false, true}) {
        AtomicFile file(folder.file("out.bin"));
        ASSERT_TRUE(file.open());
        std::fputs("new", file.stream());
        EXPECT_EQ(folder.read("out.bin"), "old");
        if (commit) {
            ASSERT_TRUE(file.commit(Durability::Synced));
        }
    } // the first one abandoned
    EXPECT_EQ(folder.read("out.bin"), "new");
    EXPECT_TRUE(writeTextFileAtomic(folder.file("fresh.txt"), QStringLiteral("Zoë\r\n")));
    EXPECT_EQ(folder.read("fresh.txt"), "Zo\xC3\xAB\r\n");
    EXPECT_EQ(readTextFile(folder.file("fresh.txt")), QStringLiteral("Zoë\r\n"));
    folder.write("latin.txt", "caf\xE9");
    EXPECT_EQ(readTextFile(folder.file("latin.txt")), QStringLiteral("café"));
    EXPECT_FALSE(readTextFile(folder.file("none.txt")) || readTextFile(folder.file("Templates")));
    if (testsupport::FileSizeLimit::works) {
        AtomicFile file(folder.file("out.bin"));
        ASSERT_TRUE(file.open());
        testsupport::FileSizeLimit full(4);
        std::fputs("far more than four bytes", file.stream());
        EXPECT_FALSE(file.commit());
        EXPECT_EQ(file.problem(), FileProblem::fromErrno(FileProblem::Code::CannotWrite, EFBIG));
        EXPECT_FALSE(writeTextFileAtomic(folder.file("out.bin"), "far more than four bytes"));
    }
    for (const char *target : {"missing/x.txt", "Templates", "out.bin/inner"}) { // also when root
        AtomicFile file(folder.file(target));
        EXPECT_FALSE(file.open() || file.commit() || file.problem().code == FileProblem::Code::None) << target;
        EXPECT_FALSE(writeFileAtomic(folder.file(target), "x")) << target;
    }
    EXPECT_EQ(folder.read("out.bin"), "new");
    EXPECT_EQ(entriesOf(folder.path()), QStringList({"Images", "Templates", "fresh.txt", "latin.txt", "out.bin"}));
}

TEST(ScratchFile, SplitsThroughTheFileButNeverDependsOnIt)
{
    ProgramFolder folder, blocked;
    ASSERT_TRUE(QDir(blocked.path()).mkdir("Parse.tmp"));
    const std::tuple<QString, LoneLf, QStringList, QByteArray> cases[]
        = {{QStringLiteral("Zoë\r\nb"), LoneLf::StaysInLine, {QStringLiteral("Zoë"), "b"}, "Zo\xC3\xAB\r\nb\r\n"},
            {"", LoneLf::StaysInLine, {""}, "\r\n"}, {"x\ny\r\nz", LoneLf::StaysInLine, {"x\ny", "z"}, "x\ny\r\nz\r\n"},
            {"\na\nb\r\nc\rd\n", LoneLf::EndsLine, {"", "a", "b", "c", "d", ""}, "\r\na\r\nb\r\nc\rd\r\n\r\n"},
            {"\r\nx\n", LoneLf::EndsLine, {"", "x", ""}, "\r\nx\r\n\r\n"}};
    for (const auto &[text, loneLf, lines, file] : cases) {
        EXPECT_EQ(modVandrel::scratchSplit(folder.path(), text, loneLf), lines);
        EXPECT_EQ(folder.read("Parse.tmp"), file);
        EXPECT_EQ(modVandrel::scratchSplit(folder.file("missing"), text, loneLf), lines);
        EXPECT_EQ(modVandrel::scratchSplit(blocked.path(), text, loneLf), lines);
    }
    EXPECT_TRUE(modVandrel::resetScratchFile(folder.path()));
    EXPECT_EQ(folder.read("Parse.tmp"), " \r\n");
    EXPECT_FALSE(modVandrel::resetScratchFile(folder.file("missing")) || modVandrel::resetScratchFile(blocked.path()));
    EXPECT_FALSE(QFileInfo::exists(folder.file("missing")));
    EXPECT_TRUE(QFileInfo(blocked.file("Parse.tmp")).isDir());
    // Written in pieces of 65536 characters: a CR LF across the first boundary, a lone LF
    // opening the third piece and a surrogate pair across the third come out as if written at once.
    constexpr qsizetype piece = 1 << 16;
    QString text(4 * piece, u'x');
    text[piece - 1] = u'\r';
    text[piece] = text[2 * piece] = u'\n';
    text[3 * piece - 1] = QStringLiteral("\U0001F600")[0];
    text[3 * piece] = QStringLiteral("\U0001F600")[1];
    EXPECT_EQ(modVandrel::scratchSplit(folder.path(), text, LoneLf::EndsLine).size(), 3);
    EXPECT_EQ(folder.read("Parse.tmp"), (QString(text).insert(2 * piece, u'\r') + "\r\n").toUtf8());
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
    QFile notAFolder(bare.path() + "/Templates"); // a file named Templates does not count
    ASSERT_TRUE(notAFolder.open(QIODevice::WriteOnly));
    notAFolder.close();
    for (int start = 0; start < 2; ++start) {
        EXPECT_EQ(chosen(bare.path()), QDir(userData).absolutePath()) << start;
        EXPECT_TRUE(QFileInfo(userData + "/Images").isDir() && QFileInfo(userData + "/Templates").isDir());
    }
}
