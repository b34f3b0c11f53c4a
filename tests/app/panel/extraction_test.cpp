// Tab "1 Panel": a height button cuts the icon and the stats panel out of the screenshot,
// shows them and saves them through the save options. Runs on a screen scaled by two too.

#include "window.h"

#include "app/widgets/statusline.h"

#include <QScreen>
#include <QTime>

namespace {

using testsupport::coordinateShot;
using testsupport::cutMismatch;

// Height buttons 4 to 6 are 300, 660 and 1000 pixels; icons and panels differ by prefix.
const QByteArray baseIni
    = "[StatsPanelDimensions]\r\n4=300\r\n5=660\r\n6=1000\r\n[Icon]\r\nPrefix=Icon\r\n[Panel]\r\nPrefix=Panel\r\n";
const QByteArray autoName = "[General]\r\nAutoName=True\r\n";

class ExtractionTest : public WindowFixture {
protected:
    ExtractionTest() : WindowFixture(baseIni + autoName + "GameFullscreen=True\r\n") {}
    void SetUp() override
    {
        WindowFixture::SetUp();
        clipboard()->setImage(shot);
    }
    QPushButton *height(int i) const { return control<QPushButton>(names::element("cmdExtractPanel", i)); }
    void release(int i, Qt::MouseButton button, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::mouseClick(height(i), button, modifiers);
    }
    // Starts over with these settings and a screenshot on the clipboard; releases button 4 and
    // answers the boxes; the saved files' prefixes and the texts of the boxes.
    std::pair<QStringList, QStringList> save(const QByteArray &ini, const QList<modal::Reply> &replies = {})
    {
        restart(ini);
        clipboard()->setImage(shot);
        modal::Answerer dialogs(replies);
        release(4, Qt::LeftButton);
        QStringList prefixes, texts;
        for (const QString &file : saved())
            prefixes.append(file.section(u' ', 0, 0));
        for (const modal::Shown &box : dialogs.seen)
            texts.append(box.text);
        return {prefixes, texts};
    }
    const QImage shot = coordinateShot({1024, 768});
};

TEST_F(ExtractionTest, ALeftReleaseCutsWhereTheGameDrawsAndSavesUnderTheTimeStamp)
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
    release(5, Qt::RightButton); // tall panels: the window grows with them (ExtractGeometry), within the screen
    EXPECT_EQ(window->height(), 10920 / 15 + 18);
    clipboard()->setImage(coordinateShot({1024, 1027})); // as tall as the panel reaches
    release(6, Qt::RightButton);
    EXPECT_TRUE(
        window->height() > 10920 / 15 + 18 && window->screen()->availableGeometry().contains(window->frameGeometry()));
    restart(baseIni + "[Icon]\r\nOffsetLeft=40\r\nOffsetTop=10\r\n"); // windowed, at trained offsets: shown only
    clipboard()->setImage(shot);
    release(4, Qt::RightButton);
    EXPECT_EQ(cutMismatch(picture("picIcon"), shot, {984, 10, 32, 32}), QString());
    EXPECT_TRUE(saved().isEmpty());
}

TEST_F(ExtractionTest, ButtonsModifiersAndTheHeightPrompt)
{
    restart(baseIni + autoName + "AutoCopyFileName=True\r\n");
    clipboard()->setImage(shot);
    release(4, Qt::RightButton, Qt::ControlModifier); // right without exactly Shift: shown only
    EXPECT_TRUE(saved().isEmpty());
    release(4, Qt::LeftButton, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(saved().size(), 2);
    EXPECT_TRUE(clipboard()->text().isEmpty()); // Autoname copies nothing
    modal::Answerer dialogs({"455", "abc", modal::cancel, "120.5"});
    release(1, Qt::LeftButton, Qt::ShiftModifier); // nothing at all
    EXPECT_TRUE(dialogs.seen.isEmpty());
    QStringList captions;
    for (int i = 0; i < 4; ++i) {
        release(1, Qt::RightButton, Qt::ShiftModifier);
        captions.append(height(1)->text());
    }
    EXPECT_EQ(captions, QStringList({"455", "455", "455", "120"}));
    release(1, Qt::RightButton);
    EXPECT_EQ(picture("picSource").size(), QSize(300, 120));
}

TEST_F(ExtractionTest, TheNameTheIconBoxTheStatsPanelOptionGifAndFailedWrites)
{
    release(4, Qt::RightButton);
    clickBox(control(names::icon)); // unchecked: the cut icon is cleared and not saved
    EXPECT_NE(cutMismatch(picture("picIcon"), shot, {968, 65, 32, 32}), QString());
    release(4, Qt::LeftButton);
    EXPECT_EQ(saved().size(), 1);
    EXPECT_TRUE(saved().value(0).startsWith("Panel "));
    using Saved = std::pair<QStringList, QStringList>;
    EXPECT_EQ(save(baseIni + "[Icon]\r\nSuffix=Small\r\n[General]\r\nAutoCopyFileName=True\r\n", {"Sword"}),
        Saved({"Icon", "Panel"}, {"File Name:"}));
    EXPECT_EQ(saved(), QStringList({"Icon Sword Small.png", "Panel Sword.png"}));
    EXPECT_EQ(clipboard()->text(), "Sword");
    release(5, Qt::RightButton); // the name replaced the screenshot on the clipboard: the one held is cut again
    EXPECT_EQ(cutMismatch(picture("picSource"), shot, {721, 56, 300, 660}), QString());
    showTab(3); // opening the tab lets it go
    showTab(1);
    {
        modal::Answerer dialogs;
        release(4, Qt::RightButton);
        EXPECT_EQ(dialogs.seen.size(), 1);
    }
    clipboard()->setImage(shot);
    clearSaved();
    {
        modal::Answerer dialogs({modal::cancel}); // the last name offered again; Cancel writes and copies nothing
        release(4, Qt::MiddleButton);
        EXPECT_EQ(dialogs.seen.value(0).preset, "Sword");
    }
    EXPECT_TRUE(saved().isEmpty() && clipboard()->text().isEmpty());
    // With the default options both would be Sword.png: the icon goes beside the panel.
    save("", {"Sword"});
    EXPECT_EQ(saved(), QStringList({"Sword Icon.png", "Sword.png"}));
    EXPECT_EQ(save(baseIni + "[General]\r\nSaveIcon=False\r\n[Panel]\r\nSaveStatsPanel=False\r\n"),
        Saved()); // no name asked
    EXPECT_EQ(save(baseIni + autoName + "[Icon]\r\nFileType=gif\r\n"), Saved({"Panel"}, {"GIF support not yet added"}));
    // The icon's folder is missing: the file is named, the panel is not written, nothing copied.
    const QString missing = QDir::toNativeSeparators(folder.file("Missing"));
    const auto failed
        = save(baseIni + "[General]\r\nAutoCopyFileName=True\r\n[Icon]\r\nUseDefaultSavePath=False\r\nCustomSavePath="
                + missing.toUtf8() + "\r\n",
            {"Axe"});
    EXPECT_TRUE(failed.first.isEmpty());
    ASSERT_EQ(failed.second.size(), 2);
    EXPECT_TRUE(failed.second[1].startsWith("Could not save " + folder.file("Missing/Icon Axe.png")))
        << failed.second[1].toStdString();
    EXPECT_TRUE(clipboard()->text().isEmpty());
}

TEST_F(ExtractionTest, NoScreenshotAndDroppedFiles)
{
    const QImage before = picture("picSource");
    clipboard()->setText("no picture");
    {
        modal::Answerer dialogs;
        release(4, Qt::LeftButton);
        EXPECT_EQ(dialogs.seen.value(0).text, "Copy a screen shot first, then click the button again.");
    }
    EXPECT_EQ(picture("picSource"), before);
    // A picture smaller than the cut is refused with the size it needs (the sizes: ExtractGeometry).
    clipboard()->setImage(coordinateShot({299, 327}));
    release(4, Qt::LeftButton);
    EXPECT_TRUE(saved().isEmpty());
    EXPECT_EQ(picture("picSource"), before);
    EXPECT_EQ(control("lblStatus")->property("message").toString(),
        "The picture is 299 x 327 pixels; this needs at least 300 x 327.");
    // A dropped file is the screenshot of a left release; one that cannot be read is named.
    const QImage dropped = coordinateShot({640, 480});
    ASSERT_TRUE(dropped.save(folder.file("shot.png")));
    dropFiles(height(4), {folder.file("shot.png"), folder.file("x.png")});
    ASSERT_EQ(saved().size(), 2);
    EXPECT_EQ(cutMismatch(savedImage(saved()[1]), dropped, {340, 27, 300, 300}), QString());
    modal::Answerer dialogs;
    dropFiles(height(4), {folder.file("none.png")});
    EXPECT_TRUE(dialogs.seen.value(0).text.contains(QDir::toNativeSeparators(folder.file("none.png"))));
}

} // namespace

// The same name again (the name prompt offers the last one): the files of the earlier save
// go to the trash, not into nothing, and the status line at the foot says what happened.
// Where no trash takes them (Wine has no Recycle Bin), they stay beside as NAME~1.
TEST_F(ExtractionTest, ASaveOverEarlierFilesPutsThemInTheTrashAndSaysSo)
{
    const bool trashWorks = testsupport::trashTakesFiles();
    QString opened;
    StatusLine::setFolderOpener([&](const QString &folder) { opened = folder; });
    restart("");
    const QImage other = testsupport::noise(1024, 768);
    // What becomes of the old files is the AtomicFile tests'; the sentence tells what happened.
    const std::pair<QImage, QString> saves[] = {
        {shot, "Saved Sword Icon.png and Sword.png in Images"},
        {other, trashWorks ? "Replaced Sword Icon.png and Sword.png (the old files are in the trash)"
                           : "Replaced Sword Icon.png (the old file is kept as Sword Icon~1.png). Replaced Sword.png (the "
                             "old file is kept as Sword~1.png)"},
        {other, "Saved Sword Icon.png and Sword.png in Images"}, // the same bytes: nothing to keep
    };
    for (const auto &[picture, status] : saves) {
        clipboard()->setImage(picture);
        modal::Answerer dialogs({"Sword"});
        release(4, Qt::LeftButton);
        EXPECT_EQ(control("lblStatus")->property("message").toString(), status);
        EXPECT_EQ(control("lblStatus")->toolTip(), status);
        QStringList current = saved();
        current.removeIf([](const QString &file) { return file.contains(u'~'); }); // the old ones kept beside
        EXPECT_EQ(current, QStringList({"Sword Icon.png", "Sword.png"}));
    }
    QTest::mouseClick(control("lblStatus"), Qt::LeftButton);
    EXPECT_EQ(testsupport::pathKey(opened), testsupport::pathKey(folder.file("Images")));
    StatusLine::setFolderOpener({});
}
