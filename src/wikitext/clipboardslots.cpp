#include "wikitext/clipboardslots.h"

#include "common/textfile.h"
#include "common/textrules.h"

namespace clipboardSlots {

QString caption(const QString &text)
{
    constexpr qsizetype shown = 6;
    if (text.size() <= shown)
        return text;
    return textRules::leftChars(text, shown) + QStringLiteral("...");
}

SlotFile restoreFrom(const QString &keyValue)
{
    if (keyValue.size() <= 4)
        return SlotFile::None;
    const QStringView ending = QStringView(keyValue).right(3);
    if (ending == u"txt")
        return SlotFile::Text;
    if (ending == u"bmp")
        return SlotFile::Bitmap;
    return SlotFile::None;
}

QString fileName(int slot, SlotFile kind)
{
    switch (kind) {
    case SlotFile::Text:
        return QString::number(slot) + QStringLiteral(".txt");
    case SlotFile::Bitmap:
        return QString::number(slot) + QStringLiteral(".bmp");
    case SlotFile::None:
        break;
    }
    return QString();
}

QString joinLines(const QString &contents)
{
    QList<QStringView> lines = textFiles::splitLineViews(contents);
    // What follows the last line end is only a line when it holds something.
    if (lines.size() > 1 && lines.last().isEmpty())
        lines.removeLast();
    if (lines.size() == 1)
        return lines.first().toString();

    qsizetype size = 2 * (lines.size() - 1);
    for (QStringView line : lines)
        size += line.size();
    QString text;
    text.reserve(size);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0)
            text.append(textFiles::crlf);
        text.append(lines[i]);
    }
    return text;
}

std::optional<QString> readText(const QString &path)
{
    const std::optional<QString> contents = textFiles::readTextFile(path);
    if (!contents)
        return std::nullopt;
    return joinLines(*contents);
}

bool writeText(const QString &path, const QString &text)
{
    QByteArray bytes = text.toUtf8();
    bytes.append("\r\n");
    return textFiles::writeFileAtomic(path, bytes);
}

} // namespace clipboardSlots
