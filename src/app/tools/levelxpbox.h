#pragma once
// The "Level XP" calculator.

#include <QGroupBox>
#include <QList>
#include <array>

class PictureArea;
class QLineEdit;

class LevelXpBox : public QGroupBox {
    Q_OBJECT

public:
    explicit LevelXpBox(QWidget *parent = nullptr);

private:
    void buildArrows();
    void txtLevelXP_Change(int box);
    // Out of range, the level box's tooltip says which levels there are.
    void showLevelRange(bool outOfRange);
    void picChangeLevel_MouseDown(int arrow);
    void picChangeLevel_MouseUp(int arrow);

    std::array<QLineEdit *, 4> txtLevelXP_{};
    // 0 and 1 the arrows; 2 to 5 the hidden stores (at rest, then pressed).
    std::array<PictureArea *, 6> picChangeLevel_{};
};
