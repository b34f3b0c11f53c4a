// The template buttons of tab 3 and the two text tools of tab 5 on the real window:
// settings and template files in, clipboard, files and messages out.

#include "modalanswerer.h"
#include "windowfixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QGroupBox>
#include <QMessageBox>
#include <gtest/gtest.h>
#include <ostream>

static void PrintTo(const QString &text, std::ostream *out) { *out << '"' << text.toStdString() << '"'; }

namespace {

const QString notFound = QStringLiteral("No Template Found");

class TemplatesTest : public WindowFixture {
protected:
    // The settings and files a test gives the window before it starts.
    virtual void prepare() {}
    void SetUp() override
    {
        prepare();
        WindowFixture::SetUp();
    }

    QAbstractButton *button(const QString &name) const { return control<QAbstractButton>(name); }
    QAbstractButton *templateButton(int n) const { return button(QStringLiteral("cmdTemplate_%1").arg(n)); }

    QString click(QAbstractButton *b, Qt::MouseButton mouseButton)
    {
        QGuiApplication::clipboard()->setText(QStringLiteral("before"));
        QTest::mouseClick(b, mouseButton);
        return QGuiApplication::clipboard()->text();
    }

    // A colour well inside the button's border and above its caption.
    static QColor shownColour(QWidget *b)
    {
        const QImage shot = b->grab().toImage();
        return shot.pixelColor(shot.width() / 2, 4 * shot.height() / b->height());
    }

    // Clicks "Update Templates" and answers the message box it shows.
    modal::Shown update(const QString &clipboardText)
    {
        window->showTab(5);
        QGuiApplication::clipboard()->setText(clipboardText);
        modal::Answerer answerer;
        QTest::mouseClick(button(QStringLiteral("cmdUpdateTemplates")), Qt::LeftButton);
        EXPECT_EQ(answerer.seen.size(), 1);
        return answerer.seen.value(0);
    }
};

class ConfiguredTemplates : public TemplatesTest {
protected:
    void prepare() override
    {
        folder.write(QStringLiteral("Quillmark.ini"), "[Template1]\r\nPath=Default Armor.txt\r\n"
                                                      "AlternatePath=Default Armor Alt.txt\r\nName=Armor\r\n"
                                                      "BackgroundColor=C0C0FF\r\n"
                                                      "[Template5]\r\nPath=mine/Notes.txt\r\nName=My Notes\r\n"
                                                      "BackgroundColor=ffe0c0\r\n"
                                                      "[Template6]\r\nBackgroundColor=FFE0\r\n"
                                                      "AlternatePath=/somewhere/Quest Alt.txt\r\n");
        folder.write(QStringLiteral("Templates/Armor.txt"), "{{Armor\n| name =\n}}"); // LF ends, none at the end
        folder.write(QStringLiteral("Templates/armor alt.TXT"), "{{Armor Alt}}\r\n");
        QDir(folder.path()).mkpath(QStringLiteral("mine"));
        folder.write(QStringLiteral("mine/Notes.txt"), "notes\r");
    }
};

TEST_F(ConfiguredTemplates, ButtonsShowTheirSettingsAndPutTheirTextsOnTheClipboard)
{
    window->showTab(3);
    struct Case {
        int n;
        const char *caption;
        QColor colour;
        const char *tooltip, *left, *right;
    } cases[] = {
        {1, "Armor", QColor(0xC0, 0xC0, 0xFF), " Right click for:   Armor Alt", "{{Armor\r\n| name =\r\n}}\r\n",
         "{{Armor Alt}}\r\n"},
        {5, "My Notes", QColor(0xFF, 0xE0, 0xC0), "Alt template open", "notes\r\n", "No Template Found"},
        {6, "Open", Qt::white, " Right click for:   Quest Alt", "No Template Found", "No Template Found"},
    };
    for (const Case &c : cases) {
        QAbstractButton *b = templateButton(c.n);
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(b->text(), QString::fromLatin1(c.caption)) << c.n;
        EXPECT_EQ(b->toolTip(), QString::fromLatin1(c.tooltip)) << c.n;
        EXPECT_EQ(shownColour(b), c.colour) << c.n;
        EXPECT_EQ(click(b, Qt::LeftButton), QString::fromLatin1(c.left)) << c.n;
        window->showTab(3); // the focus back on the window's holder
        EXPECT_EQ(click(b, Qt::RightButton), QString::fromLatin1(c.right)) << c.n;
        EXPECT_EQ(QApplication::focusWidget(), b) << c.n;
        EXPECT_EQ(click(b, Qt::MiddleButton), QStringLiteral("before")) << c.n;
    }
    // Three to a row, in index order, in their frame.
    EXPECT_EQ(templateButton(2)->y(), templateButton(1)->y());
    EXPECT_GT(templateButton(3)->x(), templateButton(2)->x());
    EXPECT_EQ(templateButton(4)->x(), templateButton(1)->x());
    EXPECT_GT(templateButton(4)->y(), templateButton(1)->y());
    EXPECT_EQ(templateButton(20)->parentWidget(), control<QGroupBox>(QStringLiteral("fraTemplates")));
}

TEST_F(ConfiguredTemplates, UpdateWritesTheFilesAndTheButtonsUseThemAtOnce)
{
    const QString page = QStringLiteral("Page Templates\n<Armor>\n\n{{Armor\n| new = yes\n}}\n\n</Armor>\n"
                                        "<Armor Alt>\n\n{{New Alt}}\n\n</Armor Alt>\n"
                                        "<Notes>\n\nnew notes\n\n</Notes>\n<Quest>\n\nq\n\n</Quest>\n");
    const modal::Shown seen = update(page);
    EXPECT_EQ(seen.title, QStringLiteral("Update Page Templates"));
    EXPECT_EQ(seen.text, QStringLiteral("3 templates were successfully updated."));
    EXPECT_EQ(seen.icon, QMessageBox::Information);
    EXPECT_EQ(folder.read(QStringLiteral("Templates/Armor.txt")), QByteArray("{{Armor\r\n| new = yes\r\n}}\r\n"));
    EXPECT_EQ(folder.read(QStringLiteral("Templates/armor alt.TXT")), QByteArray("{{New Alt}}\r\n"));
    EXPECT_EQ(folder.read(QStringLiteral("mine/Notes.txt")), QByteArray("new notes\r\n"));
    EXPECT_FALSE(folder.exists(QStringLiteral("Templates/Quest.txt"))); // no slot names it
    EXPECT_EQ(window->focusWidget(), window->findChild<QWidget *>(QStringLiteral("cmdFob")));
    // The page went through the scratch file.
    EXPECT_TRUE(folder.read(QStringLiteral("Parse.tmp")).startsWith("Page Templates\r\n<Armor>\r\n"));

    window->showTab(3);
    EXPECT_EQ(click(templateButton(1), Qt::LeftButton), QStringLiteral("{{Armor\r\n| new = yes\r\n}}\r\n"));
    EXPECT_EQ(click(templateButton(1), Qt::RightButton), QStringLiteral("{{New Alt}}\r\n"));
    EXPECT_EQ(click(templateButton(5), Qt::LeftButton), QStringLiteral("new notes\r\n"));

    // Settings edited by hand since the start are in use after the update's reload.
    folder.write(QStringLiteral("Quillmark.ini"), "[Template2]\r\nPath=Default Armor.txt\r\nName=Second\r\n");
    const modal::Shown none = update(QStringLiteral("nothing tagged here"));
    EXPECT_TRUE(none.text.startsWith(QStringLiteral("No template text was detected in the clipboard.\r\n"
                                                    "For details on how to use this feature, see:\r\n")));
    EXPECT_EQ(templateButton(1)->text(), QStringLiteral("Open"));
    EXPECT_EQ(templateButton(2)->text(), QStringLiteral("Second"));
    EXPECT_EQ(click(templateButton(2), Qt::LeftButton), QStringLiteral("{{Armor\r\n| new = yes\r\n}}\r\n"));
}

TEST_F(TemplatesTest, WithoutTemplateSettingsEveryButtonIsAnEmptyOpenButton)
{
    window->showTab(3);
    for (int n = 1; n <= 20; ++n) {
        QAbstractButton *b = templateButton(n);
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(b->text(), QStringLiteral("Open")) << n;
        EXPECT_EQ(b->toolTip(), QStringLiteral("Alt template open")) << n;
        EXPECT_EQ(shownColour(b), QColor(Qt::white)) << n;
        EXPECT_EQ(click(b, Qt::LeftButton), notFound) << n;
        EXPECT_EQ(click(b, Qt::RightButton), notFound) << n;
    }
    // Nothing configured: nothing to update, nothing written.
    const modal::Shown seen = update(QStringLiteral("<Armor>\n\nx\n\n</Armor>\n"));
    EXPECT_TRUE(seen.text.startsWith(QStringLiteral("No template text was detected in the clipboard.")));
    EXPECT_TRUE(QDir(folder.file(QStringLiteral("Templates"))).isEmpty());
}

TEST_F(TemplatesTest, ToolsButtonsAndTheCategoryCycle)
{
    window->showTab(5);
    QAbstractButton *update = button(QStringLiteral("cmdUpdateTemplates"));
    EXPECT_EQ(update->text(), QStringLiteral("Update Templates"));
    EXPECT_EQ(update->toolTip(), QStringLiteral("Updates templates using text found on Quillmark/Page Templates."));
    QAbstractButton *cycle = button(QStringLiteral("cmdCycleCategories"));
    EXPECT_EQ(cycle->text(), QStringLiteral("Cycle Categories"));
    EXPECT_EQ(cycle->toolTip(), QStringLiteral("Left click to place next category in clipboard, "
                                               "right click to start at beginning again."));
    const auto step = [&](Qt::MouseButton mouseButton) {
        const QString onClipboard = click(cycle, mouseButton);
        EXPECT_EQ(cycle->text(), onClipboard);
        return onClipboard;
    };
    EXPECT_EQ(step(Qt::LeftButton), QStringLiteral("Game Concept"));
    EXPECT_EQ(step(Qt::LeftButton), QStringLiteral("Attribute"));
    EXPECT_EQ(step(Qt::MiddleButton), QStringLiteral("Character Template")); // any other button advances
    EXPECT_EQ(step(Qt::RightButton), QStringLiteral("Game Concept"));
    EXPECT_EQ(step(Qt::LeftButton), QStringLiteral("Attribute"));
    for (int n = 3; n <= 128; ++n)
        step(Qt::LeftButton);
    EXPECT_EQ(cycle->text(), QStringLiteral("Creature"));
    EXPECT_EQ(step(Qt::LeftButton), QStringLiteral("Game Concept"));
}

} // namespace
