#pragma once
// Tab "2 Live": the twelve fixed-size crop buttons and "Free Crop" load the screenshot into
// the grab area, where a rectangle is placed or dragged, cut and saved as a live shot.

#include <QList>
#include <QObject>

struct CaptureState;
class MouseUpButton;
class OutlineShape;
class PictureArea;
class QScrollArea;
class QWidget;
class SaveRoutine;

class LiveTab : public QObject {
    Q_OBJECT

public:
    static constexpr int buttonCount = 12;

    LiveTab(QWidget *window, CaptureState &state, SaveRoutine &saveRoutine);

    PictureArea *picLiveGrabTray() const { return picLiveGrabTray_; }
    MouseUpButton *cmdFreeCrop() const { return cmdFreeCrop_; }
    // The grab area and what holds it: the holder is what is placed, shown and hidden.
    PictureArea *picLiveGrab() const { return picLiveGrab_; }
    QWidget *grabHolder() const;
    PictureArea *picLiveTemp() const { return picLiveTemp_; }

    // Caption of crop button index (1 to 12), from the settings.
    void setCropCaption(int index, const QString &caption);
    // The tab switch ends a free crop and a drag.
    void resetModes();
    // A mouse move over the bare window hides the crop rectangle.
    void hideCropOutline();
    // The controls whose keys go to the window's shortcuts.
    QList<QWidget *> keyControls() const;

private:
    QWidget *window_;
    CaptureState &state_;
    SaveRoutine &saveRoutine_;
    PictureArea *picLiveGrabTray_ = nullptr;
    QList<MouseUpButton *> cmdCrop_; // index 0 is button 1
    MouseUpButton *cmdFreeCrop_ = nullptr;
    QScrollArea *grabHolder_ = nullptr;
    PictureArea *picLiveGrab_ = nullptr;
    OutlineShape *shpCrop_ = nullptr;
    PictureArea *picLiveTemp_ = nullptr;
    bool freeCropMode_ = false;
    bool dragging_ = false;
};
