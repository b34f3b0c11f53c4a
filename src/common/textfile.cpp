#include "common/textfile.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace textFiles {

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

bool writeFileAtomic(const QString &path, const std::function<bool(QIODevice &)> &write, Durability durability)
{
    AtomicFile file(path);
    if (!file.open())
        return false;
    QFile device;
    if (!device.open(file.stream(), QIODevice::WriteOnly) || !write(device) || !device.flush())
        return false;
    device.close(); // the stream stays open: it belongs to the atomic file
    return file.commit(durability);
}

bool writeFileAtomic(const QString &path, const QByteArray &bytes, Durability durability)
{
    return writeFileAtomic(
        path, [&bytes](QIODevice &file) { return file.write(bytes) == bytes.size(); }, durability);
}

bool writeTextFileAtomic(const QString &path, const QString &text)
{
    return writeFileAtomic(path, text.toUtf8());
}

QList<QStringView> splitLineViews(QStringView text, LoneLf loneLf)
{
    QList<QStringView> lines;
    const QChar *data = text.data();
    const qsizetype n = text.size();
    const bool lfEnds = loneLf == LoneLf::EndsLine;
    qsizetype start = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = data[i].unicode();
        if (c == u'\r') {
            lines.append(QStringView(data + start, i - start));
            if (i + 1 < n && data[i + 1] == u'\n')
                ++i;
            start = i + 1;
        } else if (c == u'\n' && lfEnds) {
            lines.append(QStringView(data + start, i - start));
            start = i + 1;
        }
    }
    lines.append(QStringView(data + start, n - start));
    return lines;
}

QStringList splitLines(const QString &text, LoneLf loneLf)
{
    const QList<QStringView> views = splitLineViews(text, loneLf);
    QStringList lines;
    lines.reserve(views.size());
    for (QStringView v : views)
        lines.append(v.toString());
    return lines;
}

// CR LF to LF, then every LF to CR LF, comes down to: an LF not preceded by CR gets one. Done in one pass, and a log that already
// has CR LF line ends (the usual case) is not copied at all.
QString normaliseLineEnds(const QString &text)
{
    const QChar *data = text.constData();
    const qsizetype size = text.size();
    const auto loneLf = [&](qsizetype i) { return data[i] == u'\n' && (i == 0 || data[i - 1] != u'\r'); };

    qsizetype count = 0;
    for (qsizetype i = 0; i < size; ++i)
        count += loneLf(i);
    if (count == 0)
        return text;

    QString out;
    out.reserve(size + count);
    qsizetype start = 0;
    for (qsizetype i = 0; i < size; ++i) {
        if (loneLf(i)) {
            out.append(data + start, i - start);
            out.append(u'\r');
            start = i; // the LF goes out with the next piece
        }
    }
    out.append(data + start, size - start);
    return out;
}

} // namespace textFiles
