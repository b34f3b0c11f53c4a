#pragma once
// Icon location training: the top-right corner of a screenshot is shown 1:1 (one pixel to
// a device pixel on a scaled screen), a 32 x 32 frame follows the pointer with a 2x view of
// what it holds, and releasing the mouse takes the windowed icon offsets from where the
// frame stands.

#include "app/widgets/picturearea.h"

class OutlineShape;
class QPushButton;
struct CaptureState;

class IconTrainer : public PictureArea {
    Q_OBJECT

public:
    static constexpr QSize areaSize{320, 352};

    IconTrainer(CaptureState &state, QWidget *panel);

    // Its place in the panel at start-up.
    void place();
    // Starts a training on the clipboard's screenshot, or tells the user to copy one.
    void start();

signals:
    // A training starts on this screenshot (the window keeps it as its working picture).
    void screenshotTaken(const QImage &screenshot);
    // The offsets held have changed.
    void offsetsTaken();

private:
    void moveFrame(QPoint topLeft);
    void take(QPoint releasedAt);

    CaptureState &state_;
    OutlineShape *shpIcon_ = nullptr;
    PictureArea *picInsetIconTrain_ = nullptr;
    QPushButton *cmdCancelTrainIcon_ = nullptr;
    QPoint frame_;
};
