#pragma once
// The system clipboard as the text tools use it.

#include <QImage>
#include <QString>
#include <optional>

namespace clipboardGlue {

// The clipboard's plain text; empty when it holds none (a picture only, or nothing).
QString text();
// Clears the clipboard (a picture on it included) and puts the text on it.
void replaceWithText(const QString &text);
// The text Quillmark last put on the clipboard, when the clipboard still holds it (nobody
// copied anything since); nothing otherwise. Work that ends later may only change that.
std::optional<QString> ownText();

// What the clipboard holds, as the format probe tells it: a picture wins over text.
enum class Format { Nothing, Text, Bitmap };
Format format();
// The clipboard's picture (RGB32), or a null image when it holds none.
QImage picture();

} // namespace clipboardGlue
