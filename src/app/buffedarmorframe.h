#pragma once
// The "Buffed Armor" calculator.

#include <QList>
#include <QWidget>

class BuffedArmorFrame : public QWidget {
    Q_OBJECT

public:
    explicit BuffedArmorFrame(QWidget *parent = nullptr);

    // The controls whose keys go to the window's shortcuts.
    QList<QWidget *> keyControls() const { return {}; }
};
