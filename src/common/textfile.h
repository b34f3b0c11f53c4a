#pragma once
// Text files and line splitting. Files are written as UTF-8; a file that is not valid
// UTF-8 (made on an older system) is read as Latin-1.

#include "common/atomicfile.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QIODevice;

namespace textFiles {

inline const QString crlf = QStringLiteral("\r\n");

// UTF-8 when the bytes are valid UTF-8 (a leading byte order mark is dropped), else Latin-1.
QString decodeText(const QByteArray &bytes);
std::optional<QString> readTextFile(const QString &path);

// Replaces the file atomically: either the whole new text is there or the old file is.
// Refuses a target that exists and is not a regular file. Synced files are on the disk
// before they replace the old one (for files a power cut must not empty).
bool writeTextFileAtomic(const QString &path, const QString &text);
bool writeFileAtomic(const QString &path, const QByteArray &bytes, Durability durability = Durability::Cached);
// The same for content written in parts: write puts everything on the device and says
// whether it all went.
bool writeFileAtomic(const QString &path, const std::function<bool(QIODevice &)> &write,
                     Durability durability = Durability::Cached);

// Whether an LF that follows no CR ends a line. Text copied on this platform usually
// ends its lines that way; where a line-by-line reader must split at it, it is the same
// as first turning every line end into CR LF.
enum class LoneLf { StaysInLine, EndsLine };

// The pieces of the text between line ends, where a line ends at CR LF or at a CR alone
// (and at a lone LF when asked to). The last piece is kept even when empty, so an empty
// text gives one empty line and a text ending in CR LF a final empty line. The views
// point into text.
QList<QStringView> splitLineViews(QStringView text, LoneLf loneLf = LoneLf::StaysInLine);
QStringList splitLines(const QString &text, LoneLf loneLf = LoneLf::StaysInLine);

// Every CR LF to LF, then every LF to CR LF, so that a lone LF ends a line too.
QString normaliseLineEnds(const QString &text);

} // namespace textFiles
