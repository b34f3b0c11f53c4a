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
    EXPECT_EQ(folder.read("Parse.tmp"), " \r\n");
}

// How the file is patched byte for byte is the PrivateProfile tests'; here the shut-down
// patches the file it loaded rather than writing a new one.
TEST(WindowSettings, StoredValuesComeBackAndTheSaveKeepsEveryOtherLine)
{
    ProgramFolder folder;
    folder.write("Quillmark.ini", "; my notes\r\n[general]\r\nleft = 1500\r\nTop=3000\r\nOpacity=50\r\nOpacity=99\r\n"
                                  "Unknown=keep me\r\n[Template3]\r\nName=Weapon\r\n");
    runWindow(folder.path(), [](frmVandrel &w) {
        EXPECT_EQ(w.pos(), QPoint(100, 200));
        EXPECT_EQ(w.windowOpacityValue(), 50); // the first of two keys
        w.move(120, 40);
    });
    const QByteArray after = folder.read("Quillmark.ini");
    EXPECT_TRUE(after.startsWith("; my notes\r\n[general]\r\nLeft=1800\r\nTop=600\r\nOpacity=50\r\nOpacity=99\r\n"
                                 "Unknown=keep me\r\n"))
        << after.toStdString();
    EXPECT_TRUE(after.contains("[Template3]\r\nName=Weapon\r\n"));
}

TEST(WindowSettings, BadValuesFallBackWithoutStoppingTheLoadAndAGreyedBoxIsSavedEmpty)
{
    ProgramFolder folder;
    folder.write("Quillmark.ini",
        "[General]\r\nLeft=abc\r\nTop=40000\r\nSaveIcon=maybe\r\nOpacity=300\r\n"
        "[SpawnMap]\r\nX=-32769\r\nY=12.5\r\n");
    runWindow(folder.path(), [](frmVandrel &w) { EXPECT_EQ(iconBox(w), Qt::PartiallyChecked); }); // initial, greyed
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

QStringList captionsOf(const frmVandrel &window, const char *buttons)
{
    QStringList captions;
    for (int i = 1; i <= 12; ++i)
        captions.append(window.findChild<QPushButton *>(names::element(buttons, i))->text());
    return captions;
}

TEST(WindowSettings, ButtonCaptionsAreDesignedUntilTheFileGivesThemAndOnlyChangedOnesAreWritten)
{
    ProgramFolder folder;
    runWindow(folder.path(), [](frmVandrel &w) { // the designed ones are the settings' defaults (SettingValues tests)
        const QStringList heights = captionsOf(w, "cmdExtractPanel"), crops = captionsOf(w, "cmdCrop");
        EXPECT_EQ(QStringList({heights[0], heights[11], crops[0], crops[11]}),
            QStringList({"120", "1000", "300 100", "600 300"}));
    });
    EXPECT_FALSE(folder.read("Quillmark.ini").contains("Dimensions"));
    // Hand-made keys (odd blanks, an empty one, one no caption reads as a size) stay as written.
    const QByteArray panels = "[StatsPanelDimensions]\r\n1 = 250 \r\n2=\r\n";
    const QByteArray lives = "[LiveShotDimensions]\r\n3=abc\r\n";
    folder.write("Quillmark.ini", panels + lives);
    runWindow(folder.path(), [&](frmVandrel &w) {
        EXPECT_EQ(captionsOf(w, "cmdExtractPanel").mid(0, 3), QStringList({"250", "180", "240"}));
        modal::Answerer dialogs({"455", "50", "80"});
        QTest::mouseClick(w.findChild<QPushButton *>("cmdExtractPanel_3"), Qt::RightButton, Qt::ShiftModifier);
        w.showTab(2);
        QTest::mouseClick(w.findChild<QPushButton *>("cmdCrop_5"), Qt::RightButton, Qt::ShiftModifier);
    });
    const QByteArray after = folder.read("Quillmark.ini");
    EXPECT_TRUE(after.startsWith(panels + "3=455\r\n" + lives + "5=50 80\r\n")) << after.toStdString();
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
