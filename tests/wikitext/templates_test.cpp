#include "common/textfile.h"
#include "testsupport.h"
#include "wikitext/templates.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <ostream>

// Readable failures: QString is printed as its text.
static void PrintTo(const QString &text, std::ostream *out) { *out << '"' << text.toStdString() << '"'; }

namespace {

using testsupport::ProgramFolder;

QString fromU16(const char16_t *text) { return QString::fromUtf16(text); }

// A page as copied: LF line ends, split the way the button splits it.
QString pageSection(const QStringList &pageLines, const QString &name)
{
    const QString text = pageLines.join(u'\n');
    return templates::TemplatePage(textFiles::splitLineViews(text, textFiles::LoneLf::EndsLine)).section(name);
}

TEST(TemplatePaths, ResolveDefaultRelativeAndAbsoluteValues)
{
    ProgramFolder folder;
    QDir(folder.path()).mkpath(QStringLiteral("mine"));
    folder.write(QStringLiteral("Templates/Armor.txt"), "a");
    const QString root = folder.path() + u'/';
    struct Case {
        const char *configured, *expected; // expected relative to the program folder; "" for none
    } cases[] = {
        {"Default Armor.txt", "Templates/Armor.txt"},
        {"default   Armor.txt", "Templates/Armor.txt"}, // any case, blanks after the prefix trimmed
        {"DEFAULT armor.TXT", "Templates/Armor.txt"},   // found without regard to case
        {"Default Shield.txt", "Templates/Shield.txt"}, // missing: the exact name
        {"Defaults.txt", "Templates/s.txt"},            // the prefix is only seven characters
        {"mine/Quest.txt", "mine/Quest.txt"},           // relative to the program folder
        {"", ""},
    };
    for (const Case &c : cases) {
        const QString expected = *c.expected ? root + QString::fromLatin1(c.expected) : QString();
        EXPECT_EQ(QDir::cleanPath(templates::resolvePath(QString::fromLatin1(c.configured), folder.path())),
                  QDir::cleanPath(expected))
            << c.configured;
    }
    const QString absolute = folder.file(QStringLiteral("Templates/Armor.txt"));
    EXPECT_EQ(templates::resolvePath(absolute, QStringLiteral("/elsewhere")), absolute);
}

TEST(TemplateFiles, EveryLineEndsInCrLf)
{
    ProgramFolder folder;
    struct Case {
        QByteArray bytes;
        QString expected;
    } cases[] = {
        {"a\r\nb\r\n", QStringLiteral("a\r\nb\r\n")},
        {"a\nb\n", QStringLiteral("a\r\nb\r\n")},
        {"a\rb\r", QStringLiteral("a\r\nb\r\n")},
        {"a\r\n\nb", QStringLiteral("a\r\n\r\nb\r\n")}, // no final line end, an empty line kept
        {"\n", QStringLiteral("\r\n")},
        {"", QString()}, // a file without lines gives no text, not "No Template Found"
        {"\xE9p\xE9" "e\n", fromU16(u"épée\r\n")},   // Latin-1
        {"\xC3\xA9p\xC3\xA9""e", fromU16(u"épée\r\n")}, // UTF-8
    };
    for (const Case &c : cases) {
        folder.write(QStringLiteral("Templates/t.txt"), c.bytes);
        EXPECT_EQ(templates::readTemplateFile(folder.file(QStringLiteral("Templates/t.txt"))), c.expected)
            << c.bytes.toStdString();
    }

    QByteArray binary;
    for (int i = 0; i < 4096; ++i)
        binary.append(char(i * 7 % 256));
    folder.write(QStringLiteral("Templates/b.bin"), binary);
    const QString read = templates::readTemplateFile(folder.file(QStringLiteral("Templates/b.bin")));
    EXPECT_TRUE(read.endsWith(QStringLiteral("\r\n")));
    EXPECT_GE(read.size(), binary.size());

    for (const QString &missing : {QString(), folder.file(QStringLiteral("Templates/none.txt")),
                                   folder.file(QStringLiteral("Templates"))})
        EXPECT_EQ(templates::readTemplateFile(missing), QStringLiteral("No Template Found")) << missing.toStdString();
}

TEST(TemplateButtons, ColoursAndTooltips)
{
    struct ColourCase {
        const char *text;
        QColor expected;
    } colours[] = {
        {"FFE0C0", QColor(255, 224, 192)}, {"ffe0c0", QColor(255, 224, 192)}, {"C0C0FF99", QColor(192, 192, 255)},
        {"000000", QColor(0, 0, 0)},       {"FFE0", Qt::white},               {"", Qt::white},
        {"FFE0CG", Qt::white},             {" FE0C0", Qt::white},             {"+1E0C0", Qt::white},
    };
    for (const ColourCase &c : colours)
        EXPECT_EQ(templates::buttonColour(QString::fromLatin1(c.text)), c.expected) << c.text;

    struct TipCase {
        const char16_t *alternatePath, *tooltip;
    } tips[] = {
        {u"Default Creature Alt.txt", u" Right click for:   Creature Alt"},
        {u"DEFAULT Quest Alt.txt", u" Right click for:   Quest Alt"},
        {u"C:\\Mine\\Armor Alt.txt", u" Right click for:   Armor Alt"},
        {u"/home/me/Shield Alt.txt", u" Right click for:   Shield Alt"},
        {u"Default.txt", u" Right click for:   "}, // too short to hold a name
        {u"Default \U0001F5E1 Alt.txt", u" Right click for:   \U0001F5E1 Alt"},
        {u"", u"Alt template open"},
    };
    for (const TipCase &c : tips)
        EXPECT_EQ(templates::tooltip(fromU16(c.alternatePath)), fromU16(c.tooltip));
}

TEST(TemplatePage, SectionScanAndCut)
{
    struct Case {
        const char *what;
        QStringList page;
        QString expected;
    } cases[] = {
        {"the page layout",
         {"intro", "<Armor>", "", "{{Armor", "}}", "", "</Armor>", "<Shield>", "", "s", "", "</Shield>"},
         QStringLiteral("{{Armor\r\n}}")},
        {"opening tag directly followed by closing", {"<Armor>", "</Armor>", "after"}, QString()},
        {"trailing blank on the opening tag", {"<Armor> ", "", "x", "", "</Armor>"}, QString()},
        {"tags match by exact case", {"<armor>", "", "x", "", "</armor>"}, QString()},
        {"no closing tag: to the end, uncut", {"<Armor>", "", "a", "b"}, QStringLiteral("\r\na\r\nb\r\n")},
        {"closing tag with other case does not close", {"<Armor>", "", "x", "", "</ARMOR>"},
         QStringLiteral("\r\nx\r\n\r\n</ARMOR>\r\n")},
        {"opening tag as the last line", {"x", "<Armor>"}, QString()},
        {"the line after an opening tag is never an opening tag", {"<Armor>", "<Armor>", "x", "</Armor>"},
         QStringLiteral("rmor>\r")},
        {"no blank lines: the cut takes template text", {"<Armor>", "abc", "defgh", "</Armor>"},
         QStringLiteral("c\r\ndef")},
        {"a second section of the same name adds to the cut first",
         {"<Armor>", "", "x", "", "</Armor>", "<Armor>", "", "y", "", "</Armor>"}, QStringLiteral("\ny")},
        {"a closing tag alone cuts again", {"<Armor>", "", "abcdefgh", "", "</Armor>", "</Armor>"},
         QStringLiteral("cd")},
        {"characters, not code units", {"<Armor>", "\U0001F5E1x", "\U0001F5E1y\U0001F5E1\U0001F5E1", "</Armor>"},
         fromU16(u"\r\n\U0001F5E1y")},
    };
    for (const Case &c : cases)
        EXPECT_EQ(pageSection(c.page, QStringLiteral("Armor")), c.expected) << c.what;
}

class UpdateTemplates : public ::testing::Test {
protected:
    int update(const QStringList &page, const QStringList &paths)
    {
        text = page.join(u'\n');
        return templates::updateTemplates(
            templates::TemplatePage(textFiles::splitLineViews(text, textFiles::LoneLf::EndsLine)), paths,
            folder.path());
    }
    QStringList templateFiles() const
    {
        const QDir templatesFolder(folder.file(QStringLiteral("Templates")));
        return templatesFolder.entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
    }

    ProgramFolder folder;
    QString text;
    const QStringList page = {"<Armor>", "", "{{Armor", "}}", "", "</Armor>", "",
                              "<Shield>", "", "{{Shield}}", "", "</Shield>", "<Notes>", "", "my notes", "", "</Notes>"};
};

TEST_F(UpdateTemplates, WritesEachFoundSectionAndCountsEveryWrite)
{
    folder.write(QStringLiteral("Templates/Shield.txt"), "old");
    EXPECT_EQ(update(page, {"Default Armor.txt", "Default Shield.txt", "", "Default Quest.txt"}), 2);
    EXPECT_EQ(folder.read(QStringLiteral("Templates/Armor.txt")), QByteArray("{{Armor\r\n}}\r\n"));
    EXPECT_EQ(folder.read(QStringLiteral("Templates/Shield.txt")), QByteArray("{{Shield}}\r\n"));
    EXPECT_EQ(templateFiles(), QStringList({"Armor.txt", "Shield.txt"})); // Quest not on the page: no file

    // The same file as Path and AlternatePath is written and counted twice.
    EXPECT_EQ(update(page, {"Default Armor.txt", "Default Armor.txt"}), 2);
}

TEST_F(UpdateTemplates, UserPathsTakeOnlyTheirOwnSectionAndEmptyOnesNone)
{
    QDir(folder.path()).mkpath(QStringLiteral("mine"));
    folder.write(QStringLiteral("mine/Quest.txt"), "keep");
    EXPECT_EQ(update(page, {folder.file(QStringLiteral("mine/Shield.txt")), "mine/Quest.txt", ""}), 1);
    EXPECT_EQ(folder.read(QStringLiteral("mine/Shield.txt")), QByteArray("{{Shield}}\r\n"));
    EXPECT_EQ(folder.read(QStringLiteral("mine/Quest.txt")), QByteArray("keep"));

    EXPECT_EQ(update({"<>", "", "x", "", "</>"}, {"", "Default .txt"}), 0); // not even a nameless section
    EXPECT_TRUE(templateFiles().isEmpty());
}

TEST_F(UpdateTemplates, FilesThatCannotBeWrittenAreSkippedAndNotCounted)
{
    QDir(folder.path()).mkpath(QStringLiteral("Templates/Shield.txt")); // a folder at the target
    folder.write(QStringLiteral("Templates/Armor.txt"), "old armor");
    {
        testsupport::FileSizeLimit full(4); // a full disk
        EXPECT_EQ(update(page, {"Default Armor.txt", "Default Shield.txt"}), 0);
    }
    EXPECT_EQ(folder.read(QStringLiteral("Templates/Armor.txt")), QByteArray("old armor"));
    EXPECT_TRUE(QFileInfo(folder.file(QStringLiteral("Templates/Shield.txt"))).isDir());

    QDir(folder.file(QStringLiteral("Templates"))).removeRecursively();
    EXPECT_EQ(update(page, {"Default Armor.txt", "Default Notes.txt"}), 0);
    EXPECT_FALSE(folder.exists(QStringLiteral("Templates"))); // never created
}

} // namespace
