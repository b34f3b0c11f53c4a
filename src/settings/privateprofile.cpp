#include "settings/privateprofile.h"

#include "common/textfile.h"
#include "common/textrules.h"

#include <QFile>
#include <QFileInfo>
#include <optional>

namespace {

const QByteArray crlfBytes = QByteArrayLiteral("\r\n");
const QByteArray utf8Bom = QByteArrayLiteral("\xEF\xBB\xBF");

// The name of a section header line: first non-blank character "[", the name runs to the
// first "]". A line without "]" is no header.
std::optional<QString> sectionName(const QString &line)
{
    qsizetype start = 0;
    while (start < line.size() && line[start] == u' ')
        ++start;
    if (start >= line.size() || line[start] != u'[')
        return std::nullopt;
    const qsizetype close = line.indexOf(u']', start + 1);
    if (close < 0)
        return std::nullopt;
    return textRules::trimBlanks(line.mid(start + 1, close - start - 1));
}

bool sameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

bool isBlankLine(const QString &line)
{
    return textRules::trimBlanks(line).isEmpty();
}

// Names and values go into the file as one line each, whatever the caller passes.
QString oneLine(QString text)
{
    text.replace(u'\r', u' ');
    text.replace(u'\n', u' ');
    return text;
}

// The profile of a file, or nothing when a file stands there that cannot be read (a save
// would then replace what we never saw).
std::optional<PrivateProfile> loadProfile(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists() || info.isDir())
        return PrivateProfile();
    QFile file(path);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return PrivateProfile::fromBytes(file.readAll());
}

} // namespace

PrivateProfile PrivateProfile::fromBytes(const QByteArray &bytes)
{
    PrivateProfile profile;
    const char *data = bytes.constData();
    const qsizetype n = bytes.size();
    qsizetype start = 0;
    while (start < n) {
        qsizetype end = start;
        while (end < n && data[end] != '\r' && data[end] != '\n')
            ++end;
        qsizetype next = end;
        if (next < n) {
            if (data[next] == '\r' && next + 1 < n && data[next + 1] == '\n')
                next += 2;
            else
                next += 1;
        }
        Line line;
        line.text = bytes.mid(start, end - start);
        line.ending = bytes.mid(end, next - end);
        // A byte order mark belongs to the file, not to the first name in it.
        const QByteArray matched =
            start == 0 && line.text.startsWith(utf8Bom) ? line.text.mid(utf8Bom.size()) : line.text;
        line.decoded = textFiles::decodeText(matched);
        profile.lines_.append(std::move(line));
        start = next;
    }
    return profile;
}

PrivateProfile PrivateProfile::fromFile(const QString &path)
{
    return loadProfile(path).value_or(PrivateProfile());
}

std::optional<PrivateProfile> PrivateProfile::load(const QString &path)
{
    return loadProfile(path);
}

qsizetype PrivateProfile::findEntry(const QString &section, const QString &key) const
{
    bool inSection = false;
    for (qsizetype i = 0; i < lines_.size(); ++i) {
        const QString &line = lines_[i].decoded;
        if (const auto name = sectionName(line)) {
            inSection = sameName(*name, section);
            continue;
        }
        if (!inSection)
            continue;
        const qsizetype eq = line.indexOf(u'=');
        if (eq >= 0 && sameName(textRules::trimBlanks(line.left(eq)), key))
            return i;
    }
    return -1;
}

qsizetype PrivateProfile::findSection(const QString &section) const
{
    for (qsizetype i = 0; i < lines_.size(); ++i) {
        const auto name = sectionName(lines_[i].decoded);
        if (name && sameName(*name, section))
            return i;
    }
    return -1;
}

QString PrivateProfile::read(const QString &section, const QString &key, const QString &defaultValue) const
{
    const qsizetype index = findEntry(section, key);
    if (index < 0)
        return defaultValue;
    const QString &line = lines_[index].decoded;
    const QString value =
        textRules::leftChars(textRules::trimBlanks(line.mid(line.indexOf(u'=') + 1)), maxValueLength);
    return value.isEmpty() ? defaultValue : value;
}

QString PrivateProfile::read(const settings::keys::SettingKey &key) const
{
    return read(key.section, key.key, key.defaultValue);
}

void PrivateProfile::insertLine(qsizetype index, const QByteArray &text)
{
    // Whatever comes before a new line must end first.
    if (index > 0 && lines_[index - 1].ending.isEmpty())
        lines_[index - 1].ending = crlfBytes;
    lines_.insert(index, Line{text, crlfBytes, QString::fromUtf8(text)});
}

void PrivateProfile::write(const QString &section, const QString &key, const QString &value)
{
    const QString entry = oneLine(key) + u'=' + oneLine(value);
    const QByteArray entryBytes = entry.toUtf8();

    const qsizetype existing = findEntry(section, key);
    if (existing >= 0) {
        Line &line = lines_[existing];
        line.text = entryBytes;
        line.decoded = entry;
        return;
    }

    const qsizetype header = findSection(section);
    if (header >= 0) {
        // After the last non-blank line of the section, so the blank lines that separate it
        // from the next section stay where they are.
        qsizetype last = header;
        for (qsizetype i = header + 1; i < lines_.size(); ++i) {
            if (sectionName(lines_[i].decoded))
                break;
            if (!isBlankLine(lines_[i].decoded))
                last = i;
        }
        insertLine(last + 1, entryBytes);
        return;
    }

    if (!lines_.isEmpty() && !isBlankLine(lines_.last().decoded))
        insertLine(lines_.size(), QByteArray());
    const QString headerText = u'[' + oneLine(section) + u']';
    insertLine(lines_.size(), headerText.toUtf8());
    insertLine(lines_.size(), entryBytes);
}

void PrivateProfile::write(const settings::keys::SettingKey &key, const QString &value)
{
    write(key.section, key.key, value);
}

QByteArray PrivateProfile::toBytes() const
{
    QByteArray out;
    qsizetype size = 0;
    for (const Line &line : lines_)
        size += line.text.size() + line.ending.size();
    out.reserve(size);
    for (const Line &line : lines_) {
        out += line.text;
        out += line.ending;
    }
    return out;
}

bool PrivateProfile::saveTo(const QString &path) const
{
    // Synced: a power cut right after the save must not leave an empty settings file.
    return textFiles::writeFileAtomic(path, toBytes(), textFiles::Durability::Synced);
}

namespace modVandrel {

QString ReadSetting(const QString &iniPath, const QString &section, const QString &key,
                    const QString &defaultValue)
{
    return PrivateProfile::fromFile(iniPath).read(section, key, defaultValue);
}

bool WriteSetting(const QString &iniPath, const QString &section, const QString &key, const QString &value)
{
    auto profile = loadProfile(iniPath);
    if (!profile)
        return false;
    profile->write(section, key, value);
    return profile->saveTo(iniPath);
}

} // namespace modVandrel
