#include "app/text/multiusemessages.h"

#include <algorithm>
#include <iterator>

namespace {

// The drop-down's fixed entries and the captions they give the button, as the multi-use
// tables name them: the names stay the button's function keys, only the words shown change.
constexpr const char *functionNames[] = {
    QT_TRANSLATE_NOOP("MultiUseMessages", "Add Expanded Template"),
    QT_TRANSLATE_NOOP("MultiUseMessages", "Add New"),
    QT_TRANSLATE_NOOP("MultiUseMessages", "Attuned Bonded"),
    QT_TRANSLATE_NOOP("MultiUseMessages", "Cache"),
    QT_TRANSLATE_NOOP("MultiUseMessages", "Caster Spells VI"),
    QT_TRANSLATE_NOOP("MultiUseMessages", "Caster Spells VII"),
    QT_TRANSLATE_NOOP("MultiUseMessages", "Caster VI"),
    QT_TRANSLATE_NOOP("MultiUseMessages", "Caster VII"),
    QT_TRANSLATE_NOOP("MultiUseMessages", "Convert Shopkeeper Prices"),
    QT_TRANSLATE_NOOP("MultiUseMessages", "Custom"),
    QT_TRANSLATE_NOOP("MultiUseMessages", "Custom Format"),
    QT_TRANSLATE_NOOP("MultiUseMessages", "Dialog NPC Open Chat"),
    QT_TRANSLATE_NOOP("MultiUseMessages", "Dialog Spell Chat"),
    QT_TRANSLATE_NOOP("MultiUseMessages", "Map Point"),
    QT_TRANSLATE_NOOP("MultiUseMessages", "Map Point Plus"),
    QT_TRANSLATE_NOOP("MultiUseMessages", "Melee Spells VI"),
    QT_TRANSLATE_NOOP("MultiUseMessages", "Melee Spells VII"),
    QT_TRANSLATE_NOOP("MultiUseMessages", "Melee VI"),
    QT_TRANSLATE_NOOP("MultiUseMessages", "Melee VII"),
    QT_TRANSLATE_NOOP("MultiUseMessages", "Missile Spells VI"),
    QT_TRANSLATE_NOOP("MultiUseMessages", "Missile Spells VII"),
    QT_TRANSLATE_NOOP("MultiUseMessages", "Missile VI"),
    QT_TRANSLATE_NOOP("MultiUseMessages", "Missile VII"),
    QT_TRANSLATE_NOOP("MultiUseMessages", "NPC Chat"),
    QT_TRANSLATE_NOOP("MultiUseMessages", "Prices"),
    QT_TRANSLATE_NOOP("MultiUseMessages", "Reload"),
    QT_TRANSLATE_NOOP("MultiUseMessages", "Spell Chat"),
    QT_TRANSLATE_NOOP("MultiUseMessages", "Text Cache"),
    QT_TRANSLATE_NOOP("MultiUseMessages", "Total Damage"),
    QT_TRANSLATE_NOOP("MultiUseMessages", "Update Creature"),
    QT_TRANSLATE_NOOP("MultiUseMessages", "Update Creature Template"),
};

} // namespace

QString MultiUseMessages::shown(const QString &name)
{
    for (const char *known : functionNames)
        if (name == QLatin1String(known))
            return tr(known);
    return name;
}

QString MultiUseMessages::nameOf(const QString &shownText)
{
    // Untranslated, every name stands for itself: the English tables work unchanged.
    if (std::any_of(std::begin(functionNames), std::end(functionNames),
                    [&](const char *known) { return shownText == QLatin1String(known); }))
        return shownText;
    for (const char *known : functionNames)
        if (tr(known) == shownText)
            return QString::fromLatin1(known);
    return shownText;
}

QString MultiUseMessages::buttonTooltip()
{
    return tr("This button's function can be changed with the drop down menu.");
}

QString MultiUseMessages::comboTooltip()
{
    return tr("Multi use");
}

QString MultiUseMessages::customTitle()
{
    return tr("Custom Format");
}

QString MultiUseMessages::customIntro()
{
    return tr("Custom Format allows you to specify a prefix or a suffix\r\n"
              "or both to add to whatever is in the clipboard. They will\r\n"
              "be added each time the Custom button is pressed. To change\r\n"
              "the suffix or prefix values later, select Custom Format\r\n"
              "from the drop down menu again.");
}

QString MultiUseMessages::prefixPrompt()
{
    return tr("Please enter the exact text of the prefix. Leave blank if no prefix is desired.");
}

QString MultiUseMessages::suffixPrompt()
{
    return tr("Please enter the exact text of the suffix. Leave blank if no suffix is desired.");
}

QString MultiUseMessages::rateTitle()
{
    return tr("Conversion Rate");
}

QString MultiUseMessages::ratePrompt()
{
    return tr("Please enter the conversion rate as a decimal number, for example if an item with a face value of "
              "100p costs 120p, the conversion value would be 1.2.");
}

QString MultiUseMessages::damageTitle()
{
    return tr("Total Damage");
}

QString MultiUseMessages::damageReport(qint32 total)
{
    return tr("Total damage done is %1.This value has been copied to the clipboard ready to be pasted.").arg(total);
}

QString MultiUseMessages::noTemplateText()
{
    return tr("No text detected in the clipboard. Copy the text of the template you wish to create and try again.");
}

QString MultiUseMessages::confirmTitle()
{
    return tr("Expanded Templates");
}

QString MultiUseMessages::confirmAdd()
{
    return tr("You are about to save the text currently in the clipboard as an expanded template. Click OK to "
              "proceed.");
}

QString MultiUseMessages::fileNameTitle()
{
    return tr("Expanded Templates");
}

QString MultiUseMessages::fileNamePrompt()
{
    return tr("Please enter a descriptive name for this template or block of text, this will be the name of the "
              "template file as stored in the Template Folder.");
}

QString MultiUseMessages::shortNameTitle()
{
    return tr("Expanded Template");
}

QString MultiUseMessages::shortNamePrompt()
{
    return tr("Please enter a short name that will be displayed on the button (20 characters or less).");
}

QString MultiUseMessages::badTemplateName()
{
    return tr("The template file must be stored in the Template Folder: its name cannot contain \"/\", \"\\\" or "
              "\"..\" and can be at most 242 characters long. Please choose another name.");
}

QString MultiUseMessages::templatesFull()
{
    return tr("No more expanded templates can be added: the settings already list 32767 of them.");
}

QString MultiUseMessages::templateFileNotWritten(const QString &path)
{
    return tr("The template file could not be written:\r\n%1\r\nThe expanded template was not added.").arg(path);
}

QString MultiUseMessages::settingsNotWritten(const QString &iniPath)
{
    return tr("The settings file could not be written:\r\n%1\r\nThe expanded template was not added.").arg(iniPath);
}

QString MultiUseMessages::noMapPoints()
{
    return tr("Nothing to convert: no map points (like 12.3N, 45.6E) found in the copied text");
}

QString MultiUseMessages::noHits()
{
    return tr("Nothing to add up: no lines like \"You hit the drudge for 25 points of damage.\" in the copied text");
}

QString MultiUseMessages::noCreaturePage()
{
    return tr("Nothing to convert: the copied text is not a creature page in the old table layout");
}

// Each count as a whole sentence for one and for many: the English has no "(s)" forms.
QString MultiUseMessages::rowsConverted(qsizetype rows)
{
    if (rows == 0)
        return tr("0 rows converted: rows look like `Name | 1,000`");
    return rows == 1 ? tr("1 row converted") : tr("%1 rows converted").arg(rows);
}

QString MultiUseMessages::mapPointsConverted(qsizetype points)
{
    return points == 1 ? tr("1 map point converted") : tr("%1 map points converted").arg(points);
}

QString MultiUseMessages::creatureConverted(qsizetype fields)
{
    return fields == 1 ? tr("Creature page converted: 1 field found")
                       : tr("Creature page converted: %1 fields found").arg(fields);
}

QString MultiUseMessages::damageAdded(qint32 total, qsizetype hits)
{
    return hits == 1 ? tr("Total damage %1 from 1 hit line").arg(total)
                     : tr("Total damage %1 from %2 hit lines").arg(total).arg(hits);
}
