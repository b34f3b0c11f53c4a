// The Format Text and template buttons and the category cycle put their markup on the
// clipboard on mouse-up; Update Templates writes the files the buttons read.

#include "window.h"

#include <QAbstractButton>

namespace {

class TextButtonsTest : public WindowFixture {
protected:
    TextButtonsTest()
        : WindowFixture("[Template1]\r\nPath=Default Armor.txt\r\nAlternatePath=Default Armor Alt.txt\r\nName=Armor\r\n"
                        "BackgroundColor=C0C0FF\r\n[Template5]\r\nPath=mine/Notes.txt\r\n",
            3)
    {
    }
    void SetUp() override
    {
        folder.write("Templates/Armor.txt", "{{Armor\n| name =\n}}");
        folder.write("Templates/armor alt.TXT", "{{Armor Alt}}\r\n");
        QDir(folder.path()).mkpath("mine");
        folder.write("mine/Notes.txt", "notes\r");
        WindowFixture::SetUp();
    }
    // Clicks the button with text on the clipboard; what the clipboard then holds.
    QString click(const QString &name, Qt::MouseButton button, const QString &text = "before")
    {
        clipboard()->setText(text);
        QTest::mouseClick(control(name), button);
        EXPECT_EQ(QApplication::focusWidget(), control(name));
        return clipboard()->text();
    }
};

TEST_F(TextButtonsTest, FormatButtonsPutTheirMarkupOnTheClipboardOnLeftAndRightReleasesOnly)
{
    const std::tuple<int, Qt::MouseButton, const char *, const char *> cases[] = {
        {3, Qt::LeftButton, "Sword", "#Redirect [[Sword]]"}, {3, Qt::RightButton, "Weapons", "[[Category:Weapons]]"},
        {2, Qt::LeftButton, "Sword", "[[File:Sword.jpg]]"}, {2, Qt::RightButton, "Épée 日本", "{{Icon|Épée 日本}}"},
        {1, Qt::LeftButton, "A, B", "[[A]], [[B]]"}, {1, Qt::RightButton, "A\nB", "* [[A]]\r\n* [[B]]"},
        {0, Qt::RightButton, "Fire", "<font color=cornflowerblue>Fire</font><br>\r\n"}, {2, Qt::MiddleButton, "a", "a"},
        {0, Qt::LeftButton, "Bob says hi\nDoor",
            "<font color=darkgoldenrod>Bob says hi</font><br>\r\n<font color=green>Door</font><br>\r\n"}};
    for (const auto &[index, button, text, markup] : cases)
        EXPECT_EQ(
            click(names::element("cmdFormat", index), button, QString::fromUtf8(text)), QString::fromUtf8(markup));
    EXPECT_EQ(folder.read("Parse.tmp"), "Bob says hi\r\nDoor\r\n"); // split through the scratch file
    // A release away from the button does nothing; a picture or nothing reads as no text.
    clipboard()->setText("keep");
    QTest::mousePress(control("cmdFormat_3"), Qt::RightButton);
    QTest::mouseRelease(control("cmdFormat_3"), Qt::RightButton, {}, QPoint(-20, -20));
    EXPECT_EQ(clipboard()->text(), "keep");
    clipboard()->setImage(testsupport::noise(8, 8));
    QTest::mouseClick(control("cmdFormat_3"), Qt::LeftButton);
    EXPECT_EQ(clipboard()->text(), "#Redirect [[]]");
    EXPECT_FALSE(clipboard()->mimeData()->hasImage());
    showTab(5); // the category cycle: on, and from the start again on a right click
    QStringList given;
    for (const Qt::MouseButton button : {Qt::LeftButton, Qt::LeftButton, Qt::MiddleButton, Qt::RightButton})
        given.append(click("cmdCycleCategories", button));
    EXPECT_EQ(given, QStringList({"Game Concept", "Attribute", "Character Template", "Game Concept"}));
    EXPECT_EQ(control<QAbstractButton>("cmdCycleCategories")->text(), "Game Concept");
}

TEST_F(TextButtonsTest, TemplateButtonsShowTheirSettingsAndGiveTheirFilesAndTheUpdateRewritesThem)
{
    const std::tuple<int, const char *, QColor, const char *, const char *> cases[]
        = {{1, "Armor", QColor(0xC0, 0xC0, 0xFF), "{{Armor\r\n| name =\r\n}}\r\n", "{{Armor Alt}}\r\n"},
            {5, "Open", Qt::white, "notes\r\n", "No Template Found"}};
    for (const auto &[n, caption, colour, left, right] : cases) {
        const QString name = names::element("cmdTemplate", n);
        EXPECT_EQ(control<QAbstractButton>(name)->text(), caption);
        const QImage shot = control(name)->grab().toImage(); // a colour inside the border, above the caption
        EXPECT_EQ(shot.pixelColor(shot.width() / 2, 4 * shot.height() / control(name)->height()), colour) << n;
        EXPECT_EQ(click(name, Qt::LeftButton), left);
        EXPECT_EQ(click(name, Qt::RightButton), right);
        EXPECT_EQ(click(name, Qt::MiddleButton), "before");
    }
    EXPECT_EQ(control("cmdTemplate_1")->toolTip(), " Right click for:   Armor Alt");
    const auto update = [this](const QString &page) {
        showTab(5);
        clipboard()->setText(page);
        modal::Answerer answerer;
        QTest::mouseClick(control("cmdUpdateTemplates"), Qt::LeftButton);
        window->activateWindow(); // closed boxes leave no window active offscreen; a user's would be
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        showTab(3);
        return answerer.seen;
    };
    const auto told
        = update("Page Templates\n<Armor>\n\n{{Armor\n| new = yes\n}}\n\n</Armor>\n<Armor Alt>\n\n{{New Alt}}\n\n"
                 "</Armor Alt>\n<Notes>\n\nnew notes\n\n</Notes>\n<Quest>\n\nq\n\n</Quest>\n");
    ASSERT_EQ(told.size(), 1);
    EXPECT_EQ(std::pair(told[0].title, told[0].text),
        std::pair(QString("Update Page Templates"), QString("3 templates were successfully updated.")));
    EXPECT_FALSE(folder.exists("Templates/Quest.txt")); // no button names it
    EXPECT_TRUE(folder.read("Parse.tmp").startsWith("Page Templates\r\n<Armor>\r\n"));
    EXPECT_EQ(click("cmdTemplate_1", Qt::LeftButton), "{{Armor\r\n| new = yes\r\n}}\r\n");
    EXPECT_EQ(click("cmdTemplate_1", Qt::RightButton), "{{New Alt}}\r\n");
    EXPECT_EQ(click("cmdTemplate_5", Qt::LeftButton), "new notes\r\n");
    // Settings edited by hand meanwhile are in use after the update's reload.
    folder.write("Quillmark.ini", "[Template2]\r\nPath=Default Armor.txt\r\nName=Second\r\n");
    EXPECT_TRUE(
        update("nothing tagged here").value(0).text.startsWith("No template text was detected in the clipboard.\r\n"));
    EXPECT_EQ(control<QAbstractButton>("cmdTemplate_1")->text(), "Open");
    EXPECT_EQ(click("cmdTemplate_2", Qt::LeftButton), "{{Armor\r\n| new = yes\r\n}}\r\n");
}

} // namespace
