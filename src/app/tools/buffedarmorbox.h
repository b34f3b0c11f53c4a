#pragma once
// The "Buffed Armor" calculator.

#include <QGroupBox>
#include <QList>
#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

class BuffedArmorBox : public QGroupBox {
    Q_OBJECT

public:
    explicit BuffedArmorBox(QWidget *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildRows();
    void placeRows();
    void recompute(int box);
    void cmdWikiCodeBuffedArmor_Click();

    std::array<QLineEdit *, 9> txtArmorValues_{};
    std::array<QLabel *, 9> lblArmorValues_{};  // 1 unused
    std::array<QCheckBox *, 9> chkBane_{};      // 0 and 1 unused
    QPushButton *cmdWikiCodeBuffedArmor_ = nullptr;
};
