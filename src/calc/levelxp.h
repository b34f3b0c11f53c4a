#pragma once
// The level XP calculator: an experience reward as a share of the experience a character
// of a given level needs.

#include <QString>
#include <optional>

namespace levelXp {

constexpr int firstLevel = 1;
constexpr int lastLevel = 275;

// Box 0 the level, 1 the reward, 2 the level's experience, 3 the percent.
constexpr int levelBox = 0;
constexpr int rewardBox = 1;
constexpr int experienceBox = 2;
constexpr int percentBox = 3;

// The experience of a level from 1 to 275; none outside.
std::optional<double> experience(int level);

// Pasted rewards may carry thousands separators.
QString withoutCommas(const QString &text);

// What the recompute writes: box 2 and box 3, each only when it got that far. A level that
// is a number outside 1 to 275 empties both, so no other level's experience stays shown.
struct Outcome {
    std::optional<QString> experience;
    std::optional<QString> percent;
    bool levelOutOfRange = false;
};
// The recompute after a change in box `changed` (commas already removed). A change in the
// level rounds the share to 4 decimal places, one in the reward to 3.
Outcome recompute(int changed, const QString &level, const QString &reward);

// The percent box text for a percent in single precision.
QString percentText(float percent);

// The level box text after an arrow click, or nothing when the level stays.
std::optional<QString> stepLevel(const QString &level, bool up);

} // namespace levelXp
