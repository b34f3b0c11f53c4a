#include "wikitext/formattext.h"

#include "common/modvandrel.h"
#include "common/textfile.h"
#include "common/textrules.h"

namespace formatText {

namespace {

// The markup pieces, exactly as the wiki expects them.
const QString fontOpen = QStringLiteral("<font color=");
const QString fontClose = QStringLiteral("</font><br>");
const QString &crlf = textFiles::crlf;
const QString itemSeparator = QStringLiteral(", ");

// The longest colour name plus every fixed piece of a font element, so one reservation
// covers the whole result.
constexpr qsizetype longestColour = 14; // "cornflowerblue"
constexpr qsizetype fontOverhead = 12 + longestColour + 1 + 11 + 2;

bool outerSpace(QChar c) { return c == u' ' || c == u'\r' || c == u'\n'; }

QString wrapCopied(QStringView open, const QString &text, QStringView close)
{
    const QStringView inner = trimCopied(QStringView(text));
    QString out;
    out.reserve(open.size() + inner.size() + close.size());
    out.append(open).append(inner).append(close);
    return out;
}

} // namespace

QStringView trimCopied(QStringView text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && outerSpace(text[first]))
        ++first;
    while (last > first && outerSpace(text[last - 1]))
        --last;
    return text.sliced(first, last - first);
}

QString trimCopied(const QString &text)
{
    const QStringView trimmed = trimCopied(QStringView(text));
    return trimmed.size() == text.size() ? text : trimmed.toString();
}

LineKind classifyLine(QStringView line)
{
    return textRules::containsAnyAsciiWord(line, {u"tell", u"say"}) ? LineKind::Speech : LineKind::General;
}

QString fontColour(ChatScheme scheme, LineKind kind)
{
    switch (scheme) {
    case ChatScheme::Spell:
        return QStringLiteral("cornflowerblue");
    case ChatScheme::Npc:
        return QStringLiteral("grey");
    case ChatScheme::ByLineKind:
        break;
    }
    switch (kind) {
    case LineKind::Speech:
        return QStringLiteral("darkgoldenrod");
    case LineKind::Magic:
        return QStringLiteral("cornflowerblue");
    case LineKind::Melee:
        return QStringLiteral("crimson");
    case LineKind::General:
        break;
    }
    return QStringLiteral("green");
}

QString redirect(const QString &text)
{
    return wrapCopied(u"#Redirect [[", text, u"]]");
}

QString categoryTag(const QString &text)
{
    return wrapCopied(u"[[Category:", text, u"]]");
}

QString fileLink(const QString &text)
{
    return wrapCopied(u"[[File:", text, u".jpg]]");
}

QString iconTemplate(const QString &text)
{
    return wrapCopied(u"{{Icon|", text, u"}}");
}

QString inlineLinkList(const QString &text)
{
    return textRules::replaceAll(wrapCopied(u"[[", text, u"]]"), itemSeparator, u"]], [[");
}

QString bulletedLinkList(const QString &text)
{
    // Trimmed before the line ends become item separators: a final line end would
    // otherwise leave a bare comma in the last link, or a whole empty link.
    QString items = textRules::replaceAll(textRules::replaceAll(trimCopied(text), crlf, u"\n"), u"\n", itemSeparator);
    QString result = wrapCopied(u"* [[", items, u"]]");
    items = QString(); // a large copied text need not be held twice
    result = textRules::replaceAll(result, itemSeparator, u"]], * [[");
    return textRules::replaceAll(result, itemSeparator, crlf);
}

QString colourChatLines(const QList<QStringView> &lines, ChatScheme scheme)
{
    qsizetype capacity = 0;
    for (QStringView line : lines)
        capacity += line.size() + fontOverhead;

    QString result;
    result.reserve(capacity);

    // The single-colour schemes need no classification per line.
    const QString fixedColour = fontColour(scheme, LineKind::General);
    const QString speechColour = fontColour(scheme, LineKind::Speech);

    for (QStringView line : lines) {
        if (line.isEmpty()) {
            // Tested before trimming: a line of blanks still gets its (empty) element.
            result.append(crlf);
            continue;
        }
        const bool speech = scheme == ChatScheme::ByLineKind && classifyLine(line) == LineKind::Speech;
        result.append(fontOpen);
        result.append(speech ? speechColour : fixedColour);
        result.append(u'>');
        result.append(textRules::trimBlanks(line));
        result.append(fontClose);
        result.append(crlf);
    }
    return result;
}

QString colourChat(const QString &programFolder, const QString &text, ChatScheme scheme)
{
    // A log copied with LF-only line ends must split like one with CR LF.
    return colourChatLines(modVandrel::scratchSplitViews(programFolder, text, textFiles::LoneLf::EndsLine), scheme);
}

QString transform(int index, Click click, const QString &text, const QString &programFolder)
{
    const bool left = click == Click::Left;
    switch (index) {
    case 0:
        return colourChat(programFolder, text, left ? ChatScheme::ByLineKind : ChatScheme::Spell);
    case 1:
        return left ? inlineLinkList(text) : bulletedLinkList(text);
    case 2:
        return left ? fileLink(text) : iconTemplate(text);
    case 3:
        return left ? redirect(text) : categoryTag(text);
    default:
        return QString();
    }
}

} // namespace formatText
