#pragma once
// What every fuzz target shares: the application object, a scratch program folder, texts
// and pictures made from the fuzzer's bytes, and a check that stops the run on a broken
// property so that libFuzzer keeps the input.

#include <fuzzer/FuzzedDataProvider.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace fuzzing {

inline void check(bool holds, const char *property, const QString &detail = {})
{
    if (!holds) {
        std::fprintf(stderr, "Broken: %s\n%s\n", property, qPrintable(detail.left(2000)));
        std::abort();
    }
}

// One program folder for the whole run, emptied for each input so no input sees another's files.
inline QString programFolder()
{
    static QTemporaryDir dir;
    QDir(dir.path()).removeRecursively();
    QDir().mkpath(dir.path() + QStringLiteral("/Images"));
    QDir().mkpath(dir.path() + QStringLiteral("/Templates"));
    return dir.path();
}

inline void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
}

inline QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline QByteArray bytes(FuzzedDataProvider &in, size_t max)
{
    return QByteArray::fromStdString(in.ConsumeRandomLengthString(max));
}

// Text as it reaches us from the clipboard or a file: any of the encodings a copy may have
// come through, so lone surrogates and odd code points occur too.
inline QString text(FuzzedDataProvider &in, size_t max = 4096)
{
    const QByteArray raw = bytes(in, max);
    switch (in.ConsumeIntegralInRange(0, 2)) {
    case 0: return QString::fromUtf8(raw);
    case 1: return QString::fromLatin1(raw);
    default: return QString(reinterpret_cast<const QChar *>(raw.constData()), raw.size() / 2);
    }
}

// A picture of any size up to maxSide, in one of the formats pictures reach us in; the
// pixels mostly from a few colours, so that equal pixels (mask keys, white) are common.
inline QImage picture(FuzzedDataProvider &in, int maxSide = 96)
{
    static const QImage::Format formats[] = {QImage::Format_RGB32, QImage::Format_ARGB32, QImage::Format_RGB888,
                                             QImage::Format_Indexed8, QImage::Format_Grayscale8, QImage::Format_Mono,
                                             QImage::Format_RGBA64, QImage::Format_ARGB32_Premultiplied};
    QImage image(in.ConsumeIntegralInRange(0, maxSide), in.ConsumeIntegralInRange(0, maxSide), QImage::Format_ARGB32);
    const QImage::Format format = in.PickValueInArray(formats);
    const QRgb colours[4] = {0xffffffff, in.ConsumeIntegral<QRgb>(), in.ConsumeIntegral<QRgb>(), 0xff404040};
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, in.remaining_bytes() > 8 && in.ConsumeBool() ? in.ConsumeIntegral<QRgb>()
                                                                              : colours[(x + y) % 4]);
    return image.convertToFormat(format);
}

} // namespace fuzzing

// The window and the picture plugins need an application object; no display is used.
extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt's warnings about the odd file names and pictures we feed it would drown the log.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    static QApplication app(*argc, *argv);
    return 0;
}
