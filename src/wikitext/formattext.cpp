#include "wikitext/formattext.h"

#include "common/modvandrel.h"
#include "common/textfile.h"
#include "common/textutil.h"

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

} // namespace

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
    return QStringLiteral("#Redirect [[") + text + QStringLiteral("]]");
}

QString categoryTag(const QString &text)
{
    return QStringLiteral("[[Category:") + text + QStringLiteral("]]");
}

QString fileLink(const QString &text)
{
    return QStringLiteral("[[File:") + text + QStringLiteral(".jpg]]");
}

QString iconTemplate(const QString &text)
{
    return QStringLiteral("{{Icon|") + text + QStringLiteral("}}");
}

QString inlineLinkList(const QString &text)
{
    return textRules::replaceAll(QStringLiteral("[[") + textRules::trimBlanks(text) + QStringLiteral("]]"),
                      itemSeparator, u"]], [[");
}

QString bulletedLinkList(const QString &text)
{
    // Every line end becomes an item separator first, so a final line end turns into a
    // trailing ", " that the trim cuts down to a bare comma inside the last link.
    QString items = textRules::replaceAll(textRules::replaceAll(text, crlf, u"\n"), u"\n", itemSeparator);
    QString result = QStringLiteral("* [[") + textRules::trimBlanks(items) + QStringLiteral("]]");
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
