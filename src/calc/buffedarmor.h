#pragma once
// The buffed armor calculator: an armor-level spell raises the base armor level, each
// protection rises in proportion, and a protection under an item spell becomes twice the
// buffed armor level.

#include <QString>
#include <array>
#include <optional>

namespace buffedArmor {

// Box 0 is the spell, box 1 the base armor level, boxes 2 to 8 the protections.
constexpr int boxCount = 9;
constexpr int spellBox = 0;
constexpr int baseBox = 1;
constexpr int firstRow = 2;

struct Inputs {
    std::array<QString, boxCount> texts;
    std::array<bool, boxCount> itemSpell{}; // rows 2 to 8 only
};

// Result label texts by box index: 0 the buffed armor level, 2 to 8 the rows (1 unused).
using Results = std::array<QString, boxCount>;

// The recompute after a change of box `changed`. Labels are written in order and the first
// unreadable input, base 0 or 16-bit overflow stops it there; returns whether it got through.
bool recompute(int changed, const Inputs &inputs, Results &results);

// The word for how well a protection compares with the base (ratio in single precision).
QString rating(float ratio);

// The template lines for the wiki page, or nothing when an input cannot be read, the base
// is 0 or the buffed armor level overflows.
std::optional<QString> wikiCode(const Inputs &inputs, const Results &results);

} // namespace buffedArmor
