// The capture actions on a 3840 x 2160 screenshot: a height button's release up to both
// PNG files written, and the crop rectangle following the pointer over the grab area.

#include "app/frmvandrel.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

QImage screenshot()
{
    QImage shot(3840, 2160, QImage::Format_RGB32);
    for (int y = 0; y < shot.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(shot.scanLine(y));
        for (int x = 0; x < shot.width(); ++x)
            line[x] = qRgb(x * 7, y * 3, (x ^ y) & 0xff);
    }
    return shot;
}

// A shown window over a program folder whose settings name each picture by the time.
struct Session {
    QTemporaryDir folder;
    std::unique_ptr<frmVandrel> window;

    Session()
    {
        QDir(folder.path()).mkpath(QStringLiteral("Images"));
        QDir(folder.path()).mkpath(QStringLiteral("Templates"));
        QFile ini(QDir(folder.path()).filePath(QStringLiteral("Quillmark.ini")));
        if (ini.open(QIODevice::WriteOnly))
            ini.write("[General]\r\nAutoName=True\r\n[StatsPanelDimensions]\r\n4=300\r\n"
                      "[Icon]\r\nPrefix=Icon\r\n[Panel]\r\nPrefix=Panel\r\n");
        ini.close();
        window = std::make_unique<frmVandrel>(folder.path());
        // Set here as well, so a prompt can never stall the run.
        if (auto *autoName = control<QCheckBox>("chkAutoName"))
            autoName->setCheckState(Qt::Checked);
        window->show();
        QApplication::processEvents();
        QGuiApplication::clipboard()->setImage(screenshot());
    }
    ~Session() { window->close(); }

    template <typename T>
    T *control(const char *name) const
    {
        return window->findChild<T *>(QString::fromLatin1(name));
    }
};

void send(QWidget *to, QEvent::Type type, QPoint at, Qt::MouseButton button)
{
    const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::MouseButtons(button) : Qt::NoButton;
    QMouseEvent event(type, at, to->mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(to, &event);
}

void BM_HeightButtonToFiles(benchmark::State &state)
{
    Session session;
    auto *button = session.control<QPushButton>("cmdExtractPanel_4");
    const QDir images(QDir(session.folder.path()).filePath(QStringLiteral("Images")));
    for (auto _ : state) {
        send(button, QEvent::MouseButtonPress, {5, 5}, Qt::LeftButton);
        QElapsedTimer timer;
        timer.start();
        send(button, QEvent::MouseButtonRelease, {5, 5}, Qt::LeftButton);
        state.SetIterationTime(timer.nsecsElapsed() / 1e9);
        QApplication::processEvents();
    }
    // One pair of files per second of the run: the names are time stamps.
    const auto icons = images.entryList({QStringLiteral("Icon *.png")}, QDir::Files).size();
    const auto panels = images.entryList({QStringLiteral("Panel *.png")}, QDir::Files).size();
    if (icons == 0 || icons != panels)
        state.SkipWithError("the icon and the panel were not both written");
}
BENCHMARK(BM_HeightButtonToFiles)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_FixedRectangleFollowsPointer(benchmark::State &state)
{
    Session session;
    session.window->showTab(2);
    session.control<QPushButton>("cmdCrop_1")->click();
    auto *grab = session.control<QWidget>("picLiveGrab");
    auto *crop = session.control<QWidget>("shpCrop");
    int i = 0;
    for (auto _ : state) {
        // The move and the repaint it causes.
        send(grab, QEvent::MouseMove, {300 + i % 200, 200 + i % 150}, Qt::NoButton);
        QApplication::processEvents();
        ++i;
    }
    if (!crop->isVisible())
        state.SkipWithError("the rectangle did not follow the pointer");
}
BENCHMARK(BM_FixedRectangleFollowsPointer)->Unit(benchmark::kMicrosecond);

} // namespace
