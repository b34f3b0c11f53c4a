#include "wikitext/totaldamage.h"

#include "common/numconv.h"
#include "common/textutil.h"

#include <limits>

namespace totalDamage {
namespace {

constexpr qsizetype timeStampLength = 9; // "hh:mm:ss "
const QString criticalHit = QStringLiteral("Critical Hit! ");
const QString messageStart = QStringLiteral("Total damage done is ");
const QString messageEnd = QStringLiteral(".This value has been copied to the clipboard ready to be pasted.");

// Lines by or about the player that are not hits: speech, heals, resists, failures, losses.
bool mentionsNonHit(QStringView line)
{
    return textRules::containsAnyAsciiWord(line, {u"say", u"restore", u"resist", u"fail", u"lose", u"heal"});
}

} // namespace

qint32 lineDamage(QStringView line)
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
        return 0;

    // Every digit but a final one is joined into one number, as the log's numbers are read.
    QString digits;
    for (qsizetype i = 0; i + 1 < line.size(); ++i) {
        if (textRules::isDigit(line[i]))
            digits.append(line[i]);
    }
    if (digits.isEmpty())
        return 0;
    const std::optional<double> value = numbers::toNumber(digits);
    if (!value || *value > std::numeric_limits<qint32>::max())
        return 0;
    return qint32(*value);
}

qint32 total(const QList<QStringView> &lines)
{
    qint32 sum = 0;
    for (QStringView line : lines) {
        const qint32 damage = lineDamage(line);
        if (damage <= std::numeric_limits<qint32>::max() - sum)
            sum += damage;
    }
    return sum;
}

QString message(qint32 total)
{
    return messageStart + QString::number(total) + messageEnd;
}

} // namespace totalDamage
