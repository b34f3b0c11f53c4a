// Total damage over a combat log as the window runs it: the copied text split into lines
// (a lone LF ending a line) and every line scored. 200,000 lines and ten times that, to
// read off the scaling.

#include "common/textfile.h"
#include "wikitext/totaldamage.h"

#include <QString>
#include <benchmark/benchmark.h>
#include <iterator>

namespace {

// A combat log with time stamps, hits, critical hits, hits taken, speech and heals,
// about 55 characters a line, LF line ends as copied on this platform.
QString combatLog(int lines)
{
    static const QString samples[] = {
        QStringLiteral("12:00:01 You hit the drudge skulker for 25 points of damage."),
        QStringLiteral("12:00:02 The drudge skulker hits you for 7 points of damage."),
        QStringLiteral("12:00:03 Critical Hit! You mangle the drudge for 61 points!"),
        QStringLiteral("12:00:04 You say, hold the door for me, I am on my way."),
        QStringLiteral("12:00:05 You heal yourself for 40 points with your spell."),
        QStringLiteral("12:00:06 You slash the 2nd drudge for 18 points of damage."),
    };
    constexpr int sampleCount = int(std::size(samples));
    QString text;
    text.reserve(qsizetype(lines) * 62);
    for (int i = 0; i < lines; ++i) {
        text += samples[i % sampleCount];
        text += u'\n';
    }
    return text;
}

void totalDamageBench(benchmark::State &state)
{
    const QString log = combatLog(int(state.range(0)));
    qint32 result = 0;
    for (auto _ : state) {
        const QList<QStringView> lines = textFiles::splitLineViews(log, textFiles::LoneLf::EndsLine);
        result = totalDamage::total(lines);
        benchmark::DoNotOptimize(result);
    }
    state.counters["total"] = double(result);
    state.counters["MB"] = double(log.size()) / 1e6;
}
BENCHMARK(totalDamageBench)->Arg(200'000)->Arg(2'000'000)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
