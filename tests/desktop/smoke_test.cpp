// The real program as a process on the X display: it starts in a fresh program folder,
// shows its window, switches tabs on keys another program types, and ends through its
// close box or a SIGTERM with its settings saved.

#include "otherprogram.h"
#include "support.h"
#include "xwindows.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

#include <csignal>
#include <iostream>

namespace {

using otherProgram::waitUntil;

constexpr int startTimeoutMs = 15000;
const QByteArray ownSection = "[Mine]\r\nkeep=1\r\n[General]\r\nOpacity=77\r\n";

// True once the process has its SIGTERM handler in place (/proc/PID/status, SigCgt).
bool catchesSigterm(qint64 pid)
{
    for (const QByteArray &line : testsupport::readFile(QStringLiteral("/proc/%1/status").arg(pid)).split('\n'))
        if (line.startsWith("SigCgt:"))
            return (line.mid(7).trimmed().toULongLong(nullptr, 16) >> (SIGTERM - 1)) & 1;
    return false;
}

QImage grab(unsigned long window) { return QGuiApplication::primaryScreen()->grabWindow(WId(window)).toImage(); }

// The window's picture once it has settled (three grabs in a row agree) into something
// other than before and not of one colour; null if it never does.
QImage newPicture(unsigned long window, const QImage &before)
{
    QImage last;
    int same = 0;
    const bool settled = waitUntil([&] {
        const QImage now = grab(window);
        same = !now.isNull() && now == last ? same + 1 : 0;
        last = now;
        QTest::qWait(30);
        return same >= 2 && now != before && now != testsupport::filled(now.size(), now.pixel(0, 0)).convertToFormat(now.format());
    }, 5000);
    return settled ? last : QImage();
}

QByteArray xdotool(const QStringList &arguments)
{
    const otherProgram::Result r = otherProgram::run("xdotool", arguments);
    EXPECT_TRUE(r.finished && r.exitCode == 0) << arguments.join(u' ').toStdString() << ": " << r.err.toStdString();
    return r.out;
}

class RealProgram : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QFile::copy(QUILLMARK_EXECUTABLE, folder.file("quillmark")));
        folder.write("Quillmark.ini", ownSection);
        folder.write("Parse.tmp", "copied secrets\r\n");
        xdotool({"mousemove", "1279", "1023"}); // away from the window: no hover changes its pictures
    }
    void TearDown() override
    {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished(5000);
        }
    }
    // Starts the program and waits for its window; reports how long that took.
    unsigned long start()
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "xcb");
        process.setProcessEnvironment(env);
        process.setProcessChannelMode(QProcess::ForwardedChannels);
        process.setWorkingDirectory(QDir::tempPath()); // the program folder never depends on it
        QElapsedTimer timer;
        timer.start();
        process.start(folder.file("quillmark"));
        unsigned long window = 0;
        waitUntil([&] {
            const otherProgram::Result r = otherProgram::run(
                "xdotool", {"search", "--onlyvisible", "--pid", QString::number(process.processId()), "--name", "Quillmark"});
            window = r.out.trimmed().split('\n').value(0).toULong();
            return window != 0 || process.state() == QProcess::NotRunning;
        }, startTimeoutMs);
        EXPECT_NE(window, 0ul) << "no window within " << startTimeoutMs << " ms";
        if (window) {
            std::cout << "window shown after " << timer.elapsed() << " ms" << std::endl;
            RecordProperty("WindowShownMs", int(timer.elapsed()));
        }
        return window;
    }
    // Every run ends with exit code 0, the settings saved around the user's own section and
    // the scratch file emptied.
    void expectEndedLikeAClose()
    {
        ASSERT_TRUE(waitUntil([this] { return process.state() == QProcess::NotRunning; }, startTimeoutMs)) << "it did not end";
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(process.exitCode(), 0);
        const QByteArray ini = folder.read("Quillmark.ini");
        EXPECT_TRUE(ini.startsWith(ownSection) && ini.contains("SaveIcon=True\r\n")) << ini.toStdString();
        EXPECT_EQ(folder.read("Parse.tmp"), " \r\n");
    }

    testsupport::ProgramFolder folder;
    QProcess process;
};

TEST_F(RealProgram, ShowsItsWindowSwitchesTabsOnKeysAndClosesByItsCloseBox)
{
    const unsigned long window = start();
    ASSERT_NE(window, 0ul);
    xdotool({"windowfocus", "--sync", QString::number(window)});
    QList<QImage> tabs = {newPicture(window, QImage())};
    ASSERT_FALSE(tabs[0].isNull()) << "the window never painted";
    for (int tab = 2; tab <= 6; ++tab) { // each key shows a tab of its own, seen from outside
        xdotool({"key", QString::number(tab)});
        tabs.append(newPicture(window, tabs.last()));
        ASSERT_FALSE(tabs.last().isNull()) << "key " << tab << " changed nothing";
    }
    for (int i = 0; i < tabs.size(); ++i)
        for (int j = i + 1; j < tabs.size(); ++j)
            EXPECT_NE(tabs[i], tabs[j]) << "tabs " << i + 1 << " and " << j + 1 << " look the same";
    xdotool({"key", "1"});
    EXPECT_TRUE(waitUntil([&] { return grab(window) == tabs[0]; })) << "key 1 did not bring tab 1 back";
    ASSERT_TRUE(xWindows::askToClose(window));
    expectEndedLikeAClose();
}

TEST_F(RealProgram, SigtermEndsItLikeItsCloseBox)
{
    ASSERT_NE(start(), 0ul);
    ASSERT_TRUE(waitUntil([this] { return catchesSigterm(process.processId()); }, startTimeoutMs));
    ::kill(pid_t(process.processId()), SIGTERM);
    expectEndedLikeAClose();
}

} // namespace
