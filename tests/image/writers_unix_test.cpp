// The JPEG writer's quality, and what a replacement keeps of the old file: its times and
// permissions as POSIX has them (every writer keeps the permissions, through AtomicFile).

#include "image/jpegcodec.h"
#include "support.h"

#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>

using testsupport::noise;
using testsupport::ProgramFolder;

TEST(PictureWriters, JpegQualityIsClampedAndAReplacementKeepsTheOldFilesTimesAndPermissions)
{
    ProgramFolder folder;
    const auto saved = [&](int quality) {
        EXPECT_TRUE(
            mIntelJPEGLibrary::SaveJPG(noise(40, 40), folder.file(QStringLiteral("q%1.jpg").arg(quality)), quality));
        return folder.read(QStringLiteral("q%1.jpg").arg(quality));
    };
    const QByteArray lowest = saved(1), highest = saved(100);
    EXPECT_LT(lowest.size(), highest.size());
    EXPECT_EQ(QByteArrayList({saved(0), saved(-5), saved(101)}), QByteArrayList({lowest, lowest, highest}));
    EXPECT_TRUE(saved(2) != lowest && saved(99) != highest);
    const QByteArray name = QFile::encodeName(folder.file("old.jpg"));
    folder.write("old.jpg", "an older picture");
    ASSERT_EQ(::chmod(name.constData(), 0604), 0);
    const timespec times[2] = {{1000000000, 123456789}, {1234567890, 987654321}};
    ASSERT_EQ(::utimensat(AT_FDCWD, name.constData(), times, 0), 0);
    ASSERT_TRUE(mIntelJPEGLibrary::SaveJPG(noise(30, 20), folder.file("old.jpg"), 80));
    struct stat st {}; // before the file is read, which would touch its access time
    ASSERT_EQ(::stat(name.constData(), &st), 0);
    EXPECT_EQ(QList<long>({long(st.st_atim.tv_sec), st.st_atim.tv_nsec, long(st.st_mtim.tv_sec), st.st_mtim.tv_nsec,
                  long(st.st_mode & 07777)}),
        QList<long>({1000000000, 123456789, 1234567890, 987654321, 0604}));
    EXPECT_TRUE(folder.read("old.jpg").startsWith("\xff\xd8\xff"));
    // A new file is not back-dated, and gets the usual permissions, not a temporary file's.
    ASSERT_EQ(::stat(QFile::encodeName(folder.file("q1.jpg")).constData(), &st), 0);
    EXPECT_LE(std::abs(long(st.st_mtim.tv_sec) - long(std::time(nullptr))), 60);
    const mode_t mask = ::umask(0);
    ::umask(mask);
    EXPECT_EQ(st.st_mode & 07777, 0666 & ~mask);
}
