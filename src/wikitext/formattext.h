#pragma once
// The four Format Text buttons: each turns the copied text into one piece of wiki markup.
// Everything here is plain text work; the window reads the clipboard, calls transform()
// and puts the result back.

#include <QString>
#include <QStringList>

namespace formatText {

enum class Click { Left, Right };

// ByLineKind: "Dialog" left click. Spell: "Dialog" right click and Spell Chat, all
// cornflowerblue. Npc: NPC Chat, all grey.
enum class ChatScheme { ByLineKind, Spell, Npc };

// Magic and Melee have colours but nothing classifies a line as either.
enum class LineKind { Speech, General, Magic, Melee };

// Speech when the line contains "tell" or "say" anywhere (inside longer words too),
// ignoring letter case; General otherwise.
LineKind classifyLine(QStringView line);
QString fontColour(ChatScheme scheme, LineKind kind);

// The copied text without the line ends and blanks at its start and end. Nearly every
// copy ends in a line end, which inside a link or a template breaks it; line ends and
// blanks inside the text stay.
QStringView trimCopied(QStringView text);
QString trimCopied(const QString &text);

// Wrappers: the text is used as given (case, inner line ends) but trimmed as above.
QString redirect(const QString &text);     // #Redirect [[text]]
QString categoryTag(const QString &text);  // [[Category:text]]
QString fileLink(const QString &text);     // [[File:text.jpg]]
QString iconTemplate(const QString &text); // {{Icon|text}}

// "Sword, Bow" -> "[[Sword]], [[Bow]]": the whole text trimmed as above, split at ", ".
QString inlineLinkList(const QString &text);
// One "* [[item]]" per line and per ", " inside a line, joined by CR LF. Only the whole
// text is trimmed, not each item: an empty line inside gives an empty link.
QString bulletedLinkList(const QString &text);

// One font element per non-empty line (trimmed of blanks), an empty line stays empty;
// every line ends in CR LF.
QString colourChatLines(const QList<QStringView> &lines, ChatScheme scheme);
// The whole chat transform: lone LFs become line ends, the text is split through the
// scratch file in programFolder, and the lines are coloured. The result never depends
// on whether the scratch file could be written.
QString colourChat(const QString &programFolder, const QString &text, ChatScheme scheme);

// What button index (0..3) puts on the clipboard for a left or right click on text.
// An index outside 0..3 gives an empty text.
QString transform(int index, Click click, const QString &text, const QString &programFolder);

} // namespace formatText
