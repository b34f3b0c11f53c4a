#include "wikitext/creaturepage.h"

#include "common/textfile.h"
#include "common/textrules.h"

#include <algorithm>

namespace creaturePage {
namespace {

// The output labels exactly as the wiki's templates align them: the names right-aligned
// in 16 columns in the intro block and in 15 in the creature block.
const QString introOpen = QStringLiteral("{{Intro");
const QString patchLabel = QStringLiteral(" | Patch Introduced = [[");
const QString patchClose = QStringLiteral("]]");
const QString questsLabel = QStringLiteral(" |   Related Quests = ");
const QString updatedLabel = QStringLiteral(" |          Updated = ");
const QString blockClose = QStringLiteral("}}");
const QString creatureOpen = QStringLiteral("{{Creature");
const QString nameLabel = QStringLiteral(" |            Name = ");
const QString imageLabel = QStringLiteral(" |           Image = ");
const QString imageExtension = QStringLiteral(".jpg");
const QString classLabel = QStringLiteral(" |           Class = ");
const QString subclassLabel = QStringLiteral(" |        Subclass = ");
const QString bossLabel = QStringLiteral(" |            Boss = ");
const QString levelLabel = QStringLiteral(" |           Level = ");
// Fields 6 to 24 in order, Strength to Trophies.
const QString attributeLabels[] = {
    QStringLiteral(" |        Strength = "), QStringLiteral(" |       Endurance = "),
    QStringLiteral(" |    Coordination = "), QStringLiteral(" |       Quickness = "),
    QStringLiteral(" |           Focus = "), QStringLiteral(" |            Self = "),
    QStringLiteral(" |          Health = "), QStringLiteral(" |         Stamina = "),
    QStringLiteral(" |            Mana = "), QStringLiteral(" |   Melee Defense = "),
    QStringLiteral(" |    Melee Attack = "), QStringLiteral(" | Missile Defense = "),
    QStringLiteral(" |  Missile Attack = "), QStringLiteral(" |   Magic Defense = "),
    QStringLiteral(" |    Magic Attack = "), QStringLiteral(" |              XP = "),
    QStringLiteral(" |      Weaknesses = "), QStringLiteral(" |         Attacks = "),
    QStringLiteral(" |        Trophies = "),
};

constexpr int fieldCount = 24;
constexpr int firstAttribute = 6; // Strength: from here on "?" is dropped before the cut

// Where each field comes from in the earlier layout: its line (as counted without an
// empty second line) and the markers around it.
struct FieldCut {
    int field;
    int line;
    const char16_t *start;
    const char16_t *end;
};
const FieldCut cuts[] = {
    {1, 1, u"[[", u"]]"},      {2, 3, u"<big>", u""},     {3, 4, u"Image:", u".jpg"},
    {4, 6, u"[[", u"]]"},      {5, 6, u"LVL", u""},       {6, 12, u"!", u""},
    {7, 13, u"!", u""},        {8, 14, u"!", u""},        {9, 20, u"!", u""},
    {10, 21, u"!", u""},       {11, 22, u"!", u""},       {12, 28, u"red>", u""},
    {13, 29, u"rod>", u""},    {14, 30, u"blue>", u""},   {15, 36, u"!", u"/"},
    {16, 36, u"/", u""},       {17, 37, u"!", u"/"},      {18, 37, u"/", u""},
    {19, 38, u"!", u"/"},      {20, 38, u"/", u""},       {21, 41, u"green>", u""},
    {22, 44, u"span=2|", u""}, {23, 47, u"span=2|", u""}, {24, 50, u"span=2|", u""},
};

// Every occurrence of the lower-case ASCII word removed, ignoring the letter case of A-Z
// only, so that no other letter is ever taken for one of the word's.
QString removeIgnoringCase(const QString &text, QStringView word)
{
    QString out;
    out.reserve(text.size());
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n;) {
        if (textRules::asciiWordAt(text, i, word)) {
            i += word.size();
        } else {
            out.append(text[i]);
            ++i;
        }
    }
    return out;
}

} // namespace

QString cutBetween(QStringView line, QStringView start, QStringView end)
{
    // Positions count from 1 here, as the layout's cut defines them.
    const qsizetype found = line.indexOf(start);
    const qsizetype s = (found < 0 ? 0 : found + 1) + start.size();
    if (end.isEmpty())
        return s > line.size() ? QString() : line.sliced(s - 1).toString();
    const qsizetype endFound = line.indexOf(end);
    const qsizetype e = endFound < 0 ? 0 : endFound + 1;
    if (e < s)
        return QString();
    return line.sliced(s - 1, e - s).toString();
}

namespace {

// The template's lines around the fields cut from the page, blanks trimmed.
QString templateText(const QString (&fields)[fieldCount + 1])
{
    const auto value = [&](int field) { return textRules::trimBlanks(fields[field]); };
    const QString &crlf = textFiles::crlf;
    QString out;
    out += introOpen + crlf;
    out += patchLabel + value(1) + patchClose + crlf;
    out += questsLabel + crlf;
    out += updatedLabel + crlf;
    out += blockClose + crlf;
    out += creatureOpen + crlf;
    out += nameLabel + value(2) + crlf;
    out += imageLabel + value(3) + imageExtension + crlf;
    out += classLabel + value(4) + crlf;
    out += subclassLabel + crlf;
    out += bossLabel + crlf;
    out += levelLabel + value(5) + crlf;
    for (int field = firstAttribute; field <= fieldCount; ++field)
        out += attributeLabels[field - firstAttribute] + value(field) + crlf;
    out += blockClose;
    return out;
}

} // namespace

textParsers::Conversion convert(const QList<QStringView> &lines)
{
    // The split always gives at least one line; an empty list is read as one empty line.
    const QStringView none;
    const qsizetype count = lines.size();
    // Reading past the end keeps the last line read, so a short page repeats its last line.
    const auto lineAt = [&](qsizetype number) -> QStringView {
        if (count == 0)
            return none;
        return lines[std::min(number, count) - 1];
    };
    const int shift = lineAt(2).isEmpty() ? 1 : 0;

    QString fields[fieldCount + 1];
    qsizetype found = 0;
    for (const FieldCut &cut : cuts) {
        const int number = cut.line >= 3 ? cut.line + shift : cut.line;
        QStringView line = lineAt(number);
        QString withoutQuestionMarks;
        if (cut.field >= firstAttribute && line.contains(u'?')) {
            withoutQuestionMarks = line.toString().remove(u'?');
            line = withoutQuestionMarks;
        }
        fields[cut.field] = cutBetween(line, cut.start, cut.end);
        if (number <= count && line.contains(QStringView(cut.start)))
            ++found;
    }
    fields[2] = removeIgnoringCase(fields[2], u"</big>");
    fields[21] = removeIgnoringCase(fields[21], u"xp");
    return {templateText(fields), found};
}

QString creatureTemplate(const QList<QStringView> &lines)
{
    return convert(lines).text;
}

} // namespace creaturePage
