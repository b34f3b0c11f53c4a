// Tab "4 Merge": an icon file dropped on a stock tile up to the composed PNG written, and
// a colour balance recompute with its conformity figure.

#include "app/frmvandrel.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QMimeData>
#include <QTemporaryDir>
#include <QUrl>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

// A shown window on tab 4 over a program folder whose settings name each icon by the time.
struct Session {
    QTemporaryDir folder;
    std::unique_ptr<frmVandrel> window;

    Session()
    {
        const QDir root(folder.path());
        root.mkpath(QStringLiteral("Images"));
        root.mkpath(QStringLiteral("Templates"));
        QFile ini(root.filePath(QStringLiteral("Quillmark.ini")));
        if (ini.open(QIODevice::WriteOnly))
            ini.write("[General]\r\nAutoName=True\r\n[Icon]\r\nFileType=png\r\n");
        ini.close();
        window = std::make_unique<frmVandrel>(folder.path());
        if (auto *autoName = control<QCheckBox>("chkAutoName"))
            autoName->setCheckState(Qt::Checked);
        window->show();
        window->showTab(4);
        QApplication::processEvents();
    }
    ~Session() { window->close(); }

    template <typename T>
    T *control(const char *name) const
    {
        return window->findChild<T *>(QString::fromLatin1(name));
    }
};

QString writeIcon(const QString &folder)
{
    QImage icon(32, 32, QImage::Format_RGB32);
    icon.fill(Qt::white);
    for (int y = 6; y < 26; ++y)
        for (int x = 6; x < 26; ++x)
            icon.setPixel(x, y, qRgb(x * 8, y * 8, 90));
    const QString path = QDir(folder).filePath(QStringLiteral("sword.png"));
    icon.save(path);
    return path;
}

void BM_TileDropToFile(benchmark::State &state)
{
    Session session;
    const QString icon = writeIcon(session.folder.path());
    auto *tile = session.control<QWidget>("picBacking_12");
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(icon)});
    const QDir images(QDir(session.folder.path()).filePath(QStringLiteral("Images")));
    for (auto _ : state) {
        // A drop arrives only after the drag has entered the tile.
        QDragEnterEvent enter(QPoint(16, 16), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(tile, &enter);
        QDropEvent drop(QPointF(16, 16), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QElapsedTimer timer;
        timer.start();
        QApplication::sendEvent(tile, &drop);
        state.SetIterationTime(timer.nsecsElapsed() / 1e9);
    }
    if (images.entryList({QStringLiteral("*.png")}, QDir::Files).isEmpty())
        state.SkipWithError("no icon was written");
}
BENCHMARK(BM_TileDropToFile)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_ColourBalanceWithConformity(benchmark::State &state)
{
    Session session;
    auto *red = session.control<QLineEdit>("txtColorBalance_0");
    auto *conformity = session.control<QLineEdit>("txtConformity");
    int i = 0;
    for (auto _ : state) {
        red->setText(QString::number(90 + i % 10));
        ++i;
    }
    if (conformity->text() == QLatin1String("0"))
        state.SkipWithError("the conformity was not computed");
}
BENCHMARK(BM_ColourBalanceWithConformity)->Unit(benchmark::kMicrosecond);

// Large PNGs dropped on the converter: the time should grow with the number of files.
void BM_ConvertLargePngs(benchmark::State &state)
{
    Session session;
    QImage picture(1920, 1080, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, qRgb(x & 0xff, y & 0xff, (x ^ y) & 0xff));
    const QDir root(session.folder.path());
    QMimeData data;
    QList<QUrl> urls;
    for (int i = 0; i < state.range(0); ++i) {
        const QString path = root.filePath(QStringLiteral("shot%1.png").arg(i));
        picture.save(path);
        urls.append(QUrl::fromLocalFile(path));
    }
    data.setUrls(urls);
    auto *converter = session.control<QWidget>("picConvertPNGtoBMP");
    for (auto _ : state) {
        QDragEnterEvent enter(QPoint(4, 4), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(converter, &enter);
        QDropEvent drop(QPointF(4, 4), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(converter, &drop);
    }
    if (root.entryList({QStringLiteral("*.bmp")}, QDir::Files).size() != state.range(0))
        state.SkipWithError("not every picture was converted");
}
BENCHMARK(BM_ConvertLargePngs)->Arg(5)->Arg(20)->Iterations(2)->Unit(benchmark::kMillisecond);

} // namespace
