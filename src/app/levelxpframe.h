#pragma once
// The "Level XP" calculator.

#include <QList>
#include <QWidget>

class LevelXpFrame : public QWidget {
    Q_OBJECT

public:
    explicit LevelXpFrame(QWidget *parent = nullptr);

    // The controls whose keys go to the window's shortcuts.
    QList<QWidget *> keyControls() const { return {}; }
};
