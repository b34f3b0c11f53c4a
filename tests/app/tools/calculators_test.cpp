// The two calculators on the tools tab, driven as a user would: typing, the item spell boxes,
// the wiki code button and the level arrows.

#include "window.h"

namespace {

class Calculators : public WindowFixture {
protected:
    Calculators() : WindowFixture({}, 5) {}
    QLineEdit *box(const char *array, int i) const { return control<QLineEdit>(names::element(array, i)); }
    QString result(int i) const { return control<QLabel>(names::element("lblArmorValues", i))->text(); }
    QWidget *arrow(int i) const { return control(names::element("picChangeLevel", i)); }
};

TEST_F(Calculators, BuffedArmorFollowsTypingAndTheItemSpellBoxesAndGivesItsWikiCode)
{
    typeInto(box("txtArmorValues", 2), "160");
    QTest::mouseClick(control("chkBane_3"), Qt::LeftButton);
    EXPECT_EQ(QStringList({result(2), result(3)}), QStringList({"336", "840"}));
    box("txtArmorValues", 0)->setText("32700"); // an overflowing sum changes nothing, and gives no wiki code
    EXPECT_EQ(result(0), "420");
    clipboard()->setText("before");
    QTest::mouseClick(control("cmdWikiCodeBuffedArmor"), Qt::LeftButton);
    EXPECT_EQ(clipboard()->text(), "before");
    typeInto(box("txtArmorValues", 0), "220");
    QTest::mouseClick(control("cmdWikiCodeBuffedArmor"), Qt::LeftButton);
    EXPECT_TRUE(clipboard()->text().contains("\r\n |           Slashing = Average (160)\r\n"))
        << clipboard()->text().toStdString();
    // The whole box is selected when it takes the focus: typing replaces what it held.
    window->setFocus();
    QTest::mouseClick(box("txtArmorValues", 4), Qt::LeftButton, {}, QPoint(3, 5));
    EXPECT_TRUE(QTest::qWaitFor([this] { return box("txtArmorValues", 4)->selectedText() == "200"; }, 1000));
    QTest::keyClicks(box("txtArmorValues", 4), "100");
    EXPECT_EQ(result(4), "210");
}

TEST_F(Calculators, LevelXpFollowsTypingAndStepsWithTheArrows)
{
    typeInto(box("txtLevelXP", 0), "50");
    box("txtLevelXP", 1)->setText("1,234,567");
    EXPECT_EQ(QStringList({box("txtLevelXP", 1)->text(), box("txtLevelXP", 2)->text(), box("txtLevelXP", 3)->text()}),
        QStringList({"1234567", "4902151", "25.2%"}));
    // The arrows show their pressed picture while held and step on release (how far: LevelXp tests).
    const QImage resting = pictureOf(arrow(2));
    typeInto(box("txtLevelXP", 0), "274");
    QTest::mousePress(arrow(0), Qt::LeftButton);
    EXPECT_TRUE(pictureOf(arrow(0)) == pictureOf(arrow(4)) && box("txtLevelXP", 0)->text() == "274");
    QTest::mouseRelease(arrow(0), Qt::LeftButton);
    EXPECT_TRUE(pictureOf(arrow(0)) == resting && box("txtLevelXP", 0)->text() == "275");
    QTest::mouseClick(arrow(1), Qt::RightButton);
    EXPECT_EQ(QStringList({box("txtLevelXP", 0)->text(), box("txtLevelXP", 2)->text(), box("txtLevelXP", 3)->text()}),
        QStringList({"274", "3342189670", "<1%"}));
    // A level out of range shows no experience, and its tooltip tells the range.
    for (const auto &[level, xp, percent, tip] :
        {std::tuple{"276", "", "", "Levels run from 1 to 275"}, {"50", "4902151", "25.18%", "Level"}}) {
        typeInto(box("txtLevelXP", 0), level);
        const QLineEdit *levelBox = box("txtLevelXP", 0);
        EXPECT_EQ(QStringList({box("txtLevelXP", 2)->text(), box("txtLevelXP", 3)->text(), levelBox->toolTip()}),
            QStringList({xp, percent, tip})) << level;
    }
    control<QCheckBox>("chkToolTips")->setChecked(false); // switched off, it stays off
    typeInto(box("txtLevelXP", 0), "50");
    EXPECT_EQ(box("txtLevelXP", 0)->toolTip(), "");
}

} // namespace
