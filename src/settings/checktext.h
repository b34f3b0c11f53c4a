#pragma once
// Check boxes to and from their text in the settings file.

#include <QString>
#include <Qt>

namespace modVandrel {

// "false" (any letter case) unchecks, "true" checks, any other text keeps the state.
Qt::CheckState SetCheckFromText(Qt::CheckState current, const QString &text);
// "True", "False", or "" for the greyed state.
QString CheckToText(Qt::CheckState state);

} // namespace modVandrel
