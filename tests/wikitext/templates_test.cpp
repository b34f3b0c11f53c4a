#include "common/textfile.h"
#include "settings/privateprofile.h"
#include "support.h"
#include "wikitext/templates.h"

using testsupport::ProgramFolder;

namespace {

QString fromU16(const char16_t *text) { return QString::fromUtf16(text); }

// A page as copied: LF line ends, split the way the button splits it.
QString pageSection(const QStringList &pageLines, const QString &name)
{
    const QString text = pageLines.join(u'\n');
    return templates::TemplatePage(textFiles::splitLineViews(text, textFiles::LoneLf::EndsLine)).section(name);
}

} // namespace

TEST(TemplateSlots, PathsFilesColoursAndAlternateNamesAsTheSettingsGiveThem)
{
    ProgramFolder folder;
    QDir(folder.path()).mkpath("mine");
    folder.write("Templates/Armor.txt", "{{Armor\n| name =\n}}");
    folder.write("Templates/armor alt.TXT", "{{Alt}}\r\n");
    const QString root = folder.path() + u'/';
    // Configured and resolved, relative to the program folder; "" for none.
    const std::pair<const char *, const char *> paths[] = {{"Default Armor.txt", "Templates/Armor.txt"},
        {"default   Armor.txt", "Templates/Armor.txt"}, // blanks after it trimmed
        {"DEFAULT armor.TXT", "Templates/Armor.txt"},   // found without regard to case
        {"Default Shield.txt", "Templates/Shield.txt"}, {"Defaults.txt", "Templates/s.txt"}, // seven characters only
        {"mine/Quest.txt", "mine/Quest.txt"}, {"", ""}};
    for (const auto &[configured, resolved] : paths)
        EXPECT_EQ(testsupport::pathKey(QDir::cleanPath(templates::resolvePath(configured, folder.path()))),
            testsupport::pathKey(QDir::cleanPath(*resolved ? root + resolved : QString())))
            << configured;
    const QString absolute = folder.file("Templates/Armor.txt");
    EXPECT_EQ(templates::resolvePath(absolute, "/elsewhere"), absolute);
    const std::pair<QByteArray, QString> files[]
        = {{"a\r\nb\r\n", "a\r\nb\r\n"}, {"a\nb\n", "a\r\nb\r\n"}, {"a\rb\r", "a\r\nb\r\n"},
            {"a\r\n\nb", "a\r\n\r\nb\r\n"}, {"\n", "\r\n"}, {"", ""}, // no lines: no text, not "No Template Found"
            {"caf\xE9\n", fromU16(u"café\r\n")}, {"caf\xC3\xA9", fromU16(u"café\r\n")}};
    for (const auto &[bytes, text] : files) {
        folder.write("Templates/t.txt", bytes);
        EXPECT_EQ(templates::readTemplateFile(folder.file("Templates/t.txt")), text) << bytes.toStdString();
    }
    for (const QString &missing : {QString(), folder.file("Templates/none.txt"), folder.file("Templates")})
        EXPECT_EQ(templates::readTemplateFile(missing), "No Template Found") << missing.toStdString();
    for (const auto &[text, colour] : {std::pair{"FFE0C0", QColor(255, 224, 192)}, {"ffe0c0", QColor(255, 224, 192)},
             {"C0C0FF99", QColor(192, 192, 255)}, {"000000", QColor(0, 0, 0)}, {"FFE0", QColor(Qt::white)},
             {"", QColor(Qt::white)}, {"FFE0CG", QColor(Qt::white)}, {"GFE0C0", QColor(Qt::white)},
             {" FE0C0", QColor(Qt::white)}, {"+1E0C0", QColor(Qt::white)}, {"9:0000", QColor(Qt::white)}})
        EXPECT_EQ(templates::buttonColour(text), colour) << text;
    const std::pair<const char16_t *, const char16_t *> tips[] = {
        {u"Default Creature Alt.txt", u"Creature Alt"}, {u"DEFAULT Quest Alt.txt", u"Quest Alt"},
        {u"C:\\Mine\\Armor Alt.txt", u"Armor Alt"}, {u"/home/me/Shield Alt.txt", u"Shield Alt"},
        {u"Default \U0001F5E1 Alt.txt", u"\U0001F5E1 Alt"}, {u"/x/\U0001F5E1.txt", u"\U0001F5E1"},
        {u"Default x\xD83D.txt", u"x\xD83D"}, // a lone surrogate is one character too
        {u"Default.txt", u""}, {u"C:\\ab", u""}, {u"abcd", u""}, {u"a\U0001F5E1", u""} // no name before the extension
    };
    for (const auto &[alternate, name] : tips)
        EXPECT_EQ(templates::alternateName(fromU16(alternate)), fromU16(name));
    PrivateProfile ini;
    ini.write("Template4", "Path", "Default Armor.txt");
    ini.write("Template4", "AlternatePath", "Default Armor Alt.txt");
    ini.write("Template4", "Name", "Armor");
    ini.write("Template4", "BackgroundColor", "C0C0FF");
    const templates::Slot slot = templates::loadSlot(ini, 4, folder.path());
    EXPECT_EQ(QStringList({slot.name, slot.backgroundColor, slot.text, slot.alternateText}),
        QStringList({"Armor", "C0C0FF", "{{Armor\r\n| name =\r\n}}\r\n", "{{Alt}}\r\n"}));
    EXPECT_EQ(templates::loadSlot(ini, 5, folder.path()).text, "No Template Found");
}

TEST(TemplatePage, SectionScanAndCut)
{
    const std::tuple<const char *, QStringList, QString> cases[]
        = {{"the page layout",
               {"intro", "<Armor>", "", "{{Armor", "}}", "", "</Armor>", "<Shield>", "", "s", "", "</Shield>"},
               "{{Armor\r\n}}"},
            {"opening tag directly followed by closing", {"<Armor>", "</Armor>", "after"}, ""},
            {"trailing blank on the opening tag", {"<Armor> ", "", "x", "", "</Armor>"}, ""},
            {"tags match by exact case", {"<armor>", "", "x", "", "</armor>"}, ""},
            {"no closing tag: to the end, uncut", {"<Armor>", "", "a", "b"}, "\r\na\r\nb\r\n"},
            {"closing tag of another case does not close", {"<Armor>", "", "x", "", "</ARMOR>"},
                "\r\nx\r\n\r\n</ARMOR>\r\n"},
            {"opening tag as the last line", {"x", "<Armor>"}, ""},
            {"the line after an opening tag is never one", {"<Armor>", "<Armor>", "x", "</Armor>"}, "rmor>\r"},
            {"no blank lines: the cut takes template text", {"<Armor>", "abc", "defgh", "</Armor>"}, "c\r\ndef"},
            {"a second section of the name adds to the cut first",
                {"<Armor>", "", "x", "", "</Armor>", "<Armor>", "", "y", "", "</Armor>"}, "\ny"},
            {"a closing tag alone cuts again", {"<Armor>", "", "abcdefgh", "", "</Armor>", "</Armor>"}, "cd"},
            {"characters, not code units", {"<Armor>", "\U0001F5E1x", "\U0001F5E1y\U0001F5E1\U0001F5E1", "</Armor>"},
                fromU16(u"\r\n\U0001F5E1y")},
            {"too short to cut", {"<Armor>", "", "</Armor>"}, ""},
            {"tags of three characters", {"<A>", "", "a", "", "</A>"}, ""}};
    for (const auto &[what, page, expected] : cases)
        EXPECT_EQ(pageSection(page, "Armor"), expected) << what;
    EXPECT_EQ(pageSection({"<A>", "", "a", "", "</A>"}, "A"), "a");
    EXPECT_EQ(pageSection({"<>", "", "x", "", "</>"}, ""), ""); // not even a nameless section
}

TEST(TemplatePage, TheUpdateWritesEachFoundSectionAndCountsOnlyTheWrites)
{
    ProgramFolder folder;
    QDir(folder.path()).mkpath("mine");
    folder.write("Templates/Shield.txt", "old");
    folder.write("mine/Quest.txt", "keep");
    const QString text = QStringList({"<Armor>", "", "{{Armor", "}}", "", "</Armor>", "", "<Shield>", "", "{{Shield}}",
                                         "", "</Shield>", "<Notes>", "", "my notes", "", "</Notes>"})
                             .join('\n');
    const templates::TemplatePage page(textFiles::splitLineViews(text, textFiles::LoneLf::EndsLine));
    const auto update
        = [&](const QStringList &paths) { return templates::updateTemplates(page, paths, folder.path()); };
    // Quest is not on the page; a user's own path takes only its own section; the same
    // file twice is written twice.
    EXPECT_EQ(update({"Default Armor.txt", "Default Shield.txt", "", "Default Quest.txt", "mine/Quest.txt",
                  folder.file("mine/Notes.txt"), "Default Armor.txt", "Default .txt"}),
        4);
    EXPECT_EQ(folder.read("Templates/Armor.txt"), "{{Armor\r\n}}\r\n");
    EXPECT_EQ(folder.read("Templates/Shield.txt"), "{{Shield}}\r\n");
    EXPECT_EQ(folder.read("mine/Notes.txt"), "my notes\r\n");
    EXPECT_EQ(folder.read("mine/Quest.txt"), "keep");
    EXPECT_EQ(testsupport::entriesOf(folder.file("Templates")), QStringList({"Armor.txt", "Shield.txt"}));
    // A folder at the target, a full disk, no Templates folder: nothing counted or made.
    QDir(folder.path()).mkpath("Templates/Notes.txt");
    if (testsupport::FileSizeLimit::works) {
        testsupport::FileSizeLimit full(4);
        EXPECT_EQ(update({"Default Armor.txt", "Default Notes.txt"}), 0);
    }
    EXPECT_EQ(folder.read("Templates/Armor.txt"), "{{Armor\r\n}}\r\n");
    QDir(folder.file("Templates")).removeRecursively();
    EXPECT_EQ(update({"Default Armor.txt"}), 0);
    EXPECT_FALSE(folder.exists("Templates"));
}
