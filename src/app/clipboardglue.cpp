#include "app/clipboardglue.h"

#include <QClipboard>
#include <QGuiApplication>

namespace clipboardGlue {

QString text()
{
    return QGuiApplication::clipboard()->text(QClipboard::Clipboard);
}

void replaceWithText(const QString &text)
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->clear(QClipboard::Clipboard);
    clipboard->setText(text, QClipboard::Clipboard);
}

} // namespace clipboardGlue
