// The Format Text and template buttons and the category cycle put their markup on the
// clipboard on mouse-up; Update Templates writes the files the buttons read.

#include "window.h"

namespace {

class TextButtonsTest : public WindowFixture {
protected:
    TextButtonsTest()
        : WindowFixture("[Template1]\r\nPath=Default Armor.txt\r\nAlternatePath=Default Armor Alt.txt\r\nName=Armor\r\n"
                        "BackgroundColor=C0C0FF\r\n",
            3)
    {
    }
    void SetUp() override
    {
        folder.write("Templates/Armor.txt", "{{Armor\n}}");
        folder.write("Templates/armor alt.TXT", "{{Armor Alt}}\r\n");
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

TEST_F(TextButtonsTest, FormatButtonsAndTheCategoryCycleActOnTheirMouseUp)
{
    EXPECT_EQ(click("cmdFormat_3", Qt::RightButton, "Weapons"), "[[Category:Weapons]]");
    EXPECT_EQ(click("cmdFormat_2", Qt::LeftButton, "Épée 日本"), "[[File:Épée 日本.jpg]]");
    EXPECT_EQ(click("cmdFormat_1", Qt::RightButton, "A\nB"), "* [[A]]\r\n* [[B]]");
    EXPECT_TRUE(click("cmdFormat_0", Qt::LeftButton, "Bob says hi\nDoor").startsWith("<font color=darkgoldenrod>Bob"));
    EXPECT_EQ(folder.read("Parse.tmp"), "Bob says hi\r\nDoor\r\n"); // split through the scratch file
    EXPECT_EQ(click("cmdFormat_0", Qt::MiddleButton, "a"), "a");
    QTest::mousePress(control("cmdFormat_3"), Qt::RightButton); // a release away from the button does nothing
    QTest::mouseRelease(control("cmdFormat_3"), Qt::RightButton, {}, QPoint(-20, -20));
    EXPECT_EQ(clipboard()->text(), "a");
    clipboard()->setImage(testsupport::noise(8, 8)); // a picture reads as no text, and goes
    QTest::mouseClick(control("cmdFormat_3"), Qt::LeftButton);
    EXPECT_TRUE(clipboard()->text() == "#Redirect [[]]" && !clipboard()->mimeData()->hasImage());
    showTab(5); // on, and from the start again on a right click
    QStringList given;
    for (const Qt::MouseButton button : {Qt::LeftButton, Qt::MiddleButton, Qt::RightButton})
        given.append(click("cmdCycleCategories", button));
    EXPECT_EQ(given, QStringList({"Game Concept", "Attribute", "Game Concept"}));
    EXPECT_EQ(control<QPushButton>("cmdCycleCategories")->text(), "Game Concept");
}

TEST_F(TextButtonsTest, TemplateButtonsShowTheirSettingsAndGiveTheirFilesAndTheUpdateRewritesThem)
{
    EXPECT_EQ(control<QPushButton>("cmdTemplate_1")->text(), "Armor"); // its tooltip: WindowOptionsTest
    const QImage shot = control("cmdTemplate_1")->grab().toImage(); // a colour inside the border, above the caption
    EXPECT_EQ(shot.pixelColor(shot.width() / 2, 4 * shot.height() / control("cmdTemplate_1")->height()),
        QColor(0xC0, 0xC0, 0xFF));
    EXPECT_EQ(QStringList({click("cmdTemplate_1", Qt::LeftButton), click("cmdTemplate_1", Qt::RightButton),
                  click("cmdTemplate_1", Qt::MiddleButton), click("cmdTemplate_20", Qt::LeftButton)}),
        QStringList({"{{Armor\r\n}}\r\n", "{{Armor Alt}}\r\n", "before", "No Template Found"}));
    const auto update = [this](const QString &page) {
        showTab(5);
        clipboard()->setText(page);
        modal::Answerer answerer;
        QTest::mouseClick(control("cmdUpdateTemplates"), Qt::LeftButton);
        window->activateWindow(); // closed boxes leave no window active offscreen; a user's would be
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        showTab(3);
        return answerer.seen.value(0).text;
    };
    EXPECT_EQ(update("Page Templates\n<Armor>\n\n{{New}}\n\n</Armor>\n<Armor Alt>\n\n{{New Alt}}\n\n</Armor Alt>"),
        "2 templates were successfully updated.");
    EXPECT_EQ(QStringList({click("cmdTemplate_1", Qt::LeftButton), click("cmdTemplate_1", Qt::RightButton)}),
        QStringList({"{{New}}\r\n", "{{New Alt}}\r\n"}));
    // Settings edited by hand meanwhile are in use after the update's reload.
    folder.write("Quillmark.ini", "[Template2]\r\nPath=Default Armor.txt\r\nName=Second\r\n");
    EXPECT_TRUE(update("nothing tagged here").startsWith("No template text was detected in the clipboard.\r\n"));
    EXPECT_EQ(control<QPushButton>("cmdTemplate_1")->text(), "Open");
    EXPECT_EQ(click("cmdTemplate_2", Qt::LeftButton), "{{New}}\r\n");
}

} // namespace
