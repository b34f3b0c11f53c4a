#pragma once
// What the autocopy step puts on the clipboard after a save: the bare name, the file names
// written, or the wiki markup that shows them.

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace capture {

// In the order the options list them.
enum class AutocopyKind { Name, FileName, Markup };

// The words the settings file holds, in that order.
inline const std::array<QString, 3> autocopySettings = {QStringLiteral("Name"), QStringLiteral("FileName"),
                                                        QStringLiteral("Markup")};
// A settings word in any letter case; anything else keeps the name.
AutocopyKind autocopyKindFrom(const QString &setting);
QString autocopySetting(AutocopyKind kind);

// The text for the clipboard: the name; or the file name of every written path, or
// "[[File:<file name>]]" for each, one line each in the order written. Nothing when a kind
// that names files has no file to name.
std::optional<QString> autocopyText(AutocopyKind kind, const QString &name, const QStringList &writtenPaths);

} // namespace capture
