#include "app/livetab.h"

#include "app/capturestate.h"
#include "app/mouseupbutton.h"
#include "app/outlineshape.h"
#include "app/picturearea.h"
#include "app/saveroutine.h"

#include <QScrollArea>

namespace {

const char *const designedCaptions[LiveTab::buttonCount] = {"300 100", "300 200", "300 300", "400 400",
                                                            "300 400", "032 032", "400 600", "250 250",
                                                            "200 100", "200 200", "200 300", "600 300"};
const QString cropTip = QStringLiteral("Crop a fixed area of image on clipboard.");
const QString freeCropTip = QStringLiteral("Crop an arbitrarily sized image.");

constexpr QSize traySize(48, 440);
constexpr QSize buttonSize(46, 34);
constexpr int buttonPitch = 36;

} // namespace

LiveTab::LiveTab(QWidget *window, CaptureState &state, SaveRoutine &saveRoutine)
    : QObject(window), window_(window), state_(state), saveRoutine_(saveRoutine)
{
    picLiveGrabTray_ = new PictureArea(QStringLiteral("picLiveGrabTray"), window);
    picLiveGrabTray_->setGeometry(QRect(QPoint(0, 17), traySize));
    for (int i = 0; i < buttonCount; ++i) {
        auto *button = new MouseUpButton(QStringLiteral("cmdCrop_%1").arg(i + 1),
                                         QString::fromLatin1(designedCaptions[i]), picLiveGrabTray_);
        button->setGeometry(1, 2 + i * buttonPitch, buttonSize.width(), buttonSize.height());
        button->setWordWrap(true);
        button->setToolTip(cropTip);
        button->setAcceptsFiles(true);
        cmdCrop_.append(button);
    }
    cmdFreeCrop_ = new MouseUpButton(QStringLiteral("cmdFreeCrop"), QStringLiteral(" Free  Crop "), window);
    cmdFreeCrop_->setWordWrap(true);
    cmdFreeCrop_->setToolTip(freeCropTip);
    cmdFreeCrop_->setAcceptsFiles(true);
    cmdFreeCrop_->setGeometry(0, 526, traySize.width(), 40);

    // A screenshot larger than the window scrolls inside its holder.
    grabHolder_ = new QScrollArea(window);
    grabHolder_->setFrameShape(QFrame::NoFrame);
    grabHolder_->setLineWidth(0);
    grabHolder_->setContentsMargins(0, 0, 0, 0);
    grabHolder_->resize(300, 300);
    picLiveGrab_ = new PictureArea(QStringLiteral("picLiveGrab"));
    picLiveGrab_->resize(300, 300);
    grabHolder_->setWidget(picLiveGrab_);
    grabHolder_->hide();
    shpCrop_ = new OutlineShape(QStringLiteral("shpCrop"), picLiveGrab_);

    picLiveTemp_ = new PictureArea(QStringLiteral("picLiveTemp"), window);
    picLiveTemp_->resize(100, 100);
    picLiveTemp_->hide();
}

QWidget *LiveTab::grabHolder() const
{
    return grabHolder_;
}

void LiveTab::setCropCaption(int index, const QString &caption)
{
    if (index >= 1 && index <= buttonCount)
        cmdCrop_[index - 1]->setText(caption);
}

void LiveTab::resetModes()
{
    freeCropMode_ = false;
    dragging_ = false;
}

void LiveTab::hideCropOutline()
{
    shpCrop_->hide();
}

QList<QWidget *> LiveTab::keyControls() const
{
    QList<QWidget *> controls = {picLiveGrabTray_, picLiveGrab_};
    for (MouseUpButton *b : cmdCrop_)
        controls.append(b);
    return controls;
}
