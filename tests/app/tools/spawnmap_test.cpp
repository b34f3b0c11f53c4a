// "Create Spawn Map" on tab "5 Tools", with real files and the clipboard.

#include "app/tools/spawnmaptool.h"
#include "image/imagefiles.h"
#include "image/pngcodec.h"
#include "modalanswerer.h"
#include "spawnmap/spawnmap.h"
#include "windowfixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QMimeData>
#include <QRegularExpression>
#include <QPushButton>
#include <QTimer>

namespace {

const QString reference = QStringLiteral("Spawn Map Comparison.bmp");
const QPoint offset(4, 58); // the settings' defaults

QImage viewer(int width = 600, int height = 620)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x & 255, y & 255, 90));
    return image;
}

class SpawnMapButton : public WindowFixture {
protected:
    void SetUp() override
    {
        folder.write(QStringLiteral("Quillmark.ini"), "[General]\r\nAutoName=True\r\n");
        WindowFixture::SetUp();
    }

    QImage shown(const char *name) const { return control(QLatin1String(name))->property("picture").value<QImage>(); }
    QStringList maps() const
    {
        return QDir(folder.file(QStringLiteral("Images"))).entryList({QStringLiteral("Spawn Map *")}, QDir::AllEntries);
    }
    void setAutoName(bool on)
    {
        auto *box = control<QCheckBox>(QStringLiteral("chkAutoName"));
        if (box->isChecked() != on)
            QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, box->height() / 2));
        ASSERT_EQ(box->isChecked(), on);
    }

    // Clicks the button and answers the boxes in turn from replies (past them, message
    // boxes get OK and name prompts Cancel). Returns what was shown, as "title|text"
    // (message boxes) or "title|prompt|default" (name prompts).
    QStringList click(const QList<modal::Reply> &replies = {}, const std::function<void(QDialog *)> &whileShown = {})
    {
        modal::Answerer answerer(replies, whileShown);
        QTest::mouseClick(control(QStringLiteral("cmdCreateSpawnMap")), Qt::LeftButton);
        QStringList shownBoxes;
        for (const modal::Shown &box : answerer.seen)
            shownBoxes << box.title + u'|' + box.text + (box.input ? u'|' + box.preset : QString());
        return shownBoxes;
    }
};

TEST_F(SpawnMapButton, ControlsAsTheWindowShowsThem)
{
    auto *button = control<QPushButton>(QStringLiteral("cmdCreateSpawnMap"));
    EXPECT_EQ(button->text(), QStringLiteral("Create Spawn Map"));
    EXPECT_EQ(button->toolTip(), QStringLiteral("Detailed instructions on Quillmark page."));
    EXPECT_FALSE(control(QStringLiteral("picSpawnMap"))->isHidden());
    EXPECT_EQ(control(QStringLiteral("picSpawnMap"))->size(), QSize(256, 256));
    EXPECT_TRUE(control(QStringLiteral("picSpawnMapBase"))->isHidden());
    EXPECT_TRUE(control(QStringLiteral("picSpawnMapCompare"))->isHidden());
}

TEST_F(SpawnMapButton, RefusesWithoutAUsableReferenceBitmapOrOffset)
{
    QGuiApplication::clipboard()->setImage(viewer());
    EXPECT_EQ(click(), QStringList{spawnMap::noReferenceTitle + u'|' + spawnMap::noReferenceText});
    EXPECT_TRUE(spawnMap::noReferenceText.contains(QLatin1String("Quillmark\r\non the Wiki")));

    // A reference that is no picture is named.
    folder.write(reference, "BM this is not a bitmap");
    const QStringList unreadable = click();
    ASSERT_EQ(unreadable.size(), 1);
    EXPECT_TRUE(unreadable[0].startsWith(spawnMap::noReferenceTitle + u'|')) << unreadable[0].toStdString();
    EXPECT_TRUE(unreadable[0].contains(folder.file(reference))) << unreadable[0].toStdString();

    // Text, or nothing, on the clipboard: the bitmap message; the reference is loaded.
    ASSERT_TRUE(imageFiles::saveBmp(viewer(), folder.file(reference)).ok());
    const QStringList noBitmap{QStringLiteral("Spawn Map|") + spawnMap::noBitmapText};
    QGuiApplication::clipboard()->setText(QStringLiteral("some text"));
    EXPECT_EQ(click(), noBitmap);
    EXPECT_EQ(shown("picSpawnMapBase"), viewer());
    QGuiApplication::clipboard()->clear();
    EXPECT_EQ(click(), noBitmap);

    // A hand-edited offset whose window leaves 16-bit coordinates names the settings.
    auto *box = window->findChild<SpawnMapTool *>();
    ASSERT_NE(box, nullptr);
    QGuiApplication::clipboard()->setImage(viewer());
    for (const QPoint bad : {QPoint(32257, 0), QPoint(0, -1)}) {
        box->setSamplingOffset(bad);
        const QStringList refused = click();
        ASSERT_EQ(refused.size(), 1);
        EXPECT_TRUE(refused[0].contains(QLatin1String("\"SpawnMap\" \"X\""))) << refused[0].toStdString();
    }
    EXPECT_TRUE(maps().isEmpty());
}

TEST_F(SpawnMapButton, MakesShowsAndSavesTheMap)
{
    // Found whatever the letter case of its name.
    ASSERT_TRUE(imageFiles::saveBmp(viewer(), folder.file(QStringLiteral("spawn map COMPARISON.BMP"))).ok());
    QImage shot = viewer();
    shot.setPixel(offset + QPoint(5, 6), qRgb(255, 0, 0));
    shot.setPixel(offset + QPoint(512, 0), qRgb(255, 0, 0)); // outside the window
    shot.setPixel(offset + QPoint(300, 511), qRgb(5, 255, 90)); // last block row
    QGuiApplication::clipboard()->setImage(shot);

    EXPECT_EQ(click(), QStringList());
    const QStringList written = maps();
    ASSERT_EQ(written.size(), 1);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^Spawn Map \\d+\\.png$")).match(written[0]).hasMatch())
        << written[0].toStdString();
    QImage saved;
    ASSERT_TRUE(modPNG::LoadPNG(folder.file(QStringLiteral("Images/") + written[0]), saved));
    EXPECT_EQ(saved.size(), QSize(256, 256));
    int reds = 0;
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 256; ++x)
            reds += saved.pixel(x, y) == qRgb(255, 0, 0);
    EXPECT_EQ(reds, 2);
    EXPECT_EQ(saved.pixel(2, 3), qRgb(255, 0, 0));
    EXPECT_EQ(saved.pixel(150, 255), qRgb(255, 0, 0));
    EXPECT_EQ(saved.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(shown("picSpawnMap"), saved);
    EXPECT_EQ(shown("picSpawnMapCompare"), shot);
    // Autocopy is off while Autoname is on: the screenshot stays on the clipboard.
    EXPECT_TRUE(QGuiApplication::clipboard()->mimeData()->hasImage());

    // The same screenshot as the reference: a white map is still saved; no marks remain.
    QGuiApplication::clipboard()->setImage(viewer());
    QTest::qWait(1100); // a new time stamp
    EXPECT_EQ(click(), QStringList());
    ASSERT_EQ(maps().size(), 2);
    QImage white(256, 256, QImage::Format_RGB32);
    white.fill(Qt::white);
    EXPECT_EQ(shown("picSpawnMap"), white);
}

TEST_F(SpawnMapButton, NamePromptAutocopyFailedWriteAndSecondClick)
{
    ASSERT_TRUE(imageFiles::saveBmp(viewer(), folder.file(reference)).ok());
    QImage shot = viewer();
    shot.setPixel(offset + QPoint(5, 6), qRgb(0, 0, 0));
    setAutoName(false);
    auto *autoCopy = control<QCheckBox>(QStringLiteral("chkAutoCopyName"));
    ASSERT_TRUE(autoCopy->isEnabled());
    if (!autoCopy->isChecked())
        QTest::mouseClick(autoCopy, Qt::LeftButton, {}, QPoint(5, autoCopy->height() / 2));
    ASSERT_TRUE(autoCopy->isChecked());

    // Cancel: the map stays shown, nothing is saved or copied.
    QGuiApplication::clipboard()->setImage(shot);
    EXPECT_EQ(click(), QStringList{QStringLiteral("Image Name|File Name:|")});
    EXPECT_EQ(shown("picSpawnMap").pixel(2, 3), qRgb(255, 0, 0));
    EXPECT_TRUE(maps().isEmpty());
    EXPECT_TRUE(QGuiApplication::clipboard()->mimeData()->hasImage());

    // A click while the map is being made (here: at its name prompt) is ignored.
    auto *button = control<QPushButton>(QStringLiteral("cmdCreateSpawnMap"));
    bool nested = false;
    const auto clickAgain = [&](QDialog *first) {
        // Should the click start a second run, its prompt is closed here and noted.
        QTimer::singleShot(100, [&nested, first] {
            if (QWidget *second = QApplication::activeModalWidget(); second && second != first) {
                nested = true;
                qobject_cast<QDialog *>(second)->reject();
            }
        });
        button->click();
    };
    EXPECT_EQ(click({QStringLiteral("north")}, clickAgain), QStringList{QStringLiteral("Image Name|File Name:|")});
    EXPECT_FALSE(nested);
    EXPECT_EQ(maps(), QStringList{QStringLiteral("Spawn Map north.png")});
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("north"));

    // A folder where the file should be: the file and the reason are told, nothing copied.
    QGuiApplication::clipboard()->setImage(shot);
    ASSERT_TRUE(QDir(folder.file(QStringLiteral("Images"))).mkdir(QStringLiteral("Spawn Map south.png")));
    const QStringList failed = click({QStringLiteral("south")});
    ASSERT_EQ(failed.size(), 2);
    EXPECT_EQ(failed[0], QStringLiteral("Image Name|File Name:|north")); // the last name
    EXPECT_TRUE(failed[1].startsWith(QStringLiteral("Spawn Map|")));
    EXPECT_TRUE(failed[1].contains(folder.file(QStringLiteral("Images/Spawn Map south.png"))))
        << failed[1].toStdString();
    EXPECT_GT(failed[1].section(u'\n', 1).size(), 0) << "no reason given";
    EXPECT_TRUE(QGuiApplication::clipboard()->mimeData()->hasImage());
}

} // namespace
