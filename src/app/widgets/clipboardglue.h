#pragma once
// The system clipboard as the text tools use it.

#include <QImage>
#include <QString>

namespace clipboardGlue {

// The clipboard's plain text; empty when it holds none (a picture only, or nothing).
QString text();
// Clears the clipboard (a picture on it included) and puts the text on it.
void replaceWithText(const QString &text);

// The clipboard format probe: 2 when the clipboard holds a picture, else 1 when it holds
// text, else 0.
int format();
// The clipboard's picture (RGB32), or a null image when it holds none.
QImage picture();

} // namespace clipboardGlue
