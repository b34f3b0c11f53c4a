// The multi-use button and its drop-down on the real window: every entry, the prompts
// answered as a user would, and expanded templates added, listed and used across a restart.

#include "modalanswerer.h"
#include "settings/privateprofile.h"
#include "settings/settingskeys.h"
#include "wikitext/expandedtemplates.h"
#include "wikitext/multiuse.h"
#include "wikitext/prices.h"
#include "wikitext/totaldamage.h"
#include "windowfixture.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <ostream>

static void PrintTo(const QString &text, std::ostream *out) { *out << '"' << text.left(200).toStdString() << '"'; }

namespace {

namespace keys = settingsKeys;

// Answers as modal::Answerer does, and checks that every prompt starts empty.
struct Dialogs : modal::Answerer {
    using Answerer::Answerer;
    ~Dialogs() override
    {
        for (const modal::Shown &box : seen)
            EXPECT_TRUE(box.preset.isEmpty()) << box.text.toStdString();
    }
};
const QString OK = QStringLiteral("OK"); // a text the message boxes take as OK

QClipboard *clipboard() { return QGuiApplication::clipboard(); }

class MultiUseTest : public WindowFixture {
protected:
    void SetUp() override
    {
        WindowFixture::SetUp();
        window->showTab(3);
    }
    QPushButton *button() const { return control<QPushButton>(QStringLiteral("cmdReload")); }
    QComboBox *combo() const { return control<QComboBox>(QStringLiteral("cmbExtraTemplates")); }

    // A choice from the list, as the list view makes it.
    void choose(int index)
    {
        combo()->setCurrentIndex(index);
        emit combo()->activated(index);
    }
    void choose(const QString &text)
    {
        const int index = combo()->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
        ASSERT_GE(index, 0) << text.toStdString();
        choose(index);
    }
    void click() { QTest::mouseClick(button(), Qt::LeftButton); }
    QStringList items() const
    {
        QStringList list;
        for (int i = 0; i < combo()->count(); ++i)
            list.append(combo()->itemText(i));
        return list;
    }
    void restart()
    {
        window->close();
        window = std::make_unique<frmVandrel>(folder.path());
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        window->showTab(3);
    }
    void writeRecords(const QString &count, const QList<std::pair<QString, QString>> &records)
    {
        PrivateProfile ini;
        ini.write(keys::expandedTemplateCount, count);
        for (int n = 1; n <= records.size(); ++n) {
            ini.write(keys::expandedTemplatePath(n), records[n - 1].first);
            ini.write(keys::expandedTemplateName(n), records[n - 1].second);
        }
        ini.saveTo(folder.file(QStringLiteral("Quillmark.ini")));
    }
};

TEST_F(MultiUseTest, ControlsAtStartUp)
{
    EXPECT_EQ(button()->text(), QStringLiteral("Reload"));
    EXPECT_EQ(button()->toolTip(), QStringLiteral("This button's function can be changed with the drop down menu."));
    EXPECT_EQ(combo()->currentText(), QStringLiteral("Reload"));
    EXPECT_EQ(combo()->toolTip(), QStringLiteral("Multi use"));
    EXPECT_TRUE(combo()->isEditable());
    EXPECT_EQ(combo()->insertPolicy(), QComboBox::NoInsert);
    EXPECT_EQ(items(), multiUse::fixedEntryTexts());
    for (QWidget *w : {static_cast<QWidget *>(button()), static_cast<QWidget *>(combo())}) {
        QWidget *frame = w->parentWidget()->parentWidget();
        EXPECT_TRUE(frame->rect().contains(QRect(w->mapTo(frame, QPoint()), w->size())));
    }
    // Their keys reach the window's shortcuts too.
    QTest::keyClick(combo()->lineEdit(), Qt::Key_5);
    EXPECT_EQ(window->currentTab(), 5);
    window->showTab(3);
    QTest::keyClick(button(), Qt::Key_2);
    EXPECT_EQ(window->currentTab(), 2);
}

TEST_F(MultiUseTest, EntriesRunAtOnceAndOnEveryClick)
{
    const QString map = QStringLiteral("Portal at 12.3N, 45.6E and 0.5S, 70.1W");
    const struct {
        const char *entry, *caption;
        QString input, expected;
    } cases[] = {
        {"Dialog NPC Open Chat", "NPC Chat", "Hi\nBye", "<font color=grey>Hi</font><br>\r\n<font color=grey>Bye</font><br>\r\n"},
        {"Dialog Spell Chat", "Spell Chat", "Fireball", "<font color=cornflowerblue>Fireball</font><br>\r\n"},
        {"Attuned Bonded", "Attuned Bonded", "x", "[[Attuned]], [[Bonded]]"},
        {"Caster Spells VI", "Caster VI", "x", ""},
        {"Text Cache", "Cache", "unchanged", "unchanged"},
        {"Map Point", "Map Point", map, "{{Map Point\r\n | 12.3 | N | 45.6 | E\r\n | 0.5 | S | 70.1 | W\r\n}}"},
        {"Map Point Plus", "Map Point Plus", map,
         "{{Map Point Plus\r\n | Points = \r\n{{MPP Loc | 12.3 | N | 45.6 | E | Large |  }}\r\n"
         "{{MPP Loc | 0.5 | S | 70.1 | W | Large |  }}\r\n}}"},
    };
    for (const auto &c : cases) {
        clipboard()->setText(c.input);
        choose(QString::fromLatin1(c.entry));
        EXPECT_EQ(button()->text(), QString::fromLatin1(c.caption));
        EXPECT_EQ(clipboard()->text(), c.expected) << c.entry;
        clipboard()->setText(c.input);
        click();
        EXPECT_EQ(clipboard()->text(), c.expected) << c.entry << " (click)";
    }

    // A page copied with LF line ends is read line by line.
    clipboard()->setText("in [[Patch 5]]\n{|\n<big>Drudge</BIG>\n[[Image:Drudge.jpg]]\n|-\n[[Drudge]] LVL 12");
    choose(QStringLiteral("Update Creature Template"));
    EXPECT_EQ(button()->text(), QStringLiteral("Update Creature"));
    const QString page = clipboard()->text();
    for (const char *line : {"{{Intro\r\n | Patch Introduced = [[Patch 5]]\r\n", "\r\n |            Name = Drudge\r\n",
                             "\r\n |           Image = Drudge.jpg\r\n", "\r\n |           Level = 12\r\n"})
        EXPECT_TRUE(page.contains(QString::fromLatin1(line))) << line << page.toStdString();
}

TEST_F(MultiUseTest, CustomFormatAsksWhenChosen)
{
    clipboard()->setText(QStringLiteral("Sword"));
    {
        Dialogs dialogs({OK, "[[", "]]"});
        choose(QStringLiteral("Custom Format"));
        ASSERT_EQ(dialogs.seen.size(), 3);
        EXPECT_EQ(dialogs.seen[0].title, QStringLiteral("Custom Format"));
        EXPECT_TRUE(dialogs.seen[0].text.startsWith("Custom Format allows you to specify a prefix or a suffix\r\nor"));
        EXPECT_EQ(dialogs.seen[0].buttons, QMessageBox::Ok | QMessageBox::Cancel);
        EXPECT_EQ(dialogs.seen[1].title, QStringLiteral("Custom Format"));
        EXPECT_EQ(dialogs.seen[1].text, multiUse::prefixPrompt);
        EXPECT_EQ(dialogs.seen[2].text, multiUse::suffixPrompt);
    }
    EXPECT_EQ(button()->text(), QStringLiteral("Custom"));
    EXPECT_EQ(clipboard()->text(), QStringLiteral("[[Sword]]"));
    click();
    EXPECT_EQ(clipboard()->text(), QStringLiteral("[[[[Sword]]]]"));

    clipboard()->setText(QStringLiteral("Bow"));
    Dialogs cancelled({modal::cancel}); // the prefix and suffix stay; the function runs once
    choose(QStringLiteral("Custom Format"));
    EXPECT_EQ(clipboard()->text(), QStringLiteral("[[Bow]]"));
}

TEST_F(MultiUseTest, PricesAskForTheRate)
{
    const QString table = QStringLiteral("Shop, prices\n|Long Sword|1,500p\n|Shield|about 2,000p");
    clipboard()->setText(table);
    {
        Dialogs dialogs({"1.2"});
        choose(QStringLiteral("Convert Shopkeeper Prices"));
        ASSERT_EQ(dialogs.seen.size(), 1);
        EXPECT_EQ(dialogs.seen[0].title, QStringLiteral("Conversion Rate"));
        EXPECT_EQ(dialogs.seen[0].text, prices::ratePrompt);
    }
    EXPECT_EQ(button()->text(), QStringLiteral("Prices"));
    // A price that is not a number leaves its line; the conversion goes on.
    EXPECT_EQ(clipboard()->text(), QStringLiteral("Shop prices\r\n|Long Sword| 1,800p\r\n|Shield|about 2000p\r\n"));
    for (const modal::Reply &reply : {modal::Reply("abc"), modal::Reply(""), modal::cancel}) {
        clipboard()->setText(table);
        Dialogs dialogs({reply});
        click();
        EXPECT_EQ(clipboard()->text(), table) << reply.text.value_or("Cancel").toStdString();
    }
}

TEST_F(MultiUseTest, TotalDamagePutsTheTotalAndReportsIt)
{
    clipboard()->setText("12:34:56 You hit the drudge for 25 points of damage.\n"
                         "Critical Hit! You hit the drudge for 100 points of damage.\n"
                         "The drudge hits you for 7 points of damage.\n");
    Dialogs dialogs({OK});
    choose(QStringLiteral("Total Damage"));
    EXPECT_EQ(clipboard()->text(), QStringLiteral("125"));
    ASSERT_EQ(dialogs.seen.size(), 1);
    EXPECT_EQ(dialogs.seen[0].title, QStringLiteral("Total Damage"));
    EXPECT_EQ(dialogs.seen[0].text, totalDamage::message(125));
    EXPECT_EQ(dialogs.seen[0].icon, QMessageBox::NoIcon);
    EXPECT_EQ(dialogs.seen[0].buttons, QMessageBox::Ok);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(MultiUseTest, AddNewThenRestartAndReload)
{
    clipboard()->setText(QStringLiteral("Hello\r\nthere"));
    {
        Dialogs dialogs({OK, "Greeting", "Hi"});
        choose(QStringLiteral("Add Expanded Template"));
        ASSERT_EQ(dialogs.seen.size(), 3);
        EXPECT_EQ(dialogs.seen[0].title, QStringLiteral("Expanded Templates"));
        EXPECT_EQ(dialogs.seen[0].text, expandedTemplates::confirmMessage);
        EXPECT_EQ(dialogs.seen[0].icon, QMessageBox::Information);
        EXPECT_EQ(dialogs.seen[1].title, QStringLiteral("Expanded Templates"));
        EXPECT_EQ(dialogs.seen[1].text, expandedTemplates::fileNamePrompt);
        EXPECT_EQ(dialogs.seen[2].title, QStringLiteral("Expanded Template"));
        EXPECT_EQ(dialogs.seen[2].text, expandedTemplates::shortNamePrompt);
    }
    EXPECT_EQ(folder.read(QStringLiteral("Templates/Greeting.txt")), QByteArray("Hello\r\nthere\r\n"));
    EXPECT_EQ(button()->text(), QStringLiteral("Hi"));
    EXPECT_EQ(combo()->currentText(), QStringLiteral("Greeting"));
    EXPECT_EQ(items(), QStringList{"Hi"} + multiUse::fixedEntryTexts());
    clipboard()->setText(QStringLiteral("other"));
    click();
    EXPECT_EQ(clipboard()->text(), QStringLiteral("Hello\r\nthere"));

    restart();
    EXPECT_EQ(items(), QStringList{"Hi"} + multiUse::fixedEntryTexts());
    choose(QStringLiteral("Hi"));
    EXPECT_EQ(clipboard()->text(), QStringLiteral("Hello\r\nthere\r\n"));

    // A template recorded meanwhile appears on Reload; none is listed twice.
    const QString iniPath = folder.file(QStringLiteral("Quillmark.ini"));
    modVandrel::WriteSetting(iniPath, "ExpandedTemplates", "NumberofExpandedTemplates", "2");
    modVandrel::WriteSetting(iniPath, "ExpandedTemplates", "ExpTemplateName2", "Hey");
    choose(QStringLiteral("Reload"));
    click();
    EXPECT_EQ(items(), QStringList({"Hi", "Hey"}) + multiUse::fixedEntryTexts());
    EXPECT_EQ(combo()->currentText(), QStringLiteral("Reload"));
}

TEST_F(MultiUseTest, AddNewRefusals)
{
    const auto tryAdd = [this](const QList<modal::Reply> &script) {
        Dialogs dialogs(script);
        choose(QStringLiteral("Add Expanded Template"));
        return dialogs.seen;
    };
    QImage picture(8, 8, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    clipboard()->setImage(picture);
    auto seen = tryAdd({OK});
    ASSERT_EQ(seen.size(), 1);
    EXPECT_EQ(seen[0].title, QStringLiteral("Quillmark"));
    EXPECT_EQ(seen[0].text, expandedTemplates::noTextMessage);
    EXPECT_EQ(seen[0].icon, QMessageBox::Information);
    clipboard()->clear();
    EXPECT_EQ(tryAdd({OK}).value(0).text, expandedTemplates::noTextMessage);

    clipboard()->setText(QStringLiteral("text"));
    EXPECT_EQ(tryAdd({modal::cancel}).size(), 1);
    EXPECT_EQ(tryAdd({OK, ""}).size(), 2);
    EXPECT_EQ(tryAdd({OK, "Greeting", modal::cancel}).size(), 3);
    EXPECT_EQ(tryAdd({OK, "../Greeting", OK}).value(2).text, expandedTemplates::badNameMessage);
    QDir(folder.file(QStringLiteral("Templates"))).removeRecursively();
    EXPECT_TRUE(tryAdd({OK, "Greeting", "Hi", OK}).value(3).text.startsWith("The template file could not be written"));

    EXPECT_FALSE(folder.exists(QStringLiteral("Greeting.txt")));
    EXPECT_FALSE(folder.exists(QStringLiteral("Quillmark.ini")));
    EXPECT_EQ(items(), multiUse::fixedEntryTexts());
    EXPECT_EQ(button()->text(), QStringLiteral("Add New"));
}

TEST_F(MultiUseTest, ExpandedTemplatesFromTheSettings)
{
    writeRecords("4", {{"Default R.txt", "Reload"}, {"Default A.txt", "Twin"}, {"Default B.txt", "Twin"},
                       {"Default C.txt", "Cache"}});
    for (const char *file : {"R", "A", "B", "C"})
        folder.write(QStringLiteral("Templates/%1.txt").arg(QString::fromLatin1(file)), file);
    restart();
    EXPECT_EQ(items().mid(0, 4), QStringList({"Reload", "Twin", "Twin", "Cache"}));
    clipboard()->setText(QStringLiteral("keep"));
    choose(0); // named like a fixed entry: the fixed function runs
    choose(3); // named like a caption: the caption's function runs
    EXPECT_EQ(button()->text(), QStringLiteral("Cache"));
    EXPECT_EQ(clipboard()->text(), QStringLiteral("keep"));
    choose(1);
    EXPECT_EQ(clipboard()->text(), QStringLiteral("B\r\n")); // the later of two of one name

    // Typed text that names nothing changes nothing.
    clipboard()->setText(QStringLiteral("keep"));
    combo()->lineEdit()->selectAll();
    QTest::keyClicks(combo()->lineEdit(), QStringLiteral("Nonsense"));
    QTest::keyClick(combo()->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(button()->text(), QStringLiteral("Twin"));
    EXPECT_EQ(clipboard()->text(), QStringLiteral("keep"));
    EXPECT_EQ(combo()->count(), 4 + multiUse::fixedEntryTexts().size());

    for (const auto &[count, listed] : {std::pair{"-5", 0}, std::pair{"32767", 32767}}) {
        writeRecords(count, {});
        QElapsedTimer timer;
        timer.start();
        restart();
        choose(QStringLiteral("Reload"));
        EXPECT_LT(timer.elapsed(), 5000) << count;
        EXPECT_EQ(combo()->count(), listed + multiUse::fixedEntryTexts().size()) << count;
    }
}

TEST_F(MultiUseTest, NoTextOnTheClipboardNeverBreaksAFunction)
{
    for (bool picture : {false, true}) {
        for (const QString &entry : multiUse::fixedEntryTexts()) {
            picture ? clipboard()->setImage(QImage(4, 4, QImage::Format_RGB32)) : clipboard()->clear();
            Dialogs dialogs({OK, "1.5", "1.5", OK}); // every prompt accepted, a rate that is a number
            choose(entry);
            click();
        }
    }
    EXPECT_EQ(items(), multiUse::fixedEntryTexts()); // nothing was added
    EXPECT_TRUE(window->isVisible());
}

} // namespace
