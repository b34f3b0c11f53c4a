#include "wikitext/totaldamage.h"

#include "common/numbers.h"
#include "common/textrules.h"

#include <limits>
#include <optional>

namespace totalDamage {
namespace {

constexpr qsizetype timeStampLength = 9; // "hh:mm:ss "
const QString criticalHit = QStringLiteral("Critical Hit! ");

// Lines by or about the player that are not hits: speech, heals, resists, failures, losses.
bool mentionsNonHit(QStringView line)
{
    return textRules::containsAnyAsciiWord(line, {u"say", u"restore", u"resist", u"fail", u"lose", u"heal"});
}

// The damage of one of the player's hit lines that holds a number; nothing for any other
// line. A number too large to add is a hit that adds 0.
std::optional<qint32> hitDamage(QStringView line)
{
    if (!line.isEmpty() && textRules::isDigit(line[0]) && line.size() >= timeStampLength)
        line = line.sliced(timeStampLength);
    // Most lines hold no critical hit; only those are copied.
    QString withoutCritical;
    if (line.contains(criticalHit)) {
        withoutCritical = textRules::replaceAll(line.toString(), criticalHit, {});
        line = withoutCritical;
    }
    if (!textRules::asciiWordAt(line, 0, u"you ") || mentionsNonHit(line))
        return std::nullopt;

    // Every digit but a final one is joined into one number, as the log's numbers are read.
    QString digits;
    for (qsizetype i = 0; i + 1 < line.size(); ++i) {
        if (textRules::isDigit(line[i]))
            digits.append(line[i]);
    }
    if (digits.isEmpty())
        return std::nullopt;
    const std::optional<double> value = numbers::toNumber(digits);
    if (!value || *value > std::numeric_limits<qint32>::max())
        return 0;
    return qint32(*value);
}

} // namespace

qint32 lineDamage(QStringView line)
{
    return hitDamage(line).value_or(0);
}

Tally tally(const QList<QStringView> &lines)
{
    Tally sum;
    for (QStringView line : lines) {
        const std::optional<qint32> damage = hitDamage(line);
        if (!damage)
            continue;
        ++sum.hits;
        if (*damage <= std::numeric_limits<qint32>::max() - sum.total)
            sum.total += *damage;
    }
    return sum;
}

qint32 total(const QList<QStringView> &lines)
{
    return tally(lines).total;
}

} // namespace totalDamage
