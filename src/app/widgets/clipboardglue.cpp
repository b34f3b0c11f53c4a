#include "app/widgets/clipboardglue.h"
#include "app/widgets/clipboardplatform.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace clipboardGlue {
namespace {
QString lastSet;
}

QString text()
{
    return QGuiApplication::clipboard()->text(QClipboard::Clipboard);
}

void replaceWithText(const QString &text)
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->clear(QClipboard::Clipboard);
    clipboard->setText(text, QClipboard::Clipboard);
    lastSet = text;
}

std::optional<QString> ownText()
{
    const QString now = text();
    if (lastSet.isEmpty() || now != lastSet || format() != Format::Text)
        return std::nullopt;
    return now;
}

Format format()
{
    const QMimeData *data = QGuiApplication::clipboard()->mimeData(QClipboard::Clipboard);
    if (!data)
        return Format::Nothing;
    if (data->hasImage())
        return Format::Bitmap;
    return data->hasText() ? Format::Text : Format::Nothing;
}

QImage picture()
{
    QImage image = QGuiApplication::clipboard()->image(QClipboard::Clipboard);
    if (image.isNull())
        image = clipboardPlatform::deviceIndependentBitmap();
    if (image.isNull() || image.format() == QImage::Format_RGB32)
        return image;
    return image.convertToFormat(QImage::Format_RGB32);
}

} // namespace clipboardGlue
