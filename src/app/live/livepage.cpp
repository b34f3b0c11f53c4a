#include "app/live/livepage.h"

#include "app/live/cropmagnifier.h"
#include "app/saving/capturedialogs.h"
#include "app/saving/capturestate.h"
#include "app/saving/saveroutine.h"
#include "app/widgets/buttontray.h"
#include "app/widgets/hint.h"
#include "app/widgets/mouseupbutton.h"
#include "app/widgets/outlineshape.h"
#include "app/widgets/picturearea.h"
#include "app/widgets/statusline.h"
#include "app/window/windowsizing.h"
#include "capture/cropgeometry.h"
#include "capture/extractgeometry.h"
#include "common/programinfo.h"
#include "settings/settingskeys.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>

#include <algorithm>

namespace {

const char *const cropTip = QT_TRANSLATE_NOOP("LivePage", "Crop a fixed area of image on clipboard.");
const char *const freeCropTip = QT_TRANSLATE_NOOP("LivePage", "Crop an arbitrarily sized image.");
const char *const widthPrompt = QT_TRANSLATE_NOOP("LivePage", "Enter width in pixels:");
const char *const heightPrompt = QT_TRANSLATE_NOOP("LivePage", "Enter height in pixels:");
const char *const namePromptTitle = QT_TRANSLATE_NOOP("LivePage", "Image Name");
const char *const hint = QT_TRANSLATE_NOOP("LivePage", "Copy a screenshot, then click a crop button.");

} // namespace

LivePage::LivePage(CaptureState &state, SaveRoutine &saveRoutine, QWidget *parent)
    : QWidget(parent), state_(state), saveRoutine_(saveRoutine)
{
    // Moves over the bare page still reach the window, which hides the crop outline.
    setMouseTracking(true);
    picLiveGrabTray_ = buttonTray::make(QStringLiteral("picLiveGrabTray"), QStringLiteral("cmdCrop"),
                                        settings::keys::designedCropSizes, tr(cropTip), this, cmdCrop_);
    picLiveGrabTray_->move(0, 17);
    cmdFreeCrop_ = new MouseUpButton(QStringLiteral("cmdFreeCrop"), tr(" Free  Crop "), this);
    cmdFreeCrop_->setWordWrap(true);
    cmdFreeCrop_->setToolTip(tr(freeCropTip));
    cmdFreeCrop_->setAcceptsFiles(true);
    cmdFreeCrop_->setGeometry(0, 526, buttonTray::width, 40);
    buildGrabArea();
    picLiveTemp_ = new PictureArea(QStringLiteral("picLiveTemp"), this);
    picLiveTemp_->resize(100, 100);
    picLiveTemp_->hide();
    picLiveGrabTray_->setSubject(tr("Crop sizes"));
    picLiveGrab_->setSubject(tr("Screenshot to crop"));
    picLiveTemp_->setSubject(tr("Cropped live shot"));
    connectButtons();
}

void LivePage::buildGrabArea()
{
    // A screenshot larger than the window scrolls inside its holder.
    grabHolder_ = new QScrollArea(this);
    grabHolder_->setFrameShape(QFrame::NoFrame);
    grabHolder_->setLineWidth(0);
    grabHolder_->setContentsMargins(0, 0, 0, 0);
    grabHolder_->resize(300, 300);
    picLiveGrab_ = new PictureArea(QStringLiteral("picLiveGrab"));
    picLiveGrab_->resize(300, 300);
    // The user frames screenshot pixels: on a scaled screen each one gets a device pixel.
    picLiveGrab_->setShowsDevicePixels(true);
    // The rectangle follows the pointer with no button held.
    picLiveGrab_->setMouseTracking(true);
    grabHolder_->setWidget(picLiveGrab_);
    grabHolder_->hide();
    // Under its neighbours: the "Icon" box beside it reaches a little into its place.
    grabHolder_->lower();
    shpCrop_ = new OutlineShape(QStringLiteral("shpCrop"), picLiveGrab_);
    crop_ = shpCrop_->geometry();
    picMagnifier_ = new CropMagnifier(grabHolder_->viewport());

    connect(picLiveGrab_, &PictureArea::mouseMoved, this,
            [this](Qt::MouseButtons, Qt::KeyboardModifiers, QPoint pointer) { grabMoved(pointer); });
    connect(picLiveGrab_, &PictureArea::mousePressed, this,
            [this](Qt::MouseButton, Qt::KeyboardModifiers, QPoint pointer) { grabPressed(pointer); });
    connect(picLiveGrab_, &PictureArea::mouseReleased, this, [this] { grabReleased(); });
    connect(picLiveGrab_, &PictureArea::clicked, this, [this] { grabClicked(); });
}

void LivePage::connectButtons()
{
    connectMouseUp(cmdCrop_, this, &LivePage::cropButtonUp, 1);
    for (int i = 0; i < buttonCount; ++i) {
        MouseUpButton *button = cmdCrop_[i];
        connect(button, &QPushButton::clicked, this, [this, i] {
            if (const auto screenshot = screenshotToCut())
                fixedSetUp(i + 1, *screenshot);
        });
        takeDrops(button, [this, i](const QImage &screenshot) { fixedSetUp(i + 1, screenshot); });
    }
    connect(cmdFreeCrop_, &QPushButton::clicked, this, [this] {
        if (const auto screenshot = screenshotToCut())
            freeSetUp(*screenshot);
    });
    takeDrops(cmdFreeCrop_, [this](const QImage &screenshot) { freeSetUp(screenshot); });
}

void LivePage::takeDrops(MouseUpButton *button, const std::function<void(const QImage &)> &setUp)
{
    // A file dropped or a picture pasted on the button: the crop's screenshot; the button
    // then has the focus.
    const auto dropped = [button, setUp](const std::optional<QImage> &screenshot) {
        if (screenshot)
            setUp(*screenshot);
        button->setFocus(Qt::OtherFocusReason);
    };
    connect(button, &MouseUpButton::filesDropped, this,
            [this, dropped](const QStringList &files) { dropped(captureDialogs::droppedScreenshot(window(), files)); });
    connect(button, &MouseUpButton::picturePasted, this,
            [this, dropped] { dropped(captureDialogs::clipboardScreenshot(window())); });
}

void LivePage::placeAt(QPoint anchor)
{
    grabHolder_->move(anchor);
    picLiveTemp_->move(anchor);
}

void LivePage::cropButtonUp(int index, Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint)
{
    // A left click sets up the fixed crop through clicked(), keyboard presses included.
    if (button != Qt::RightButton)
        return;
    if (modifiers == Qt::ShiftModifier) {
        askCropSize(index);
        return;
    }
    if (const auto screenshot = screenshotToCut())
        freeSetUp(*screenshot);
}

std::optional<QImage> LivePage::screenshotToCut()
{
    const auto shown = grabHolder_->isHidden() ? std::nullopt : std::optional(picLiveGrab_->picture());
    return captureDialogs::clipboardScreenshot(window(), shown);
}

void LivePage::askCropSize(int index)
{
    const auto width = captureDialogs::askWholeNumber(window(), tr(widthPrompt));
    if (!width)
        return;
    const auto height = captureDialogs::askWholeNumber(window(), tr(heightPrompt));
    if (!height)
        return;
    cmdCrop_[index - 1]->setText(*width + u' ' + *height);
    state_.cropSizes.shown[index - 1] = cmdCrop_[index - 1]->text();
}

void LivePage::fixedSetUp(int index, const QImage &screenshot)
{
    // A caption that does not read as a size keeps the rectangle's last size.
    const QSize size = capture::cropSizeFromCaption(cmdCrop_[index - 1]->text()).value_or(crop_.size());
    // A rectangle that cannot lie on the picture anywhere would be cut black in part.
    const QString refusal = captureDialogs::tooSmallSentence(screenshot.size(), size);
    if (!refusal.isEmpty()) {
        StatusLine::say(this, refusal);
        return;
    }
    freeCropMode_ = false;
    dragging_ = false;
    showScreenshot(screenshot);
    setCrop(QRect(crop_.topLeft(), size));
}

void LivePage::freeSetUp(const QImage &screenshot)
{
    freeCropMode_ = true;
    dragging_ = false;
    showScreenshot(screenshot);
    setCrop(QRect(crop_.topLeft(), QSize(0, 0)));
    shpCrop_->hide();
    picMagnifier_->hide();
}

void LivePage::showScreenshot(const QImage &screenshot)
{
    picLiveGrab_->setPicture(screenshot);
    fitGrab();
    const QSize twips = capture::windowSizeTwipsForScreenshot(picLiveGrab_->size());
    windowSizing::resizeTwips(window(), twips.width(), twips.height());
    fitHolder();
    grabHolder_->show();
}

void LivePage::fitGrab()
{
    picLiveGrab_->resize(picLiveGrab_->widgetSize(picLiveGrab_->picture().size()));
}

void LivePage::setCrop(const QRect &rect)
{
    crop_ = rect;
    shpCrop_->setFrame(rect);
}

void LivePage::fitHolder()
{
    grabHolder_->resize(std::max(width() - grabHolder_->x(), 1), std::max(height() - grabHolder_->y(), 1));
}

void LivePage::resizeEvent(QResizeEvent *event)
{
    // The window (and the page with it) may end up another size than asked for (the
    // screen, the user), or on a screen of another scale.
    if (!grabHolder_->isHidden()) {
        fitGrab();
        setCrop(crop_);
        fitHolder();
    }
    QWidget::resizeEvent(event);
}

void LivePage::grabMoved(QPoint pointer)
{
    // Called for every mouse move: only the few pixels the magnifier shows are read.
    if (!freeCropMode_) {
        followPointer(pointer);
    } else if (dragging_) {
        const QRect rect = capture::stretchedRect(dragStart_, pointer);
        setCrop(rect);
        if (shpCrop_->isHidden())
            shpCrop_->show();
        window()->setWindowTitle(dragCaption(pointer, rect.size()));
    } else {
        window()->setWindowTitle(pointerCaption(pointer));
    }
}

QString LivePage::pointerCaption(QPoint pointer)
{
    return tr("%1 -  X: %2  Y:%3")
        .arg(programInfo::windowCaption, QString::number(pointer.x()), QString::number(pointer.y()));
}

QString LivePage::dragCaption(QPoint pointer, QSize size)
{
    return tr("%1 X:%2 Y:%3    %4x%5")
        .arg(programInfo::windowCaption, QString::number(pointer.x()), QString::number(pointer.y()),
             QString::number(size.width()), QString::number(size.height()));
}

void LivePage::followPointer(QPoint pointer)
{
    setCrop(capture::fixedCropRect(pointer, crop_.size()));
    if (shpCrop_->isHidden())
        shpCrop_->show();
    window()->setWindowTitle(pointerCaption(pointer));
    showMagnifier(pointer);
}

void LivePage::showMagnifier(QPoint pointer)
{
    if (!magnifierOn_)
        return;
    const QPoint inViewport =
        picLiveGrab_->mapTo(grabHolder_->viewport(), picLiveGrab_->widgetRect(QRect(pointer, QSize(1, 1))).topLeft());
    picMagnifier_->showAround(picLiveGrab_->picture(), pointer, crop_, inViewport);
}

bool LivePage::cropKey(const QKeyEvent &key)
{
    if (!magnifierOn_ || freeCropMode_ || grabHolder_->isHidden())
        return false;
    // Before the pointer has been over the screenshot (or once it has left), the first key
    // brings the rectangle back where it stands: the keyboard alone crops too.
    const bool outlined = !shpCrop_->isHidden();
    const int step = key.modifiers() & Qt::ShiftModifier ? 10 : 1;
    QPoint by;
    switch (key.key()) {
    case Qt::Key_Left:
        by = {-step, 0};
        break;
    case Qt::Key_Right:
        by = {step, 0};
        break;
    case Qt::Key_Up:
        by = {0, -step};
        break;
    case Qt::Key_Down:
        by = {0, step};
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!outlined)
            break;
        cutAndSave();
        return true;
    default:
        return false;
    }
    followPointer(crop_.topLeft() + QPoint(crop_.width(), crop_.height()) + by);
    return true;
}

void LivePage::setMagnifierOn(bool on)
{
    magnifierOn_ = on;
    if (!on)
        picMagnifier_->hide();
}

void LivePage::setHintShown(bool on)
{
    hintShown_ = on;
    update();
}

void LivePage::paintEvent(QPaintEvent *)
{
    if (!hintShown_ || !grabHolder_->isHidden())
        return;
    QPainter painter(this);
    paintHint(painter, QRect(grabHolder_->pos(), QSize(300, 100)), tr(hint));
}

void LivePage::grabPressed(QPoint pointer)
{
    pressedInFixedMode_ = !freeCropMode_;
    if (!freeCropMode_)
        return;
    dragging_ = true;
    dragStart_ = pointer;
    // A new drag starts empty: a press and release on one spot must not cut the last rectangle again.
    setCrop(QRect(pointer, QSize(0, 0)));
    shpCrop_->show();
}

void LivePage::grabReleased()
{
    if (!freeCropMode_ || !dragging_)
        return;
    if (crop_.width() < capture::minimumFreeCrop || crop_.height() < capture::minimumFreeCrop)
        return; // the drag goes on
    dragging_ = false;
    shpCrop_->hide();
    cutAndSave();
}

void LivePage::grabClicked()
{
    if (!freeCropMode_ && pressedInFixedMode_)
        cutAndSave();
}

void LivePage::cutAndSave()
{
    if (crop_.isEmpty())
        return;
    picLiveTemp_->resize(crop_.size());
    picLiveTemp_->setPicture(capture::cutRect(picLiveGrab_->picture(), crop_));
    const auto name = saveRoutine_.nameStep(tr(namePromptTitle), {capture::ImageKind::Live});
    if (!name)
        return;
    if (!saveRoutine_.writeStep(capture::ImageKind::Live, picLiveTemp_->picture(), *name))
        return;
    saveRoutine_.autocopyStep(*name, false);
}

QWidget *LivePage::grabHolder() const
{
    return grabHolder_;
}

void LivePage::showCaptions()
{
    for (int i = 0; i < buttonCount; ++i)
        cmdCrop_[i]->setText(state_.cropSizes.shown[i]);
}

void LivePage::endCrop()
{
    grabHolder_->hide();
    picMagnifier_->hide();
    freeCropMode_ = false;
    dragging_ = false;
}

void LivePage::hideCropOutline()
{
    shpCrop_->hide();
    picMagnifier_->hide();
}

QList<PictureArea *> LivePage::focusAreas() const
{
    return {picLiveGrabTray_, picLiveGrab_};
}
