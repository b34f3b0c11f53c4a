// Tab "1 Panel": a height button cuts the icon and the stats panel out of the screenshot,
// shows them and saves them through the save options.

#include "capturefixture.h"

#include <QCheckBox>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTime>

namespace {

using namespace capturetest;

// Height buttons 4 to 6 are 300, 660 and 1000 pixels; Icon and Panel files differ by prefix.
const QByteArray baseIni = "[StatsPanelDimensions]\r\n4=300\r\n5=660\r\n6=1000\r\n"
                           "[Icon]\r\nPrefix=Icon\r\n[Panel]\r\nPrefix=Panel\r\n";

class ExtractionTest : public CaptureFixture {
protected:
    void SetUp() override
    {
        folder.write(QStringLiteral("Quillmark.ini"), baseIni + "[General]\r\nAutoName=True\r\nGameFullscreen=True\r\n");
        CaptureFixture::SetUp();
        putOnClipboard(shot);
    }
    QPushButton *heightButton(int i) { return control<QPushButton>(QStringLiteral("cmdExtractPanel_%1").arg(i)); }
    void release(int i, Qt::MouseButton button, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::mouseClick(heightButton(i), button, modifiers);
    }
    QImage shown(const char *area) { return control(QString::fromLatin1(area))->property("picture").value<QImage>(); }

    const QImage shot = coordinateShot({1024, 768});
};

TEST_F(ExtractionTest, LeftClickCutsAtTheGeometryAndSavesUnderTheTimeStamp)
{
    const int before = QTime::currentTime().msecsSinceStartOfDay() / 1000;
    release(4, Qt::LeftButton);
    const int after = QTime::currentTime().msecsSinceStartOfDay() / 1000 + 1;
    const QStringList files = saved();
    ASSERT_EQ(files.size(), 2) << files.join(u',').toStdString();
    const QString stamp = files[0].section(u' ', 1).chopped(4);
    EXPECT_GE(stamp.toInt(), before);
    EXPECT_LE(stamp.toInt(), after);
    EXPECT_EQ(files, QStringList({"Icon " + stamp + ".png", "Panel " + stamp + ".png"}));
    EXPECT_EQ(cutMismatch(savedImage(files[0]), shot, {968, 65, 32, 32}), QString());
    EXPECT_EQ(cutMismatch(savedImage(files[1]), shot, {724, 27, 300, 300}), QString());
    EXPECT_EQ(cutMismatch(shown("picIcon"), shot, {968, 65, 32, 32}), QString());
    EXPECT_EQ(control(QStringLiteral("picSource"))->size(), QSize(300, 300));
    EXPECT_EQ(window->height(), 607); // 15 x 300 + 1020 twips is below the least height

    // Windowed, default offsets, and offsets that put the panel above the screenshot.
    restart(baseIni + "[General]\r\nAutoName=True\r\n");
    release(4, Qt::RightButton);
    EXPECT_EQ(cutMismatch(shown("picIcon"), shot, {965, 94, 32, 32}), QString());
    EXPECT_EQ(cutMismatch(shown("picSource"), shot, {721, 56, 300, 300}), QString());
    restart(baseIni + "[General]\r\nAutoName=True\r\n[Icon]\r\nOffsetLeft=40\r\nOffsetTop=10\r\n");
    release(4, Qt::RightButton);
    EXPECT_EQ(cutMismatch(shown("picSource"), shot, {740, -28, 300, 300}), QString());

    // A 1 x 1 screenshot: everything cut lies outside it.
    putOnClipboard(coordinateShot({1, 1}));
    release(4, Qt::RightButton);
    EXPECT_EQ(cutMismatch(shown("picSource"), coordinateShot({1, 1}), {-283, -28, 300, 300}), QString());

    // Tall panels: the window grows with them, within the screen.
    release(5, Qt::RightButton);
    EXPECT_EQ(window->height(), 10920 / 15);
    release(6, Qt::RightButton);
    EXPECT_GT(window->height(), 10920 / 15);
    EXPECT_TRUE(window->screen()->availableGeometry().contains(window->frameGeometry()));
}

TEST_F(ExtractionTest, NamePromptPrefixSuffixAndAutocopy)
{
    restart(baseIni + "[Icon]\r\nSuffix=Small\r\n[General]\r\nAutoCopyFileName=True\r\n");
    {
        modal::Answerer dialogs({QStringLiteral("Sword")});
        release(4, Qt::LeftButton);
        ASSERT_EQ(dialogs.seen.size(), 1);
        EXPECT_EQ(dialogs.seen[0].title, QStringLiteral("File Name"));
        EXPECT_EQ(dialogs.seen[0].text, QStringLiteral("File Name:"));
    }
    EXPECT_EQ(saved(), QStringList({"Icon Sword Small.png", "Panel Sword.png"}));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("Sword"));

    // The last name is offered again; Cancel writes nothing and copies nothing.
    putOnClipboard(shot);
    clearSaved();
    modal::Answerer dialogs({modal::cancel});
    release(4, Qt::MiddleButton);
    ASSERT_EQ(dialogs.seen.size(), 1);
    EXPECT_EQ(dialogs.seen[0].preset, QStringLiteral("Sword"));
    EXPECT_TRUE(saved().isEmpty());
    EXPECT_TRUE(QGuiApplication::clipboard()->text().isEmpty());
}

TEST_F(ExtractionTest, WithTheDefaultOptionsTheIconGoesBesideThePanel)
{
    restart(QByteArray());
    {
        modal::Answerer dialogs({QStringLiteral("Sword")});
        release(4, Qt::LeftButton);
    }
    ASSERT_EQ(saved(), QStringList({"Sword Icon.png", "Sword.png"}));
    EXPECT_EQ(cutMismatch(savedImage(QStringLiteral("Sword Icon.png")), shot, {965, 94, 32, 32}), QString());
    EXPECT_EQ(cutMismatch(savedImage(QStringLiteral("Sword.png")), shot, {721, 56, 300, 100}), QString());
}

TEST_F(ExtractionTest, ButtonsAndModifiers)
{
    // Right without exactly Shift shows only; Autoname copies nothing even when Autocopy is checked.
    restart(baseIni + "[General]\r\nAutoName=True\r\nAutoCopyFileName=True\r\n");
    release(4, Qt::RightButton, Qt::ControlModifier);
    EXPECT_EQ(shown("picSource").size(), QSize(300, 300));
    EXPECT_TRUE(saved().isEmpty());
    release(4, Qt::LeftButton, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(saved().size(), 2);
    EXPECT_TRUE(QGuiApplication::clipboard()->text().isEmpty());

    modal::Answerer dialogs({QStringLiteral("455"), QStringLiteral("abc"), modal::cancel, QStringLiteral("120.5")});
    release(1, Qt::LeftButton, Qt::ShiftModifier); // nothing at all
    EXPECT_TRUE(dialogs.seen.isEmpty());
    release(1, Qt::RightButton, Qt::ShiftModifier);
    ASSERT_EQ(dialogs.seen.size(), 1);
    EXPECT_EQ(dialogs.seen[0].text, QStringLiteral("Enter height in pixels:"));
    EXPECT_EQ(dialogs.seen[0].title, QStringLiteral("Quillmark"));
    EXPECT_EQ(heightButton(1)->text(), QStringLiteral("455"));
    release(1, Qt::RightButton);
    EXPECT_EQ(shown("picSource").size(), QSize(300, 455));
    release(1, Qt::RightButton, Qt::ShiftModifier);
    release(1, Qt::RightButton, Qt::ShiftModifier);
    EXPECT_EQ(heightButton(1)->text(), QStringLiteral("455"));
    release(1, Qt::RightButton, Qt::ShiftModifier);
    EXPECT_EQ(heightButton(1)->text(), QStringLiteral("120"));
}

TEST_F(ExtractionTest, IconAndPanelChoices)
{
    QCheckBox *icon = control<QCheckBox>(QStringLiteral("chkIcon"));
    release(4, Qt::RightButton);
    QTest::mouseClick(icon, Qt::LeftButton);
    EXPECT_EQ(icon->checkState(), Qt::Unchecked);
    EXPECT_NE(cutMismatch(shown("picIcon"), shot, {968, 65, 32, 32}), QString()); // cleared
    release(4, Qt::LeftButton);
    ASSERT_EQ(saved().size(), 1);
    EXPECT_TRUE(saved()[0].startsWith(QStringLiteral("Panel ")));

    restart(baseIni + "[General]\r\nAutoName=True\r\n[Panel]\r\nSaveStatsPanel=False\r\n");
    release(4, Qt::LeftButton);
    ASSERT_EQ(saved().size(), 1);
    EXPECT_TRUE(saved()[0].startsWith(QStringLiteral("Icon ")));

    // Nothing to write: no name is asked.
    restart(baseIni + "[General]\r\nSaveIcon=False\r\n[Panel]\r\nSaveStatsPanel=False\r\n");
    modal::Answerer dialogs;
    release(4, Qt::LeftButton);
    EXPECT_TRUE(dialogs.seen.isEmpty());
    EXPECT_EQ(shown("picSource").size(), QSize(300, 300));
}

TEST_F(ExtractionTest, GifAndFailedWrites)
{
    restart(baseIni + "[General]\r\nAutoName=True\r\n[Icon]\r\nFileType=gif\r\n[Panel]\r\nFileType=gif\r\n");
    {
        modal::Answerer dialogs;
        release(4, Qt::LeftButton);
        ASSERT_EQ(dialogs.seen.size(), 1);
        EXPECT_EQ(dialogs.seen[0].text, QStringLiteral("GIF support not yet added"));
        EXPECT_TRUE(saved().isEmpty());
    }
    restart(baseIni + "[General]\r\nAutoName=True\r\n[Icon]\r\nFileType=gif\r\n");
    {
        modal::Answerer dialogs;
        release(4, Qt::LeftButton);
        EXPECT_EQ(dialogs.seen.size(), 1);
        EXPECT_EQ(saved().size(), 1);
    }

    // The icon's folder is missing: the user is told which file, the panel is not written
    // and the name is not copied.
    const QString missing = folder.file(QStringLiteral("Missing"));
    restart(baseIni + "[General]\r\nAutoCopyFileName=True\r\n[Icon]\r\nUseDefaultSavePath=False\r\nCustomSavePath="
            + missing.toUtf8() + "\r\n");
    modal::Answerer dialogs({QStringLiteral("Axe")});
    release(4, Qt::LeftButton);
    ASSERT_EQ(dialogs.seen.size(), 2);
    EXPECT_TRUE(dialogs.seen[1].text.contains(QDir::toNativeSeparators(missing + "/Icon Axe.png")))
        << dialogs.seen[1].text.toStdString();
    EXPECT_TRUE(saved().isEmpty());
    EXPECT_TRUE(QGuiApplication::clipboard()->text().isEmpty());
}

TEST_F(ExtractionTest, NoScreenshotDropsAndBadHeights)
{
    const QImage before = shown("picSource");
    for (bool text : {true, false}) {
        if (text)
            QGuiApplication::clipboard()->setText(QStringLiteral("no picture"));
        else
            QGuiApplication::clipboard()->clear();
        modal::Answerer dialogs;
        release(4, Qt::LeftButton);
        ASSERT_EQ(dialogs.seen.size(), 1);
        EXPECT_EQ(dialogs.seen[0].title, QStringLiteral("Quillmark"));
        EXPECT_EQ(dialogs.seen[0].text, QStringLiteral("Copy a screen shot first, then click the button again."));
    }
    EXPECT_EQ(shown("picSource"), before);
    EXPECT_TRUE(saved().isEmpty());

    // A dropped file is the screenshot of a left click; one that cannot be read is named.
    QTemporaryDir dir;
    const QImage dropped = coordinateShot({640, 480});
    ASSERT_TRUE(dropped.save(dir.filePath(QStringLiteral("shot.png"))));
    dropFiles(heightButton(4), {dir.filePath(QStringLiteral("shot.png")), dir.filePath(QStringLiteral("x.png"))});
    ASSERT_EQ(saved().size(), 2);
    EXPECT_EQ(cutMismatch(savedImage(saved()[1]), dropped, {340, 27, 300, 300}), QString());
    folder.write(QStringLiteral("bad.bmp"), "not a picture");
    for (const QString &path : {dir.filePath(QStringLiteral("none.png")), folder.file(QStringLiteral("bad.bmp"))}) {
        modal::Answerer dialogs;
        dropFiles(heightButton(4), {path});
        ASSERT_EQ(dialogs.seen.size(), 1);
        EXPECT_TRUE(dialogs.seen[0].text.contains(QDir::toNativeSeparators(path)));
    }

    // Heights that are not a whole number of pixels cut nothing.
    restart("[StatsPanelDimensions]\r\n1=0\r\n2=-5\r\n3=abc\r\n4=40000\r\n[General]\r\nAutoName=True\r\n");
    putOnClipboard(shot);
    const QImage empty = shown("picSource");
    for (int i = 1; i <= 4; ++i)
        release(i, Qt::LeftButton);
    EXPECT_EQ(shown("picSource"), empty);
    EXPECT_TRUE(saved().isEmpty());
}

} // namespace
