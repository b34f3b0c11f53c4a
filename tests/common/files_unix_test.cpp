#include "common/atomicfile.h"
#include "common/oldfiles.h"
#include "common/textfile.h"
#include "support.h"

#include <QDir>

#include <optional>
#include <sys/stat.h>

using namespace textFiles;
using testsupport::entriesOf;
using testsupport::ProgramFolder;

namespace {

mode_t modeOf(const QString &path)
{
    struct stat st {};
    ::stat(QFile::encodeName(path).constData(), &st);
    return st.st_mode & 07777;
}

} // namespace

TEST(AtomicFile, ReplacesOnlyOnCommitKeepsPermissionsAndOnFailureKeepsWhatStoodThere)
{
    ProgramFolder folder;
    folder.write("out.bin", "old");
    ::chmod(QFile::encodeName(folder.file("out.bin")).constData(), 0640);
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
    EXPECT_EQ(modeOf(folder.file("out.bin")), mode_t(0640));
    const mode_t mask = ::umask(022); // a fresh file gets the usual permissions, not the private ones
    EXPECT_TRUE(writeTextFileAtomic(folder.file("fresh.txt"), QStringLiteral("Zoë\r\n")));
    ::umask(mask);
    EXPECT_EQ(modeOf(folder.file("fresh.txt")), mode_t(0644));
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
        EXPECT_FALSE(file.errorString().isEmpty());
        EXPECT_FALSE(writeTextFileAtomic(folder.file("out.bin"), "far more than four bytes"));
    }
    for (const char *target : {"missing/x.txt", "Templates", "out.bin/inner"}) { // also when root
        AtomicFile file(folder.file(target));
        EXPECT_FALSE(file.open() || file.commit() || file.errorString().isEmpty()) << target;
        EXPECT_FALSE(writeFileAtomic(folder.file(target), "x")) << target;
    }
    EXPECT_EQ(folder.read("out.bin"), "new");
    EXPECT_EQ(entriesOf(folder.path()), QStringList({"Images", "Templates", "fresh.txt", "latin.txt", "out.bin"}));
}

// A replaced file the user made goes to the trash, or stays beside as NAME~N when no trash
// takes it (also when Qt 6.4 says it trashed a file into the working folder); a file of the
// same bytes is simply replaced, and a write that fails leaves the old file where it was.
TEST(AtomicFile, KeepsTheFileItReplacesInTheTrashOrBesideIt)
{
    using oldFiles::Replaced;
    ProgramFolder folder;
    // The home trash serves files on the home's file system: the folder is home here.
    const QByteArray savedHome = qgetenv("HOME"), savedDataHome = qgetenv("XDG_DATA_HOME");
    qputenv("HOME", QFile::encodeName(folder.path()));
    const QString savedCwd = QDir::currentPath();
    folder.write("plain", "a file, so that a folder under it cannot be made");
    QDir().mkpath(folder.file("data")); // as the desktop makes it; Qt makes only the trash in it
    QDir::setCurrent(folder.path());
    // Where the data folder is, what Sword.png held, whether the new file fits, the outcome.
    const std::tuple<const char *, QByteArray, bool, Replaced::How, QString> cases[] = {
        {"data", "", true, Replaced::Nothing, ""},
        {"data", "new", true, Replaced::Identical, ""},
        {"data", "old", true, Replaced::Trashed, folder.file("data/Trash/files/Sword.png")},
        {"plain/data", "old", true, Replaced::KeptBeside, folder.file("Sword~1.png")},
        {"plain/data", "old", true, Replaced::KeptBeside, folder.file("Sword~2.png")}, // ~1 is taken now
        {"missing/data", "old", true, Replaced::KeptBeside, folder.file("Sword~3.png")},
        {"data", "old", false, Replaced::Nothing, ""},
    };
    for (const auto &[data, old, fits, how, where] : cases) {
        SCOPED_TRACE(std::string(data) + " " + old.toStdString());
        qputenv("XDG_DATA_HOME", QFile::encodeName(folder.file(data)));
        QFile::remove(folder.file("Sword.png"));
        if (!old.isEmpty())
            folder.write("Sword.png", old);
        QDir(folder.file("data/Trash")).removeRecursively();
        AtomicFile file(folder.file("Sword.png"));
        file.keepReplaced();
        ASSERT_TRUE(file.open());
        std::fputs(fits ? "new" : "far more than four bytes", file.stream());
        {
            std::optional<testsupport::FileSizeLimit> full;
            if (!fits)
                full.emplace(4);
            EXPECT_EQ(file.commit(), fits);
        }
        EXPECT_EQ(folder.read("Sword.png"), fits ? "new" : old);
        EXPECT_EQ(std::pair(file.replaced().how, file.replaced().where), std::pair(how, where));
        if (!where.isEmpty()) {
            EXPECT_EQ(testsupport::readFile(where), old);
        }
        EXPECT_EQ(QFile::exists(folder.file("data/Trash/info/Sword.png.trashinfo")), how == Replaced::Trashed);
        EXPECT_FALSE(folder.exists("files") || folder.exists("info")); // nothing strays into the working folder
    }
    QDir::setCurrent(savedCwd);
    qputenv("HOME", savedHome);
    qputenv("XDG_DATA_HOME", savedDataHome); // the test main always sets one
}
