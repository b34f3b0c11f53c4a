#pragma once
// The multi-use button's tables: which caption a drop-down entry gives the button, which
// function a caption runs, and the fixed texts some of those functions produce.

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace multiUse {

// The captions are the button's function keys: the click runs the function its caption
// names, so they stay as they are here.
inline const QString initialCaption = QStringLiteral("Reload");

// Choosing this entry asks for the custom format before the button runs it.
inline const QString customFormatEntry = QStringLiteral("Custom Format");

// What a caption makes the button do.
enum class Function {
    AddNew,
    SpellLinks,
    Cache,
    Custom,
    MapPoint,
    MapPointPlus,
    NpcChat,
    SpellChat,
    Prices,
    Reload,
    UpdateCreature,
    TotalDamage,
    ExpandedTemplate, // any other caption: the expanded templates of that name
};

struct Entry {
    QString text;    // as listed in the drop-down
    QString caption; // given to the button
    Function function;
};

// Every fixed entry, in the order the drop-down lists them (alphabetical).
const QList<Entry> &entries();
QStringList fixedEntryTexts();

// The caption a chosen text gives the button, compared exactly: a fixed entry's caption,
// an empty caption for an empty text, nothing for any other text (the caller then looks
// for an expanded template of that name).
std::optional<QString> captionFor(const QString &chosen);

Function functionFor(const QString &caption);

// The spell-link list a caption puts on the clipboard, or nothing for other captions.
std::optional<QString> spellLinks(const QString &caption);

// prefix + text + suffix, the text trimmed of the line ends and blanks at its ends, as the
// Format Text wrappers trim it.
QString customFormat(const QString &prefix, const QString &text, const QString &suffix);

} // namespace multiUse
