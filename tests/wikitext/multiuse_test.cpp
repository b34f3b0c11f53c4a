#include "settings/privateprofile.h"
#include "settings/settingskeys.h"
#include "support.h"
#include "wikitext/expandedtemplates.h"
#include "wikitext/multiuse.h"

#include <functional>

namespace keys = settings::keys;
namespace et = expandedTemplates;
using Status = et::AddResult::Status;
using testsupport::ProgramFolder;

namespace {

PrivateProfile withCount(const QString &count)
{
    PrivateProfile ini;
    ini.write(keys::expandedTemplateCount, count);
    return ini;
}

} // namespace

TEST(MultiUse, EntriesCaptionsFunctionsAndSpellLinks)
{
    using F = multiUse::Function;
    QStringList sorted = multiUse::fixedEntryTexts();
    sorted.sort();
    EXPECT_EQ(multiUse::fixedEntryTexts(), sorted);
    for (const multiUse::Entry &entry : multiUse::entries()) {
        EXPECT_EQ(multiUse::captionFor(entry.text), entry.caption);
        EXPECT_EQ(multiUse::functionFor(entry.caption), entry.function) << entry.caption.toStdString();
    }
    const std::pair<const char *, const char *> captions[] = {{"Text Cache", "Cache"},
        {"Caster Spells VII", "Caster VII"}, {"Add Expanded Template", "Add New"}, {"Reload", "Reload"}};
    for (const auto &[entry, caption] : captions)
        EXPECT_EQ(multiUse::captionFor(entry), caption);
    EXPECT_EQ(multiUse::captionFor(""), "");
    for (const char *other : {"reload", "Reload ", "Custom", "Greeting"}) // exact texts only
        EXPECT_FALSE(multiUse::captionFor(other)) << other;
    for (const char *other : {"", "Greeting", "Custom Format", "add new"})
        EXPECT_EQ(multiUse::functionFor(other), F::ExpandedTemplate) << other;
    EXPECT_EQ(multiUse::functionFor("Caster VII"), F::SpellLinks);
    for (const auto &[caption, links] : {std::pair{"Attuned Bonded", "[[Attuned]], [[Bonded]]"}, {"Caster VI", ""},
             {"Melee VII", "[[Atlan's Alacrity]], [[Infected Caress]], [[Cragstone's Will]], [[Elysa's Sight]]"},
             {"Missile VI", "[[Defender VI]], [[Blood Drinker VI]], [[Swift Killer VI]]"}})
        EXPECT_EQ(multiUse::spellLinks(caption), links) << caption;
    EXPECT_FALSE(multiUse::spellLinks("Cache"));
    EXPECT_EQ(multiUse::customFormat("[[", " a\r\nb \n", "]]"), "[[a\r\nb]]"); // the ends trimmed only
}

TEST(ExpandedTemplates, RecordsLoadUpToTheStoredCountAndTheLastOfANameWins)
{
    ProgramFolder folder;
    for (const char *count : {"0", "-5", "abc", "32768", ""}) {
        EXPECT_TRUE(et::load(withCount(count), folder.path()).isEmpty()) << count;
        EXPECT_EQ(et::storedCount(withCount(count)), 0) << count;
    }
    EXPECT_EQ(et::storedCount(withCount("1")), 1);
    folder.write("Templates/Greeting.txt", "Hello\nthere");
    PrivateProfile ini = withCount(" 3 ");
    ini.write(keys::expandedTemplatePath(1), "Default Greeting.txt");
    ini.write("expandedtemplates", "exptemplatename1 ", "Hi");
    ini.write(keys::expandedTemplatePath(2), "Default Missing.txt");
    ini.write(keys::expandedTemplateName(2), "Hi");
    const auto records = et::load(ini, folder.path());
    ASSERT_EQ(records.size(), 3);
    EXPECT_EQ(QStringList({records[0].name, records[0].text}), QStringList({"Hi", "Hello\r\nthere\r\n"}));
    EXPECT_EQ(records[1].text, "No Template Found");
    EXPECT_EQ(QStringList({records[2].path, records[2].name}), QStringList({"Default", "Default"}));
    EXPECT_EQ(et::textFor(records, "Hi"), "No Template Found");
    EXPECT_FALSE(et::textFor(records, "hi"));
    for (const char *name : {"Greeting", "Notes v1.2", "Épée"})
        EXPECT_TRUE(et::isAcceptableFileName(QString::fromUtf8(name))) << name;
    for (const QString &name :
        {QString(), QString("a/b"), QString("a\\b"), QString(".."), QString("x..y"), QString(243, u'x')})
        EXPECT_FALSE(et::isAcceptableFileName(name)) << name.toStdString();
    EXPECT_TRUE(et::isAcceptableFileName(QString(242, u'x'))); // "Default " + name + ".txt" still reads back whole
    EXPECT_EQ(et::cleanShortName("  abcdefghijklmnopqrs tuvw"), "abcdefghijklmnopqrs");
    EXPECT_EQ(et::cleanFileName("  Greeting "), "Greeting");
}

TEST(ExpandedTemplates, AddingWritesTheFileAndRecordsItAtOnceOrChangesNothing)
{
    ProgramFolder folder;
    folder.write("Quillmark.ini", "; mine\r\n[General]\r\nLeft=15\r\n");
    const auto first = et::add(folder.path(), "Greeting", "Hi", "Hello\r\nthere");
    ASSERT_EQ(first.status, Status::Added);
    EXPECT_EQ(first.record.text, "Hello\r\nthere");
    EXPECT_EQ(folder.read("Templates/Greeting.txt"), "Hello\r\nthere\r\n");
    EXPECT_EQ(folder.read("Quillmark.ini"),
        "; mine\r\n[General]\r\nLeft=15\r\n\r\n[ExpandedTemplates]\r\n"
        "NumberofExpandedTemplates=1\r\nExpTemplatePath1=Default Greeting.txt\r\n"
        "ExpTemplateName1=Hi\r\n");
    ASSERT_EQ(et::add(folder.path(), "Greeting", "Twenty-five characters!!!", "Bye").status, Status::Added);
    EXPECT_EQ(folder.read("Templates/Greeting.txt"), "Bye\r\n"); // replaced
    const PrivateProfile ini = PrivateProfile::fromFile(folder.file("Quillmark.ini"));
    EXPECT_EQ(ini.read(keys::expandedTemplateCount), "2");
    EXPECT_EQ(ini.read(keys::expandedTemplateName(2)), "Twenty-five characte");
    withCount("-5").saveTo(folder.file("Quillmark.ini"));
    EXPECT_EQ(et::add(folder.path(), "T", "t", "x").status, Status::Added);
    EXPECT_EQ(PrivateProfile::fromFile(folder.file("Quillmark.ini")).read(keys::expandedTemplateCount), "1");
    const struct {
        const char *what;
        std::function<void(const ProgramFolder &)> spoil;
        const char *fileName;
        Status status;
    } cases[] = {{"no Templates folder", [](auto &f) { QDir(f.file("Templates")).removeRecursively(); }, "G",
                     Status::FileNotWritten},
        {"directory at the file", [](auto &f) { QDir(f.path()).mkpath("Templates/G.txt"); }, "G",
            Status::FileNotWritten},
        {"separator", [](auto &) {}, "sub/G", Status::BadName}, {"parent", [](auto &) {}, "..", Status::BadName},
        {"full", [](auto &f) { withCount("32767").saveTo(f.file("Quillmark.ini")); }, "G", Status::Full},
        {"settings a folder",
            [](auto &f) {
                QFile::remove(f.file("Quillmark.ini"));
                QDir(f.path()).mkpath("Quillmark.ini");
            },
            "G", Status::SettingsNotWritten}};
    for (const auto &c : cases) {
        ProgramFolder spoilt;
        withCount("1").saveTo(spoilt.file("Quillmark.ini"));
        c.spoil(spoilt);
        const QByteArray before = spoilt.read("Quillmark.ini");
        const auto result = et::add(spoilt.path(), c.fileName, "Hi", "text");
        EXPECT_EQ(result.status, c.status) << c.what;
        EXPECT_EQ(spoilt.read("Quillmark.ini"), before) << c.what;
    }
}
