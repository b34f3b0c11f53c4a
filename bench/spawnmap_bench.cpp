// The spawn map: the comparison of two full-HD screenshots, against a plain scan of the
// same window of both buffers, and the whole button click up to the PNG written.

#include "app/frmvandrel.h"
#include "image/imagefiles.h"
#include "spawnmap/spawnmap.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

const QPoint offset(4, 58);

QImage screenshot(bool markers)
{
    QImage image(1920, 1080, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        QRgb *row = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            row[x] = qRgb(x & 255, y & 255, (x ^ y) & 255);
    }
    if (markers)
        for (int k = 0; k < 300; ++k)
            image.setPixel(offset.x() + (k * 97) % 512, offset.y() + (k * 53) % 512, qRgb(255, 0, 0));
    return image;
}

void BM_Compare(benchmark::State &state)
{
    const QImage reference = screenshot(false);
    const QImage shot = screenshot(true);
    for (auto _ : state)
        benchmark::DoNotOptimize(spawnMap::compare(reference, shot, offset));
}
BENCHMARK(BM_Compare)->Unit(benchmark::kMicrosecond);

// The floor: every window pixel of both buffers read once, differences counted.
void BM_PlainScan(benchmark::State &state)
{
    const QImage reference = screenshot(false);
    const QImage shot = screenshot(true);
    for (auto _ : state) {
        int differences = 0;
        for (int y = offset.y(); y < offset.y() + spawnMap::windowSize; ++y) {
            const QRgb *a = reinterpret_cast<const QRgb *>(reference.constScanLine(y));
            const QRgb *b = reinterpret_cast<const QRgb *>(shot.constScanLine(y));
            for (int x = offset.x(); x < offset.x() + spawnMap::windowSize; ++x)
                differences += ((a[x] ^ b[x]) & 0xFFFFFF) != 0;
        }
        benchmark::DoNotOptimize(differences);
    }
}
BENCHMARK(BM_PlainScan)->Unit(benchmark::kMicrosecond);

void BM_Click(benchmark::State &state)
{
    QTemporaryDir folder;
    QDir(folder.path()).mkpath(QStringLiteral("Images"));
    QDir(folder.path()).mkpath(QStringLiteral("Templates"));
    imageFiles::saveBmp(screenshot(false), folder.filePath(spawnMap::referenceFileName));
    {
        QFile ini(folder.filePath(QStringLiteral("Quillmark.ini")));
        ini.open(QIODevice::WriteOnly);
        ini.write("[General]\r\nAutoName=True\r\n");
    }
    frmVandrel window(folder.path());
    window.show();
    auto *autoName = window.findChild<QCheckBox *>(QStringLiteral("chkAutoName"));
    if (!autoName || !autoName->isChecked()) {
        state.SkipWithError("Autoname is not on");
        window.close();
        return;
    }
    auto *button = window.findChild<QPushButton *>(QStringLiteral("cmdCreateSpawnMap"));
    QGuiApplication::clipboard()->setImage(screenshot(true));
    for (auto _ : state)
        button->click();
    window.close();
    if (QDir(folder.filePath(QStringLiteral("Images"))).entryList({QStringLiteral("Spawn Map *.png")}).isEmpty())
        state.SkipWithError("no spawn map written");
}
BENCHMARK(BM_Click)->Unit(benchmark::kMillisecond);

} // namespace
