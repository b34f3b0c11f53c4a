#include "common/textrules.h"

#include <algorithm>

namespace textRules {

QString trimBlanks(const QString &text)
{
    const QStringView trimmed = trimBlanks(QStringView(text));
    return trimmed.size() == text.size() ? text : trimmed.toString();
}

QStringView trimBlanks(QStringView text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == u' ')
        ++first;
    while (last > first && text[last - 1] == u' ')
        --last;
    return text.sliced(first, last - first);
}

QString leftChars(const QString &text, qsizetype n)
{
    if (n >= text.size())
        return text;
    if (n <= 0)
        return QString();
    if (text[n - 1].isHighSurrogate())
        --n;
    return text.left(n);
}

bool asciiWordAt(QStringView text, qsizetype i, QStringView lowerWord)
{
    if (i < 0 || text.size() - i < lowerWord.size())
        return false;
    for (qsizetype k = 0; k < lowerWord.size(); ++k) {
        if (asciiLower(text[i + k].unicode()) != lowerWord[k].unicode())
            return false;
    }
    return true;
}

bool containsAnyAsciiWord(QStringView text, std::initializer_list<QStringView> lowerWords)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = asciiLower(text[i].unicode());
        for (QStringView word : lowerWords) {
            if (!word.isEmpty() && word[0].unicode() == c && asciiWordAt(text, i, word))
                return true;
        }
    }
    return false;
}

// Qt's own replace moves the rest of the text once per batch of matches, which makes a
// large copied text take tens of seconds; this builds the result in one pass.
QString replaceAll(const QString &text, QStringView from, QStringView to)
{
    if (from.isEmpty())
        return text;
    const QChar *data = text.constData();
    const qsizetype size = text.size();
    const qsizetype fromSize = from.size();
    const auto matchAt = [&](qsizetype i) {
        return data[i] == from[0] && size - i >= fromSize
            && std::equal(from.begin() + 1, from.end(), data + i + 1);
    };

    qsizetype matches = 0;
    for (qsizetype i = 0; i < size; ++i) {
        if (matchAt(i)) {
            ++matches;
            i += fromSize - 1;
        }
    }
    if (matches == 0)
        return text;

    QString out;
    out.reserve(size + matches * (to.size() - fromSize));
    qsizetype start = 0;
    for (qsizetype i = 0; i < size; ++i) {
        if (matchAt(i)) {
            out.append(data + start, i - start);
            out.append(to);
            i += fromSize - 1;
            start = i + 1;
        }
    }
    out.append(data + start, size - start);
    return out;
}

} // namespace textRules
