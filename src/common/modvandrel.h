#pragma once
// The routines every part of the program shares: the file-exists test and the scratch file
// the line-by-line text tools split their text through.

#include "common/textfile.h"

#include <QString>
#include <QStringList>

namespace modVandrel {

inline const QString scratchFileName = QStringLiteral("Parse.tmp");

// True when the file can be opened for reading.
bool fileExists(const QString &path);

// Splits text into lines through the scratch file: the text and one CR LF are written to
// Parse.tmp in the program folder (when it can be written; with every line end made
// CR LF when a lone LF ends a line), and the lines are the pieces between line ends (see
// splitLineViews). The split never depends on the file: a folder that cannot be written
// gives the same lines. The views point into text.
QList<QStringView> scratchSplitViews(const QString &programFolder, const QString &text,
                                     textFiles::LoneLf loneLf = textFiles::LoneLf::StaysInLine);
QStringList scratchSplit(const QString &programFolder, const QString &text,
                         textFiles::LoneLf loneLf = textFiles::LoneLf::StaysInLine);
// Writes the text and one CR LF to Parse.tmp, as the split does.
bool writeScratchFile(const QString &programFolder, QStringView text, textFiles::LoneLf loneLf);
// At shut-down the scratch file keeps no copied text: a single blank and CR LF.
bool resetScratchFile(const QString &programFolder);

} // namespace modVandrel
