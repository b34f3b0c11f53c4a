// The two calculators on the tools tab, driven as a user would: typing, pasting, the item
// spell boxes, the wiki code button and the level arrows.

#include "window.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

namespace {

class Calculators : public WindowFixture {
protected:
    void SetUp() override
    {
        WindowFixture::SetUp();
        showTab(5);
    }
    QLineEdit *armor(int i) const { return control<QLineEdit>(names::element("txtArmorValues", i)); }
    QString result(int i) const { return control<QLabel>(names::element("lblArmorValues", i))->text(); }
    QWidget *bane(int i) const { return control(names::element("chkBane", i)); }
    QLineEdit *xp(int i) const { return control<QLineEdit>(names::element("txtLevelXP", i)); }
    QWidget *arrow(int i) const { return control(names::element("picChangeLevel", i)); }
    // Replaces a box's text at once, as a paste does (typing passes through prefixes).
    void paste(QLineEdit *box, const QString &text)
    {
        box->setFocus();
        box->selectAll();
        clipboard()->setText(text);
        box->paste();
    }
    QString wikiCode()
    {
        clipboard()->setText("before");
        QTest::mouseClick(control("cmdWikiCodeBuffedArmor"), Qt::LeftButton);
        return clipboard()->text();
    }
};

TEST_F(Calculators, BuffedArmorFollowsTypingPastingAndTheItemSpellBoxes)
{
    QStringList all;
    for (const int i : {0, 2, 3, 4, 5, 6, 7, 8})
        all.append(result(i));
    EXPECT_EQ(all, QStringList(8, "420"));
    typeInto(armor(2), "160");
    EXPECT_EQ(result(2), "336");
    QTest::mouseClick(bane(2), Qt::LeftButton);
    EXPECT_EQ(result(2), "840");
    QTest::mouseClick(bane(2), Qt::LeftButton);
    EXPECT_EQ(result(2), "336");
    // The spell changes the level and every row; an empty row stops it there.
    typeInto(armor(6), "");
    typeInto(armor(0), "100");
    EXPECT_EQ(QStringList({result(0), result(2), result(5), result(6), result(7)}),
        QStringList({"300", "240", "300", "420", "420"}));
    typeInto(armor(6), "100");
    EXPECT_EQ(result(6), "150");
    const QString level = result(0);
    for (const char *bad : {"abc", "32768", "-40000", "32700", "1,5", ""}) {
        paste(armor(0), bad);
        EXPECT_EQ(result(0), level) << bad;
    }
    // The whole box is selected when it takes the focus: typing replaces what it held.
    paste(armor(0), "220");
    window->setFocus();
    QTest::mouseClick(armor(3), Qt::LeftButton, {}, QPoint(3, armor(3)->height() / 2));
    EXPECT_TRUE(QTest::qWaitFor([this] { return armor(3)->selectedText() == "200"; }, 1000));
    QTest::keyClicks(armor(3), "100");
    EXPECT_EQ(result(3), "210");
    // A level box is a plain text box: the digit lands where the cursor is.
    window->setFocus();
    xp(0)->setText("12");
    QTest::mouseClick(xp(0), Qt::LeftButton, {}, QPoint(xp(0)->width() - 3, xp(0)->height() / 2));
    QTest::qWait(20);
    EXPECT_TRUE(xp(0)->selectedText().isEmpty());
    xp(0)->setCursorPosition(1);
    QTest::keyClick(xp(0), '5');
    EXPECT_EQ(xp(0)->text(), "152");
}

TEST_F(Calculators, WikiCodeGoesToTheClipboardOnlyWhenEveryBoxReads)
{
    typeInto(armor(4), "-3");
    typeInto(armor(7), "400");
    const QStringList lines = wikiCode().split("\r\n");
    ASSERT_EQ(lines.size(), 17);
    EXPECT_EQ(QStringList({lines[0], lines[3], lines[6], lines[12], lines[15]}),
        QStringList({" |        Armor Level = 200", " |        Bludgeoning =  (-3)",
            " |               Acid = Unparalleled (400)", " | Buffed Bludgeon AL = -6",
            " |     Buffed Acid AL = 840"}));
    typeInto(armor(1), "0");
    EXPECT_EQ(wikiCode(), "before");
    typeInto(armor(1), "200");
    typeInto(armor(3), "x");
    EXPECT_EQ(wikiCode(), "before");
}

TEST_F(Calculators, LevelXpFollowsTypingTakesCommasOutAndStepsWithTheArrows)
{
    EXPECT_EQ(QStringList({xp(0)->text(), xp(1)->text(), xp(2)->text(), xp(3)->text()}),
        QStringList({"200", "291492370", "971641234", "30%"}));
    typeInto(xp(0), "50");
    EXPECT_EQ(xp(2)->text(), "4902151");
    typeInto(xp(1), "1,500,000");
    EXPECT_EQ(QStringList({xp(1)->text(), xp(3)->text()}), QStringList({"1500000", "30.6%"}));
    paste(xp(1), "1,234,567");
    EXPECT_EQ(QStringList({xp(1)->text(), xp(3)->text()}), QStringList({"1234567", "25.2%"}));
    QTest::mouseClick(arrow(0), Qt::LeftButton);
    QTest::mouseClick(arrow(1), Qt::LeftButton);
    EXPECT_EQ(
        QStringList({xp(0)->text(), xp(3)->text()}), QStringList({"50", "25.18%"})); // a level change: four places
    typeInto(xp(0), "1");
    EXPECT_EQ(QStringList({xp(2)->text(), xp(3)->text()}), QStringList({"0", "25.18%"}));
    for (const char *bad : {"0", "276", "abc", "", "99999"}) {
        paste(xp(0), bad);
        EXPECT_EQ(xp(2)->text(), "0") << bad;
    }
    typeInto(xp(0), "200");
    typeInto(xp(1), "lots");
    EXPECT_EQ(QStringList({xp(2)->text(), xp(3)->text()}), QStringList({"971641234", "<1%"}));

    // The arrows show their pressed picture while held and step within 1 to 275 on release.
    const QImage restUp = pictureOf(arrow(2)), restDown = pictureOf(arrow(3));
    EXPECT_EQ(QList<QImage>({pictureOf(arrow(0)), pictureOf(arrow(1))}), QList<QImage>({restUp, restDown}));
    QTest::mousePress(arrow(0), Qt::LeftButton);
    EXPECT_EQ(pictureOf(arrow(0)), pictureOf(arrow(4)));
    EXPECT_EQ(xp(0)->text(), "200");
    QTest::mouseRelease(arrow(0), Qt::LeftButton);
    EXPECT_EQ(pictureOf(arrow(0)), restUp);
    EXPECT_EQ(QStringList({xp(0)->text(), xp(2)->text()}), QStringList({"201", "990786183"}));
    QTest::mousePress(arrow(1), Qt::RightButton);
    EXPECT_EQ(pictureOf(arrow(1)), pictureOf(arrow(5)));
    QTest::mouseRelease(arrow(1), Qt::RightButton);
    EXPECT_EQ(pictureOf(arrow(1)), restDown);
    EXPECT_EQ(xp(0)->text(), "200");
    for (const auto &[typed, arrowIndex, stepped] :
        {std::tuple{"275", 0, "275"}, {"275", 1, "274"}, {"1", 1, "1"}, {"1", 0, "2"}, {"x", 0, "x"}}) {
        typeInto(xp(0), typed);
        QTest::mouseClick(arrow(arrowIndex), Qt::LeftButton);
        EXPECT_EQ(xp(0)->text(), stepped) << typed;
    }
    for (int a = 2; a < 6; ++a)
        for (int b = a + 1; b < 6; ++b)
            EXPECT_NE(pictureOf(arrow(a)), pictureOf(arrow(b))) << a << " " << b;
}

} // namespace
