// "Update Templates" as the button runs it: a 1 MB template page copied with LF line
// ends, split through the scratch file, indexed, and forty configured templates cut out
// and written to their files in the Templates folder.

#include "common/modvandrel.h"
#include "wikitext/templates.h"

#include <QDir>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int slotCount = templates::slotCount; // forty paths: Path and AlternatePath of each

QString sectionName(int index)
{
    if (index < slotCount)
        return QStringLiteral("Page %1").arg(index + 1);
    return QStringLiteral("Page %1 Alt").arg(index - slotCount + 1);
}

// The forty sections one after the other, each between its tag lines with the page's
// empty lines, and wiki prose between them, until the page holds about targetSize characters.
QString templatePage(qsizetype targetSize)
{
    const QString templateLine = QStringLiteral("| field = value of a page template line that an editor fills in");
    const QString prose = QStringLiteral("Some prose of the wiki page that explains how the templates are used.");
    const qsizetype perSection = targetSize / (2 * slotCount);
    QString page;
    page.reserve(targetSize + 4096);
    for (int s = 0; s < 2 * slotCount; ++s) {
        const QString name = sectionName(s);
        for (int i = 0; i < 5; ++i)
            page += prose + u'\n';
        page += u'<' + name + QStringLiteral(">\n\n");
        const qsizetype end = page.size() + perSection - 6 * prose.size();
        while (page.size() < end)
            page += templateLine + u'\n';
        page += QStringLiteral("\n</") + name + QStringLiteral(">\n");
    }
    return page;
}

void updateTemplatesBench(benchmark::State &state)
{
    QTemporaryDir folder;
    QDir(folder.path()).mkpath(templates::templatesFolderName);
    QStringList paths;
    for (int s = 0; s < 2 * slotCount; ++s)
        paths.append(QStringLiteral("Default ") + sectionName(s) + QStringLiteral(".txt"));
    const QString page = templatePage(qsizetype(state.range(0)) * 1024 * 1024);

    int updated = 0;
    for (auto _ : state) {
        const QList<QStringView> lines =
            modVandrel::scratchSplitViews(folder.path(), page, textFiles::LoneLf::EndsLine);
        updated = templates::updateTemplates(templates::TemplatePage(lines), paths, folder.path());
        benchmark::DoNotOptimize(updated);
    }
    if (updated != 2 * slotCount)
        state.SkipWithError("not every template was written");
    state.counters["updated"] = updated;
    state.counters["MB"] = double(page.size()) / 1e6;
}
BENCHMARK(updateTemplatesBench)->Arg(1)->Arg(8)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
