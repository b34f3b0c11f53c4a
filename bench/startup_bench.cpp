// Start-up to the first shown window: the constructor (which runs the settings load)
// and the first paint, with a settings file that holds every key, twenty template buttons
// and 100 expanded templates, all with their files.

#include "app/frmvandrel.h"
#include "settings/privateprofile.h"
#include "settings/settingskeys.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>

namespace {

// A template file of the size a page template has.
QByteArray templateText(const QString &title)
{
    QByteArray text = "{{" + title.toUtf8() + "\n";
    for (int line = 0; line < 30; ++line)
        text += " | Attribute " + QByteArray::number(line) + " = \n";
    return text + "}}\n";
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

// A program folder whose settings hold every key: twenty template buttons and 100
// expanded templates, each with its file in Templates.
void makeFullProgramFolder(const QString &folder)
{
    namespace k = settings::keys;
    QDir(folder).mkpath(QStringLiteral("Images"));
    QDir(folder).mkpath(QStringLiteral("Templates"));
    const QString templates = QDir(folder).filePath(QStringLiteral("Templates"));
    PrivateProfile ini;
    for (const auto &key : {k::left, k::top, k::saveIcon, k::opacity, k::autoCopyFileName, k::gameFullscreen,
                            k::displayToolTips, k::autoName, k::iconOffsetLeft, k::iconOffsetTop, k::saveStatsPanel,
                            k::spawnMapX, k::spawnMapY, k::saveClipboard})
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
        const QString name = QStringLiteral("Template %1").arg(n);
        ini.write(k::templateName(n), name);
        ini.write(k::templatePath(n), QStringLiteral("Default %1.txt").arg(name));
        ini.write(k::templateAlternatePath(n), QStringLiteral("Default %1 Alt.txt").arg(name));
        ini.write(k::templateBackgroundColor(n), QStringLiteral("C0FFC0"));
        writeFile(QDir(templates).filePath(name + QStringLiteral(".txt")), templateText(name));
        writeFile(QDir(templates).filePath(name + QStringLiteral(" Alt.txt")), templateText(name + " Alt"));
    }
    constexpr int expandedCount = 100;
    ini.write(k::expandedTemplateCount, QString::number(expandedCount));
    for (int n = 1; n <= expandedCount; ++n) {
        const QString name = QStringLiteral("Expanded %1").arg(n);
        ini.write(k::expandedTemplatePath(n), QStringLiteral("Default %1.txt").arg(name));
        ini.write(k::expandedTemplateName(n), QStringLiteral("Block %1").arg(n));
        writeFile(QDir(templates).filePath(name + QStringLiteral(".txt")), templateText(name));
    }
    ini.saveTo(QDir(folder).filePath(QStringLiteral("Quillmark.ini")));
}

void BM_StartupToFirstPaint(benchmark::State &state)
{
    QTemporaryDir folder;
    makeFullProgramFolder(folder.path());
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
        makeFullProgramFolder(folder.path());
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
