#include "wikitext/formattext.h"

#include "testsupport.h"

#include <QDir>
#include <QFileInfo>
#include <ostream>
#include <gtest/gtest.h>

using namespace formatText;

// Readable failures: QString is printed as its text.
static void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace {

const QString folderless = QStringLiteral("/nonexistent-quillmark-folder/sub");

QString green(const QString &text)
{
    return QStringLiteral("<font color=green>") + text + QStringLiteral("</font><br>\r\n");
}

QString gold(const QString &text)
{
    return QStringLiteral("<font color=darkgoldenrod>") + text + QStringLiteral("</font><br>\r\n");
}

QString dialog(const QString &text, Click click = Click::Left)
{
    return transform(0, click, text, folderless);
}

} // namespace

TEST(FormatText, CaptionsAndTooltip)
{
    EXPECT_EQ(captions[0], "Dialog");
    EXPECT_EQ(captions[1], "Wiki Link");
    EXPECT_EQ(captions[2], "Image");
    EXPECT_EQ(captions[3], "Redirect");
    EXPECT_EQ(tooltip,
              "Formats text currently in clipboard (copied text). Right click for alternate format operation.");
}

TEST(FormatText, WrappersUseTheTextAsGiven)
{
    EXPECT_EQ(transform(2, Click::Right, "Sword", folderless), "{{Icon|Sword}}");
    EXPECT_EQ(transform(2, Click::Left, "Sword", folderless), "[[File:Sword.jpg]]");
    EXPECT_EQ(transform(2, Click::Left, "Sword.jpg", folderless), "[[File:Sword.jpg.jpg]]");
    EXPECT_EQ(transform(3, Click::Left, "Old Name", folderless), "#Redirect [[Old Name]]");
    EXPECT_EQ(transform(3, Click::Right, "Weapons", folderless), "[[Category:Weapons]]");
    // No trim, no change of case, line ends kept.
    EXPECT_EQ(redirect(" a B\r\n"), "#Redirect [[ a B\r\n]]");
    // An empty clipboard gives the markup around nothing.
    EXPECT_EQ(redirect(""), "#Redirect [[]]");
    EXPECT_EQ(categoryTag(""), "[[Category:]]");
    EXPECT_EQ(fileLink(""), "[[File:.jpg]]");
    EXPECT_EQ(iconTemplate(""), "{{Icon|}}");
    EXPECT_EQ(transform(4, Click::Left, "x", folderless), "");
    EXPECT_EQ(transform(-1, Click::Right, "x", folderless), "");
}

TEST(FormatText, InlineLinkList)
{
    EXPECT_EQ(transform(1, Click::Left, "Sword, Bow", folderless), "[[Sword]], [[Bow]]");
    EXPECT_EQ(inlineLinkList("  A, B  "), "[[A]], [[B]]");
    EXPECT_EQ(inlineLinkList("A,B"), "[[A,B]]");
    // Only one blank after the comma belongs to the separator.
    EXPECT_EQ(inlineLinkList("A,  B"), "[[A]], [[ B]]");
    // Tabs and line ends are not blanks.
    EXPECT_EQ(inlineLinkList("\tA\r\n"), "[[\tA\r\n]]");
    EXPECT_EQ(inlineLinkList(""), "[[]]");
}

TEST(FormatText, BulletedLinkList)
{
    EXPECT_EQ(transform(1, Click::Right, "Sword\r\nBow\r\nAxe", folderless),
              "* [[Sword]]\r\n* [[Bow]]\r\n* [[Axe]]");
    // The final line end survives as a bare comma in the last link.
    EXPECT_EQ(bulletedLinkList("A\r\nB\r\n"), "* [[A]]\r\n* [[B,]]");
    EXPECT_EQ(bulletedLinkList("A\nB\n"), "* [[A]]\r\n* [[B,]]");
    EXPECT_EQ(bulletedLinkList("A\nB"), "* [[A]]\r\n* [[B]]");
    // A ", " inside a line splits too; items are not trimmed one by one.
    EXPECT_EQ(bulletedLinkList("Sword, Bow\r\n Axe"), "* [[Sword]]\r\n* [[Bow]]\r\n* [[ Axe]]");
    // Blank lines make empty items.
    EXPECT_EQ(bulletedLinkList("A\r\n\r\nB"), "* [[A]]\r\n* [[]]\r\n* [[B]]");
    // A lone CR does not end a line here.
    EXPECT_EQ(bulletedLinkList("A\rB"), "* [[A\rB]]");
    EXPECT_EQ(bulletedLinkList(""), "* [[]]");
}

TEST(FormatText, LineKinds)
{
    EXPECT_EQ(classifyLine("Bob tells you, hi"), LineKind::Speech);
    EXPECT_EQ(classifyLine("TELL me"), LineKind::Speech);
    EXPECT_EQ(classifyLine("essay"), LineKind::Speech);
    EXPECT_EQ(classifyLine("You SaY: hello"), LineKind::Speech);
    EXPECT_EQ(classifyLine("tel"), LineKind::General);
    EXPECT_EQ(classifyLine("sa"), LineKind::General);
    EXPECT_EQ(classifyLine("t ell s ay"), LineKind::General);
    EXPECT_EQ(classifyLine("The door opens."), LineKind::General);
    EXPECT_EQ(classifyLine(""), LineKind::General);
    // A near miss right before the match must not hide it.
    EXPECT_EQ(classifyLine("ttell"), LineKind::Speech);
    EXPECT_EQ(classifyLine("ssay"), LineKind::Speech);

    EXPECT_EQ(fontColour(ChatScheme::ByLineKind, LineKind::Speech), "darkgoldenrod");
    EXPECT_EQ(fontColour(ChatScheme::ByLineKind, LineKind::General), "green");
    EXPECT_EQ(fontColour(ChatScheme::ByLineKind, LineKind::Magic), "cornflowerblue");
    EXPECT_EQ(fontColour(ChatScheme::ByLineKind, LineKind::Melee), "crimson");
    EXPECT_EQ(fontColour(ChatScheme::Spell, LineKind::Speech), "cornflowerblue");
    EXPECT_EQ(fontColour(ChatScheme::Npc, LineKind::Speech), "grey");
}

TEST(FormatText, DialogColouring)
{
    EXPECT_EQ(dialog("Bob tells you, hi\r\nThe door opens."),
              gold("Bob tells you, hi") + green("The door opens."));
    // An empty line in the middle stays empty.
    EXPECT_EQ(dialog("TELL me\r\n\r\nessay"), gold("TELL me") + "\r\n" + gold("essay"));
    // LF-only and CR LF logs split alike, a lone CR ends a line too.
    EXPECT_EQ(dialog("a\nb\n\nc"), dialog("a\r\nb\r\n\r\nc"));
    EXPECT_EQ(dialog("a\rb"), green("a") + green("b"));
    EXPECT_EQ(dialog("\na\r\r\nb\n\r"), "\r\n" + green("a") + "\r\n" + green("b") + "\r\n\r\n");
    // A final line end gives a final empty line.
    EXPECT_EQ(dialog("a\r\n"), green("a") + "\r\n");
    EXPECT_TRUE(dialog("x\r\ny\r\n").endsWith("</font><br>\r\n\r\n"));
    // The emptiness test comes before the trim.
    EXPECT_EQ(dialog("   "), green(""));
    EXPECT_EQ(dialog("  say it  "), gold("say it"));
    EXPECT_EQ(dialog("\tsay\t"), gold("\tsay\t"));
    EXPECT_EQ(dialog(""), "\r\n");
}

TEST(FormatText, SingleColourSchemes)
{
    const QString blue = QStringLiteral("<font color=cornflowerblue>Bob says hi</font><br>\r\n"
                                        "\r\n"
                                        "<font color=cornflowerblue>Rain</font><br>\r\n");
    EXPECT_EQ(dialog("Bob says hi\n\nRain", Click::Right), blue);
    EXPECT_EQ(colourChat(folderless, "Bob says hi\n\nRain", ChatScheme::Spell), blue);
    EXPECT_EQ(colourChat(folderless, "Bob says hi\r\nRain ", ChatScheme::Npc),
              "<font color=grey>Bob says hi</font><br>\r\n<font color=grey>Rain</font><br>\r\n");
    EXPECT_EQ(colourChatLines({"", "a"}, ChatScheme::Npc), "\r\n<font color=grey>a</font><br>\r\n");
    EXPECT_EQ(colourChatLines({}, ChatScheme::ByLineKind), "");
}

TEST(FormatText, AnyCharacterSurvives)
{
    const QString text = QString::fromUtf8("Café Straße 日本 \xF0\x9F\x98\x80");
    EXPECT_EQ(redirect(text), "#Redirect [[" + text + "]]");
    EXPECT_EQ(inlineLinkList(text + ", " + text), "[[" + text + "]], [[" + text + "]]");
    EXPECT_EQ(bulletedLinkList(text + "\n" + text), "* [[" + text + "]]\r\n* [[" + text + "]]");
    // Only ASCII letters make a speech line; the emoji (a surrogate pair) stays whole.
    EXPECT_EQ(dialog(text), green(text));
    EXPECT_EQ(dialog(QString::fromUtf8("日本 says \xF0\x9F\x98\x80")), gold(QString::fromUtf8("日本 says \xF0\x9F\x98\x80")));
    EXPECT_EQ(dialog(QString(QChar(0)) + "a"), green(QString(QChar(0)) + "a"));
}

TEST(FormatText, ScratchFile)
{
    testsupport::ProgramFolder folder;
    // The scratch file holds the normalised text and one more line end, as UTF-8.
    const QString log = QString::fromUtf8("Bob tells you, hé\nDoor\r\n");
    const QString coloured = colourChat(folder.path(), log, ChatScheme::ByLineKind);
    EXPECT_EQ(folder.read("Parse.tmp"), QByteArray("Bob tells you, h\xC3\xA9\r\nDoor\r\n\r\n"));
    EXPECT_EQ(coloured, gold(QString::fromUtf8("Bob tells you, hé")) + green("Door") + "\r\n");

    // Every use replaces the earlier content.
    colourChat(folder.path(), "x", ChatScheme::Npc);
    EXPECT_EQ(folder.read("Parse.tmp"), QByteArray("x\r\n"));

    // A scratch file that cannot be written costs nothing: a missing folder, or a
    // directory standing where the file should be.
    EXPECT_EQ(colourChat(folder.file("missing"), log, ChatScheme::ByLineKind), coloured);
    testsupport::ProgramFolder blocked;
    ASSERT_TRUE(QDir(blocked.path()).mkdir("Parse.tmp"));
    EXPECT_EQ(colourChat(blocked.path(), log, ChatScheme::ByLineKind), coloured);
    EXPECT_TRUE(QFileInfo(blocked.file("Parse.tmp")).isDir());
}

TEST(FormatText, HugeTextGoesThrough)
{
    // About 50 MB of copied text (in UTF-8), mixed line ends, speech lines and blanks.
    const QString chunk = QStringLiteral("Bob tells you, hi there, friend\r\nThe door opens.\n   \r\n");
    const qsizetype repeats = 50 * 1024 * 1024 / chunk.size();
    const QString text = chunk.repeated(repeats);
    const qsizetype lines = 3 * repeats + 1;

    testsupport::ProgramFolder folder;
    const QString coloured = colourChat(folder.path(), text, ChatScheme::ByLineKind);
    EXPECT_EQ(coloured.count(QStringLiteral("\r\n")), lines);
    EXPECT_EQ(coloured.count(QStringLiteral("darkgoldenrod")), repeats);
    EXPECT_TRUE(coloured.startsWith(gold("Bob tells you, hi there, friend") + green("The door opens.") + green("")));
    EXPECT_TRUE(coloured.endsWith(green("") + "\r\n"));
    EXPECT_EQ(folder.read("Parse.tmp").size(), text.size() + repeats + 2);

    const QString bullets = bulletedLinkList(text);
    EXPECT_TRUE(bullets.startsWith("* [[Bob tells you]]\r\n* [[hi there]]\r\n* [[friend]]\r\n* [[The door opens.]]"));
    EXPECT_TRUE(bullets.endsWith("* [[The door opens.]]\r\n* [[   ,]]"));
    const QString inlined = inlineLinkList(text);
    EXPECT_TRUE(inlined.startsWith("[[Bob tells you]], [[hi there]], [[friend\r\nThe door"));
    EXPECT_EQ(inlined.count(QStringLiteral("]], [[")), 2 * repeats);
}
