#include "common/atomicfile.h"
#include "common/textfile.h"

#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

#include <sys/stat.h>

using textFiles::AtomicFile;
using testsupport::ProgramFolder;

namespace {

mode_t modeOf(const QString &path)
{
    struct stat st {};
    ::stat(QFile::encodeName(path).constData(), &st);
    return st.st_mode & 07777;
}

bool onlyTheTarget(const ProgramFolder &folder, const QString &name)
{
    // No temporary file left behind, whatever happened.
    const QStringList entries = QDir(folder.path()).entryList(QDir::Files | QDir::Hidden);
    return entries == QStringList{name} || (entries.isEmpty() && name.isEmpty());
}

} // namespace

TEST(AtomicFile, ReplacesOnlyOnCommitAndKeepsTheReplacedFilesPermissions)
{
    ProgramFolder folder;
    const QString target = folder.file("out.bin");
    folder.write("out.bin", "old");
    ::chmod(QFile::encodeName(target).constData(), 0640);

    AtomicFile file(target);
    ASSERT_TRUE(file.open());
    std::fputs("new", file.stream());
    EXPECT_EQ(folder.read("out.bin"), "old"); // nothing replaced before the commit
    ASSERT_TRUE(file.commit(textFiles::Durability::Synced));
    EXPECT_EQ(folder.read("out.bin"), "new");
    EXPECT_EQ(modeOf(target), mode_t(0640));
    EXPECT_TRUE(onlyTheTarget(folder, "out.bin"));

    // A fresh file gets the usual permissions, not the temporary file's private ones.
    const mode_t mask = ::umask(022);
    AtomicFile fresh(folder.file("fresh.bin"));
    ASSERT_TRUE(fresh.open());
    ASSERT_TRUE(fresh.commit());
    EXPECT_EQ(modeOf(folder.file("fresh.bin")), mode_t(0644));
    ::umask(mask);
}

TEST(AtomicFile, AbandonedOrFailedWritesLeaveTheOldFile)
{
    ProgramFolder folder;
    folder.write("keep.txt", "precious");
    {
        AtomicFile file(folder.file("keep.txt"));
        ASSERT_TRUE(file.open());
        std::fputs("half", file.stream());
    } // destroyed without commit
    EXPECT_EQ(folder.read("keep.txt"), "precious");
    EXPECT_TRUE(onlyTheTarget(folder, "keep.txt"));

    // A full disk: the commit fails, says why, and the old file stays.
    {
        AtomicFile file(folder.file("keep.txt"));
        ASSERT_TRUE(file.open());
        testsupport::FileSizeLimit limit(4);
        std::fputs("far more than four bytes", file.stream());
        EXPECT_FALSE(file.commit());
        EXPECT_FALSE(file.errorString().isEmpty());
    }
    EXPECT_EQ(folder.read("keep.txt"), "precious");
    EXPECT_TRUE(onlyTheTarget(folder, "keep.txt"));
    {
        testsupport::FileSizeLimit limit(4);
        EXPECT_FALSE(textFiles::writeTextFileAtomic(folder.file("keep.txt"), "far more than four bytes"));
    }
    EXPECT_EQ(folder.read("keep.txt"), "precious");
}

TEST(AtomicFile, RefusesFoldersMissingFoldersAndPathsThroughFiles)
{
    ProgramFolder folder;
    ASSERT_TRUE(QDir(folder.path()).mkdir("dir"));
    AtomicFile onDir(folder.file("dir"));
    EXPECT_FALSE(onDir.open());
    EXPECT_TRUE(QFileInfo(folder.file("dir")).isDir());

    AtomicFile inMissing(folder.file("missing/x.bin"));
    EXPECT_FALSE(inMissing.open());
    EXPECT_FALSE(inMissing.errorString().isEmpty());

    folder.write("plain", "x");
    AtomicFile throughFile(folder.file("plain/x.bin"));
    EXPECT_FALSE(throughFile.open());
    EXPECT_FALSE(throughFile.commit());
    EXPECT_EQ(folder.read("plain"), "x");
}
