#include "app/options/icontrainer.h"

#include "app/saving/capturestate.h"
#include "app/widgets/clipboardglue.h"
#include "app/widgets/outlineshape.h"
#include "capture/extractgeometry.h"
#include "settings/settingvalues.h"

#include <QMessageBox>
#include <QPushButton>

namespace {

const char *const noShotTitle = QT_TRANSLATE_NOOP("IconTrainer", "Train Icon");
const char *const noShotText = QT_TRANSLATE_NOOP(
    "IconTrainer",
    "Copy a screen shot first, then click the Train Icon Location button again.");
const char *const cancelCaption = QT_TRANSLATE_NOOP("IconTrainer", "Cancel");

constexpr int leftTwips = 120;
constexpr int top = 8;
constexpr int frameSide = 32;
// The magnified view and Cancel sit at the left, far from the corner where icons are.
constexpr QRect insetGeometry(6, 6, 2 * frameSide, 2 * frameSide);
constexpr QRect cancelGeometry(6, 76, 64, 24);

} // namespace

IconTrainer::IconTrainer(CaptureState &state, QWidget *panel)
    : PictureArea(QStringLiteral("picTrainIcon"), panel), state_(state)
{
    resize(areaSize);
    move(0, top);
    setMouseTracking(true);
    // The frame picks screenshot pixels: on a scaled screen each one gets a device pixel.
    setShowsDevicePixels(true);

    picInsetIconTrain_ = new PictureArea(QStringLiteral("picInsetIconTrain"), this);
    picInsetIconTrain_->setGeometry(insetGeometry);
    // The frame may pass under the view; the pointer still moves it.
    picInsetIconTrain_->setAttribute(Qt::WA_TransparentForMouseEvents);

    cmdCancelTrainIcon_ = new QPushButton(tr(cancelCaption), this);
    cmdCancelTrainIcon_->setObjectName(QStringLiteral("cmdCancelTrainIcon"));
    cmdCancelTrainIcon_->setGeometry(cancelGeometry);
    connect(cmdCancelTrainIcon_, &QPushButton::clicked, this, &QWidget::hide);

    shpIcon_ = new OutlineShape(QStringLiteral("shpIcon"), this);
    shpIcon_->setFrame(QRect(0, 0, frameSide, frameSide));
    shpIcon_->show(); // shown whenever the area is

    connect(this, &PictureArea::mouseMoved, this,
            [this](Qt::MouseButtons, Qt::KeyboardModifiers, QPoint at) { moveFrame(capture::trainingFrameAt(at)); });
    connect(this, &PictureArea::mouseReleased, this,
            [this](Qt::MouseButton, Qt::KeyboardModifiers, QPoint at) { take(at); });
    hide();
}

void IconTrainer::place()
{
    move(settings::values::twipsToPixels(leftTwips), y());
}

void IconTrainer::start()
{
    const QImage shot = clipboardGlue::format() == clipboardGlue::Format::Bitmap ? clipboardGlue::picture() : QImage();
    if (shot.isNull()) {
        QMessageBox box(QMessageBox::NoIcon, tr(noShotTitle), tr(noShotText), QMessageBox::Ok, window());
        box.exec();
        return;
    }
    emit screenshotTaken(shot);

    // The area keeps its size; on a scaled screen it holds more of the corner.
    setPicture(capture::trainingView(shot, pixelSize(size())));
    // The frame starts where the offsets held would cut the icon.
    moveFrame(QPoint(picture().width() - state_.offsets.left, state_.offsets.top));
    raise();
    show();
}

void IconTrainer::moveFrame(QPoint topLeft)
{
    frame_ = topLeft;
    shpIcon_->setFrame(QRect(topLeft, QSize(frameSide, frameSide)));
    picInsetIconTrain_->setPicture(capture::magnifiedFrame(picture(), topLeft));
}

void IconTrainer::take(QPoint releasedAt)
{
    // Frame and release are in the view's pixels, like the offsets.
    if (isHidden() || !picture().rect().contains(releasedAt))
        return;
    state_.offsets = capture::offsetsFromFrame(picture().width(), frame_);
    hide();
    emit offsetsTaken();
}
