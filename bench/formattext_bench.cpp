// Chat colouring of large logs: the whole "Dialog" transform (scratch file included) on a
// 100,000-line log of about 5 MB and on ten times that, to read off the scaling, and the
// colouring of already split lines alone.

#include "common/textfile.h"
#include "wikitext/formattext.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <iterator>

namespace {

// A chat log of the given number of lines, about 58 characters each, with speech lines,
// plain lines, blank-padded lines and empty lines mixed in.
QString chatLog(int lines)
{
    static const QString samples[] = {
        QStringLiteral("Bob tells you, meet me at the old north gate at dusk, ok?"),
        QStringLiteral("The heavy door opens and a cold wind blows through it..."),
        QStringLiteral("  You say, I will be there well before the moon rises.  "),
        QStringLiteral("An orc warrior hits you for 12 points of crushing damage!!"),
        QString(),
        QStringLiteral("Alice shouts, is anyone selling a long sword near here?"),
    };
    constexpr int sampleCount = int(std::size(samples));
    QString text;
    text.reserve(qsizetype(lines) * 60);
    for (int i = 0; i < lines; ++i) {
        text += samples[i % sampleCount];
        text += textFiles::crlf;
    }
    return text;
}

void colourChatBench(benchmark::State &state)
{
    const QString text = chatLog(int(state.range(0)));
    QTemporaryDir folder;
    for (auto _ : state) {
        QString result = formatText::colourChat(folder.path(), text, formatText::ChatScheme::ByLineKind);
        benchmark::DoNotOptimize(result.constData());
    }
    state.SetBytesProcessed(state.iterations() * text.toUtf8().size());
    state.counters["MB"] = double(text.toUtf8().size()) / 1e6;
}
BENCHMARK(colourChatBench)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond)->UseRealTime();

void colourChatLinesBench(benchmark::State &state)
{
    const QString log = chatLog(int(state.range(0)));
    const QList<QStringView> lines = textFiles::splitLineViews(log);
    for (auto _ : state) {
        QString result = formatText::colourChatLines(lines, formatText::ChatScheme::ByLineKind);
        benchmark::DoNotOptimize(result.constData());
    }
}
BENCHMARK(colourChatLinesBench)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
