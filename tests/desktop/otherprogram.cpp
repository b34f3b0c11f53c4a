#include "otherprogram.h"

#include <QTest>
#include <gtest/gtest.h>

namespace otherProgram {

namespace {

constexpr int startTimeoutMs = 5000;

QString commandLine(const QString &program, const QStringList &arguments)
{
    return (QStringList{program} + arguments).join(u' ');
}

bool start(QProcess &process, const QString &program, const QStringList &arguments, const QByteArray &input)
{
    process.start(program, arguments);
    if (!process.waitForStarted(startTimeoutMs)) {
        ADD_FAILURE() << "cannot start " << commandLine(program, arguments).toStdString() << ": "
                      << process.errorString().toStdString();
        return false;
    }
    if (!input.isEmpty())
        process.write(input);
    process.closeWriteChannel();
    return true;
}

} // namespace

Result run(const QString &program, const QStringList &arguments, const QByteArray &input, int timeoutMs)
{
    Result result;
    QProcess process;
    if (!start(process, program, arguments, input))
        return result;
    if (waitUntil([&process] { return process.state() == QProcess::NotRunning; }, timeoutMs)) {
        result.finished = process.exitStatus() == QProcess::NormalExit;
        result.exitCode = process.exitCode();
    } else {
        ADD_FAILURE() << commandLine(program, arguments).toStdString() << " still runs after " << timeoutMs
                      << " ms: killed";
        process.kill();
        process.waitForFinished(startTimeoutMs);
    }
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}

bool waitUntil(const std::function<bool()> &done, int timeoutMs)
{
    return QTest::qWaitFor(done, timeoutMs);
}

Background::Background(const QString &program, const QStringList &arguments, const QByteArray &input)
{
    start(process_, program, arguments, input);
}

Background::~Background()
{
    if (running()) {
        process_.kill();
        process_.waitForFinished(startTimeoutMs);
    }
}

} // namespace otherProgram
