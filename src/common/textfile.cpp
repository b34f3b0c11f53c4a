#include "common/textfile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

namespace modVandrel {

QString decodeText(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError()) {
        if (text.startsWith(QChar(0xFEFF)))
            text.remove(0, 1);
        return text;
    }
    return QString::fromLatin1(bytes);
}

std::optional<QString> readTextFile(const QString &path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return decodeText(file.readAll());
}

bool writeFileAtomic(const QString &path, const QByteArray &bytes)
{
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool writeTextFileAtomic(const QString &path, const QString &text)
{
    return writeFileAtomic(path, text.toUtf8());
}

QStringList splitLines(const QString &text)
{
    QStringList lines;
    const QChar *data = text.constData();
    const qsizetype n = text.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i < n; ++i) {
        if (data[i] != u'\r')
            continue;
        lines.append(QString(data + start, i - start));
        if (i + 1 < n && data[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    lines.append(QString(data + start, n - start));
    return lines;
}

QString normaliseLineEnds(const QString &text)
{
    QString out = text;
    out.replace(crlf, QStringLiteral("\n"));
    out.replace(u'\n', crlf);
    return out;
}

} // namespace modVandrel
