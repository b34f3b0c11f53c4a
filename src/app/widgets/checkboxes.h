#pragma once
// Check boxes that show a check option of the settings. Setting a box runs its behaviour as
// a click would, since behaviour is connected to the state change.

class QCheckBox;

namespace settings {
enum class Check;
struct Options;
} // namespace settings

namespace checkBoxes {

// Every change of the box's state, the load's as a click's, goes to the option.
void bind(QCheckBox *box, settings::Options &options, settings::Check option);
// The box shows the option as held.
void show(QCheckBox *box, const settings::Options &options, settings::Check option);

} // namespace checkBoxes
