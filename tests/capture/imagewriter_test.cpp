#include "capture/imagewriter.h"

#include "image/imagefiles.h"
#include "image/pngcodec.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>


using namespace capture;
using testsupport::ProgramFolder;
using testsupport::noise;

namespace {

QImage decoded(const QString &path)
{
    QImage picture;
    if (path.endsWith(".png"))
        modPNG::LoadPNG(path, picture);
    else
        picture = imageFiles::loadPicture(path).picture;
    return picture.convertToFormat(QImage::Format_RGB32);
}

QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

KindOptions ofType(const char *type)
{
    KindOptions options;
    options.fileType = type;
    return options;
}

} // namespace

TEST(ImageWriter, WritesEachFileTypeThatDecodes)
{
    const ProgramFolder program;
    const QImage picture = noise(37, 21, 1);
    for (const char *type : {"bmp", "png"}) {
        const WriteResult result = writeImage(ofType(type), program.path(), "Sword", picture);
        ASSERT_EQ(result.status, WriteResult::Written) << type;
        EXPECT_EQ(result.path, program.path() + "/Images/Sword." + type);
        EXPECT_EQ(decoded(result.path), picture) << type;
    }
    // A flat picture survives JPEG nearly intact; the quality reaches the encoder.
    QImage flat(40, 30, QImage::Format_RGB32);
    flat.fill(qRgb(200, 120, 40));
    KindOptions jpg = ofType("jpg");
    jpg.quality = 100;
    ASSERT_EQ(writeImage(jpg, program.path(), "High", flat).status, WriteResult::Written);
    const QColor colour = decoded(program.file("Images/High.jpg")).pixelColor(20, 15);
    EXPECT_NEAR(colour.red(), 200, 3);
    EXPECT_NEAR(colour.blue(), 40, 3);
    jpg.quality = 5;
    ASSERT_EQ(writeImage(jpg, program.path(), "Low", noise(64, 64, 2)).status, WriteResult::Written);
    jpg.quality = 100;
    ASSERT_EQ(writeImage(jpg, program.path(), "Fine", noise(64, 64, 2)).status, WriteResult::Written);
    EXPECT_LT(QFileInfo(program.file("Images/Low.jpg")).size(), QFileInfo(program.file("Images/Fine.jpg")).size());
}

TEST(ImageWriter, GifAndUnknownTypesWriteNothing)
{
    const ProgramFolder program;
    EXPECT_EQ(writeImage(ofType("gif"), program.path(), "Sword", noise(4, 4, 1)).status, WriteResult::GifNotSupported);
    EXPECT_EQ(writeImage(ofType("tiff"), program.path(), "Sword", noise(4, 4, 1)).status, WriteResult::NoFileType);
    EXPECT_EQ(writeImage(ofType(""), program.path(), "Sword", noise(4, 4, 1)).status, WriteResult::NoFileType);
    EXPECT_TRUE(entries(program.file("Images")).isEmpty());
}

TEST(ImageWriter, NamesStayInsideTheFolder)
{
    const ProgramFolder program;
    const QStringList before = entries(program.path());
    for (const QString &name : {QString("sub/Sword"), QString("..\\Sword"), QString(".."), QString("."),
                                QString("a") + QChar(u'\0') + "b", QString()}) {
        const WriteResult result = writeImage(ofType("png"), program.path(), name, noise(4, 4, 1));
        EXPECT_EQ(result.status, WriteResult::Failed) << name.toStdString();
        EXPECT_FALSE(result.reason.isEmpty());
    }
    EXPECT_EQ(writeImage(ofType("png"), program.path(), "a/b", noise(4, 4, 1)).reason,
              "the name may not contain \"/\"");
    KindOptions escaping = ofType("png");
    escaping.prefix = "../";
    EXPECT_EQ(writeImage(escaping, program.path(), "Sword", noise(4, 4, 1)).status, WriteResult::Failed);
    EXPECT_EQ(entries(program.path()), before);
    EXPECT_TRUE(entries(program.file("Images")).isEmpty());

    // Blanks and dots are a name like any other; the extension is still added.
    EXPECT_EQ(writeImage(ofType("png"), program.path(), "   ", noise(4, 4, 1)).status, WriteResult::Written);
    EXPECT_EQ(writeImage(ofType("bmp"), program.path(), "a.b.", noise(4, 4, 1)).status, WriteResult::Written);
    EXPECT_EQ(entries(program.file("Images")), QStringList({"   .png", "a.b..bmp"}));
}

TEST(ImageWriter, SecondSaveOfTheSameNameReplacesTheFirst)
{
    const ProgramFolder program;
    const QImage second = noise(10, 10, 2);
    ASSERT_EQ(writeImage(ofType("png"), program.path(), "86400", noise(20, 5, 1)).status, WriteResult::Written);
    ASSERT_EQ(writeImage(ofType("png"), program.path(), "86400", second).status, WriteResult::Written);
    EXPECT_EQ(entries(program.file("Images")), QStringList({"86400.png"}));
    EXPECT_EQ(decoded(program.file("Images/86400.png")), second);
}

TEST(ImageWriter, FailuresNameTheFileAndKeepWhatWasThere)
{
    const ProgramFolder program;
    const QImage picture = noise(300, 300, 3);
    KindOptions missing = ofType("png");
    missing.useDefaultFolder = false;
    missing.customFolder = program.file("Nowhere");
    WriteResult result = writeImage(missing, program.path(), "Sword", picture);
    EXPECT_EQ(result.status, WriteResult::Failed);
    EXPECT_EQ(result.path, program.file("Nowhere/Sword.png"));
    EXPECT_FALSE(result.reason.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(program.file("Nowhere")));
    EXPECT_TRUE(failureMessage(result).contains(result.path));
    EXPECT_TRUE(failureMessage(result).contains(result.reason));

    program.write("Plain", "x");
    missing.customFolder = program.file("Plain");
    EXPECT_EQ(writeImage(missing, program.path(), "Sword", picture).status, WriteResult::Failed);

    for (const char *type : {"bmp", "jpg", "png"}) {
        const QString file = QStringLiteral("Sword.") + type;
        QDir(program.file("Images")).mkdir(file);
        result = writeImage(ofType(type), program.path(), "Sword", picture);
        EXPECT_EQ(result.status, WriteResult::Failed) << type;
        EXPECT_FALSE(result.reason.isEmpty()) << type;
        EXPECT_TRUE(QFileInfo(program.file("Images/" + file)).isDir()) << type;

        program.write("Images/Kept." + QString(type), "old contents");
        {
            const testsupport::FileSizeLimit fullDisk(1000);
            result = writeImage(ofType(type), program.path(), "Kept", picture);
        }
        EXPECT_EQ(result.status, WriteResult::Failed) << type;
        EXPECT_EQ(result.path, program.file("Images/Kept." + QString(type)));
        EXPECT_FALSE(result.reason.isEmpty()) << type;
        EXPECT_EQ(bytesOf(result.path), "old contents") << type;
    }
    EXPECT_EQ(entries(program.file("Images")).size(), 6); // no temporary files left behind
}
