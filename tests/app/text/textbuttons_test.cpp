// Tab "3 Text": the Format Text and template buttons and the category cycle turn the
// clipboard or the template files into markup on the clipboard; Update Templates writes
// the files the buttons read.

#include "window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMimeData>

namespace {

class TextButtonsTest : public WindowFixture {
protected:
    TextButtonsTest()
        : WindowFixture("[Template1]\r\nPath=Default Armor.txt\r\nAlternatePath=Default Armor Alt.txt\r\nName=Armor\r\n"
                        "BackgroundColor=C0C0FF\r\n[Template5]\r\nPath=mine/Notes.txt\r\nName=My Notes\r\n")
    {
    }
    void SetUp() override
    {
        folder.write("Templates/Armor.txt", "{{Armor\n| name =\n}}");
        folder.write("Templates/armor alt.TXT", "{{Armor Alt}}\r\n");
        QDir(folder.path()).mkpath("mine");
        folder.write("mine/Notes.txt", "notes\r");
        WindowFixture::SetUp();
        showTab(3);
    }
    // Clicks the button with text on the clipboard; what the clipboard then holds.
    QString click(const QString &name, Qt::MouseButton button, const QString &text = "before")
    {
        clipboard()->setText(text);
        QTest::mouseClick(control(name), button);
        EXPECT_EQ(QApplication::focusWidget(), control(name));
        return clipboard()->text();
    }
    // A colour well inside the button's border and above its caption.
    QColor shownColour(const QString &name) const
    {
        const QImage shot = control(name)->grab().toImage();
        return shot.pixelColor(shot.width() / 2, 4 * shot.height() / control(name)->height());
    }
    // Clicks "Update Templates" and answers its message.
    modal::Shown update(const QString &page)
    {
        showTab(5);
        clipboard()->setText(page);
        modal::Answerer answerer;
        QTest::mouseClick(control("cmdUpdateTemplates"), Qt::LeftButton);
        EXPECT_EQ(answerer.seen.size(), 1);
        window->activateWindow(); // closed boxes leave no window active offscreen; a user's would be
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        return answerer.seen.value(0);
    }
};

TEST_F(TextButtonsTest, FormatButtonsPutTheirMarkupOnTheClipboardAndOtherButtonsNothing)
{
    const struct {
        int index;
        Qt::MouseButton button;
        const char *text, *markup;
    } cases[] = {
        {3, Qt::LeftButton, "Sword", "#Redirect [[Sword]]"},      {3, Qt::RightButton, "Weapons", "[[Category:Weapons]]"},
        {2, Qt::LeftButton, "Sword", "[[File:Sword.jpg]]"},       {2, Qt::RightButton, "Épée 日本", "{{Icon|Épée 日本}}"},
        {1, Qt::LeftButton, "Sword, Bow", "[[Sword]], [[Bow]]"}, {1, Qt::RightButton, "Sword\nBow", "* [[Sword]]\r\n* [[Bow]]"},
        {0, Qt::RightButton, "Fireball", "<font color=cornflowerblue>Fireball</font><br>\r\n"},
        {0, Qt::LeftButton, "Bob tells you, hi\nThe door opens.",
         "<font color=darkgoldenrod>Bob tells you, hi</font><br>\r\n<font color=green>The door opens.</font><br>\r\n"},
        {0, Qt::MiddleButton, "a", "a"}, {1, Qt::MiddleButton, "a", "a"}, {2, Qt::MiddleButton, "a", "a"}, {3, Qt::MiddleButton, "a", "a"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(click(names::element("cmdFormat", c.index), c.button, QString::fromUtf8(c.text)), QString::fromUtf8(c.markup));
    EXPECT_EQ(folder.read("Parse.tmp"), "Bob tells you, hi\r\nThe door opens.\r\n"); // split through the scratch file

    // A release away from the button does nothing; a picture or nothing reads as no text.
    clipboard()->setText("keep");
    QTest::mousePress(control("cmdFormat_3"), Qt::RightButton);
    QTest::mouseRelease(control("cmdFormat_3"), Qt::RightButton, {}, QPoint(-20, -20));
    EXPECT_EQ(clipboard()->text(), "keep");
    clipboard()->setImage(testsupport::noise(8, 8));
    QTest::mouseClick(control("cmdFormat_3"), Qt::LeftButton);
    EXPECT_EQ(clipboard()->text(), "#Redirect [[]]");
    EXPECT_FALSE(clipboard()->mimeData()->hasImage());
    clipboard()->clear();
    QTest::mouseClick(control("cmdFormat_0"), Qt::LeftButton);
    EXPECT_EQ(clipboard()->text(), "\r\n");
}

TEST_F(TextButtonsTest, TemplateButtonsShowTheirSettingsAndGiveTheirFiles)
{
    const struct {
        int n;
        const char *caption;
        QColor colour;
        const char *tooltip, *left, *right;
    } cases[] = {
        {1, "Armor", QColor(0xC0, 0xC0, 0xFF), " Right click for:   Armor Alt", "{{Armor\r\n| name =\r\n}}\r\n", "{{Armor Alt}}\r\n"},
        {5, "My Notes", Qt::white, "Alt template open", "notes\r\n", "No Template Found"},
        {20, "Open", Qt::white, "Alt template open", "No Template Found", "No Template Found"},
    };
    for (const auto &c : cases) {
        const QString name = names::element("cmdTemplate", c.n);
        EXPECT_EQ(control<QAbstractButton>(name)->text(), c.caption);
        EXPECT_EQ(control(name)->toolTip(), c.tooltip);
        EXPECT_EQ(shownColour(name), c.colour) << c.n;
        EXPECT_EQ(click(name, Qt::LeftButton), c.left);
        EXPECT_EQ(click(name, Qt::RightButton), c.right);
        EXPECT_EQ(click(name, Qt::MiddleButton), "before");
    }
}

TEST_F(TextButtonsTest, UpdateTemplatesWritesTheFilesTheButtonsUseAtOnceAndReloadsTheSettings)
{
    const modal::Shown seen = update("Page Templates\n<Armor>\n\n{{Armor\n| new = yes\n}}\n\n</Armor>\n<Armor Alt>\n\n{{New Alt}}\n\n"
                                     "</Armor Alt>\n<Notes>\n\nnew notes\n\n</Notes>\n<Quest>\n\nq\n\n</Quest>\n");
    EXPECT_EQ(std::pair(seen.title, seen.text), std::pair(QString("Update Page Templates"), QString("3 templates were successfully updated.")));
    EXPECT_EQ(seen.icon, QMessageBox::Information);
    EXPECT_EQ(folder.read("Templates/armor alt.TXT"), "{{New Alt}}\r\n");
    EXPECT_FALSE(folder.exists("Templates/Quest.txt")); // no button names it
    EXPECT_EQ(window->focusWidget(), control(names::fob));
    EXPECT_TRUE(folder.read("Parse.tmp").startsWith("Page Templates\r\n<Armor>\r\n"));
    showTab(3);
    EXPECT_EQ(click("cmdTemplate_1", Qt::LeftButton), "{{Armor\r\n| new = yes\r\n}}\r\n");
    EXPECT_EQ(click("cmdTemplate_1", Qt::RightButton), "{{New Alt}}\r\n");
    EXPECT_EQ(click("cmdTemplate_5", Qt::LeftButton), "new notes\r\n");

    // Settings edited by hand meanwhile are in use after the update's reload.
    folder.write("Quillmark.ini", "[Template2]\r\nPath=Default Armor.txt\r\nName=Second\r\n");
    const modal::Shown none = update("nothing tagged here");
    EXPECT_TRUE(none.text.startsWith("No template text was detected in the clipboard.\r\nFor details on how to use this feature, see:\r\n"));
    EXPECT_EQ(control<QAbstractButton>("cmdTemplate_1")->text(), "Open");
    EXPECT_EQ(control<QAbstractButton>("cmdTemplate_2")->text(), "Second");
}

TEST_F(TextButtonsTest, CycleCategoriesStepsThroughTheListAndARightClickStartsAgain)
{
    showTab(5);
    const auto step = [&](Qt::MouseButton button) {
        clipboard()->setText("before");
        QTest::mouseClick(control("cmdCycleCategories"), button);
        EXPECT_EQ(control<QAbstractButton>("cmdCycleCategories")->text(), clipboard()->text());
        return clipboard()->text();
    };
    EXPECT_EQ(step(Qt::LeftButton), "Game Concept");
    EXPECT_EQ(step(Qt::LeftButton), "Attribute");
    EXPECT_EQ(step(Qt::MiddleButton), "Character Template"); // any other button advances
    EXPECT_EQ(step(Qt::RightButton), "Game Concept");
    for (int n = 2; n <= 128; ++n)
        step(Qt::LeftButton);
    EXPECT_EQ(step(Qt::LeftButton), "Game Concept");
}

} // namespace
