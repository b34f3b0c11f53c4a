#include "settings/privateprofile.h"
#include "settings/settingskeys.h"
#include "testsupport.h"
#include "wikitext/expandedtemplates.h"
#include "wikitext/multiuse.h"

#include <QDir>
#include <QElapsedTimer>
#include <functional>
#include <gtest/gtest.h>
#include <ostream>

static void PrintTo(const QString &text, std::ostream *out) { *out << '"' << text.toStdString() << '"'; }

namespace {

namespace keys = settingsKeys;
namespace et = expandedTemplates;
using Status = et::AddResult::Status;

TEST(MultiUseTables, EntriesInListOrderWithTheirCaptions)
{
    const QList<std::pair<QString, QString>> expected = {
        {"Add Expanded Template", "Add New"}, {"Attuned Bonded", "Attuned Bonded"},
        {"Caster Spells VI", "Caster VI"}, {"Caster Spells VII", "Caster VII"},
        {"Convert Shopkeeper Prices", "Prices"}, {"Custom Format", "Custom"},
        {"Dialog NPC Open Chat", "NPC Chat"}, {"Dialog Spell Chat", "Spell Chat"},
        {"Map Point", "Map Point"}, {"Map Point Plus", "Map Point Plus"},
        {"Melee Spells VI", "Melee VI"}, {"Melee Spells VII", "Melee VII"},
        {"Missile Spells VI", "Missile VI"}, {"Missile Spells VII", "Missile VII"},
        {"Reload", "Reload"}, {"Text Cache", "Cache"},
        {"Total Damage", "Total Damage"}, {"Update Creature Template", "Update Creature"}};
    QStringList listed;
    for (const auto &[entry, caption] : expected) {
        listed.append(entry);
        EXPECT_EQ(multiUse::captionFor(entry), caption);
    }
    EXPECT_EQ(multiUse::fixedEntryTexts(), listed); // alphabetical, the four extras included
    EXPECT_EQ(multiUse::captionFor(QString()), QString());
    for (const char *other : {"reload", "Reload ", "Custom", "Greeting"}) // exact text only
        EXPECT_FALSE(multiUse::captionFor(QString::fromLatin1(other))) << other;

    using F = multiUse::Function;
    EXPECT_EQ(multiUse::functionFor("Cache"), F::Cache);
    EXPECT_EQ(multiUse::functionFor("Caster VII"), F::SpellLinks);
    for (const char *caption : {"", "Greeting", "Custom Format", "add new"})
        EXPECT_EQ(multiUse::functionFor(QString::fromLatin1(caption)), F::ExpandedTemplate) << caption;
}

TEST(MultiUseTables, SpellLinkTexts)
{
    const std::pair<const char *, const char *> cases[] = {
        {"Attuned Bonded", "[[Attuned]], [[Bonded]]"},
        {"Melee VI", "[[Defender VI]], [[Blood Drinker VI]], [[Swift Killer VI]], [[Heart Seeker VI]]"},
        {"Melee VII", "[[Atlan's Alacrity]], [[Infected Caress]], [[Cragstone's Will]], [[Elysa's Sight]]"},
        {"Missile VI", "[[Defender VI]], [[Blood Drinker VI]], [[Swift Killer VI]]"},
        {"Missile VII", "[[Atlan's Alacrity]], [[Infected Caress]], [[Cragstone's Will]]"},
        {"Caster VI", ""}, {"Caster VII", ""}};
    for (const auto &[caption, text] : cases)
        EXPECT_EQ(multiUse::spellLinks(QString::fromLatin1(caption)), QString::fromLatin1(text)) << caption;
    EXPECT_FALSE(multiUse::spellLinks(QStringLiteral("Cache")));
}

PrivateProfile withCount(const QString &count)
{
    PrivateProfile ini;
    ini.write(keys::expandedTemplateCount, count);
    return ini;
}

TEST(ExpandedTemplates, LoadRecords)
{
    testsupport::ProgramFolder folder;
    for (const char *count : {"0", "-5", "abc", "32768"})
        EXPECT_TRUE(et::load(withCount(QString::fromLatin1(count)), folder.path()).isEmpty()) << count;

    folder.write(QStringLiteral("Templates/Greeting.txt"), "Hello\nthere");
    PrivateProfile ini = withCount(QStringLiteral(" 3 "));
    ini.write(keys::expandedTemplatePath(1), QStringLiteral("Default Greeting.txt"));
    ini.write(QStringLiteral("expandedtemplates"), QStringLiteral("exptemplatename1 "), QStringLiteral("Hi"));
    ini.write(keys::expandedTemplatePath(2), QStringLiteral("Default Missing.txt"));
    ini.write(keys::expandedTemplateName(2), QStringLiteral("Hi"));
    const auto records = et::load(ini, folder.path());
    ASSERT_EQ(records.size(), 3);
    EXPECT_EQ(records[0].name, QStringLiteral("Hi"));
    EXPECT_EQ(records[0].text, QStringLiteral("Hello\r\nthere\r\n"));
    EXPECT_EQ(records[1].text, QStringLiteral("No Template Found"));
    EXPECT_EQ(records[2].path, QStringLiteral("Default"));
    EXPECT_EQ(records[2].name, QStringLiteral("Default"));
    EXPECT_EQ(et::textFor(records, "Hi"), QStringLiteral("No Template Found")); // the later one
    EXPECT_FALSE(et::textFor(records, "hi"));
}

TEST(ExpandedTemplates, HugeCountStaysQuick)
{
    testsupport::ProgramFolder folder;
    folder.write(QStringLiteral("Templates/Last.txt"), "end");
    PrivateProfile ini = withCount(QStringLiteral("32767"));
    for (int n = 1; n <= 100; ++n)
        ini.write(keys::expandedTemplateName(n), QStringLiteral("Name %1").arg(n));
    ini.write(keys::expandedTemplatePath(32767), QStringLiteral("Default Last.txt"));
    ini.write(keys::expandedTemplateName(32767), QStringLiteral("Last"));
    QElapsedTimer timer;
    timer.start();
    const auto records = et::load(ini, folder.path());
    EXPECT_LT(timer.elapsed(), 1000);
    ASSERT_EQ(records.size(), 32767);
    EXPECT_EQ(records[99].name, QStringLiteral("Name 100"));
    EXPECT_EQ(records[100].name, QStringLiteral("Default"));
    EXPECT_EQ(records.last().name, QStringLiteral("Last"));
    EXPECT_EQ(records.last().text, QStringLiteral("end\r\n"));
}

TEST(ExpandedTemplates, NamesForAdding)
{
    for (const char *name : {"Greeting", "Notes v1.2", "Épée"})
        EXPECT_TRUE(et::isAcceptableFileName(QString::fromUtf8(name))) << name;
    for (const char *name : {"", "a/b", "a\\b", "..", "x..y", "/etc/passwd"})
        EXPECT_FALSE(et::isAcceptableFileName(QString::fromLatin1(name))) << name;
    // "Default " + name + ".txt" must read back whole from the settings.
    EXPECT_TRUE(et::isAcceptableFileName(QString(242, u'x')));
    EXPECT_FALSE(et::isAcceptableFileName(QString(243, u'x')));
    EXPECT_EQ(et::cleanShortName(QStringLiteral("  abcdefghijklmnopqrs tuvw")), QStringLiteral("abcdefghijklmnopqrs"));
}

TEST(ExpandedTemplates, AddWritesTheFileAndTheSettingsAtOnce)
{
    testsupport::ProgramFolder folder;
    const QString iniPath = folder.file(QStringLiteral("Quillmark.ini"));
    folder.write(QStringLiteral("Quillmark.ini"), "; mine\r\n[General]\r\nLeft=15\r\n");
    const auto first = et::add(folder.path(), "Greeting", "Hi", "Hello\r\nthere");
    ASSERT_EQ(first.status, Status::Added) << first.message.toStdString();
    EXPECT_EQ(first.record.text, QStringLiteral("Hello\r\nthere"));
    EXPECT_EQ(folder.read(QStringLiteral("Templates/Greeting.txt")), QByteArray("Hello\r\nthere\r\n"));
    EXPECT_EQ(folder.read(QStringLiteral("Quillmark.ini")),
              QByteArray("; mine\r\n[General]\r\nLeft=15\r\n\r\n[ExpandedTemplates]\r\nNumberofExpandedTemplates=1\r\n"
                         "ExpTemplatePath1=Default Greeting.txt\r\nExpTemplateName1=Hi\r\n"));

    ASSERT_EQ(et::add(folder.path(), "Greeting", "Twenty-five characters!!!", "Bye").status, Status::Added);
    EXPECT_EQ(folder.read(QStringLiteral("Templates/Greeting.txt")), QByteArray("Bye\r\n")); // replaced
    const PrivateProfile ini = PrivateProfile::fromFile(iniPath);
    EXPECT_EQ(ini.read(keys::expandedTemplateCount), QStringLiteral("2"));
    EXPECT_EQ(ini.read(keys::expandedTemplateName(2)), QStringLiteral("Twenty-five characte"));

    withCount(QStringLiteral("-5")).saveTo(iniPath);
    EXPECT_EQ(et::add(folder.path(), "T", "t", "x").status, Status::Added);
    EXPECT_EQ(PrivateProfile::fromFile(iniPath).read(keys::expandedTemplateCount), QStringLiteral("1"));
    withCount(QStringLiteral("32767")).saveTo(iniPath); // one more could never be read back
    EXPECT_EQ(et::add(folder.path(), "T", "t", "x").status, Status::Full);
}

TEST(ExpandedTemplates, AddFailuresChangeNoSetting)
{
    const struct {
        const char *what;
        std::function<void(const testsupport::ProgramFolder &)> spoil;
        const char *fileName;
        Status status;
    } cases[] = {
        {"no Templates folder", [](auto &f) { QDir(f.file("Templates")).removeRecursively(); }, "G", Status::FileNotWritten},
        {"directory at the file", [](auto &f) { QDir(f.path()).mkpath("Templates/G.txt"); }, "G", Status::FileNotWritten},
        {"Templates is a file",
         [](auto &f) {
             QDir(f.file("Templates")).removeRecursively();
             f.write("Templates", "x");
         },
         "G", Status::FileNotWritten},
        {"separator", [](auto &) {}, "sub/G", Status::BadName},
        {"parent", [](auto &) {}, "..", Status::BadName},
    };
    for (const auto &c : cases) {
        testsupport::ProgramFolder folder;
        withCount(QStringLiteral("1")).saveTo(folder.file(QStringLiteral("Quillmark.ini")));
        const QByteArray before = folder.read(QStringLiteral("Quillmark.ini"));
        c.spoil(folder);
        const auto result = et::add(folder.path(), c.fileName, "Hi", "text");
        EXPECT_EQ(result.status, c.status) << c.what;
        EXPECT_FALSE(result.message.isEmpty()) << c.what;
        EXPECT_EQ(folder.read(QStringLiteral("Quillmark.ini")), before) << c.what;
    }
    testsupport::ProgramFolder folder;
    QDir(folder.path()).mkpath(QStringLiteral("Quillmark.ini"));
    EXPECT_EQ(et::add(folder.path(), "G", "Hi", "text").status, Status::SettingsNotWritten);
}

} // namespace
