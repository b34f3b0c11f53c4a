// Tab "1 Panel": a height button cuts the icon and the stats panel out of the screenshot,
// shows them and saves them through the save options. Runs on a screen scaled by two too.

#include "window.h"

#include <QCheckBox>
#include <QPushButton>
#include <QScreen>
#include <QTime>

namespace {

using testsupport::coordinateShot;
using testsupport::cutMismatch;

// Height buttons 4 to 6 are 300, 660 and 1000 pixels; icons and panels differ by prefix.
const QByteArray baseIni = "[StatsPanelDimensions]\r\n4=300\r\n5=660\r\n6=1000\r\n[Icon]\r\nPrefix=Icon\r\n[Panel]\r\nPrefix=Panel\r\n";

class ExtractionTest : public WindowFixture {
protected:
    ExtractionTest() : WindowFixture(baseIni + "[General]\r\nAutoName=True\r\nGameFullscreen=True\r\n") {}
    void SetUp() override
    {
        WindowFixture::SetUp();
        clipboard()->setImage(shot);
    }
    QPushButton *height(int i) const { return control<QPushButton>(names::element("cmdExtractPanel", i)); }
    void release(int i, Qt::MouseButton button, Qt::KeyboardModifiers modifiers = {}) { QTest::mouseClick(height(i), button, modifiers); }

    const QImage shot = coordinateShot({1024, 768});
};

TEST_F(ExtractionTest, ALeftClickCutsWhereTheGameDrawsAndSavesUnderTheTimeStamp)
{
    const int before = QTime::currentTime().msecsSinceStartOfDay() / 1000;
    release(4, Qt::LeftButton);
    const int after = QTime::currentTime().msecsSinceStartOfDay() / 1000 + 1;
    ASSERT_EQ(saved().size(), 2);
    const QString stamp = saved()[0].section(u' ', 1).chopped(4);
    EXPECT_TRUE(stamp.toInt() >= before && stamp.toInt() <= after) << stamp.toStdString();
    EXPECT_EQ(saved(), QStringList({"Icon " + stamp + ".png", "Panel " + stamp + ".png"}));
    EXPECT_EQ(cutMismatch(savedImage(saved()[0]), shot, {968, 65, 32, 32}), QString());
    EXPECT_EQ(cutMismatch(savedImage(saved()[1]), shot, {724, 27, 300, 300}), QString());
    EXPECT_EQ(cutMismatch(picture("picIcon"), shot, {968, 65, 32, 32}), QString());
    EXPECT_EQ(window->height(), 607); // 15 x 300 + 1020 twips is below the least height
    // Tall panels: the window grows with them, within the screen.
    release(5, Qt::RightButton);
    EXPECT_EQ(window->height(), 10920 / 15);
    release(6, Qt::RightButton);
    EXPECT_TRUE(window->height() > 10920 / 15 && window->screen()->availableGeometry().contains(window->frameGeometry()));

    // Windowed, at the default and at trained offsets; a screenshot everything lies outside.
    const struct {
        QByteArray ini;
        QSize shot;
        QRect icon, panel;
    } cases[] = {{"", {1024, 768}, {965, 94, 32, 32}, {721, 56, 300, 300}},
                 {"[Icon]\r\nOffsetLeft=40\r\nOffsetTop=10\r\n", {1024, 768}, {984, 10, 32, 32}, {740, -28, 300, 300}},
                 {"[Icon]\r\nOffsetLeft=40\r\nOffsetTop=10\r\n", {1, 1}, {-39, 10, 32, 32}, {-283, -28, 300, 300}}};
    for (const auto &c : cases) {
        restart(baseIni + c.ini);
        clipboard()->setImage(coordinateShot(c.shot));
        release(4, Qt::RightButton);
        EXPECT_EQ(cutMismatch(picture("picIcon"), coordinateShot(c.shot), c.icon), QString());
        EXPECT_EQ(cutMismatch(picture("picSource"), coordinateShot(c.shot), c.panel), QString());
        EXPECT_TRUE(saved().isEmpty());
    }
}

TEST_F(ExtractionTest, TheNamePromptAutocopyAndTheIconMovingAsideFromThePanel)
{
    restart(baseIni + "[Icon]\r\nSuffix=Small\r\n[General]\r\nAutoCopyFileName=True\r\n");
    {
        modal::Answerer dialogs({"Sword"});
        release(4, Qt::LeftButton);
        ASSERT_EQ(dialogs.seen.size(), 1);
        EXPECT_EQ(std::pair(dialogs.seen[0].title, dialogs.seen[0].text), std::pair(QString("File Name"), QString("File Name:")));
    }
    EXPECT_EQ(saved(), QStringList({"Icon Sword Small.png", "Panel Sword.png"}));
    EXPECT_EQ(clipboard()->text(), "Sword");
    // The last name is offered again; Cancel writes and copies nothing.
    clipboard()->setImage(shot);
    clearSaved();
    {
        modal::Answerer dialogs({modal::cancel});
        release(4, Qt::MiddleButton);
        ASSERT_EQ(dialogs.seen.size(), 1);
        EXPECT_EQ(dialogs.seen[0].preset, "Sword");
    }
    EXPECT_TRUE(saved().isEmpty());
    EXPECT_TRUE(clipboard()->text().isEmpty());
    // With the default options both would be Sword.png: the icon goes beside the panel.
    restart("");
    clipboard()->setImage(shot);
    modal::Answerer dialogs({"Sword"});
    release(4, Qt::LeftButton);
    ASSERT_EQ(saved(), QStringList({"Sword Icon.png", "Sword.png"}));
    EXPECT_EQ(cutMismatch(savedImage("Sword Icon.png"), shot, {965, 94, 32, 32}), QString());
    EXPECT_EQ(cutMismatch(savedImage("Sword.png"), shot, {721, 56, 300, 100}), QString());
}

TEST_F(ExtractionTest, ButtonsModifiersAndTheHeightPrompt)
{
    restart(baseIni + "[General]\r\nAutoName=True\r\nAutoCopyFileName=True\r\n");
    release(4, Qt::RightButton, Qt::ControlModifier); // right without exactly Shift: shown only
    EXPECT_EQ(picture("picSource").size(), QSize(300, 300));
    EXPECT_TRUE(saved().isEmpty());
    release(4, Qt::LeftButton, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(saved().size(), 2);
    EXPECT_TRUE(clipboard()->text().isEmpty()); // Autoname copies nothing

    modal::Answerer dialogs({"455", "abc", modal::cancel, "120.5"});
    release(1, Qt::LeftButton, Qt::ShiftModifier); // nothing at all
    EXPECT_TRUE(dialogs.seen.isEmpty());
    release(1, Qt::RightButton, Qt::ShiftModifier);
    ASSERT_EQ(dialogs.seen.size(), 1);
    EXPECT_EQ(std::pair(dialogs.seen[0].title, dialogs.seen[0].text), std::pair(QString("Quillmark"), QString("Enter height in pixels:")));
    EXPECT_EQ(height(1)->text(), "455");
    release(1, Qt::RightButton);
    EXPECT_EQ(picture("picSource").size(), QSize(300, 455));
    release(1, Qt::RightButton, Qt::ShiftModifier);
    release(1, Qt::RightButton, Qt::ShiftModifier);
    EXPECT_EQ(height(1)->text(), "455");
    release(1, Qt::RightButton, Qt::ShiftModifier);
    EXPECT_EQ(height(1)->text(), "120");

    // Heights that are no whole number of pixels cut nothing.
    restart("[StatsPanelDimensions]\r\n1=0\r\n2=-5\r\n3=abc\r\n4=40000\r\n[General]\r\nAutoName=True\r\n");
    clipboard()->setImage(shot);
    const QImage empty = picture("picSource");
    for (int i = 1; i <= 4; ++i)
        release(i, Qt::LeftButton);
    EXPECT_EQ(picture("picSource"), empty);
    EXPECT_TRUE(saved().isEmpty());
}

TEST_F(ExtractionTest, TheIconBoxTheStatsPanelOptionGifAndFailedWrites)
{
    release(4, Qt::RightButton);
    clickBox(control(names::icon)); // unchecked: the cut icon is cleared and not saved
    EXPECT_EQ(control<QCheckBox>(names::icon)->checkState(), Qt::Unchecked);
    EXPECT_NE(cutMismatch(picture("picIcon"), shot, {968, 65, 32, 32}), QString());
    release(4, Qt::LeftButton);
    ASSERT_EQ(saved().size(), 1);
    EXPECT_TRUE(saved()[0].startsWith("Panel "));

    const QByteArray autoName = "[General]\r\nAutoName=True\r\n";
    const QString missing = folder.file("Missing");
    const struct {
        QByteArray ini;
        QStringList dialogs, files; // the start of each box's text; the saved files' prefixes
    } cases[] = {
        {autoName + "[Panel]\r\nSaveStatsPanel=False\r\n", {}, {"Icon "}},
        {"[General]\r\nSaveIcon=False\r\n[Panel]\r\nSaveStatsPanel=False\r\n", {}, {}}, // no name asked
        {autoName + "[Icon]\r\nFileType=gif\r\n[Panel]\r\nFileType=gif\r\n", {"GIF support not yet added"}, {}},
        {autoName + "[Icon]\r\nFileType=gif\r\n", {"GIF support not yet added"}, {"Panel "}},
        // The icon's folder is missing: the file is named, the panel not written, nothing copied.
        {"[General]\r\nAutoCopyFileName=True\r\n[Icon]\r\nUseDefaultSavePath=False\r\nCustomSavePath=" + missing.toUtf8() + "\r\n",
         {"File Name:", "Could not save " + QDir::toNativeSeparators(missing + "/Icon Axe.png")}, {}},
    };
    for (const auto &c : cases) {
        restart(baseIni + c.ini);
        clipboard()->setImage(shot);
        modal::Answerer dialogs({"Axe"});
        release(4, Qt::LeftButton);
        QStringList files;
        for (const QString &file : saved())
            files.append(file.left(file.indexOf(u' ') + 1));
        EXPECT_EQ(files, c.files) << c.ini.toStdString();
        ASSERT_EQ(dialogs.seen.size(), c.dialogs.size()) << c.ini.toStdString();
        for (int i = 0; i < c.dialogs.size(); ++i)
            EXPECT_TRUE(dialogs.seen[i].text.startsWith(c.dialogs[i])) << dialogs.seen[i].text.toStdString();
        EXPECT_TRUE(clipboard()->text().isEmpty());
    }
}

TEST_F(ExtractionTest, NoScreenshotAndDroppedFiles)
{
    const QImage before = picture("picSource");
    for (const bool text : {true, false}) {
        text ? clipboard()->setText("no picture") : clipboard()->clear();
        modal::Answerer dialogs;
        release(4, Qt::LeftButton);
        ASSERT_EQ(dialogs.seen.size(), 1);
        EXPECT_EQ(std::pair(dialogs.seen[0].title, dialogs.seen[0].text),
                  std::pair(QString("Quillmark"), QString("Copy a screen shot first, then click the button again.")));
    }
    EXPECT_EQ(picture("picSource"), before);
    // A dropped file is the screenshot of a left click; one that cannot be read is named.
    const QImage dropped = coordinateShot({640, 480});
    ASSERT_TRUE(dropped.save(folder.file("shot.png")));
    dropFiles(height(4), {folder.file("shot.png"), folder.file("x.png")});
    ASSERT_EQ(saved().size(), 2);
    EXPECT_EQ(cutMismatch(savedImage(saved()[1]), dropped, {340, 27, 300, 300}), QString());
    folder.write("bad.bmp", "not a picture");
    for (const QString &path : {folder.file("none.png"), folder.file("bad.bmp")}) {
        modal::Answerer dialogs;
        dropFiles(height(4), {path});
        ASSERT_EQ(dialogs.seen.size(), 1);
        EXPECT_TRUE(dialogs.seen[0].text.contains(QDir::toNativeSeparators(path)));
    }
}

} // namespace
