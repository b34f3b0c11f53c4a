// Tab "4 Merge": icons dropped on stock tiles and store slots, the outline and mask choices,
// the colour boxes, the nudge keys and the PNG to BMP converter.

#include "compose/compose.h"
#include "window.h"

#include <QSet>

namespace {

using testsupport::filled;

constexpr QRgb white = 0xffffffff;

// The icon's pixels that are not the key colour, over the base (the rule: ComposeRule tests).
QImage laidOver(const QImage &icon, QImage base, QRgb key = white)
{
    compose::composeOnto(icon, base, key);
    return base;
}

class MergeTest : public WindowFixture {
protected:
    MergeTest() : WindowFixture("[General]\r\nAutoName=True\r\n", 4)
    {
        sword.setPixel(16, 16, qRgb(200, 30, 30));
        sword.setPixel(16, 17, qRgb(30, 200, 30));
    }
    QWidget *tile(int i) const { return control(names::element("picBacking", i)); }
    QWidget *store(int i) const { return control(names::element("picStore", i)); }
    QLineEdit *box(const QString &name) const { return control<QLineEdit>(name); }
    QString file(const QString &name, const QImage &picture) const
    {
        EXPECT_TRUE(picture.save(folder.file(name)));
        return folder.file(name);
    }
    QImage sword = filled({32, 32}, white);
};

TEST_F(MergeTest, DropsOnTilesAndSlotsLayTheIconOverAndSaveIt)
{
    const QImage stock = pictureOf(tile(12));
    dropFiles(tile(12), {file("sword.png", sword), folder.file("ignored.png")});
    EXPECT_EQ(pictureOf(tile(33)), laidOver(sword, stock));
    EXPECT_EQ(pictureOf(tile(12)), stock);
    ASSERT_EQ(saved().size(), 1);
    EXPECT_EQ(savedImage(saved()[0]), laidOver(sword, stock));
    control<QCheckBox>("chkSaveFile")->setChecked(false); // shown only; a bitmap brings no icon
    dropPicture(tile(3), filled({32, 32}, 0xff00ff00));
    EXPECT_EQ(pictureOf(tile(33)), laidOver(sword, pictureOf(tile(3))));
    dropFiles(tile(5), {QStringLiteral(QUILLMARK_BOMB_FILE)}); // over the decoding limit: refused
    EXPECT_EQ(pictureOf(tile(0)), sword);
    for (QWidget *area : {tile(0), tile(33), store(0)}) { // areas that take no drops
        const QImage before = pictureOf(area);
        dropFiles(area, {folder.file("sword.png")});
        dropPicture(area, sword);
        EXPECT_EQ(pictureOf(area), before) << area->objectName().toStdString();
    }
    // A slot takes bitmaps as layers, the mask colour see-through with Shift alone (the mask
    // is typed: whole numbers to 255), and files with white see-through.
    const QImage base = filled({32, 32}, 0xff3366aa);
    dropPicture(store(1), base);
    QImage layer = filled({32, 32}, qRgb(7, 7, 7));
    layer.setPixel(3, 4, white);
    for (const char *typed : {"0", "7", "300", "seven"})
        control<QComboBox>("cmbMask1")->setCurrentText(typed);
    dropPicture(store(1), layer, Qt::ShiftModifier);
    dropPicture(store(1), base, Qt::ShiftModifier | Qt::ControlModifier);
    dropFiles(store(1), {folder.file("sword.png")});
    dropFiles(store(1), {folder.file("missing.png")}); // an unreadable file ends the action
    const QImage layered = laidOver(sword, laidOver(layer, base, qRgb(7, 7, 7)));
    EXPECT_EQ(pictureOf(store(1)), layered);
    clearSaved();
    QTest::mouseDClick(store(1), Qt::LeftButton);
    ASSERT_EQ(saved().size(), 1);
    EXPECT_EQ(savedImage(saved()[0]), layered);
}

TEST_F(MergeTest, TheOutlineMaskAndColourBoxesWorkOnWhatWasDropped)
{
    auto *edge = control<QComboBox>("cmbEdgeEffect");
    QSet<int> listed; // every effect listed once
    for (int i = 0; i < edge->count(); ++i)
        listed.insert(compose::edgeEffectFor(edge->itemData(i).toString()).value_or(-1));
    EXPECT_EQ(listed, QSet<int>({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    edge->setCurrentIndex(edge->findText("Fire"));
    emit edge->activated(edge->currentIndex());
    control<QCheckBox>("chkSaveFile")->setChecked(false);
    dropFiles(tile(1), {file("sword.png", sword)});
    const int fire = compose::edgeEffectFor("Fire").value_or(-1); // which pixels it marks: the Outline tests
    EXPECT_EQ(pictureOf(tile(0)).pixel(15, 16), compose::textureColour(fire, 16));
    QWidget *source = control("picColorBalance"), *result = control("picColorBalanceResult");
    QImage withIcon = filled({32, 32}, 0xff806040);
    dropPicture(source, withIcon);
    withIcon.setPixel(5, 6, 0xff112233);
    dropFiles(control("picMask"), {file("icon.bmp", withIcon)});
    EXPECT_EQ(pictureOf(result), laidOver(withIcon, filled({32, 32}, white), 0xff806040));
    // Each colour box recomputes the result and the conformity; a box that is no number
    // leaves both. The keypad keys in a nudge box step its partner, never switching tabs.
    dropPicture(source, filled({32, 32}, qRgb(255, 0, 0)));
    box("txtColorBalance_1")->setText("50");
    box("txtColorBalance_0")->setText("abc");
    EXPECT_EQ(pictureOf(result), filled({32, 32}, qRgb(253, 0, 0)));
    EXPECT_EQ(box("txtConformity")->text(),
        compose::conformityText(compose::conformity(pictureOf(tile(0)), pictureOf(result))));
    box("txtColorBalance_0")->setText("50");
    QTest::keyClick(box("txtTemp_0"), Qt::Key_9);
    EXPECT_EQ(box("txtColorBalance_0")->text(), "60");
    QTest::keyClick(box("txtTemp3"), Qt::Key_7);
    EXPECT_EQ(box("txtGray")->text(), "90");
    EXPECT_EQ(window->currentTab(), 4);
}

TEST_F(MergeTest, TheConverterWritesBmpsBesideThePngsAndListsWhatFailed)
{
    QDir(folder.path()).mkpath("in/Blocked.bmp");
    const QImage first = testsupport::noise(100, 40), green = filled({8, 8}, 0xff00ff00);
    folder.write("in/Broken.png", "not a picture");
    modal::Answerer dialogs;
    QWidget *converter = control("picConvertPNGtoBMP");
    dropFiles(converter,
        {file("in/Sword.png", first), folder.file("in/Broken.png"), folder.file("in/Missing.png"),
            file("in/Blocked.png", green), file("in/Shield.png", green)});
    ASSERT_EQ(dialogs.seen.size(), 1);
    for (const char *failed : {"Broken.png", "Missing.png", "Blocked.bmp"})
        EXPECT_TRUE(dialogs.seen[0].text.contains(failed)) << failed;
    EXPECT_FALSE(dialogs.seen[0].text.contains("Sword"));
    EXPECT_EQ(QImage(folder.file("in/Sword.bmp")).convertToFormat(QImage::Format_RGB32), first);
    EXPECT_EQ(testsupport::entriesOf(folder.file("in")).size(), 7);
    EXPECT_EQ(pictureOf(converter), green); // the last one read
}

} // namespace
