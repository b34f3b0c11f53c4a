#pragma once
// The eight expanded clipboard slots without their widgets: text slot captions, and the
// slot files in the Templates folder that keep them across a restart.

#include <QString>
#include <optional>

namespace clipboardSlots {

inline constexpr int slotCount = 8;

// A slot's kind, as held on its button (a tag, never shown); anything else is an empty slot.
inline const QString textKind = QStringLiteral("Text");
inline const QString bitmapKind = QStringLiteral("Bitmap");

// The caption of a text slot: the whole text when shorter than 7 characters, else its
// first 6 and "...".
QString caption(const QString &text);

enum class SlotFile { None, Text, Bitmap };

// What a slot's settings value asks the load to restore. Only the value's last three
// characters count, and a value of 4 characters or fewer names nothing.
SlotFile restoreFrom(const QString &keyValue);
// The slot's file name in the Templates folder, also the value its key is saved as:
// "3.txt", "3.bmp"; empty for None.
QString fileName(int slot, SlotFile kind);

// A slot text file: the lines (ended by CR LF or a lone CR) joined with CR LF, no line end
// after the last, so a file written by writeText reads back as the text. Nothing when the
// file cannot be read.
std::optional<QString> readText(const QString &path);
// The text and CR LF, replacing the file atomically; false when it could not be written.
bool writeText(const QString &path, const QString &text);

// The joining rule of readText on text already read.
QString joinLines(const QString &contents);

} // namespace clipboardSlots
