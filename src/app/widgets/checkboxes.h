#pragma once
// Check boxes to and from their settings text. Setting a box runs its behaviour as a
// click would, since behaviour is connected to the state change.

#include <QString>

class QCheckBox;

namespace modVandrel {

void SetCheckFromText(QCheckBox *box, const QString &text);
QString CheckToText(const QCheckBox *box);

} // namespace modVandrel
