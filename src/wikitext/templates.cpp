#include "wikitext/templates.h"

#include "common/modvandrel.h"
#include "common/paths.h"
#include "common/textfile.h"
#include "common/textrules.h"
#include "settings/privateprofile.h"
#include "settings/settingskeys.h"

#include <QDir>
#include <QFileInfo>

namespace templates {
namespace {

using textFiles::crlf;

// Paths written for the Templates folder on older systems carry this; the update strips it.
const QString defaultMarker = QStringLiteral("Default ");

// Code units taken by the first (or last) n characters, a surrogate pair counting as one
// character; -1 when the text has fewer than n.
qsizetype unitsOfFirst(QStringView text, int n)
{
    qsizetype at = 0;
    for (int i = 0; i < n; ++i) {
        if (at >= text.size())
            return -1;
        at += (text[at].isHighSurrogate() && at + 1 < text.size() && text[at + 1].isLowSurrogate()) ? 2 : 1;
    }
    return at;
}

qsizetype unitsOfLast(QStringView text, int n)
{
    qsizetype at = text.size();
    for (int i = 0; i < n; ++i) {
        if (at <= 0)
            return -1;
        at -= (text[at - 1].isLowSurrogate() && at >= 2 && text[at - 2].isHighSurrogate()) ? 2 : 1;
    }
    return text.size() - at;
}

// The text less its first and last characters; empty when it has no more than that.
QString dropChars(const QString &text, int first, int last)
{
    const qsizetype head = unitsOfFirst(text, first);
    const qsizetype tail = unitsOfLast(text, last);
    if (head < 0 || tail < 0 || head + tail >= text.size())
        return {};
    return text.mid(head, text.size() - head - tail);
}

// The page layout puts an empty line after the opening tag line and another before the
// closing one; a collection that is too short for either part is left as it is.
void cutCollection(QString &collection)
{
    if (const qsizetype head = unitsOfFirst(collection, 2); head >= 0)
        collection.remove(0, head);
    if (const qsizetype tail = unitsOfLast(collection, 4); tail >= 0)
        collection.chop(tail);
}

// The path when it exists, else a file in the same folder whose name differs only in case.
QString lookUpNoCase(const QString &path)
{
    if (QFileInfo::exists(path))
        return path;
    const qsizetype cut = path.lastIndexOf(u'/');
    if (cut < 0)
        return path;
    return paths::findFileNoCase(path.left(cut + 1), path.mid(cut + 1));
}

QString templatesFolder(const QString &programFolder)
{
    return paths::joinPath(programFolder, templatesFolderName);
}

bool isHexDigit(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'0' && u <= u'9') || (u >= u'a' && u <= u'f') || (u >= u'A' && u <= u'F');
}

} // namespace

QString resolvePath(const QString &configured, const QString &programFolder)
{
    if (configured.isEmpty())
        return {};
    if (configured.left(7).compare(QLatin1String("default"), Qt::CaseInsensitive) == 0) {
        const QString rest = textRules::trimBlanks(configured.mid(7));
        return lookUpNoCase(paths::joinPath(templatesFolder(programFolder), rest));
    }
    // Relative paths belong to the program folder, never to wherever the program was started.
    if (QDir::isRelativePath(configured))
        return lookUpNoCase(paths::joinPath(programFolder, configured));
    return lookUpNoCase(configured);
}

QString readTemplateFile(const QString &path)
{
    if (path.isEmpty())
        return notFoundText;
    const std::optional<QString> text = textFiles::readTextFile(path);
    if (!text)
        return notFoundText;
    QList<QStringView> lines = textFiles::splitLineViews(*text, textFiles::LoneLf::EndsLine);
    // A final line end closes the last line; it does not start an empty one.
    if (lines.last().isEmpty())
        lines.removeLast();
    QString result;
    result.reserve(text->size() + lines.size() + 1);
    for (QStringView line : lines) {
        result += line;
        result += crlf;
    }
    return result;
}

QColor buttonColour(const QString &backgroundColor)
{
    if (backgroundColor.size() < 6)
        return Qt::white;
    int channel[3];
    for (int i = 0; i < 3; ++i) {
        const QChar high = backgroundColor[2 * i], low = backgroundColor[2 * i + 1];
        if (!isHexDigit(high) || !isHexDigit(low))
            return Qt::white;
        channel[i] = QStringView(backgroundColor).mid(2 * i, 2).toInt(nullptr, 16);
    }
    return QColor(channel[0], channel[1], channel[2]);
}

QString alternateName(const QString &alternatePath)
{
    if (alternatePath.contains(QLatin1String("default"), Qt::CaseInsensitive))
        return dropChars(alternatePath, 8, 4);
    return dropChars(paths::fileNameOf(alternatePath), 0, 4);
}

Slot loadSlot(const PrivateProfile &ini, int n, const QString &programFolder)
{
    Slot slot;
    slot.path = ini.read(settings::keys::templatePath(n));
    slot.backgroundColor = ini.read(settings::keys::templateBackgroundColor(n));
    slot.name = ini.read(settings::keys::templateName(n));
    slot.alternatePath = ini.read(settings::keys::templateAlternatePath(n));
    slot.text = readTemplateFile(resolvePath(slot.path, programFolder));
    slot.alternateText = readTemplateFile(resolvePath(slot.alternatePath, programFolder));
    return slot;
}

std::optional<UpdateTarget> updateTarget(const QString &configured, const QString &programFolder)
{
    if (configured.isEmpty())
        return std::nullopt;
    UpdateTarget target;
    const QString fileStem = dropChars(paths::fileNameOf(configured), 0, 4);
    if (configured.contains(defaultMarker)) {
        target.section = textRules::replaceAll(fileStem, defaultMarker, {});
        target.file = lookUpNoCase(paths::joinPath(templatesFolder(programFolder),
                                                        textRules::replaceAll(configured, defaultMarker, {})));
    } else {
        // The user's own file: its own name is the only section that can be meant for it,
        // and it is written where the button reads it.
        target.section = fileStem;
        target.file = resolvePath(configured, programFolder);
    }
    // A nameless section would be any stray "<>" line of the page.
    if (target.section.isEmpty())
        return std::nullopt;
    return target;
}

TemplatePage::TemplatePage(QList<QStringView> lines) : lines_(std::move(lines))
{
    for (qsizetype i = 0; i < lines_.size(); ++i) {
        const QStringView line = lines_[i];
        if (line.size() >= 3 && line.front() == u'<' && line.back() == u'>')
            tagLines_[line].append(i);
    }
}

namespace {

// The tag lines of one section in page order: the walk over the page jumps from one to the
// next, since only they can change anything.
class SectionTags {
public:
    SectionTags(QList<qsizetype> opens, QList<qsizetype> closes, qsizetype end)
        : opens_(std::move(opens)), closes_(std::move(closes)), end_(end)
    {
    }
    // The first tag line at or after from, or the end of the page.
    qsizetype next(qsizetype from)
    {
        while (nextOpen_ < opens_.size() && opens_[nextOpen_] < from)
            ++nextOpen_;
        while (nextClose_ < closes_.size() && closes_[nextClose_] < from)
            ++nextClose_;
        qsizetype at = end_;
        if (nextOpen_ < opens_.size())
            at = std::min(at, opens_[nextOpen_]);
        if (nextClose_ < closes_.size())
            at = std::min(at, closes_[nextClose_]);
        return at;
    }

private:
    QList<qsizetype> opens_;
    QList<qsizetype> closes_;
    qsizetype end_;
    qsizetype nextOpen_ = 0;
    qsizetype nextClose_ = 0;
};

} // namespace

// One walk over the page with the line-by-line rules of the cut: it reads best whole.
QString TemplatePage::section(const QString &name) const
{
    const QString open = u'<' + name + u'>';
    const QString close = QStringLiteral("</") + name + u'>';
    const QList<qsizetype> opens = tagLines_.value(open);
    // Never inside: nothing is collected, and cutting nothing leaves nothing.
    if (opens.isEmpty())
        return {};
    const qsizetype n = lines_.size();
    SectionTags tags(opens, tagLines_.value(close), n);

    QString collection;
    bool inside = false;
    qsizetype i = 0;
    while (i < n) {
        const qsizetype tag = tags.next(i);
        if (inside) {
            for (; i < tag; ++i) {
                collection += lines_[i];
                collection += crlf;
            }
        }
        if (tag >= n)
            break;
        i = tag;
        QStringView line = lines_[i];
        if (line == open) {
            // The line after an opening tag is only ever tested for the closing tag.
            inside = true;
            if (++i >= n)
                break;
            line = lines_[i];
        }
        if (line == close) {
            inside = false;
            cutCollection(collection);
        }
        if (inside) {
            collection += line;
            collection += crlf;
        }
        ++i;
    }
    return collection;
}

int updateTemplates(const TemplatePage &page, const QStringList &configuredPaths, const QString &programFolder)
{
    int updated = 0;
    QHash<QString, QString> sections; // a slot often names one file for both of its paths
    for (const QString &configured : configuredPaths) {
        const std::optional<UpdateTarget> target = updateTarget(configured, programFolder);
        if (!target)
            continue;
        auto found = sections.constFind(target->section);
        if (found == sections.constEnd())
            found = sections.insert(target->section, page.section(target->section));
        if (found->isEmpty())
            continue;
        if (textFiles::writeTextFileAtomic(target->file, *found + crlf))
            ++updated;
    }
    return updated;
}

} // namespace templates
