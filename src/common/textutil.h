#pragma once
// Small text rules shared by every feature.

#include <QString>

namespace modVandrel {

// Removes leading and trailing blanks (spaces) only; tabs and line ends stay.
QString trimBlanks(const QString &text);
QStringView trimBlanks(QStringView text);
// 0-9 only.
inline bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }
// Every occurrence of from (non-overlapping, left to right) replaced by to, in one pass
// whatever the size of the text.
QString replaceAll(const QString &text, QStringView from, QStringView to);
// The first n characters, never cutting a surrogate pair in two.
QString leftChars(const QString &text, qsizetype n);

} // namespace modVandrel
