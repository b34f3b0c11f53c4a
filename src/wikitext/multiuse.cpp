#include "wikitext/multiuse.h"

#include "wikitext/formattext.h"

#include <QHash>

namespace multiUse {

namespace {

using F = Function;

// Captions of the functions that have their own behaviour; the entries below reuse them.
const QString captionAddNew = QStringLiteral("Add New");
const QString captionCache = QStringLiteral("Cache");
const QString captionCustom = QStringLiteral("Custom");
const QString captionMapPoint = QStringLiteral("Map Point");
const QString captionMapPointPlus = QStringLiteral("Map Point Plus");
const QString captionNpcChat = QStringLiteral("NPC Chat");
const QString captionSpellChat = QStringLiteral("Spell Chat");
const QString captionPrices = QStringLiteral("Prices");
const QString captionReload = QStringLiteral("Reload");
const QString captionUpdateCreature = QStringLiteral("Update Creature");
const QString captionTotalDamage = QStringLiteral("Total Damage");

struct SpellList {
    QString caption;
    QString text;
};

const QList<SpellList> &spellLists()
{
    static const QList<SpellList> lists = {
        {QStringLiteral("Attuned Bonded"), QStringLiteral("[[Attuned]], [[Bonded]]")},
        {QStringLiteral("Caster VI"), QString()},
        {QStringLiteral("Caster VII"), QString()},
        {QStringLiteral("Melee VI"),
         QStringLiteral("[[Defender VI]], [[Blood Drinker VI]], [[Swift Killer VI]], [[Heart Seeker VI]]")},
        {QStringLiteral("Melee VII"),
         QStringLiteral("[[Atlan's Alacrity]], [[Infected Caress]], [[Cragstone's Will]], [[Elysa's Sight]]")},
        {QStringLiteral("Missile VI"), QStringLiteral("[[Defender VI]], [[Blood Drinker VI]], [[Swift Killer VI]]")},
        {QStringLiteral("Missile VII"),
         QStringLiteral("[[Atlan's Alacrity]], [[Infected Caress]], [[Cragstone's Will]]")},
    };
    return lists;
}

} // namespace

const QList<Entry> &entries()
{
    // The price conversion and the creature converter are reachable only through the list,
    // so their entries (and the caster lists beside them) are offered like the others.
    static const QList<Entry> table = {
        {QStringLiteral("Add Expanded Template"), captionAddNew, F::AddNew},
        {QStringLiteral("Attuned Bonded"), QStringLiteral("Attuned Bonded"), F::SpellLinks},
        {QStringLiteral("Caster Spells VI"), QStringLiteral("Caster VI"), F::SpellLinks},
        {QStringLiteral("Caster Spells VII"), QStringLiteral("Caster VII"), F::SpellLinks},
        {QStringLiteral("Convert Shopkeeper Prices"), captionPrices, F::Prices},
        {customFormatEntry, captionCustom, F::Custom},
        {QStringLiteral("Dialog NPC Open Chat"), captionNpcChat, F::NpcChat},
        {QStringLiteral("Dialog Spell Chat"), captionSpellChat, F::SpellChat},
        {QStringLiteral("Map Point"), captionMapPoint, F::MapPoint},
        {QStringLiteral("Map Point Plus"), captionMapPointPlus, F::MapPointPlus},
        {QStringLiteral("Melee Spells VI"), QStringLiteral("Melee VI"), F::SpellLinks},
        {QStringLiteral("Melee Spells VII"), QStringLiteral("Melee VII"), F::SpellLinks},
        {QStringLiteral("Missile Spells VI"), QStringLiteral("Missile VI"), F::SpellLinks},
        {QStringLiteral("Missile Spells VII"), QStringLiteral("Missile VII"), F::SpellLinks},
        {QStringLiteral("Reload"), captionReload, F::Reload},
        {QStringLiteral("Text Cache"), captionCache, F::Cache},
        {QStringLiteral("Total Damage"), captionTotalDamage, F::TotalDamage},
        {QStringLiteral("Update Creature Template"), captionUpdateCreature, F::UpdateCreature},
    };
    return table;
}

QStringList fixedEntryTexts()
{
    QStringList texts;
    for (const Entry &entry : entries())
        texts.append(entry.text);
    return texts;
}

std::optional<QString> captionFor(const QString &chosen)
{
    if (chosen.isEmpty())
        return QString();
    for (const Entry &entry : entries()) {
        if (entry.text == chosen)
            return entry.caption;
    }
    return std::nullopt;
}

Function functionFor(const QString &caption)
{
    static const QHash<QString, Function> byCaption = [] {
        QHash<QString, Function> map;
        for (const Entry &entry : entries())
            map.insert(entry.caption, entry.function);
        return map;
    }();
    return byCaption.value(caption, F::ExpandedTemplate);
}

std::optional<QString> spellLinks(const QString &caption)
{
    for (const SpellList &list : spellLists()) {
        if (list.caption == caption)
            return list.text;
    }
    return std::nullopt;
}

QString customFormat(const QString &prefix, const QString &text, const QString &suffix)
{
    return prefix + formatText::trimCopied(text) + suffix;
}

} // namespace multiUse
