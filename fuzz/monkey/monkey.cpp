// A seeded monkey for the whole window.
//   monkey [--seed N] [--seconds S] [--actions I,J,...]
// Action i is drawn from (seed, i) alone, so a run replays exactly and any list of actions
// can be replayed. The actions run in a child process inside a fresh folder (HOME, the XDG
// folders, TMPDIR and the working directory all in it); on a failure the list of actions is
// shrunk to the shortest found that still fails, and printed with the way to replay it.

#include "actions.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <cstdio>

namespace {

struct Options {
    quint64 seed = QRandomGenerator::system()->generate();
    int seconds = 60;
    QList<quint32> actions; // replay these; none: 0, 1, 2 ... until the time is up
    QString child;
};

QList<quint32> parseList(const QString &list)
{
    QList<quint32> out;
    for (const QString &n : list.split(u',', Qt::SkipEmptyParts))
        out.append(n.toUInt());
    return out;
}

QString join(const QList<quint32> &actions)
{
    QString list;
    for (quint32 a : actions)
        list += QString::number(a) + u',';
    return list.chopped(list.isEmpty() ? 0 : 1);
}

// One child run in a fresh folder; true when it passed. started gets the actions it began,
// from its log: after a failure the last one is the one that failed.
bool runChild(const Options &o, const QList<quint32> &actions, bool quiet, QList<quint32> *started = nullptr)
{
    QTemporaryDir top(QDir::tempPath() + QStringLiteral("/monkey-XXXXXX"));
    const QString t = top.path();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    const char *const folders[][2] = {{"HOME", "home"}, {"XDG_CONFIG_HOME", "home/.config"},
                                      {"XDG_DATA_HOME", "home/.local/share"}, {"XDG_CACHE_HOME", "home/.cache"},
                                      {"XDG_RUNTIME_DIR", "run"}, {"TMPDIR", "tmp"}, {"PWD", "cwd"}};
    for (const auto &[name, sub] : folders) {
        QDir().mkpath(t + u'/' + QLatin1String(sub));
        env.insert(QLatin1String(name), t + u'/' + QLatin1String(sub));
    }
    QFile::setPermissions(t + QStringLiteral("/run"), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    QProcess child;
    child.setProcessEnvironment(env);
    child.setWorkingDirectory(t + QStringLiteral("/cwd"));
    child.setProcessChannelMode(QProcess::ForwardedChannels);
    if (quiet) {
        child.setStandardOutputFile(QProcess::nullDevice());
        child.setStandardErrorFile(QProcess::nullDevice());
    }
    QStringList args = {QStringLiteral("--seed"), QString::number(o.seed), QStringLiteral("--seconds"),
                        QString::number(o.seconds), QStringLiteral("--child"), t};
    if (!actions.isEmpty())
        args += {QStringLiteral("--actions"), join(actions)};
    child.start(QCoreApplication::applicationFilePath(), args);
    // A child whose log stops growing for a minute hangs (the 2 s answer check is its own).
    QFile log(t + QStringLiteral("/actions.log"));
    qint64 lastSize = -1;
    QElapsedTimer still;
    still.start();
    while (!child.waitForFinished(1000)) {
        if (const qint64 size = QFileInfo(log).size(); size != lastSize) {
            lastSize = size;
            still.restart();
        } else if (still.elapsed() > 60000) {
            std::fprintf(stderr, "monkey: no progress for 60 s, stopping the child\n");
            child.kill();
        }
    }
    if (started && log.open(QIODevice::ReadOnly))
        *started = parseList(QString::fromLatin1(log.readAll().replace('\n', ',')));
    return child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0;
}

// Delta debugging within ten minutes: chunks of actions are dropped while the rest still
// fails at the same action, halving the chunks down to single actions.
QList<quint32> shrink(const Options &o, QList<quint32> failing)
{
    QElapsedTimer spent;
    spent.start();
    for (qsizetype chunk = failing.size() / 2; chunk >= 1 && spent.elapsed() < 600000; chunk /= 2)
        for (qsizetype at = 0; at + 1 < failing.size() && spent.elapsed() < 600000;) {
            QList<quint32> trial = failing, started;
            trial.remove(at, std::min(chunk, failing.size() - 1 - at));
            if (!runChild(o, trial, true, &started) && !started.isEmpty() && started.last() == failing.last()) {
                failing = started;
                std::fprintf(stderr, "monkey: still fails with %lld actions\n", (long long)failing.size());
            } else {
                at += chunk;
            }
        }
    return failing;
}

} // namespace

int main(int argc, char **argv)
{
    Options o;
    for (int i = 1; i + 1 < argc; i += 2) {
        const QString flag = QString::fromLocal8Bit(argv[i]), value = QString::fromLocal8Bit(argv[i + 1]);
        if (flag == u"--seed")
            o.seed = value.toULongLong();
        else if (flag == u"--seconds")
            o.seconds = value.toInt();
        else if (flag == u"--actions")
            o.actions = parseList(value);
        else if (flag == u"--child")
            o.child = value;
    }
    if (!o.child.isEmpty())
        return runActions(argc, argv, o.child, o.seed, o.seconds, o.actions);
    QCoreApplication app(argc, argv);
    std::printf("monkey: seed %llu, %d s\n", (unsigned long long)o.seed, o.seconds);
    std::fflush(stdout);
    QList<quint32> started;
    if (runChild(o, o.actions, false, &started))
        return 0;
    if (started.isEmpty()) {
        std::fprintf(stderr, "monkey: seed %llu failed before its first action\n", (unsigned long long)o.seed);
        return 1;
    }
    std::fprintf(stderr, "monkey: seed %llu failed at action %u of %lld; shrinking\n", (unsigned long long)o.seed,
                 started.last(), (long long)started.size());
    const QList<quint32> shortest = shrink(o, started);
    std::fprintf(stderr, "monkey: FAILED, seed %llu, shortest failing list of %lld actions; replay with\n"
                         "  %s --seed %llu --actions %s\n",
                 (unsigned long long)o.seed, (long long)shortest.size(), argv[0], (unsigned long long)o.seed,
                 qPrintable(join(shortest)));
    runChild(o, shortest, false); // shows what the failure says
    return 1;
}
