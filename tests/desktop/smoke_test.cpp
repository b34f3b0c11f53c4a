// The real program as a process on the X display: it starts in a fresh program folder, shows
// and paints its window, and ends through its close box or a SIGTERM with its settings saved.

#include "otherprogram.h"
#include "support.h"
#include "xwindows.h"

#include <QDir>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <gtest/gtest.h>

#include <csignal>

namespace {

using otherProgram::waitUntil;

const QByteArray ownSection = "[Mine]\r\nkeep=1\r\n[General]\r\nOpacity=77\r\n";

class RealProgram : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QFile::copy(QUILLMARK_EXECUTABLE, folder.file("quillmark")));
        folder.write("Quillmark.ini", ownSection);
        folder.write("Parse.tmp", "copied secrets\r\n");
        process.setWorkingDirectory(QDir::tempPath()); // the program folder never depends on it
        process.start(folder.file("quillmark"));
        waitUntil(
            [&] {
                const QStringList search
                    = {"search", "--onlyvisible", "--pid", QString::number(process.processId()), "--name", "Quillmark"};
                window = otherProgram::run("xdotool", search).out.trimmed().split('\n').value(0).toULong();
                return window != 0 || process.state() == QProcess::NotRunning;
            },
            15000);
        ASSERT_NE(window, 0ul) << "no window within 15 s";
    }
    void TearDown() override
    {
        process.kill();
        process.waitForFinished(5000);
    }
    // Every run ends with exit code 0, the settings saved around the user's own section and
    // the scratch file emptied.
    void expectEndedLikeAClose()
    {
        ASSERT_TRUE(waitUntil([this] { return process.state() == QProcess::NotRunning; }, 15000)) << "it did not end";
        EXPECT_TRUE(process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0);
        const QByteArray ini = folder.read("Quillmark.ini");
        EXPECT_TRUE(ini.startsWith(ownSection) && ini.contains("SaveIcon=True\r\n")) << ini.toStdString();
        EXPECT_EQ(folder.read("Parse.tmp"), " \r\n");
    }
    testsupport::ProgramFolder folder;
    QProcess process;
    unsigned long window = 0;
};

TEST_F(RealProgram, PaintsItsWindowAndClosesByItsCloseBox)
{
    const bool painted = waitUntil([this] { // something drawn, not one colour
        const QImage now = QGuiApplication::primaryScreen()->grabWindow(WId(window)).toImage();
        return !now.isNull() && now.copy(0, 0, 1, 1).scaled(now.size()) != now;
    });
    EXPECT_TRUE(painted) << "the window never painted";
    ASSERT_TRUE(askToClose(window));
    expectEndedLikeAClose();
}

TEST_F(RealProgram, SigtermEndsItLikeItsCloseBox)
{
    // Once its handler is in place (SigCgt in /proc/PID/status).
    ASSERT_TRUE(waitUntil(
        [this] {
            const QByteArray status = testsupport::readFile(QStringLiteral("/proc/%1/status").arg(process.processId()));
            const QByteArray caught = status.mid(status.indexOf("SigCgt:") + 7).split('\n').value(0).trimmed();
            return (caught.toULongLong(nullptr, 16) >> (SIGTERM - 1)) & 1;
        },
        15000));
    ::kill(pid_t(process.processId()), SIGTERM);
    expectEndedLikeAClose();
}

} // namespace
