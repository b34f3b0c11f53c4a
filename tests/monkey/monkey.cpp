// A seeded monkey for the whole window: random clicks, keys, typed text, drops, clipboard
// contents and answers to every box that opens, checked after each step. Action i is drawn
// from (seed, i) alone, so a run replays exactly and any list of actions can be replayed.
//   monkey [--seed N] [--seconds S] [--actions I,J,...]
// The parent runs the actions in a child process inside a fresh folder (HOME, XDG folders,
// TMPDIR and the working directory all in it); on a failure it shrinks the list of actions
// to the shortest it finds that still fails and prints how to replay it.

#include "monkey.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <cstdio>

namespace {

struct Options {
    quint64 seed = 0;
    int seconds = 60;
    QList<quint32> actions; // replay these; empty: 0, 1, 2 ... until the time is up
    QString child;          // the folder to run in, for the child
};

Options parse(const QStringList &args)
{
    Options o;
    o.seed = QRandomGenerator::system()->generate();
    for (qsizetype i = 1; i + 1 < args.size(); i += 2) {
        if (args[i] == u"--seed")
            o.seed = args[i + 1].toULongLong();
        else if (args[i] == u"--seconds")
            o.seconds = args[i + 1].toInt();
        else if (args[i] == u"--child")
            o.child = args[i + 1];
        else if (args[i] == u"--actions")
            for (const QString &n : args[i + 1].split(u',', Qt::SkipEmptyParts))
                o.actions.append(n.toUInt());
    }
    return o;
}

QString join(const QList<quint32> &actions)
{
    QStringList list;
    for (quint32 a : actions)
        list.append(QString::number(a));
    return list.join(u',');
}

// One child run in a fresh folder; true when it passed. The actions it started are read
// from its log, the last one being the one that failed.
bool runChild(const Options &o, const QList<quint32> &actions, bool quiet, QList<quint32> *started)
{
    QTemporaryDir top(QDir::tempPath() + QStringLiteral("/monkey-XXXXXX"));
    const QString t = top.path();
    for (const char *sub : {"home/.config", "home/.local/share", "home/.cache", "run", "tmp", "cwd"})
        QDir().mkpath(t + u'/' + QLatin1String(sub));
    QFile::setPermissions(t + QStringLiteral("/run"), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), t + QStringLiteral("/home"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), t + QStringLiteral("/home/.config"));
    env.insert(QStringLiteral("XDG_DATA_HOME"), t + QStringLiteral("/home/.local/share"));
    env.insert(QStringLiteral("XDG_CACHE_HOME"), t + QStringLiteral("/home/.cache"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), t + QStringLiteral("/run"));
    env.insert(QStringLiteral("TMPDIR"), t + QStringLiteral("/tmp"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    QProcess child;
    child.setProcessEnvironment(env);
    child.setWorkingDirectory(t + QStringLiteral("/cwd"));
    child.setProcessChannelMode(quiet ? QProcess::MergedChannels : QProcess::ForwardedChannels);
    if (quiet)
        child.setStandardOutputFile(QProcess::nullDevice());
    QStringList args = {QStringLiteral("--seed"), QString::number(o.seed), QStringLiteral("--seconds"),
                        QString::number(o.seconds), QStringLiteral("--child"), t};
    if (!actions.isEmpty())
        args += {QStringLiteral("--actions"), join(actions)};
    child.start(QCoreApplication::applicationFilePath(), args);
    // A child whose log stops growing for a minute hangs (the 2 s answer check is its own).
    const QString log = t + QStringLiteral("/actions.log");
    qint64 lastSize = -1;
    QElapsedTimer still;
    still.start();
    while (!child.waitForFinished(1000)) {
        const qint64 size = QFileInfo(log).size();
        if (size != lastSize) {
            lastSize = size;
            still.restart();
        } else if (still.elapsed() > 60000) {
            std::fprintf(stderr, "monkey: no progress for 60 s, stopping the child\n");
            child.kill();
            child.waitForFinished();
        }
    }
    if (started) {
        started->clear();
        QFile file(log);
        if (file.open(QIODevice::ReadOnly))
            for (const QByteArray &line : file.readAll().split('\n'))
                if (!line.isEmpty())
                    started->append(line.toUInt());
    }
    return child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0;
}

// Delta debugging over the action list, within a few minutes: chunks are dropped while the
// rest still fails, then single actions.
QList<quint32> shrink(const Options &o, QList<quint32> failing)
{
    QElapsedTimer spent;
    spent.start();
    for (qsizetype chunk = failing.size() / 2; chunk >= 1 && spent.elapsed() < 600000; chunk /= 2) {
        for (qsizetype at = 0; at + 1 < failing.size() && spent.elapsed() < 600000;) {
            QList<quint32> trial = failing;
            // The failing action itself stays last.
            trial.remove(at, std::min(chunk, failing.size() - 1 - at));
            QList<quint32> started;
            if (!runChild(o, trial, true, &started) && !started.isEmpty() && started.last() == failing.last()) {
                failing = started;
                std::fprintf(stderr, "monkey: still fails with %lld actions\n", (long long)failing.size());
            } else {
                at += chunk;
            }
        }
    }
    return failing;
}

} // namespace

int main(int argc, char **argv)
{
    QStringList args;
    for (int i = 0; i < argc; ++i)
        args.append(QString::fromLocal8Bit(argv[i]));
    const Options o = parse(args);
    if (!o.child.isEmpty())
        return monkey::runActions(argc, argv, o.child, o.seed, o.seconds, o.actions);

    QCoreApplication app(argc, argv);
    if (args.size() == 3 && args[1] == u"--regressions") {
        // Action lists that once failed, one "SEED I,J,..." a line. They replay the same
        // actions only while the window keeps its controls; they are kept as plain runs.
        QFile file(args[2]);
        if (!file.open(QIODevice::ReadOnly))
            return 1;
        int failed = 0;
        for (const QByteArray &line : file.readAll().split('\n')) {
            const QList<QByteArray> parts = line.simplified().split(' ');
            if (parts.size() != 2 || line.startsWith('#'))
                continue;
            Options replay = o;
            replay.seed = parts[0].toULongLong();
            replay.actions = parse({{}, QStringLiteral("--actions"), QString::fromLatin1(parts[1])}).actions;
            const bool passed = runChild(replay, replay.actions, true, nullptr);
            std::printf("monkey: %s %s\n", line.simplified().constData(), passed ? "passed" : "FAILED");
            failed += passed ? 0 : 1;
        }
        return failed ? 1 : 0;
    }
    std::printf("monkey: seed %llu, %d s%s\n", (unsigned long long)o.seed, o.seconds,
                o.actions.isEmpty() ? "" : qPrintable(QStringLiteral(", actions ") + join(o.actions)));
    std::fflush(stdout);
    QList<quint32> started;
    if (runChild(o, o.actions, false, &started))
        return 0;
    if (started.isEmpty()) {
        std::fprintf(stderr, "monkey: the child failed before its first action\n");
        return 1;
    }
    std::fprintf(stderr, "monkey: seed %llu failed at action %u after %lld actions; shrinking\n",
                 (unsigned long long)o.seed, started.last(), (long long)started.size());
    const QList<quint32> shortest = shrink(o, started);
    std::fprintf(stderr, "monkey: FAILED, seed %llu; shortest failing actions (%lld): %s\n"
                         "monkey: replay with: %s --seed %llu --actions %s\n",
                 (unsigned long long)o.seed, (long long)shortest.size(), qPrintable(join(shortest)), argv[0],
                 (unsigned long long)o.seed, qPrintable(join(shortest)));
    runChild(o, shortest, false, nullptr); // shows what the failure says
    return 1;
}
