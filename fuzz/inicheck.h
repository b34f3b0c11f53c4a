#pragma once
// What a closed window must leave in Quillmark.ini: every key it writes holds a value the
// next start reads as meant (or the value it read, kept as it was), and every line it does
// not own is still there, byte for byte and in order.

#include "capture/autocopy.h"
#include "capture/saveoptions.h"
#include "common/numbers.h"
#include "common/textfile.h"
#include "common/textrules.h"
#include "settings/privateprofile.h"
#include "spawnmap/spawnmap.h"

#include <QRegularExpression>

namespace iniCheck {

enum class Rule { Check, Int16, Opacity, Quality, FileType, Flag, CopyKind, Offset, Slot, Text };

struct Owned {
    settings::keys::SettingKey key;
    Rule rule;
};

inline const QList<Owned> &owned()
{
    namespace k = settings::keys;
    static const QList<Owned> table = [] {
        QList<Owned> t = {{k::left, Rule::Int16}, {k::top, Rule::Int16}, {k::autoName, Rule::Check},
                          {k::gameFullscreen, Rule::Flag}, {k::saveIcon, Rule::Check},
                          {k::autoCopyFileName, Rule::Check}, {k::displayToolTips, Rule::Check},
                          {k::opacity, Rule::Opacity}, {k::saveStatsPanel, Rule::Check},
                          {k::iconOffsetLeft, Rule::Int16}, {k::iconOffsetTop, Rule::Int16},
                          {k::spawnMapX, Rule::Offset}, {k::spawnMapY, Rule::Offset},
                          {k::saveClipboard, Rule::Check}, {k::autoCopyKind, Rule::CopyKind},
                          {k::checkWikiNames, Rule::Check}, {k::smallestPng, Rule::Check},
                          {k::magnifier, Rule::Check}, {k::hints, Rule::Check}, {k::forceEnglish, Rule::Check},
                          {k::expandedTemplateCount, Rule::Text}, {k::wikiApi, Rule::Text},
                          {k::wikiUser, Rule::Text}, {k::uploadAfterSave, Rule::Check},
                          {k::createPages, Rule::Check}};
        for (const QString &kind : {k::iconSection, k::panelSection, k::liveSection})
            t += {{k::fileType(kind), Rule::FileType}, {k::jpgQuality(kind), Rule::Quality},
                  {k::prefix(kind), Rule::Text}, {k::suffix(kind), Rule::Text},
                  {k::useDefaultSavePath(kind), Rule::Check}, {k::customSavePath(kind), Rule::Text}};
        for (int i = 1; i <= 8; ++i)
            t += {k::clipboardSlot(i), Rule::Slot};
        // Written when the user sets a size in the window (Shift + right click).
        for (int i = 1; i <= 12; ++i)
            t += {{k::statsPanelDimension(i), Rule::Text}, {k::liveShotDimension(i), Rule::Text}};
        // Written at once by "Add Expanded Template"; the first few are enough for a run.
        for (int i = 1; i <= 64; ++i)
            t += {{k::expandedTemplatePath(i), Rule::Text}, {k::expandedTemplateName(i), Rule::Text}};
        return t;
    }();
    return table;
}

inline bool inRange(const Owned &o, const QString &v)
{
    const auto number = numbers::toInt16(v);
    const auto &copyKinds = capture::autocopySettings;
    switch (o.rule) {
    case Rule::Check: return v == u"True" || v == u"False" || v.isEmpty();
    case Rule::Int16: return number.has_value();
    case Rule::Opacity: return number && *number >= 0 && *number <= 255 && QString::number(*number) == v;
    case Rule::Quality: return QRegularExpression(QStringLiteral("^-?\\d+%$")).match(v).hasMatch();
    case Rule::FileType: return capture::fileTypeIndex(v) >= 0;
    case Rule::Flag: return v == u"True" || v == u"False";
    case Rule::CopyKind: return std::find(copyKinds.begin(), copyKinds.end(), v) != copyKinds.end();
    case Rule::Offset: return spawnMap::offsetValid({number.value_or(-1), 0}); // X and Y have one range
    case Rule::Slot: return v.isEmpty() || v == o.key.key + QStringLiteral(".txt") || v == o.key.key + QStringLiteral(".bmp");
    case Rule::Text: break;
    }
    return true;
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

// The lines the window owns: the first entry of each of its keys, found as the store finds it.
inline QSet<qsizetype> ownedLines(const QList<QByteArray> &raw)
{
    QSet<QString> names, seen;
    for (const Owned &o : owned())
        names.insert(o.key.section.toLower() + u'\n' + o.key.key.toLower());
    QSet<qsizetype> found;
    QString section;
    for (qsizetype i = 0; i < raw.size(); ++i) {
        // The store drops a UTF-8 byte order mark before it decodes the first line.
        const QByteArray bytes = i == 0 && raw[i].startsWith("\xEF\xBB\xBF") ? raw[i].mid(3) : raw[i];
        const QString line = textFiles::decodeText(bytes), trimmed = textRules::trimBlanks(line);
        if (trimmed.startsWith(u'[') && trimmed.indexOf(u']') > 0) {
            section = textRules::trimBlanks(trimmed.mid(1, trimmed.indexOf(u']') - 1)).toLower();
        } else if (line.contains(u'=')) {
            const QString name = section + u'\n' + textRules::trimBlanks(line.left(line.indexOf(u'='))).toLower();
            if (names.contains(name) && !seen.contains(name)) {
                seen.insert(name);
                found.insert(i);
            }
        }
    }
    return found;
}

// What is wrong with the file a window saved over before: nothing when all is well.
inline QString problems(const QByteArray &before, const QByteArray &after)
{
    const PrivateProfile was = PrivateProfile::fromBytes(before), is = PrivateProfile::fromBytes(after);
    for (const Owned &o : owned()) {
        const QString v = is.read(o.key.section, o.key.key, {}), old = was.read(o.key.section, o.key.key, {});
        if (!inRange(o, v) && v.compare(old, Qt::CaseInsensitive) != 0)
            return o.key.section + u'/' + o.key.key + QStringLiteral(" out of range: ") + v;
    }
    const QList<QByteArray> old = rawLines(before), now = rawLines(after);
    const QSet<qsizetype> mine = ownedLines(old);
    for (qsizetype i = 0, j = 0; i < old.size(); ++i) {
        if (mine.contains(i))
            continue;
        j = now.indexOf(old[i], j) + 1;
        if (j == 0)
            return QStringLiteral("line %1 lost: ").arg(i + 1) + QString::fromUtf8(old[i].left(200));
    }
    return {};
}

} // namespace iniCheck
