// Template files and the template page: a page copied from the wiki goes through the scan of
// Update Templates into the files the settings name, template files of any bytes are read
// for the buttons, and the expanded template records come from a hand-edited Quillmark.ini.
// Writes land only where the settings say, and every template text ends its lines in CR LF.

#include "fuzzing.h"
#include "common/textfile.h"
#include "settings/privateprofile.h"
#include "wikitext/expandedtemplates.h"
#include "wikitext/templates.h"

#include <QDirIterator>

using fuzzing::check;

static void checkTemplateText(const QString &text)
{
    check(text == templates::notFoundText || text.isEmpty() || text.endsWith(textFiles::crlf),
          "a template's lines end in CR LF");
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider in(data, size);
    const QString folder = fuzzing::programFolder();
    // Paths of the kinds the settings hold: in the Templates folder, or names of the user's own.
    QStringList paths;
    for (int i = in.ConsumeIntegralInRange(0, 4); i > 0; --i)
        paths.append((in.ConsumeBool() ? QStringLiteral("Default ") : QString())
                     + fuzzing::text(in, 24).remove(u'/').remove(u'\\').remove(QStringLiteral("..")));
    fuzzing::writeFile(folder + QStringLiteral("/Templates/a.txt"), fuzzing::bytes(in, 4096));
    const PrivateProfile ini = PrivateProfile::fromBytes(fuzzing::bytes(in, 4096));
    const QString page = fuzzing::text(in, 1 << 16);
    checkTemplateText(templates::readTemplateFile(folder + QStringLiteral("/Templates/a.txt")));

    const QList<QStringView> lines = textFiles::splitLineViews(page, textFiles::LoneLf::EndsLine);
    const templates::TemplatePage scanned(lines);
    const int updated = templates::updateTemplates(scanned, paths, folder);
    check(updated >= 0 && updated <= paths.size(), "at most one file per path is updated");
    for (const QString &configured : paths)
        if (const auto target = templates::updateTarget(configured, folder)) {
            check(scanned.section(target->section).size() <= page.size() + 2 * lines.size(),
                  "a section is no longer than its page");
            checkTemplateText(templates::readTemplateFile(target->file));
        }
    QDirIterator files(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString file = QDir(folder).relativeFilePath(files.next());
        check(file.startsWith(QStringLiteral("Templates/")) || paths.contains(file),
              "the update writes only where the settings say", file);
    }

    for (int n = 1; n <= templates::slotCount; ++n) {
        const templates::Slot slot = templates::loadSlot(ini, n, folder);
        checkTemplateText(slot.text);
        checkTemplateText(slot.alternateText);
        templates::buttonColour(slot.backgroundColor);
        templates::alternateName(slot.alternatePath);
    }
    const QList<expandedTemplates::Record> records = expandedTemplates::load(ini, folder);
    check(records.size() == expandedTemplates::storedCount(ini), "one record per stored template");
    for (const auto &record : records)
        checkTemplateText(record.text);
    check(records.isEmpty() || expandedTemplates::textFor(records, records.last().name) == records.last().text,
          "the last record of a name wins");
    return 0;
}
