#include "wikitext/formattext.h"

#include "testsupport.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <ostream>

using namespace formatText;

// Readable failures: QString is printed as its text.
static void PrintTo(const QString &text, std::ostream *out) { *out << '"' << text.toStdString() << '"'; }

namespace {

const QString nowhere = QStringLiteral("/nonexistent-quillmark-folder/sub");

QString green(const QString &t) { return "<font color=green>" + t + "</font><br>\r\n"; }
QString gold(const QString &t) { return "<font color=darkgoldenrod>" + t + "</font><br>\r\n"; }
QString dialog(const QString &text, Click click = Click::Left) { return transform(0, click, text, nowhere); }

} // namespace

TEST(FormatText, WrappersUseTheTextAsGiven)
{
    EXPECT_EQ(tooltip, "Formats text currently in clipboard (copied text). Right click for alternate format operation.");
    EXPECT_EQ(transform(2, Click::Right, "Sword", nowhere), "{{Icon|Sword}}");
    EXPECT_EQ(transform(2, Click::Left, "Sword", nowhere), "[[File:Sword.jpg]]");
    EXPECT_EQ(transform(2, Click::Left, "Sword.jpg", nowhere), "[[File:Sword.jpg.jpg]]");
    EXPECT_EQ(transform(3, Click::Left, " a B\r\n", nowhere), "#Redirect [[ a B\r\n]]");
    EXPECT_EQ(transform(3, Click::Right, "", nowhere), "[[Category:]]");
    EXPECT_EQ(transform(4, Click::Left, "x", nowhere), "");
}

TEST(FormatText, LinkLists)
{
    EXPECT_EQ(transform(1, Click::Left, "  A, B  ", nowhere), "[[A]], [[B]]");
    EXPECT_EQ(inlineLinkList("A,B"), "[[A,B]]");
    EXPECT_EQ(inlineLinkList("A,  B"), "[[A]], [[ B]]"); // one blank belongs to the separator
    EXPECT_EQ(inlineLinkList("\tA\r\n"), "[[\tA\r\n]]");  // only blanks are trimmed
    EXPECT_EQ(inlineLinkList(""), "[[]]");

    EXPECT_EQ(transform(1, Click::Right, "Sword\r\nBow\r\nAxe", nowhere), "* [[Sword]]\r\n* [[Bow]]\r\n* [[Axe]]");
    // The final line end survives as a bare comma in the last link.
    EXPECT_EQ(bulletedLinkList("A\r\nB\r\n"), "* [[A]]\r\n* [[B,]]");
    EXPECT_EQ(bulletedLinkList("A\nB\n"), "* [[A]]\r\n* [[B,]]");
    // A ", " inside a line splits too; items are not trimmed one by one; a lone CR stays.
    EXPECT_EQ(bulletedLinkList("Sword, Bow\r\n Axe"), "* [[Sword]]\r\n* [[Bow]]\r\n* [[ Axe]]");
    EXPECT_EQ(bulletedLinkList("A\r\n\r\nB\rC"), "* [[A]]\r\n* [[]]\r\n* [[B\rC]]");
    EXPECT_EQ(bulletedLinkList(""), "* [[]]");
}

TEST(FormatText, LineKindsAndColours)
{
    for (const char *speech : {"Bob tells you, hi", "TELL me", "essay", "You SaY", "ttell", "ssay"})
        EXPECT_EQ(classifyLine(QString::fromLatin1(speech)), LineKind::Speech) << speech;
    for (const char *general : {"tel", "sa", "t ell s ay", "The door opens.", ""})
        EXPECT_EQ(classifyLine(QString::fromLatin1(general)), LineKind::General) << general;

    EXPECT_EQ(fontColour(ChatScheme::ByLineKind, LineKind::Magic), "cornflowerblue");
    EXPECT_EQ(fontColour(ChatScheme::ByLineKind, LineKind::Melee), "crimson");
    EXPECT_EQ(fontColour(ChatScheme::Spell, LineKind::Speech), "cornflowerblue");
    EXPECT_EQ(fontColour(ChatScheme::Npc, LineKind::Speech), "grey");
}

TEST(FormatText, DialogColouring)
{
    EXPECT_EQ(dialog("Bob tells you, hi\r\nThe door opens."), gold("Bob tells you, hi") + green("The door opens."));
    EXPECT_EQ(dialog("TELL me\r\n\r\nessay"), gold("TELL me") + "\r\n" + gold("essay"));
    // LF-only and CR LF logs split alike; a lone CR ends a line too.
    EXPECT_EQ(dialog("a\nb\n\nc"), dialog("a\r\nb\r\n\r\nc"));
    EXPECT_EQ(dialog("\na\r\r\nb\n\r"), "\r\n" + green("a") + "\r\n" + green("b") + "\r\n\r\n");
    EXPECT_TRUE(dialog("x\r\ny\r\n").endsWith("</font><br>\r\n\r\n"));
    // The emptiness test comes before the trim, which takes blanks only.
    EXPECT_EQ(dialog("   "), green(""));
    EXPECT_EQ(dialog("  say it  "), gold("say it"));
    EXPECT_EQ(dialog("\tsay\t"), gold("\tsay\t"));
    EXPECT_EQ(dialog(""), "\r\n");

    const QString blue = "<font color=cornflowerblue>Bob says hi</font><br>\r\n\r\n"
                         "<font color=cornflowerblue>Rain</font><br>\r\n";
    EXPECT_EQ(dialog("Bob says hi\n\nRain", Click::Right), blue);
    EXPECT_EQ(colourChat(nowhere, "Bob says hi\n\nRain", ChatScheme::Spell), blue);
    EXPECT_EQ(colourChatLines({u"Hi ", u""}, ChatScheme::Npc), "<font color=grey>Hi</font><br>\r\n\r\n");
}

TEST(FormatText, AnyCharacterSurvives)
{
    const QString text = QString::fromUtf8("Café Straße 日本 \xF0\x9F\x98\x80");
    EXPECT_EQ(redirect(text), "#Redirect [[" + text + "]]");
    EXPECT_EQ(inlineLinkList(text + ", " + text), "[[" + text + "]], [[" + text + "]]");
    EXPECT_EQ(bulletedLinkList(text + "\n" + text), "* [[" + text + "]]\r\n* [[" + text + "]]");
    EXPECT_EQ(dialog(text + "\n" + text + " says"), green(text) + gold(text + " says"));
    EXPECT_EQ(dialog(QString(QChar(0)) + "a"), green(QString(QChar(0)) + "a"));
}

TEST(FormatText, ScratchFile)
{
    testsupport::ProgramFolder folder;
    const QString log = QString::fromUtf8("Bob tells you, hé\nDoor\r\n");
    const QString coloured = colourChat(folder.path(), log, ChatScheme::ByLineKind);
    EXPECT_EQ(coloured, gold(QString::fromUtf8("Bob tells you, hé")) + green("Door") + "\r\n");
    // The normalised text and one more line end, replacing what was there.
    EXPECT_EQ(folder.read("Parse.tmp"), QByteArray("Bob tells you, h\xC3\xA9\r\nDoor\r\n\r\n"));
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
    // About 50 MB of copied text: mixed line ends, speech lines and blank lines.
    const QString chunk = QStringLiteral("Bob tells you, hi there, friend\r\nThe door opens.\n   \r\n");
    const qsizetype repeats = 50 * 1024 * 1024 / chunk.size();
    const QString text = chunk.repeated(repeats);

    testsupport::ProgramFolder folder;
    const QString coloured = colourChat(folder.path(), text, ChatScheme::ByLineKind);
    EXPECT_EQ(coloured.count(QStringLiteral("\r\n")), 3 * repeats + 1);
    EXPECT_EQ(coloured.count(QStringLiteral("darkgoldenrod")), repeats);
    EXPECT_TRUE(coloured.startsWith(gold("Bob tells you, hi there, friend") + green("The door opens.") + green("")));
    EXPECT_TRUE(coloured.endsWith(green("") + "\r\n"));
    EXPECT_EQ(folder.read("Parse.tmp").size(), text.size() + repeats + 2);

    const QString bullets = bulletedLinkList(text);
    EXPECT_TRUE(bullets.startsWith("* [[Bob tells you]]\r\n* [[hi there]]\r\n* [[friend]]\r\n* [[The door opens.]]"));
    EXPECT_TRUE(bullets.endsWith("* [[The door opens.]]\r\n* [[   ,]]"));
    EXPECT_EQ(bullets.count(QStringLiteral("\r\n")), 5 * repeats - 1);
    const QString inlined = inlineLinkList(text);
    EXPECT_TRUE(inlined.startsWith("[[Bob tells you]], [[hi there]], [[friend\r\nThe door"));
    EXPECT_EQ(inlined.count(QStringLiteral("]], [[")), 2 * repeats);
}
