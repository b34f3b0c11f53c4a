#pragma once
// The wiki's category names that "Cycle Categories" steps through.

#include <QStringList>

namespace categories {

// Entries 1 to 128 (entry 0 of the original table, the count, is the list's size).
const QStringList &names();
// The position after a mouse release at position (0 before the first click): the next
// one, wrapping after the last; the first for the right button.
int nextPosition(int position, bool rightButton);

} // namespace categories
