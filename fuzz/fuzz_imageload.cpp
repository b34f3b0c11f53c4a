// Feeds arbitrary bytes to the picture readers as a dropped file would reach them: the
// first byte picks the name's ending (and so the reader), the rest is the file.

#include "image/loadimagefile.h"
#include "image/pngcodec.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>

namespace {

QTemporaryDir *scratch = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    // The Qt image plugins (GIF, JPEG) are found through the application object.
    static QCoreApplication app(*argc, *argv);
    scratch = new QTemporaryDir();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    static const char *const endings[] = {"png", "bmp", "gif", "jpg"};
    const char *ending = endings[data[0] % 4];
    const QByteArray body(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    // The PNG reader straight from memory as well.
    if (FILE *stream = fmemopen(const_cast<char *>(body.constData()), size_t(body.size()), "rb")) {
        QImage picture;
        modPNG::LoadPNG(stream, picture);
        std::fclose(stream);
    }
    const QString path = QDir(scratch->path()).filePath(QStringLiteral("input.") + QLatin1String(ending));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 0;
    file.write(body);
    file.close();
    QImage picture(4, 4, QImage::Format_RGB32);
    modVandrel::LoadImageFile(path, picture);
    return 0;
}
