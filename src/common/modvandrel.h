#pragma once
// Routines the whole program shares: files in the program folder and the scratch file.

#include "common/textfile.h"

#include <QString>
#include <QStringList>

namespace modVandrel {

inline const QString scratchFileName = QStringLiteral("Parse.tmp");

// True when the file can be opened for reading.
bool fileExists(const QString &path);

// A folder text that does not end in a separator gets one (the platform's own, or "\"
// when the text already uses backslashes).
QString withSeparator(const QString &folder);
// folder + separator + name.
QString joinPath(const QString &folder, const QString &name);
// The path of name in folder: the exact name when it exists, else an entry whose name
// differs only in letter case, else the exact name.
QString findFileNoCase(const QString &folder, const QString &name);
// The part after the last "/" or "\".
QString fileNameOf(const QString &path);

// Splits text into lines through the scratch file: the text and one CR LF are written to
// Parse.tmp in the program folder (when it can be written; with every line end made
// CR LF when a lone LF ends a line), and the lines are the pieces between line ends (see
// splitLineViews). The split never depends on the file: a folder that cannot be written
// gives the same lines. The views point into text.
QList<QStringView> scratchSplitViews(const QString &programFolder, const QString &text,
                                     LoneLf loneLf = LoneLf::StaysInLine);
QStringList scratchSplit(const QString &programFolder, const QString &text, LoneLf loneLf = LoneLf::StaysInLine);
// Writes the text and one CR LF to Parse.tmp, as the split does.
bool writeScratchFile(const QString &programFolder, QStringView text, LoneLf loneLf);
// At shut-down the scratch file keeps no copied text: a single blank and CR LF.
bool resetScratchFile(const QString &programFolder);

} // namespace modVandrel
