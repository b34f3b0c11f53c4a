#include "wikitext/expandedtemplates.h"

#include "common/modvandrel.h"
#include "common/numbers.h"
#include "common/paths.h"
#include "common/programinfo.h"
#include "common/textfile.h"
#include "common/textrules.h"
#include "settings/privateprofile.h"
#include "settings/settingskeys.h"
#include "wikitext/templates.h"

#include <QHash>
#include <QSet>
#include <limits>

namespace expandedTemplates {

namespace {

const QString defaultPrefix = QStringLiteral("Default ");
const QString extension = QStringLiteral(".txt");

// The longest name whose settings value ("Default " + name + ".txt") reads back whole.
constexpr qsizetype maxFileNameLength = PrivateProfile::maxValueLength - 12;

// The numbers n of every key in the file that ends in digits. Only these can be
// "ExpTemplatePath" + n or "ExpTemplateName" + n; every other record takes the defaults
// without a lookup, so a count of 32767 over a short section stays quick.
QSet<int> numberedKeys(const PrivateProfile &ini)
{
    QSet<int> numbers;
    const QByteArray bytes = ini.toBytes();
    qsizetype start = 0;
    while (start <= bytes.size()) {
        qsizetype end = start;
        while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n')
            ++end;
        const QByteArrayView line(bytes.constData() + start, end - start);
        const qsizetype eq = line.indexOf('=');
        if (eq > 0) {
            qsizetype last = eq;
            while (last > 0 && line[last - 1] == ' ')
                --last;
            qsizetype first = last;
            while (first > 0 && line[first - 1] >= '0' && line[first - 1] <= '9')
                --first;
            if (first < last && last - first <= 5) {
                const int n = line.sliced(first, last - first).toInt();
                if (n >= 1 && n <= std::numeric_limits<qint16>::max())
                    numbers.insert(n);
            }
        }
        start = end + 1;
    }
    return numbers;
}

} // namespace

int storedCount(const PrivateProfile &ini)
{
    const auto count = numbers::toInt16(ini.read(settings::keys::expandedTemplateCount));
    return count && *count > 0 ? *count : 0;
}

QList<Record> load(const PrivateProfile &ini, const QString &programFolder)
{
    const int count = storedCount(ini);
    const QSet<int> present = count > 0 ? numberedKeys(ini) : QSet<int>();
    const QString fallback = settings::keys::expandedTemplatePath(1).defaultValue;

    QList<Record> records;
    records.reserve(count);
    // Many records may name one file (every missing record names "Default"): read each once.
    QHash<QString, QString> texts;
    for (int n = 1; n <= count; ++n) {
        Record record{fallback, QString(), fallback};
        if (present.contains(n)) {
            record.path = ini.read(settings::keys::expandedTemplatePath(n));
            record.name = ini.read(settings::keys::expandedTemplateName(n));
        }
        auto text = texts.constFind(record.path);
        if (text == texts.constEnd())
            text = texts.insert(record.path,
                                templates::readTemplateFile(templates::resolvePath(record.path, programFolder)));
        record.text = *text;
        records.append(std::move(record));
    }
    return records;
}

std::optional<QString> textFor(const QList<Record> &records, const QString &name)
{
    for (auto record = records.crbegin(); record != records.crend(); ++record) {
        if (record->name == name)
            return record->text;
    }
    return std::nullopt;
}

QString cleanFileName(const QString &typed)
{
    return textRules::trimBlanks(typed);
}

QString cleanShortName(const QString &typed)
{
    // Values are read back trimmed, so the name is stored the way it will be read.
    return textRules::trimBlanks(textRules::leftChars(textRules::trimBlanks(typed), shortNameLength));
}

bool isAcceptableFileName(const QString &name)
{
    return !name.isEmpty() && name.size() <= maxFileNameLength && !name.contains(u'/') &&
           !name.contains(u'\\') && !name.contains(QStringLiteral(".."));
}

namespace {

AddResult refused(AddResult::Status status, const QString &file = QString())
{
    AddResult result;
    result.status = status;
    result.file = file;
    return result;
}

} // namespace

AddResult add(const QString &programFolder, const QString &fileName, const QString &shortName,
              const QString &text)
{
    namespace keys = settings::keys;
    const QString name = cleanFileName(fileName);
    if (!isAcceptableFileName(name))
        return refused(AddResult::Status::BadName);
    const QString iniPath = paths::joinPath(programFolder, programInfo::settingsFileName);
    const int count = storedCount(PrivateProfile::fromFile(iniPath));
    if (count >= std::numeric_limits<qint16>::max())
        return refused(AddResult::Status::Full);

    const QString folder = paths::joinPath(programFolder, templates::templatesFolderName);
    const QString file = paths::joinPath(folder, name + extension);
    if (!textFiles::writeTextFileAtomic(file, text + textFiles::crlf))
        return refused(AddResult::Status::FileNotWritten, file);

    const QString shortText = cleanShortName(shortName);
    const int n = count + 1;
    const QString path = defaultPrefix + name + extension;
    const auto write = [&iniPath](const keys::SettingKey &key, const QString &value) {
        return modVandrel::WriteSetting(iniPath, key.section, key.key, value);
    };
    if (!write(keys::expandedTemplateCount, QString::number(n)))
        return refused(AddResult::Status::SettingsNotWritten, iniPath);
    if (!write(keys::expandedTemplatePath(n), path) || !write(keys::expandedTemplateName(n), shortText)) {
        write(keys::expandedTemplateCount, QString::number(count)); // no half-recorded template
        return refused(AddResult::Status::SettingsNotWritten, iniPath);
    }
    AddResult result;
    result.status = AddResult::Status::Added;
    result.record = Record{path, text, shortText};
    return result;
}

} // namespace expandedTemplates
