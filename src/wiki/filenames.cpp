#include "wiki/filenames.h"

#include <QStringList>

#include <algorithm>

namespace wiki::names {
namespace {

bool isForbidden(char32_t c)
{
    // A character beyond the first plane is none of them, whatever its low 16 bits are.
    return c <= 0xffff && QStringView(u"#<>[]|{}:/\\").contains(QChar(char16_t(c)));
}

bool isControl(char32_t c)
{
    return c < 0x20 || (c >= 0x7f && c < 0xa0);
}

bool isInvisible(char32_t c)
{
    return c == 0x200e || c == 0x200f || (c >= 0x202a && c <= 0x202e);
}

// The spaces the wiki reads as a blank, the plain one aside.
bool isOddSpace(char32_t c)
{
    return c == 0xa0 || c == 0x1680 || c == 0x180e || (c >= 0x2000 && c <= 0x200a) || c == 0x2028 || c == 0x2029
        || c == 0x202f || c == 0x205f || c == 0x3000;
}

bool isBlank(char32_t c)
{
    return c == u' ' || c == u'_';
}

bool isHex(QChar c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

QString codePoint(char32_t c)
{
    return QStringLiteral("U+") + QString::number(uint(c), 16).toUpper().rightJustified(4, u'0');
}

// "&", then letters, digits or anything beyond ASCII, then ";": the length of it, or 0.
qsizetype entityAt(const QString &name, qsizetype i)
{
    if (name[i] != u'&')
        return 0;
    qsizetype end = i + 1;
    while (end < name.size() && (name[end].isLetterOrNumber() || name[end].unicode() > 0x7f))
        ++end;
    return end > i + 1 && end < name.size() && name[end] == u';' ? end + 1 - i : 0;
}

// The rule a single character breaks, and how it is mended: "" removes it.
Rule characterRule(char32_t c, QString *mended)
{
    if (isForbidden(c) || isControl(c)) {
        *mended = QStringLiteral("-");
        return isForbidden(c) ? Rule::Forbidden : Rule::Control;
    }
    if (isInvisible(c)) {
        mended->clear();
        return Rule::Invisible;
    }
    if (isOddSpace(c)) {
        *mended = QStringLiteral(" ");
        return Rule::OddSpace;
    }
    return Rule::None;
}

struct Finding {
    Rule rule = Rule::None;
    QString offending;
    void note(Rule r, const QString &what)
    {
        if (rule == Rule::None || r < rule) {
            rule = r;
            offending = what;
        }
    }
};

// Character by character: forbidden, control, invisible and odd space characters.
QString mendCharacters(const QString &name, Finding &found)
{
    QString out;
    out.reserve(name.size());
    for (char32_t c : name.toUcs4()) {
        QString mended;
        const Rule rule = characterRule(c, &mended);
        if (rule == Rule::None) {
            out += QString::fromUcs4(&c, 1);
            continue;
        }
        found.note(rule, rule == Rule::Forbidden ? QString::fromUcs4(&c, 1) : codePoint(c));
        out += mended;
    }
    return out;
}

// "~~~" (and longer runs), "%" with two hex digits and "&entity;".
QString mendSequences(const QString &name, Finding &found)
{
    QString out;
    for (qsizetype i = 0; i < name.size();) {
        if (name[i] == u'~') {
            qsizetype end = i;
            while (end < name.size() && name[end] == u'~')
                ++end;
            if (end - i >= 3) {
                found.note(Rule::Signature, name.mid(i, end - i));
                out += u'-';
            } else {
                out += name.mid(i, end - i);
            }
            i = end;
            continue;
        }
        // The two characters after "%", fewer at the end of the name.
        const QStringView code = QStringView(name).mid(i + 1, 2);
        if (name[i] == u'%' && code.size() == 2 && isHex(code[0]) && isHex(code[1])) {
            found.note(Rule::PercentCode, name.mid(i, 3));
            out += u'-';
            ++i;
            continue;
        }
        if (const qsizetype entity = entityAt(name, i)) {
            found.note(Rule::Entity, name.mid(i, entity));
            out += u'-';
            ++i;
            continue;
        }
        out += name[i++];
    }
    return out;
}

// Blanks at the ends go and a run of blanks becomes its first one.
QString mendBlanks(const QString &name, Finding &found)
{
    if (!name.isEmpty() && isBlank(name.front().unicode()))
        found.note(Rule::LeadingBlank, name.left(1));
    if (!name.isEmpty() && isBlank(name.back().unicode()))
        found.note(Rule::TrailingBlank, name.right(1));
    QString out;
    for (qsizetype i = 0; i < name.size(); ++i) {
        const bool blank = isBlank(name[i].unicode());
        if (blank && i > 0 && isBlank(name[i - 1].unicode())) {
            found.note(Rule::DoubledBlank, name.mid(i - 1, 2));
            continue;
        }
        out += name[i];
    }
    qsizetype start = 0, end = out.size();
    while (start < end && isBlank(out[start].unicode()))
        ++start;
    while (end > start && isBlank(out[end - 1].unicode()))
        --end;
    return out.mid(start, end - start);
}

qsizetype utf8Size(QStringView text)
{
    return text.toUtf8().size();
}

// The stem loses characters at its end (never half of one) until the name fits.
QString shortened(const QString &name)
{
    const qsizetype dot = name.lastIndexOf(u'.');
    const QString extension = dot > 0 ? name.mid(dot) : QString();
    QString stem = dot > 0 ? name.left(dot) : name;
    while (!stem.isEmpty() && utf8Size(stem) + utf8Size(extension) > maxBytes)
        stem.chop(stem.size() >= 2 && stem.back().isLowSurrogate() ? 2 : 1);
    // A cut may end a name without extension in a blank, which the wiki would drop.
    while (extension.isEmpty() && !stem.isEmpty() && isBlank(stem.back().unicode()))
        stem.chop(1);
    return stem + extension;
}

} // namespace

Verdict check(const QString &fileName)
{
    Finding found;
    QString cleaned = mendCharacters(fileName, found);
    cleaned = mendSequences(cleaned, found);
    cleaned = mendBlanks(cleaned, found);
    if (utf8Size(fileName) > maxBytes)
        found.note(Rule::TooLong, QString::number(utf8Size(fileName)));
    // Mending may lengthen a name (a lone half of a pair becomes a whole replacement character).
    if (utf8Size(cleaned) > maxBytes)
        cleaned = shortened(cleaned);
    if (cleaned.isEmpty() || cleaned.lastIndexOf(u'.') == 0) {
        found.note(Rule::Empty, QString());
        cleaned.clear();
    }

    Verdict verdict;
    verdict.rule = found.rule;
    verdict.offending = found.offending;
    verdict.cleaned = verdict.ok() ? fileName : cleaned;
    verdict.lowerFirst = !fileName.isEmpty() && QChar::isLower(fileName.toUcs4().front());
    return verdict;
}

std::optional<QString> renamedInCopy(const QString &copied, const QString &from, const QString &to)
{
    const auto markup = [](const QString &name) { return QStringLiteral("[[File:%1]]").arg(name); };
    bool found = false;
    QStringList lines = copied.split(u'\n');
    for (QString &line : lines) {
        // Copies end their lines with CR LF; the CR stays where it was.
        const bool cr = line.endsWith(u'\r');
        const QString bare = cr ? line.chopped(1) : line;
        if (bare != from && bare != markup(from))
            continue;
        line = (bare == from ? to : markup(to)) + (cr ? QStringLiteral("\r") : QString());
        found = true;
    }
    return found ? std::optional(lines.join(u'\n')) : std::nullopt;
}

} // namespace wiki::names
