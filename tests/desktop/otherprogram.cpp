#include "otherprogram.h"

#include <gtest/gtest.h>

namespace otherProgram {

void start(QProcess &process, const QString &program, const QStringList &arguments, const QByteArray &input)
{
    process.start(program, arguments);
    if (!process.waitForStarted(5000))
        ADD_FAILURE() << "cannot start " << program.toStdString() << ": " << process.errorString().toStdString();
    process.write(input);
    process.closeWriteChannel();
}

Result run(const QString &program, const QStringList &arguments, const QByteArray &input)
{
    QProcess process;
    start(process, program, arguments, input);
    Result result;
    if (waitUntil([&process] { return process.state() == QProcess::NotRunning; }, 10000)) {
        result.finished = process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    } else {
        ADD_FAILURE() << (QStringList{program} + arguments).join(u' ').toStdString()
                      << " still runs after 10 s: killed";
        process.kill();
        process.waitForFinished(5000);
    }
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}

} // namespace otherProgram
