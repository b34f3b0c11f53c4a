#include "common/modvandrel.h"

#include "common/paths.h"
#include "common/textfile.h"

#include <QFile>
#include <QFileInfo>
#include <QStringEncoder>

namespace modVandrel {

using paths::joinPath;
using textFiles::LoneLf;

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
    return textFiles::writeFileAtomic(joinPath(programFolder, scratchFileName), writePieces);
}

QList<QStringView> scratchSplitViews(const QString &programFolder, const QString &text, LoneLf loneLf)
{
    // The file is kept for whoever looks at it; the split itself is done in memory so a
    // read-only folder or a full disk cannot cost the user the result.
    writeScratchFile(programFolder, text, loneLf);
    return textFiles::splitLineViews(text, loneLf);
}

QStringList scratchSplit(const QString &programFolder, const QString &text, LoneLf loneLf)
{
    writeScratchFile(programFolder, text, loneLf);
    return textFiles::splitLines(text, loneLf);
}

bool resetScratchFile(const QString &programFolder)
{
    return textFiles::writeTextFileAtomic(joinPath(programFolder, scratchFileName), QStringLiteral(" \r\n"));
}

} // namespace modVandrel
