#pragma once
// Tab "2 Live": the twelve fixed-size crop buttons and "Free Crop" load the screenshot into
// the grab area, where a rectangle is placed or dragged, cut and saved as a live shot. The
// page spans the window, so its controls stand where the window's design puts them.

#include <QImage>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <optional>

struct CaptureState;
class CropMagnifier;
class MouseUpButton;
class QKeyEvent;
class OutlineShape;
class PictureArea;
class QScrollArea;
class SaveRoutine;

class LivePage : public QWidget {
    Q_OBJECT

public:
    static constexpr int buttonCount = 12;

    LivePage(CaptureState &state, SaveRoutine &saveRoutine, QWidget *parent);

    PictureArea *picLiveGrabTray() const { return picLiveGrabTray_; }
    MouseUpButton *cmdFreeCrop() const { return cmdFreeCrop_; }
    // The grab area and what holds it: the holder is what is placed, shown and hidden.
    PictureArea *picLiveGrab() const { return picLiveGrab_; }
    QWidget *grabHolder() const;
    PictureArea *picLiveTemp() const { return picLiveTemp_; }

    // Start-up: the grab area and the working picture go to the anchor.
    void placeAt(QPoint anchor);
    // The crop buttons show the captions held; a caption the user changes (Shift + right
    // click) is held at once.
    void showCaptions();
    // Every tab switch puts the grab area away and ends a free crop and a drag.
    void endCrop();
    // A mouse move over the bare window hides the crop rectangle.
    void hideCropOutline();
    // The helps a user may switch off: the magnified view with the arrow and Enter keys of
    // a fixed-size crop, and the hint shown before there is a screenshot.
    void setMagnifierOn(bool on);
    void setHintShown(bool on);
    // Arrow keys move a fixed-size rectangle by one screenshot pixel (ten with Shift) and
    // Enter cuts it, while the magnifier is on; with the rectangle hidden, the first of them
    // shows it where it stands. False for a key it leaves alone.
    bool cropKey(const QKeyEvent &key);
    // The picture areas that take the focus by a click, so that the window's shortcuts work
    // from them as from a button.
    QList<PictureArea *> focusAreas() const;

protected:
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void buildGrabArea();
    void connectButtons();
    void takeDrops(MouseUpButton *button, const std::function<void(const QImage &)> &setUp);
    void cropButtonUp(int index, Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint);
    void askCropSize(int index);
    // The clipboard's picture; without one, the screenshot the grab area still shows
    // (autocopy's name replaces it on the clipboard); else the user is told to copy one.
    std::optional<QImage> screenshotToCut();
    void fixedSetUp(int index, const QImage &screenshot);
    void freeSetUp(const QImage &screenshot);
    void showScreenshot(const QImage &screenshot);
    // The grab area takes the screenshot's size at the screen's current ratio.
    void fitGrab();
    // The holder takes what the window shows beside the button tray; the rest scrolls.
    void fitHolder();
    void setCrop(const QRect &rect);
    // In fixed-size mode the pointer stands at the rectangle's bottom-right corner.
    void followPointer(QPoint pointer);
    // The window caption while the pointer moves over the grab area, and while it drags.
    static QString pointerCaption(QPoint pointer);
    static QString dragCaption(QPoint pointer, QSize size);
    void showMagnifier(QPoint pointer);

    void grabMoved(QPoint pointer);
    void grabPressed(QPoint pointer);
    void grabReleased();
    // A press and a release in fixed mode; a drag ended by a tab switch is not one.
    void grabClicked();
    void cutAndSave();

    CaptureState &state_;
    SaveRoutine &saveRoutine_;
    PictureArea *picLiveGrabTray_ = nullptr;
    QList<MouseUpButton *> cmdCrop_; // index 0 is button 1
    MouseUpButton *cmdFreeCrop_ = nullptr;
    QScrollArea *grabHolder_ = nullptr;
    PictureArea *picLiveGrab_ = nullptr;
    OutlineShape *shpCrop_ = nullptr;
    PictureArea *picLiveTemp_ = nullptr;
    CropMagnifier *picMagnifier_ = nullptr;
    bool magnifierOn_ = true;
    bool hintShown_ = true;
    bool freeCropMode_ = false;
    bool dragging_ = false;
    // In screenshot pixels, whatever the screen's scale: the cut is made from these.
    QRect crop_;
    QPoint dragStart_;
    bool pressedInFixedMode_ = false;
};
