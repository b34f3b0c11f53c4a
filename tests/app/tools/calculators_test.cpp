// The two calculators on the tools tab, driven as a user would: typing, clicking the item
// spell boxes, the wiki code button and the level arrows.

#include "windowfixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <ostream>

static void PrintTo(const QString &text, std::ostream *out) { *out << '"' << text.toStdString() << '"'; }

namespace {

QClipboard *clipboard() { return QGuiApplication::clipboard(); }

class Calculators : public WindowFixture {
protected:
    void SetUp() override
    {
        WindowFixture::SetUp();
        window->showTab(5);
    }

    QLineEdit *armorBox(int i) const { return control<QLineEdit>(QStringLiteral("txtArmorValues_%1").arg(i)); }
    QString armorResult(int i) const { return control<QLabel>(QStringLiteral("lblArmorValues_%1").arg(i))->text(); }
    QCheckBox *bane(int i) const { return control<QCheckBox>(QStringLiteral("chkBane_%1").arg(i)); }
    QLineEdit *xpBox(int i) const { return control<QLineEdit>(QStringLiteral("txtLevelXP_%1").arg(i)); }
    QWidget *arrow(int i) const { return control(QStringLiteral("picChangeLevel_%1").arg(i)); }
    QImage picture(QWidget *w) const { return w->property("picture").value<QImage>(); }

    // Replaces a box's text by typing, as a user who selected it all would.
    void type(QLineEdit *box, const QString &text)
    {
        box->setFocus();
        box->selectAll();
        if (text.isEmpty())
            QTest::keyClick(box, Qt::Key_Delete);
        else
            QTest::keyClicks(box, text);
    }

    // Replaces a box's text at once, as a paste does (typing would pass through prefixes).
    void paste(QLineEdit *box, const QString &text)
    {
        box->setFocus();
        box->selectAll();
        clipboard()->setText(text);
        box->paste();
    }

    QString wikiCode()
    {
        clipboard()->setText(QStringLiteral("before"));
        QTest::mouseClick(control<QPushButton>(QStringLiteral("cmdWikiCodeBuffedArmor")), Qt::LeftButton);
        return clipboard()->text();
    }
};

TEST_F(Calculators, BuffedArmorStartsWithItsTextsTooltipsAndColours)
{
    auto *frame = control<QGroupBox>(QStringLiteral("fraBuffedArmor"));
    EXPECT_EQ(frame->title(), "Buffed Armor");
    EXPECT_TRUE(frame->isVisible());
    const char *tooltips[] = {"AL Spell Value", "Base Armor Level", "Slashing", "Piercing", "Bludgeoning",
                              "Fire",           "Cold",             "Acid",     "Lightning"};
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(armorBox(i)->text(), i == 0 ? "220" : "200") << i;
        EXPECT_EQ(armorBox(i)->toolTip(), tooltips[i]);
        EXPECT_TRUE(frame->isAncestorOf(armorBox(i)));
        if (i == 1) {
            EXPECT_EQ(window->findChild<QLabel *>("lblArmorValues_1"), nullptr);
            continue;
        }
        EXPECT_EQ(armorResult(i), "420") << i;
        EXPECT_EQ(control<QLabel>(QStringLiteral("lblArmorValues_%1").arg(i))->toolTip(), "Buffed Value");
        if (i >= 2) {
            EXPECT_EQ(bane(i)->text(), "");
            EXPECT_EQ(bane(i)->toolTip(), "Item Spell");
            EXPECT_FALSE(bane(i)->isChecked());
        }
    }
    const QColor colours[] = {{255, 0, 0}, {0, 0, 255}, {0, 192, 0}, {192, 0, 192}};
    for (int row = 5; row <= 8; ++row) {
        EXPECT_EQ(armorBox(row)->palette().color(QPalette::Text), colours[row - 5]) << row;
        EXPECT_EQ(control<QLabel>(QStringLiteral("lblArmorValues_%1").arg(row))->palette().color(QPalette::WindowText),
                  colours[row - 5]);
    }
    auto *wiki = control<QPushButton>(QStringLiteral("cmdWikiCodeBuffedArmor"));
    EXPECT_EQ(wiki->text(), "Wiki Code");
    EXPECT_EQ(wiki->toolTip(), "Format the values entered above into template format.");
    EXPECT_GE(wiki->geometry().top(), armorBox(4)->geometry().bottom()); // below the rows
}

TEST_F(Calculators, BuffedArmorRecomputesWhileTypingAndOnItemSpellClicks)
{
    type(armorBox(2), "160");
    EXPECT_EQ(armorResult(2), "336");
    EXPECT_EQ(armorResult(3), "420");

    QTest::mouseClick(bane(2), Qt::LeftButton);
    EXPECT_TRUE(bane(2)->isChecked());
    EXPECT_EQ(armorResult(2), "840");
    QTest::mouseClick(bane(2), Qt::LeftButton);
    EXPECT_EQ(armorResult(2), "336");

    // The spell changes the level and every row; an empty row stops it there.
    type(armorBox(6), "");
    type(armorBox(0), "100");
    EXPECT_EQ(armorResult(0), "300");
    EXPECT_EQ(armorResult(2), "240");
    EXPECT_EQ(armorResult(5), "300");
    EXPECT_EQ(armorResult(6), "420");
    EXPECT_EQ(armorResult(7), "420");
    type(armorBox(6), "100");
    EXPECT_EQ(armorResult(6), "150");
    EXPECT_EQ(armorResult(7), "420");

    // Base 0 keeps rows without an item spell, and item spells still double.
    QTest::mouseClick(bane(8), Qt::LeftButton);
    type(armorBox(1), "0");
    EXPECT_EQ(armorResult(0), "100");
    EXPECT_EQ(armorResult(2), "240");
    QTest::mouseClick(bane(8), Qt::LeftButton);
    QTest::mouseClick(bane(8), Qt::LeftButton);
    EXPECT_EQ(armorResult(8), "200");

    // Text, numbers outside 16 bits and overflowing sums change nothing.
    type(armorBox(1), "200");
    const QString level = armorResult(0);
    for (const char *bad : {"abc", "32768", "-40000", "32700", "1,5", ""}) {
        paste(armorBox(0), bad);
        EXPECT_EQ(armorResult(0), level) << bad;
    }
}

TEST_F(Calculators, WikiCodePutsTheTemplateLinesOnTheClipboard)
{
    EXPECT_EQ(wikiCode(), " |        Armor Level = 200\r\n"
                          " |           Slashing = Average (200)\r\n"
                          " |           Piercing = Average (200)\r\n"
                          " |        Bludgeoning = Average (200)\r\n"
                          " |               Fire = Average (200)\r\n"
                          " |               Cold = Average (200)\r\n"
                          " |               Acid = Average (200)\r\n"
                          " |           Electric = Average (200)\r\n"
                          "\r\n"
                          " | Buffed Armor Level = 420\r\n"
                          " | Buffed Slashing AL = 420\r\n"
                          " | Buffed Piercing AL = 420\r\n"
                          " | Buffed Bludgeon AL = 420\r\n"
                          " |     Buffed Fire AL = 420\r\n"
                          " |     Buffed Cold AL = 420\r\n"
                          " |     Buffed Acid AL = 420\r\n"
                          " | Buffed Electric AL = 420");

    type(armorBox(4), "-3");
    type(armorBox(7), "400");
    const QStringList lines = wikiCode().split("\r\n");
    ASSERT_EQ(lines.size(), 17);
    EXPECT_EQ(lines[3], " |        Bludgeoning =  (-3)");
    EXPECT_EQ(lines[6], " |               Acid = Unparalleled (400)");
    EXPECT_EQ(lines[12], " | Buffed Bludgeon AL = -6");
    EXPECT_EQ(lines[15], " |     Buffed Acid AL = 840");

    // Base 0 or an unreadable box leaves the clipboard alone.
    type(armorBox(1), "0");
    EXPECT_EQ(wikiCode(), "before");
    type(armorBox(1), "200");
    type(armorBox(3), "x");
    EXPECT_EQ(wikiCode(), "before");
}

TEST_F(Calculators, FocusSelectsTheWholeArmorBoxOnly)
{
    for (QLineEdit *box : {armorBox(0), armorBox(5)}) {
        window->setFocus();
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(3, box->height() / 2));
        EXPECT_TRUE(QTest::qWaitFor([box] { return box->selectedText() == box->text(); }, 1000))
            << box->objectName().toStdString() << " selected " << box->selectedText().toStdString();
        EXPECT_FALSE(box->text().isEmpty());
    }
    // Typing then replaces what the box held.
    window->setFocus();
    armorBox(2)->setFocus();
    EXPECT_TRUE(QTest::qWaitFor([this] { return armorBox(2)->selectedText() == "200"; }, 1000));
    QTest::keyClicks(armorBox(2), "100");
    EXPECT_EQ(armorBox(2)->text(), "100");
    EXPECT_EQ(armorResult(2), "210");

    // A level box is a plain text box: the digit lands where the cursor is.
    QLineEdit *level = xpBox(0);
    window->setFocus();
    level->setText("12");
    QTest::mouseClick(level, Qt::LeftButton, {}, QPoint(level->width() - 3, level->height() / 2));
    QTest::qWait(20);
    EXPECT_TRUE(level->selectedText().isEmpty());
    level->setCursorPosition(1);
    QTest::keyClick(level, '5');
    EXPECT_EQ(level->text(), "152");
}

TEST_F(Calculators, LevelXpStartsWithItsTexts)
{
    auto *frame = control<QGroupBox>(QStringLiteral("Frame1"));
    EXPECT_EQ(frame->title(), "Level XP");
    EXPECT_TRUE(frame->isVisible());
    EXPECT_EQ(control<QLabel>(QStringLiteral("Label1"))->text(), "LVL");
    const char *texts[] = {"200", "291492370", "971641234", "30%"};
    const char *tooltips[] = {"Level", "XP Reward", "Level XP", "Percent of Level"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(xpBox(i)->text(), texts[i]);
        EXPECT_EQ(xpBox(i)->toolTip(), tooltips[i]);
    }
    EXPECT_EQ(arrow(0)->toolTip(), "Increase Level");
    EXPECT_EQ(arrow(1)->toolTip(), "Decrease Level");
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(picture(arrow(i)).size(), QSize(15, 15)) << i;
        EXPECT_EQ(arrow(i)->isVisible(), i < 2) << i;
    }
    // Four different pictures; the arrows show the resting ones.
    EXPECT_EQ(picture(arrow(0)), picture(arrow(2)));
    EXPECT_EQ(picture(arrow(1)), picture(arrow(3)));
    for (int a = 2; a < 6; ++a)
        for (int b = a + 1; b < 6; ++b)
            EXPECT_NE(picture(arrow(a)), picture(arrow(b))) << a << " " << b;
}

TEST_F(Calculators, LevelXpRecomputesWhileTypingAndTakesCommasOut)
{
    type(xpBox(0), "50");
    EXPECT_EQ(xpBox(2)->text(), "4902151");
    type(xpBox(1), "1,500,000");
    EXPECT_EQ(xpBox(1)->text(), "1500000");
    EXPECT_EQ(xpBox(3)->text(), "30.6%");

    // A pasted reward with commas, then the level stepped away and back: 4 places.
    paste(xpBox(1), QStringLiteral("1,234,567"));
    EXPECT_EQ(xpBox(1)->text(), "1234567");
    EXPECT_EQ(xpBox(3)->text(), "25.2%");
    QTest::mouseClick(arrow(0), Qt::LeftButton);
    EXPECT_EQ(xpBox(0)->text(), "51");
    QTest::mouseClick(arrow(1), Qt::LeftButton);
    EXPECT_EQ(xpBox(0)->text(), "50");
    EXPECT_EQ(xpBox(3)->text(), "25.18%");

    type(xpBox(1), "99999999");
    EXPECT_EQ(xpBox(3)->text(), ">100%");
    type(xpBox(1), "100");
    EXPECT_EQ(xpBox(3)->text(), "<1%");

    // Level 1 has no experience to divide by; 0, 276 and text touch neither box.
    type(xpBox(0), "1");
    EXPECT_EQ(xpBox(2)->text(), "0");
    EXPECT_EQ(xpBox(3)->text(), "<1%");
    for (const char *bad : {"0", "276", "abc", "", "99999"}) {
        paste(xpBox(0), bad);
        EXPECT_EQ(xpBox(2)->text(), "0") << bad;
        EXPECT_EQ(xpBox(3)->text(), "<1%") << bad;
    }
    // A reward that is no number fills the level's experience only.
    type(xpBox(0), "200");
    type(xpBox(1), "lots");
    EXPECT_EQ(xpBox(2)->text(), "971641234");
    EXPECT_EQ(xpBox(3)->text(), "<1%");
}

TEST_F(Calculators, ArrowsStepTheLevelWithinItsRangeShowingThePressedPicture)
{
    const QImage restUp = picture(arrow(2)), restDown = picture(arrow(3));
    QTest::mousePress(arrow(0), Qt::LeftButton);
    EXPECT_EQ(picture(arrow(0)), picture(arrow(4)));
    EXPECT_EQ(xpBox(0)->text(), "200");
    QTest::mouseRelease(arrow(0), Qt::LeftButton);
    EXPECT_EQ(picture(arrow(0)), restUp);
    EXPECT_EQ(xpBox(0)->text(), "201");
    EXPECT_EQ(xpBox(2)->text(), "990786183");

    QTest::mousePress(arrow(1), Qt::RightButton);
    EXPECT_EQ(picture(arrow(1)), picture(arrow(5)));
    QTest::mouseRelease(arrow(1), Qt::RightButton);
    EXPECT_EQ(picture(arrow(1)), restDown);
    EXPECT_EQ(xpBox(0)->text(), "200");

    type(xpBox(0), "275");
    QTest::mouseClick(arrow(0), Qt::LeftButton);
    EXPECT_EQ(xpBox(0)->text(), "275");
    QTest::mouseClick(arrow(1), Qt::LeftButton);
    EXPECT_EQ(xpBox(0)->text(), "274");
    type(xpBox(0), "1");
    QTest::mouseClick(arrow(1), Qt::LeftButton);
    EXPECT_EQ(xpBox(0)->text(), "1");
    QTest::mouseClick(arrow(0), Qt::LeftButton);
    EXPECT_EQ(xpBox(0)->text(), "2");
    type(xpBox(0), "x");
    QTest::mouseClick(arrow(0), Qt::LeftButton);
    EXPECT_EQ(xpBox(0)->text(), "x");
}

} // namespace
