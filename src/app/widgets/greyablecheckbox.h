#pragma once
// A check box that starts greyed and can be set greyed by the settings load, while a
// user's click only ever moves it between checked and unchecked.

#include <QCheckBox>

class GreyableCheckBox : public QCheckBox {
public:
    GreyableCheckBox(const QString &name, const QString &caption, QWidget *parent = nullptr)
        : QCheckBox(caption, parent)
    {
        setObjectName(name);
        setTristate(true);
        setCheckState(Qt::PartiallyChecked);
    }

protected:
    void nextCheckState() override { setCheckState(checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked); }
};
