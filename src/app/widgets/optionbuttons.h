#pragma once
// A row of option buttons (one exclusive group per parent), each telling when it becomes
// checked, whether by a click or by the settings load.

#include <QList>
#include <QStringList>
#include <functional>

class QBoxLayout;
class QRadioButton;
class QWidget;

namespace optionButtons {

// Buttons named stem_0, stem_1, ... with these captions, children of parent and added to row
// in order; chosen receives the index of the one that becomes checked.
QList<QRadioButton *> make(QWidget *parent, const QString &stem, const QStringList &captions, QBoxLayout *row,
                           const std::function<void(int index)> &chosen);

} // namespace optionButtons
