#pragma once
// A control with the object name that the settings, the key routing and the tests know it
// by, and its tooltip.

#include <QString>

template <typename Control>
Control *named(Control *control, const QString &name, const QString &tip = QString())
{
    control->setObjectName(name);
    if (!tip.isEmpty())
        control->setToolTip(tip);
    return control;
}
