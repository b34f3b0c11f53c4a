#pragma once
// The system clipboard as the text tools use it.

#include <QString>

namespace clipboardGlue {

// The clipboard's plain text; empty when it holds none (a picture only, or nothing).
QString text();
// Clears the clipboard (a picture on it included) and puts the text on it.
void replaceWithText(const QString &text);

} // namespace clipboardGlue
