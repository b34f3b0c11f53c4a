// Start-up with and without Quillmark.ini, and the shut-down that writes it.

#include "app/frmvandrel.h"
#include "testsupport.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using testsupport::ProgramFolder;

const QString ini = QStringLiteral("Quillmark.ini");

Qt::CheckState iconBox(const frmVandrel &window)
{
    return window.findChild<QCheckBox *>(QStringLiteral("chkIcon"))->checkState();
}

// Starts the window over the folder, lets the test look at it, and closes it.
template <typename Look>
void runWindow(const ProgramFolder &folder, Look look)
{
    frmVandrel window(folder.path());
    window.show();
    look(window);
    window.close();
}

TEST(WindowSettings, NoSettingsFileGivesTheDefaultsAndTheCloseWritesThem)
{
    ProgramFolder folder;
    runWindow(folder, [](frmVandrel &w) {
        EXPECT_EQ(w.pos(), QPoint(0, 0));
        EXPECT_EQ(w.windowOpacityValue(), 128);
        EXPECT_EQ(iconBox(w), Qt::Checked);
        EXPECT_EQ(w.currentTab(), 1);
    });
    const QByteArray written = folder.read(ini);
    for (const char *line : {"[General]\r\n", "Left=0\r\n", "Top=0\r\n", "SaveIcon=True\r\n", "Opacity=128\r\n",
                             "GameFullscreen=False\r\n", "[SpawnMap]\r\n", "X=4\r\n", "Y=58\r\n"})
        EXPECT_TRUE(written.contains(line)) << line << "\n" << written.toStdString();
    EXPECT_FALSE(written.contains("\n\n"));
    EXPECT_EQ(folder.read(QStringLiteral("Parse.tmp")), QByteArray(" \r\n"));
}

TEST(WindowSettings, StoredValuesComeBackAndTheSaveKeepsEverythingElse)
{
    ProgramFolder folder;
    const QByteArray before = "; my notes\r\n"
                              "[general]\r\n"
                              "left = 1500\r\n"
                              "Top=3000\r\n"
                              "Opacity=50\r\n"
                              "Unknown=keep me\r\n"
                              "[StatsPanelDimensions]\r\n"
                              "1=130\r\n"
                              "[Template3]\r\n"
                              "Name=Weapon\r\n";
    folder.write(ini, before);
    runWindow(folder, [](frmVandrel &w) {
        EXPECT_EQ(w.pos(), QPoint(100, 200));
        EXPECT_EQ(w.windowOpacityValue(), 50);
        w.move(120, 40);
    });
    const QByteArray after = folder.read(ini);
    EXPECT_TRUE(after.startsWith("; my notes\r\n[general]\r\nLeft=1800\r\nTop=600\r\nOpacity=50\r\nUnknown=keep me\r\n"))
        << after.toStdString();
    EXPECT_TRUE(after.contains("[StatsPanelDimensions]\r\n1=130\r\n[Template3]\r\nName=Weapon\r\n"));
    EXPECT_EQ(after.count("[General]") + after.count("[general]"), 1);
}

TEST(WindowSettings, BadValuesFallBackWithoutStoppingTheLoad)
{
    ProgramFolder folder;
    folder.write(ini, "[General]\r\nLeft=abc\r\nTop=40000\r\nSaveIcon=maybe\r\nOpacity=300\r\n"
                      "[SpawnMap]\r\nX=-32769\r\nY=12.5\r\n");
    runWindow(folder, [](frmVandrel &w) {
        EXPECT_EQ(w.windowOpacityValue(), 128);
        EXPECT_EQ(iconBox(w), Qt::PartiallyChecked); // its initial, greyed state
    });
    const QByteArray after = folder.read(ini);
    EXPECT_TRUE(after.contains("SaveIcon=\r\n")) << after.toStdString();
    EXPECT_TRUE(after.contains("Opacity=128\r\n"));
    EXPECT_TRUE(after.contains("X=0\r\n"));
    EXPECT_TRUE(after.contains("Y=12\r\n")); // halves go to the even neighbour

    // The greyed box was saved empty, so the next start applies the default.
    runWindow(folder, [](frmVandrel &w) { EXPECT_EQ(iconBox(w), Qt::Checked); });
    EXPECT_TRUE(folder.read(ini).contains("SaveIcon=True\r\n"));
}

TEST(WindowSettings, OpacityRulesAtTheEdges)
{
    const struct {
        const char *stored;
        int expected;
    } cases[] = {{"0", 0}, {"255", 255}, {"254.5", 254}, {"-1", 128}, {"255.4", 128}, {"256", 128}, {"x", 128}, {"", 128}};
    for (const auto &c : cases) {
        ProgramFolder folder;
        folder.write(ini, QByteArray("[General]\r\nOpacity=") + c.stored + "\r\n");
        runWindow(folder, [&](frmVandrel &w) { EXPECT_EQ(w.windowOpacityValue(), c.expected) << c.stored; });
    }
}

TEST(WindowSettings, AUserClickNeverGreysTheIconBox)
{
    ProgramFolder folder;
    folder.write(ini, "[General]\r\nSaveIcon=neither\r\n");
    runWindow(folder, [](frmVandrel &w) {
        auto *box = w.findChild<QCheckBox *>(QStringLiteral("chkIcon"));
        ASSERT_EQ(box->checkState(), Qt::PartiallyChecked);
        for (Qt::CheckState expected : {Qt::Checked, Qt::Unchecked, Qt::Checked, Qt::Unchecked}) {
            QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
            EXPECT_EQ(box->checkState(), expected);
        }
    });
    EXPECT_TRUE(folder.read(ini).contains("SaveIcon=False\r\n"));
}

TEST(WindowSettings, ShutDownRunsOnceAndOnlyOnClose)
{
    ProgramFolder folder;
    {
        frmVandrel window(folder.path());
        window.show();
        window.close();
        ASSERT_TRUE(folder.exists(ini));
        QFile::remove(folder.file(ini));
        window.close(); // a second close does not save again
        EXPECT_FALSE(folder.exists(ini));
    }
    EXPECT_FALSE(folder.exists(ini)); // nor does the destructor

    {
        frmVandrel window(folder.path());
        window.show();
    }
    EXPECT_FALSE(folder.exists(ini)); // a window destroyed without closing saves nothing
}

TEST(WindowSettings, GarbageAndBinarySettingsStillStartAndCloseKeepingTheBytes)
{
    ProgramFolder folder;
    QByteArray garbage;
    for (int i = 0; i < 4096; ++i)
        garbage.append(char((i * 7919) & 0xff));
    const QByteArray content = garbage + "\r\n[General]\r\nOpacity=70\r\nOpacity=99\r\n" + garbage;
    folder.write(ini, content);
    runWindow(folder, [](frmVandrel &w) { EXPECT_EQ(w.windowOpacityValue(), 70); }); // the first of two keys
    const QByteArray after = folder.read(ini);
    EXPECT_TRUE(after.startsWith(garbage));
    EXPECT_TRUE(after.contains("Opacity=70\r\nOpacity=99\r\n"));
}

TEST(WindowSettings, AnUnwritableProgramFolderNeitherStopsStartNorClose)
{
    // Writes fail for root too when the folder is gone or a directory stands in the way.
    {
        ProgramFolder folder;
        const QString missing = folder.file(QStringLiteral("gone"));
        frmVandrel window(missing);
        window.show();
        EXPECT_EQ(window.currentTab(), 1);
        window.close();
        EXPECT_FALSE(QFileInfo::exists(missing));
    }
    {
        ProgramFolder folder;
        QDir(folder.path()).mkdir(ini);
        QDir(folder.path()).mkdir(QStringLiteral("Parse.tmp"));
        runWindow(folder, [](frmVandrel &w) { EXPECT_EQ(w.windowOpacityValue(), 128); });
        EXPECT_TRUE(QFileInfo(folder.file(ini)).isDir());
    }
}

} // namespace
