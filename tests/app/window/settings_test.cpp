// Start-up with and without Quillmark.ini, and the shut-down that writes it.

#include "window.h"

namespace {

using testsupport::ProgramFolder;

// Starts a window over the folder, lets the test look at it, and closes it.
template <typename Look> void runWindow(const QString &folder, Look look)
{
    frmVandrel window(folder);
    window.show();
    look(window);
    window.close();
}

Qt::CheckState iconBox(const frmVandrel &window) { return window.findChild<QCheckBox *>(names::icon)->checkState(); }

TEST(WindowSettings, WithoutAFileTheDefaultsAreUsedAndWrittenAndTheScratchFileEmptied)
{
    ProgramFolder folder;
    folder.write("Parse.tmp", "copied secrets\r\n");
    runWindow(folder.path(), [](frmVandrel &w) { EXPECT_EQ(iconBox(w), Qt::Checked); });
    const QByteArray written = folder.read("Quillmark.ini");
    for (const char *line : {"[General]\r\nLeft=0\r\nTop=0\r\n", "Opacity=128\r\n", "[SpawnMap]\r\nX=4\r\nY=58\r\n"})
        EXPECT_TRUE(written.contains(line)) << line << "\n" << written.toStdString();
    EXPECT_FALSE(written.contains("\n\n"));
    EXPECT_EQ(folder.read("Parse.tmp"), " \r\n");
}

TEST(WindowSettings, StoredValuesComeBackAndTheSaveKeepsEveryOtherByte)
{
    ProgramFolder folder;
    QByteArray garbage;
    for (int i = 0; i < 4096; ++i)
        garbage.append(char((i * 7919) & 0xff));
    folder.write("Quillmark.ini",
        garbage
            + "\r\n; my notes\r\n[general]\r\nleft = 1500\r\nTop=3000\r\nOpacity=50\r\n"
              "Opacity=99\r\nUnknown=keep me\r\n[Template3]\r\nName=Weapon\r\n"
            + garbage);
    runWindow(folder.path(), [](frmVandrel &w) {
        EXPECT_EQ(w.pos(), QPoint(100, 200));
        EXPECT_EQ(w.windowOpacityValue(), 50); // the first of two keys
        w.move(120, 40);
    });
    const QByteArray after = folder.read("Quillmark.ini");
    EXPECT_TRUE(after.startsWith(garbage
        + "\r\n; my notes\r\n[general]\r\nLeft=1800\r\nTop=600\r\nOpacity=50\r\n"
          "Opacity=99\r\nUnknown=keep me\r\n"))
        << after.left(4300).mid(4096).toStdString();
    EXPECT_TRUE(after.contains("[Template3]\r\nName=Weapon\r\n" + garbage));
    EXPECT_EQ(after.count("[General]") + after.count("[general]"), 1);
}

TEST(WindowSettings, BadValuesFallBackWithoutStoppingTheLoadAndAGreyedBoxIsSavedEmpty)
{
    ProgramFolder folder;
    folder.write("Quillmark.ini",
        "[General]\r\nLeft=abc\r\nTop=40000\r\nSaveIcon=maybe\r\nOpacity=300\r\n"
        "[SpawnMap]\r\nX=-32769\r\nY=12.5\r\n");
    runWindow(folder.path(), [](frmVandrel &w) {
        EXPECT_EQ(w.windowOpacityValue(), 128);
        EXPECT_EQ(iconBox(w), Qt::PartiallyChecked); // its initial, greyed state
    });
    const QByteArray after = folder.read("Quillmark.ini");
    for (const char *line : {"SaveIcon=\r\n", "Opacity=128\r\n", "X=0\r\n", "Y=12\r\n"}) // halves to the even neighbour
        EXPECT_TRUE(after.contains(line)) << line << "\n" << after.toStdString();
    // Saved empty, the next start applies the default; a user's click never greys it.
    runWindow(folder.path(), [](frmVandrel &w) { EXPECT_EQ(iconBox(w), Qt::Checked); });
    EXPECT_TRUE(folder.read("Quillmark.ini").contains("SaveIcon=True\r\n"));
    folder.write("Quillmark.ini", "[General]\r\nSaveIcon=neither\r\n");
    runWindow(folder.path(), [](frmVandrel &w) {
        for (const Qt::CheckState expected : {Qt::Checked, Qt::Unchecked, Qt::Checked, Qt::Unchecked}) {
            clickBox(w.findChild<QCheckBox *>(names::icon));
            EXPECT_EQ(iconBox(w), expected);
        }
    });
    EXPECT_TRUE(folder.read("Quillmark.ini").contains("SaveIcon=False\r\n"));
}

TEST(WindowSettings, ShutDownRunsOnceOnCloseAndNeverFailsForAnUnwritableFolder)
{
    ProgramFolder folder;
    {
        frmVandrel window(folder.path());
        window.show();
        window.close();
        ASSERT_TRUE(folder.exists("Quillmark.ini"));
        QFile::remove(folder.file("Quillmark.ini"));
        window.close(); // a second close saves nothing, nor does the destructor
    }
    EXPECT_FALSE(folder.exists("Quillmark.ini"));
    {
        frmVandrel window(folder.path());
        window.show();
    }
    EXPECT_FALSE(folder.exists("Quillmark.ini")); // destroyed without closing: nothing saved
    // Writes fail for root too when the folder is gone or a directory stands in the way.
    runWindow(folder.file("gone"), [](frmVandrel &w) { EXPECT_EQ(w.currentTab(), 1); });
    EXPECT_FALSE(QFileInfo::exists(folder.file("gone")));
    QDir(folder.path()).mkdir("Quillmark.ini");
    QDir(folder.path()).mkdir("Parse.tmp");
    runWindow(folder.path(), [](frmVandrel &w) { EXPECT_EQ(w.windowOpacityValue(), 128); });
    EXPECT_TRUE(QFileInfo(folder.file("Quillmark.ini")).isDir());
}

} // namespace
