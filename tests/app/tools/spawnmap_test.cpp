// "Create Spawn Map" on tab "5 Tools", with real files and the clipboard.

#include "image/imagefiles.h"
#include "spawnmap/spawnmap.h"
#include "window.h"

#include <QAbstractButton>
#include <QRegularExpression>

namespace {

class SpawnMapButton : public WindowFixture {
protected:
    SpawnMapButton() : WindowFixture("[General]\r\nAutoName=True\r\n") {}
    // Clicks the button and answers the boxes; what they showed, as "title|text" and, for
    // name prompts, "|default".
    QStringList click(const QList<modal::Reply> &replies = {}, const std::function<void(QDialog *)> &whileShown = {})
    {
        modal::Answerer answerer(replies, whileShown);
        QTest::mouseClick(control("cmdCreateSpawnMap"), Qt::LeftButton);
        QStringList shown;
        for (const modal::Shown &box : answerer.seen)
            shown << box.title + u'|' + box.text + (box.input ? u'|' + box.preset : QString());
        return shown;
    }
    const QImage viewer = testsupport::coordinateShot({600, 620});
};

TEST_F(SpawnMapButton, RefusedWithoutAReadableReferenceAScreenshotOrAUsableOffset)
{
    clipboard()->setImage(viewer);
    EXPECT_EQ(click(), QStringList{"Unable to create spawn map|No comparison map was found, please look up Quillmark\r\n"
                                   "on the Wiki for detailed instructions for creating this file\r\n"
                                   "and using the Spawn Map creation function. Thank you."});
    folder.write("Spawn Map Comparison.bmp", "BM this is not a bitmap");
    EXPECT_TRUE(click().value(0).contains(folder.file("Spawn Map Comparison.bmp")));
    ASSERT_TRUE(imageFiles::saveBmp(viewer, folder.file("Spawn Map Comparison.bmp")).ok());
    clipboard()->setText("some text");
    EXPECT_EQ(click(),
        QStringList{"Spawn Map|No bitmap detected in clipboard. While using the Viewer prest ALT + PRT SCR."});
    restart("[General]\r\nAutoName=True\r\n[SpawnMap]\r\nX=32257\r\n"); // edited by hand past the map's reach
    EXPECT_TRUE(click().value(0).contains("\"SpawnMap\" \"X\""));
    EXPECT_TRUE(saved().isEmpty());
}

TEST_F(SpawnMapButton, TheMapIsMadeShownAndSavedUnderTheTimeStampOrTheNameGiven)
{
    ASSERT_TRUE(imageFiles::saveBmp(viewer, folder.file("spawn map COMPARISON.BMP")).ok()); // found in any letter case
    QImage shot = viewer;
    shot.setPixel(QPoint(4, 58) + QPoint(5, 6), qRgb(255, 0, 0)); // the window starts at the settings' 4, 58
    clipboard()->setImage(shot);
    EXPECT_EQ(click(), QStringList());
    QImage expected = spawnMap::blankMap(); // a block for each pixel that differs (SpawnMap tests)
    expected.setPixel(2, 3, spawnMap::red);
    ASSERT_EQ(saved().size(), 1);
    EXPECT_TRUE(QRegularExpression("^Spawn Map \\d+\\.png$").match(saved()[0]).hasMatch()) << saved()[0].toStdString();
    EXPECT_EQ(savedImage(saved()[0]), expected);
    EXPECT_TRUE(picture("picSpawnMap") == expected && picture("picSpawnMapCompare") == shot);
    EXPECT_TRUE(clipboard()->mimeData()->hasImage()); // Autocopy is off under Autoname
    clickBox(control(names::autoName));
    clickBox(control(names::autoCopy));
    clearSaved();
    EXPECT_EQ(click(), QStringList{"Image Name|File Name:|"}); // Cancel: shown, not saved or copied
    EXPECT_TRUE(saved().isEmpty() && clipboard()->mimeData()->hasImage());
    // A click while the map is being made (here: at its name prompt) is ignored: a second
    // prompt over the first would stay unanswered, which fails the test.
    const auto clickAgain = [this](QDialog *) {
        qobject_cast<QAbstractButton *>(control("cmdCreateSpawnMap"))->click();
    };
    EXPECT_EQ(click({"north"}, clickAgain), QStringList{"Image Name|File Name:|"});
    EXPECT_EQ(saved(), QStringList{"Spawn Map north.png"});
    EXPECT_EQ(clipboard()->text(), "north");
    // A folder where the file should be: the file and the reason are told, nothing copied.
    clipboard()->setImage(shot);
    ASSERT_TRUE(QDir(folder.file("Images")).mkdir("Spawn Map south.png"));
    const QStringList failed = click({"south"});
    ASSERT_EQ(failed.size(), 2); // the name, then why the file could not be written
    EXPECT_TRUE(failed[1].contains(folder.file("Images/Spawn Map south.png") + ":\n")) // the reason below
        << failed[1].toStdString();
    EXPECT_TRUE(clipboard()->mimeData()->hasImage());
}

} // namespace
