#include "support.h"
#include "wikitext/clipboardslots.h"
#include "wikitext/formattext.h"
#include "wikitext/mappoints.h"
#include "wikitext/multiuse.h"

#include <functional>

using namespace formatText;

namespace {

const QString nowhere = QStringLiteral("/nonexistent-quillmark-folder/sub");
QString green(const QString &t) { return "<font color=green>" + t + "</font><br>\r\n"; }
QString gold(const QString &t) { return "<font color=darkgoldenrod>" + t + "</font><br>\r\n"; }
QString blue(const QString &t) { return "<font color=cornflowerblue>" + t + "</font><br>\r\n"; }

} // namespace

TEST(FormatText, EachButtonAndClickMakesItsMarkupFromTheTextAsGiven)
{
    const QString any = QString::fromUtf8("Café 日本 \xF0\x9F\x98\x80");
    const std::tuple<int, Click, QString, QString> cases[] = {{3, Click::Left, " a\r\nB\r\n", "#Redirect [[a\r\nB]]"},
        {3, Click::Right, "", "[[Category:]]"}, {3, Click::Left, any, "#Redirect [[" + any + "]]"},
        {3, Click::Right, "Weapons", "[[Category:Weapons]]"}, {2, Click::Left, "Sword.jpg", "[[File:Sword.jpg.jpg]]"},
        {2, Click::Right, any, "{{Icon|" + any + "}}"}, {1, Click::Left, "  A, B  ", "[[A]], [[B]]"},
        {1, Click::Left, "A,B", "[[A,B]]"},
        {1, Click::Left, "A,  B", "[[A]], [[ B]]"}, // one blank belongs to the separator
        {1, Click::Left, "\tA\t\r\n", "[[\tA\t]]"}, // only blanks and line ends are trimmed
        {1, Click::Left, "", "[[]]"}, {1, Click::Left, any + ", x", "[[" + any + "]], [[x]]"},
        {1, Click::Right, "Sword\r\nBow\r\nAxe", "* [[Sword]]\r\n* [[Bow]]\r\n* [[Axe]]"},
        {1, Click::Right, "Sword, Bow\r\n Axe", "* [[Sword]]\r\n* [[Bow]]\r\n* [[ Axe]]"},
        {1, Click::Right, "A\r\n\r\nB\rC", "* [[A]]\r\n* [[]]\r\n* [[B\rC]]"}, {1, Click::Right, "", "* [[]]"},
        {0, Click::Left, "Bob tells you, hi\r\nThe door opens.", gold("Bob tells you, hi") + green("The door opens.")},
        {0, Click::Left, "TELL me\r\n\r\nessay", gold("TELL me") + "\r\n" + gold("essay")},
        {0, Click::Left, "\na\r\r\nb\n\r", "\r\n" + green("a") + "\r\n" + green("b") + "\r\n\r\n"},
        {0, Click::Left, "x\r\ny\r\n", green("x") + green("y") + "\r\n"},
        {0, Click::Left, "   ", green("")}, // emptiness is judged before the trim
        {0, Click::Left, "  say it  ", gold("say it")}, {0, Click::Left, "\tsay\t", gold("\tsay\t")},
        {0, Click::Left, "", "\r\n"}, {0, Click::Left, any + "\n" + any + " says", green(any) + gold(any + " says")},
        {0, Click::Left, QString(QChar(0)) + "a", green(QString(QChar(0)) + "a")},
        {0, Click::Right, "Bob says hi\n\nRain", blue("Bob says hi") + "\r\n" + blue("Rain")},
        {4, Click::Left, "x", ""}, {-1, Click::Right, "x", ""}};
    for (const auto &[index, click, text, markup] : cases)
        EXPECT_EQ(transform(index, click, text, nowhere), markup) << index << " " << text.toStdString();
    EXPECT_EQ(transform(0, Click::Left, "a\nb\n\nc", nowhere), transform(0, Click::Left, "a\r\nb\r\n\r\nc", nowhere));
}

TEST(FormatText, LineEndsAndBlanksAroundACopyStayOutOfLinksAndTemplates)
{
    const auto mapPoint = [](const QString &t) { return mapPoints::mapPoint(t); };
    const auto bracketed = [](const QString &t) { return multiUse::customFormat("[[", t, "]]"); };
    const auto button = [](int index, Click click) {
        return [=](const QString &t) { return transform(index, click, t, nowhere); };
    };
    const std::tuple<std::function<QString(const QString &)>, QString, QString> cases[] = {
        {button(1, Click::Left), "Sword, Bow", "[[Sword]], [[Bow]]"},
        {button(1, Click::Right), "Sword\nBow, Axe", "* [[Sword]]\r\n* [[Bow]]\r\n* [[Axe]]"},
        {button(1, Click::Right), "Sword\r\n\r\nBow", "* [[Sword]]\r\n* [[]]\r\n* [[Bow]]"}, // inside: kept
        {button(2, Click::Left), "Sword", "[[File:Sword.jpg]]"}, {button(2, Click::Right), "Sword", "{{Icon|Sword}}"},
        {button(3, Click::Left), "Sword", "#Redirect [[Sword]]"},
        {button(3, Click::Right), "Weapons", "[[Category:Weapons]]"}, {bracketed, "Sword", "[[Sword]]"},
        {mapPoint, "12.3N, 45.6E", "{{Map Point\r\n | 12.3 | N | 45.6 | E\r\n}}"},
        {mapPoint, "12.3N, 45.6", "{{Map Point\r\n}}"}, // a final line end is no letter
        {[](const QString &t) { return mapPoints::mapPointPlus(t); }, "1N 2W",
            "{{Map Point Plus\r\n | Points = \r\n{{MPP Loc | 1 | N | 2 | W | Large |  }}\r\n}}"}};
    for (const auto &[format, copied, markup] : cases)
        for (const char *around : {"%1", "%1\n", "%1\r\n", "%1\r\n\r\n\n", "%1 \r\n ", "\r\n %1"})
            EXPECT_EQ(format(QString(around).arg(copied)), markup) << QString(around).arg(copied).toStdString();
}

TEST(FormatText, SpeechLinesAndTheColourOfEachScheme)
{
    for (const char *speech : {"Bob tells you, hi", "TELL me", "essay", "You SaY", "ttell", "ssay", "xsa say"})
        EXPECT_EQ(classifyLine(QString::fromLatin1(speech)), LineKind::Speech) << speech;
    for (const char *general : {"tel", "sa", "t ell s ay", "The door opens.", ""})
        EXPECT_EQ(classifyLine(QString::fromLatin1(general)), LineKind::General) << general;
    const std::tuple<ChatScheme, LineKind, const char *> colours[]
        = {{ChatScheme::ByLineKind, LineKind::Magic, "cornflowerblue"},
            {ChatScheme::ByLineKind, LineKind::Melee, "crimson"}, {ChatScheme::ByLineKind, LineKind::General, "green"},
            {ChatScheme::Spell, LineKind::Speech, "cornflowerblue"}, {ChatScheme::Npc, LineKind::Speech, "grey"},
            {ChatScheme::Npc, LineKind::General, "grey"}};
    for (const auto &[scheme, kind, colour] : colours)
        EXPECT_EQ(fontColour(scheme, kind), colour);
    EXPECT_EQ(colourChatLines({u"Hi ", u""}, ChatScheme::Npc), "<font color=grey>Hi</font><br>\r\n\r\n");
}

TEST(FormatText, ChatGoesThroughTheScratchFileNormalisedWithOneMoreLineEnd)
{
    testsupport::ProgramFolder folder;
    const QString log = QString::fromUtf8("Bob tells you, hé\nDoor\r\n");
    EXPECT_EQ(colourChat(folder.path(), log, ChatScheme::ByLineKind),
        gold(QString::fromUtf8("Bob tells you, hé")) + green("Door") + "\r\n");
    EXPECT_EQ(folder.read("Parse.tmp"), "Bob tells you, h\xC3\xA9\r\nDoor\r\n\r\n");
    EXPECT_EQ(colourChat(folder.file("missing"), "x", ChatScheme::Npc), "<font color=grey>x</font><br>\r\n");
}

TEST(ClipboardSlots, CaptionsKeyValuesAndSlotFiles)
{
    using namespace clipboardSlots;
    const QString emoji = QString::fromUcs4(U"\U0001F600");
    for (const auto &[text, shown] : {std::pair{QString("abcdef"), QString("abcdef")}, {"abcdefg", "abcdef..."},
             {"abcde" + emoji, "abcde..."}, {"abcd" + emoji, "abcd" + emoji}, {"", ""}})
        EXPECT_EQ(caption(text), shown) << text.toStdString();
    for (const auto &[value, kind] :
        {std::pair{"notes.txt", SlotFile::Text}, {"a.bmp", SlotFile::Bitmap}, {"txt", SlotFile::None},
            {".txt", SlotFile::None}, {"3.png", SlotFile::None}, {"3.txt.old", SlotFile::None}})
        EXPECT_EQ(restoreFrom(value), kind) << value;
    EXPECT_EQ(fileName(2, SlotFile::Text), "2.txt");
    EXPECT_EQ(fileName(8, SlotFile::Bitmap), "8.bmp");
    EXPECT_EQ(fileName(8, SlotFile::None), "");
    testsupport::ProgramFolder folder;
    const QString path = folder.file("Templates/3.txt");
    for (const QString &text : {QString(), QStringLiteral("one\r\ntwo\r\n\r\nthree"), QStringLiteral("ends\r\n"),
             QStringLiteral("lf\nstays\n"), QStringLiteral("Gr\u00fc\u00dfe")}) {
        ASSERT_TRUE(writeText(path, text));
        EXPECT_EQ(folder.read("Templates/3.txt"), text.toUtf8() + "\r\n");
        EXPECT_EQ(readText(path), text);
    }
    // Files made elsewhere: a lone CR ends a line too; an older system's bytes are Latin-1.
    EXPECT_EQ(joinLines("a\rb\r"), "a\r\nb");
    EXPECT_EQ(joinLines("a\r\r\n"), "a\r\n");
    folder.write("Templates/1.txt", "caf\xe9\r\n");
    EXPECT_EQ(readText(folder.file("Templates/1.txt")), QStringLiteral("caf\u00e9"));
    EXPECT_EQ(readText(folder.file("Templates/2.txt")), std::nullopt);
    EXPECT_FALSE(writeText(folder.file("missing/1.txt"), "x"));
}
