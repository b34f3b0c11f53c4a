// The real program as a process on the X display: it starts in a fresh program folder, shows
// its window, switches tabs on keys another program types, and ends through its close box or
// a SIGTERM with its settings saved.

#include "otherprogram.h"
#include "support.h"
#include "xwindows.h"

#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <gtest/gtest.h>

#include <csignal>
#include <iostream>

namespace {

using otherProgram::waitUntil;

const QByteArray ownSection = "[Mine]\r\nkeep=1\r\n[General]\r\nOpacity=77\r\n";

QByteArray xdotool(const QStringList &arguments)
{
    const otherProgram::Result r = otherProgram::run("xdotool", arguments);
    EXPECT_TRUE(r.finished) << arguments.join(u' ').toStdString() << ": " << r.err.toStdString();
    return r.out;
}

QImage grab(unsigned long window) { return QGuiApplication::primaryScreen()->grabWindow(WId(window)).toImage(); }

class RealProgram : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QFile::copy(QUILLMARK_EXECUTABLE, folder.file("quillmark")));
        folder.write("Quillmark.ini", ownSection);
        folder.write("Parse.tmp", "copied secrets\r\n");
        xdotool({"mousemove", "1279", "1023"}); // away from the window: no hover changes its pictures
        QElapsedTimer timer;
        timer.start();
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
        std::cout << "window shown after " << timer.elapsed() << " ms" << std::endl;
        RecordProperty("WindowShownMs", int(timer.elapsed()));
    }
    void TearDown() override
    {
        process.kill();
        process.waitForFinished(5000);
    }
    // The window's picture once it has settled (three grabs in a row agree) into something new
    // and not of one colour; null if it never does.
    QImage newPicture(const QImage &before) const
    {
        QImage last;
        int same = 0;
        const bool settled = waitUntil([&] {
            const QImage now = grab(window);
            same = !now.isNull() && now == last ? same + 1 : 0;
            last = now;
            return same >= 2 && now != before && now.copy(0, 0, 1, 1).scaled(now.size()) != now;
        });
        return settled ? last : QImage();
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

TEST_F(RealProgram, ShowsItsWindowSwitchesTabsOnKeysAndClosesByItsCloseBox)
{
    xdotool({"windowfocus", "--sync", QString::number(window)});
    QList<QImage> tabs = {newPicture(QImage())};
    ASSERT_FALSE(tabs[0].isNull()) << "the window never painted";
    for (int tab = 2; tab <= 6; ++tab) { // each key shows a tab of its own, seen from outside
        xdotool({"key", QString::number(tab)});
        tabs.append(newPicture(tabs.last()));
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
