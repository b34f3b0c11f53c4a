// Tab "4 Merge": icons dropped on stock tiles and store slots, outlines, the mask, colour
// balance with its conformity figure, the nudge keys and the PNG to BMP converter.

#include "window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

namespace {

using testsupport::filled;

constexpr QRgb grey = 0xff404040, white = 0xffffffff;

// A white 32 x 32 icon with a blade of colours down its middle.
QImage swordIcon()
{
    QImage icon = filled({32, 32}, white);
    for (int y = 4; y < 28; ++y)
        for (int x = 12; x < 20; ++x)
            icon.setPixel(x, y, qRgb(x * 9, y * 7, 30));
    return icon;
}

// The icon's pixels that are not the key colour, over the base.
QImage laidOver(const QImage &icon, QImage base, QRgb key = white)
{
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            if (icon.pixel(x, y) != key)
                base.setPixel(x, y, icon.pixel(x, y));
    return base;
}

class MergeTest : public WindowFixture {
protected:
    MergeTest() : WindowFixture("[General]\r\nAutoName=True\r\n") {}
    void SetUp() override
    {
        WindowFixture::SetUp();
        showTab(4);
        ASSERT_TRUE(swordIcon().save(sword));
    }
    QWidget *tile(int i) const { return control(names::element("picBacking", i)); }
    QWidget *store(int i) const { return control(names::element("picStore", i)); }
    QLineEdit *box(const QString &name) const { return control<QLineEdit>(name); }
    void chooseEdgeEffect(const QString &entry)
    {
        auto *combo = control<QComboBox>("cmbEdgeEffect");
        combo->setCurrentIndex(combo->findText(entry));
        emit combo->activated(combo->currentIndex());
    }

    const QString sword = folder.file("sword.png");
};

TEST_F(MergeTest, ATileDropLaysTheIconOverACopyOfTheTileAndSavesIt)
{
    EXPECT_EQ(pictureOf(tile(0)), filled({32, 32}, grey)); // the working icon, then the result
    EXPECT_EQ(pictureOf(tile(34)), QImage(":/tiles/tile33.png").convertToFormat(QImage::Format_RGB32)); // 33 is the result
    const QImage stock = pictureOf(tile(12));
    dropFiles(tile(12), {sword, folder.file("ignored.png")});
    EXPECT_EQ(pictureOf(tile(33)), laidOver(swordIcon(), stock));
    EXPECT_EQ(pictureOf(tile(12)), stock);
    ASSERT_EQ(saved().size(), 1);
    EXPECT_EQ(savedImage(saved()[0]), laidOver(swordIcon(), stock));
    // Without Save File it is shown only; a bitmap brings no icon: the one there goes over.
    clearSaved();
    control<QCheckBox>("chkSaveFile")->setChecked(false);
    dropFiles(tile(40), {sword});
    EXPECT_EQ(pictureOf(tile(33)), laidOver(swordIcon(), pictureOf(tile(40))));
    dropPicture(tile(3), filled({32, 32}, 0xff00ff00));
    EXPECT_EQ(pictureOf(tile(33)), laidOver(swordIcon(), pictureOf(tile(3))));
    EXPECT_TRUE(saved().isEmpty());

    // Larger icons are cut, smaller ones filled with grey; a picture over the decoding limit
    // is refused and the working icon kept; every area keeps its size.
    QImage big = filled({64, 40}, 0xff0000ff);
    big.setPixel(0, 0, white);
    ASSERT_TRUE(big.save(folder.file("big.png")));
    dropFiles(tile(5), {folder.file("big.png")});
    EXPECT_EQ(pictureOf(tile(33)), laidOver(big.copy(0, 0, 32, 32), pictureOf(tile(5))));
    dropFiles(tile(5), {QStringLiteral(QUILLMARK_BOMB_FILE)});
    EXPECT_EQ(pictureOf(tile(0)), big.copy(0, 0, 32, 32));
    ASSERT_TRUE(filled({1, 1}, 0xff123456).save(folder.file("dot.png")));
    dropFiles(store(2), {folder.file("dot.png")});
    QImage dot = filled({32, 32}, grey);
    dot.setPixel(0, 0, 0xff123456);
    EXPECT_EQ(pictureOf(store(2)), dot);
    for (QWidget *area : {tile(0), tile(5), tile(33), store(2)})
        EXPECT_EQ(area->size(), QSize(32, 32));
}

TEST_F(MergeTest, SlotsTakeLayersUnderTheMaskWithShiftAndSaveOnADoubleClick)
{
    const QImage base = filled({32, 32}, 0xff3366aa);
    dropPicture(store(1), base);
    EXPECT_EQ(pictureOf(store(1)), base);
    QImage layer = filled({32, 32}, 0xff000000);
    layer.setPixel(3, 4, white);
    // The mask is typed: whole numbers only; with Shift its grey is see-through.
    auto *mask = control<QComboBox>("cmbMask1");
    for (const char *typed : {"7", "300", "seven", "0"})
        mask->setCurrentText(typed);
    dropPicture(store(1), layer, Qt::ShiftModifier);
    QImage expected = laidOver(layer, base, 0xff000000);
    EXPECT_EQ(pictureOf(store(1)), expected);
    EXPECT_EQ(pictureOf(tile(33)), expected);
    for (const Qt::KeyboardModifiers held : {Qt::KeyboardModifiers(Qt::ControlModifier), Qt::KeyboardModifiers(Qt::AltModifier),
                                             Qt::ShiftModifier | Qt::ControlModifier})
        dropPicture(store(1), filled({32, 32}, 0xff00ff00), held); // other modifiers change nothing
    EXPECT_EQ(pictureOf(store(1)), expected);
    dropFiles(store(1), {sword}); // files are laid over with white see-through, whatever the mask
    expected = laidOver(swordIcon(), expected);
    dropFiles(store(1), {folder.file("missing.png")}); // an unreadable file ends the action
    EXPECT_EQ(pictureOf(store(1)), expected);
    QTest::mouseDClick(store(1), Qt::LeftButton);
    ASSERT_EQ(saved().size(), 1);
    EXPECT_EQ(savedImage(saved()[0]), expected);

    // Areas that take no drops ignore them.
    for (QWidget *area : {tile(0), tile(33), store(0)}) {
        const QImage before = pictureOf(area);
        dropFiles(area, {sword});
        dropPicture(area, swordIcon());
        EXPECT_EQ(pictureOf(area), before) << area->objectName().toStdString();
    }
    EXPECT_EQ(saved().size(), 1);
}

TEST_F(MergeTest, TheSaveAsksForANameCopiesItAndReportsAFailedWrite)
{
    restart("[Icon]\r\nPrefix=Icon\r\n[General]\r\nAutoCopyFileName=True\r\n");
    showTab(4);
    {
        modal::Answerer dialogs({"Layered"});
        QTest::mouseDClick(store(0), Qt::LeftButton);
        ASSERT_EQ(dialogs.seen.size(), 1);
        EXPECT_EQ(dialogs.seen[0].title, "Name");
    }
    ASSERT_EQ(saved(), QStringList{"Icon Layered.png"});
    EXPECT_EQ(savedImage(saved()[0]), filled({32, 32}, grey));
    EXPECT_EQ(clipboard()->text(), "Layered");
    const QString missing = folder.file("gone");
    restart("[General]\r\nAutoName=True\r\n[Icon]\r\nUseDefaultSavePath=False\r\nCustomSavePath=" + missing.toUtf8() + "\r\n");
    showTab(4);
    modal::Answerer dialogs;
    QTest::mouseDClick(control("picColorBalanceResult"), Qt::LeftButton);
    ASSERT_EQ(dialogs.seen.size(), 1);
    EXPECT_TRUE(dialogs.seen[0].text.contains(missing)) << dialogs.seen[0].text.toStdString();
}

TEST_F(MergeTest, OutlineMaskColourBoxesConformityAndNudgeKeys)
{
    chooseEdgeEffect("Fire");
    control<QCheckBox>("chkSaveFile")->setChecked(false);
    QImage icon = filled({32, 32}, white);
    icon.setPixel(16, 16, 0xff000000);
    ASSERT_TRUE(icon.save(folder.file("dot.png")));
    dropFiles(tile(1), {folder.file("dot.png")});
    QImage expected = icon;
    for (const auto &[at, colour] : {std::pair{QPoint(15, 16), 0xfff66a1au}, {QPoint(17, 16), 0xfff66a1au}, {QPoint(16, 15), 0xffff7929u},
                                     {QPoint(16, 17), 0xffed5f0eu}})
        expected.setPixel(at, colour);
    EXPECT_EQ(pictureOf(tile(0)), expected);
    EXPECT_EQ(pictureOf(tile(33)), laidOver(expected, pictureOf(tile(1))));
    chooseEdgeEffect("None");
    dropFiles(tile(1), {folder.file("dot.png")});
    EXPECT_EQ(pictureOf(tile(0)), icon); // the next drop has no outline

    // The mask keeps what differs from the colour balance picture.
    QWidget *source = control("picColorBalance"), *result = control("picColorBalanceResult");
    const QImage background = filled({32, 32}, 0xff806040);
    dropPicture(source, background);
    QImage withIcon = background;
    withIcon.setPixel(5, 6, 0xff112233);
    ASSERT_TRUE(withIcon.save(folder.file("icon.bmp")));
    dropFiles(control("picMask"), {folder.file("icon.bmp")});
    EXPECT_EQ(pictureOf(result), laidOver(withIcon, filled({32, 32}, white), 0xff806040));

    // Each colour box recomputes the result and the conformity; a box that is no number
    // leaves both.
    dropPicture(source, filled({32, 32}, qRgb(255, 0, 0)));
    box("txtColorBalance_1")->setText("50");
    EXPECT_EQ(pictureOf(result), filled({32, 32}, qRgb(253, 0, 0)));
    EXPECT_EQ(box("txtConformity")->text(), "253"); // against the working icon's one black pixel
    for (const auto &[name, text] : {std::pair{"txtColorBalance_0", "abc"}, {"txtColorBalance_0", ""}, {"txtGray", "x"}})
        box(name)->setText(text);
    EXPECT_EQ(pictureOf(result), filled({32, 32}, qRgb(253, 0, 0)));
    EXPECT_EQ(box("txtConformity")->text(), "253");
    dropPicture(source, filled({32, 32}, qRgb(100, 150, 200)));
    box("txtGray")->setText("200");
    EXPECT_EQ(pictureOf(result), filled({32, 32}, qRgb(200, 255, 255)));
    ASSERT_TRUE(filled({32, 32}, white).save(folder.file("white.png")));
    dropFiles(tile(7), {folder.file("white.png")});
    box("txtGray")->setText("100");
    EXPECT_EQ(box("txtConformity")->text(), "n/a"); // an all-white working icon counts no pixel

    // The keypad keys in the nudge boxes step their partner box and never switch tabs.
    box("txtColorBalance_0")->setText("50");
    for (const auto &[key, value] : {std::pair{Qt::Key_9, "60"}, {Qt::Key_4, "59"}, {Qt::Key_5, "59"}}) {
        QTest::keyClick(box("txtTemp_0"), key);
        EXPECT_EQ(box("txtColorBalance_0")->text(), value);
    }
    QTest::keyClick(box("txtTemp3"), Qt::Key_7);
    EXPECT_EQ(box("txtGray")->text(), "90");
    box("txtColorBalance_2")->setText("x");
    QTest::keyClick(box("txtTemp_2"), Qt::Key_6);
    EXPECT_EQ(box("txtColorBalance_2")->text(), "x");
    EXPECT_EQ(window->currentTab(), 4);
}

TEST_F(MergeTest, TheConverterWritesBmpsBesideThePngsAndListsWhatFailed)
{
    QDir(folder.path()).mkpath("in/Blocked.bmp");
    QImage first = filled({100, 40}, 0xff102030);
    first.setPixel(99, 39, 0xffabcdef);
    ASSERT_TRUE(first.save(folder.file("in/Sword.png")));
    ASSERT_TRUE(filled({8, 8}, 0xff00ff00).save(folder.file("in/Shield.png")));
    ASSERT_TRUE(filled({8, 8}, 0xff00ff00).save(folder.file("in/Blocked.png")));
    folder.write("in/Broken.png", "not a picture");
    modal::Answerer dialogs;
    QWidget *converter = control("picConvertPNGtoBMP");
    dropFiles(converter, {folder.file("in/Sword.png"), folder.file("in/Broken.png"), folder.file("in/Missing.png"),
                          folder.file("in/Blocked.png"), folder.file("in/Shield.png")});
    ASSERT_EQ(dialogs.seen.size(), 1);
    for (const char *failed : {"Broken.png", "Missing.png", "Blocked.bmp"})
        EXPECT_TRUE(dialogs.seen[0].text.contains(failed)) << failed;
    EXPECT_FALSE(dialogs.seen[0].text.contains("Sword"));
    EXPECT_EQ(QImage(folder.file("in/Sword.bmp")).convertToFormat(QImage::Format_RGB32), first);
    EXPECT_EQ(QImage(folder.file("in/Shield.bmp")).convertToFormat(QImage::Format_RGB32), filled({8, 8}, 0xff00ff00));
    EXPECT_EQ(testsupport::entriesOf(folder.file("in")).size(), 7);
    EXPECT_EQ(converter->size(), QSize(48, 16));
    EXPECT_EQ(pictureOf(converter), filled({8, 8}, 0xff00ff00)); // the last one read
}

} // namespace
