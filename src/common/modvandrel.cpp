#include "common/modvandrel.h"

#include "common/textfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringEncoder>

namespace modVandrel {
namespace {

// Copies part (which starts at start in text) into piece with a CR before every LF that
// follows no CR; false, leaving piece alone, when there is no such LF.
bool addCrBeforeLoneLf(QStringView text, qsizetype start, QStringView part, QString &piece)
{
    qsizetype run = 0;
    bool changed = false;
    for (qsizetype i = 0; i < part.size(); ++i) {
        const qsizetype at = start + i;
        if (part[i] != u'\n' || (at > 0 && text[at - 1] == u'\r'))
            continue;
        if (!changed)
            piece.clear();
        piece.append(part.sliced(run, i - run));
        piece.append(u'\r');
        run = i; // the LF goes out with the next run
        changed = true;
    }
    if (changed)
        piece.append(part.sliced(run));
    return changed;
}

} // namespace

bool fileExists(const QString &path)
{
    if (!QFileInfo(path).isFile())
        return false;
    QFile file(path);
    return file.open(QIODevice::ReadOnly);
}

QString withSeparator(const QString &folder)
{
    if (folder.endsWith(u'/') || folder.endsWith(u'\\'))
        return folder;
    if (folder.contains(u'\\') && !folder.contains(u'/'))
        return folder + u'\\';
    return folder + QDir::separator();
}

QString joinPath(const QString &folder, const QString &name)
{
    return withSeparator(folder) + name;
}

QString findFileNoCase(const QString &folder, const QString &name)
{
    const QString exact = joinPath(folder, name);
    if (QFileInfo::exists(exact))
        return exact;
    const QStringList entries = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System);
    for (const QString &entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return joinPath(folder, entry);
    }
    return exact;
}

QString fileNameOf(const QString &path)
{
    const qsizetype cut = std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
    return path.mid(cut + 1);
}

bool writeScratchFile(const QString &programFolder, QStringView text, LoneLf loneLf)
{
    // Written in pieces so that a copied text of many megabytes is never held twice more.
    const auto writePieces = [text, loneLf](QIODevice &file) {
        constexpr qsizetype pieceSize = 1 << 16;
        QStringEncoder toUtf8(QStringEncoder::Utf8);
        QString piece;
        piece.reserve(pieceSize + pieceSize / 2);
        for (qsizetype start = 0; start < text.size(); start += pieceSize) {
            const QStringView part = text.mid(start, pieceSize);
            QStringView out = part;
            if (loneLf == LoneLf::EndsLine && addCrBeforeLoneLf(text, start, part, piece))
                out = piece;
            const QByteArray bytes = toUtf8.encode(out);
            if (file.write(bytes) != bytes.size())
                return false;
        }
        return file.write("\r\n", 2) == 2;
    };
    return writeFileAtomic(joinPath(programFolder, scratchFileName), writePieces);
}

QList<QStringView> scratchSplitViews(const QString &programFolder, const QString &text, LoneLf loneLf)
{
    // The file is kept for whoever looks at it; the split itself is done in memory so a
    // read-only folder or a full disk cannot cost the user the result.
    writeScratchFile(programFolder, text, loneLf);
    return splitLineViews(text, loneLf);
}

QStringList scratchSplit(const QString &programFolder, const QString &text, LoneLf loneLf)
{
    writeScratchFile(programFolder, text, loneLf);
    return splitLines(text, loneLf);
}

bool resetScratchFile(const QString &programFolder)
{
    return writeTextFileAtomic(joinPath(programFolder, scratchFileName), QStringLiteral(" \r\n"));
}

} // namespace modVandrel
