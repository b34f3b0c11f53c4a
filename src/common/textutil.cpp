#include "common/textutil.h"

namespace modVandrel {

QString trimBlanks(const QString &text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == u' ')
        ++first;
    while (last > first && text[last - 1] == u' ')
        --last;
    return text.mid(first, last - first);
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

} // namespace modVandrel
