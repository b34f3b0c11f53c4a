// The multi-use button and its drop-down: an entry runs when chosen and on every click, with
// its prompts answered as a user would; expanded templates are added, listed and used across
// a restart.

#include "app/text/multiusemessages.h"
#include "app/widgets/statusline.h"
#include "settings/privateprofile.h"
#include "wikitext/multiuse.h"
#include "window.h"

namespace {

const QString OK = "OK"; // a text the message boxes take as OK

class MultiUseTest : public WindowFixture {
protected:
    MultiUseTest() : WindowFixture({}, 3) {}
    QPushButton *button() const { return control<QPushButton>("cmdReload"); }
    QComboBox *combo() const { return control<QComboBox>(names::extraTemplates); }
    // A choice from the list, as the list view makes it; the boxes it showed, whose prompts
    // all start empty.
    QList<modal::Shown> choose(const QString &text, const QList<modal::Reply> &replies = {})
    {
        modal::Answerer dialogs(replies);
        const int index = combo()->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
        EXPECT_GE(index, 0) << text.toStdString();
        combo()->setCurrentIndex(index);
        emit combo()->activated(index);
        for (const modal::Shown &box : dialogs.seen)
            EXPECT_TRUE(box.preset.isEmpty()) << box.text.toStdString();
        return dialogs.seen;
    }
    QString click(const QString &clipboardText, const QList<modal::Reply> &replies = {})
    {
        modal::Answerer dialogs(replies);
        clipboard()->setText(clipboardText);
        QTest::mouseClick(button(), Qt::LeftButton);
        return clipboard()->text();
    }
    QStringList items() const
    {
        QStringList list;
        for (int i = 0; i < combo()->count(); ++i)
            list.append(combo()->itemText(i));
        return list;
    }
};

TEST_F(MultiUseTest, AnEntryRunsWhenChosenAndOnEveryClickAskingWhatItNeeds)
{
    clipboard()->setText("Hi\nBye");
    choose("Dialog NPC Open Chat");
    EXPECT_EQ(button()->text(), "NPC Chat");
    EXPECT_EQ(clipboard()->text(), "<font color=grey>Hi</font><br>\r\n<font color=grey>Bye</font><br>\r\n");
    EXPECT_EQ(click("Fireball"), "<font color=grey>Fireball</font><br>\r\n");
    clipboard()->setText("Sword");
    EXPECT_EQ(choose("Custom Format", {OK, "[[", "]]"}).size(), 3); // the prefix, then the suffix
    EXPECT_EQ(clipboard()->text(), "[[Sword]]");
    EXPECT_EQ(click("Bow"), "[[Bow]]");
    clipboard()->setText("Axe");
    choose("Custom Format", {modal::cancel}); // the prefix and suffix stay
    EXPECT_EQ(clipboard()->text(), "[[Axe]]");
    const QString table = "Shop, prices\n|Long Sword|1,500p";
    clipboard()->setText(table);
    choose("Convert Shopkeeper Prices", {"1.2"}); // what it converts: the next test
    for (const modal::Reply &reply : {modal::Reply("abc"), modal::cancel})
        EXPECT_EQ(click(table, {reply}), table);
}

TEST_F(MultiUseTest, AParserThatFindsNothingLeavesTheCopyAndThePriceCountIsSaid)
{
    using says = MultiUseMessages;
    const QString priceHint = "0 rows converted: rows look like `Name | 1,000`";
    // entry, copied text, answers, clipboard after, status line after, boxes shown
    const std::tuple<QString, QString, QList<modal::Reply>, QString, QString, int> cases[] = {
        {"Map Point", "hello world", {}, "hello world", says::noMapPoints(), 0},
        {"Map Point Plus", "Go north. Then west.\n", {}, "Go north. Then west.\n", says::noMapPoints(), 0},
        {"Update Creature Template", "hello world", {}, "hello world", says::noCreaturePage(), 0},
        {"Total Damage", "The drudge hits you for 7.", {}, "The drudge hits you for 7.", says::noHits(), 0},
        {"Convert Shopkeeper Prices", "hello world", {"1.2"}, "hello world", priceHint, 1},
        {"Convert Shopkeeper Prices", "Shop\n|Axe|10\n|Bow|20\n", {"2"}, "Shop\r\n|Axe| 20\r\n|Bow| 40\r\n\r\n",
            "2 rows converted", 1},
        {"Map Point", "12.3N, 45.6E\r\n", {}, "{{Map Point\r\n | 12.3 | N | 45.6 | E\r\n}}",
            "1 map point converted", 0},
        {"Map Point", "", {}, "{{Map Point\r\n}}", "0 map points converted", 0}, // the bare template, as before
        {"Total Damage", "You hit for 25.\n", {OK}, "25", "Total damage 25 from 1 hit line", 1}};
    for (const auto &[entry, copied, replies, after, said, boxes] : cases) {
        StatusLine::say(window.get(), QString());
        clipboard()->setText(copied);
        EXPECT_EQ(choose(entry, replies).size(), boxes) << entry.toStdString() << " on " << copied.toStdString();
        EXPECT_EQ(clipboard()->text(), after) << entry.toStdString() << " on " << copied.toStdString();
        EXPECT_EQ(control("lblStatus")->property("message").toString(), said) << entry.toStdString();
    }
    clipboard()->setText("You hit for 25.\n");
    EXPECT_EQ(choose("Total Damage", {OK}).value(0).text,
        "Total damage done is 25.This value has been copied to the clipboard ready to be pasted.");
}

TEST_F(MultiUseTest, AnAddedTemplateIsListedUsedAndKeptAcrossARestart)
{
    clipboard()->setText("Hello\r\nthere");
    EXPECT_EQ(choose("Add Expanded Template", {OK, "Greeting", "Hi"}).size(), 3);
    EXPECT_EQ(button()->text(), "Hi");
    EXPECT_EQ(click("other"), "Hello\r\nthere");
    restart();
    EXPECT_EQ(items(), QStringList{"Hi"} + multiUse::fixedEntryTexts());
    choose("Hi");
    EXPECT_EQ(clipboard()->text(), "Hello\r\nthere\r\n");
    // Refused or failed: a bad name, no folder; nothing is added.
    clipboard()->setText("text");
    EXPECT_TRUE(
        choose("Add Expanded Template", {OK, "../Other", OK}).value(2).text.startsWith("The template file must be"));
    QDir(folder.file("Templates")).removeRecursively();
    const QList<modal::Shown> failed = choose("Add Expanded Template", {OK, "Other", "Hi", OK});
    EXPECT_TRUE(failed.value(3).text.startsWith("The template file could not"));
    // Recorded by hand meanwhile: Reload lists them (which of two of one name is used is the
    // ExpandedTemplates tests'), and typed text naming nothing changes nothing.
    PrivateProfile ini = PrivateProfile::fromFile(folder.file("Quillmark.ini"));
    ini.write("ExpandedTemplates", "NumberofExpandedTemplates", "2");
    ini.write("ExpandedTemplates", "ExpTemplateName2", "Hi");
    ASSERT_TRUE(ini.saveTo(folder.file("Quillmark.ini")));
    choose("Reload");
    EXPECT_EQ(click("keep"), "keep");
    EXPECT_EQ(items(), QStringList({"Hi", "Hi"}) + multiUse::fixedEntryTexts());
    combo()->lineEdit()->selectAll();
    QTest::keyClicks(combo()->lineEdit(), "Nonsense");
    QTest::keyClick(combo()->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(button()->text(), "Reload");
    EXPECT_EQ(combo()->count(), 2 + multiUse::fixedEntryTexts().size());
}

TEST_F(MultiUseTest, NoTextOnTheClipboardNeverBreaksAnEntry)
{
    for (const bool picture : {false, true})
        for (const QString &entry : multiUse::fixedEntryTexts()) {
            picture ? clipboard()->setImage(QImage(4, 4, QImage::Format_RGB32)) : clipboard()->clear();
            modal::Answerer dialogs({OK, "1.5", "1.5", OK, OK, "1.5", "1.5", OK}); // every prompt accepted
            combo()->setCurrentIndex(combo()->findText(entry));
            emit combo()->activated(combo()->currentIndex());
            QTest::mouseClick(button(), Qt::LeftButton);
        }
    EXPECT_EQ(items(), multiUse::fixedEntryTexts()); // nothing was added
}

} // namespace
