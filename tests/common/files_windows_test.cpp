// What only Windows does with files: a rename refuses an existing target, a file another
// program holds open is locked, and file times and attributes live on the handle.
#include "common/atomicfile.h"
#include "common/oldfiles.h"
#include "common/textfile.h"
#include "image/imagefiles.h"
#include "image/pngcodec.h"
#include "support.h"

#include <QDir>

#include <windows.h>

using namespace textFiles;
using testsupport::entriesOf;
using testsupport::ProgramFolder;

namespace {

// The file held open by "another program" as Explorer's preview or an image viewer does:
// no sharing for writing or deleting.
struct Held {
    HANDLE handle;
    explicit Held(const QString &path)
        : handle(CreateFileW(path.toStdWString().c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0,
                             nullptr))
    {
    }
    ~Held() { CloseHandle(handle); }
};

FILETIME filetime(std::int64_t value) { return {DWORD(value & 0xffffffff), DWORD(std::uint64_t(value) >> 32)}; }

} // namespace

TEST(AtomicFileOnWindows, ReplacesAnExistingFileAndFailsWithASentenceOnAHeldOne)
{
    ProgramFolder folder;
    ASSERT_TRUE(writeFileAtomic(folder.file("out.bin"), "old"));
    ASSERT_TRUE(writeFileAtomic(folder.file("out.bin"), "new")); // a rename onto an existing file
    {
        const Held held(folder.file("out.bin"));
        ASSERT_NE(held.handle, INVALID_HANDLE_VALUE);
        AtomicFile file(folder.file("out.bin"));
        ASSERT_TRUE(file.open());
        std::fputs("newer", file.stream());
        EXPECT_FALSE(file.commit());
        EXPECT_NE(file.problem().code, FileProblem::Code::None);
        EXPECT_FALSE(writeTextFileAtomic(folder.file("out.bin"), QStringLiteral("newer")));
    }
    EXPECT_EQ(folder.read("out.bin"), "new");
    EXPECT_EQ(entriesOf(folder.path()), QStringList({"Images", "Templates", "out.bin"})); // no half-written file
}

// A replaced JPEG keeps its creation date and its attributes (hidden, here); a picture the
// user replaces goes to the Recycle Bin, or stays beside where none takes it.
TEST(AtomicFileOnWindows, ReplacedJpegKeepsDatesAndAttributesAndTheOldPictureIsKept)
{
    ProgramFolder folder;
    QImage picture = testsupport::filled({16, 16}, QColor(Qt::darkGreen).rgb());
    const QString path = folder.file("Sword.jpg");
    ASSERT_TRUE(imageFiles::saveJpg(picture, path, 90));
    const std::wstring wide = path.toStdWString();
    {
        HANDLE h = CreateFileW(wide.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
        const FILETIME created = filetime(130000000000000000LL); // 2012
        ASSERT_TRUE(SetFileTime(h, &created, nullptr, &created));
        CloseHandle(h);
    }
    ASSERT_TRUE(SetFileAttributesW(wide.c_str(), FILE_ATTRIBUTE_HIDDEN));
    picture.fill(Qt::darkRed);
    oldFiles::Replaced kept;
    ASSERT_TRUE(imageFiles::saveJpg(picture, path, 90, &kept));
    WIN32_FILE_ATTRIBUTE_DATA data{};
    ASSERT_TRUE(GetFileAttributesExW(wide.c_str(), GetFileExInfoStandard, &data));
    EXPECT_EQ(std::int64_t(data.ftCreationTime.dwHighDateTime) << 32 | data.ftCreationTime.dwLowDateTime,
              130000000000000000LL);
    EXPECT_TRUE(data.dwFileAttributes & FILE_ATTRIBUTE_HIDDEN);
    EXPECT_GT(QImage(path).pixelColor(8, 8).red(), 100);
    // Where the old picture went: the Recycle Bin, or beside as Sword~1.jpg.
    ASSERT_TRUE(kept.how == oldFiles::Replaced::Trashed || kept.how == oldFiles::Replaced::KeptBeside)
        << int(kept.how);
    EXPECT_GT(QImage(kept.where).pixelColor(8, 8).green(), 50) << kept.where.toStdString();
    if (kept.how == oldFiles::Replaced::KeptBeside) {
        EXPECT_EQ(QDir::fromNativeSeparators(kept.where), QDir::fromNativeSeparators(folder.file("Sword~1.jpg")));
    }
}

// Names beyond the ANSI code page: every writer and the PNG reader take them whole.
TEST(AtomicFileOnWindows, PicturesUnderNamesBeyondTheCodePage)
{
    ProgramFolder folder;
    const QImage picture = testsupport::filled({8, 8}, QColor(Qt::blue).rgb());
    const QString stem = folder.file(QStringLiteral("\u00c9p\u00e9e \u2713 \u5263"));
    EXPECT_TRUE(imageFiles::savePng(picture, stem + ".png"));
    EXPECT_TRUE(imageFiles::saveJpg(picture, stem + ".jpg", 90));
    EXPECT_TRUE(imageFiles::saveBmp(picture, stem + ".bmp"));
    QImage read;
    ASSERT_TRUE(modPNG::LoadPNG(stem + ".png", read));
    EXPECT_EQ(read.pixelColor(3, 3), QColor(Qt::blue));
    EXPECT_EQ(entriesOf(folder.path()).size(), 5); // three pictures beside Images and Templates
}
