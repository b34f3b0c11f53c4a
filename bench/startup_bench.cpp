// Start-up to the first shown window: the constructor (which runs the settings load)
// and the first paint, with a settings file that holds every key.

#include "app/frmvandrel.h"
#include "settings/privateprofile.h"
#include "settings/settingskeys.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>

namespace {

void writeFullSettings(const QString &folder)
{
    namespace k = settingsKeys;
    PrivateProfile ini;
    for (const auto &key : {k::left, k::top, k::saveIcon, k::opacity, k::autoCopyFileName, k::gameFullscreen,
                            k::displayToolTips, k::autoName, k::iconOffsetLeft, k::iconOffsetTop, k::saveStatsPanel,
                            k::spawnMapX, k::spawnMapY, k::saveClipboard, k::expandedTemplateCount})
        ini.write(key, key.defaultValue);
    for (int i = 1; i <= 12; ++i) {
        ini.write(k::statsPanelDimension(i), QString::number(100 + i * 50));
        ini.write(k::liveShotDimension(i), QStringLiteral("300 200"));
    }
    for (const QString &kind : {k::iconSection, k::panelSection, k::liveSection}) {
        ini.write(k::fileType(kind), QStringLiteral("jpg"));
        ini.write(k::jpgQuality(kind), QStringLiteral("85%"));
        ini.write(k::prefix(kind), QStringLiteral("Item"));
        ini.write(k::suffix(kind), QStringLiteral("Small"));
        ini.write(k::useDefaultSavePath(kind), QStringLiteral("False"));
        ini.write(k::customSavePath(kind), QDir::tempPath() + QDir::separator());
    }
    for (int n = 1; n <= 8; ++n)
        ini.write(k::clipboardSlot(n), QString());
    for (int n = 1; n <= 20; ++n) {
        ini.write(k::templateName(n), QStringLiteral("Template %1").arg(n));
        ini.write(k::templatePath(n), QStringLiteral("Templates/Default Template %1.txt").arg(n));
        ini.write(k::templateAlternatePath(n), QString());
        ini.write(k::templateBackgroundColor(n), QStringLiteral("&H00C0FFC0&"));
    }
    ini.saveTo(QDir(folder).filePath(QStringLiteral("Quillmark.ini")));
}

void BM_StartupToFirstPaint(benchmark::State &state)
{
    QTemporaryDir folder;
    QDir(folder.path()).mkpath(QStringLiteral("Images"));
    QDir(folder.path()).mkpath(QStringLiteral("Templates"));
    writeFullSettings(folder.path());
    for (auto _ : state) {
        frmVandrel window(folder.path());
        window.show();
        window.repaint();
        benchmark::DoNotOptimize(window.currentTab());
    }
}
BENCHMARK(BM_StartupToFirstPaint)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    {
        // The first window of a process pays for fonts, style and platform set-up: the
        // start-up a user actually waits for.
        QTemporaryDir folder;
        QDir(folder.path()).mkpath(QStringLiteral("Templates"));
        writeFullSettings(folder.path());
        QElapsedTimer timer;
        timer.start();
        frmVandrel window(folder.path());
        window.show();
        window.repaint();
        std::printf("cold start-up to first paint: %.1f ms\n", timer.nsecsElapsed() / 1e6);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
