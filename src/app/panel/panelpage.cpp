#include "app/panel/panelpage.h"

#include "app/saving/capturedialogs.h"
#include "app/widgets/buttontray.h"
#include "app/saving/capturestate.h"
#include "app/widgets/greyablecheckbox.h"
#include "app/widgets/mouseupbutton.h"
#include "app/widgets/picturearea.h"
#include "app/saving/saveroutine.h"
#include "app/window/windowsizing.h"
#include "capture/extractgeometry.h"
#include "common/numconv.h"
#include "settings/settingvalues.h"

#include <QCheckBox>

namespace {

const QList<const char *> designedCaptions = {"120", "180", "240", "300", "360", "400",
                                              "440", "500", "570", "660", "830", "1000"};
const QString buttonTip = QStringLiteral("Crop a fixed height stat panel.");
const QString iconTip = QStringLiteral(
    "When checked saves the extracted icon along with the stats panel, uncheck when there's no icon, like with "
    "creature panels.");

constexpr QPoint iconPosition(8, 466);

const QString heightPrompt = QStringLiteral("Enter height in pixels:");
const QString namePromptTitle = QStringLiteral("File Name");
// Lives on the options tab; the panel is written unless the user unchecked it there.
const QString saveStatsPanelName = QStringLiteral("chkSaveStatsPanel");
constexpr int panelWidth = 300;

} // namespace

PanelPage::PanelPage(QWidget *window, CaptureState &state, SaveRoutine &saveRoutine)
    : QObject(window), window_(window), state_(state), saveRoutine_(saveRoutine)
{
    picIconPanelTray_ = buttonTray::make(QStringLiteral("picIconPanelTray"), QStringLiteral("cmdExtractPanel"),
                                         designedCaptions, buttonTip, window, cmdExtractPanel_);

    picIcon_ = new PictureArea(QStringLiteral("picIcon"), window);
    picIcon_->setGeometry(QRect(iconPosition, QSize(32, 32)));
    chkIcon_ = new GreyableCheckBox(QStringLiteral("chkIcon"), QStringLiteral("Icon"), window);
    chkIcon_->setGeometry(iconPosition.x() - 4, iconPosition.y() + 36, 46, 20);
    chkIcon_->setToolTip(iconTip);

    picSource_ = new PictureArea(QStringLiteral("picSource"), window);
    picSource_->resize(300, 100);
    picTemp_ = new PictureArea(QStringLiteral("picTemp"), window);
    picTemp_->resize(100, 100);
    picTemp_->hide();

    connectMouseUp(cmdExtractPanel_, this, &PanelPage::heightButtonUp, 1);
    for (int i = 0; i < buttonCount; ++i) {
        connect(cmdExtractPanel_[i], &MouseUpButton::filesDropped, this, [this, i](const QStringList &files) {
            if (const auto screenshot = captureDialogs::droppedScreenshot(window_, files)) {
                takeScreenshot(*screenshot);
                cutShowSave(i + 1, true);
            }
        });
    }
    // The settings load sets the box too, so this hangs on the state, not on clicks.
    connect(chkIcon_, &QCheckBox::stateChanged, this, [this](int state) {
        if (state == Qt::Unchecked)
            picIcon_->clearPicture();
    });
}

void PanelPage::heightButtonUp(int index, Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint)
{
    if (modifiers == Qt::ShiftModifier) {
        // Editing a caption needs no screenshot; one on the clipboard is still taken.
        const QImage screenshot = clipboardGlue::picture();
        if (!screenshot.isNull())
            takeScreenshot(screenshot);
        if (button == Qt::RightButton)
            askHeight(index);
        return;
    }
    const auto screenshot = captureDialogs::clipboardScreenshot(window_);
    if (!screenshot)
        return;
    takeScreenshot(*screenshot);
    cutShowSave(index, button != Qt::RightButton);
}

void PanelPage::askHeight(int index)
{
    if (const auto height = captureDialogs::askWholeNumber(window_, heightPrompt))
        cmdExtractPanel_[index - 1]->setText(*height);
}

void PanelPage::takeScreenshot(const QImage &screenshot)
{
    picTemp_->resize(screenshot.size());
    picTemp_->setPicture(screenshot);
}

void PanelPage::cutShowSave(int index, bool save)
{
    using namespace capture;
    const auto height = numbers::toInt16(cmdExtractPanel_[index - 1]->text());
    if (!height || *height < 1)
        return;
    const int h = *height;
    const QImage screenshot = picTemp_->picture();
    const int w = screenshot.width();

    const bool iconWanted = chkIcon_->checkState() == Qt::Checked;
    if (iconWanted)
        picIcon_->setPicture(cutRect(screenshot, iconRect(w, state_.fullScreen(), state_.offsets)));
    picSource_->resize(panelWidth, h);
    picSource_->setPicture(cutRect(screenshot, panelRect(w, h, state_.fullScreen(), state_.offsets)));
    picSource_->show();
    windowSizing::resizeTwips(window_, settingValues::pixelsToTwips(window_->width()), windowHeightTwipsForPanel(h));
    if (!save)
        return;

    const bool panelWanted = panelToBeSaved();
    if (!iconWanted && !panelWanted)
        return;
    const auto name = saveRoutine_.nameStep(namePromptTitle);
    if (!name)
        return;
    bool gifShown = false;
    // With the same folder, prefix, suffix and type for both, the panel would replace the icon.
    const QString panelPath = panelWanted ? saveRoutine_.pathFor(ImageKind::Panel, *name) : QString();
    if (iconWanted && !saveRoutine_.writeStep(ImageKind::Icon, picIcon_->picture(), *name, &gifShown, panelPath))
        return;
    if (panelWanted && !saveRoutine_.writeStep(ImageKind::Panel, picSource_->picture(), *name, &gifShown))
        return;
    saveRoutine_.autocopyStep(*name, true);
}

bool PanelPage::panelToBeSaved() const
{
    const auto *box = window_->findChild<QCheckBox *>(saveStatsPanelName);
    return !box || box->checkState() != Qt::Unchecked;
}

QCheckBox *PanelPage::chkIcon() const
{
    return chkIcon_;
}

void PanelPage::setPanelCaption(int index, const QString &caption)
{
    if (index >= 1 && index <= buttonCount)
        cmdExtractPanel_[index - 1]->setText(caption);
}

QList<QWidget *> PanelPage::keyControls() const
{
    QList<QWidget *> controls = {picIconPanelTray_, picSource_, picTemp_, chkIcon_};
    for (MouseUpButton *b : cmdExtractPanel_)
        controls.append(b);
    return controls;
}
