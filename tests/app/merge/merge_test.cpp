// Tab "4 Merge": icons dropped on stock tiles and store slots, outlines, the mask, colour
// balance with its conformity figure, the nudge keys and the PNG to BMP converter.

#include "capturefixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace {

using namespace capturetest;

constexpr QRgb grey = 0xff404040;

QImage filled(QSize size, QRgb colour)
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(colour);
    return picture;
}

// A white 32 x 32 icon with a blade of colours down its middle.
QImage swordIcon()
{
    QImage icon = filled({32, 32}, 0xffffffff);
    for (int y = 4; y < 28; ++y)
        for (int x = 12; x < 20; ++x)
            icon.setPixel(x, y, qRgb(x * 9, y * 7, 30));
    return icon;
}

QImage pictureOf(QWidget *area)
{
    return area->property("picture").value<QImage>().convertToFormat(QImage::Format_RGB32);
}

void send(QWidget *target, const QMimeData &data, Qt::KeyboardModifiers modifiers)
{
    const QPoint at = target->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, modifiers);
    QApplication::sendEvent(target, &enter);
    QDragMoveEvent move(at, Qt::CopyAction, &data, Qt::LeftButton, modifiers);
    QApplication::sendEvent(target, &move);
    QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, modifiers);
    QApplication::sendEvent(target, &drop);
}

void dropPicture(QWidget *target, const QImage &picture, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QMimeData data;
    data.setImageData(picture);
    send(target, data, modifiers);
}

// Pixel by pixel, the icon's non-white pixels over the base.
QImage laidOver(const QImage &icon, QImage base, QRgb key = 0xffffffff)
{
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            if (icon.pixel(x, y) != key)
                base.setPixel(x, y, icon.pixel(x, y));
    return base;
}

class MergeTest : public CaptureFixture {
protected:
    void SetUp() override
    {
        folder.write(QStringLiteral("Quillmark.ini"), "[General]\r\nAutoName=True\r\n");
        CaptureFixture::SetUp();
        window->showTab(4);
    }
    QWidget *backing(int i) { return control(QStringLiteral("picBacking_%1").arg(i)); }
    QWidget *store(int i) { return control(QStringLiteral("picStore_%1").arg(i)); }
    QLineEdit *box(const QString &name) { return control<QLineEdit>(name); }
    QString writePicture(const QString &name, const QImage &picture) const
    {
        const QString path = folder.file(name);
        EXPECT_TRUE(picture.save(path));
        return path;
    }
    void chooseEdgeEffect(const QString &entry)
    {
        auto *combo = control<QComboBox>(QStringLiteral("cmbEdgeEffect"));
        const int index = combo->findText(entry);
        ASSERT_GE(index, 0);
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }
};

TEST_F(MergeTest, PanelStartsAsDesigned)
{
    for (int i : {0, 33})
        EXPECT_EQ(pictureOf(backing(i)), filled({32, 32}, grey)) << i;
    // Tile 33 of the artwork sits at index 34: index 33 is the result.
    EXPECT_EQ(pictureOf(backing(32)), QImage(":/tiles/tile32.png").convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(pictureOf(backing(34)), QImage(":/tiles/tile33.png").convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(pictureOf(backing(46)), QImage(":/tiles/tile45.png").convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(pictureOf(store(5)), QImage(":/tiles/slot5.png").convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(pictureOf(store(1)), filled({32, 32}, grey));
    EXPECT_EQ(store(3)->toolTip(), "Drag and drop layers, double click to save.");
    EXPECT_TRUE(store(0)->toolTip().isEmpty());
    auto *mask = control<QComboBox>(QStringLiteral("cmbMask1"));
    EXPECT_EQ(mask->currentText(), "255");
    EXPECT_EQ(mask->count(), 3);
    EXPECT_EQ(control<QComboBox>(QStringLiteral("cmbEdgeEffect"))->currentText(), "None");
    EXPECT_TRUE(control<QCheckBox>(QStringLiteral("chkSaveFile"))->isChecked());
    EXPECT_EQ(box(QStringLiteral("txtColorBalance_2"))->text(), "63.56");
    EXPECT_EQ(box(QStringLiteral("txtConformity"))->text(), "0");
    EXPECT_EQ(control<QPlainTextEdit>(QStringLiteral("txtBMPtoJPG"))->toPlainText(), "JPG\n");
    QWidget *converter = control(QStringLiteral("picConvertPNGtoBMP"));
    EXPECT_EQ(pictureOf(converter), filled({48, 16}, 0xffff0000));
    EXPECT_EQ(converter->toolTip(), "Drag and drop PNGs to be converted to BMPs");
}

TEST_F(MergeTest, TileDropComposesSavesAndKeepsTheTile)
{
    const QImage tile = pictureOf(backing(12));
    const QString icon = writePicture(QStringLiteral("sword.png"), swordIcon());
    dropFiles(backing(12), {icon, folder.file(QStringLiteral("ignored.png"))});

    const QImage want = laidOver(swordIcon(), tile);
    EXPECT_EQ(pictureOf(backing(33)), want);
    EXPECT_EQ(pictureOf(backing(12)), tile);
    ASSERT_EQ(saved().size(), 1);
    EXPECT_TRUE(saved().first().endsWith(".png"));
    EXPECT_EQ(savedImage(saved().first()).convertToFormat(QImage::Format_RGB32), want);

    // Without Save File the composition is still shown, and nothing is written.
    clearSaved();
    control<QCheckBox>(QStringLiteral("chkSaveFile"))->setChecked(false);
    dropFiles(backing(40), {icon});
    EXPECT_EQ(pictureOf(backing(33)), laidOver(swordIcon(), pictureOf(backing(40))));
    EXPECT_TRUE(saved().isEmpty());

    // A bitmap brings no file: the icon already there goes over the tile.
    dropPicture(backing(3), filled({32, 32}, 0xff00ff00));
    EXPECT_EQ(pictureOf(backing(33)), laidOver(swordIcon(), pictureOf(backing(3))));
}

TEST_F(MergeTest, IconsOfOtherSizesAreCutOrFilledAndAreasKeepTheirSize)
{
    QImage big = filled({64, 40}, 0xff0000ff);
    big.setPixel(0, 0, 0xffffffff);
    dropFiles(backing(5), {writePicture(QStringLiteral("big.png"), big)});
    QImage want = filled({32, 32}, 0xff0000ff);
    want.setPixel(0, 0, pictureOf(backing(5)).pixel(0, 0));
    EXPECT_EQ(pictureOf(backing(33)), want);
    EXPECT_EQ(pictureOf(backing(0)).size(), QSize(32, 32));

    // A 1 x 1 icon leaves the rest of the working icon grey, which covers the tile.
    dropFiles(store(2), {writePicture(QStringLiteral("dot.png"), filled({1, 1}, 0xff123456))});
    QImage dot = filled({32, 32}, grey);
    dot.setPixel(0, 0, 0xff123456);
    EXPECT_EQ(pictureOf(store(2)), dot);
    for (int i : {0, 2, 5})
        EXPECT_EQ(backing(i)->size(), QSize(32, 32)) << i;
    EXPECT_EQ(store(2)->size(), QSize(32, 32));
}

TEST_F(MergeTest, HugePicturesAndBombsAreCutOrRefused)
{
    // An 8000 x 8000 picture still gives its top-left 32 x 32; a file claiming 16000 x 16000
    // is refused before any memory is spent, and the working icon keeps its picture.
    QImage huge = filled({8000, 8000}, 0xff336699);
    dropFiles(backing(3), {writePicture(QStringLiteral("huge.png"), huge)});
    EXPECT_EQ(pictureOf(backing(0)), filled({32, 32}, 0xff336699));

    const QImage before = pictureOf(backing(0));
    dropFiles(backing(3), {QStringLiteral(QUILLMARK_BOMB_FILE)});
    EXPECT_EQ(pictureOf(backing(0)), before);
    EXPECT_EQ(backing(0)->size(), QSize(32, 32));
}

TEST_F(MergeTest, SlotsTakeLayersAndSaveOnDoubleClick)
{
    const QImage base = filled({32, 32}, 0xff3366aa);
    dropPicture(store(1), base);
    EXPECT_EQ(pictureOf(store(1)), base);

    // With Shift the mask colour is see-through: black under mask "0".
    control<QComboBox>(QStringLiteral("cmbMask1"))->setCurrentText(QStringLiteral("0"));
    QImage layer = filled({32, 32}, 0xff000000);
    layer.setPixel(3, 4, 0xffffffff);
    dropPicture(store(1), layer, Qt::ShiftModifier);
    QImage want = base;
    want.setPixel(3, 4, 0xffffffff);
    EXPECT_EQ(pictureOf(store(1)), want);
    EXPECT_EQ(pictureOf(backing(33)), want);

    // Other modifiers change nothing.
    for (Qt::KeyboardModifiers held : {Qt::KeyboardModifiers(Qt::ControlModifier), Qt::KeyboardModifiers(Qt::AltModifier),
                                       Qt::ShiftModifier | Qt::ControlModifier})
        dropPicture(store(1), filled({32, 32}, 0xff00ff00), held);
    EXPECT_EQ(pictureOf(store(1)), want);

    // Files are laid over with white see-through, whatever the mask says.
    dropFiles(store(1), {writePicture(QStringLiteral("sword.png"), swordIcon())});
    want = laidOver(swordIcon(), want);
    EXPECT_EQ(pictureOf(store(1)), want);

    // An unreadable file ends the action: the slot keeps its layers.
    dropFiles(store(1), {folder.file(QStringLiteral("missing.png"))});
    EXPECT_EQ(pictureOf(store(1)), want);

    QTest::mouseDClick(store(1), Qt::LeftButton);
    ASSERT_EQ(saved().size(), 1);
    EXPECT_EQ(savedImage(saved().first()).convertToFormat(QImage::Format_RGB32), want);
    EXPECT_EQ(pictureOf(store(1)), want);
}

TEST_F(MergeTest, SaveAsksForANameAndReportsAFailedWrite)
{
    restart("[Icon]\r\nPrefix=Icon\r\n[General]\r\nAutoCopyFileName=True\r\n");
    window->showTab(4);
    {
        modal::Answerer dialogs({QStringLiteral("Layered")});
        QTest::mouseDClick(store(0), Qt::LeftButton);
        ASSERT_EQ(dialogs.seen.size(), 1);
        EXPECT_EQ(dialogs.seen[0].title, "Name");
    }
    ASSERT_EQ(saved(), QStringList{"Icon Layered.png"});
    EXPECT_EQ(savedImage(saved().first()).convertToFormat(QImage::Format_RGB32), filled({32, 32}, grey));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "Layered");

    const QString missing = folder.file(QStringLiteral("gone"));
    restart("[General]\r\nAutoName=True\r\n[Icon]\r\nUseDefaultSavePath=False\r\nCustomSavePath=" + missing.toUtf8() + "\r\n");
    window->showTab(4);
    modal::Answerer dialogs;
    QTest::mouseDClick(control(QStringLiteral("picColorBalanceResult")), Qt::LeftButton);
    ASSERT_EQ(dialogs.seen.size(), 1);
    EXPECT_TRUE(dialogs.seen[0].text.contains(missing)) << dialogs.seen[0].text.toStdString();
}

TEST_F(MergeTest, OutlineTakesTheRowColours)
{
    chooseEdgeEffect(QStringLiteral("Fire"));
    QImage icon = filled({32, 32}, 0xffffffff);
    icon.setPixel(16, 16, 0xff000000);
    control<QCheckBox>(QStringLiteral("chkSaveFile"))->setChecked(false);
    dropFiles(backing(1), {writePicture(QStringLiteral("dot.png"), icon)});

    QImage want = icon;
    want.setPixel(15, 16, 0xfff66a1a);
    want.setPixel(17, 16, 0xfff66a1a);
    want.setPixel(16, 15, 0xffff7929);
    want.setPixel(16, 17, 0xffed5f0e);
    EXPECT_EQ(pictureOf(backing(0)), want);
    EXPECT_EQ(pictureOf(backing(33)), laidOver(want, pictureOf(backing(1))));

    // Back to none: the next drop erases the outline.
    chooseEdgeEffect(QStringLiteral("None"));
    dropFiles(backing(1), {folder.file(QStringLiteral("dot.png"))});
    EXPECT_EQ(pictureOf(backing(0)), icon);
}

TEST_F(MergeTest, MaskKeepsWhatDiffers)
{
    const QImage background = filled({32, 32}, 0xff806040);
    dropPicture(control(QStringLiteral("picColorBalance")), background);
    QImage icon = background;
    icon.setPixel(5, 6, 0xff112233);
    dropFiles(control(QStringLiteral("picMask")), {writePicture(QStringLiteral("icon.bmp"), icon)});
    QImage want = filled({32, 32}, 0xffffffff);
    want.setPixel(5, 6, 0xff112233);
    EXPECT_EQ(pictureOf(control(QStringLiteral("picColorBalanceResult"))), want);

    dropPicture(control(QStringLiteral("picMask")), background);
    EXPECT_EQ(pictureOf(control(QStringLiteral("picColorBalanceResult"))), filled({32, 32}, 0xffffffff));
}

TEST_F(MergeTest, ColourBoxesRecomputeTheResultAndConformity)
{
    QWidget *result = control(QStringLiteral("picColorBalanceResult"));
    dropPicture(control(QStringLiteral("picColorBalance")), filled({32, 32}, qRgb(255, 0, 0)));
    box(QStringLiteral("txtColorBalance_1"))->setText(QStringLiteral("50"));
    EXPECT_EQ(pictureOf(result), filled({32, 32}, qRgb(253, 0, 0)));
    // Against the grey working icon: sqrt(189^2 + 64^2 + 64^2).
    EXPECT_NEAR(box(QStringLiteral("txtConformity"))->text().toDouble(), 209.5543, 1e-3);

    // A box that is no number leaves the result and the figure.
    const QString figure = box(QStringLiteral("txtConformity"))->text();
    box(QStringLiteral("txtColorBalance_0"))->setText(QStringLiteral("abc"));
    box(QStringLiteral("txtColorBalance_0"))->clear();
    box(QStringLiteral("txtGray"))->setText(QStringLiteral("x"));
    EXPECT_EQ(pictureOf(result), filled({32, 32}, qRgb(253, 0, 0)));
    EXPECT_EQ(box(QStringLiteral("txtConformity"))->text(), figure);

    dropPicture(control(QStringLiteral("picColorBalance")), filled({32, 32}, qRgb(100, 150, 200)));
    box(QStringLiteral("txtGray"))->setText(QStringLiteral("200"));
    EXPECT_EQ(pictureOf(result), filled({32, 32}, qRgb(200, 255, 255)));

    // An all-white working icon counts no pixel.
    control<QCheckBox>(QStringLiteral("chkSaveFile"))->setChecked(false);
    dropFiles(backing(7), {writePicture(QStringLiteral("white.png"), filled({32, 32}, 0xffffffff))});
    box(QStringLiteral("txtGray"))->setText(QStringLiteral("100"));
    EXPECT_EQ(box(QStringLiteral("txtConformity"))->text(), "n/a");
}

TEST_F(MergeTest, NudgeKeysMoveThePartnerBox)
{
    QLineEdit *red = box(QStringLiteral("txtColorBalance_0"));
    QLineEdit *nudge = box(QStringLiteral("txtTemp_0"));
    red->setText(QStringLiteral("50"));
    QTest::keyClick(nudge, Qt::Key_9, Qt::NoModifier);
    EXPECT_EQ(red->text(), "60");
    QTest::keyClick(nudge, Qt::Key_4);
    EXPECT_EQ(red->text(), "59");
    QTest::keyClick(nudge, Qt::Key_5);
    EXPECT_EQ(red->text(), "59");
    EXPECT_EQ(nudge->text(), "5");

    QLineEdit *gray = box(QStringLiteral("txtGray"));
    QTest::keyClick(box(QStringLiteral("txtTemp3")), Qt::Key_7);
    EXPECT_EQ(gray->text(), "90");
    QTest::keyClick(box(QStringLiteral("txtTemp3")), Qt::Key_6);
    EXPECT_EQ(gray->text(), "91");
    // The digits stay in the box: they never switch tabs.
    EXPECT_TRUE(control(QStringLiteral("picIconMerge"))->isVisible());

    QLineEdit *blue = box(QStringLiteral("txtColorBalance_2"));
    blue->setText(QStringLiteral("x"));
    QTest::keyClick(box(QStringLiteral("txtTemp_2")), Qt::Key_6);
    EXPECT_EQ(blue->text(), "x");

    // The tiles, slots and outline choice pass their keys on: a digit shows its tab.
    QTest::keyClick(store(4), Qt::Key_3);
    EXPECT_FALSE(control(QStringLiteral("picIconMerge"))->isVisible());
    window->showTab(4);
    QTest::keyClick(control(QStringLiteral("cmbEdgeEffect")), Qt::Key_5);
    EXPECT_FALSE(control(QStringLiteral("picIconMerge"))->isVisible());
}

TEST_F(MergeTest, ConverterWritesBesideAndListsFailures)
{
    QDir().mkpath(folder.file(QStringLiteral("in")));
    QImage first = filled({100, 40}, 0xff102030);
    first.setPixel(99, 39, 0xffabcdef);
    const QImage second = filled({8, 8}, 0xff00ff00);
    const QString a = writePicture(QStringLiteral("in/Sword.png"), first);
    const QString b = writePicture(QStringLiteral("in/Shield.png"), second);
    folder.write(QStringLiteral("in/Broken.png"), "not a picture");
    const QString missing = folder.file(QStringLiteral("in/Missing.png"));

    {
        modal::Answerer dialogs;
        dropFiles(control(QStringLiteral("picConvertPNGtoBMP")), {a, folder.file(QStringLiteral("in/Broken.png")), missing, b});
        ASSERT_EQ(dialogs.seen.size(), 1);
        EXPECT_TRUE(dialogs.seen[0].text.contains("Broken.png"));
        EXPECT_TRUE(dialogs.seen[0].text.contains("Missing.png"));
        EXPECT_FALSE(dialogs.seen[0].text.contains("Sword"));
    }

    EXPECT_EQ(QImage(folder.file(QStringLiteral("in/Sword.bmp"))).convertToFormat(QImage::Format_RGB32), first);
    EXPECT_EQ(QImage(folder.file(QStringLiteral("in/Shield.bmp"))).convertToFormat(QImage::Format_RGB32), second);
    EXPECT_FALSE(QFile::exists(folder.file(QStringLiteral("in/Broken.bmp"))));
    EXPECT_FALSE(QFile::exists(folder.file(QStringLiteral("in/Missing.bmp"))));
    EXPECT_EQ(control(QStringLiteral("picConvertPNGtoBMP"))->size(), QSize(48, 16));
    EXPECT_EQ(pictureOf(control(QStringLiteral("picConvertPNGtoBMP"))), second);

    // A directory where the BMP should go: the write fails and is named.
    QDir().mkpath(folder.file(QStringLiteral("in/Blocked.bmp")));
    modal::Answerer again;
    dropFiles(control(QStringLiteral("picConvertPNGtoBMP")), {writePicture(QStringLiteral("in/Blocked.png"), second)});
    ASSERT_EQ(again.seen.size(), 1);
    EXPECT_TRUE(again.seen[0].text.contains("Blocked.bmp"));
}

TEST_F(MergeTest, IgnoringAreasAndBadDropsChangeNothing)
{
    const QString icon = writePicture(QStringLiteral("sword.png"), swordIcon());
    for (int i : {0, 33}) {
        dropFiles(backing(i), {icon});
        dropPicture(backing(i), swordIcon());
        EXPECT_EQ(pictureOf(backing(i)), filled({32, 32}, grey)) << i;
    }
    dropPicture(store(0), swordIcon());
    dropFiles(store(0), {icon});
    EXPECT_EQ(pictureOf(store(0)), filled({32, 32}, grey));
    EXPECT_TRUE(saved().isEmpty());

    // A missing file on a tile: the grey icon is laid over it and saved as usual.
    dropFiles(backing(20), {folder.file(QStringLiteral("missing.png"))});
    EXPECT_EQ(pictureOf(backing(33)), filled({32, 32}, grey));
    EXPECT_EQ(saved().size(), 1);
    dropFiles(control(QStringLiteral("picMask")), {folder.file(QStringLiteral("notes.txt"))});
    dropFiles(control(QStringLiteral("picColorBalance")), {folder.file(QStringLiteral("missing.jpg"))});
    EXPECT_EQ(pictureOf(control(QStringLiteral("picColorBalance"))), filled({32, 32}, grey));
}

TEST_F(MergeTest, MaskTextAcceptsWholeNumbersOnly)
{
    auto *mask = control<QComboBox>(QStringLiteral("cmbMask1"));
    QImage layer = filled({32, 32}, qRgb(7, 7, 7));
    layer.setPixel(1, 1, qRgb(9, 9, 9));
    const QImage base = filled({32, 32}, 0xff3366aa);
    dropPicture(store(3), base);
    mask->setCurrentText(QStringLiteral("7"));
    mask->setCurrentText(QStringLiteral("300"));
    mask->setCurrentText(QStringLiteral("seven"));
    dropPicture(store(3), layer, Qt::ShiftModifier);
    QImage want = base;
    want.setPixel(1, 1, qRgb(9, 9, 9));
    EXPECT_EQ(pictureOf(store(3)), want);
}

} // namespace
