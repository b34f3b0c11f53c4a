// The two calculators on the tools tab, driven as a user would: typing, pasting, the item
// spell boxes, the wiki code button and the level arrows.

#include "window.h"

namespace {

class Calculators : public WindowFixture {
protected:
    Calculators() : WindowFixture({}, 5) {}
    QLineEdit *box(const char *array, int i) const { return control<QLineEdit>(names::element(array, i)); }
    QString result(int i) const { return control<QLabel>(names::element("lblArmorValues", i))->text(); }
    QWidget *arrow(int i) const { return control(names::element("picChangeLevel", i)); }
    void paste(QLineEdit *into, const QString &text) // at once, as a paste does: typing passes through prefixes
    {
        into->setFocus();
        into->selectAll();
        clipboard()->setText(text);
        into->paste();
    }
};

TEST_F(Calculators, BuffedArmorFollowsTypingPastingTheItemSpellBoxesAndGivesItsWikiCode)
{
    typeInto(box("txtArmorValues", 2), "160");
    EXPECT_EQ(result(2), "336");
    QTest::mouseClick(control("chkBane_2"), Qt::LeftButton);
    EXPECT_EQ(result(2), "840");
    typeInto(box("txtArmorValues", 0), "100"); // the spell changes the level and every row
    EXPECT_EQ(QStringList({result(0), result(2), result(3)}), QStringList({"300", "600", "300"}));
    paste(box("txtArmorValues", 0), "32700"); // an overflowing sum changes nothing
    EXPECT_EQ(result(0), "300");
    clipboard()->setText("before");
    QTest::mouseClick(control("cmdWikiCodeBuffedArmor"), Qt::LeftButton);
    EXPECT_EQ(clipboard()->text(), "before"); // a box that does not read: no wiki code
    paste(box("txtArmorValues", 0), "220");
    QTest::mouseClick(control("cmdWikiCodeBuffedArmor"), Qt::LeftButton);
    const QStringList lines = clipboard()->text().split("\r\n");
    ASSERT_EQ(lines.size(), 17);
    EXPECT_EQ(QStringList({lines[1], lines[10]}),
        QStringList({" |           Slashing = Average (160)", " | Buffed Slashing AL = 840"}));
    // The whole box is selected when it takes the focus: typing replaces what it held.
    window->setFocus();
    QTest::mouseClick(box("txtArmorValues", 3), Qt::LeftButton, {}, QPoint(3, 5));
    EXPECT_TRUE(QTest::qWaitFor([this] { return box("txtArmorValues", 3)->selectedText() == "200"; }, 1000));
    QTest::keyClicks(box("txtArmorValues", 3), "100");
    EXPECT_EQ(result(3), "210");
}

TEST_F(Calculators, LevelXpFollowsTypingTakesCommasOutAndStepsWithTheArrows)
{
    typeInto(box("txtLevelXP", 0), "50");
    EXPECT_EQ(box("txtLevelXP", 2)->text(), "4902151");
    paste(box("txtLevelXP", 1), "1,234,567");
    EXPECT_EQ(
        QStringList({box("txtLevelXP", 1)->text(), box("txtLevelXP", 3)->text()}), QStringList({"1234567", "25.2%"}));
    // A level box is a plain text box: the digit lands where the cursor is.
    box("txtLevelXP", 0)->setCursorPosition(1);
    QTest::keyClick(box("txtLevelXP", 0), '1');
    EXPECT_EQ(box("txtLevelXP", 0)->text(), "510");
    EXPECT_EQ(box("txtLevelXP", 2)->text(), "4902151"); // no such level: nothing written
    // The arrows show their pressed picture while held and step within 1 to 275 on release.
    const QImage restUp = pictureOf(arrow(2)), restDown = pictureOf(arrow(3));
    typeInto(box("txtLevelXP", 0), "274");
    QTest::mousePress(arrow(0), Qt::LeftButton);
    EXPECT_TRUE(pictureOf(arrow(0)) == pictureOf(arrow(4)) && box("txtLevelXP", 0)->text() == "274");
    QTest::mouseRelease(arrow(0), Qt::LeftButton);
    EXPECT_TRUE(pictureOf(arrow(0)) == restUp && box("txtLevelXP", 0)->text() == "275");
    QTest::mouseClick(arrow(0), Qt::LeftButton);
    EXPECT_EQ(box("txtLevelXP", 0)->text(), "275");
    QTest::mousePress(arrow(1), Qt::RightButton);
    EXPECT_EQ(pictureOf(arrow(1)), pictureOf(arrow(5)));
    QTest::mouseRelease(arrow(1), Qt::RightButton);
    EXPECT_TRUE(pictureOf(arrow(1)) == restDown && box("txtLevelXP", 0)->text() == "274");
    EXPECT_EQ(
        QStringList({box("txtLevelXP", 2)->text(), box("txtLevelXP", 3)->text()}), QStringList({"3342189670", "<1%"}));
}

} // namespace
