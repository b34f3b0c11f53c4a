#pragma once
// Where the item icon is cut from: the full-screen geometry, or the windowed one with its
// two offsets, which the user may type or train.

#include <QGroupBox>
#include <QList>
#include <array>

class QLayout;
class QLineEdit;
class QPushButton;
class QRadioButton;
struct CaptureState;

class IconPositionBox : public QGroupBox {
    Q_OBJECT

public:
    IconPositionBox(CaptureState &state, QWidget *parent);

    QPushButton *cmdTrainIconLocation() const { return cmdTrainIconLocation_; }

    // The offsets held, and the option the full-screen flag selects.
    void showOptions();
    // The offset boxes show the offsets held.
    void showOffsets();

signals:
    void fullScreenChosen();

private:
    QLayout *buildPositionRow();
    QLayout *buildOffsetRow();
    void positionChosen(int index);
    void offsetEdited(QLineEdit *box, int &offset);

    CaptureState &state_;
    QList<QRadioButton *> optIconPosition_;
    QLineEdit *txtIconLeft_ = nullptr;
    QLineEdit *txtIconTop_ = nullptr;
    QPushButton *cmdTrainIconLocation_ = nullptr;
};
