#pragma once
// What a closed window must leave in Quillmark.ini: every key it writes holds a value the
// next start reads as meant (or the value it read, kept as it was), and every line it
// does not own is still there, byte for byte and in order.

#include "capture/autocopy.h"
#include "capture/saveoptions.h"
#include "common/numconv.h"
#include "common/textfile.h"
#include "common/textutil.h"
#include "settings/privateprofile.h"
#include "spawnmap/spawnmap.h"

#include <QRegularExpression>

namespace iniCheck {

enum class Rule { Check, Int16, Opacity, Quality, FileType, Flag, CopyKind, Offset, Slot, Text };

struct Owned {
    settingsKeys::SettingKey key;
    Rule rule;
};

inline const QList<Owned> &owned()
{
    namespace k = settingsKeys;
    static const QList<Owned> table = [] {
        QList<Owned> t = {{k::left, Rule::Int16}, {k::top, Rule::Int16}, {k::autoName, Rule::Check},
                          {k::gameFullscreen, Rule::Flag}, {k::saveIcon, Rule::Check},
                          {k::autoCopyFileName, Rule::Check}, {k::displayToolTips, Rule::Check},
                          {k::opacity, Rule::Opacity}, {k::saveStatsPanel, Rule::Check},
                          {k::iconOffsetLeft, Rule::Int16}, {k::iconOffsetTop, Rule::Int16},
                          {k::spawnMapX, Rule::Offset}, {k::spawnMapY, Rule::Offset},
                          {k::saveClipboard, Rule::Check}, {k::autoCopyKind, Rule::CopyKind},
                          {k::checkWikiNames, Rule::Check}, {k::smallestPng, Rule::Check},
                          {k::magnifier, Rule::Check}, {k::hints, Rule::Check},
                          {k::expandedTemplateCount, Rule::Text}};
        for (const QString &kind : {k::iconSection, k::panelSection, k::liveSection})
            t += {{k::fileType(kind), Rule::FileType}, {k::jpgQuality(kind), Rule::Quality},
                  {k::prefix(kind), Rule::Text}, {k::suffix(kind), Rule::Text},
                  {k::useDefaultSavePath(kind), Rule::Check}, {k::customSavePath(kind), Rule::Text}};
        for (int i = 1; i <= 8; ++i)
            t += {k::clipboardSlot(i), Rule::Slot};
        // Written at once by "Add Expanded Template"; the first few are enough for a run.
        for (int i = 1; i <= 64; ++i)
            t += {{k::expandedTemplatePath(i), Rule::Text}, {k::expandedTemplateName(i), Rule::Text}};
        return t;
    }();
    return table;
}

inline const QList<settingsKeys::SettingKey> &ownedKeys()
{
    static const QList<settingsKeys::SettingKey> keys = [] {
        QList<settingsKeys::SettingKey> list;
        for (const Owned &o : owned())
            list.append(o.key);
        return list;
    }();
    return keys;
}

inline bool inRange(const Owned &o, const QString &v)
{
    const auto number = numbers::toInt16(v);
    switch (o.rule) {
    case Rule::Check:
        return v == u"True" || v == u"False" || v.isEmpty();
    case Rule::Int16:
        return number.has_value();
    case Rule::Opacity:
        return number && *number >= 0 && *number <= 255 && QString::number(*number) == v;
    case Rule::Quality:
        return QRegularExpression(QStringLiteral("^-?\\d+%$")).match(v).hasMatch();
    case Rule::FileType:
        return capture::fileTypeIndex(v) >= 0;
    case Rule::Flag:
        return v == u"True" || v == u"False";
    case Rule::CopyKind:
        return std::find(capture::autocopySettings.begin(), capture::autocopySettings.end(), v)
               != capture::autocopySettings.end();
    case Rule::Offset: // X and Y have the same range
        return spawnMap::offsetValid({number.value_or(-1), 0});
    case Rule::Slot:
        return v.isEmpty() || v == o.key.key + QStringLiteral(".txt") || v == o.key.key + QStringLiteral(".bmp");
    case Rule::Text:
        break;
    }
    return true;
}

// The lines of a file that the window owns: the first entry of each of its keys, found as
// the settings store finds them.
inline QSet<qsizetype> ownedLines(const QList<QString> &lines)
{
    QSet<qsizetype> found;
    QSet<QString> seen;
    QString section;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString line = textRules::trimBlanks(lines[i]);
        if (line.startsWith(u'[') && line.indexOf(u']') > 0) {
            section = textRules::trimBlanks(line.mid(1, line.indexOf(u']') - 1)).toLower();
            continue;
        }
        const qsizetype eq = lines[i].indexOf(u'=');
        if (eq < 0)
            continue;
        const QString name = section + u'\n' + textRules::trimBlanks(lines[i].left(eq)).toLower();
        if (seen.contains(name))
            continue;
        for (const Owned &o : owned())
            if (name == o.key.section.toLower() + u'\n' + o.key.key.toLower()) {
                seen.insert(name);
                found.insert(i);
            }
    }
    return found;
}

inline QList<QByteArray> rawLines(const QByteArray &bytes)
{
    QList<QByteArray> lines;
    for (qsizetype start = 0; start < bytes.size();) {
        qsizetype end = start;
        while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n')
            ++end;
        lines.append(bytes.mid(start, end - start));
        start = end + (bytes.mid(end, 2) == "\r\n" ? 2 : 1);
    }
    return lines;
}

// What is wrong with the file a window saved over before: nothing when all is well.
inline QString problems(const QByteArray &before, const QByteArray &after)
{
    const PrivateProfile was = PrivateProfile::fromBytes(before), is = PrivateProfile::fromBytes(after);
    for (const Owned &o : owned()) {
        const QString v = is.read(o.key.section, o.key.key, QString());
        const QString old = was.read(o.key.section, o.key.key, QString());
        if (!inRange(o, v) && v.compare(old, Qt::CaseInsensitive) != 0)
            return o.key.section + u'/' + o.key.key + QStringLiteral(" out of range: ") + v;
    }
    const QList<QByteArray> old = rawLines(before), now = rawLines(after);
    QList<QString> decoded;
    for (const QByteArray &line : old)
        decoded.append(textFiles::decodeText(line));
    const QSet<qsizetype> mine = ownedLines(decoded);
    qsizetype j = 0;
    for (qsizetype i = 0; i < old.size(); ++i) {
        if (mine.contains(i))
            continue;
        const qsizetype at = now.indexOf(old[i], j);
        if (at < 0)
            return QStringLiteral("line %1 lost: ").arg(i + 1) + QString::fromUtf8(old[i].left(200));
        j = at + 1;
    }
    return {};
}

} // namespace iniCheck
