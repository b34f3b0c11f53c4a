#include "calc/buffedarmor.h"

#include "common/numbers.h"

#include <limits>

namespace buffedArmor {

namespace {

struct Rating {
    float low, high;
    const char *word;
};
// Both ends belong to the range; a ratio between two ranges has no word.
constexpr Rating ratings[] = {
    {0.0f, 0.3999f, "Poor"},          {0.4f, 0.7999f, "Below Average"}, {0.8f, 1.1999f, "Average"},
    {1.2f, 1.5999f, "Above Average"}, {1.6f, 1.9999f, "Excellent"},
    {2.0f, std::numeric_limits<float>::infinity(), "Unparalleled"},
};

const QString crlf = QStringLiteral("\r\n");
const QString armorLevelLabel = QStringLiteral(" |        Armor Level = ");
const QString buffedLevelLabel = QStringLiteral(" | Buffed Armor Level = ");
// Rows 2 to 8; the "=" signs line up.
const std::array<QString, 7> rowLabels = {
    QStringLiteral(" |           Slashing = "), QStringLiteral(" |           Piercing = "),
    QStringLiteral(" |        Bludgeoning = "), QStringLiteral(" |               Fire = "),
    QStringLiteral(" |               Cold = "), QStringLiteral(" |               Acid = "),
    QStringLiteral(" |           Electric = "),
};
const std::array<QString, 7> buffedLabels = {
    QStringLiteral(" | Buffed Slashing AL = "), QStringLiteral(" | Buffed Piercing AL = "),
    QStringLiteral(" | Buffed Bludgeon AL = "), QStringLiteral(" |     Buffed Fire AL = "),
    QStringLiteral(" |     Buffed Cold AL = "), QStringLiteral(" |     Buffed Acid AL = "),
    QStringLiteral(" | Buffed Electric AL = "),
};

bool fits16(double value) { return value >= -32768.0 && value <= 32767.0; }

std::optional<qint16> read(const Inputs &inputs, int box) { return numbers::toInt16(inputs.texts[box]); }

// The buffed armor level, when base and spell read and their sum fits 16 bits.
std::optional<int> buffedLevel(const Inputs &inputs)
{
    const auto base = read(inputs, baseBox);
    const auto spell = read(inputs, spellBox);
    if (!base || !spell || !fits16(int(*base) + int(*spell)))
        return std::nullopt;
    return int(*base) + int(*spell);
}

bool recomputeRow(int row, int sum, const Inputs &inputs, Results &results)
{
    const auto value = read(inputs, row);
    if (!value)
        return false;
    double result;
    if (inputs.itemSpell[row]) {
        result = 2.0 * sum;
    } else {
        const qint16 base = *read(inputs, baseBox);
        if (base == 0)
            return false;
        result = numbers::roundHalfEven(double(*value) / double(base) * double(sum));
    }
    if (!fits16(result))
        return false;
    results[row] = QString::number(int(result));
    return true;
}

} // namespace

bool recompute(int changed, const Inputs &inputs, Results &results)
{
    if (changed < 0 || changed >= boxCount || !read(inputs, changed))
        return false;
    const auto sum = buffedLevel(inputs);
    if (!sum)
        return false;
    if (changed >= firstRow)
        return recomputeRow(changed, *sum, inputs, results);
    results[0] = QString::number(*sum);
    for (int row = firstRow; row < boxCount; ++row)
        if (!recomputeRow(row, *sum, inputs, results))
            return false;
    return true;
}

QString rating(float ratio)
{
    for (const Rating &r : ratings)
        if (ratio >= r.low && ratio <= r.high)
            return QString::fromLatin1(r.word);
    return {};
}

std::optional<QString> wikiCode(const Inputs &inputs, const Results &results)
{
    if (!buffedLevel(inputs))
        return std::nullopt;
    const qint16 base = *read(inputs, baseBox);
    if (base == 0)
        return std::nullopt;
    QString text = armorLevelLabel + inputs.texts[baseBox] + crlf;
    for (int row = firstRow; row < boxCount; ++row) {
        const auto value = read(inputs, row);
        if (!value)
            return std::nullopt;
        const float ratio = float(*value) / float(base);
        text += rowLabels[row - firstRow] + rating(ratio) + QStringLiteral(" (") + inputs.texts[row] +
                QStringLiteral(")") + crlf;
    }
    text += crlf + buffedLevelLabel + results[0] + crlf;
    for (int row = firstRow; row < boxCount; ++row)
        text += buffedLabels[row - firstRow] + results[row] + (row + 1 < boxCount ? crlf : QString());
    return text;
}

} // namespace buffedArmor
