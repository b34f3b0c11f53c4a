// Start-up with and without Quillmark.ini, and the shut-down that writes it: the wiring. What
// each key reads and writes is the options' tests', the whole file WindowSettingsFile's.

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

TEST(WindowSettings, AStoredPositionAndAGreyedBoxShowAndTheScratchFileIsEmptied)
{
    ProgramFolder folder;
    folder.write("Parse.tmp", "copied secrets\r\n");
    folder.write("Quillmark.ini", "[General]\r\nLeft=1500\r\nTop=3000\r\nSaveIcon=maybe\r\n");
    runWindow(folder.path(), [](frmVandrel &w) {
        EXPECT_EQ(w.pos(), QPoint(100, 200));
        EXPECT_EQ(iconBox(w), Qt::PartiallyChecked); // as it starts; a user's click never greys it
        for (const Qt::CheckState expected : {Qt::Checked, Qt::Unchecked, Qt::Checked, Qt::Unchecked}) {
            clickBox(w.findChild<QCheckBox *>(names::icon));
            EXPECT_EQ(iconBox(w), expected);
        }
    });
    EXPECT_EQ(folder.read("Parse.tmp"), " \r\n");
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
