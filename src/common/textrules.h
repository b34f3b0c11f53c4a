#pragma once
// Small text rules shared by every feature.

#include <QString>
#include <QStringView>
#include <initializer_list>

namespace textRules {

// Removes leading and trailing blanks (spaces) only; tabs and line ends stay.
QString trimBlanks(const QString &text);
QStringView trimBlanks(QStringView text);
// 0-9 only.
inline bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }
// Every occurrence of from (non-overlapping, left to right) replaced by to, in one pass
// whatever the size of the text.
QString replaceAll(const QString &text, QStringView from, QStringView to);
// Letter case of A-Z only: the words the text tools look for are English, and no other
// letter should ever be taken for one of theirs.
inline char16_t asciiLower(char16_t c) { return (c >= u'A' && c <= u'Z') ? char16_t(c + (u'a' - u'A')) : c; }
// Does the lower-case ASCII word stand at position i of text, ignoring the case of A-Z?
bool asciiWordAt(QStringView text, qsizetype i, QStringView lowerWord);
// Does text contain any of the lower-case ASCII words anywhere (inside longer words too),
// ignoring the case of A-Z? No lowered copy of the text is made.
bool containsAnyAsciiWord(QStringView text, std::initializer_list<QStringView> lowerWords);
// The first n characters, never cutting a surrogate pair in two.
QString leftChars(const QString &text, qsizetype n);

} // namespace textRules
