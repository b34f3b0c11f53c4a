// The multi-use button and its drop-down: every entry runs when chosen and on each click,
// with its prompts answered as a user would; expanded templates are added, listed and used
// across a restart.

#include "settings/privateprofile.h"
#include "wikitext/multiuse.h"
#include "window.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>

namespace {

const QString OK = "OK"; // a text the message boxes take as OK

// Answers as modal::Answerer does, and checks that every prompt starts empty.
struct Dialogs : modal::Answerer {
    using Answerer::Answerer;
    ~Dialogs() override
    {
        for (const modal::Shown &box : seen)
            EXPECT_TRUE(box.preset.isEmpty()) << box.text.toStdString();
    }
};

class MultiUseTest : public WindowFixture {
protected:
    void SetUp() override
    {
        WindowFixture::SetUp();
        showTab(3);
    }
    void restart(std::optional<QByteArray> ini = std::nullopt)
    {
        WindowFixture::restart(std::move(ini));
        showTab(3);
    }
    QPushButton *button() const { return control<QPushButton>("cmdReload"); }
    QComboBox *combo() const { return control<QComboBox>(names::extraTemplates); }
    // A choice from the list, as the list view makes it.
    void choose(const QString &text)
    {
        const int index = combo()->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
        ASSERT_GE(index, 0) << text.toStdString();
        combo()->setCurrentIndex(index);
        emit combo()->activated(index);
    }
    void click() { QTest::mouseClick(button(), Qt::LeftButton); }
    QStringList items() const
    {
        QStringList list;
        for (int i = 0; i < combo()->count(); ++i)
            list.append(combo()->itemText(i));
        return list;
    }
};

TEST_F(MultiUseTest, EntriesRunWhenChosenAndOnEveryClick)
{
    EXPECT_TRUE(combo()->isEditable());
    EXPECT_EQ(combo()->insertPolicy(), QComboBox::NoInsert);
    EXPECT_EQ(items(), multiUse::fixedEntryTexts());
    const QString map = "Portal at 12.3N, 45.6E";
    const struct {
        const char *entry, *caption;
        QString input, expected;
    } cases[] = {
        {"Dialog NPC Open Chat", "NPC Chat", "Hi\nBye", "<font color=grey>Hi</font><br>\r\n<font color=grey>Bye</font><br>\r\n"},
        {"Dialog Spell Chat", "Spell Chat", "Fireball", "<font color=cornflowerblue>Fireball</font><br>\r\n"},
        {"Attuned Bonded", "Attuned Bonded", "x", "[[Attuned]], [[Bonded]]"},
        {"Text Cache", "Cache", "unchanged", "unchanged"},
        {"Map Point", "Map Point", map, "{{Map Point\r\n | 12.3 | N | 45.6 | E\r\n}}"},
        {"Map Point Plus", "Map Point Plus", map, "{{Map Point Plus\r\n | Points = \r\n{{MPP Loc | 12.3 | N | 45.6 | E | Large |  }}\r\n}}"},
        {"Update Creature Template", "Update Creature", "in [[Patch 5]]\n{|\n<big>Drudge</BIG>", ""}, // a page read line by line
    };
    for (const auto &c : cases) {
        for (int run = 0; run < 2; ++run) {
            clipboard()->setText(c.input);
            run ? click() : choose(c.entry);
            EXPECT_EQ(button()->text(), c.caption);
            if (!c.expected.isEmpty())
                EXPECT_EQ(clipboard()->text(), c.expected) << c.entry << " run " << run;
            else
                EXPECT_TRUE(clipboard()->text().startsWith("{{Intro\r\n | Patch Introduced = [[Patch 5]]\r\n")
                            && clipboard()->text().contains("\r\n |            Name = Drudge\r\n"));
        }
    }
    // Their keys reach the window's shortcuts.
    QTest::keyClick(combo()->lineEdit(), Qt::Key_5);
    EXPECT_EQ(window->currentTab(), 5);
}

TEST_F(MultiUseTest, CustomFormatPricesAndTotalDamageAskAndTell)
{
    clipboard()->setText("Sword");
    {
        Dialogs dialogs({OK, "[[", "]]"});
        choose("Custom Format");
        ASSERT_EQ(dialogs.seen.size(), 3);
        EXPECT_EQ(dialogs.seen[0].buttons, QMessageBox::Ok | QMessageBox::Cancel);
        EXPECT_EQ(dialogs.seen[0].text, multiUse::customIntro);
        EXPECT_EQ(QStringList({dialogs.seen[1].text, dialogs.seen[2].text}), QStringList({multiUse::prefixPrompt, multiUse::suffixPrompt}));
    }
    EXPECT_EQ(button()->text(), "Custom");
    EXPECT_EQ(clipboard()->text(), "[[Sword]]");
    click();
    EXPECT_EQ(clipboard()->text(), "[[[[Sword]]]]");
    clipboard()->setText("Bow");
    {
        Dialogs cancelled({modal::cancel}); // the prefix and suffix stay; the function runs once
        choose("Custom Format");
    }
    EXPECT_EQ(clipboard()->text(), "[[Bow]]");

    const QString table = "Shop, prices\n|Long Sword|1,500p\n|Shield|about 2,000p";
    clipboard()->setText(table);
    {
        Dialogs dialogs({"1.2"});
        choose("Convert Shopkeeper Prices");
        ASSERT_EQ(dialogs.seen.size(), 1);
        EXPECT_EQ(dialogs.seen[0].title, "Conversion Rate");
    }
    EXPECT_EQ(clipboard()->text(), "Shop prices\r\n|Long Sword| 1,800p\r\n|Shield|about 2000p\r\n");
    for (const modal::Reply &reply : {modal::Reply("abc"), modal::Reply(""), modal::cancel}) {
        clipboard()->setText(table);
        Dialogs dialogs({reply});
        click();
        EXPECT_EQ(clipboard()->text(), table);
    }

    clipboard()->setText("12:34:56 You hit the drudge for 25 points of damage.\nCritical Hit! You hit the drudge for 100 points "
                         "of damage.\nThe drudge hits you for 7 points of damage.\n");
    Dialogs dialogs({OK});
    choose("Total Damage");
    EXPECT_EQ(clipboard()->text(), "125");
    ASSERT_EQ(dialogs.seen.size(), 1);
    EXPECT_EQ(std::pair(dialogs.seen[0].title, dialogs.seen[0].text),
              std::pair(QString("Total Damage"), QString("Total damage done is 125.This value has been copied to the clipboard ready to be pasted.")));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(MultiUseTest, AnAddedTemplateIsListedUsedAndKeptAcrossARestart)
{
    clipboard()->setText("Hello\r\nthere");
    {
        Dialogs dialogs({OK, "Greeting", "Hi"});
        choose("Add Expanded Template");
        ASSERT_EQ(dialogs.seen.size(), 3);
        EXPECT_EQ(dialogs.seen[0].icon, QMessageBox::Information);
        EXPECT_EQ(QStringList({dialogs.seen[1].title, dialogs.seen[2].title}), QStringList({"Expanded Templates", "Expanded Template"}));
    }
    EXPECT_EQ(folder.read("Templates/Greeting.txt"), "Hello\r\nthere\r\n");
    EXPECT_EQ(button()->text(), "Hi");
    EXPECT_EQ(items(), QStringList{"Hi"} + multiUse::fixedEntryTexts());
    clipboard()->setText("other");
    click();
    EXPECT_EQ(clipboard()->text(), "Hello\r\nthere");
    restart();
    EXPECT_EQ(items(), QStringList{"Hi"} + multiUse::fixedEntryTexts());
    choose("Hi");
    EXPECT_EQ(clipboard()->text(), "Hello\r\nthere\r\n");

    // Recorded meanwhile, it appears on Reload; none is listed twice.
    modVandrel::WriteSetting(folder.file("Quillmark.ini"), "ExpandedTemplates", "NumberofExpandedTemplates", "2");
    modVandrel::WriteSetting(folder.file("Quillmark.ini"), "ExpandedTemplates", "ExpTemplateName2", "Hey");
    choose("Reload");
    click();
    EXPECT_EQ(items(), QStringList({"Hi", "Hey"}) + multiUse::fixedEntryTexts());

    // Refused or failed: nothing added. No text, Cancel at each step, a bad name, no folder.
    const auto tryAdd = [this](const QList<modal::Reply> &script) {
        Dialogs dialogs(script);
        choose("Add Expanded Template");
        return dialogs.seen;
    };
    clipboard()->setImage(testsupport::noise(8, 8));
    EXPECT_EQ(tryAdd({OK}).value(0).text, "No text detected in the clipboard. Copy the text of the template you wish to create and try again.");
    clipboard()->setText("text");
    EXPECT_EQ(tryAdd({modal::cancel}).size(), 1);
    EXPECT_EQ(tryAdd({OK, ""}).size(), 2);
    EXPECT_EQ(tryAdd({OK, "Other", modal::cancel}).size(), 3);
    EXPECT_TRUE(tryAdd({OK, "../Other", OK}).value(2).text.startsWith("The template file must be stored in the Template Folder"));
    QDir(folder.file("Templates")).removeRecursively();
    EXPECT_TRUE(tryAdd({OK, "Other", "Hi", OK}).value(3).text.startsWith("The template file could not be written"));
    EXPECT_EQ(items(), QStringList({"Hi", "Hey"}) + multiUse::fixedEntryTexts());
}

TEST_F(MultiUseTest, StoredTemplatesNamedLikeFixedEntriesAndTypedNonsense)
{
    PrivateProfile ini;
    ini.write("ExpandedTemplates", "NumberofExpandedTemplates", "4");
    const char *records[][2] = {{"Default R.txt", "Reload"}, {"Default A.txt", "Twin"}, {"Default B.txt", "Twin"}, {"Default C.txt", "Cache"}};
    for (int n = 1; n <= 4; ++n) {
        ini.write("ExpandedTemplates", QStringLiteral("ExpTemplatePath%1").arg(n), records[n - 1][0]);
        ini.write("ExpandedTemplates", QStringLiteral("ExpTemplateName%1").arg(n), records[n - 1][1]);
        folder.write(QStringLiteral("Templates/%1").arg(records[n - 1][0] + 8), QByteArray(records[n - 1][0] + 8, 1));
    }
    restart(ini.toBytes());
    EXPECT_EQ(items().mid(0, 4), QStringList({"Reload", "Twin", "Twin", "Cache"}));
    clipboard()->setText("keep");
    for (const int index : {0, 3}) { // named like an entry or a caption: its function runs
        combo()->setCurrentIndex(index);
        emit combo()->activated(index);
    }
    EXPECT_EQ(button()->text(), "Cache");
    EXPECT_EQ(clipboard()->text(), "keep");
    combo()->setCurrentIndex(1);
    emit combo()->activated(1);
    EXPECT_EQ(clipboard()->text(), "B\r\n"); // the later of two of one name
    clipboard()->setText("keep");
    combo()->lineEdit()->selectAll();
    QTest::keyClicks(combo()->lineEdit(), "Nonsense");
    QTest::keyClick(combo()->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(button()->text(), "Twin");
    EXPECT_EQ(clipboard()->text(), "keep");
    EXPECT_EQ(combo()->count(), 4 + multiUse::fixedEntryTexts().size());

    // With no text on the clipboard no function breaks, whatever the prompts get.
    for (const bool picture : {false, true})
        for (const QString &entry : multiUse::fixedEntryTexts()) {
            picture ? clipboard()->setImage(QImage(4, 4, QImage::Format_RGB32)) : clipboard()->clear();
            Dialogs dialogs({OK, "1.5", "1.5", OK});
            choose(entry);
            click();
        }
    EXPECT_TRUE(window->isVisible());
}

} // namespace
