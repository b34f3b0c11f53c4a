#include "common/atomicfile.h"
#include "common/oldfiles.h"
#include "common/textfile.h"
#include "support.h"

#include <QDir>

#include <optional>

using namespace textFiles;
using testsupport::entriesOf;
using testsupport::ProgramFolder;

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
