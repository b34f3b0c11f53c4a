// The real program as a process: started in a fresh program folder, ended by SIGTERM
// as by its close box.

#include "testsupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QThread>
#include <gtest/gtest.h>

#include <csignal>

namespace {

// True once the process has its SIGTERM handler in place (/proc/PID/status, SigCgt).
bool catchesSigterm(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return false;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("SigCgt:"))
            return (line.mid(7).trimmed().toULongLong(nullptr, 16) >> (SIGTERM - 1)) & 1;
    }
    return false;
}

TEST(Process, SigtermClosesTheWindowAndSavesLikeAClose)
{
    testsupport::ProgramFolder folder;
    const QString exe = folder.file(QStringLiteral("quillmark"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(QUILLMARK_EXECUTABLE), exe));
    folder.write(QStringLiteral("Quillmark.ini"), "[Mine]\r\nkeep=1\r\n[General]\r\nOpacity=77\r\n");
    folder.write(QStringLiteral("Parse.tmp"), "copied secrets\r\n");

    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(QDir::tempPath()); // the program folder never depends on it
    process.start(exe);
    ASSERT_TRUE(process.waitForStarted(15000));

    QElapsedTimer timer;
    timer.start();
    while (!catchesSigterm(process.processId()) && timer.elapsed() < 15000)
        QThread::msleep(20);
    ASSERT_TRUE(catchesSigterm(process.processId()));
    ::kill(pid_t(process.processId()), SIGTERM);
    ASSERT_TRUE(process.waitForFinished(15000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 0);

    const QByteArray ini = folder.read(QStringLiteral("Quillmark.ini"));
    EXPECT_TRUE(ini.startsWith("[Mine]\r\nkeep=1\r\n[General]\r\nOpacity=77\r\n")) << ini.toStdString();
    EXPECT_TRUE(ini.contains("SaveIcon=True\r\n"));
    EXPECT_EQ(folder.read(QStringLiteral("Parse.tmp")), QByteArray(" \r\n"));
}

} // namespace
