// "Create Spawn Map" on tab "5 Tools", with real files and the clipboard.

#include "app/tools/spawnmaptool.h"
#include "image/imagefiles.h"
#include "spawnmap/spawnmap.h"
#include "window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QMimeData>
#include <QRegularExpression>

namespace {

const QPoint offset(4, 58); // the settings' defaults

QImage viewer() { return testsupport::coordinateShot({600, 620}); }

class SpawnMapButton : public WindowFixture {
protected:
    SpawnMapButton() : WindowFixture("[General]\r\nAutoName=True\r\n") {}
    QStringList maps() const { return saved().filter(QRegularExpression("^Spawn Map ")); }
    // Clicks the button and answers the boxes from replies; what they showed, as
    // "title|text" and, for name prompts, "|default".
    QStringList click(const QList<modal::Reply> &replies = {}, const std::function<void(QDialog *)> &whileShown = {})
    {
        modal::Answerer answerer(replies, whileShown);
        QTest::mouseClick(control("cmdCreateSpawnMap"), Qt::LeftButton);
        QStringList shown;
        for (const modal::Shown &box : answerer.seen)
            shown << box.title + u'|' + box.text + (box.input ? u'|' + box.preset : QString());
        return shown;
    }
};

TEST_F(SpawnMapButton, RefusedWithoutAReadableReferenceAScreenshotOrAUsableOffset)
{
    clipboard()->setImage(viewer());
    EXPECT_EQ(click(), QStringList{spawnMap::noReferenceTitle + u'|' + spawnMap::noReferenceText});
    folder.write("Spawn Map Comparison.bmp", "BM this is not a bitmap");
    const QStringList unreadable = click();
    ASSERT_EQ(unreadable.size(), 1);
    EXPECT_TRUE(unreadable[0].startsWith(spawnMap::noReferenceTitle + u'|')
        && unreadable[0].contains(folder.file("Spawn Map Comparison.bmp")))
        << unreadable[0].toStdString();
    ASSERT_TRUE(imageFiles::saveBmp(viewer(), folder.file("Spawn Map Comparison.bmp")).ok());
    for (const bool text : {true, false}) {
        text ? clipboard()->setText("some text") : clipboard()->clear();
        EXPECT_EQ(click(), QStringList{"Spawn Map|" + spawnMap::noBitmapText});
    }
    EXPECT_EQ(picture("picSpawnMapBase"), viewer()); // the reference was read
    // A hand-edited offset whose window leaves 16-bit coordinates names the settings.
    clipboard()->setImage(viewer());
    for (const QPoint bad : {QPoint(32257, 0), QPoint(0, -1)}) {
        window->findChild<SpawnMapTool *>()->setSamplingOffset(bad);
        const QStringList refused = click();
        ASSERT_EQ(refused.size(), 1);
        EXPECT_TRUE(refused[0].contains("\"SpawnMap\" \"X\"")) << refused[0].toStdString();
    }
    EXPECT_TRUE(maps().isEmpty());
}

TEST_F(SpawnMapButton, TheMapIsMadeShownAndSavedUnderTheTimeStamp)
{
    // Found whatever the letter case of its name.
    ASSERT_TRUE(imageFiles::saveBmp(viewer(), folder.file("spawn map COMPARISON.BMP")).ok());
    QImage shot = viewer();
    shot.setPixel(offset + QPoint(5, 6), qRgb(255, 0, 0));
    shot.setPixel(offset + QPoint(512, 0), qRgb(255, 0, 0));    // outside the window
    shot.setPixel(offset + QPoint(300, 511), qRgb(5, 255, 90)); // the last block row
    clipboard()->setImage(shot);
    EXPECT_EQ(click(), QStringList());
    ASSERT_EQ(maps().size(), 1);
    EXPECT_TRUE(QRegularExpression("^Spawn Map \\d+\\.png$").match(maps()[0]).hasMatch()) << maps()[0].toStdString();
    QImage expected = spawnMap::blankMap();
    expected.setPixel(2, 3, spawnMap::red);
    expected.setPixel(150, 255, spawnMap::red);
    EXPECT_EQ(savedImage(maps()[0]), expected);
    EXPECT_EQ(picture("picSpawnMap"), expected);
    EXPECT_EQ(picture("picSpawnMapCompare"), shot);
    EXPECT_TRUE(clipboard()->mimeData()->hasImage()); // Autocopy is off under Autoname
    // The reference again: a white map, still saved.
    clipboard()->setImage(viewer());
    QTest::qWait(1100); // a new time stamp
    EXPECT_EQ(click(), QStringList());
    EXPECT_EQ(maps().size(), 2);
    EXPECT_EQ(picture("picSpawnMap"), spawnMap::blankMap());
}

TEST_F(SpawnMapButton, TheNamePromptAutocopyASecondClickAndAFailedWrite)
{
    ASSERT_TRUE(imageFiles::saveBmp(viewer(), folder.file("Spawn Map Comparison.bmp")).ok());
    QImage shot = viewer();
    shot.setPixel(offset + QPoint(5, 6), qRgb(0, 0, 0));
    clickBox(control(names::autoName));
    clickBox(control(names::autoCopy));
    ASSERT_TRUE(control<QCheckBox>(names::autoCopy)->isChecked());
    clipboard()->setImage(shot);
    EXPECT_EQ(click(), QStringList{"Image Name|File Name:|"}); // Cancel: shown, not saved or copied
    EXPECT_EQ(picture("picSpawnMap").pixel(2, 3), spawnMap::red);
    EXPECT_TRUE(maps().isEmpty());
    EXPECT_TRUE(clipboard()->mimeData()->hasImage());

    // A click while the map is being made (here: at its name prompt) is ignored.
    bool nested = false;
    const auto clickAgain = [&](QDialog *first) {
        QTimer::singleShot(100, [&nested, first] {
            if (QWidget *second = QApplication::activeModalWidget(); second && second != first) {
                nested = true;
                qobject_cast<QDialog *>(second)->reject();
            }
        });
        qobject_cast<QAbstractButton *>(control("cmdCreateSpawnMap"))->click();
    };
    EXPECT_EQ(click({"north"}, clickAgain), QStringList{"Image Name|File Name:|"});
    EXPECT_FALSE(nested);
    EXPECT_EQ(maps(), QStringList{"Spawn Map north.png"});
    EXPECT_EQ(clipboard()->text(), "north");

    // A folder where the file should be: the file and the reason are told, nothing copied.
    clipboard()->setImage(shot);
    ASSERT_TRUE(QDir(folder.file("Images")).mkdir("Spawn Map south.png"));
    const QStringList failed = click({"south"});
    ASSERT_EQ(failed.size(), 2);
    EXPECT_EQ(failed[0], "Image Name|File Name:|north"); // the last name
    EXPECT_TRUE(failed[1].startsWith("Spawn Map|") && failed[1].contains(folder.file("Images/Spawn Map south.png")));
    EXPECT_GT(failed[1].section(u'\n', 1).size(), 0) << "no reason given";
    EXPECT_TRUE(clipboard()->mimeData()->hasImage());
}

} // namespace
